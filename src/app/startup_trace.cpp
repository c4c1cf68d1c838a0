#include "app/startup_trace.h"

#include <QElapsedTimer>

namespace torvel {

Q_LOGGING_CATEGORY(startupLog, "torvelbar.startup", QtWarningMsg)

namespace {

QElapsedTimer& clock() {
    static QElapsedTimer started;
    return started;
}

} // namespace

void startStartupTrace() {
    clock().start();
}

void startupPhase(const char* phase) {
    if (startupLog().isDebugEnabled() && clock().isValid()) {
        qCDebug(startupLog, "%.2f ms: %s", static_cast<double>(clock().nsecsElapsed()) / 1e6,
                phase);
    }
}

} // namespace torvel
