// The tray menu on Xfce's own panel: its systray shows our item through
// libdbusmenu, and a choice there reaches the app.
#include "support/event_loop.h"
#include "support/private_bus.h"
#include "support/temp_dir.h"
#include "support/xvfb_server.h"
#include "x11_desktop.h"

#include <gtest/gtest.h>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>

namespace torvel {
namespace {

using test::spinUntil;

// One panel along the top, 28 high, holding the systray alone.
const char* const panelChannel = R"(<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="28"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
)";

TEST(TorvelbarXfce, PauseForAnHourFromTheSystraysMenuPauses) {
    if (test::toolsMissing({"Xvfb", "xdotool", "dbus-daemon", "xfce4-panel"})) {
        return;
    }
    test::XvfbServer x(1, {}, QStringLiteral("1280x720x24"));
    test::TempDir panelConfig;
    const QString channels =
        panelConfig.path() + QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml");
    ASSERT_TRUE(QDir().mkpath(channels));
    QFile channel(channels + QStringLiteral("/xfce4-panel.xml"));
    ASSERT_TRUE(channel.open(QIODevice::WriteOnly) && channel.write(panelChannel) > 0);
    channel.close();
    // Xfce's settings service, started by the bus, reads the panel's layout.
    QProcessEnvironment busEnvironment = QProcessEnvironment::systemEnvironment();
    busEnvironment.insert(QStringLiteral("XDG_CONFIG_HOME"), panelConfig.path());
    busEnvironment.insert(QStringLiteral("DISPLAY"), x.display());
    test::PrivateBus bus(busEnvironment);
    ASSERT_TRUE(x.running() && bus.running());
    test::Desktop desktop(x, bus.address());
    QDBusConnection client = bus.connect(QStringLiteral("xfce-test"));

    // The panel first, as at login, so the app finds its watcher.
    QProcess panel;
    desktop.start(panel, QStringLiteral("xfce4-panel"), {QStringLiteral("--disable-wm-check")});
    ASSERT_TRUE(spinUntil(
        [&] {
            return client.interface()->isServiceRegistered(
                QStringLiteral("org.kde.StatusNotifierWatcher"));
        },
        15000))
        << panel.readAllStandardError().toStdString();
    QProcess app;
    desktop.start(app, QStringLiteral(TORVELBAR_EXECUTABLE), {});
    ASSERT_TRUE(spinUntil(
        [&] {
            return client.interface()->isServiceRegistered(
                QStringLiteral("org.torvelbar.TorvelBar"));
        },
        10000));
    const auto status = [&] {
        return desktop.run(QStringLiteral(TORVELBAR_EXECUTABLE), {QStringLiteral("status")});
    };

    // Our item is the systray's first, at the panel's left end. Its menu is
    // a window of the plugin's process; once it is there, the keys choose.
    const auto menus = [&] { return desktop.windows(QStringLiteral("wrapper-2.0"), true).size(); };
    ASSERT_TRUE(spinUntil([&] { return menus() > 0; }, 10000)) << "the systray plugin shows";
    test::spinFor(1000); // the item is drawn once the plugin has read it
    const auto before = menus();
    EXPECT_TRUE(spinUntil(
        [&] {
            desktop.run(QStringLiteral("xdotool"),
                        {QStringLiteral("mousemove"), QStringLiteral("14"), QStringLiteral("14"),
                         QStringLiteral("click"), QStringLiteral("3")});
            return spinUntil([&] { return menus() > before; }, 1500);
        },
        9000))
        << "a right click opens the menu";
    // Open TorvelBar, Schedule, Manual, Off, then Pause for 1 hour.
    desktop.run(QStringLiteral("xdotool"),
                {QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Down"),
                 QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"),
                 QStringLiteral("Return")});
    EXPECT_TRUE(
        spinUntil([&] { return status().startsWith(QStringLiteral("Paused until")); }, 5000))
        << status().toStdString();
    app.terminate();
    app.waitForFinished(5000);
    panel.terminate();
    panel.waitForFinished(5000);
}

} // namespace
} // namespace torvel
