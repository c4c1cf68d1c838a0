// The built torvelbar's tray icon as panels see it: on trayer (XEmbed) at
// once and legible on light and dark panels, and as a StatusNotifierItem
// with its title, tooltip, icon sizes and menu to a watcher that comes late.
#include "platform/x11/randr_probe.h"
#include "support/event_loop.h"
#include "support/private_bus.h"
#include "support/status_notifier_host.h"
#include "support/xvfb_server.h"
#include "tray/menu_bar_icon.h"
#include "x11_desktop.h"

#include <chrono>
#include <gtest/gtest.h>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>

namespace torvel {
namespace {

using test::Desktop;
using test::spinUntil;

// What every test here runs.
bool toolsMissing() {
    return test::toolsMissing({"Xvfb", "trayer", "xdotool", "dbus-daemon"});
}

QColor colorOf(std::uint32_t rgb) {
    return QColor::fromRgb(rgb);
}

// How many rows of the digits' box hold a pixel that stands out from the
// panel by `contrast` in luminance, top to bottom.
int inkHeight(test::RandrProbe& probe, const QRect& icon, const QColor& panel, double contrast) {
    const auto box = trayIconLayout(icon.height(), TrayLook::tinted).digits;
    if (!box) {
        return 0;
    }
    // The icon is drawn at the slot's height, centred across its width.
    const QRect digits = box->translated(icon.x() + (icon.width() - icon.height()) / 2, icon.y());
    const auto pixels = probe.pixels(digits.x(), digits.y(), digits.width(), digits.height());
    int top = digits.height(), bottom = -1;
    for (int i = 0; i < static_cast<int>(pixels.size()); ++i) {
        if (std::abs(relativeLuminance(colorOf(pixels[i])) - relativeLuminance(panel)) >=
            contrast) {
            top = std::min(top, i / digits.width());
            bottom = std::max(bottom, i / digits.width());
        }
    }
    return bottom - top + 1;
}

QByteArray settingsText(const Desktop& desktop) {
    QFile f(desktop.configDir() + QStringLiteral("/torvelbar/torvelbar.conf"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(TorvelbarTray, AnXEmbedTrayGetsALegibleIconAtOnceOnLightAndDarkPanels) {
    if (toolsMissing()) {
        return;
    }
    // trayer's height, and how tall the digits must read in the slot it gives.
    for (const auto& [height, goal] : {std::pair{16, 8}, std::pair{24, 9}, std::pair{32, 12}}) {
        for (const bool dark : {false, true}) {
            SCOPED_TRACE(testing::Message() << height << (dark ? " dark" : " light"));
            test::XvfbServer x(1, {}, QStringLiteral("640x200x24"));
            test::PrivateBus bus; // a session bus, but no watcher on it
            ASSERT_TRUE(x.running() && bus.running());
            Desktop desktop(x, bus.address());
            QProcess tray;
            ASSERT_TRUE(desktop.startTray(tray, height, dark));
            test::RandrProbe probe(x.display());
            const QColor panel = colorOf(probe.pixels(110, height / 2, 1, 1).at(0));

            QProcess app;
            QElapsedTimer sinceStart;
            sinceStart.start();
            desktop.start(app, QStringLiteral(TORVELBAR_EXECUTABLE), {});
            QRect icon = desktop.waitForIcon();
            ASSERT_TRUE(icon.isValid());
            EXPECT_LT(sinceStart.elapsed(), 2000) << "embedded without waiting for a watcher";
            // The icon makes a stretched slot square and picks its ink after
            // it is embedded. (A copy: clang 14 cannot capture a binding.)
            const int minimumInk = goal;
            EXPECT_TRUE(spinUntil(
                [&] {
                    icon = desktop.waitForIcon();
                    return inkHeight(probe, icon, panel, 0.5) >= minimumInk;
                },
                3000))
                << "digits " << inkHeight(probe, icon, panel, 0.5) << " px tall in a "
                << icon.width() << "x" << icon.height() << " slot";
            app.terminate();
            app.waitForFinished(5000);
            tray.kill();
            tray.waitForFinished();
        }
    }
}

// A panel restarted at another height and colour embeds the icon again:
// it takes the new slot's size and the new panel's ink, as at a start.
TEST(TorvelbarTray, AnXEmbedTrayRestartedElsewhereGetsTheIconAtItsNewSizeAndInk) {
    if (toolsMissing()) {
        return;
    }
    test::XvfbServer x(1, {}, QStringLiteral("640x200x24"));
    ASSERT_TRUE(x.running());
    Desktop desktop(x);
    QProcess tray;
    ASSERT_TRUE(desktop.startTray(tray, 22, false));
    QProcess app;
    desktop.start(app, QStringLiteral(TORVELBAR_EXECUTABLE), {});
    ASSERT_TRUE(desktop.waitForIcon().isValid());
    test::spinFor(2000); // past the looks that follow the first embedding
    tray.kill();
    tray.waitForFinished();
    ASSERT_TRUE(desktop.startTray(tray, 48, true));
    test::RandrProbe probe(x.display());
    const QColor panel = colorOf(probe.pixels(110, 24, 1, 1).at(0));
    QRect icon;
    EXPECT_TRUE(spinUntil(
        [&] {
            icon = desktop.waitForIcon();
            return icon.height() >= 40 && icon.width() >= icon.height() &&
                   inkHeight(probe, icon, panel, 0.5) >= 16;
        },
        5000))
        << "digits " << inkHeight(probe, icon, panel, 0.5) << " px tall in a " << icon.width()
        << "x" << icon.height() << " slot";
    app.terminate();
    app.waitForFinished(5000);
    tray.kill();
    tray.waitForFinished();
}

// A wheel notch over Qt's XEmbed icon moves the colour showing by 100 K.
TEST(TorvelbarTray, TheWheelOverAnXEmbedIconWarmsOrCoolsTheScreens) {
    if (toolsMissing()) {
        return;
    }
    test::XvfbServer x(1, {}, QStringLiteral("640x200x24"));
    ASSERT_TRUE(x.running());
    Desktop desktop(x);
    QProcess tray;
    ASSERT_TRUE(desktop.startTray(tray, 24, false));
    QProcess app;
    desktop.start(app, QStringLiteral(TORVELBAR_EXECUTABLE), {});
    const QRect icon = desktop.waitForIcon();
    ASSERT_TRUE(icon.isValid());
    test::spinFor(500); // its window is watched once the tray has embedded it
    desktop.run(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QString::number(icon.center().x()),
                 QString::number(icon.center().y()), QStringLiteral("click"),
                 QStringLiteral("--repeat"), QStringLiteral("3"), QStringLiteral("5")});
    EXPECT_TRUE(
        spinUntil([&] { return settingsText(desktop).contains("dayKelvin\\\":6200"); }, 3000))
        << settingsText(desktop).toStdString();
    app.terminate();
    app.waitForFinished(5000);
    tray.kill();
    tray.waitForFinished();
}

TEST(TorvelbarTray, AWatcherThatComesLateGetsTheItemWithItsTitleTooltipIconsAndMenu) {
    if (toolsMissing()) {
        return;
    }
    test::XvfbServer x;
    test::PrivateBus bus;
    ASSERT_TRUE(x.running() && bus.running());
    Desktop desktop(x, bus.address());
    QProcess app;
    desktop.start(app, QStringLiteral(TORVELBAR_EXECUTABLE), {});
    ASSERT_TRUE(app.waitForStarted());
    test::spinFor(3000); // the panel starts after the app, as at login

    test::StatusNotifierHost host(bus.connect(QStringLiteral("host")));
    ASSERT_TRUE(host.start());
    ASSERT_TRUE(spinUntil([&] { return !host.items().isEmpty(); }, 3000))
        << "the item registers once the watcher is there";
    const QString item = host.items().front();
    const QVariantMap p = host.itemProperties(item);
    EXPECT_EQ(p.value(QStringLiteral("Title")).toString(), QStringLiteral("TorvelBar"));
    EXPECT_EQ(p.value(QStringLiteral("Id")).toString(), QStringLiteral("torvelbar"));
    EXPECT_EQ(p.value(QStringLiteral("Category")).toString(), QStringLiteral("ApplicationStatus"));
    EXPECT_EQ(host.iconSizes(item), (QStringList{QStringLiteral("16x16"), QStringLiteral("22x22"),
                                                 QStringLiteral("24x24"), QStringLiteral("32x32"),
                                                 QStringLiteral("48x48")}));
    const auto [title, text] = host.toolTip(item);
    EXPECT_EQ(title, QStringLiteral("TorvelBar"));
    EXPECT_TRUE(text.endsWith(QStringLiteral(" K"))) << text.toStdString();
    {
        // An inhibition's reason, and in the tooltip the program that asked.
        QDBusConnection player = bus.connect(QStringLiteral("player"));
        QDBusMessage inhibit = QDBusMessage::createMethodCall(
            QStringLiteral("org.torvelbar.TorvelBar"), QStringLiteral("/org/torvelbar/TorvelBar"),
            QStringLiteral("org.torvelbar.TorvelBar1"), QStringLiteral("Inhibit"));
        inhibit << QStringLiteral("Watching a film");
        ASSERT_EQ(player.call(inhibit).type(), QDBusMessage::ReplyMessage);
        QFile comm(QStringLiteral("/proc/self/comm"));
        ASSERT_TRUE(comm.open(QIODevice::ReadOnly));
        const QString me = QString::fromUtf8(comm.readAll()).trimmed();
        const QString wanted = QStringLiteral("Paused: Watching a film (asked by %1)").arg(me);
        EXPECT_TRUE(spinUntil([&] { return host.toolTip(item).second == wanted; }, 3000))
            << host.toolTip(item).second.toStdString();
        QDBusConnection::disconnectFromBus(QStringLiteral("player"));
    }

    const auto menu = host.menu(item);
    QStringList labels;
    for (const auto& entry : menu) {
        labels << entry.second;
    }
    EXPECT_EQ(labels,
              (QStringList{
                  QStringLiteral("Open TorvelBar"), QStringLiteral("-"), QStringLiteral("Schedule"),
                  QStringLiteral("Manual"), QStringLiteral("Off"), QStringLiteral("-"),
                  QStringLiteral("Pause for 1 hour"), QStringLiteral("Pause until morning"),
                  QStringLiteral("Pause while fullscreen"), QStringLiteral("-"),
                  QStringLiteral("Open at login"), QStringLiteral("-"), QStringLiteral("Quit")}));
    // The wheel: a notch down warms the colour showing (the day's, at noon).
    host.scroll(item, -120, QStringLiteral("vertical"));
    host.scroll(item, 120, QStringLiteral("horizontal"));
    EXPECT_TRUE(
        spinUntil([&] { return settingsText(desktop).contains("dayKelvin\\\":6400"); }, 3000))
        << settingsText(desktop).toStdString();

    ASSERT_FALSE(menu.empty());
    host.clickMenu(item, menu.back().first);
    EXPECT_TRUE(app.waitForFinished(5000)) << "Quit from the host's menu ends the app";
    EXPECT_EQ(app.exitCode(), 0);
}

// libdbusmenu-glib, the library Xfce's and waybar's trays read menus with:
// it sees the entries with their kinds and states, and a click it sends
// (EventGroup, nothing else) pauses and brings a Resume entry.
TEST(TorvelbarTray, LibdbusmenuReadsTheMenuAndItsClickPauses) {
    if (toolsMissing() || test::toolsMissing({"/usr/bin/python3"})) {
        return;
    }
    test::XvfbServer x;
    test::PrivateBus bus;
    ASSERT_TRUE(x.running() && bus.running());
    Desktop desktop(x, bus.address());
    test::StatusNotifierHost host(bus.connect(QStringLiteral("host")));
    ASSERT_TRUE(host.start());
    QProcess app;
    desktop.start(app, QStringLiteral(TORVELBAR_EXECUTABLE), {});
    ASSERT_TRUE(spinUntil([&] { return !host.items().isEmpty(); }, 10000));
    const QString out = desktop.run(QStringLiteral("/usr/bin/python3"),
                                    {QStringLiteral(TORVEL_DBUSMENU_CLIENT), host.items().front(),
                                     host.itemProperties(host.items().front())
                                         .value(QStringLiteral("Menu"))
                                         .value<QDBusObjectPath>()
                                         .path(),
                                     QStringLiteral("Pause for 1 hour")});
    for (const char* line :
         {"direction=ltr status=normal\nOpen TorvelBar type=standard toggle=:0 enabled=true\n"
          "- type=separator",
          "Schedule type=standard toggle=radio:1 enabled=true",
          "Manual type=standard toggle=radio:0 enabled=true",
          "Open at login type=standard toggle=checkmark:", "clicked Pause for 1 hour\nafter",
          "Resume type=standard toggle=:0 enabled=true"}) {
        EXPECT_TRUE(out.contains(QString::fromUtf8(line))) << line << "\n" << out.toStdString();
    }
    EXPECT_TRUE(desktop.run(QStringLiteral(TORVELBAR_EXECUTABLE), {QStringLiteral("status")})
                    .startsWith(QStringLiteral("Paused until")));
    app.terminate();
    app.waitForFinished(5000);
}

} // namespace
} // namespace torvel
