#pragma once
// The command line's side of the control surface: runs a command against
// the running TorvelBar over the session bus, or, for the mode and the
// manual colour, saves it for the next start when none is running.

#include "app/command_line.h"

#include <QString>
#include <QVariantMap>

namespace torvel {

// Runs `command` (not start, help or version); needs a QCoreApplication.
// Returns the exit status.
int runCommand(const Command& command);

// One status line from the interface's properties: plain, or a JSON object
// with the fields a waybar custom module reads.
QString statusText(const QVariantMap& properties, bool json);

// Asks the running TorvelBar to open its popover, waiting up to `waitMs`
// for it to appear on the bus. Works before any QCoreApplication exists.
bool askToShowPopover(int waitMs);

} // namespace torvel
