#pragma once
// Every host TorvelBar serves, in one table: how the start recognises it
// and how its desktop session is opened. A new host is a folder under
// platform/ with its DesktopSession and one entry here.

#include "app/display_host.h"
#include "platform/desktop_session.h"

#include <memory>
#include <span>

namespace torvel {

struct HostEntry {
    DisplayHost::Kind kind;
    // For a desktop's own night light: whether it answers on the session
    // bus. Asked in the table's order, only where the Wayland compositor
    // offers no gamma control. Empty for the hosts found otherwise.
    bool (*answersNightLight)();
    std::unique_ptr<DesktopSession> (*open)(DesktopSession::Facts facts);
};

std::span<const HostEntry> hostRegistry();

// The session of the host the start chose; nothing for `none`.
std::unique_ptr<DesktopSession> openDesktopSession(const DisplayHost& host);

} // namespace torvel
