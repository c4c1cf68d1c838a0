#pragma once

#include <csignal>
#include <initializer_list>
#include <QFile>
#include <QProcess>
#include <sys/prctl.h>

namespace torvel::test {

// In a child between fork and exec: the kernel kills it when the test
// process ends, however that ends (a crash, a timeout's SIGKILL), so no host
// a test started outlives it.
inline void endWithParent() {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
}

// The same for a QProcess, before its start.
inline void endWithTest(QProcess& p) {
    p.setChildProcessModifier(endWithParent);
}

// Whether the running process `pid` has a library whose file name begins
// with `name` ("libgio-2.0") mapped.
inline bool mapsLibrary(qint64 pid, const char* name) {
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(QByteArray("/") + name);
}

// Ends each running process in turn: SIGTERM, then SIGKILL after 5 s.
inline void stopProcesses(std::initializer_list<QProcess*> processes) {
    for (QProcess* p : processes) {
        if (p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(5000)) {
                p->kill();
                p->waitForFinished();
            }
        }
    }
}

} // namespace torvel::test
