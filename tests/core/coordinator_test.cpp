#include "core/coordinator.h"
#include "core/front_window_rule.h"
#include "fakes/in_memory_display_layer.h"
#include "fakes/manual_location_service.h"
#include "fakes/manual_main_queue.h"
#include "fakes/manual_system_events.h"
#include "fakes/manual_window_watcher.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTimeZone>

namespace torvel {
namespace {

using namespace std::chrono_literals;

// The tests run with TZ=UTC, so a UTC moment is also the local one.
QDateTime at(int hour, int minute, int second = 0) {
    return QDateTime(QDate(2026, 12, 7), QTime(hour, minute, second), QTimeZone::utc());
}

struct Rig {
    test::TempDir dir;
    Preferences prefs{dir.file(QStringLiteral("torvelbar.conf"))};
    SettingsStore settings{prefs};
    InMemoryDisplayLayer display{{1, 2}};
    ManualMainQueue queue;
    GammaService gamma{display, queue};
    ManualSystemEvents events;
    QDateTime clock = at(12, 0);
    Coordinator coordinator{settings, gamma, queue, events, [this] { return clock; }};

    // Records the order of the coordinator's fields as the notices see them.
    int notices = 0;
    Subscription watch = coordinator.objectWillChange().subscribe([this] { ++notices; });
};

TEST(Coordinator, InitialValuesBeforeStart) {
    Rig r;
    EXPECT_EQ(r.coordinator.kelvin(), 6500);
    EXPECT_EQ(r.coordinator.phase(), std::nullopt);
    EXPECT_EQ(r.coordinator.preview(), std::nullopt);
    EXPECT_EQ(r.coordinator.now(), at(12, 0));
    EXPECT_EQ(r.display.tableWrites, 0);
    EXPECT_EQ(r.queue.activeTimers(), 0);
    EXPECT_EQ(r.events.observerCount(SystemNotice::machineWoke), 0u);
}

TEST(Coordinator, StartUpdatesAtOnceAndConnectsEveryTrigger) {
    Rig r;
    r.clock = at(23, 0);
    r.coordinator.start();
    EXPECT_EQ(r.coordinator.phase(), Phase::windDown);
    EXPECT_EQ(r.gamma.kelvin(), r.coordinator.kelvin());
    EXPECT_EQ(r.display.tableWrites, 2);
    EXPECT_EQ(r.notices, 3) << "now, phase, kelvin";
    EXPECT_EQ(r.queue.activeTimers(), 1);
    EXPECT_EQ(r.queue.lastTolerance, 5s);
    for (auto notice :
         {SystemNotice::machineWoke, SystemNotice::clockSet, SystemNotice::timeZoneChanged}) {
        EXPECT_EQ(r.events.observerCount(notice), 1u);
    }
}

TEST(Coordinator, TickAndSystemNoticesReEvaluateWithTheNewTime) {
    Rig r;
    r.coordinator.start();
    EXPECT_EQ(r.coordinator.phase(), Phase::day);

    r.clock = at(23, 40); // past the default bedtime
    r.queue.advance(29s);
    EXPECT_EQ(r.coordinator.phase(), Phase::day) << "the tick never comes early";
    r.queue.advance(1s);
    EXPECT_EQ(r.coordinator.phase(), Phase::night);
    EXPECT_EQ(r.coordinator.now(), at(23, 40));

    r.clock = at(12, 0);
    r.events.send(SystemNotice::clockSet);
    EXPECT_EQ(r.coordinator.phase(), Phase::day);
    r.clock = at(3, 0);
    r.events.send(SystemNotice::machineWoke);
    EXPECT_EQ(r.coordinator.phase(), Phase::night);
    r.clock = at(7, 15);
    r.events.send(SystemNotice::timeZoneChanged);
    EXPECT_EQ(r.coordinator.phase(), Phase::morning);
}

// A steady colour costs the displays nothing between rewrites; a change,
// a wake or a settings change is written at once.
TEST(Coordinator, ASteadyColourIsWrittenAgainEveryTenthTickAndAChangeAtOnce) {
    Rig r;
    r.coordinator.start();
    const int started = r.display.tableWrites;
    r.queue.advance(9 * 30s);
    EXPECT_EQ(r.display.tableWrites, started) << "nine ticks of one colour";
    EXPECT_EQ(r.coordinator.now(), at(12, 0)) << "still decided at every tick";
    r.queue.advance(30s);
    const int rewritten = r.display.tableWrites;
    EXPECT_GT(rewritten, started) << "the tenth writes it again";

    r.events.send(SystemNotice::machineWoke);
    EXPECT_GT(r.display.tableWrites, rewritten) << "a wake writes at once";
    const int woke = r.display.tableWrites;
    r.settings.setManualKelvin(3000);
    r.queue.runPosted();
    EXPECT_GT(r.display.tableWrites, woke) << "so does a settings change, unchanged colour or not";
    const int set = r.display.tableWrites;
    r.clock = at(23, 40);
    r.queue.advance(30s);
    EXPECT_GT(r.display.tableWrites, set) << "a tick that changes the colour writes it";
}

TEST(Coordinator, OffRestoresOnceAndKeepsPublishing) {
    Rig r;
    r.coordinator.start();
    r.settings.setMode(TorvelMode::off);
    EXPECT_EQ(r.display.restores, 0) << "the change reaches the displays on the next turn";
    r.queue.runPosted();
    EXPECT_EQ(r.display.restores, 1);
    EXPECT_EQ(r.coordinator.kelvin(), 6500);
    EXPECT_EQ(r.coordinator.phase(), std::nullopt);
    const int writes = r.display.tableWrites;
    r.notices = 0;
    r.queue.advance(60s);
    EXPECT_EQ(r.display.restores, 1);
    EXPECT_EQ(r.display.tableWrites, writes);
    EXPECT_EQ(r.notices, 6) << "two ticks, three notices each";
}

TEST(Coordinator, SettingsChangeIsReadOnTheNextTurnOnePerChange) {
    Rig r;
    r.coordinator.start();
    const int writes = r.display.tableWrites;
    r.settings.setMode(TorvelMode::manual);
    r.settings.setManualKelvin(800);
    EXPECT_EQ(r.display.tableWrites, writes);
    EXPECT_EQ(r.queue.runPosted(), 2) << "two changes, two updates, not merged";
    EXPECT_EQ(r.coordinator.kelvin(), 800) << "published unclamped";
    EXPECT_EQ(r.gamma.kelvin(), 1000) << "applied clamped";
    EXPECT_EQ(r.display.tableWrites, writes + 4);

    r.settings.setManualKelvin(9000);
    r.queue.runPosted();
    EXPECT_EQ(r.coordinator.kelvin(), 9000);
    EXPECT_EQ(r.gamma.kelvin(), 6500);
}

TEST(Coordinator, PreviewRunsSynchronouslyAndOnlyMattersInAuto) {
    Rig r;
    r.clock = at(22, 0);
    r.coordinator.start();
    EXPECT_EQ(r.coordinator.kelvin(), 3815);

    r.coordinator.setPreview(Preview::day);
    EXPECT_EQ(r.coordinator.phase(), Phase::windDown);
    EXPECT_EQ(r.coordinator.kelvin(), 6500);
    EXPECT_EQ(r.gamma.kelvin(), 6500);

    r.coordinator.setPreview(Preview::night);
    EXPECT_EQ(r.gamma.kelvin(), 2700);
    // Dragging the night slider: each step reaches the displays.
    LightSchedule s = r.settings.schedule();
    s.nightKelvin = 2000;
    r.settings.setSchedule(s);
    r.queue.runPosted();
    EXPECT_EQ(r.gamma.kelvin(), 2000);

    r.coordinator.setPreview(std::nullopt);
    EXPECT_EQ(r.coordinator.phase(), Phase::windDown);
    EXPECT_LT(r.coordinator.kelvin(), 6500);
    EXPECT_GT(r.coordinator.kelvin(), 2000);

    r.settings.setMode(TorvelMode::manual);
    r.settings.setManualKelvin(4000);
    r.queue.runPosted();
    r.coordinator.setPreview(Preview::night);
    EXPECT_EQ(r.coordinator.kelvin(), 4000);
    EXPECT_EQ(r.gamma.kelvin(), 4000);
    EXPECT_EQ(r.coordinator.preview(), Preview::night) << "kept, ignored";
}

TEST(Coordinator, OffToAutoAppliesWithoutWaitingForTheTick) {
    Rig r;
    r.settings.setMode(TorvelMode::off);
    r.coordinator.start();
    EXPECT_EQ(r.gamma.kelvin(), std::nullopt);
    r.clock = at(1, 0);
    r.settings.setMode(TorvelMode::automatic);
    r.queue.runPosted();
    EXPECT_EQ(r.gamma.kelvin(), 2700);
}

TEST(Coordinator, TriggersAfterTheCoordinatorIsGoneDoNothing) {
    test::TempDir dir;
    Preferences prefs(dir.file(QStringLiteral("p.conf")));
    SettingsStore settings(prefs);
    InMemoryDisplayLayer display;
    ManualMainQueue queue;
    GammaService gamma(display, queue);
    ManualSystemEvents events;
    {
        Coordinator coordinator(settings, gamma, queue, events);
        coordinator.start();
        settings.setManualKelvin(2000); // posts an update
    }
    const int writes = display.tableWrites;
    queue.runPosted();
    events.send(SystemNotice::machineWoke);
    settings.setMode(TorvelMode::manual);
    queue.runPosted();
    queue.advance(60s);
    EXPECT_EQ(display.tableWrites, writes);
}

TEST(Coordinator, APauseIsATemporaryOffThatEndsAtItsTimeOrAtAModeChange) {
    Rig r;
    r.settings.setMode(TorvelMode::manual);
    r.coordinator.start();
    ASSERT_TRUE(r.gamma.kelvin());

    r.coordinator.pause(at(13, 0));
    EXPECT_FALSE(r.gamma.kelvin()) << "the displays get their own colours back";
    EXPECT_EQ(r.coordinator.kelvin(), 6500);
    EXPECT_EQ(r.settings.mode(), TorvelMode::manual) << "the stored mode stays";

    r.clock = at(12, 59, 30);
    r.queue.advance(30s); // a tick before the end: still paused
    EXPECT_TRUE(r.coordinator.pausedUntil());
    r.clock = at(13, 0, 10); // the next tick sees the end
    r.queue.advance(30s);
    EXPECT_FALSE(r.coordinator.pausedUntil());
    EXPECT_EQ(r.gamma.kelvin(), 3400);

    // The morning: the schedule's next wake, tomorrow once today's is past.
    EXPECT_EQ(r.coordinator.nextWake(), at(7, 30).addDays(1));
    r.coordinator.pause(r.coordinator.nextWake());
    r.settings.setMode(TorvelMode::automatic);
    r.queue.runPosted();
    EXPECT_FALSE(r.coordinator.pausedUntil()) << "a change of mode ends the pause";
    EXPECT_TRUE(r.gamma.kelvin());
}

// What the header, the tray's tooltip and the D-Bus Status read: a pause
// shows in all of them (the tooltip once left it out).
TEST(Coordinator, TheStateCarriesTheStatusLineWithAPause) {
    Rig r;
    r.coordinator.start();
    EXPECT_TRUE(r.coordinator.state().report.status.startsWith("Daylight"));
    r.coordinator.pauseFor(3600);
    EXPECT_TRUE(r.coordinator.state().report.status.startsWith("Paused until "));
    EXPECT_EQ(r.coordinator.pausedUntil(), r.clock.addSecs(3600)) << "by the coordinator's clock";
}

// A layer that cannot show our colour is not tinting, and says why, until
// the cause is gone; a hold or the off mode speaks before it.
TEST(Coordinator, ALayersTroubleShowsInTheStateUntilItClears) {
    Rig r;
    r.coordinator.start();
    r.display.setTrouble(QStringLiteral("kwinrc is not a regular file"));
    r.queue.runPosted();
    EXPECT_FALSE(r.coordinator.state().tinted());
    EXPECT_EQ(r.coordinator.state().report.status, "Not tinting: kwinrc is not a regular file");
    r.coordinator.pauseFor(3600);
    EXPECT_TRUE(r.coordinator.state().report.status.startsWith("Paused until "));
    r.coordinator.resume();
    r.display.setTrouble(std::nullopt);
    r.queue.runPosted();
    EXPECT_TRUE(r.coordinator.state().tinted());
    EXPECT_TRUE(r.coordinator.state().report.status.startsWith("Daylight"));
}

// A listed app, or a fullscreen window when chosen, in front is a hold
// that ends when it leaves; a watcher runs only while either is set.
TEST(Coordinator, TheWindowInFrontStepsUsAsideOnlyWhenTheUserAsked) {
    Rig r;
    ManualWindowWatcher watcher;
    Coordinator coordinator(
        r.settings, r.gamma, r.queue, r.events, [&] { return r.clock; }, nullptr, &watcher);
    coordinator.start();
    EXPECT_EQ(watcher.starts, 0) << "nothing set, nothing watched";
    const FrontWindow gimp{{QStringLiteral("org.gimp.GIMP")}, false, std::nullopt, {}};
    const FrontWindow video{{QStringLiteral("mpv"), QStringLiteral("mpv")}, true, std::nullopt, {}};

    EXPECT_TRUE(r.settings.setPauseApps({QStringLiteral("GIMP")}));
    r.queue.runPosted();
    ASSERT_TRUE(watcher.running());
    watcher.bringToFront(gimp);
    r.queue.runPosted();
    EXPECT_FALSE(coordinator.state().tinted());
    EXPECT_EQ(coordinator.state().report.status, "Paused for org.gimp.GIMP");
    EXPECT_EQ(coordinator.state().request, std::nullopt) << "the screens' own colours";

    watcher.bringToFront(video); // fullscreen, but not chosen
    r.queue.runPosted();
    EXPECT_TRUE(coordinator.state().tinted());
    r.settings.setPauseFullscreen(true);
    r.queue.runPosted();
    EXPECT_EQ(coordinator.state().report.status, "Paused while mpv is fullscreen");
    watcher.bringToFront(std::nullopt); // closed
    r.queue.runPosted();
    EXPECT_TRUE(coordinator.state().tinted());

    EXPECT_TRUE(r.settings.setPauseApps({}));
    r.settings.setPauseFullscreen(false);
    r.queue.runPosted();
    EXPECT_FALSE(watcher.running()) << "stopped once neither is set";
}

// What cannot work says so in the status rather than failing silently: a
// desktop that shows no window in front, a settings file that cannot be
// replaced (a folder now stands at its path).
TEST(Coordinator, WhatCannotWorkHereSaysSoInTheStatus) {
    Rig r;
    r.coordinator.start();
    r.settings.setPauseFullscreen(true);
    r.queue.runPosted();
    EXPECT_TRUE(
        r.coordinator.state().report.status.endsWith(" \u00B7 pausing for apps does not work here"))
        << r.coordinator.state().report.status.toStdString();
    EXPECT_TRUE(r.coordinator.state().tinted());

    QFile::remove(r.dir.file(QStringLiteral("torvelbar.conf")));
    ASSERT_TRUE(QDir().mkpath(r.dir.file(QStringLiteral("torvelbar.conf"))));
    r.settings.setManualKelvin(3000);
    r.queue.runPosted();
    EXPECT_TRUE(r.coordinator.state().report.status.endsWith(" \u00B7 settings not saved"))
        << r.coordinator.state().report.status.toStdString();
    QDir(r.dir.file(QStringLiteral("torvelbar.conf"))).removeRecursively();
    r.settings.setManualKelvin(3100);
    r.queue.runPosted();
    EXPECT_FALSE(r.coordinator.state().report.status.contains(QStringLiteral("not saved")));
}

TEST(FrontWindowRule, IdsMatchCaseAsideOrAsTheLastPartAndAppsWinOverFullscreen) {
    const FrontWindow x11{
        {QStringLiteral("Gimp-2.10"), QStringLiteral("gimp-2.10")}, true, std::nullopt, {}};
    EXPECT_EQ(matchingAppId(x11, QStringLiteral("GIMP-2.10")), QStringLiteral("Gimp-2.10"));
    EXPECT_EQ(matchingAppId(x11, QStringLiteral("gimp")), std::nullopt);
    const FrontWindow wayland{{QStringLiteral("org.gimp.GIMP")}, false, std::nullopt, {}};
    EXPECT_EQ(matchingAppId(wayland, QStringLiteral("gimp")), QStringLiteral("org.gimp.GIMP"));
    EXPECT_EQ(matchingAppId(wayland, QStringLiteral("gimp.GIMP")), std::nullopt);
    EXPECT_EQ(frontWindowHold(x11, {QStringLiteral("gimp-2.10")}, true)->kind, Hold::Kind::app);
    EXPECT_EQ(frontWindowHold(x11, {}, true)->kind, Hold::Kind::fullscreen);
    EXPECT_EQ(frontWindowHold(FrontWindow{{}, true, std::nullopt, {}}, {}, true)->by,
              QStringLiteral("a window"));
    EXPECT_EQ(frontWindowHold(x11, {}, false), std::nullopt);
    EXPECT_EQ(frontWindowHold(std::nullopt, {QStringLiteral("mpv")}, true), std::nullopt);

    // Which displays step aside for a window: those it lies on, unless that
    // is every one, or some display's place is unknown.
    const auto display = [](const char* name, QRect area) {
        return DisplayName{name, name, name, area};
    };
    const std::vector<DisplayName> two{display("A", {0, 0, 1600, 1200}),
                                       display("B", {1600, 0, 1024, 768})};
    const auto under = [&](const FrontWindow& window, const std::vector<DisplayName>& displays) {
        QStringList keys;
        for (const DisplayName& d : displaysUnder(window, displays)) {
            keys << d.key;
        }
        return keys.join(u',');
    };
    const auto at = [](QRect area) { return FrontWindow{{}, true, area, {}}; };
    const auto on = [](QStringList outputs) {
        return FrontWindow{{}, true, std::nullopt, outputs};
    };
    EXPECT_EQ(under(at({1700, 100, 200, 100}), two), QStringLiteral("B"));
    EXPECT_EQ(under(at({0, 0, 1600, 1200}), two), QStringLiteral("A"));
    EXPECT_EQ(under(at({1500, 0, 200, 100}), two), QString()) << "across both: the whole desktop";
    EXPECT_EQ(under(at({5000, 0, 10, 10}), two), QString()) << "on none";
    EXPECT_EQ(under(at({0, 0, 10, 10}), {two[0], display("C", {})}), QString());
    // Where the host names the outputs instead (wlroots), by connector.
    const std::vector<DisplayName> unplaced{display("A", {}), display("B", {})};
    EXPECT_EQ(under(on({"B"}), unplaced), QStringLiteral("B"));
    EXPECT_EQ(under(on({"A", "B"}), unplaced), QString());
    EXPECT_EQ(under(on({}), unplaced), QString()) << "the host says nothing";
}

TEST(Coordinator, ToggleRemembersTheModeBeforeOffAndEndsAPauseFirst) {
    Rig r;
    r.coordinator.start();
    r.settings.setMode(TorvelMode::manual);
    r.queue.runPosted();
    r.coordinator.toggle();
    r.queue.runPosted();
    EXPECT_EQ(r.settings.mode(), TorvelMode::off);
    r.coordinator.toggle();
    r.queue.runPosted();
    EXPECT_EQ(r.settings.mode(), TorvelMode::manual);
    r.coordinator.pauseFor(60);
    r.coordinator.toggle();
    EXPECT_FALSE(r.coordinator.pausedUntil());
    EXPECT_EQ(r.settings.mode(), TorvelMode::manual);
}

TEST(Coordinator, AScrollMovesTheColourShowingWithinTheSliderRange) {
    Rig r;
    r.coordinator.start();
    r.settings.setMode(TorvelMode::manual);
    r.queue.runPosted();
    r.coordinator.nudge(2);
    EXPECT_EQ(r.settings.manualKelvin(), 3600);
    r.queue.runPosted();
    r.coordinator.nudge(-1000);
    EXPECT_EQ(r.settings.manualKelvin(), 1000) << "held at the slider's end";

    // The schedule: by day the day colour, from the wind-down the night colour.
    r.settings.setMode(TorvelMode::automatic);
    r.queue.runPosted();
    r.coordinator.nudge(-3);
    EXPECT_EQ(r.settings.schedule().dayKelvin, 6200);
    r.clock = at(22, 0);
    r.coordinator.update();
    r.coordinator.nudge(1);
    EXPECT_EQ(r.settings.schedule().nightKelvin, 2800);
    EXPECT_EQ(r.settings.schedule().dayKelvin, 6200);

    // Nothing while paused or off.
    r.queue.runPosted();
    r.coordinator.pauseFor(60);
    r.coordinator.nudge(5);
    EXPECT_EQ(r.settings.schedule().nightKelvin, 2800);
    r.coordinator.resume();
    r.settings.setMode(TorvelMode::off);
    r.queue.runPosted();
    r.coordinator.nudge(5);
    EXPECT_EQ(r.settings.schedule().nightKelvin, 2800);
    EXPECT_EQ(r.settings.manualKelvin(), 1000);
}

TEST(Coordinator, TheNextWakeInASkippedHourIsTheFirstTimeAfterIt) {
    // Berlin jumps from 02:00 to 03:00 on 2026-03-29.
    Rig r;
    LightSchedule s = r.settings.schedule();
    s.wake = 150; // 02:30
    r.settings.setSchedule(s);
    const QTimeZone berlin("Europe/Berlin");
    r.clock = QDateTime(QDate(2026, 3, 28), QTime(23, 0), berlin);
    EXPECT_EQ(r.coordinator.nextWake(), QDateTime(QDate(2026, 3, 29), QTime(3, 0), berlin));
    r.clock = QDateTime(QDate(2026, 3, 29), QTime(1, 59), berlin);
    EXPECT_EQ(r.coordinator.nextWake(), QDateTime(QDate(2026, 3, 29), QTime(3, 0), berlin));
    r.clock = QDateTime(QDate(2026, 3, 29), QTime(3, 0), berlin);
    EXPECT_EQ(r.coordinator.nextWake(), QDateTime(QDate(2026, 3, 30), QTime(2, 30), berlin));
    // In the repeated hour of autumn the first 02:30 is the wake.
    r.clock = QDateTime(QDate(2026, 10, 25), QTime(1, 0), berlin);
    EXPECT_EQ(r.coordinator.nextWake().toSecsSinceEpoch(),
              QDateTime(QDate(2026, 10, 25), QTime(0, 30), QTimeZone::utc()).toSecsSinceEpoch());
}

TEST(Coordinator, InhibitionsHoldTheTintOffUntilTheLastIsReleased) {
    Rig r;
    r.coordinator.start();
    const auto game = r.coordinator.inhibit(QStringLiteral("game"));
    const auto video = r.coordinator.inhibit(QStringLiteral("video"));
    EXPECT_NE(game, video);
    EXPECT_FALSE(r.gamma.kelvin());
    EXPECT_FALSE(r.coordinator.uninhibit(12345)) << "a cookie not held changes nothing";
    EXPECT_TRUE(r.coordinator.uninhibit(game));
    EXPECT_FALSE(r.gamma.kelvin());
    EXPECT_EQ(r.coordinator.oldestInhibition()->reason, QStringLiteral("video"));
    EXPECT_TRUE(r.coordinator.uninhibit(video));
    EXPECT_TRUE(r.gamma.kelvin());

    // The oldest one speaks for all; a long reason is cut, never mid-character.
    const QString emoji = QString::fromUtf8("\xF0\x9F\x8E\xAE"); // two UTF-16 units
    r.coordinator.inhibit(QString(199, u'a') + emoji);
    const auto second = r.coordinator.inhibit(QString(100000, u'b'));
    EXPECT_EQ(r.coordinator.oldestInhibition()->reason, QString(199, u'a'));
    EXPECT_TRUE(r.coordinator.uninhibit(r.coordinator.oldestInhibition()->cookie));
    EXPECT_EQ(r.coordinator.oldestInhibition()->cookie, second);
    EXPECT_EQ(r.coordinator.oldestInhibition()->reason.size(), Coordinator::maxReasonLength);
}

} // namespace
} // namespace torvel

