#include "support/xvfb_server.h"

#include "support/child_process.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <QProcess>
#include <QStandardPaths>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace torvel::test {

bool XvfbServer::available() {
    return !QStandardPaths::findExecutable("Xvfb").isEmpty();
}

XvfbServer::XvfbServer(int screens, QStringList extraArgs, const QString& geometry) {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) {
        error_ = "Xvfb is not installed (Debian package xvfb)";
        return;
    }
    int fds[2];
    if (::pipe(fds) != 0) {
        error_ = "pipe failed";
        return;
    }
    // Xvfb picks a free display number itself and writes it to -displayfd
    // once it accepts connections, so there is no race and no polling.
    QStringList args{"-displayfd", QString::number(fds[1]), "-nolisten", "tcp", "-noreset"};
    for (int i = 0; i < screens; ++i) {
        args << "-screen" << QString::number(i) << geometry;
    }
    args << extraArgs;
    std::vector<QByteArray> storage{xvfb.toLocal8Bit()};
    for (const auto& a : args) {
        storage.push_back(a.toLocal8Bit());
    }
    std::vector<char*> argv;
    for (auto& s : storage) {
        argv.push_back(s.data());
    }
    argv.push_back(nullptr);

    pid_ = ::fork();
    if (pid_ == 0) {
        endWithParent();
        ::close(fds[0]);
        const int devnull = ::open("/dev/null", O_WRONLY);
        if (devnull >= 0) {
            ::dup2(devnull, STDOUT_FILENO);
            ::dup2(devnull, STDERR_FILENO);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    QByteArray number;
    pollfd p{fds[0], POLLIN, 0};
    while (::poll(&p, 1, 10000) > 0) {
        char buf[16];
        const ssize_t n = ::read(fds[0], buf, sizeof buf);
        if (n <= 0) {
            break;
        }
        number.append(buf, n);
        if (number.contains('\n')) {
            break;
        }
    }
    ::close(fds[0]);
    number = number.trimmed();
    if (number.isEmpty()) {
        error_ = "Xvfb did not start";
        return;
    }
    display_ = ":" + QString::fromLatin1(number);
}

XvfbServer::~XvfbServer() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
    }
}

void XvfbServer::crash() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
    }
}

int XvfbServer::runClient(const QString& program, const QStringList& args) const {
    QProcess p;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace torvel::test
