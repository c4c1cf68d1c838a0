#pragma once
// Each display's own choices, as the settings key `displays` holds them: a
// JSON object keyed by a display's key or connector, each entry
// {"tint": true|false, "strength": 0..100, "dim": true|false}. An entry that does not read is
// kept as written (a hand edit, a later release) and counts as the
// defaults.

#include "base/result.h"
#include "platform/display_layer.h"

#include <QJsonObject>
#include <QString>

namespace torvel {

struct DisplaySettings {
    QJsonObject stored;        // as the file holds it
    DisplayOptionsMap options; // the entries that read, and differ from the defaults

    friend bool operator==(const DisplaySettings& a, const DisplaySettings& b) {
        return a.stored == b.stored;
    }
};

DisplaySettings displaySettingsFrom(QJsonObject stored);

// `settings` with the display `id` at `options`; every other entry, and any
// member of its own entry that we do not know, as it was. An entry left at
// the defaults with nothing else in it goes.
DisplaySettings withDisplay(const DisplaySettings& settings, const QString& id,
                            const DisplayOptions& options);

// Why a display's options cannot be set ("a display's strength is 0 to
// 100, not 120"); empty when they can.
QString displayRefusal(const QString& id, const DisplayOptions& options);

} // namespace torvel
