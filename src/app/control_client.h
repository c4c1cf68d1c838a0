#pragma once
// The command line's side of the control surface: runs a command against
// the running TorvelBar over the session bus, through the client generated
// from the interface's description, or saves it for the next start when
// none is running and the command's row says how.

#include "app/command_line.h"
#include "torvelbar1_proxy.h"

#include <memory>
#include <optional>
#include <QDBusPendingCall>
#include <QString>
#include <QVariantMap>

namespace torvel {

// The running app, as a command's row reaches it.
class AppConnection {
public:
    AppConnection();
    ~AppConnection();
    AppConnection(const AppConnection&) = delete;
    AppConnection& operator=(const AppConnection&) = delete;

    TorvelBar1Proxy& proxy() { return *proxy_; }
    // Every property at once; nothing (and a line saying so) when the app
    // did not answer.
    std::optional<QVariantMap> properties();
    // Waits for the reply: 0, or the error's line on standard error and 2
    // for bad arguments, 1 for anything else.
    int finish(QDBusPendingCall call);

private:
    std::unique_ptr<TorvelBar1Proxy> proxy_;
};

// Runs `command` (not start, help or version); needs a QCoreApplication.
// Returns the exit status.
int runCommand(const Command& command);

// A line on standard output (or `to`); false when it could not be written
// (a reader that went away).
bool say(const QString& line, FILE* to = stdout);

// The Displays property's entries, however the bus delivered them.
QList<QVariantMap> displayList(const QVariant& property);

// One status line from the interface's properties: plain, or a JSON object
// with the fields a waybar custom module reads.
QString statusText(const QVariantMap& properties, bool json);

// A line now and one at every change, until the app leaves the bus or the
// reader goes away; the exit status.
int followStatus(bool json);

// Asks the running TorvelBar to open its popover, waiting up to `waitMs`
// for it to appear on the bus. Works before any QCoreApplication exists.
bool askToShowPopover(int waitMs);

} // namespace torvel
