#include "support/sway_server.h"

#include "support/child_process.h"
#include "support/event_loop.h"

#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace torvel::test {

SwayServer::SwayServer() {
    const QString sway = QStandardPaths::findExecutable(QStringLiteral("sway"));
    if (sway.isEmpty()) {
        error_ = QStringLiteral("sway is not installed (Debian package sway)");
        return;
    }
    uid_t uid = ::geteuid();
    gid_t gid = ::getegid();
    if (uid == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody) {
            error_ = QStringLiteral("running as root and there is no user nobody to run sway as");
            return;
        }
        uid = nobody->pw_uid;
        gid = nobody->pw_gid;
        if (::chown(runtime_.path().toLocal8Bit().constData(), uid, gid) != 0) {
            error_ = QStringLiteral("cannot hand the runtime folder to nobody");
            return;
        }
    }
    const QString config = runtime_.file(QStringLiteral("config"));
    {
        QFile f(config);
        if (!f.open(QIODevice::WriteOnly) || f.write("xwayland disable\n") < 0) {
            error_ = QStringLiteral("cannot write the sway config");
            return;
        }
    }
    const QByteArray runtime = runtime_.path().toLocal8Bit();
    std::vector<QByteArray> env{
        "PATH=/usr/bin:/bin",    "HOME=" + runtime,     "XDG_RUNTIME_DIR=" + runtime,
        "WLR_BACKENDS=headless", "WLR_RENDERER=pixman", "WLR_LIBINPUT_NO_DEVICES=1",
    };
    std::vector<QByteArray> args{sway.toLocal8Bit(), "-c", config.toLocal8Bit()};
    std::vector<char*> argv, envp;
    for (auto& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    for (auto& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    const bool dropPrivileges = ::geteuid() == 0;
    const QByteArray log = runtime_.file(QStringLiteral("sway.log")).toLocal8Bit();

    pid_ = ::fork();
    if (pid_ == 0) {
        const int out = ::open(log.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out >= 0) {
            ::dup2(out, STDOUT_FILENO);
            ::dup2(out, STDERR_FILENO);
        }
        if (dropPrivileges &&
            (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)) {
            ::_exit(126);
        }
        endWithParent(); // after setuid, which clears it
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    const QDir dir(runtime_.path());
    spinUntil(
        [&] {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return true;
            }
            const auto sockets = dir.entryList({QStringLiteral("wayland-*")}, QDir::System);
            const auto ipc = dir.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
            for (const QString& s : sockets) {
                if (!s.endsWith(QStringLiteral(".lock")) && !ipc.isEmpty()) {
                    socket_ = dir.filePath(s);
                    ipcSocket_ = dir.filePath(ipc.front());
                }
            }
            return !socket_.isEmpty();
        },
        10000);
    if (socket_.isEmpty()) {
        QFile f(QString::fromLocal8Bit(log));
        f.open(QIODevice::ReadOnly);
        error_ = QStringLiteral("sway did not start: ") +
                 QString::fromLocal8Bit(f.readAll().right(400)).trimmed();
    }
}

SwayServer::~SwayServer() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int status = 0;
        for (int i = 0; i < 200; ++i) {
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                return;
            }
            ::usleep(10000);
        }
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, &status, 0);
    }
}

QString SwayServer::message(const QStringList& args) const {
    QProcess p;
    p.start(QStringLiteral("swaymsg"), QStringList{QStringLiteral("-s"), ipcSocket_} + args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace torvel::test
