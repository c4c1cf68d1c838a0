// The torvelbar executable: runs a host's helper or a command against the
// running app, or picks the host the session allows, makes sure it is the
// only instance, builds the host objects and the delegate, and runs the
// event loop until it is told to end.
#include "app/app_delegate.h"
#include "app/command_line.h"
#include "app/control_client.h"
#include "app/control_service.h"
#include "app/display_host.h"
#include "app/host_registry.h"
#include "app/popover_window.h"
#include "app/startup_trace.h"
#include "app/translations.h"
#include "base/texts.h"
#include "platform/linux/color_scheme_portal.h"
#include "platform/linux/geoclue_location.h"
#include "platform/linux/linux_system_events.h"
#include "platform/linux/logind_backlight.h"
#include "platform/linux/termination_signals.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/runtime/instance_lock.h"
#include "platform/runtime/runtime_dir.h"
#include "platform/xdg/xdg_autostart_service.h"
#include "tray/tray_controller.h"
#include "tray/tray_host_wait.h"
#include "ui/accessible_application.h"
#include "ui/theme.h"

#include <cstdio>
#include <malloc.h>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>

namespace {

int fail(const QString& message) {
    std::fputs(("torvelbar: " + message + "\n").toLocal8Bit().constData(), stderr);
    return 1;
}

// A command's exit status, or nothing when the app is to start.
std::optional<int> runCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (arguments.isEmpty()) {
        return std::nullopt;
    }
    // In the user's language: its words, its errors and its help.
    QCoreApplication client(argc, argv);
    torvel::installTranslations();
    const auto parsed = torvel::parseCommandLine(arguments);
    if (const auto* error = std::get_if<QString>(&parsed)) {
        std::fputs(("torvelbar: " + *error + "\n").toLocal8Bit().constData(), stderr);
        return 2;
    }
    const torvel::Command command = std::get<torvel::Command>(parsed);
    switch (command.kind) {
    case torvel::Command::Kind::help:
        std::fputs(torvel::helpText(command.topic).toLocal8Bit().constData(), stdout);
        return 0;
    case torvel::Command::Kind::version:
        std::fputs("torvelbar " TORVEL_VERSION "\n", stdout);
        return 0;
    case torvel::Command::Kind::start:
        return std::nullopt;
    default:
        return torvel::runCommand(command);
    }
}

// One writer per user and display, decided before anything is tinted:
// whoever holds the lock runs, and a later start hands over to it. An exit
// status when this start is not the one to run.
std::optional<int> takeInstanceLock(const QString& displayKey,
                                    std::optional<torvel::InstanceLock>& lock) {
    const QString runtimeDir = torvel::privateRuntimeDir();
    if (runtimeDir.isEmpty()) {
        return fail(
            torvel::Texts::tr("no private runtime folder (%1), so nothing would stop a second "
                              "copy or undo a crash's tint; not starting")
                .arg(torvel::runtimeDirProblem()));
    }
    const QString lockPath = torvel::InstanceLock::pathFor(runtimeDir, displayKey);
    if (torvel::InstanceLock::take(lockPath, lock) == torvel::InstanceLock::Outcome::unavailable) {
        return fail(torvel::Texts::tr("cannot take the lock %1; not starting").arg(lockPath));
    }
    if (!lock) {
        // Another copy owns this display: open its popover instead (it may
        // still be starting), or say so where there is no session bus.
        if (!torvel::askToShowPopover(3000)) {
            std::fputs("torvelbar: TorvelBar is already running\n", stderr);
        }
        return 0;
    }
    return std::nullopt;
}

torvel::Preferences openPreferences() {
    const QString settingsPath = torvel::Preferences::defaultPath();
    if (settingsPath.isEmpty()) {
        std::fputs("torvelbar: neither HOME nor XDG_CONFIG_HOME is set; settings will not be "
                   "saved\n",
                   stderr);
    }
    return torvel::Preferences(settingsPath);
}

// The built-in panel's backlight, looked for once dimming is first asked
// for, or at the start when a crash left a level to give back.
std::unique_ptr<torvel::Backlight> openBacklight(bool dimming) {
    if (!dimming && !QFile::exists(torvel::LogindBacklight::recordPath())) {
        return nullptr;
    }
    auto device = torvel::LogindBacklight::findDevice();
    if (!device) {
        return nullptr;
    }
    return std::make_unique<torvel::LogindBacklight>(*std::move(device),
                                                     torvel::LogindBacklight::recordPath());
}

