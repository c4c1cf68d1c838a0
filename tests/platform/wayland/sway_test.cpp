// The Wayland layer against a real wlroots compositor: Debian's sway,
// headless. Its headless outputs have no gamma ramps, so the compositor
// refuses their controls; that refusal is what these tests see for real.
#include "display/gamma_service.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/wayland/wayland_display_layer.h"
#include "support/event_loop.h"
#include "support/result_value.h"
#include "support/sway_server.h"

#include <gtest/gtest.h>

using namespace torvel;
using torvel::test::spinFor;
using torvel::test::spinUntil;
using torvel::test::SwayServer;

class Sway : public ::testing::Test {
protected:
    void SetUp() override {
        if (!sway.running()) {
            GTEST_SKIP() << sway.error().toStdString();
        }
    }
    SwayServer sway;
};

TEST_F(Sway, OffersGammaControlAndListsItsOutputs) {
    EXPECT_EQ(torvel::test::valueOf(WaylandDisplayLayer::probe(sway.socket())),
              WaylandDisplayLayer::Probe::usable);
    auto layer = torvel::test::valueOf(WaylandDisplayLayer::create(sway.socket()));
    ASSERT_TRUE(layer);
    EXPECT_EQ(layer->knownOutputs().size(), 1u); // one headless output by default

    // Whatever the output accepts, a tint and a restore keep the connection.
    QtMainQueue queue;
    {
        GammaService gamma(*layer, queue);
        gamma.apply(3000);
        gamma.apply(3000);
        gamma.apply(std::nullopt);
        gamma.apply(4500);
    }
    spinFor(100);
    EXPECT_TRUE(layer->connected());
    // sway 1.7's headless output answers its control with `failed`.
    EXPECT_EQ(layer->onlineDisplays().size(), 0u);
}

TEST_F(Sway, ANewHeadlessOutputIsNoticedAndTheRefusalKeepsNothingBroken) {
    auto layer = torvel::test::valueOf(WaylandDisplayLayer::create(sway.socket()));
    ASSERT_TRUE(layer);
    int added = 0;
    auto subscription = layer->subscribeReconfiguration(
        [&](const DisplayChange& c) { added += c.kind == DisplayChange::Kind::added; });
    const auto before = layer->knownOutputs().size();
    sway.message({QStringLiteral("create_output")});
    ASSERT_TRUE(spinUntil([&] { return added == 1; }, 5000));
    EXPECT_EQ(layer->knownOutputs().size(), before + 1);
    // Headless outputs have gamma size 0: sway answers `failed`, and the
    // outputs stay off the list rather than being asked on every tick.
    EXPECT_EQ(layer->onlineDisplays().size(), 0u);
    EXPECT_EQ(layer->onlineDisplays().size(), 0u);
    EXPECT_TRUE(layer->connected());
}
