#pragma once
// Debian's sway, headless with the pixman renderer, for the life of the
// object. sway refuses to run as root, so under root it runs as `nobody`.

#include "support/temp_dir.h"

#include <QString>
#include <QStringList>
#include <sys/types.h>

namespace torvel::test {

class SwayServer {
public:
    SwayServer();
    ~SwayServer();
    SwayServer(const SwayServer&) = delete;
    SwayServer& operator=(const SwayServer&) = delete;

    bool running() const { return !socket_.isEmpty(); }
    // Why it is not running, for the skip message.
    const QString& error() const { return error_; }
    // The Wayland socket's absolute path, usable as WAYLAND_DISPLAY.
    const QString& socket() const { return socket_; }
    // Runs swaymsg against this sway; its standard output.
    QString message(const QStringList& args) const;

private:
    TempDir runtime_;
    pid_t pid_ = -1;
    QString socket_;
    QString ipcSocket_;
    QString error_;
};

} // namespace torvel::test
