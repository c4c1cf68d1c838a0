#include "platform/kwin/kwin_desktop_session.h"
#include "platform/kwin/kwin_display_layer.h"
#include "platform/kwin/kwinrc_guard.h"
#include "platform/runtime/display_key.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <unistd.h>

namespace torvel {

namespace {

// A process id as the layer writes it: decimal digits, above zero.
std::optional<pid_t> processId(const char* text) {
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || *text < '0' || *text > '9' || value <= 0 ||
        value > std::numeric_limits<pid_t>::max()) {
        return std::nullopt;
    }
    return static_cast<pid_t>(value);
}

// An ended process not yet reaped by its parent still answers kill():
// its state in /proc says it is gone.
bool isAlive(pid_t pid) {
    if (::kill(pid, 0) != 0 && errno == ESRCH) {
        return false;
    }
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return true;
    }
    const QByteArray text = stat.read(4096);
    const qsizetype end = text.lastIndexOf(')');
    const char state = end >= 0 && end + 2 < text.size() ? text.at(end + 2) : '?';
    return state != 'Z' && state != 'X';
}

// `torvelbar --guard-kwinrc <pid> <kwinrc> <record>`, started by the layer
// of the app whose pid it is. Anything else, run by hand or by another
// program, touches nothing: the pid of a live process that is not its
// parent (a live app's record must not be given back under it), another
// kwinrc or record than the layer's own. An app can end before its guard
// has even looked (KWin crashing just after the first tint, on a busy
// machine): a gone owner's own record is given back, as its next start
// would. It ends when its app has, whatever state the session bus is in.
int runKwinrcGuard(int argc, char** argv) {
    const auto refuse = [](const char* why) {
        std::fprintf(stderr, "torvelbar: --guard-kwinrc: %s; nothing touched\n", why);
        return 2;
    };
    if (argc != 5) {
        return refuse("it takes a process id, kwinrc and a record");
    }
    const auto owner = processId(argv[2]);
    if (!owner || (*owner != ::getppid() && isAlive(*owner))) {
        return refuse("the process id is not of the app that started it");
    }
    // A standard error closed with the app must not end us before the file
    // is back.
    std::signal(SIGPIPE, SIG_IGN);
    // Descriptors the app inherited and passed on (a test's pipes, a
    // server's -displayfd) are not ours to hold open.
    ::close_range(3, ~0U, 0);
    const QString kwinrc = QFile::decodeName(argv[3]);
    const QString record = QFile::decodeName(argv[4]);
    if (QDir::cleanPath(kwinrc) != QDir::cleanPath(KWinDisplayLayer::defaultKwinrc()) ||
        record.isEmpty() ||
        QDir::cleanPath(record) != QDir::cleanPath(KWinDisplayLayer::defaultRecordPath())) {
        return refuse("kwinrc or the record is not the one the app keeps");
    }
    kwinrcGuard::waitForOwnerToEnd();
    // Standard input can end while its owner lives (closed by hand): only
    // an owner that is gone is acted for. An ending process closes its files
    // a moment before its children pass to another parent: that moment is
    // waited for, boundedly.
    for (int waited = 0; ::getppid() == *owner && waited < 2000; waited += 10) {
        ::usleep(10'000);
    }
    if (::getppid() == *owner) {
        return 0;
    }
    if (!KWinDisplayLayer::isRecordOf(record, *owner)) {
        return 0; // given back already, a newer start's own, or not a whole record
    }
    // The file comes back first; telling KWin goes over the session bus,
    // which may be gone or stuck at a logout: bounded, and the end skips
    // every destructor that could wait on QtDBus's thread.
    ::alarm(10);
    QCoreApplication guard(argc, argv);
    KWinDisplayLayer::giveBackAfter(*owner, kwinrc, record);
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace

const HostEntry& kwinHostEntry() {
    static const HostEntry entry{
        .name = "kwin",
        .standsInFor = "wayland",
        .probe =
            [](const HostEnvironment&) {
                return KWinDesktopSession::answers() ? HostProbe::fits() : HostProbe::notHere();
            },
        .displayKey =
            [](const HostEnvironment& env) {
                return waylandDisplayKey(env.waylandDisplay, env.runtimeDir);
            },
        .qtPlatform = waylandQtPlatform,
        .desktopName = "KDE",
        .ownSetting = "KDE: System Settings > Display and Monitor > Night Light",
        .open = openSession<KWinDesktopSession>,
        .helperArgument = kwinrcGuard::argument,
        .runHelper = runKwinrcGuard,
    };
    return entry;
}

} // namespace torvel
