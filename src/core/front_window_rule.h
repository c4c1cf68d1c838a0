#pragma once
// Whether the window in front asks us to step aside: an app the user
// listed, or any fullscreen window when the user chose so.

#include "core/tint_state.h"
#include "platform/display_layer.h"
#include "platform/window_watcher.h"

#include <optional>
#include <QStringList>
#include <vector>

namespace torvel {

// Whether `listed` (an id the user gave) names the window's app: equal to
// one of its names case aside, or to the last dot-separated part of one
// ("gimp" for the app_id org.gimp.GIMP). Gives the name that matched.
std::optional<QString> matchingAppId(const FrontWindow& front, const QString& listed);

// The hold the window in front asks for: a listed app wins over
// fullscreen; nothing when there is no window or neither applies.
std::optional<Hold> frontWindowHold(const std::optional<FrontWindow>& front,
                                    const QStringList& apps, bool pauseFullscreen);

// The displays the window lies on, of those given: by its area (any
// overlap with a display's), else by the outputs the host says it is on.
// Only these step aside for it, the others stay tinted. Nothing when it
// is all of them or none, or the host says neither (then the whole
// desktop steps aside).
std::vector<DisplayName> displaysUnder(const FrontWindow& window,
                                       const std::vector<DisplayName>& displays);

} // namespace torvel
