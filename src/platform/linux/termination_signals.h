#pragma once
// SIGTERM, SIGINT and SIGHUP turned into a call on the main thread. The
// handler only writes a byte to a pipe; the work happens in the event loop.

#include "base/unique_fd.h"

#include <functional>
#include <memory>
#include <QObject>

class QSocketNotifier;

namespace torvel {

class TerminationSignals final : public QObject {
public:
    // One instance per process. `onSignal` gets the signal number.
    explicit TerminationSignals(std::function<void(int)> onSignal);
    ~TerminationSignals() override;

    // Whether a signal has come, even before the loop has run `onSignal`:
    // work queued behind it can ask, and make way. Safe to call anywhere.
    static bool received();

private:
    std::function<void(int)> onSignal_;
    UniqueFd readEnd_, writeEnd_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace torvel
