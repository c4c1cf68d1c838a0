#pragma once
// Who holds the per-screen manager selections of the X server named by
// `displayName` (DISPLAY when empty), for its default screen. Each opens and
// closes a connection of its own and answers false when there is no X
// server.

#include <QString>

namespace torvel {

// An XEmbed system tray owns `_NET_SYSTEM_TRAY_S<screen>`.
bool isSystemTrayOwned(const QString& displayName);

// A compositing manager owns `_NET_WM_CM_S<screen>`: translucent windows
// are blended with what lies under them instead of showing black.
bool isCompositingManagerRunning(const QString& displayName);

} // namespace torvel
