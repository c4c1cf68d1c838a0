// What every display layer promises, checked against each real host and
// the in-memory fake: the target shows until restored, the host's own state
// comes back exactly (also when the layer closes), a record a crash left is
// given back at the next start, and a host that stops taking our colour is
// trouble that says why. Each host's own tests cover what only it does.
#include "color/channel_gains.h"
#include "color/transfer_tables.h"
#include "fakes/in_memory_display_layer.h"
#include "platform/gnome/gnome_display_layer.h"
#include "platform/kwin/kwin_display_layer.h"
#include "platform/wayland/wayland_display_layer.h"
#include "platform/x11/randr_probe.h"
#include "platform/x11/x11_display_layer.h"
#include "support/event_loop.h"
#include "support/gnome_session.h"
#include "support/kwin_server.h"
#include "support/ramp_match.h"
#include "support/result_value.h"
#include "support/temp_dir.h"
#include "support/test_compositor.h"
#include "support/xvfb_server.h"

#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

namespace torvel {
namespace {

using test::spinUntil;

bool eventually(const std::function<bool()>& condition) {
    return spinUntil(condition, 8000);
}

ColorTarget targetOf(std::int64_t kelvin) {
    return ColorTarget{kelvin, ChannelGains(kelvin), {}};
}

// Each host: how to make a layer, what it shows, and how it can fail.
// `record` is where the layer keeps the host's state for a crash (empty for
// hosts that give it back by themselves when our connection ends).

struct FakeHost {
    static constexpr bool canBreak = false;
    QString notReady() const { return {}; }
    // The fake keeps nothing beyond its life.
    struct Layer : InMemoryDisplayLayer {
        explicit Layer(FakeHost& h)
            : host(h) {}
        ~Layer() override { host.live = nullptr; }
        FakeHost& host;
    };
    std::unique_ptr<DisplayLayer> create() {
        auto layer = std::make_unique<Layer>(*this);
        live = layer.get();
        return layer;
    }
    QString record(const DisplayLayer&) const { return {}; }
    bool shows(std::int64_t kelvin) const {
        const auto t = live->lastTables.find(1);
        const TransferTables want = buildTransferTables(ChannelGains(kelvin));
        const auto same = [](const std::vector<float>& a, const auto& b) {
            return std::equal(a.begin(), a.end(), b.begin(), b.end());
        };
        return t != live->lastTables.end() && same(t->second.red, want.red) &&
               same(t->second.green, want.green) && same(t->second.blue, want.blue);
    }
    bool showsOwn() const { return !live || live->lastTables.empty(); }
    void breakHost() {}
    QString troubleWords() const { return {}; }
    InMemoryDisplayLayer* live = nullptr;
};

struct X11Host {
    static constexpr bool canBreak = true;
    X11Host() {
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        if (x.running()) {
            probe.emplace(x.display());
            crtc = probe->activeCrtcs().at(0);
            own = test::RandrProbe::curve(probe->ramps(crtc).red.size(), 2.2, 1.8, 1.0);
            probe->setRamps(crtc, own);
        }
    }
    QString notReady() const { return x.running() ? QString() : x.error(); }
    std::unique_ptr<DisplayLayer> create() {
        return test::valueOf(X11DisplayLayer::create(x.display()));
    }
    QString record(const DisplayLayer& l) const {
        return static_cast<const X11DisplayLayer&>(l).captureFilePath();
    }
    bool shows(std::int64_t kelvin) {
        return eventually(
            [&] { return test::matchesGainsThrough(probe->ramps(crtc), own, kelvin); });
    }
    bool showsOwn() {
        return eventually([&] { return probe->ramps(crtc) == own; });
    }
    void breakHost() { x.crash(); }
    QString troubleWords() const { return QStringLiteral("connection to the X server"); }

