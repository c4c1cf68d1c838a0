#include "platform/linux/termination_signals.h"

#include <array>
#include <csignal>
#include <fcntl.h>
#include <QSocketNotifier>
#include <unistd.h>

namespace torvel {

namespace {

// The pipe's write end, for the handler, which may touch nothing else.
volatile sig_atomic_t writeEnd = -1;
volatile sig_atomic_t gotSignal = 0;
constexpr std::array<int, 3> handled{SIGTERM, SIGINT, SIGHUP};

extern "C" void onTerminationSignal(int signal) {
    const int saved = errno;
    gotSignal = 1;
    const unsigned char byte = static_cast<unsigned char>(signal);
    (void)!::write(writeEnd, &byte, 1);
    errno = saved;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void(int)> onSignal)
    : onSignal_(std::move(onSignal)) {
    int ends[2] = {-1, -1};
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    readEnd_.reset(ends[0]);
    writeEnd_.reset(ends[1]);
    writeEnd = ends[1];
    notifier_ = std::make_unique<QSocketNotifier>(readEnd_.get(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        while (::read(readEnd_.get(), &byte, 1) == 1) {
            onSignal_(byte);
        }
    });
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : handled) {
        ::sigaction(signal, &action, nullptr);
    }
}

bool TerminationSignals::received() {
    return gotSignal != 0;
}

TerminationSignals::~TerminationSignals() {
    for (const int signal : handled) {
        ::signal(signal, SIG_DFL);
    }
    writeEnd = -1;
    notifier_.reset(); // before the ends it watches close
}

} // namespace torvel
