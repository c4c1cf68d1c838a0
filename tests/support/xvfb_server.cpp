#include "support/xvfb_server.h"

#include "support/child_process.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    QStringList args{"-nolisten", "tcp", "-noreset"};
    for (int i = 0; i < screens; ++i) {
        args << "-screen" << QString::number(i) << geometry;
    }
    start({xvfb, args + extraArgs});
}

XvfbServer::XvfbServer(const Program& program) {
    if (!program.path.isEmpty()) {
        start(program);
    }
}

void XvfbServer::start(const Program& program) {
    int fds[2];
    if (::pipe(fds) != 0) {
        error_ = "pipe failed";
        return;
    }
    // Xvfb picks a free display number itself and writes it to -displayfd
    // once it accepts connections, so there is no race and no polling.
    const QStringList args = QStringList{"-displayfd", QString::number(fds[1])} + program.args;
    std::vector<QByteArray> storage{program.path.toLocal8Bit()};
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
        error_ = QFileInfo(program.path).fileName() + " did not start";
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

namespace {

// A desktop wider than two monitors side by side, with no hardware.
constexpr char dummyConfig[] = R"(Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 256000
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 3840 1200
    EndSubSection
EndSection
)";

QString dummyDriver() {
    for (const char* dir : {"/usr/lib/xorg/modules/drivers", "/usr/lib64/xorg/modules/drivers"}) {
        if (QFile::exists(QString::fromLatin1(dir) + QStringLiteral("/dummy_drv.so"))) {
            return QString::fromLatin1(dir);
        }
    }
    return {};
}

} // namespace

QString XorgDummyServer::unavailable() {
    if (QStandardPaths::findExecutable("Xorg").isEmpty() || dummyDriver().isEmpty()) {
        return QStringLiteral("Xorg's dummy driver is not installed (Debian packages "
                              "xserver-xorg-core, xserver-xorg-video-dummy)");
    }
    return {};
}

QString XorgDummyServer::folder() {
    return QDir::tempPath() + QStringLiteral("/torvel-xorg-%1").arg(::getpid());
}

XorgDummyServer::Program XorgDummyServer::program() {
    const QString dir = folder();
    QDir().mkpath(dir);
    QFile config(dir + QStringLiteral("/dummy.conf"));
    if (config.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        config.write(dummyConfig);
    }
    return {QStandardPaths::findExecutable("Xorg"),
            {"-noreset", "-nolisten", "tcp", "-config", config.fileName(), "-configdir",
             dir + QStringLiteral("/none"), "-logfile", dir + QStringLiteral("/Xorg.log"),
             "-novtswitch", "-sharevts"}};
}

XorgDummyServer::XorgDummyServer(int outputs)
    : XvfbServer(unavailable().isEmpty() ? program() : Program{}) {
    if (!unavailable().isEmpty()) {
        error_ = unavailable();
        return;
    }
    for (int i = 1; running() && i < outputs; ++i) {
        const QString name = QStringLiteral("DUMMY%1").arg(i);
        runClient("xrandr", {"--addmode", name, "1024x768"});
        if (runClient("xrandr", {"--output", name, "--mode", "1024x768", "--right-of",
                                 QStringLiteral("DUMMY%1").arg(i - 1)}) != 0) {
            crash();
            error_ = QStringLiteral("xrandr could not switch %1 on").arg(name);
        }
    }
}

XorgDummyServer::~XorgDummyServer() {
    QDir(folder()).removeRecursively(); // the server has read its file
}

bool XorgDummyServer::replug(int output) const {
    const QString name = QStringLiteral("DUMMY%1").arg(output);
    return runClient("xrandr", {"--output", name, "--off"}) == 0 &&
           runClient("xrandr", {"--output", name, "--mode", "1024x768", "--right-of",
                                QStringLiteral("DUMMY%1").arg(output - 1)}) == 0;
}

} // namespace torvel::test
