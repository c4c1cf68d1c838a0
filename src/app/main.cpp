// The torvelbar executable: checks its arguments, picks the display layer
// the session allows, makes sure it is the only instance, builds the host
// objects and the delegate, and runs the event loop until it is told to end.
#include "app/app_delegate.h"
#include "app/display_host.h"
#include "app/single_instance.h"
#include "app/tray_controller.h"
#include "platform/linux/color_scheme_portal.h"
#include "platform/linux/instance_lock.h"
#include "platform/linux/linux_system_events.h"
#include "platform/linux/runtime_dir.h"
#include "platform/linux/termination_signals.h"
#include "platform/linux/tray_host_wait.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/x11/system_tray_selection.h"
#include "platform/xdg/xdg_autostart_service.h"
#include "ui/theme.h"

#include <cstdio>
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <QWidget>
#include <unistd.h>

namespace {

int fail(const QString& message) {
    std::fputs(("torvelbar: " + message + "\n").toLocal8Bit().constData(), stderr);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Warms the colour of every display by the time of day."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) {
        return fail(parser.errorText() + QStringLiteral(" (see torvelbar --help)"));
    }
    if (parser.isSet(version)) {
        std::fputs("torvelbar " TORVEL_VERSION "\n", stdout);
        return 0;
    }
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return 0;
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
    torvel::SingleInstance instance(
        torvel::SingleInstance::socketPathFor(runtimeDir, host.displayKey));
    if (!lock) {
        // The running one may still be starting: give it a moment to listen.
        for (int attempt = 0; attempt < 30; ++attempt) {
            if (instance.askRunningInstanceToShow()) {
                return 0;
            }
            ::usleep(100 * 1000);
        }
        std::fputs("torvelbar: TorvelBar is already running\n", stderr);
        return 0;
    }

    QApplication::setApplicationName(QStringLiteral("torvelbar"));
    QApplication::setApplicationDisplayName(QStringLiteral("TorvelBar"));
    QApplication::setApplicationVersion(QStringLiteral(TORVEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("torvelbar"));
    qputenv("QT_QPA_PLATFORM", host.qtPlatform);
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);

    QString error;
    const std::unique_ptr<torvel::DisplayLayer> displayLayer =
        torvel::createDisplayLayer(host, &error, /*displayLocked=*/true);
    if (!displayLayer) {
        return fail(error);
    }

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
    torvel::AppDelegate delegate(
        torvel::AppHost{preferences, *displayLayer, mainQueue, systemEvents, autostart});

    torvel::TrayController tray(delegate.settings(), delegate.coordinator(), delegate.loginItem());
    // Without the socket a later start cannot reach us, but the lock still
    // keeps it from running.
    instance.listen([&tray] { tray.openPopover(); });

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
    torvel::TerminationSignals signals_([](int) { QCoreApplication::quit(); });

    QTimer::singleShot(0, [&] {
        delegate.didFinishLaunching();
        std::function<bool()> xembedTray;
        if (host.kind == torvel::DisplayHost::Kind::x11) {
            xembedTray = [] { return torvel::isSystemTrayOwned(QString()); };
        }
        torvel::whenTrayHostReady([&tray](torvel::TrayHost kind) { tray.show(kind); },
                                  std::chrono::seconds(10), xembedTray);
    });
    const int status = app.exec();
    terminate();
    return status;
}
