// The memory of torvelbar and of the bare tray icon side by side on the
// desktop hosts that run headless here: Plasma's KWin (`--virtual`) and
// GNOME's mutter with its colour service. Prints one JSON object per host
// per line: {"host", "app": [RSS, RssAnon], "bare": [...]} in KiB, or
// {"host", "skipped": why}.
// Usage: host_memory TORVELBAR BARE_TRAY [seconds at rest]
#include "support/child_process.h"
#include "support/gnome_session.h"
#include "support/kwin_server.h"

#include <cstdio>
#include <cstdlib>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

// VmRSS and RssAnon of a running process, in KiB.
QJsonArray memoryOf(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    QJsonArray out{0, 0};
    if (!status.open(QIODevice::ReadOnly)) {
        return out;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        const int at = line.startsWith("VmRSS:") ? 0 : line.startsWith("RssAnon:") ? 1 : -1;
        if (at >= 0) {
            out[at] = line.mid(line.indexOf(':') + 1).trimmed().split(' ').first().toInt();
        }
    }
    return out;
}

void print(const QJsonObject& row) {
    std::printf("%s\n", QJsonDocument(row).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

void measure(const QString& host, const QString& error, QProcessEnvironment env,
             const QStringList& programs, int restSeconds) {
    if (!error.isEmpty()) {
        print({{QStringLiteral("host"), host}, {QStringLiteral("skipped"), error}});
        return;
    }
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    QProcess app, bare;
    for (QProcess* p : {&app, &bare}) {
        torvel::test::endWithTest(*p);
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedChannels);
    }
    app.start(programs[0], {});
    bare.start(programs[1], {});
    app.waitForStarted();
    bare.waitForStarted();
    // At rest: what both hold once their starts are over.
    app.waitForFinished(restSeconds * 1000);
    if (app.state() != QProcess::Running || bare.state() != QProcess::Running) {
        const QProcess& ended = app.state() != QProcess::Running ? app : bare;
        print({{QStringLiteral("host"), host},
               {QStringLiteral("skipped"),
                QStringLiteral("%1 ended (%2 %3)")
                    .arg(ended.program(),
                         ended.exitStatus() == QProcess::CrashExit ? QStringLiteral("signal")
                                                                   : QStringLiteral("status"),
                         QString::number(ended.exitCode()))}});
    } else {
        print({{QStringLiteral("host"), host},
               {QStringLiteral("app"), memoryOf(app.processId())},
               {QStringLiteral("bare"), memoryOf(bare.processId())}});
    }
    torvel::test::stopProcesses({&app, &bare});
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: host_memory TORVELBAR BARE_TRAY [seconds]\n");
        return 2;
    }
    const QStringList programs{QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])};
    const int rest = argc > 3 ? std::atoi(argv[3]) : 10;
    {
        const torvel::test::KWinServer kwin;
        auto env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), torvel::test::KWinServer::socketName());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), kwin.runtimeDir());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), kwin.configDir());
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), kwin.busAddress());
        measure(QStringLiteral("KWin (Night Color) on kwin_wayland --virtual"), kwin.error(), env,
                programs, rest);
    }
    {
        const torvel::test::GnomeSession gnome;
        auto env = gnome.environment();
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), torvel::test::GnomeSession::waylandDisplay());
        measure(QStringLiteral("GNOME (Night Light) on headless mutter"), gnome.error(), env,
                programs, rest);
    }
    return 0;
}
