#pragma once

#include <QString>

namespace torvel {

// Whether an XEmbed system tray owns `_NET_SYSTEM_TRAY_S<screen>` on
// `displayName` (DISPLAY when empty) for its default screen. False when
// there is no X server. Opens and closes a connection of its own.
bool isSystemTrayOwned(const QString& displayName);

} // namespace torvel
