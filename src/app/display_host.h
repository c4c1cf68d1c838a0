#pragma once
// Which host a session gets, decided at start before any GUI exists, from
// the answers of the host registry's entries: the first that fits, or a
// clear refusal where tinting could not reach the screens. The host's
// desktop session answers everything after.

#include "platform/host_entry.h"

#include <QByteArray>
#include <QString>
#include <span>
#include <vector>

namespace torvel {

struct DisplayHost {
    const HostEntry* entry = nullptr; // nothing: refused
    QString message;                  // when refused: the one line the user reads
    QByteArray qtPlatform;            // QT_QPA_PLATFORM for the GUI
    // Names the display however its variable is spelt: one TorvelBar may
    // run per user and display key.
    QString displayKey;
};

// One entry's answer for this session.
struct HostAnswer {
    const HostEntry* entry = nullptr;
    HostProbe probe;
};

// Asks the entries in their order until one fits. A refusal ends the walk
// for all but the entries that stand in for the one that refused.
std::vector<HostAnswer> askHosts(std::span<const HostEntry* const> entries,
                                 const HostEnvironment& environment);

// The decision alone: the first that fits; else the first reason given,
// pointed at the desktop's own setting when a stand-in for the refusing
// host names the desktop the user is in.
DisplayHost chooseDisplayHost(std::span<const HostAnswer> answers,
                              const HostEnvironment& environment);

// The environment of this process.
HostEnvironment hostEnvironment();

// Asks the registry's entries about this process's session, and decides.
DisplayHost detectDisplayHost(std::span<const HostEntry* const> entries);

} // namespace torvel
