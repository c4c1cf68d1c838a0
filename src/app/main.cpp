// The torvelbar executable: checks its arguments, picks the display layer
// the session allows, makes sure it is the only instance, builds the host
// objects and the delegate, and runs the event loop until it is told to end.
#include "app/app_delegate.h"
#include "app/display_host.h"
#include "app/single_instance.h"
#include "app/tray_controller.h"
#include "platform/linux/color_scheme_portal.h"
#include "platform/linux/linux_system_events.h"
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

    torvel::SingleInstance instance;
    if (instance.askRunningInstanceToShow()) {
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
        torvel::createDisplayLayer(host, &error);
    if (!displayLayer) {
        return fail(error);
    }

    torvel::Preferences preferences;
    torvel::QtMainQueue mainQueue;
    torvel::LinuxSystemEvents systemEvents;
    torvel::XdgAutostartService autostart(QCoreApplication::applicationFilePath());
    torvel::AppDelegate delegate(
        torvel::AppHost{preferences, *displayLayer, mainQueue, systemEvents, autostart});

    torvel::TrayController tray(delegate.settings(), delegate.coordinator(), delegate.loginItem());
    if (!instance.listen([&tray] { tray.openPopover(); })) {
        // Another instance started at the same moment and got the socket.
        return instance.askRunningInstanceToShow() ? 0 : fail(QStringLiteral("already running"));
    }

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
