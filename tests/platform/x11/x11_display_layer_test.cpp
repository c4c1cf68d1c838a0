// The X11 layer against a real Xvfb, with ramps read back over RandR.
#include "color/channel_gains.h"
#include "color/display_strength.h"
#include "core/gamma_service.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/runtime/display_key.h"
#include "platform/x11/edid_name.h"
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
using torvel::test::matchesGainsThrough;
using torvel::test::Ramps;
using torvel::test::RandrProbe;
using torvel::test::spinFor;
using torvel::test::spinUntil;
using torvel::test::XvfbServer;

namespace {

// The layer's requests travel on its own connection, so the probe may read
// before the server has handled them: wait briefly for the expected state.
bool eventuallyTinted(RandrProbe& probe, std::uint32_t crtc, std::int64_t kelvin,
                      const Ramps& own = {}) {
    return spinUntil(
        [&] {
            return own.red.empty() ? matchesGains(probe.ramps(crtc), kelvin)
                                   : matchesGainsThrough(probe.ramps(crtc), own, kelvin);
        },
        2000);
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
    EXPECT_TRUE(eventuallyTinted(probe, crtcs[0], 3400, calibration));
    EXPECT_TRUE(QFile::exists(layer->captureFilePath()));
    EXPECT_EQ(QFile::permissions(layer->captureFilePath()),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                  QFileDevice::WriteUser);
    gamma->apply(1000);
    EXPECT_TRUE(eventuallyTinted(probe, crtcs[0], 1000, calibration));

    gamma->apply(std::nullopt);
    EXPECT_EQ(probe.ramps(crtcs[0]), calibration) << "a calibration of another tool survives";
    EXPECT_FALSE(QFile::exists(layer->captureFilePath()));

    // The next tint captures again, so a calibration set meanwhile survives too.
    const Ramps other = RandrProbe::curve(calibration.red.size(), 1.0, 1.0, 2.0);
    probe.setRamps(crtcs[0], other);
    gamma->apply(5000);
    EXPECT_TRUE(eventuallyTinted(probe, crtcs[0], 5000, other));
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
    EXPECT_TRUE(eventuallyTinted(probe, crtc, 2700, calibration));

    // While the child lives, a second start leaves its capture alone.
    {
        auto second = connect(x);
        ASSERT_TRUE(second);
        EXPECT_TRUE(QFile::exists(second->captureFilePath()));
        EXPECT_TRUE(eventuallyTinted(probe, crtc, 2700, calibration));
    }

    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(5000));
    EXPECT_TRUE(eventuallyTinted(probe, crtc, 2700, calibration))
        << "X keeps the ramps of a dead client";

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
    EXPECT_EQ(x11DisplayKey(QStringLiteral("tcp/far:3.1")), QStringLiteral("x11-far-3"));
    // Not a display's name: the whole of it, made safe for a file name.
    for (const char* odd : {"nocolon", ":", ":1.", ":x", "a:1:b"}) {
        EXPECT_EQ(x11DisplayKey(QString::fromLatin1(odd)),
                  QStringLiteral("x11-") + QString::fromLatin1(odd).replace(u':', u'_'))
            << odd;
    }
}

namespace {

// An EDID base block: maker "TVB", product 0x0102, serial number 77, and
// the serial and monitor name texts when given.
std::vector<std::uint8_t> edid(const char* serialText, const char* name) {
    std::vector<std::uint8_t> e(128, 0);
    const std::uint8_t header[] = {0x00, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x00};
    std::copy(std::begin(header), std::end(header), e.begin());
    const unsigned maker = (('T' - 'A' + 1) << 10) | (('V' - 'A' + 1) << 5) | ('B' - 'A' + 1);
    e[8] = static_cast<std::uint8_t>(maker >> 8);
    e[9] = static_cast<std::uint8_t>(maker & 0xff);
    e[10] = 0x02;
    e[11] = 0x01;
    e[12] = 77;
    std::size_t at = 54;
    for (const auto& [tag, text] : {std::pair{0xff, serialText}, std::pair{0xfc, name}}) {
        if (!text) {
            continue;
        }
        e[at + 3] = static_cast<std::uint8_t>(tag);
        std::fill(e.begin() + at + 5, e.begin() + at + 18, ' ');
        std::size_t i = 0;
        for (; text[i] && i < 13; ++i) {
            e[at + 5 + i] = static_cast<std::uint8_t>(text[i]);
        }
        if (i < 13) {
            e[at + 5 + i] = '\n';
        }
        at += 18;
    }
    return e;
}

} // namespace