namespace torvel {
namespace {

TEST(Coordinator, TheSunsPlaceIsTheUsersThenTheServicesThenTheZones) {
    ManualLocationService located;
    test::TempDir dir;
    Preferences prefs{dir.file(QStringLiteral("torvelbar.conf"))};
    SettingsStore settings{prefs};
    InMemoryDisplayLayer display{{1}};
    ManualMainQueue queue;
    GammaService gamma{display, queue};
    ManualSystemEvents events;
    Coordinator coordinator{settings, gamma, queue, events, [] { return at(12, 0); }, &located};
    coordinator.start();
    EXPECT_EQ(located.starts, 0) << "nobody asks where we are on the clock";

    settings.setScheduleSource(ScheduleSource::sun);
    queue.runPosted();
    EXPECT_TRUE(located.running());
    EXPECT_EQ(coordinator.state().sunGap, SunGap::noPlace) << "UTC has no reference point";

    located.fix({-33.87, 151.21});
    queue.runPosted();
    EXPECT_EQ(coordinator.state().place->origin, Place::Origin::located);
    EXPECT_EQ(settings.lastKnownLocation(), (GeoPoint{-33.87, 151.21}))
        << "kept for offline starts";

    EXPECT_TRUE(settings.setLocation(GeoPoint{59.91, 10.75}));
    queue.runPosted();
    EXPECT_FALSE(located.running()) << "a place the user set needs no asking";
    EXPECT_EQ(coordinator.state().place->origin, Place::Origin::typed);
    EXPECT_EQ(coordinator.state().place->at, (GeoPoint{59.91, 10.75}));

    // A zone with a point stands in when nothing else is known.
    EXPECT_TRUE(settings.setLocation(std::nullopt));
    Preferences fresh{dir.file(QStringLiteral("other.conf"))};
    SettingsStore plain{fresh};
    plain.setScheduleSource(ScheduleSource::sun);
    Coordinator zoned{plain, gamma, queue, events, [] { return at(12, 0); }};
    qputenv("TZ", "Europe/Oslo");
    zoned.start();
    events.send(SystemNotice::timeZoneChanged);
    qputenv("TZ", "UTC");
    ASSERT_TRUE(zoned.state().place);
    EXPECT_EQ(zoned.state().place->origin, Place::Origin::zone);
    EXPECT_EQ(zoned.state().place->name, "Oslo");
}

} // namespace
} // namespace torvel
