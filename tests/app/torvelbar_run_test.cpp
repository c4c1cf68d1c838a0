// The built torvelbar on a real X server with a real tray host: it tints,
// shows its icon, opens a 300-wide popover on a click, lets a second start
// hand over to it, and gives the ramps back on SIGTERM.
#include "app/popover_window.h"
#include "color/channel_gains.h"
#include "fakes/app_rig.h"
#include "platform/x11/randr_probe.h"
#include "platform/x11/screen_selections.h"
#include "support/child_process.h"
#include "support/event_loop.h"
#include "support/temp_dir.h"
#include "support/widget_part.h"
#include "support/xvfb_server.h"
#include "ui/color_row.h"
#include "ui/flat_segmented.h"
#include "ui/flat_slider.h"
#include "ui/popover_view.h"
#include "x11_desktop.h"

#include <csignal>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>

namespace torvel {
namespace {

using test::Desktop;
using test::spinUntil;

TEST(TorvelbarRun, TintsShowsTheTrayAndPopoverAndRestoresOnSigterm) {
    if (!test::XvfbServer::available()) {
        GTEST_SKIP() << "Xvfb is not installed";
    }
    for (const char* tool : {"trayer", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            GTEST_SKIP() << tool << " is not installed";
        }
    }
    test::XvfbServer x;
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    Desktop desktop(x);
    test::RandrProbe probe(x.display());
    const auto crtcs = probe.activeCrtcs();
    ASSERT_FALSE(crtcs.empty());
    const std::uint32_t crtc = crtcs.front();
    const std::size_t size = probe.ramps(crtc).red.size();
    const test::Ramps calibration = test::RandrProbe::curve(size, 0.8, 0.9, 1.1);
    probe.setRamps(crtc, calibration);

    QProcess tray;
    ASSERT_TRUE(desktop.startTray(tray));

    QProcess app;
    desktop.start(app, QStringLiteral(TORVELBAR_EXECUTABLE), {});
    ASSERT_TRUE(app.waitForStarted());
    EXPECT_TRUE(spinUntil([&] { return !(probe.ramps(crtc) == calibration); }, 5000))
        << "the screens are tinted";

    const QRect icon = desktop.waitForIcon();
    ASSERT_TRUE(icon.isValid()) << "the tray icon is embedded";
    EXPECT_LE(icon.width(), 32);
    // Only the X11 host was loaded: none of the Wayland hosts' libraries.
    // (GLib itself is Qt Core's, mapped by every Qt program.)
    for (const char* library : {"libgio-2.0", "libgobject-2.0", "libmount", "libwayland-client",
                                "torvelbar-host-wayland"}) {
        EXPECT_FALSE(test::mapsLibrary(app.processId(), library)) << library;
    }
    EXPECT_TRUE(test::mapsLibrary(app.processId(), "torvelbar-host-x11"));
    desktop.click(icon.center());
    EXPECT_TRUE(desktop.waitForPopover().isValid()) << "a click opens the 300-wide popover";
    desktop.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Escape")});

    // A second start hands over to the running one and leaves.
    QProcess second;
    desktop.start(second, QStringLiteral(TORVELBAR_EXECUTABLE), {});
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(app.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(app.processId()), SIGTERM);
    ASSERT_TRUE(app.waitForFinished(5000));
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(app.exitCode(), 0);
    const test::Ramps after = probe.ramps(crtc);
    ASSERT_EQ(after.red.size(), calibration.red.size());
    for (std::size_t i = 0; i < after.red.size(); ++i) {
        ASSERT_NEAR(after.red[i], calibration.red[i], 1) << i;
        ASSERT_NEAR(after.blue[i], calibration.blue[i], 1) << i;
    }
    tray.kill();
    tray.waitForFinished();
}

// Where the night slider and Quit sit in a popover with the default
// schedule, from the same view laid out offscreen with the same fonts.
struct PopoverLayout {
    QRect nightSlider;
    QPoint quit;
    QPoint schedulePicker; // the picker's Schedule segment
    QPoint manualPicker;
};

PopoverLayout popoverLayout() {
    test::AppRig r;
    PopoverView view(r.settings, r.coordinator, r.loginItem);
    view.show();
    QCoreApplication::processEvents();
    view.adjustSize();
    QCoreApplication::processEvents();
    const FlatSlider& night = test::part<ColorRow>(view, "night")->slider();
    const QWidget& mode = *test::part<QWidget>(view, "mode");
    const QRect picker(mode.mapTo(&view, QPoint(0, 0)), mode.size());
    return {QRect(night.mapTo(&view, QPoint(0, 0)), night.size()),
            test::part<QWidget>(view, "quit")->geometry().center(),
            QPoint(picker.left() + picker.width() / 6, picker.center().y()),
            QPoint(picker.center())};
}

// The blue ramp's top at `kelvin`: the display's own curve (none: a
// straight one) read at the gain.
std::uint16_t expectedBlueTop(std::int64_t kelvin, const std::vector<std::uint16_t>& own = {}) {
    if (own.size() < 2) {
        return static_cast<std::uint16_t>(std::lround(ChannelGains(kelvin).blue * 65535));
    }
    const double pos = ChannelGains(kelvin).blue * static_cast<double>(own.size() - 1);
    const auto i = std::min(static_cast<std::size_t>(pos), own.size() - 2);
    return static_cast<std::uint16_t>(
        std::lround(own[i] + (own[i + 1] - own[i]) * (pos - static_cast<double>(i))));
}

TEST(TorvelbarRun, NightSliderDragTintsLiveAndQuitRestores) {
    if (!test::XvfbServer::available()) {
        GTEST_SKIP() << "Xvfb is not installed";
    }
    for (const char* tool : {"trayer", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            GTEST_SKIP() << tool << " is not installed";
        }
    }
    const PopoverLayout layout = popoverLayout();
    test::XvfbServer x;
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    Desktop desktop(x);
    test::RandrProbe probe(x.display());
    const std::uint32_t crtc = probe.activeCrtcs().front();
    const test::Ramps original =
        test::RandrProbe::curve(probe.ramps(crtc).red.size(), 0.9, 1.0, 1.2);
    probe.setRamps(crtc, original);

    QProcess tray;
    ASSERT_TRUE(desktop.startTray(tray));
    QProcess app;
    desktop.start(app, QStringLiteral(TORVELBAR_EXECUTABLE), {});
    ASSERT_TRUE(app.waitForStarted());
    const QRect icon = desktop.waitForIcon();
    ASSERT_TRUE(icon.isValid());
    auto xdo = [&](QStringList args) { desktop.run(QStringLiteral("xdotool"), args); };
    desktop.click(icon.center());
    const QRect popover = desktop.waitForPopover();
    ASSERT_TRUE(popover.isValid());

    // Hold the night slider's knob and drag it right: the screens show the
    // night colour as it is being set, whatever the time of day.
    const QRect slider = layout.nightSlider.translated(popover.topLeft());
    const int y = slider.center().y();
    const SliderGeometry geometry{1000, 6500, 50, static_cast<double>(slider.width())};
    xdo({QStringLiteral("mousemove"), QString::number(slider.left() + 8), QString::number(y),
         QStringLiteral("mousedown"), QStringLiteral("1")});
    for (const int dx : {60, 120}) {
        xdo({QStringLiteral("mousemove"), QString::number(slider.left() + dx), QString::number(y)});
        const auto kelvin = static_cast<std::int64_t>(geometry.valueAt(dx));
        EXPECT_TRUE(spinUntil(
            [&] {
                const auto ramps = probe.ramps(crtc);
                return std::abs(int(ramps.blue.back()) -
                                int(expectedBlueTop(kelvin, original.blue))) <= 2;
            },
            3000))
            << "the ramps follow the slider to " << kelvin << " K";
    }
    const auto held = probe.ramps(crtc);
    xdo({QStringLiteral("mouseup"), QStringLiteral("1")});
    EXPECT_TRUE(spinUntil([&] { return !(probe.ramps(crtc) == held); }, 3000))
        << "released: back to the scheduled colour";

    // A drag cut short by closing the popover: hold, Escape, release. The
    // next drag after reopening previews again.
    const auto followsSliderTo = [&](int dx) {
        const auto kelvin = static_cast<std::int64_t>(geometry.valueAt(dx));
        return spinUntil(
            [&] {
                return std::abs(int(probe.ramps(crtc).blue.back()) -
                                int(expectedBlueTop(kelvin, original.blue))) <= 2;
            },
            3000);
    };
    xdo({QStringLiteral("mousemove"), QString::number(slider.left() + 60), QString::number(y),
         QStringLiteral("mousedown"), QStringLiteral("1")});
    EXPECT_TRUE(followsSliderTo(60));
    xdo({QStringLiteral("key"), QStringLiteral("Escape")});
    xdo({QStringLiteral("mouseup"), QStringLiteral("1")});
    ASSERT_TRUE(spinUntil(
        [&] { return desktop.windows(QStringLiteral("torvelbar"), true).size() == 1; }, 3000))
        << "only the tray icon is left";
    test::spinFor(400); // past the moment in which a click would only close it
    desktop.click(icon.center());
    ASSERT_TRUE(desktop.waitForPopover().isValid());
    xdo({QStringLiteral("mousemove"), QString::number(slider.left() + 150), QString::number(y),
         QStringLiteral("mousedown"), QStringLiteral("1")});
    xdo({QStringLiteral("mousemove"), QString::number(slider.left() + 180), QString::number(y)});
    EXPECT_TRUE(followsSliderTo(180)) << "the second drag previews the night colour";
    xdo({QStringLiteral("mouseup"), QStringLiteral("1")});

    desktop.click(layout.quit + popover.topLeft());
    ASSERT_TRUE(app.waitForFinished(5000)) << "Quit ends the app";
    EXPECT_EQ(app.exitCode(), 0);
    const test::Ramps after = probe.ramps(crtc);
    for (std::size_t i = 0; i < after.blue.size(); ++i) {
        ASSERT_NEAR(after.blue[i], original.blue[i], 1) << i;
    }
    tray.kill();
    tray.waitForFinished();
}

TEST(TorvelbarRun, StartUpErrorsAreShortAndNonZero) {
    QProcess p;
    auto env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TORVELBAR_EXECUTABLE), {});
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_NE(p.exitCode(), 0);
    EXPECT_EQ(p.readAllStandardError().trimmed(),
              "torvelbar: no display to tint (neither WAYLAND_DISPLAY nor DISPLAY is set)");

    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":999"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TORVELBAR_EXECUTABLE), {});
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_NE(p.exitCode(), 0);
    EXPECT_TRUE(p.readAllStandardError().startsWith("torvelbar: "));

    p.start(QStringLiteral(TORVELBAR_EXECUTABLE), {QStringLiteral("--version")});
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(p.readAllStandardOutput().startsWith("torvelbar "));

    // A program without its host modules says which one it misses.
    test::TempDir alone;
    const QString copy = alone.file(QStringLiteral("torvelbar"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TORVELBAR_EXECUTABLE), copy));
    p.start(copy, {});
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_EQ(p.exitCode(), 1);
    const QByteArray missing = p.readAllStandardError().trimmed();
    EXPECT_TRUE(missing.startsWith("torvelbar: the x11 host's module cannot be loaded: "))
        << missing.toStdString();
    EXPECT_EQ(missing.count('\n'), 0);
}

