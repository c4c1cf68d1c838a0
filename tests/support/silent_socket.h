#pragma once
// A Unix socket that takes every connection into its queue and never
// answers: a bus daemon that is stopped (SIGSTOP), as a client sees it.

#include "support/temp_dir.h"

#include <cstring>
#include <QFile>
#include <QString>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace torvel::test {

class SilentSocket {
public:
    SilentSocket()
        : fd_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        const QByteArray path = QFile::encodeName(dir_.file(QStringLiteral("silent")));
        sockaddr_un where{};
        where.sun_family = AF_UNIX;
        std::memcpy(where.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        listening_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&where), sizeof where) == 0 &&
                     ::listen(fd_, 16) == 0;
    }
    ~SilentSocket() { ::close(fd_); }
    SilentSocket(const SilentSocket&) = delete;
    SilentSocket& operator=(const SilentSocket&) = delete;

    bool listening() const { return listening_; }
    // Its D-Bus address.
    QString address() const {
        return QStringLiteral("unix:path=") + dir_.file(QStringLiteral("silent"));
    }

private:
    TempDir dir_;
    int fd_;
    bool listening_ = false;
};

} // namespace torvel::test
