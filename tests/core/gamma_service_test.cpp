#include "color/channel_gains.h"
#include "core/gamma_service.h"
#include "fakes/in_memory_display_layer.h"
#include "fakes/manual_main_queue.h"

#include <gtest/gtest.h>
#include <limits>
#include <QTimeZone>

using namespace torvel;
using namespace std::chrono_literals;

namespace {

struct Rig {
    InMemoryDisplayLayer display{{7, 3}};
    ManualMainQueue queue;
    GammaService gamma{display, queue};
};

} // namespace

TEST(GammaService, ClampsAndWritesEveryDisplayOnEveryCall) {
    Rig r;
    EXPECT_EQ(r.display.tableWrites, 0) << "constructing writes nothing";
    EXPECT_FALSE(r.gamma.kelvin());

    r.gamma.apply(7000);
    EXPECT_EQ(r.gamma.kelvin(), 6500);
    r.gamma.apply(500);
    EXPECT_EQ(r.gamma.kelvin(), 1000);
    r.gamma.apply(4000);
    r.gamma.apply(4000);
    EXPECT_EQ(r.gamma.kelvin(), 4000);
    EXPECT_EQ(r.display.tableWrites, 8);
    EXPECT_EQ(r.display.writeOrder, (std::vector<DisplayId>{7, 3, 7, 3, 7, 3, 7, 3}));

    r.gamma.apply(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(r.gamma.kelvin(), 1000);
    r.gamma.apply(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(r.gamma.kelvin(), 6500);
}

TEST(GammaService, TablesAreStraightRampsScaledByTheGains) {
    Rig r;
    r.gamma.apply(3400);
    const auto& t = r.display.lastTables.at(7);
    ASSERT_EQ(t.red.size(), 256u);
    const ChannelGains g(3400);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(t.red[i], static_cast<float>(g.red * (i / 255.0)));
        EXPECT_EQ(t.green[i], static_cast<float>(g.green * (i / 255.0)));
        EXPECT_EQ(t.blue[i], static_cast<float>(g.blue * (i / 255.0)));
    }
    EXPECT_EQ(t.red[0], 0.0f);
    EXPECT_EQ(t.green[0], 0.0f);
    EXPECT_EQ(t.blue[0], 0.0f);
    EXPECT_NEAR(t.green[255], 0.743727, 1e-6);
    EXPECT_NEAR(t.blue[255], 0.530086, 1e-6);
}

TEST(GammaService, RestoresOnlyOnTheChangeFromTintedToUntinted) {
    Rig r;
    r.gamma.apply(std::nullopt);
    EXPECT_EQ(r.display.restores, 0) << "a fresh service restores nothing";
    r.gamma.apply(3000);
    r.gamma.apply(std::nullopt);
    r.gamma.apply(std::nullopt);
    EXPECT_EQ(r.display.restores, 1);
    EXPECT_FALSE(r.gamma.kelvin());
}

TEST(GammaService, ReconfigurationSchedulesOneWritePerNoticeAfterTheDelay) {
    Rig r;
    r.gamma.apply(3000);
    const int before = r.display.tableWrites;

    for (int i = 0; i < 3; ++i) {
        r.display.sendReconfiguration(7, DisplayChange::Kind::changed);
    }
    r.queue.advance(249ms);
    EXPECT_EQ(r.display.tableWrites, before) << "not before 0.25 s";
    r.gamma.apply(5000); // the writes use the value stored when they run
    const int afterApply = r.display.tableWrites;
    r.display.lastTables.clear();
    r.queue.advance(1ms);
    EXPECT_EQ(r.display.tableWrites, afterApply + 3 * 2);
    EXPECT_EQ(r.display.lastTables.at(3).blue[255], static_cast<float>(ChannelGains(5000).blue));
}

TEST(GammaService, ScheduledWriteAfterUntintingWritesNothing) {
    Rig r;
    r.gamma.apply(3000);
    r.display.sendReconfiguration(3, DisplayChange::Kind::added);
    r.gamma.apply(std::nullopt);
    const int writes = r.display.tableWrites;
    r.queue.advance(1s);
    EXPECT_EQ(r.display.tableWrites, writes);
    EXPECT_EQ(r.display.restores, 1);
}

TEST(GammaService, ScreenWakeRewritesOnlyWhileTinted) {
    Rig r;
    r.display.sendScreensWake();
    r.display.sendReconfiguration(7, DisplayChange::Kind::changed);
    r.queue.advance(1s);
    EXPECT_EQ(r.display.tableWrites, 0);
    EXPECT_EQ(r.display.restores, 0);

    r.gamma.apply(2700);
    r.display.sendScreensWake();
    EXPECT_EQ(r.display.tableWrites, 4);
}

TEST(GammaService, NoDisplaysMeansOneListQueryAndNoTable) {
    InMemoryDisplayLayer display{{}};
    ManualMainQueue queue;
    GammaService gamma(display, queue);
    gamma.apply(3000);
    EXPECT_EQ(display.listQueries, 1);
    EXPECT_EQ(display.tableWrites, 0);
}

TEST(GammaService, TemperatureHostsGetTheClampedValueWithTheSameTiming) {
    InMemoryTemperatureLayer display;
    ManualMainQueue queue;
    GammaService gamma(display, queue);
    gamma.apply(7000);
    gamma.apply(500);
    gamma.apply(3400);
    gamma.apply(3400);
    EXPECT_EQ(display.temperatures, (std::vector<std::int64_t>{6500, 1000, 3400, 3400}));

    display.sendReconfiguration(0, DisplayChange::Kind::changed);
    gamma.apply(2900);
    queue.advance(249ms);
    EXPECT_EQ(display.temperatures.size(), 5u);
    queue.advance(1ms);
    EXPECT_EQ(display.temperatures.back(), 2900) << "the value current when the write runs";
    EXPECT_EQ(display.temperatures.size(), 6u);

    display.sendScreensWake();
    EXPECT_EQ(display.temperatures.size(), 7u);
    gamma.apply(std::nullopt);
    gamma.apply(std::nullopt);
    display.sendScreensWake();
    EXPECT_EQ(display.restores, 1);
    EXPECT_EQ(display.temperatures.size(), 7u);
}

TEST(GammaService, WritesScheduledBeforeDestructionDoNothing) {
    InMemoryDisplayLayer display;
    ManualMainQueue queue;
    {
        GammaService gamma(display, queue);
        gamma.apply(3000);
        display.sendReconfiguration(1, DisplayChange::Kind::removed);
    }
    const int writes = display.tableWrites;
    display.sendReconfiguration(1, DisplayChange::Kind::removed); // unregistered: schedules nothing
    display.sendScreensWake();
    queue.advance(1s);
    EXPECT_EQ(display.tableWrites, writes);
    EXPECT_EQ(queue.pendingDelayed(), 0u);
}

namespace {

// A backlight whose level the test moves as a user would.
class FakeBacklight final : public Backlight {
public:
    std::optional<BacklightLevel> level() override { return BacklightLevel{value, 1000}; }
    void set(std::int64_t v) override {
        kept = kept.value_or(value);
        value = v;
        sets.push_back(v);
    }
    bool settling() const override { return false; }
    void restore() override {
        if (kept && sets.size() && value == sets.back()) {
            value = *kept;
        }
        kept.reset();
    }
    void forget() override { kept.reset(); }
    std::optional<QString> trouble() const override { return std::nullopt; }
    std::optional<std::int64_t> keptLevel() const override { return kept; }

    std::int64_t value = 800;
    std::optional<std::int64_t> kept;
    std::vector<std::int64_t> sets;
};

} // namespace

// Which display dims how: the panel by its backlight where one is found,
// the others (and a panel without one) by their tables, none that the user
// kept bright; a user's level holds until the wake; nothing is opened for a
// user who never dims.
TEST(GammaService, ThePanelDimsByItsBacklightTheOthersByTablesAndTheUserWins) {
    const QDateTime evening(QDate(2026, 12, 7), QTime(22, 0), QTimeZone::utc());
    const QDateTime wake = evening.addSecs(9 * 3600 + 1800);
    FakeBacklight* light = nullptr;
    int opened = 0;
    InMemoryDisplayLayer display{{1, 2}};
    display.names[1] = {
        QStringLiteral("eDP-1"), QStringLiteral("eDP-1"), QStringLiteral("eDP-1"), {}};
    display.names[2] = {
        QStringLiteral("DEL-1"), QStringLiteral("DP-1"), QStringLiteral("Dell"), {}};
    ManualMainQueue queue;
    GammaService gamma(display, queue, [&](bool dimming) -> std::unique_ptr<Backlight> {
        if (!dimming) {
            return nullptr; // no crash's level to give back
        }
        ++opened;
        auto made = std::make_unique<FakeBacklight>();
        light = made.get();
        return made;
    });
    const auto top = [&](DisplayId id) { return display.lastTables.at(id).red.back(); };

    gamma.apply(6500, {}, {fullBrightness, evening, wake});
    EXPECT_EQ(opened, 0) << "no backlight is looked for before dimming";
    gamma.apply(6500, {}, {50, evening, wake});
    ASSERT_EQ(opened, 1);
    EXPECT_EQ(light->value, 400);
    EXPECT_FLOAT_EQ(top(1), 1.0f) << "the panel's tables stay bright";
    EXPECT_FLOAT_EQ(top(2), 0.5f);
    gamma.apply(6500, {}, {50, evening, wake});
    EXPECT_EQ(light->sets.size(), 1u) << "an unchanged level is not set again";

    // The monitor kept bright by its user; the panel too.
    gamma.apply(6500, {{QStringLiteral("DEL-1"), {true, fullStrength, false}}},
                {40, evening, wake});
    EXPECT_EQ(light->value, 320);
    EXPECT_FLOAT_EQ(top(2), 1.0f);
    gamma.apply(6500, {{QStringLiteral("eDP-1"), {true, fullStrength, false}}},
                {40, evening, wake});
    EXPECT_EQ(light->value, 800) << "given back";
    EXPECT_FLOAT_EQ(top(1), 1.0f);
    gamma.apply(6500, {}, {40, evening, wake});
    EXPECT_EQ(light->value, 320);
    gamma.apply(6500, {{QStringLiteral("eDP-1"), {false, fullStrength, true}}},
                {40, evening, wake});
    EXPECT_EQ(light->value, 800) << "a panel stepping aside for a film is as bright as it was";

    // The user's keys: theirs until the wake, never given back over.
    gamma.apply(6500, {}, {40, evening, wake});
    light->value = 650;
    gamma.apply(6500, {}, {30, evening.addSecs(60), wake});
    EXPECT_EQ(light->value, 650);
    EXPECT_EQ(gamma.brightnessReport().userHoldUntil, wake);
    gamma.apply(std::nullopt, {}, {fullBrightness, evening.addSecs(120), wake});
    EXPECT_EQ(light->value, 650);
    gamma.apply(6500, {}, {50, wake.addSecs(12 * 3600), wake.addSecs(24 * 3600)});
    EXPECT_EQ(light->value, 325) << "the next evening dims from the level there is";
    EXPECT_FALSE(gamma.brightnessReport().userHoldUntil);
    gamma.apply(std::nullopt);
    EXPECT_EQ(light->value, 650);
}

// Without a backlight, the panel dims by its tables; where a host takes
// one colour and there is no backlight, nothing dims, and the report says so.
TEST(GammaService, WithoutABacklightTablesDimAndAColourOnlyHostSaysItCannot) {
    InMemoryDisplayLayer display{{1}};
    display.names[1] = {
        QStringLiteral("eDP-1"), QStringLiteral("eDP-1"), QStringLiteral("eDP-1"), {}};
    ManualMainQueue queue;
    GammaService tables(display, queue, [](bool) { return std::unique_ptr<Backlight>(); });
    tables.apply(6500, {}, {60, {}, {}});
    EXPECT_FLOAT_EQ(display.lastTables.at(1).red.back(), 0.6f);
    EXPECT_FALSE(tables.brightnessReport().unseen);
    // Dimmed by tables alone, the same request again would write the same.
    EXPECT_TRUE(tables.wouldRepeat(6500, {}, {60, {}, {}}));
    EXPECT_TRUE(tables.wouldRepeat(9000, {}, {60, {}, {}})) << "clamped, it is the same";
    EXPECT_FALSE(tables.wouldRepeat(6400, {}, {60, {}, {}}));
    EXPECT_FALSE(tables.wouldRepeat(6500, {}, {61, {}, {}}));
    EXPECT_FALSE(tables.wouldRepeat(6500, {{QStringLiteral("eDP-1"), {false, 100}}}, {60, {}, {}}));
    EXPECT_FALSE(tables.wouldRepeat(std::nullopt, {}, {60, {}, {}}));

    InMemoryTemperatureLayer night;
    GammaService colourOnly(night, queue);
    colourOnly.apply(3000, {}, {60, {}, {}});
    EXPECT_TRUE(colourOnly.brightnessReport().unseen);
    EXPECT_FALSE(colourOnly.brightnessReport().panelOnly);
    InMemoryTemperatureLayer backlit;
    GammaService panel(backlit, queue, [](bool) { return std::make_unique<FakeBacklight>(); });
    panel.apply(3000, {}, {60, {}, {}});
    EXPECT_FALSE(panel.wouldRepeat(3000, {}, {60, {}, {}})) << "a dimmed backlight is watched";
    EXPECT_TRUE(panel.brightnessReport().panelOnly);
    EXPECT_FALSE(panel.brightnessReport().unseen);
    colourOnly.apply(3000, {}, {fullBrightness, {}, {}});
    EXPECT_FALSE(colourOnly.brightnessReport().unseen);
}
