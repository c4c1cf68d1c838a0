#pragma once
// The Displays property as the command line reads it (displayList, in
// the client, unpacks it).

#include "platform/display_layer.h"

#include <optional>
#include <QList>
#include <QVariant>
#include <QVariantMap>

namespace torvel::commands {

// The options of the display listed with `id` as its id or connector.
std::optional<DisplayOptions> optionsListed(const QList<QVariantMap>& listed, const QString& id);

} // namespace torvel::commands