// The app on the chosen host, from the first tint to the end of the loop.
int runApp(torvel::DesktopSession& session, torvel::DisplayLayer& displayLayer, QApplication& app) {
    torvel::Preferences preferences = openPreferences();
    // A drag's steps reach the disk together, each within a second.
    preferences.setWriteDelay(std::chrono::milliseconds(500));
    torvel::QtMainQueue mainQueue;
    torvel::LinuxSystemEvents systemEvents;
    torvel::XdgAutostartService autostart(QCoreApplication::applicationFilePath());
    // Asked only while the schedule follows the sun from no typed place.
    torvel::GeoClueLocation location;
    // Asked only while the user listed apps or chose fullscreen windows.
    const std::unique_ptr<torvel::WindowWatcher> windows = session.createWindowWatcher();
    torvel::AppDelegate delegate(torvel::AppHost{.preferences = preferences,
                                                 .display = displayLayer,
                                                 .mainQueue = mainQueue,
                                                 .systemEvents = systemEvents,
                                                 .loginItemService = autostart,
                                                 .locationService = &location,
                                                 .windowWatcher = windows.get(),
                                                 .openBacklight = openBacklight});
    torvel::startupPhase("settings read");
    // Every normal end comes through here once: Quit, quit(), logout,
    // signals; a signal from the first tint on is one of them.
    bool terminated = false;
    auto terminate = [&] {
        if (!terminated) {
            terminated = true;
            delegate.willTerminate();
        }
    };
    QObject::connect(&app, &QCoreApplication::aboutToQuit, terminate);
    torvel::TerminationSignals terminationSignals([](int) { QCoreApplication::quit(); });
    // The first tint comes before anything else the session is asked for.
    delegate.didFinishLaunching();
    torvel::startupPhase("first tint");
    torvel::LazyPopover popover(delegate.settings(), delegate.coordinator(), delegate.loginItem(),
                                session);
    torvel::TrayController tray(
        delegate.settings(), delegate.coordinator(), delegate.loginItem(), session,
        {[&popover](const QRect& at, const QPoint& click) { popover.toggle(at, click); },
         [&popover](const QRect& at, const QPoint& click) { popover.open(at, click); }});
    // Key bindings, panels, scripts and later starts come in here. Without
    // a session bus (or with the name taken by a copy on another display)
    // there is no such way in, but the lock still keeps a second copy out.
    torvel::ControlService control(delegate.settings(), delegate.coordinator(),
                                   [&tray] { tray.openPopover(); });
    control.setStopping(&torvel::TerminationSignals::received);
    control.publish();
    torvel::startupPhase("bus name");
    // Colours resolve at paint time, so a theme change only needs a repaint.
    torvel::ColorSchemePortal colorScheme([&tray](std::optional<bool> prefersDark) {
        torvel::Theme::setDesktopPrefersDark(prefersDark);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            widget->update();
        }
        tray.refreshIcon();
    });
    QTimer::singleShot(0, [&] {
        torvel::whenTrayHostReady(
            [&tray](torvel::TrayHost kind) {
                tray.show(kind);
                torvel::startupPhase("icon");
            },
            std::chrono::seconds(10), session.xembedTrayQuery());
    });
    const int status = QApplication::exec();
    terminate();
    return status;
}

} // namespace

int main(int argc, char** argv) {
    // A large block (a caller's 10 MB argument, on QtDBus's thread) is mapped
    // on its own and goes back to the system when freed; glibc's moving
    // threshold would otherwise keep it in a thread's heap for good.
    ::mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    torvel::startStartupTrace();
    if (const torvel::HostEntry* helper = torvel::helperFor(argc, argv)) {
        return helper->runHelper(argc, argv);
    }
    if (const auto status = runCommandLine(argc, argv)) {
        return *status;
    }
    const torvel::DisplayHost host = torvel::detectDisplayHost(torvel::hostRegistry());
    if (!host.entry) {
        return fail(host.message);
    }
    torvel::startupPhase("host chosen");
    std::optional<torvel::InstanceLock> lock;
    if (const auto status = takeInstanceLock(host.displayKey, lock)) {
        return *status;
    }
    torvel::startupPhase("instance lock");
    QApplication::setApplicationName(QStringLiteral("torvelbar"));
    QApplication::setApplicationDisplayName(QStringLiteral("TorvelBar"));
    QApplication::setApplicationVersion(QStringLiteral(TORVEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("torvelbar"));
    qputenv("QT_QPA_PLATFORM", host.qtPlatform);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    torvel::installTranslations();
    torvel::installAccessibleApplication();

    const std::unique_ptr<torvel::DesktopSession> session =
        torvel::openDesktopSession(host, QGuiApplication::platformName());
    auto created = session->createDisplayLayer(/*displayLocked=*/true);
    if (!created) {
        return fail(created.error());
    }
    const std::unique_ptr<torvel::DisplayLayer> displayLayer = std::move(created.value());
    torvel::startupPhase("display layer");
    return runApp(*session, *displayLayer, app);
}
