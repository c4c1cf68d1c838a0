#pragma once
// The way a second start reaches the running TorvelBar: the one that holds
// the display's instance lock listens on a local socket in the private
// runtime folder; a later one asks it to open its popover and leaves.

#include <functional>
#include <memory>
#include <QLocalServer>
#include <QString>

namespace torvel {

class SingleInstance {
public:
    explicit SingleInstance(QString socketPath);

    // <private runtime folder>/instance-<display key>.socket
    static QString socketPathFor(const QString& runtimeDir, const QString& displayKey);

    // True when another instance answered and was asked to show itself.
    bool askRunningInstanceToShow();
    // Starts listening; `onShow` runs for each later instance's request.
    // Call it only while holding the display's instance lock: a socket file
    // found at the path is then a dead instance's and is replaced.
    bool listen(std::function<void()> onShow);

private:
    QString socketPath_;
    std::unique_ptr<QLocalServer> server_;
};

} // namespace torvel
