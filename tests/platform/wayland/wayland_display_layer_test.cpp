// The Wayland layer against our own compositor, which records every ramp
// it is sent.
#include "color/channel_gains.h"
#include "core/gamma_service.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/wayland/wayland_display_layer.h"
#include "support/event_loop.h"
#include "support/ramp_match.h"
#include "support/result_value.h"
#include "support/temp_dir.h"
#include "support/test_compositor.h"

#include <chrono>
#include <cmath>
#include <gtest/gtest.h>

using namespace torvel;
using torvel::test::matchesGains;
using torvel::test::spinFor;
using torvel::test::spinUntil;
using torvel::test::TestCompositor;
using Write = TestCompositor::GammaWrite;

namespace {

std::vector<Write> writesTo(const TestCompositor& c, std::uint32_t output) {
    std::vector<Write> out;
    for (auto& w : c.writes()) {
        if (w.output == output) {
            out.push_back(w);
        }
    }
    return out;
}

std::vector<DisplayId> online(TableDisplayLayer& layer) {
    return layer.onlineDisplays();
}

std::unique_ptr<WaylandDisplayLayer> connect(const TestCompositor& c) {
    return torvel::test::valueOf(WaylandDisplayLayer::create(c.socket()));
}

} // namespace

TEST(WaylandLayer, ListsTheOutputsWhoseControlsWorkAndSendsRampsOfTheirSize) {
    TestCompositor compositor;
    const auto small = compositor.addOutput(256);
    const auto none = compositor.addOutput(0);
    const auto large = compositor.addOutput(1024);
    auto layer = connect(compositor);
    ASSERT_TRUE(layer);
    EXPECT_EQ(layer->knownOutputs(), (std::vector<DisplayId>{small, none, large}));
    EXPECT_EQ(online(*layer), (std::vector<DisplayId>{small, large}));

    QtMainQueue queue;
    GammaService gamma(*layer, queue);
    gamma.apply(3400);
    ASSERT_TRUE(spinUntil([&] { return compositor.writes().size() == 2; }, 2000));
    for (const auto& [output, size] : {std::pair{small, 256u}, std::pair{large, 1024u}}) {
        const auto w = writesTo(compositor, output);
        ASSERT_EQ(w.size(), 1u);
        EXPECT_EQ(w[0].red.size(), size);
        EXPECT_TRUE(w[0].sealed);
        EXPECT_TRUE(matchesGains(w[0], 3400));
        EXPECT_EQ(w[0].red.back(), 65535); // 3400 K keeps red at full gain
        EXPECT_EQ(w[0].blue.front(), 0);
    }
    // A tick costs no new controls and nothing but the ramps.
    gamma.apply(3400);
    ASSERT_TRUE(spinUntil([&] { return compositor.writes().size() == 4; }, 2000));
    EXPECT_EQ(compositor.controlsCreated(), 3);
    EXPECT_EQ(compositor.protocolErrors(), 0);
}

TEST(WaylandLayer, RestoreDestroysTheControlsAndTheNextTintTakesNewOnes) {
    TestCompositor compositor;
    const auto output = compositor.addOutput(512);
    auto layer = connect(compositor);
    ASSERT_TRUE(layer);
    QtMainQueue queue;
    auto service = std::make_unique<GammaService>(*layer, queue);
    GammaService& gamma = *service;

    gamma.apply(2700);
    ASSERT_TRUE(spinUntil([&] { return compositor.writes().size() == 1; }, 2000));
    EXPECT_EQ(compositor.liveControls(), 1);

    gamma.apply(std::nullopt);
    EXPECT_TRUE(spinUntil([&] { return compositor.liveControls() == 0; }, 2000));
    // Off costs the compositor nothing: no control is held.
    spinFor(100); // a window for a control that must not be asked for
    EXPECT_EQ(compositor.controlsCreated(), 1);

    gamma.apply(5000);
    ASSERT_TRUE(spinUntil([&] { return compositor.writes().size() == 2; }, 2000));
    EXPECT_EQ(compositor.controlsCreated(), 2);
    EXPECT_EQ(compositor.liveControls(), 1);
    EXPECT_TRUE(matchesGains(writesTo(compositor, output).back(), 5000));

    service.reset();
    layer.reset(); // leaving restores too
    EXPECT_TRUE(spinUntil([&] { return compositor.liveControls() == 0; }, 2000));
}

