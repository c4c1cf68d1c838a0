#pragma once
// Names for the display a TorvelBar runs on, for its instance lock and its
// crash records: one per server, however its variable spells it.

#include <QString>

namespace torvel {

// A name for the X server `display` (DISPLAY when empty) that does not
// depend on how the variable spells it: ":1", ":1.0", "unix:1" and
// "localhost:1" are all "x11-1"; another host's display 1 is
// "x11-<host>-1". Made only of letters, digits, '.', '-' and '_'.
QString x11DisplayKey(const QString& display);

// "wayland-" and the compositor socket's absolute path (WAYLAND_DISPLAY
// taken under `runtimeDir` unless absolute), made file-safe.
QString waylandDisplayKey(const QString& waylandDisplay, const QString& runtimeDir);

} // namespace torvel
