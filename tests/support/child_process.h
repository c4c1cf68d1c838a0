#pragma once

#include <initializer_list>
#include <QProcess>

namespace torvel::test {

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
