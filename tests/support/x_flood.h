#pragma once
// A runaway X client: the root's _NET_ACTIVE_WINDOW moved between two
// windows of class mpv, and the one in front's _NET_WM_STATE changed, as
// fast as the server takes it.

#include <atomic>
#include <QByteArray>

namespace torvel::test {

// Makes `changes` pairs of changes on `display` (DISPLAY when empty), or
// fewer once `stop` is set, and waits until the server has taken them all.
// `sent` counts them as they go. Blocks: run it on a thread of its own.
void floodFrontWindow(const QByteArray& display, long changes, const std::atomic<bool>& stop,
                      std::atomic<long>& sent);

} // namespace torvel::test
