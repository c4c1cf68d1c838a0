// The open popover as a screen reader finds it: the built torvelbar on
// Xvfb, read through the real AT-SPI registry on a private session bus.
#include "support/event_loop.h"
#include "support/private_bus.h"
#include "support/xvfb_server.h"
#include "x11_desktop.h"

#include <gtest/gtest.h>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace torvel {
namespace {

using test::spinUntil;

TEST(TorvelbarAssistive, AReaderFindsNamedControlsWithTheirStatesAndMovesASlider) {
    if (test::toolsMissing({"Xvfb", "xdotool", "dbus-daemon", "/usr/bin/python3"})) {
        return;
    }
    test::XvfbServer x(1, {}, QStringLiteral("1280x1024x24")); // room for all of it
    test::PrivateBus bus;
    ASSERT_TRUE(x.running() && bus.running());
    test::Desktop desktop(x, bus.address());
    desktop.environment().insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"),
                                 QStringLiteral("1"));
    QDBusConnection client = bus.connect(QStringLiteral("reader-test"));
    QProcess app;
    desktop.start(app, QStringLiteral(TORVELBAR_EXECUTABLE), {});
    const QString service = QStringLiteral("org.torvelbar.TorvelBar");
    ASSERT_TRUE(spinUntil([&] { return client.interface()->isServiceRegistered(service); }, 10000))
        << app.readAllStandardError().toStdString();
    const auto call = [&](const QString& method, const QVariantList& args = {}) {
        QDBusMessage m =
            QDBusMessage::createMethodCall(service, QStringLiteral("/org/torvelbar/TorvelBar"),
                                           QStringLiteral("org.torvelbar.TorvelBar1"), method);
        m.setArguments(args);
        return client.call(m, QDBus::Block, 5000);
    };

    const auto read = [&](const QStringList& extra) {
        return desktop.run(
            QStringLiteral("/usr/bin/python3"),
            QStringList{QStringLiteral(TORVEL_ATSPI_READER), QStringLiteral("TorvelBar")} + extra);
    };
    // The schedule: its switch, steppers and two sliders.
    call(QStringLiteral("SetMode"), {QStringLiteral("schedule")});
    // It opens by the pointer: at the top, as from a panel there.
    desktop.run(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QStringLiteral("20"), QStringLiteral("5")});
    call(QStringLiteral("ShowPopover"));
    ASSERT_TRUE(desktop.waitForPopover().isValid());
    const QString tree = read({});
    for (const char* line :
         {"application \"TorvelBar\" [showing]\n  frame \"TorvelBar\"",
          "radio button \"Schedule\" [checked focusable showing]",
          "radio button \"Manual\" [focusable showing]",
          "check box \"Follow the sun\" [focusable showing]",
          "label \"Night from dusk to sunrise\"", "check box \"Open at login\" [",
          "push button \"Bedtime earlier\"", "push button \"Bedtime later\"",
          "push button \"Wake up earlier\"", "push button \"Wind-down longer\"",
          "slider \"Day\" [focusable showing] value=6500 (1000..6500/50)",
          "slider \"Night\" [focusable showing] value="}) {
        EXPECT_TRUE(tree.contains(QString::fromUtf8(line))) << line << "\n" << tree.toStdString();
    }
    EXPECT_FALSE(tree.contains(QStringLiteral("\"Decrease\""))) << tree.toStdString();
    EXPECT_FALSE(tree.contains(QStringLiteral("\"\" [focusable"))) << "an unnamed Tab stop";

    // The manual mode, and its slider moved by a key.
    call(QStringLiteral("SetMode"), {QStringLiteral("manual")});
    call(QStringLiteral("SetManualKelvin"), {qlonglong{3400}});
    const QString moved = read({QStringLiteral("--move"), QStringLiteral("Color")});
    EXPECT_TRUE(moved.contains(QStringLiteral("radio button \"Manual\" [checked")))
        << moved.toStdString();
    EXPECT_TRUE(moved.contains(QStringLiteral("moved 3400 3450 events=")) &&
                !moved.contains(QStringLiteral("events=0")))
        << moved.toStdString();
    app.terminate();
    app.waitForFinished(5000);
}

} // namespace
} // namespace torvel