TEST(EdidDisplayName, TheMonitorsOwnNamesOrNothing) {
    const QString port = QStringLiteral("DP-1");
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::optional<DisplayName> expected;
    };
    auto bad = edid(nullptr, nullptr);
    bad[8] = 0; // no maker letters
    std::vector<std::uint8_t> escapes = edid("S\x1b[2J1", "Bad\x07Name");
    std::vector<std::uint8_t> short_ = edid(nullptr, nullptr);
    short_.resize(100);
    for (const Case& c : {
             Case{edid("A1B2C3", "Studio 27"),
                  DisplayName{"TVB-0102-A1B2C3", port, "Studio 27", {}}},
             Case{edid(nullptr, nullptr), DisplayName{"TVB-0102-77", port, "TVB-0102-77", {}}},
             Case{escapes, DisplayName{"TVB-0102-S[2J1", port, "BadName", {}}},
             Case{bad, std::nullopt},
             Case{short_, std::nullopt},
         }) {
        EXPECT_EQ(edidDisplayName(c.bytes, port), c.expected);
    }
}

// Two monitors of one desktop, as Xorg's dummy driver gives them: each
// takes its own strength or none, a calibration stays under the tint and a
// new one loaded meanwhile is the one given back, and a monitor replugged
// keeps its choices.
TEST_F(X11Layer, EachDisplayItsOwnOnTwoCrtcs) {
    if (const QString why = test::XorgDummyServer::unavailable(); !why.isEmpty()) {
        GTEST_SKIP() << why.toStdString();
    }
    test::XorgDummyServer x(2);
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    RandrProbe probe(x.display());
    ASSERT_TRUE(probe.setEdid(QStringLiteral("DUMMY1"), edid("SN42", "Night Owl")));
    const auto crtcs = probe.activeCrtcs();
    ASSERT_EQ(crtcs.size(), 2u);
    const std::size_t size = probe.ramps(crtcs[0]).red.size();
    const Ramps calibration = RandrProbe::curve(size, 2.2, 1.8, 1.0);
    probe.setRamps(crtcs[0], calibration);
    const Ramps second = probe.ramps(crtcs[1]);

    auto layer = connect(x);
    ASSERT_TRUE(layer);
    const auto names = layer->namedDisplays();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], (DisplayName{"DUMMY0", "DUMMY0", "DUMMY0", names[0].area}));
    EXPECT_EQ(
        names[1],
        (DisplayName{
            "TVB-0102-SN42", "DUMMY1", "Night Owl", {names[0].area.right() + 1, 0, 1024, 768}}));

    QtMainQueue queue;
    GammaService gamma(*layer, queue);
    DisplayOptionsMap options{{"DUMMY0", {true, 50}}, {"TVB-0102-SN42", {false, 100}}};
    gamma.apply(2000, options);
    const std::int64_t half = kelvinAtStrength(2000, 50);
    EXPECT_TRUE(eventuallyTinted(probe, crtcs[0], half, calibration)) << "through its curve";
    spinFor(100);
    EXPECT_EQ(probe.ramps(crtcs[1]), second) << "a display left out is never written";

    // A loader puts a new calibration in while we tint: it is the curve from now on.
    const Ramps reloaded = RandrProbe::curve(size, 1.4, 1.4, 1.4);
    probe.setRamps(crtcs[0], reloaded);
    gamma.apply(2000, options); // asks what is there, and finds out at the next write
    spinFor(100);
    gamma.apply(2000, options);
    EXPECT_TRUE(eventuallyTinted(probe, crtcs[0], half, reloaded));

    // Chosen on, then off again while tinting: its own ramps come back exactly.
    options["TVB-0102-SN42"] = {true, 100};
    gamma.apply(2000, options);
    EXPECT_TRUE(eventuallyTinted(probe, crtcs[1], 2000));
    options["TVB-0102-SN42"] = {false, 100};
    gamma.apply(2000, options);
    EXPECT_TRUE(eventuallyEqual(probe, crtcs[1], second));

    // Replugged, the monitor is known by its EDID and keeps its strength.
    options["TVB-0102-SN42"] = {true, 50};
    gamma.apply(2000, options);
    ASSERT_TRUE(x.replug(1));
    ASSERT_TRUE(probe.setEdid(QStringLiteral("DUMMY1"), edid("SN42", "Night Owl")));
    const auto replugged = probe.activeCrtcs();
    ASSERT_EQ(replugged.size(), 2u);
    EXPECT_TRUE(spinUntil([&] { return matchesGains(probe.ramps(replugged[1]), half); }, 2000));

    gamma.apply(std::nullopt);
    EXPECT_EQ(probe.ramps(crtcs[0]), reloaded) << "the calibration loaded last goes back";
    EXPECT_TRUE(eventuallyEqual(probe, replugged[1], second));
}
