#pragma once
// Qt picks its tray backend once, at the first tray icon: StatusNotifierItem
// when a watcher is on the session bus, else XEmbed. An app started at login
// before the panel would keep the fallback, so the icon waits (boundedly)
// for the watcher when there is a session bus to wait on.

#include <chrono>
#include <functional>

namespace torvel {

// Calls `ready` on the main thread once a StatusNotifierWatcher is
// registered, at once when it already is or when there is no session bus,
// and after `maxWait` at the latest.
void whenTrayHostReady(std::function<void()> ready, std::chrono::milliseconds maxWait);

} // namespace torvel
