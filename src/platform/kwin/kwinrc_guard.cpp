#include "platform/kwin/kwinrc_guard.h"

#include <cerrno>
#include <fcntl.h>
#include <QFile>
#include <spawn.h>
#include <unistd.h>

extern char** environ;

namespace torvel::kwinrcGuard {

bool start(const QString& program, const QString& kwinrc, const QString& capture) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The read end becomes the guard's standard input (dup2 clears its
    // close-on-exec there); the write end stays with us alone.
    posix_spawn_file_actions_adddup2(&actions, ends[0], STDIN_FILENO);
    const QByteArray path = QFile::encodeName(program);
    const QByteArray pid = QByteArray::number(static_cast<qint64>(::getpid()));
    const QByteArray rc = QFile::encodeName(kwinrc);
    const QByteArray record = QFile::encodeName(capture);
    char* argv[] = {const_cast<char*>(path.constData()),   const_cast<char*>(argument),
                    const_cast<char*>(pid.constData()),    const_cast<char*>(rc.constData()),
                    const_cast<char*>(record.constData()), nullptr};
    pid_t child = 0;
    const int failed = ::posix_spawn(&child, path.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[0]);
    if (failed != 0) {
        ::close(ends[1]);
        return false;
    }
    // ends[1] stays open until this process ends, however it ends.
    return true;
}

void waitForOwnerToEnd() {
    char buffer[64];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n == 0 || (n < 0 && errno != EINTR)) {
            return;
        }
    }
}

} // namespace torvel::kwinrcGuard