TEST(WaylandLayer, ANewOutputIsTintedAfterTheReconfigurationDelayAndARemovedOneIsForgotten) {
    TestCompositor compositor;
    const auto first = compositor.addOutput(256);
    auto layer = connect(compositor);
    ASSERT_TRUE(layer);
    std::vector<DisplayChange> notices;
    auto subscription =
        layer->subscribeReconfiguration([&](const DisplayChange& c) { notices.push_back(c); });
    QtMainQueue queue;
    GammaService gamma(*layer, queue);
    gamma.apply(3000);
    ASSERT_TRUE(spinUntil([&] { return compositor.writes().size() == 1; }, 2000));

    const auto added = compositor.addOutput(2048);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(spinUntil([&] { return !writesTo(compositor, added).empty(); }, 3000));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(240));
    EXPECT_TRUE(matchesGains(writesTo(compositor, added).front(), 3000));
    ASSERT_FALSE(notices.empty());
    EXPECT_EQ(notices.front().display, added);
    EXPECT_EQ(notices.front().kind, DisplayChange::Kind::added);

    compositor.removeOutput(first);
    ASSERT_TRUE(spinUntil([&] { return notices.size() == 2; }, 2000));
    EXPECT_EQ(notices.back().display, first);
    EXPECT_EQ(notices.back().kind, DisplayChange::Kind::removed);
    EXPECT_EQ(layer->knownOutputs(), std::vector<DisplayId>{added});
    EXPECT_EQ(online(*layer), std::vector<DisplayId>{added});
    const std::vector<float> table(256, 0.5f);
    layer->setTransferTable(first, table, table, table); // gone: ignored
    subscription.reset();
    spinFor(400); // a window for a protocol error that must not come
    EXPECT_EQ(compositor.protocolErrors(), 0);
}

TEST(WaylandLayer, AFailedControlDropsItsOutputUntilTheNextReconfiguration) {
    TestCompositor compositor;
    const auto a = compositor.addOutput(256);
    const auto b = compositor.addOutput(256);
    compositor.setHeldElsewhere(b, true);
    auto layer = connect(compositor);
    ASSERT_TRUE(layer);
    EXPECT_EQ(online(*layer), std::vector<DisplayId>{a}); // b is held by someone else
    EXPECT_EQ(layer->trouble(), std::nullopt) << "one screen is ours";
    int troubles = 0;
    auto heard = layer->subscribeTrouble([&] { ++troubles; });

    compositor.failControl(a); // taken away while in use
    ASSERT_TRUE(spinUntil([&] { return online(*layer).empty(); }, 2000));
    EXPECT_TRUE(layer->trouble().has_value());
    EXPECT_EQ(troubles, 1) << "heard from the event, not only at the next write";
    const auto created = compositor.controlsCreated();
    EXPECT_TRUE(online(*layer).empty()); // not asked again on every tick
    EXPECT_EQ(compositor.controlsCreated(), created);
    const std::vector<float> table(256, 1.0f);
    layer->setTransferTable(a, table, table, table);

    compositor.setHeldElsewhere(b, false);
    const auto c = compositor.addOutput(256);
    ASSERT_TRUE(spinUntil([&] { return layer->knownOutputs().size() == 3; }, 2000));
    EXPECT_EQ(online(*layer), (std::vector<DisplayId>{a, b, c}));
    EXPECT_EQ(layer->trouble(), std::nullopt);
    layer->restoreColorSettings();
    EXPECT_TRUE(spinUntil([&] { return compositor.liveControls() == 0; }, 2000));
}