    test::TempDir runtime;
    test::XvfbServer x;
    std::optional<test::RandrProbe> probe;
    std::uint32_t crtc = 0;
    test::Ramps own;
};

struct WaylandHost {
    static constexpr bool canBreak = true;
    WaylandHost()
        : output(compositor.addOutput(256)) {}
    QString notReady() const { return {}; }
    std::unique_ptr<DisplayLayer> create() {
        return test::valueOf(WaylandDisplayLayer::create(compositor.socket()));
    }
    QString record(const DisplayLayer&) const { return {}; }
    bool shows(std::int64_t kelvin) const {
        return eventually([&] {
            const auto writes = compositor.writes();
            return compositor.liveControls() > 0 && !writes.empty() &&
                   writes.back().output == output && test::matchesGains(writes.back(), kelvin);
        });
    }
    // The compositor gives an output its own ramps back once our control
    // of it is gone.
    bool showsOwn() const {
        return eventually([&] { return compositor.liveControls() == 0; });
    }
    // Another program takes the output's gamma control.
    void breakHost() { compositor.failControl(output); }
    QString troubleWords() const { return QStringLiteral("refused gamma control"); }

    test::TestCompositor compositor;
    std::uint32_t output = 0;
};

// One KWin and one GNOME session per process: its session bus and GIO stay
// with the first they see.
struct KWinHost {
    static constexpr bool canBreak = true;
    KWinHost() {
        static test::KWinServer* shared = new test::KWinServer;
        kwin = shared;
        qputenv("DBUS_SESSION_BUS_ADDRESS", kwin->busAddress().toUtf8());
        if (kwin->running()) {
            kwin->writeUserConfig(QStringLiteral("[Other]\nTitle=x\n\n[NightColor]\n"
                                                 "Active=false\nNightTemperature=4500\n"));
            own = kwin->readKwinrc();
        }
    }
    QString notReady() const { return kwin->error(); }
    std::unique_ptr<DisplayLayer> create() {
        KWinDisplayLayer::Options options;
        options.kwinrc = kwin->kwinrc();
        options.capture = runtime.file(QStringLiteral("kwin.json"));
        return test::valueOf(KWinDisplayLayer::create(options));
    }
    QString record(const DisplayLayer& l) const {
        return static_cast<const KWinDisplayLayer&>(l).captureFilePath();
    }
    bool shows(std::int64_t kelvin) const {
        return kwin->waitFor(QStringLiteral("targetTemperature"),
                             QVariant::fromValue(static_cast<uint>(kelvin)));
    }
    bool showsOwn() const {
        return kwin->readKwinrc() == own && kwin->waitFor(QStringLiteral("enabled"), false);
    }
    // A folder where kwinrc was: nothing can be written.
    void breakHost() {
        QFile::remove(kwin->kwinrc());
        QDir().mkdir(kwin->kwinrc());
    }
    QString troubleWords() const { return QStringLiteral("kwinrc is not a regular file"); }

    test::KWinServer* kwin = nullptr;
    test::TempDir runtime;
    QString own;
};

struct GnomeHost {
    static constexpr bool canBreak = false; // a lockdown has a test of its own
    GnomeHost() {
        static test::GnomeSession* shared = [] {
            auto* s = new test::GnomeSession;
            s->enterThisProcess();
            // GIO raises SIGTERM in this process when the bus goes away.
            std::signal(SIGTERM, SIG_IGN);
            return s;
        }();
        session = shared;
        if (session->running()) {
            session->reset(QStringLiteral("night-light-enabled"));
            session->set(QStringLiteral("night-light-temperature"), QStringLiteral("4100"));
        }
    }
    QString notReady() const { return session->error(); }
    std::unique_ptr<DisplayLayer> create() {
        return test::valueOf(GnomeDisplayLayer::create(
            {.capture = runtime.file(QStringLiteral("gnome.json")),
             .displayLocked = false,
             // Noon: the layer moves Night Light's window near its edges.
             .clock = [] { return QDateTime(QDate(2026, 12, 7), QTime(12, 0)); }}));
    }
    QString record(const DisplayLayer& l) const {
        return static_cast<const GnomeDisplayLayer&>(l).captureFilePath();
    }
    bool shows(std::int64_t kelvin) const {
        return eventually([&] {
            return session->get(QStringLiteral("night-light-enabled")) == "true" &&
                   session->get(QStringLiteral("night-light-temperature")) ==
                       QStringLiteral("uint32 %1").arg(kelvin);
        });
    }
    bool showsOwn() const {
        return eventually([&] {
            return !session->hasUserValue(QStringLiteral("night-light-enabled")) &&
                   session->get(QStringLiteral("night-light-temperature")) == "uint32 4100";
        });
    }
    void breakHost() {}
    QString troubleWords() const { return {}; }

