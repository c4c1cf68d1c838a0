#pragma once

#include <functional>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace torvel::test {

// Runs the event loop until `done` holds or `timeoutMs` passes; returns `done()`.
inline bool spinUntil(const std::function<bool()>& done, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired()) {
            return done();
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

inline void spinFor(int ms) {
    spinUntil([] { return false; }, ms);
}

} // namespace torvel::test
