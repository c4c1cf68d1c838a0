// Time from starting a program to what the user sees first: `ramps` waits
// for the first gamma change on the X server, `window <class>` for a mapped
// window of that instance name. Prints milliseconds, leaves the program
// running and prints its PID on a second line.
#include "platform/x11/randr_probe.h"

#include <cstdio>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_probe ramps|window <class> <program> [args]\n");
        return 2;
    }
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString cls = QString::fromLocal8Bit(argv[2]);
    QStringList args;
    for (int i = 4; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    torvel::test::RandrProbe probe(qEnvironmentVariable("DISPLAY"));
    const auto crtc = probe.activeCrtcs().front();
    const auto before = probe.ramps(crtc);
    QElapsedTimer t;
    qint64 pid = 0;
    t.start();
    // Detached, with its output away from ours, so a caller reading our
    // output does not wait for the program to end.
    QProcess program;
    program.setProgram(QString::fromLocal8Bit(argv[3]));
    program.setArguments(args);
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice());
    program.startDetached(&pid);
    for (;;) {
        bool seen = false;
        if (mode == QLatin1String("ramps")) {
            seen = !(probe.ramps(crtc) == before);
        } else {
            QProcess search;
            search.start(QStringLiteral("xdotool"),
                         {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                          QStringLiteral("--classname"), cls});
            search.waitForFinished();
            seen = !search.readAllStandardOutput().trimmed().isEmpty();
        }
        if (seen || t.elapsed() > 20000) {
            break;
        }
        QThread::usleep(500);
    }
    std::printf("%.1f\n%lld\n", static_cast<double>(t.nsecsElapsed()) / 1e6,
                static_cast<long long>(pid));
    return 0;
}
