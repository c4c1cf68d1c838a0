// The Wayland layer against a real wlroots compositor: Debian's sway,
// headless. Its headless outputs have no gamma ramps, so the compositor
// refuses their controls; that refusal is what these tests see for real.
#include "core/gamma_service.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/wayland/wayland_display_layer.h"
#include "platform/wayland/wlr_window_watcher.h"
#include "support/child_process.h"
#include "support/event_loop.h"
#include "support/result_value.h"
#include "support/sway_server.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QProcess>

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
    // sway's headless output answers its control with `failed`, which is
    // what the status must say rather than tinting in name only.
    EXPECT_EQ(layer->onlineDisplays().size(), 0u);
    EXPECT_EQ(layer->trouble(), QStringLiteral("the compositor refused gamma control of every "
                                               "screen (another program may hold it)"));
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

// Two real Wayland clients: the one in front, its app_id and its
// fullscreen state follow sway's focus and fullscreen commands; a closed
// window is no longer in front.
TEST_F(Sway, TheWindowWatcherFollowsFocusFullscreenAndClose) {
    WlrWindowWatcher watcher(sway.socket());
    int changes = 0;
    watcher.start([&] { ++changes; });
    EXPECT_EQ(watcher.front(), std::nullopt);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), sway.socket());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QFileInfo(sway.socket()).absolutePath());
    QProcess first, second;
    for (QProcess* p : {&first, &second}) {
        p->setProcessEnvironment(env);
        torvel::test::endWithTest(*p);
    }
    first.start(QStringLiteral("weston-flower"), {});
    ASSERT_TRUE(spinUntil([&] { return watcher.front().has_value(); }, 5000));
    const FrontWindow flower = *watcher.front();
    ASSERT_EQ(flower.appIds.size(), 1u);
    second.start(QStringLiteral("weston-clickdot"), {});
    ASSERT_TRUE(spinUntil(
        [&] { return watcher.front() && watcher.front()->appIds != flower.appIds; }, 5000))
        << "the new window has the focus";
    const QStringList other = watcher.front()->appIds;

    sway.message({QStringLiteral("fullscreen"), QStringLiteral("enable")});
    EXPECT_TRUE(spinUntil([&] { return watcher.front() && watcher.front()->fullscreen; }, 3000));
    sway.message({QStringLiteral("fullscreen"), QStringLiteral("disable")});
    EXPECT_TRUE(spinUntil([&] { return watcher.front() && !watcher.front()->fullscreen; }, 3000));

    // The outputs it is on, by name: moved to a second output.
    EXPECT_TRUE(spinUntil(
        [&] { return watcher.front() && watcher.front()->outputs == QStringList{"HEADLESS-1"}; },
        3000));
    sway.message({QStringLiteral("create_output")});
    spinFor(500); // the new output is bound before a window is shown on it
    sway.message({QStringLiteral("move container to output HEADLESS-2, focus output HEADLESS-2")});
    EXPECT_TRUE(spinUntil(
        [&] { return watcher.front() && watcher.front()->outputs == QStringList{"HEADLESS-2"}; },
        3000));
    const int before = changes;
    second.kill();
    second.waitForFinished(5000);
    EXPECT_TRUE(
        spinUntil([&] { return !watcher.front() || watcher.front()->appIds != other; }, 3000))
        << "a closed window is no longer in front";
    EXPECT_GT(changes, before);
    watcher.stop();
    EXPECT_EQ(watcher.front(), std::nullopt);
    torvel::test::stopProcesses({&first});
}
