// The X11 layer against a real Xvfb, with ramps read back over RandR.
#include "color/channel_gains.h"
#include "core/gamma_service.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/runtime/display_key.h"
#include "platform/x11/randr_probe.h"
#include "platform/x11/x11_display_layer.h"
#include "support/event_loop.h"
#include "support/ramp_match.h"
#include "support/result_value.h"
#include "support/temp_dir.h"
#include "support/xvfb_server.h"

#include <cmath>
#include <csignal>
#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>

using namespace torvel;
using torvel::test::matchesGains;
using torvel::test::Ramps;
using torvel::test::RandrProbe;
using torvel::test::spinFor;
using torvel::test::spinUntil;
using torvel::test::XvfbServer;

namespace {

// The layer's requests travel on its own connection, so the probe may read
// before the server has handled them: wait briefly for the expected state.
bool eventuallyTinted(RandrProbe& probe, std::uint32_t crtc, std::int64_t kelvin) {
    return spinUntil([&] { return matchesGains(probe.ramps(crtc), kelvin); }, 2000);
}

bool eventuallyEqual(RandrProbe& probe, std::uint32_t crtc, const Ramps& expected) {
    return spinUntil([&] { return probe.ramps(crtc) == expected; }, 2000);
}

class X11Layer : public ::testing::Test {
protected:
    void SetUp() override {
        if (!XvfbServer::available()) {
            GTEST_SKIP() << "Xvfb is not installed (Debian package xvfb)";
        }
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }

    std::unique_ptr<X11DisplayLayer> connect(const XvfbServer& x) {
        return test::valueOf(X11DisplayLayer::create(x.display()));
    }

    test::TempDir runtime;
};

} // namespace

TEST_F(X11Layer, WritesRampsMatchingTheGainsAndRestoresTheOriginals) {
    XvfbServer x;
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    RandrProbe probe(x.display());
    const auto crtcs = probe.activeCrtcs();
    ASSERT_EQ(crtcs.size(), 1u);
    const Ramps calibration = RandrProbe::curve(probe.ramps(crtcs[0]).red.size(), 2.2, 1.8, 1.0);
    probe.setRamps(crtcs[0], calibration);

    auto layer = connect(x);
    ASSERT_TRUE(layer);
    QtMainQueue queue;
    auto gamma = std::make_unique<GammaService>(*layer, queue);
    spinFor(100); // a window for a write that must not come
    EXPECT_EQ(probe.ramps(crtcs[0]), calibration) << "creating the service writes nothing";

    gamma->apply(3400);
    EXPECT_TRUE(eventuallyTinted(probe, crtcs[0], 3400));
    EXPECT_TRUE(QFile::exists(layer->captureFilePath()));
    EXPECT_EQ(QFile::permissions(layer->captureFilePath()),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                  QFileDevice::WriteUser);
    gamma->apply(1000);
    EXPECT_TRUE(eventuallyTinted(probe, crtcs[0], 1000));

    gamma->apply(std::nullopt);
    EXPECT_EQ(probe.ramps(crtcs[0]), calibration) << "a calibration of another tool survives";
    EXPECT_FALSE(QFile::exists(layer->captureFilePath()));

    // The next tint captures again, so a calibration set meanwhile survives too.
    const Ramps other = RandrProbe::curve(calibration.red.size(), 1.0, 1.0, 2.0);
    probe.setRamps(crtcs[0], other);
    gamma->apply(5000);
    EXPECT_TRUE(eventuallyTinted(probe, crtcs[0], 5000));
    gamma.reset();
    layer.reset(); // closing the layer hands the ramps back as well
    EXPECT_EQ(probe.ramps(crtcs[0]), other);
}

TEST_F(X11Layer, WritesEveryScreen) {
    XvfbServer x(2);
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    RandrProbe probe(x.display());
    auto layer = connect(x);
    ASSERT_TRUE(layer);
    const auto crtcs = probe.activeCrtcs();
    ASSERT_EQ(crtcs.size(), 2u);
    EXPECT_EQ(layer->onlineDisplays().size(), 2u);

    QtMainQueue queue;
    GammaService gamma(*layer, queue);
    gamma.apply(2700);
    for (auto crtc : crtcs) {
        EXPECT_TRUE(eventuallyTinted(probe, crtc, 2700)) << crtc;
    }
    gamma.apply(std::nullopt);
    for (auto crtc : crtcs) {
        EXPECT_TRUE(eventuallyEqual(probe, crtc, RandrProbe::identity(256)))
            << crtc << " green[128]=" << probe.ramps(crtc).green.at(128);
    }
}