TEST(WaylandLayer, ACompositorThatGoesAwayLeavesALayerWithNoDisplays) {
    auto compositor = std::make_unique<TestCompositor>();
    compositor->addOutput(256);
    auto layer = connect(*compositor);
    ASSERT_TRUE(layer);
    ASSERT_EQ(online(*layer).size(), 1u);
    compositor.reset();
    ASSERT_TRUE(spinUntil([&] { return !layer->connected(); }, 2000));
    EXPECT_TRUE(online(*layer).empty());
    const std::vector<float> table(256, 1.0f);
    layer->setTransferTable(1, table, table, table);
    layer->restoreColorSettings();
}

TEST(WaylandLayer, ProbeTellsACompositorWithoutGammaControlFromNoCompositor) {
    TestCompositor plain(false);
    plain.addOutput(256);
    EXPECT_EQ(torvel::test::valueOf(WaylandDisplayLayer::probe(plain.socket())),
              WaylandDisplayLayer::Probe::noGammaControl);
    const auto refused = WaylandDisplayLayer::create(plain.socket());
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.error(),
              QStringLiteral("this compositor offers no gamma control to applications"));

    TestCompositor full;
    EXPECT_EQ(torvel::test::valueOf(WaylandDisplayLayer::probe(full.socket())),
              WaylandDisplayLayer::Probe::usable);

    torvel::test::TempDir empty;
    const QString nowhere = empty.file(QStringLiteral("wayland-9"));
    const auto noCompositor = WaylandDisplayLayer::probe(nowhere);
    EXPECT_FALSE(noCompositor);
    EXPECT_EQ(noCompositor.error(),
              QStringLiteral("cannot connect to the Wayland compositor %1").arg(nowhere));
    EXPECT_FALSE(WaylandDisplayLayer::create(nowhere));
}

// Outputs are named as the compositor describes them; one left as it is
// gives its control back (so the compositor shows its own ramps) and is
// taken again when it is tinted once more; another at half strength.
TEST(WaylandLayer, EachOutputItsOwnByTheCompositorsName) {
    TestCompositor compositor;
    const auto a = compositor.addOutput(256);
    const auto b = compositor.addOutput(256);
    auto layer = connect(compositor);
    ASSERT_TRUE(layer);
    ASSERT_TRUE(spinUntil(
        [&] {
            const auto named = layer->namedDisplays();
            return named.size() == 2 && !named[1].connector.isEmpty();
        },
        2000));
    EXPECT_EQ(compositor.liveControls(), 0) << "naming the outputs takes no control";
    const std::vector<DisplayName> names = layer->namedDisplays();
    ASSERT_EQ(names.size(), 2u);
    const QString connectorB = QStringLiteral("TEST-%1").arg(b);
    EXPECT_EQ(names[1], (DisplayName{QStringLiteral("Test Output SN%1").arg(b),
                                     connectorB,
                                     QStringLiteral("Test Output"),
                                     {}}));

    QtMainQueue queue;
    GammaService gamma(*layer, queue);
    DisplayOptionsMap options{{connectorB, {false, 100}},
                              {QStringLiteral("Test Output SN%1").arg(a), {true, 50}}};
    gamma.apply(2000, options);
    ASSERT_TRUE(spinUntil([&] { return !writesTo(compositor, a).empty(); }, 2000));
    EXPECT_TRUE(matchesGains(writesTo(compositor, a).back(), kelvinAtStrength(2000, 50)));
    EXPECT_TRUE(writesTo(compositor, b).empty());
    EXPECT_TRUE(spinUntil([&] { return compositor.liveControls() == 1; }, 2000))
        << "none held for the output left as it is";

    options[connectorB] = {true, 100};
    gamma.apply(2000, options);
    ASSERT_TRUE(spinUntil([&] { return !writesTo(compositor, b).empty(); }, 2000));
    EXPECT_TRUE(matchesGains(writesTo(compositor, b).back(), 2000));
    options[connectorB] = {false, 100};
    gamma.apply(2000, options);
    EXPECT_TRUE(spinUntil([&] { return compositor.liveControls() == 1; }, 2000))
        << "given back at once";
}
