#pragma once
// Every host TorvelBar serves, in the order the start asks them. A new host
// is a folder under platform/ with its DesktopSession and HostEntry, and one
// row here.

#include "app/display_host.h"
#include "platform/host_entry.h"

#include <memory>
#include <span>

namespace torvel {

// Every entry stands for a module of platform/, loaded once asked where
// the session could be its host's.
std::span<const HostEntry* const> hostRegistry();

// Where the modules are: hosts/ beside the program in its build folder,
// else the library folder it is installed with, unless a test chose.
QString hostModuleFolder();
void useHostModuleFolder(const QString& folder);

// The entry whose helper `argv` asks for (its first argument is the
// helper's), or nothing.
const HostEntry* helperFor(int argc, char** argv,
                           std::span<const HostEntry* const> entries = hostRegistry());

// The session of the host the start chose; nothing when none was.
std::unique_ptr<DesktopSession> openDesktopSession(const DisplayHost& host,
                                                   const QString& qtPlatform);

} // namespace torvel
