#include "platform/kwin/kwin_desktop_session.h"
#include "platform/kwin/kwin_display_layer.h"
#include "platform/kwin/kwinrc_guard.h"
#include "platform/runtime/display_key.h"

#include <cstdio>
#include <cstdlib>
#include <QCoreApplication>
#include <QFile>

namespace torvel {

namespace {

// `torvelbar --guard-kwinrc <pid> <kwinrc> <record>`, started by the layer.
int runKwinrcGuard(int argc, char** argv) {
    if (argc != 5) {
        std::fputs("torvelbar: --guard-kwinrc takes a process id, kwinrc and a record\n", stderr);
        return 2;
    }
    kwinrcGuard::waitForOwnerToEnd();
    QCoreApplication guard(argc, argv);
    KWinDisplayLayer::giveBackAfter(std::atoll(argv[2]), QFile::decodeName(argv[3]),
                                    QFile::decodeName(argv[4]));
    return 0;
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