// Starts torvelbar on `desktop`, whose tray runs, and clicks its icon once
// it is embedded; the icon's rectangle, empty when it never shows up.
QRect startAndClickIcon(Desktop& desktop, QProcess& app) {
    desktop.start(app, QStringLiteral(TORVELBAR_EXECUTABLE), {});
    const QRect icon = desktop.waitForIcon();
    if (icon.isValid()) {
        desktop.click(icon.center());
    }
    return icon;
}

bool startInTheOffMode(const Desktop& desktop) {
    QDir().mkpath(desktop.configDir() + QStringLiteral("/torvelbar"));
    QFile settings(desktop.configDir() + QStringLiteral("/torvelbar/torvelbar.conf"));
    return settings.open(QIODevice::WriteOnly) &&
           settings.write("[General]\nmode=@ByteArray(\\\"off\\\")\nloginItemConfigured=true\n") >
               0;
}

TEST(TorvelbarRun, OnAShortScreenEveryControlStaysReachable) {
    // Scale 2 on 1280x720: 360 logical pixels for a popover of about 540.
    test::XvfbServer x(1, {}, QStringLiteral("1280x720x24"));
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    Desktop desktop(x);
    desktop.environment().insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    QProcess tray;
    ASSERT_TRUE(desktop.startTray(tray));
    QProcess app;
    const QRect icon = startAndClickIcon(desktop, app);
    ASSERT_TRUE(icon.isValid());
    QRect popover;
    ASSERT_TRUE(spinUntil(
        [&] {
            for (const auto& w : desktop.windows(QStringLiteral("torvelbar"), true)) {
                if (w.second.height() > 200) {
                    popover = w.second;
                }
            }
            return popover.isValid();
        },
        5000));
    // The schedule (the default mode) is taller than the screen: the window
    // keeps to the screen and its content scrolls.
    EXPECT_GT(popover.top(), icon.bottom()) << "under the panel, not over it";
    EXPECT_TRUE(QRect(0, 0, 1280, 720).contains(popover)) << "wholly on the screen";
    EXPECT_GE(popover.height(), 560) << "it uses the room there is";
    if (const QString shots = qEnvironmentVariable("TORVEL_SHOTS"); !shots.isEmpty()) {
        desktop.run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                               shots + QStringLiteral("/short-screen.png")});
    }
    test::stopProcesses({&app, &tray});
}

