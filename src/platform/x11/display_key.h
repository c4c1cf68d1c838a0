#pragma once

#include <QString>

namespace torvel {

// A name for the X server `display` (DISPLAY when empty) that does not
// depend on how the variable spells it: ":1", ":1.0", "unix:1" and
// "localhost:1" are all "x11-1"; another host's display 1 is
// "x11-<host>-1". Made only of letters, digits, '.', '-' and '_'.
QString x11DisplayKey(const QString& display);

} // namespace torvel
