#pragma once
// One TorvelBar per user session: the first listens on a local socket in
// the private runtime folder; a later one asks it to open its popover and
// leaves, so two never fight over the ramps.

#include <functional>
#include <memory>
#include <QLocalServer>
#include <QString>

namespace torvel {

class SingleInstance {
public:
    explicit SingleInstance(QString socketPath = defaultSocketPath());

    static QString defaultSocketPath();

    // True when another instance answered and was asked to show itself.
    bool askRunningInstanceToShow();
    // Starts listening; `onShow` runs for each later instance's request.
    // False when the socket cannot be had (another instance won the race).
    bool listen(std::function<void()> onShow);

private:
    QString socketPath_;
    std::unique_ptr<QLocalServer> server_;
};

} // namespace torvel