TEST_F(X11Layer, ScreenResizeFromAnotherClientLeadsToARewrite) {
    XvfbServer x(1, {}, QStringLiteral("1600x1200x24"));
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    RandrProbe probe(x.display());
    auto layer = connect(x);
    ASSERT_TRUE(layer);
    QtMainQueue queue;
    GammaService gamma(*layer, queue);
    gamma.apply(3000);
    const auto crtc = probe.activeCrtcs().at(0);

    // Our own writes raise no reconfiguration notice.
    int notices = 0;
    auto subscription = layer->subscribeReconfiguration([&](const DisplayChange&) { ++notices; });
    for (int i = 0; i < 5; ++i) {
        gamma.apply(3000 + i * 100);
    }
    spinFor(400); // a window for notices that must not come
    EXPECT_EQ(notices, 0) << "our own writes raised notices";

    // Someone else resets the ramps, then reconfigures the screen. Xvfb's
    // only mode is its initial size, so the screen is shrunk with its output
    // off and grown back with it on.
    probe.setRamps(crtc, RandrProbe::identity(probe.ramps(crtc).red.size()));
    ASSERT_EQ(x.runClient("xrandr", {"--output", "screen", "--off", "--fb", "800x600"}), 0);
    ASSERT_EQ(x.runClient("xrandr", {"--output", "screen", "--auto", "--fb", "1600x1200"}), 0);
    EXPECT_TRUE(spinUntil([&] { return matchesGains(probe.ramps(crtc), 3400); }, 1000))
        << "rewritten within a second";
    EXPECT_GT(notices, 0);
}

TEST_F(X11Layer, ScreenSaverEndingRewritesTheTables) {
    XvfbServer x;
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    RandrProbe probe(x.display());
    auto layer = connect(x);
    ASSERT_TRUE(layer);
    QtMainQueue queue;
    GammaService gamma(*layer, queue);
    gamma.apply(4000);
    const auto crtc = probe.activeCrtcs().at(0);
    ASSERT_EQ(x.runClient("xset", {"s", "activate"}), 0);
    spinFor(200);
    probe.setRamps(crtc, RandrProbe::identity(probe.ramps(crtc).red.size()));
    ASSERT_EQ(x.runClient("xset", {"s", "reset"}), 0);
    EXPECT_TRUE(spinUntil([&] { return matchesGains(probe.ramps(crtc), 4000); }, 1000));
}

TEST_F(X11Layer, BadRequestsNeverCrashOrStopOtherWrites) {
    XvfbServer x;
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    RandrProbe probe(x.display());
    auto layer = connect(x);
    ASSERT_TRUE(layer);
    const std::vector<float> t(256, 0.5f);
    layer->setTransferTable(0xdeadbeef, t, t, t); // no such CRTC
    layer->setTransferTable(0, t, t, t);
    spinFor(100);
    const auto crtc = probe.activeCrtcs().at(0);
    layer->setTransferTable(crtc, t, t, t);
    EXPECT_TRUE(spinUntil([&] { return probe.ramps(crtc).green.at(10) == 32768; }, 2000));
}

TEST_F(X11Layer, ASigkilledProcessLeavesItsCaptureAndTheNextStartRestoresIt) {
    XvfbServer x;
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    RandrProbe probe(x.display());
    const auto crtc = probe.activeCrtcs().at(0);
    const Ramps calibration = RandrProbe::curve(probe.ramps(crtc).red.size(), 1.6, 1.6, 1.6);
    probe.setRamps(crtc, calibration);

    QProcess child;
    child.start(TINT_CHILD, {x.display()});
    ASSERT_TRUE(child.waitForReadyRead(10000)) << child.readAllStandardError().toStdString();
    ASSERT_EQ(child.readLine().trimmed(), "tinted");
    EXPECT_TRUE(eventuallyTinted(probe, crtc, 2700));

    // While the child lives, a second start leaves its capture alone.
    {
        auto second = connect(x);
        ASSERT_TRUE(second);
        EXPECT_TRUE(QFile::exists(second->captureFilePath()));
        EXPECT_TRUE(eventuallyTinted(probe, crtc, 2700));
    }

    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(5000));
    EXPECT_TRUE(eventuallyTinted(probe, crtc, 2700)) << "X keeps the ramps of a dead client";

    auto next = connect(x);
    ASSERT_TRUE(next);
    EXPECT_TRUE(eventuallyEqual(probe, crtc, calibration));
    EXPECT_FALSE(QFile::exists(next->captureFilePath()));
}

TEST_F(X11Layer, StartFailsClearlyWithoutAServerOrWithoutRandr) {
    const auto noServer = X11DisplayLayer::create(":64999");
    EXPECT_FALSE(noServer);
    EXPECT_TRUE(noServer.error().contains("cannot connect")) << noServer.error().toStdString();

    XvfbServer x(1, {"-extension", "RANDR"});
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    const auto noRandr = X11DisplayLayer::create(x.display());
    EXPECT_FALSE(noRandr);
    EXPECT_TRUE(noRandr.error().contains("no RandR")) << noRandr.error().toStdString();
}

// Whatever spelling reaches the app (an older X library opens "unix:1",
// a newer one does not), one server has one key.
TEST(X11DisplayKey, EverySpellingOfALocalDisplayIsOneKey) {
    for (const char* spelling : {":1", ":1.0", "unix:1", "unix/:1", "localhost:1.0", "[::1]:1"}) {
        EXPECT_EQ(x11DisplayKey(QString::fromLatin1(spelling)), QStringLiteral("x11-1"))
            << spelling;
    }
    EXPECT_EQ(x11DisplayKey(QStringLiteral("far.example:01")), QStringLiteral("x11-far.example-1"));
    EXPECT_EQ(x11DisplayKey(QStringLiteral("../x:2")), QStringLiteral("x11-.._x-2"));
}
