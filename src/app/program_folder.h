#pragma once
// Where a folder the program ships with is: `built` beside the program in
// its build folder, else `installed`, relative to the installed program's
// own folder. A build runs from its tree and an installed copy from its
// prefix, whichever prefix that is, with nothing in the environment.

#include <QString>

namespace torvel {

QString programFolder(const QString& built, const QString& installed);

} // namespace torvel
