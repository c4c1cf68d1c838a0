#pragma once
// A small process of our own that outlives the app's, so that kwinrc never
// keeps our colour after the app is gone. The app can end without running
// a single destructor: SIGKILL, or Qt's Wayland client ending the process
// (_exit) when the connection breaks, which is what happens when KWin
// itself crashes. The guard then gives the user's Night Color group back
// from the capture record, for the KWin that starts next; a normal end
// leaves no record and the guard just exits.

#include <QString>

namespace torvel::kwinrcGuard {

// The hidden first argument that runs the guard instead of the app.
inline constexpr const char* argument = "--guard-kwinrc";

// Starts `program argument <pid> <kwinrc> <capture>` with a pipe for its
// standard input whose other end only this process holds, kept open
// (close-on-exec) for the rest of the process's life. False when it could
// not be started: then only the next start gives the group back.
bool start(const QString& program, const QString& kwinrc, const QString& capture);

// The guard itself, in two steps so that it holds no more than a blocked
// read until it is needed: wait until standard input ends (the owner is
// gone), then, with a QCoreApplication for the bus, give the group back
// if the record is still the owner's (KWinDisplayLayer::giveBackAfter).
void waitForOwnerToEnd();

} // namespace torvel::kwinrcGuard
