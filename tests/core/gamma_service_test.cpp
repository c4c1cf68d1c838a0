#include "color/channel_gains.h"
#include "core/gamma_service.h"
#include "fakes/in_memory_display_layer.h"
#include "fakes/manual_main_queue.h"

#include <gtest/gtest.h>
#include <limits>

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