TEST(TorvelbarRun, FromABottomPanelTheGrowingPopoverStaysOnScreen) {
    test::XvfbServer x(1, {}, QStringLiteral("1280x800x24"));
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    Desktop desktop(x);
    ASSERT_TRUE(startInTheOffMode(desktop));
    QProcess tray;
    ASSERT_TRUE(desktop.startTray(tray, 24, false, /*bottom=*/true));
    QProcess app;
    const QRect icon = startAndClickIcon(desktop, app);
    ASSERT_TRUE(icon.isValid());
    QRect small = desktop.waitForPopover();
    ASSERT_TRUE(small.isValid());
    EXPECT_LT(small.bottom(), icon.top()) << "above the icon";

    // Schedule, from the picker: the window grows upward, against the icon.
    const PopoverLayout layout = popoverLayout();
    desktop.click(small.topLeft() + layout.schedulePicker);
    QRect grown;
    ASSERT_TRUE(spinUntil(
        [&] {
            grown = desktop.waitForPopover();
            return grown.height() > small.height() + 100;
        },
        5000));
    EXPECT_EQ(grown.bottom(), small.bottom());
    EXPECT_GE(grown.top(), 0);
    test::stopProcesses({&app, &tray});
}

// Keyboard only after a mode change: Tab from the picker reaches the new
// section first, and Home on its slider sets the colour the screens show.
TEST(TorvelbarRun, AfterAModeChangeTabGoesIntoTheNewSection) {
    test::XvfbServer x;
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    Desktop desktop(x);
    ASSERT_TRUE(startInTheOffMode(desktop));
    test::RandrProbe probe(x.display());
    const std::uint32_t crtc = probe.activeCrtcs().front();
    QProcess tray;
    ASSERT_TRUE(desktop.startTray(tray));
    QProcess app;
    const QRect icon = startAndClickIcon(desktop, app);
    ASSERT_TRUE(icon.isValid());
    const QRect popover = desktop.waitForPopover();
    ASSERT_TRUE(popover.isValid());

    desktop.click(popover.topLeft() + popoverLayout().manualPicker);
    ASSERT_TRUE(
        spinUntil([&] { return desktop.waitForPopover().height() > popover.height(); }, 5000))
        << "the manual section is shown";
    desktop.run(QStringLiteral("xdotool"),
                {QStringLiteral("key"), QStringLiteral("Tab"), QStringLiteral("Home")});
    EXPECT_TRUE(spinUntil(
        [&] {
            return std::abs(int(probe.ramps(crtc).blue.back()) - int(expectedBlueTop(1000))) <= 2;
        },
        3000))
        << "Tab reached the colour slider, not the footer";
    test::stopProcesses({&app, &tray});
}

