// The torvelbar executable: runs a command against the running app, or
// picks the display layer the session allows, makes sure it is the only
// instance, builds the host objects and the delegate, and runs the event
// loop until it is told to end.
#include "app/app_delegate.h"
#include "app/command_line.h"
#include "app/control_client.h"
#include "app/control_service.h"
#include "app/display_host.h"
#include "app/host_registry.h"
#include "app/tray_controller.h"
#include "platform/kwin/kwin_display_layer.h"
#include "platform/kwin/kwinrc_guard.h"
#include "platform/linux/color_scheme_portal.h"
#include "platform/linux/geoclue_location.h"
#include "platform/linux/linux_system_events.h"
#include "platform/linux/termination_signals.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/runtime/instance_lock.h"
#include "platform/runtime/runtime_dir.h"
#include "platform/tray/tray_host_wait.h"
#include "platform/xdg/xdg_autostart_service.h"
#include "ui/accessible_application.h"
#include "ui/theme.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
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

} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], torvel::kwinrcGuard::argument) == 0) {
        torvel::kwinrcGuard::waitForOwnerToEnd();
        QCoreApplication guard(argc, argv);
        torvel::KWinDisplayLayer::giveBackAfter(std::atoll(argv[2]), QFile::decodeName(argv[3]),
                                                QFile::decodeName(argv[4]));
        return 0;
    }
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const auto parsed = torvel::parseCommandLine(arguments);
    if (const auto* error = std::get_if<QString>(&parsed)) {
        std::fputs(("torvelbar: " + *error + "\n").toLocal8Bit().constData(), stderr);
        return 2;
    }
    const torvel::Command command = std::get<torvel::Command>(parsed);
    switch (command.kind) {
    case torvel::Command::Kind::help:
        std::fputs(torvel::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    case torvel::Command::Kind::version:
        std::fputs("torvelbar " TORVEL_VERSION "\n", stdout);
        return 0;
    case torvel::Command::Kind::start:
        break;
    default: {
        QCoreApplication client(argc, argv);
        return torvel::runCommand(command);
    }
    }

    const torvel::DisplayHost host = torvel::detectDisplayHost();
    if (host.kind == torvel::DisplayHost::Kind::none) {
        return fail(host.message);
    }

    // One writer per user and display, decided before anything is tinted:
    // whoever holds the lock runs, and a later start hands over to it.
    const QString runtimeDir = torvel::privateRuntimeDir();
    if (runtimeDir.isEmpty()) {
        return fail(QStringLiteral("no private runtime folder (%1), so nothing would stop a second "
                                   "copy or undo a crash's tint; not starting")
                        .arg(torvel::runtimeDirProblem()));
    }
    std::optional<torvel::InstanceLock> lock;
    const QString lockPath = torvel::InstanceLock::pathFor(runtimeDir, host.displayKey);
    if (torvel::InstanceLock::take(lockPath, lock) == torvel::InstanceLock::Outcome::unavailable) {
        return fail(QStringLiteral("cannot take the lock %1; not starting").arg(lockPath));
    }
    if (!lock) {
        // Another copy owns this display: open its popover instead (it may
        // still be starting), or say so where there is no session bus.
        if (!torvel::askToShowPopover(3000)) {
            std::fputs("torvelbar: TorvelBar is already running\n", stderr);
        }
        return 0;
    }

    QApplication::setApplicationName(QStringLiteral("torvelbar"));
    QApplication::setApplicationDisplayName(QStringLiteral("TorvelBar"));
    QApplication::setApplicationVersion(QStringLiteral(TORVEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("torvelbar"));
    qputenv("QT_QPA_PLATFORM", host.qtPlatform);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    torvel::installAccessibleApplication();

    const std::unique_ptr<torvel::DesktopSession> session = torvel::openDesktopSession(host);
    auto created = session->createDisplayLayer(/*displayLocked=*/true);
    if (!created) {
        return fail(created.error());
    }
    const std::unique_ptr<torvel::DisplayLayer> displayLayer = std::move(created.value());

    const QString settingsPath = torvel::Preferences::defaultPath();
    if (settingsPath.isEmpty()) {
        std::fputs("torvelbar: neither HOME nor XDG_CONFIG_HOME is set; settings will not be "
                   "saved\n",
                   stderr);
    }
    torvel::Preferences preferences(settingsPath);
    torvel::QtMainQueue mainQueue;
    torvel::LinuxSystemEvents systemEvents;
    torvel::XdgAutostartService autostart(QCoreApplication::applicationFilePath());
    // Asked only while the schedule follows the sun from no typed place.
    torvel::GeoClueLocation location;
    // Asked only while the user listed apps or chose fullscreen windows.
    const std::unique_ptr<torvel::WindowWatcher> windows = session->createWindowWatcher();
    torvel::AppDelegate delegate(torvel::AppHost{preferences,
                                                 *displayLayer,
                                                 mainQueue,
                                                 systemEvents,
                                                 autostart,
                                                 {},
                                                 {},
                                                 &location,
                                                 windows.get()});

    torvel::TrayController tray(delegate.settings(), delegate.coordinator(), delegate.loginItem(),
                                *session);
    // Key bindings, panels, scripts and later starts come in here. Without
    // a session bus (or with the name taken by a copy on another display)
    // there is no such way in, but the lock still keeps a second copy out.
    torvel::ControlService control(delegate.settings(), delegate.coordinator(),
                                   [&tray] { tray.openPopover(); });
    control.setStopping(&torvel::TerminationSignals::received);
    control.publish();

    // Colours resolve at paint time, so a theme change only needs a repaint.
    torvel::ColorSchemePortal colorScheme([&tray](std::optional<bool> prefersDark) {
        torvel::Theme::setDesktopPrefersDark(prefersDark);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            widget->update();
        }
        tray.refreshIcon();
    });

    // Every normal end comes through here once: Quit, quit(), logout, signals.
    bool terminated = false;
    auto terminate = [&] {
        if (!terminated) {
            terminated = true;
            delegate.willTerminate();
        }
    };
    QObject::connect(&app, &QCoreApplication::aboutToQuit, terminate);
    torvel::TerminationSignals terminationSignals([](int) { QCoreApplication::quit(); });

    QTimer::singleShot(0, [&] {
        delegate.didFinishLaunching();
        torvel::whenTrayHostReady([&tray](torvel::TrayHost kind) { tray.show(kind); },
                                  std::chrono::seconds(10), session->xembedTrayQuery());
    });
    const int status = app.exec();
    terminate();
    return status;
}