    test::GnomeSession* session = nullptr;
    test::TempDir runtime;
};

template <class Host> class DisplayLayerContract : public ::testing::Test {
protected:
    void SetUp() override {
        if (const QString why = host_.notReady(); !why.isEmpty()) {
            GTEST_SKIP() << why.toStdString();
        }
    }
    Host host_;
};

using Hosts = ::testing::Types<FakeHost, X11Host, WaylandHost, KWinHost, GnomeHost>;
class HostNames {
public:
    template <class T> static std::string GetName(int) {
        if constexpr (std::is_same_v<T, FakeHost>)
            return "Fake";
        if constexpr (std::is_same_v<T, X11Host>)
            return "X11";
        if constexpr (std::is_same_v<T, WaylandHost>)
            return "Wayland";
        if constexpr (std::is_same_v<T, KWinHost>)
            return "KWin";
        return "Gnome";
    }
};
TYPED_TEST_SUITE(DisplayLayerContract, Hosts, HostNames);

TYPED_TEST(DisplayLayerContract, TheTargetShowsUntilRestoredAndTheHostsOwnStateComesBack) {
    auto& h = this->host_;
    auto layer = h.create();
    ASSERT_TRUE(layer);
    const QString record = h.record(*layer);
    layer->restoreColorSettings(); // before any change: nothing to give back
    EXPECT_TRUE(h.showsOwn());

    layer->show(targetOf(3400));
    EXPECT_TRUE(h.shows(3400));
    if (!record.isEmpty()) {
        EXPECT_TRUE(QFile::exists(record)) << "kept before the first change";
    }
    layer->show(targetOf(3400)); // unchanged, as on every tick
    layer->show(targetOf(2800));
    EXPECT_TRUE(h.shows(2800));
    EXPECT_FALSE(layer->trouble());

    layer->restoreColorSettings();
    EXPECT_TRUE(h.showsOwn());
    layer->restoreColorSettings();
    EXPECT_TRUE(h.showsOwn());
    EXPECT_FALSE(QFile::exists(record));

    layer->show(targetOf(3400)); // a new capture after a restore
    EXPECT_TRUE(h.shows(3400));
    layer.reset(); // closing gives back too
    EXPECT_TRUE(h.showsOwn());
    EXPECT_FALSE(QFile::exists(record));
}

TYPED_TEST(DisplayLayerContract, ARecordLeftByAProcessThatIsGoneIsGivenBackAtTheNextStart) {
    auto& h = this->host_;
    // A layer that never closes stands for a process that was killed: the
    // host keeps our colour and the record names a process that is gone.
    auto killed = h.create();
    ASSERT_TRUE(killed);
    const QString record = h.record(*killed);
    if (record.isEmpty()) {
        return; // the host gives its state back by itself
    }
    killed->show(targetOf(3400));
    ASSERT_TRUE(h.shows(3400));
    QFile file(record);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    bytes.replace("\"pid\":" + QByteArray::number(QCoreApplication::applicationPid()),
                  "\"pid\":2147483646");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();

    auto next = h.create();
    ASSERT_TRUE(next);
    EXPECT_TRUE(h.showsOwn());
    EXPECT_FALSE(QFile::exists(record));
}

TYPED_TEST(DisplayLayerContract, AHostThatStopsTakingOurColourIsTroubleThatSaysWhy) {
    auto& h = this->host_;
    if constexpr (TypeParam::canBreak) {
        auto layer = h.create();
        ASSERT_TRUE(layer);
        int told = 0;
        const Subscription s = layer->subscribeTrouble([&] { ++told; });
        layer->show(targetOf(3400));
        ASSERT_TRUE(h.shows(3400));
        h.breakHost();
        EXPECT_TRUE(eventually([&] {
            layer->show(targetOf(2800)); // a new colour that cannot reach the screens
            return layer->trouble() && layer->trouble()->contains(h.troubleWords());
        })) << layer->trouble().value_or(QStringLiteral("no trouble")).toStdString();
        EXPECT_TRUE(eventually([&] { return told > 0; }));
    }
}

} // namespace
} // namespace torvel