// With a compositing manager the popover has rounded corners over a shadow
// on the sides away from the icon, and a click on that shadow closes it.
TEST(TorvelbarRun, OnACompositedDesktopThePopoverIsRoundedWithAShadow) {
    if (QStandardPaths::findExecutable(QStringLiteral("xcompmgr")).isEmpty()) {
        GTEST_SKIP() << "xcompmgr is not installed";
    }
    test::XvfbServer x;
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    Desktop desktop(x);
    QProcess compositor;
    desktop.start(compositor, QStringLiteral("xcompmgr"), {});
    ASSERT_TRUE(spinUntil([&] { return isCompositingManagerRunning(x.display()); }, 5000));
    test::RandrProbe probe(x.display());
    QProcess tray;
    ASSERT_TRUE(desktop.startTray(tray));
    QProcess app;
    const QRect icon = startAndClickIcon(desktop, app);
    ASSERT_TRUE(icon.isValid());
    const int shadow = PopoverWindow::shadowWidth;
    const QRect window = desktop.waitForPopover(300 + 2 * shadow);
    ASSERT_TRUE(window.isValid());
    EXPECT_EQ(window.top(), icon.bottom() + 4) << "no shadow between the icon and the popover";
    const QRect panel = window.adjusted(shadow, 0, -shadow, -shadow);
    const auto grey = [&](QPoint p) {
        const auto px = probe.pixels(p.x(), p.y(), 1, 1);
        return px.empty() ? -1 : qGray(QRgb(px.front()));
    };
    // Let the compositor draw the newly mapped window.
    const QPoint inside(panel.center().x(), panel.bottom() - 3);
    ASSERT_TRUE(spinUntil([&] { return grey(inside) > 200; }, 3000)) << grey(inside);
    const QPoint desk(panel.center().x(), window.bottom() + 30);
    const int desktopGrey = grey(desk);
    EXPECT_LT(grey(panel.bottomLeft()), grey(inside) - 40) << "the corner is cut round";
    EXPECT_LT(grey(QPoint(panel.center().x(), panel.bottom() + 2)), desktopGrey - 8)
        << "a shadow under the popover";
    EXPECT_EQ(grey(QPoint(panel.center().x(), window.bottom() + 1)), desktopGrey)
        << "and none past the window";

    desktop.click(QPoint(panel.center().x(), panel.bottom() + 6));
    EXPECT_TRUE(spinUntil(
        [&] { return desktop.windows(QStringLiteral("torvelbar"), true).size() == 1; }, 3000))
        << "a click on the shadow closes the popover";
    test::stopProcesses({&app, &tray});
    compositor.kill();
    compositor.waitForFinished();
}

} // namespace
} // namespace torvel
