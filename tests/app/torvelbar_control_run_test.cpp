// The control surface end to end: the built torvelbar on Xvfb with a
// private session bus, driven through its D-Bus interface and through the
// command line, with the ramps read back from the X server.
#include "color/display_strength.h"
#include "platform/x11/randr_probe.h"
#include "support/event_loop.h"
#include "support/private_bus.h"
#include "support/ramp_match.h"
#include "support/silent_socket.h"
#include "support/x_flood.h"
#include "support/xvfb_server.h"
#include "x11_desktop.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <iostream>
#include <QDateTime>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QDBusReply>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <thread>
#include <tuple>

namespace torvel {
namespace {

using test::spinUntil;

const QString service = QStringLiteral("org.torvelbar.TorvelBar");
const QString path = QStringLiteral("/org/torvelbar/TorvelBar");
const QString iface = QStringLiteral("org.torvelbar.TorvelBar1");

class Control : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(x.running() && bus.running());
        crtc = probe.activeCrtcs().front();
        const auto size = probe.ramps(crtc).red.size();
        untinted = test::RandrProbe::identity(size);
        probe.setRamps(crtc, untinted);
    }
    void startApp() {
        desktop.start(app, QStringLiteral(TORVELBAR_EXECUTABLE), {});
        ASSERT_TRUE(
            spinUntil([&] { return client.interface()->isServiceRegistered(service); }, 10000))
            << app.readAllStandardError().toStdString();
    }
    void TearDown() override {
        if (app.state() != QProcess::NotRunning) {
            app.terminate();
            app.waitForFinished(5000);
        }
    }

    QDBusMessage call(const QString& method, const QVariantList& args = {},
                      QDBusConnection* on = nullptr) {
        QDBusMessage m = QDBusMessage::createMethodCall(service, path, iface, method);
        m.setArguments(args);
        return (on ? *on : client).call(m, QDBus::Block, 5000);
    }
    QVariant property(const QString& name) {
        QDBusMessage m = QDBusMessage::createMethodCall(
            service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        m << iface << name;
        const QDBusReply<QDBusVariant> reply = client.call(m, QDBus::Block, 5000);
        return reply.isValid() ? reply.value().variant() : QVariant();
    }
    bool showing(std::int64_t kelvin) {
        return spinUntil([&] { return test::matchesGains(probe.ramps(crtc), kelvin); }, 3000);
    }
    bool untintedNow() {
        return spinUntil([&] { return probe.ramps(crtc) == untinted; }, 3000);
    }
    // The app's private memory now, in kB.
    long rssAnonKb() {
        QFile status(QStringLiteral("/proc/%1/status").arg(app.processId()));
        status.open(QIODevice::ReadOnly);
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("RssAnon:")) {
                return line.mid(8).trimmed().split(' ').front().toLong();
            }
        }
        return 0;
    }
    // Runs the command line against this session; its exit code and output.
    std::pair<int, QString> cli(const QStringList& args) {
        QProcess p;
        desktop.start(p, QStringLiteral(TORVELBAR_EXECUTABLE), args);
        p.waitForFinished(10000);
        return {p.exitCode(),
                QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()).trimmed()};
    }

    test::XvfbServer x;
    test::PrivateBus bus;
    test::Desktop desktop{x, bus.address()};
    test::RandrProbe probe{x.display()};
    QDBusConnection client = bus.connect(QStringLiteral("client"));
    std::uint32_t crtc = 0;
    test::Ramps untinted;
    QProcess app;
};

TEST_F(Control, EveryMethodAndPropertyThroughTheBus) {
    startApp();
    ASSERT_EQ(call(QStringLiteral("SetMode"), {QStringLiteral("manual")}).type(),
              QDBusMessage::ReplyMessage);
    ASSERT_EQ(call(QStringLiteral("SetManualKelvin"), {qlonglong(3000)}).type(),
              QDBusMessage::ReplyMessage);
    EXPECT_TRUE(showing(3000));
    EXPECT_TRUE(
        spinUntil([&] { return property(QStringLiteral("Kelvin")).toLongLong() == 3000; }, 2000));
    EXPECT_EQ(property(QStringLiteral("Mode")).toString(), QStringLiteral("manual"));
    EXPECT_EQ(property(QStringLiteral("ManualKelvin")).toLongLong(), 3000);
    EXPECT_EQ(property(QStringLiteral("Status")).toString(), QStringLiteral("Fixed color"));
    EXPECT_TRUE(property(QStringLiteral("Tinted")).toBool());
    EXPECT_EQ(property(QStringLiteral("Phase")).toString(), QString());

    // Bad arguments: a clear error, nothing changed.
    const QDBusMessage bad = call(QStringLiteral("SetMode"), {QStringLiteral("Auto")});
    EXPECT_EQ(bad.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
    EXPECT_EQ(property(QStringLiteral("Mode")).toString(), QStringLiteral("manual"));
    for (const qlonglong kelvin : {100LL, 6501LL, -5LL, 99999999LL}) {
        const QDBusMessage outside = call(QStringLiteral("SetManualKelvin"), {kelvin});
        EXPECT_EQ(outside.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
        EXPECT_TRUE(outside.errorMessage().contains(QStringLiteral("1000 to 6500 K")));
    }
    EXPECT_EQ(property(QStringLiteral("ManualKelvin")).toLongLong(), 3000);
    EXPECT_EQ(call(QStringLiteral("Uninhibit"), {uint(77)}).errorName(),
              QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));

    // Pause and resume.
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    call(QStringLiteral("Pause"), {uint(3600)});
    EXPECT_TRUE(untintedNow());
    EXPECT_NEAR(property(QStringLiteral("PausedUntil")).toLongLong(), before + 3600, 5);
    EXPECT_FALSE(property(QStringLiteral("Tinted")).toBool());
    EXPECT_TRUE(property(QStringLiteral("Status")).toString().startsWith("Paused until "));
    call(QStringLiteral("Resume"));
    EXPECT_TRUE(showing(3000));
    EXPECT_EQ(property(QStringLiteral("PausedUntil")).toLongLong(), 0);

    // An inhibition ends when its caller leaves the bus.
    {
        QDBusConnection player = bus.connect(QStringLiteral("player"));
        const QDBusMessage reply =
            call(QStringLiteral("Inhibit"), {QStringLiteral("mpv")}, &player);
        ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage);
        EXPECT_NE(reply.arguments().value(0).toUInt(), 0u);
        EXPECT_TRUE(untintedNow());
        EXPECT_TRUE(property(QStringLiteral("Inhibited")).toBool());
        EXPECT_EQ(property(QStringLiteral("Status")).toString(), QStringLiteral("Paused: mpv"));
        QDBusConnection::disconnectFromBus(QStringLiteral("player"));
    }
    EXPECT_TRUE(showing(3000)) << "the tint returns when the inhibitor leaves";

    // Toggle: off, then back to the mode before.
    call(QStringLiteral("Toggle"));
    EXPECT_TRUE(untintedNow());
    EXPECT_EQ(property(QStringLiteral("Mode")).toString(), QStringLiteral("off"));
    call(QStringLiteral("Toggle"));
    EXPECT_TRUE(showing(3000));
    EXPECT_EQ(property(QStringLiteral("Mode")).toString(), QStringLiteral("manual"));

    const QVariantMap schedule =
        qdbus_cast<QVariantMap>(property(QStringLiteral("Schedule")).value<QDBusArgument>());
    EXPECT_EQ(schedule.value(QStringLiteral("bedtime")).toLongLong(), 1410);
    EXPECT_EQ(schedule.value(QStringLiteral("nightKelvin")).toLongLong(), 2700);

    call(QStringLiteral("ShowPopover"));
    EXPECT_TRUE(spinUntil(
        [&] {
            for (const auto& w : desktop.windows(QStringLiteral("torvelbar"), true)) {
                if (w.second.width() == 300) {
                    return true;
                }
            }
            return false;
        },
        5000));
}

TEST_F(Control, InhibitionsBelongToTheirCallerAndAreBounded) {
    startApp();
    const QString inhibitError = QStringLiteral("org.freedesktop.DBus.Error.LimitsExceeded");

    // A caller that does not wait for the reply is gone before it is handled.
    desktop.run(QStringLiteral("dbus-send"),
                {QStringLiteral("--session"), QStringLiteral("--type=method_call"),
                 QStringLiteral("--dest=") + service, path, iface + QStringLiteral(".Inhibit"),
                 QStringLiteral("string:x")});
    // Our own call queues behind it, so its answer means the Inhibit was seen.
    property(QStringLiteral("Inhibited"));
    EXPECT_TRUE(spinUntil([&] { return !property(QStringLiteral("Inhibited")).toBool(); }, 1000))
        << "released at once";

    // Only its own caller gives a cookie back.
    QDBusConnection player = bus.connect(QStringLiteral("player"));
    const uint cookie = call(QStringLiteral("Inhibit"), {QStringLiteral("mpv")}, &player)
                            .arguments()
                            .value(0)
                            .toUInt();
    EXPECT_EQ(call(QStringLiteral("Uninhibit"), {cookie}).errorName(),
              QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
    EXPECT_TRUE(property(QStringLiteral("Inhibited")).toBool());
    EXPECT_EQ(call(QStringLiteral("Uninhibit"), {cookie}, &player).type(),
              QDBusMessage::ReplyMessage);
    EXPECT_FALSE(property(QStringLiteral("Inhibited")).toBool());

    // A flood from one caller: every call answered, 64 granted, the rest
    // refused, and the app still answers at once.
    std::vector<QDBusPendingCall> flood;
    flood.reserve(10000);
    for (int i = 0; i < 10000; ++i) {
        QDBusMessage m =
            QDBusMessage::createMethodCall(service, path, iface, QStringLiteral("Inhibit"));
        m << QString(1000, u'r');
        flood.push_back(player.asyncCall(m, 20000));
    }
    EXPECT_TRUE(spinUntil(
        [&] {
            return std::all_of(flood.begin(), flood.end(),
                               [](const QDBusPendingCall& c) { return c.isFinished(); });
        },
        5000))
        << "all answered within 5 s";
    const auto granted = std::count_if(flood.begin(), flood.end(),
                                       [](const QDBusPendingCall& c) { return !c.isError(); });
    EXPECT_EQ(granted, 64);
    EXPECT_EQ(flood.back().error().name(), inhibitError);
    QDBusMessage get = QDBusMessage::createMethodCall(
        service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << iface << QStringLiteral("Status");
    const QDBusMessage status = client.call(get, QDBus::Block, 1000);
    ASSERT_EQ(status.type(), QDBusMessage::ReplyMessage) << "answers within 1 s";
    EXPECT_EQ(qdbus_cast<QDBusVariant>(status.arguments().value(0)).variant().toString(),
              QStringLiteral("Paused: ") + QString(200, u'r'))
        << "the reason is cut to 200 characters";
    flood.clear();
    player = QDBusConnection(QStringLiteral("none")); // the last reference: leave the bus
    QDBusConnection::disconnectFromBus(QStringLiteral("player"));
    EXPECT_TRUE(spinUntil([&] { return !property(QStringLiteral("Inhibited")).toBool(); }, 2000));
}

// Each line of --follow is one state: no line mixes the mode before a change
// with the colour after it, and the last agrees with the screens.
TEST_F(Control, TheFollowedStatusNeverMixesTwoStates) {
    startApp();
    call(QStringLiteral("SetManualKelvin"), {qlonglong(3300)});
    QProcess follow;
    desktop.start(follow, QStringLiteral(TORVELBAR_EXECUTABLE),
                  {QStringLiteral("status"), QStringLiteral("--json"), QStringLiteral("--follow")});
    ASSERT_TRUE(follow.waitForReadyRead(5000));
    const QStringList modes{QStringLiteral("auto"), QStringLiteral("manual"),
                            QStringLiteral("off")};
    for (int i = 0; i < 200; ++i) {
        call(QStringLiteral("SetMode"), {modes[i % 3]});
        call(QStringLiteral("Toggle"));
        if (i % 4 == 0) {
            call(QStringLiteral("Pause"), {uint(3600)});
        } else if (i % 4 == 2) {
            call(QStringLiteral("Resume"));
        }
    }
    call(QStringLiteral("SetMode"), {QStringLiteral("manual")});
    call(QStringLiteral("Resume"));
    ASSERT_TRUE(showing(3300));
    QByteArray out;
    ASSERT_TRUE(spinUntil(
        [&] {
            out += follow.readAll();
            return out.endsWith("\n") && out.contains("\"status\":\"Fixed color\"") &&
                   out.split('\n').size() > 200 &&
                   QJsonDocument::fromJson(out.trimmed().split('\n').back())
                           .object()
                           .value(QStringLiteral("status")) == QStringLiteral("Fixed color");
        },
        10000))
        << out.right(400).toStdString();

    int checked = 0;
    for (const QByteArray& text : out.trimmed().split('\n')) {
        const QJsonObject o = QJsonDocument::fromJson(text).object();
        const QString mode = o.value(QStringLiteral("mode")).toString();
        const QString status = o.value(QStringLiteral("status")).toString();
        const QString phase = o.value(QStringLiteral("phase")).toString();
        const bool tinted = o.value(QStringLiteral("tinted")).toBool();
        const auto kelvin = o.value(QStringLiteral("kelvin")).toInteger();
        const std::string where = text.toStdString();
        if (mode == QLatin1String("off")) {
            EXPECT_TRUE(!tinted && kelvin == 6500 && phase.isEmpty() &&
                        status == QLatin1String("Screen colors are unchanged"))
                << where;
        } else if (!tinted) {
            EXPECT_TRUE(status.startsWith(QLatin1String("Paused")) && kelvin == 6500 &&
                        phase.isEmpty())
                << where;
        } else if (mode == QLatin1String("manual")) {
            EXPECT_TRUE(status == QLatin1String("Fixed color") && kelvin == 3300 && phase.isEmpty())
                << where;
        } else {
            EXPECT_TRUE(mode == QLatin1String("auto") && !phase.isEmpty() &&
                        !status.startsWith(QLatin1String("Paused")) &&
                        status != QLatin1String("Fixed color"))
                << where;
        }
        ++checked;
    }
    EXPECT_GT(checked, 200);
    const auto [code, asked] = cli({QStringLiteral("status"), QStringLiteral("--json")});
    EXPECT_EQ(asked.toUtf8(), out.trimmed().split('\n').back()) << "the last line is the state";

    follow.kill();
    follow.waitForFinished();

    // Its reader goes away (a panel reloads): it ends without waiting for a change.
    QProcess pipeline;
    desktop.start(
        pipeline, QStringLiteral("sh"),
        {QStringLiteral("-c"), QStringLiteral("'%1' status --json --follow | head -n 1 >/dev/null")
                                   .arg(QStringLiteral(TORVELBAR_EXECUTABLE))});
    EXPECT_TRUE(pipeline.waitForFinished(3000)) << "the follower ended with its reader";
    pipeline.kill();
}

// Each change syncs the settings file, so a flood takes seconds to drain; a
// signal must not wait behind it, nor lose a change the caller was told of.
TEST_F(Control, ASignalEndsTheAppPromptlyWithCallsQueuedAndLosesNoChange) {
    startApp();
    call(QStringLiteral("SetMode"), {QStringLiteral("manual")});
    ASSERT_TRUE(showing(3400));
    const QStringList modes{QStringLiteral("auto"), QStringLiteral("manual")};
    std::vector<QDBusPendingCall> flood;
    flood.reserve(10000);
    for (int i = 0; i < 10000; ++i) {
        QDBusMessage m =
            QDBusMessage::createMethodCall(service, path, iface, QStringLiteral("SetMode"));
        m << modes[i % 2];
        flood.push_back(client.asyncCall(m, 60000));
    }
    ASSERT_TRUE(spinUntil([&] { return flood.front().isFinished(); }, 5000));
    QElapsedTimer stopping;
    stopping.start();
    ::kill(static_cast<pid_t>(app.processId()), SIGTERM);
    ASSERT_TRUE(app.waitForFinished(10000));
    const qint64 took = stopping.elapsed();
    std::cout << "[     NOTE ] ended " << took << " ms after SIGTERM\n";
    // A second at most, as a logout's grace allows; the sanitizers slow
    // every refused call, so their build gets more.
#if defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(took, 3000);
#else
    EXPECT_LT(took, 1000);
#endif
    EXPECT_EQ(app.exitCode(), 0);
    EXPECT_TRUE(untintedNow()) << "the screens are given back";

    ASSERT_TRUE(spinUntil(
        [&] {
            return std::all_of(flood.begin(), flood.end(),
                               [](const QDBusPendingCall& c) { return c.isFinished(); });
        },
        10000));
    int lastGranted = -1;
    for (int i = 0; i < 10000; ++i) {
        if (!flood[i].isError()) {
            lastGranted = i;
        }
    }
    ASSERT_GE(lastGranted, 0);
    ASSERT_LT(lastGranted, 9999) << "the signal came before the flood drained";
    QFile settings(desktop.configDir() + QStringLiteral("/torvelbar/torvelbar.conf"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("mode=@ByteArray(\\\"" +
                                            modes[lastGranted % 2].toUtf8() + "\\\")"))
        << "the last change the caller was told of is saved";
}

TEST_F(Control, TheSunsSourceAndPlaceThroughTheCommandLineAndTheBus) {
    // Saved for the next start; bad places refused before anything is touched.
    EXPECT_EQ(cli({QStringLiteral("source"), QStringLiteral("sun")}).first, 0);
    for (const QStringList& bad :
         {QStringList{"95", "0"}, QStringList{"10", "-181"}, QStringList{"nan", "0"},
          QStringList{"x", "y"}, QStringList{"10"}, QStringList{}}) {
        EXPECT_EQ(cli(QStringList{QStringLiteral("location")} + bad).first, 2)
            << bad.join(' ').toStdString();
    }
    EXPECT_EQ(cli({QStringLiteral("source"), QStringLiteral("moon")}).first, 2);
    EXPECT_EQ(
        cli({QStringLiteral("location"), QStringLiteral("59.91"), QStringLiteral("10.75")}).first,
        0);
    startApp();
    EXPECT_EQ(property(QStringLiteral("ScheduleSource")).toString(), QStringLiteral("sun"));
    const QVariantMap typed = qdbus_cast<QVariantMap>(property(QStringLiteral("Location")));
    EXPECT_EQ(typed.value(QStringLiteral("origin")).toString(), QStringLiteral("typed"));
    EXPECT_DOUBLE_EQ(typed.value(QStringLiteral("latitude")).toDouble(), 59.91);

    const QString invalid = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
    EXPECT_EQ(call(QStringLiteral("SetScheduleSource"), {QStringLiteral("Sun")}).errorName(),
              invalid);
    for (const auto& [lat, lon] : {std::pair{91.0, 0.0}, std::pair{0.0, -180.5},
                                   std::pair{qQNaN(), 1.0}, std::pair{1.0, qInf()}}) {
        EXPECT_EQ(call(QStringLiteral("SetLocation"), {lat, lon}).errorName(), invalid);
    }
    EXPECT_EQ(qdbus_cast<QVariantMap>(property(QStringLiteral("Location"))), typed)
        << "refused, nothing changed";

    // Found again: no location service here and a zone without a point, so
    // the clock's times stand and the line says so.
    ASSERT_EQ(call(QStringLiteral("ForgetLocation")).type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(spinUntil(
        [&] {
            return property(QStringLiteral("Status"))
                .toString()
                .endsWith(QStringLiteral("no location for the sun"));
        },
        3000))
        << property(QStringLiteral("Status")).toString().toStdString();
    EXPECT_TRUE(qdbus_cast<QVariantMap>(property(QStringLiteral("Location"))).isEmpty());
    EXPECT_EQ(cli({QStringLiteral("source"), QStringLiteral("clock")}).first, 0);
    EXPECT_TRUE(spinUntil(
        [&] { return !property(QStringLiteral("Status")).toString().contains("sun"); }, 3000));
}

// Under a real window manager: a listed app's window in front, or any
// fullscreen one when chosen, gives the screens their own colours, and
// switching away, leaving fullscreen or closing tints again.
// A system bus that takes the connection and never answers (a stopped
// daemon) holds up neither the tint nor the bus name: they come as fast
// as without it, and the app answers.
TEST_F(Control, ASilentSystemBusHoldsNothingUp) {
    test::PrivateBus system;
    ASSERT_TRUE(system.running());
    ::kill(static_cast<pid_t>(system.pid()), SIGSTOP); // its socket still takes connections
    desktop.environment().insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), system.address());
    QElapsedTimer took;
    took.start();
    desktop.start(app, QStringLiteral(TORVELBAR_EXECUTABLE), {});
    ASSERT_TRUE(spinUntil([&] { return client.interface()->isServiceRegistered(service); }, 5000))
        << "no bus name " << took.elapsed() << " ms after the start";
    std::cout << "[     NOTE ] bus name after " << took.elapsed() << " ms\n";
    EXPECT_TRUE(spinUntil([&] { return !(probe.ramps(crtc) == untinted); }, 3000)) << "tinted";
    EXPECT_EQ(cli({QStringLiteral("mode"), QStringLiteral("manual")}).first, 0);
    EXPECT_TRUE(showing(3400));
}

// A client changing the root's _NET_ACTIVE_WINDOW and a window's
// _NET_WM_STATE as fast as it can, while the app watches windows: its loop
// keeps answering the bus, and its memory stays where it was.
TEST_F(Control, AnXEventFloodNeverStarvesTheLoop) {
    startApp();
    ASSERT_EQ(
        cli({QStringLiteral("pause-for"), QStringLiteral("add"), QStringLiteral("mpv")}).first, 0);
    ASSERT_TRUE(spinUntil([&] { return property(QStringLiteral("Status")).isValid(); }, 3000));
    [[maybe_unused]] const long before = rssAnonKb(); // compared where the allocator gives back

    std::atomic<bool> stop = false;
    std::atomic<long> sent = 0;
    std::thread flood(
        [&] { test::floodFrontWindow(x.display().toLocal8Bit(), 300000, stop, sent); });
    // Asked throughout the flood, each answer waited for a second at most.
    int answered = 0, asked = 0;
    QElapsedTimer flooding;
    flooding.start();
    while (flooding.elapsed() < 4000) {
        QDBusMessage m = QDBusMessage::createMethodCall(
            service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        m << iface << QStringLiteral("Status");
        ++asked;
        answered += client.call(m, QDBus::Block, 1000).type() == QDBusMessage::ReplyMessage ? 1 : 0;
    }
    stop = true;
    flood.join();
    std::cout << "[     NOTE ] " << sent << " changes sent, " << answered << " of " << asked
              << " questions answered within a second\n";
    EXPECT_GT(sent, 1000) << "a flood it was";
    EXPECT_EQ(answered, asked);
#if !defined(__SANITIZE_ADDRESS__) // its allocator keeps what is freed, by design
    EXPECT_LT(rssAnonKb() - before, 8 * 1024) << "RssAnon grew from " << before << " kB";
#endif
    EXPECT_TRUE(spinUntil([&] { return property(QStringLiteral("Status")).isValid(); }, 3000));
}

// A caller's 10 MB argument is refused before any method copies it again,
// and the memory it took is given back.
TEST_F(Control, AnOversizedArgumentIsRefusedAndItsMemoryGivenBack) {
    startApp();
    ASSERT_TRUE(spinUntil([&] { return property(QStringLiteral("Status")).isValid(); }, 3000));
    const long before = rssAnonKb();
    for (const QString& method : {QStringLiteral("SetMode"), QStringLiteral("Inhibit")}) {
        const QDBusMessage reply = call(method, {QString(10 * 1024 * 1024, u'x')});
        EXPECT_EQ(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
        EXPECT_LT(reply.errorMessage().size(), 200);
    }
    EXPECT_FALSE(property(QStringLiteral("Inhibited")).toBool());
    test::spinFor(300);
    std::cout << "[     NOTE ] RssAnon " << before << " kB before, " << rssAnonKb()
              << " kB after\n";
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(rssAnonKb() - before, 16 * 1024);
#endif
}

// A change the app could not save: in effect, but the command exits 1 with
// the reason, and the status says so until a change is saved again.
TEST_F(Control, AChangeThatCannotBeSavedFailsTheCommandAndShows) {
    startApp();
    call(QStringLiteral("SetMode"), {QStringLiteral("manual")});
    ASSERT_TRUE(showing(3400));
    const QString blocker =
        desktop.configDir() + QStringLiteral("/torvelbar/torvelbar.conf.new/inside");
    ASSERT_TRUE(QDir().mkpath(blocker));
    const auto [code, said] = cli({QStringLiteral("kelvin"), QStringLiteral("3000")});
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(said.contains(QStringLiteral("not saved"))) << said.toStdString();
    EXPECT_TRUE(showing(3000)) << "in effect all the same";
    const auto saved = [&] {
        return QJsonDocument::fromJson(
                   cli({QStringLiteral("status"), QStringLiteral("--json")}).second.toUtf8())
            .object()
            .value(QStringLiteral("settingsSaved"))
            .toBool();
    };
    EXPECT_FALSE(saved());
    EXPECT_TRUE(property(QStringLiteral("Status")).toString().endsWith("settings not saved"));
    QDir(desktop.configDir() + QStringLiteral("/torvelbar/torvelbar.conf.new")).removeRecursively();
    EXPECT_EQ(cli({QStringLiteral("kelvin"), QStringLiteral("3100")}).first, 0);
    EXPECT_TRUE(saved());
}

// A pause lasts a day at most, and the off mode has nothing to pause: the
// command line and the bus refuse both alike, changing nothing.
TEST_F(Control, PausesAreBoundedAndRefusedWhileOff) {
    startApp();
    call(QStringLiteral("SetMode"), {QStringLiteral("manual")});
    ASSERT_TRUE(showing(3400));
    EXPECT_EQ(cli({QStringLiteral("pause"), QStringLiteral("25h")}).first, 2);
    const QString invalid = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
    const QDBusMessage tooLong = call(QStringLiteral("Pause"), {uint(86401)});
    EXPECT_EQ(tooLong.errorName(), invalid);
    EXPECT_TRUE(tooLong.errorMessage().contains(QStringLiteral("24 hours")));
    EXPECT_EQ(call(QStringLiteral("Pause"), {uint(86400)}).type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(untintedNow());
    call(QStringLiteral("SetMode"), {QStringLiteral("off")});
    EXPECT_EQ(call(QStringLiteral("Pause"), {uint(60)}).errorName(), invalid);
    EXPECT_EQ(cli({QStringLiteral("pause")}).first, 2);
    EXPECT_EQ(property(QStringLiteral("PausedUntil")).toLongLong(), 0);
}

// The whole schedule from outside: each field by its command, offline and
// to the running app, and at once through SetSchedule; bad values change
// nothing.
TEST_F(Control, TheWholeScheduleIsScriptable) {
    const auto set = [&](const char* command, const char* value) {
        return cli({QString::fromLatin1(command), QString::fromLatin1(value)}).first;
    };
    EXPECT_EQ(set("bedtime", "23:00"), 0);
    EXPECT_EQ(set("wind-down", "2h"), 0);
    EXPECT_EQ(set("bedtime", "24:00"), 2);
    startApp();
    const auto schedule = [&] {
        return qdbus_cast<QVariantMap>(property(QStringLiteral("Schedule")));
    };
    EXPECT_EQ(schedule().value(QStringLiteral("bedtime")).toLongLong(), 1380) << "kept offline";
    EXPECT_EQ(schedule().value(QStringLiteral("windDown")).toLongLong(), 120);
    EXPECT_EQ(set("wake", "6:45"), 0);
    EXPECT_EQ(set("day-kelvin", "6000"), 0);
    EXPECT_EQ(set("night-kelvin", "999"), 2);
    EXPECT_TRUE(spinUntil([&] { return schedule().value(QStringLiteral("wake")) == 405; }, 2000));
    EXPECT_EQ(schedule().value(QStringLiteral("dayKelvin")).toLongLong(), 6000);
    EXPECT_EQ(schedule().value(QStringLiteral("bedtime")).toLongLong(), 1380) << "the rest kept";
    const auto setSchedule = [&](qlonglong bed, qlonglong wake, qlonglong ramp) {
        return call(QStringLiteral("SetSchedule"),
                    {bed, wake, ramp, qlonglong(6500), qlonglong(2700)});
    };
    EXPECT_EQ(setSchedule(1320, 420, 60).type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(
        spinUntil([&] { return schedule().value(QStringLiteral("bedtime")) == 1320; }, 2000));
    const QString invalid = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
    for (const auto& bad : {std::tuple{1440LL, 420LL, 60LL}, std::tuple{1320LL, -1LL, 60LL},
                            std::tuple{1320LL, 420LL, 721LL}}) {
        EXPECT_EQ(setSchedule(std::get<0>(bad), std::get<1>(bad), std::get<2>(bad)).errorName(),
                  invalid);
    }
    EXPECT_EQ(schedule().value(QStringLiteral("windDown")).toLongLong(), 60);
    EXPECT_EQ(call(QStringLiteral("SetScheduleField"), {QStringLiteral("lunch"), qlonglong(720)})
                  .errorName(),
              invalid);

    // Two values set at once both stand: each is one step in the app.
    QProcess bed, wake;
    desktop.start(bed, QStringLiteral(TORVELBAR_EXECUTABLE),
                  {QStringLiteral("bedtime"), QStringLiteral("21:00")});
    desktop.start(wake, QStringLiteral(TORVELBAR_EXECUTABLE),
                  {QStringLiteral("wake"), QStringLiteral("5:00")});
    EXPECT_TRUE(bed.waitForFinished(10000) && wake.waitForFinished(10000));
    EXPECT_TRUE(spinUntil(
        [&] {
            return schedule().value(QStringLiteral("bedtime")) == 1260 &&
                   schedule().value(QStringLiteral("wake")) == 300;
        },
        2000));
}

// The brightness through the command line and the bus: the tables carry
// it (Xvfb has no backlight), by the manual value and by the night's, and
// a stop gives the displays back exactly.
TEST_F(Control, TheBrightnessDimsTheTablesAndAStopRestoresThemExactly) {
    const auto dimmed = [&](std::int64_t kelvin, int percent) {
        return spinUntil(
            [&] { return test::matchesDimmedGains(probe.ramps(crtc), kelvin, percent); }, 3000);
    };
    EXPECT_EQ(
        cli({QStringLiteral("brightness"), QStringLiteral("manual"), QStringLiteral("50%")}).first,
        0);
    EXPECT_EQ(
        cli({QStringLiteral("brightness"), QStringLiteral("dusk"), QStringLiteral("50")}).first, 2);
    cli({QStringLiteral("mode"), QStringLiteral("manual")});
    cli({QStringLiteral("kelvin"), QStringLiteral("6500")});
    startApp();
    EXPECT_TRUE(dimmed(6500, 50));
    EXPECT_EQ(property(QStringLiteral("Brightness")).toInt(), 50);
    EXPECT_EQ(call(QStringLiteral("SetManualBrightness"), {5}).errorName(),
              QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
    EXPECT_EQ(property(QStringLiteral("ManualBrightness")).toInt(), 50);

    // Night now, whatever the hour: the test's zone reads noon.
    EXPECT_EQ(call(QStringLiteral("SetNightBrightness"), {40}).type(), QDBusMessage::ReplyMessage);
    call(QStringLiteral("SetSchedule"),
         {qlonglong(660), qlonglong(840), qlonglong(0), qlonglong(6500), qlonglong(2700)});
    call(QStringLiteral("SetMode"), {QStringLiteral("auto")});
    EXPECT_TRUE(dimmed(2700, 40));
    EXPECT_TRUE(cli({QStringLiteral("status")}).second.endsWith(QStringLiteral("2700 K · 40%")));

    app.terminate();
    ASSERT_TRUE(app.waitForFinished(5000));
    EXPECT_EQ(probe.ramps(crtc), untinted);
}

// Writers at once, offline and to the running app: none loses another's
// change, and every one that says it is done is.
TEST_F(Control, CommandsAtOnceEachKeepTheirChange) {
    const auto together = [&](const std::function<QStringList(int)>& args) {
        std::vector<std::unique_ptr<QProcess>> running;
        for (int i = 0; i < 6; ++i) {
            running.push_back(std::make_unique<QProcess>());
            desktop.start(*running.back(), QStringLiteral(TORVELBAR_EXECUTABLE), args(i));
        }
        int failed = 0;
        for (auto& p : running) {
            p->waitForFinished(10000);
            failed += p->exitCode() != 0 ? 1 : 0;
        }
        return failed;
    };
    const auto add = [](int i) {
        return QStringList{QStringLiteral("pause-for"), QStringLiteral("add"),
                           QStringLiteral("app%1").arg(i)};
    };
    const auto listed = [&] {
        return cli({QStringLiteral("pause-for"), QStringLiteral("list")}).second.split(u'\n');
    };
    EXPECT_EQ(together(add), 0);
    EXPECT_EQ(listed().size(), 7) << listed().join(u',').toStdString(); // six and "fullscreen"
    for (int round = 0; round < 5; ++round) {
        EXPECT_EQ(together([](int i) {
                      return QStringList{QStringLiteral("kelvin"), QString::number(2000 + i)};
                  }),
                  0);
    }
    startApp();
    EXPECT_EQ(together([](int i) {
                  return QStringList{QStringLiteral("pause-for"), QStringLiteral("remove"),
                                     QStringLiteral("app%1").arg(i)};
              }),
              0);
    EXPECT_EQ(together([](int i) {
                  return QStringList{QStringLiteral("pause-for"), QStringLiteral("add"),
                                     QStringLiteral("other%1").arg(i)};
              }),
              0);
    EXPECT_EQ(property(QStringLiteral("PauseApps")).toStringList().size(), 6);
}

TEST_F(Control, ListedAppsAndFullscreenWindowsInFrontStepItAside) {
    if (test::toolsMissing({"openbox", "wmctrl", "xmessage"})) {
        return;
    }
    startApp();
    call(QStringLiteral("SetMode"), {QStringLiteral("manual")});
    call(QStringLiteral("SetManualKelvin"), {qlonglong(3400)});
    ASSERT_TRUE(showing(3400));
    EXPECT_EQ(
        cli({QStringLiteral("pause-for"), QStringLiteral("add"), QStringLiteral("mpv")}).first, 0);
    EXPECT_EQ(cli({QStringLiteral("pause-for"), QStringLiteral("add"), QString()}).first, 2);
    EXPECT_EQ(cli({QStringLiteral("pause-for"), QStringLiteral("add"), QString(256, u'x')}).first,
              2);
    QStringList many;
    for (int i = 0; i <= 100; ++i) {
        many << QString::number(i);
    }
    EXPECT_EQ(call(QStringLiteral("SetPauseApps"), {many}).errorName(),
              QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
    for (const QString& bad : {QStringLiteral("two\nlines"), QStringLiteral("   ")}) {
        EXPECT_EQ(call(QStringLiteral("SetPauseApps"), {QStringList{bad}}).errorName(),
                  QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
    }
    ASSERT_EQ(
        call(QStringLiteral("SetPauseApps"),
             {QStringList{QStringLiteral("mpv"), QStringLiteral("MPV"), QStringLiteral("mpv")}})
            .type(),
        QDBusMessage::ReplyMessage);
    EXPECT_EQ(cli({QStringLiteral("pause-for"), QStringLiteral("list")}).second,
              QStringLiteral("mpv\nfullscreen: off"));

    QProcess wm, film, notes;
    ASSERT_TRUE(desktop.startWindowManager(wm));
    const auto wmctrl = [&](const QStringList& args) { return desktop.wmctrl(args); };
    desktop.showWindow(notes, QStringLiteral("notes"), QStringLiteral("notes"));
    desktop.showWindow(film, QStringLiteral("mpv"), QStringLiteral("film"));
    const auto activate = [&](const QString& title) {
        return spinUntil([&] { return wmctrl({QStringLiteral("-a"), title}); }, 5000);
    };
    const auto statusIs = [&](const QString& text) {
        return spinUntil([&] { return property(QStringLiteral("Status")).toString() == text; },
                         3000);
    };
    ASSERT_TRUE(activate(QStringLiteral("film")));
    EXPECT_TRUE(untintedNow()) << "the listed app in front: the display's own colours";
    EXPECT_TRUE(statusIs(QStringLiteral("Paused for mpv")));
    // The window manager may pass the focus around once more on the way.
    EXPECT_TRUE(spinUntil([&] { return !property(QStringLiteral("Tinted")).toBool(); }, 3000));
    ASSERT_TRUE(activate(QStringLiteral("notes")));
    EXPECT_TRUE(showing(3400)) << "another window in front";

    EXPECT_EQ(cli({QStringLiteral("pause-for"), QStringLiteral("fullscreen"), QStringLiteral("on")})
                  .first,
              0);
    EXPECT_TRUE(wmctrl({QStringLiteral("-r"), QStringLiteral("notes"), QStringLiteral("-b"),
                        QStringLiteral("add,fullscreen")}));
    EXPECT_TRUE(untintedNow());
    EXPECT_TRUE(statusIs(QStringLiteral("Paused while Xmessage is fullscreen")));
    EXPECT_TRUE(wmctrl({QStringLiteral("-r"), QStringLiteral("notes"), QStringLiteral("-b"),
                        QStringLiteral("remove,fullscreen")}));
    EXPECT_TRUE(showing(3400)) << "out of fullscreen";

    ASSERT_TRUE(activate(QStringLiteral("film")));
    EXPECT_TRUE(untintedNow());
    film.kill();
    film.waitForFinished(5000);
    EXPECT_TRUE(showing(3400)) << "the listed window closed";
    test::stopProcesses({&notes, &wm});
}

// The app and the command line speak the first of the user's languages
// shipped, the status and a refusal alike; one not shipped reads English.
TEST_F(Control, TheStatusIsInTheUsersLanguage) {
    const struct {
        const char* language;
        const char* lang;
        const char* status;
        const char* refusal;
    } cases[] = {
        {"de", "de_DE.UTF-8", "Feste Farbe \u00b7 3000 K", "mode erwartet auto"},
        {"eo:en", "eo.UTF-8", "Fixed color \u00b7 3000 K", "mode takes one of auto"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        desktop.environment().insert(QStringLiteral("LANGUAGE"), QString::fromLatin1(c.language));
        desktop.environment().insert(QStringLiteral("LANG"), QString::fromLatin1(c.lang));
        ASSERT_EQ(cli({QStringLiteral("mode"), QStringLiteral("manual")}).first, 0);
        ASSERT_EQ(cli({QStringLiteral("kelvin"), QStringLiteral("3000")}).first, 0);
        startApp();
        EXPECT_TRUE(showing(3000));
        // The first line: Qt may warn after it of a locale the system lacks.
        EXPECT_EQ(cli({QStringLiteral("status")}).second.section(u'\n', 0, 0),
                  QString::fromUtf8(c.status));
        EXPECT_TRUE(cli({QStringLiteral("mode"), QStringLiteral("sideways")})
                        .second.contains(QString::fromUtf8(c.refusal)));
        app.terminate();
        ASSERT_TRUE(app.waitForFinished(5000));
        ASSERT_TRUE(spinUntil(
            [&] { return !client.interface()->isServiceRegistered(service).value(); }, 5000));
    }
}

TEST_F(Control, TheCommandLineWithAndWithoutARunningInstance) {
    // A follower started before the app says it is not running, then
    // follows it once it appears.
    QProcess early;
    desktop.start(early, QStringLiteral(TORVELBAR_EXECUTABLE),
                  {QStringLiteral("status"), QStringLiteral("--json"), QStringLiteral("--follow")});
    ASSERT_TRUE(early.waitForReadyRead(5000));
    EXPECT_EQ(QJsonDocument::fromJson(early.readLine()).object().value("class").toString(),
              QStringLiteral("not-running"));

    // Nobody runs: the mode and the colour are saved for the next start.
    auto [code, out] = cli({QStringLiteral("mode"), QStringLiteral("manual")});
    EXPECT_EQ(code, 0) << out.toStdString();
    std::tie(code, out) = cli({QStringLiteral("kelvin"), QStringLiteral("3300")});
    EXPECT_EQ(code, 0) << out.toStdString();
    for (const char* command : {"status", "pause", "resume", "toggle"}) {
        std::tie(code, out) = cli({QString::fromLatin1(command)});
        EXPECT_EQ(code, 1) << command;
        EXPECT_EQ(out, QStringLiteral("torvelbar: TorvelBar is not running")) << command;
    }

    startApp();
    {
        // With no bus to ask, it cannot say the app is not running.
        test::Desktop busless(x, QStringLiteral("unix:path=/nonexistent/bus"));
        QProcess p;
        busless.start(p, QStringLiteral(TORVELBAR_EXECUTABLE), {QStringLiteral("status")});
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitCode(), 1);
        EXPECT_TRUE(
            p.readAllStandardError().startsWith("torvelbar: the session bus cannot be reached"));
    }
    EXPECT_TRUE(showing(3300)) << "the next start used them";
    ASSERT_TRUE(spinUntil([&] { return early.canReadLine(); }, 5000));
    EXPECT_TRUE(early.readLine().contains("\"text\":\"3300K\"")) << "followed once it appeared";
    std::tie(code, out) = cli({QStringLiteral("status")});
    EXPECT_EQ(out, QStringLiteral("Fixed color \u00B7 3300 K"));

    QProcess follow;
    desktop.start(follow, QStringLiteral(TORVELBAR_EXECUTABLE),
                  {QStringLiteral("status"), QStringLiteral("--json"), QStringLiteral("--follow")});
    ASSERT_TRUE(follow.waitForReadyRead(5000));
    QByteArray lines = follow.readAll();

    std::tie(code, out) = cli({QStringLiteral("toggle")});
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(untintedNow());
    std::tie(code, out) = cli({QStringLiteral("toggle")});
    EXPECT_TRUE(showing(3300));
    std::tie(code, out) = cli({QStringLiteral("pause"), QStringLiteral("30m")});
    EXPECT_TRUE(untintedNow());
    std::tie(code, out) = cli({QStringLiteral("resume")});
    EXPECT_TRUE(showing(3300));
    std::tie(code, out) = cli({QStringLiteral("kelvin"), QStringLiteral("2900")});
    EXPECT_TRUE(showing(2900));
    std::tie(code, out) = cli({QStringLiteral("kelvin"), QStringLiteral("abc")});
    EXPECT_EQ(code, 2);
    EXPECT_TRUE(showing(2900)) << "bad input changes nothing";

    ASSERT_TRUE(spinUntil(
        [&] {
            lines += follow.readAll();
            return lines.contains("\"text\":\"2900K\"");
        },
        5000))
        << lines.toStdString();
    EXPECT_TRUE(lines.contains("\"class\":\"off\"")) << "the toggle was seen live";
    EXPECT_TRUE(lines.contains("\"class\":\"paused\"")) << "and the pause";
    app.terminate();
    EXPECT_TRUE(follow.waitForFinished(5000)) << "--follow ends with the app";

    // A settings file that is not ours to replace: saved is never claimed.
    ASSERT_TRUE(app.waitForFinished(5000));
    const QString settings = desktop.configDir() + QStringLiteral("/torvelbar/torvelbar.conf");
    const QByteArray large = "[General]\n" + QByteArray(2 << 20, ';');
    {
        QFile file(settings);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(large);
    }
    std::tie(code, out) = cli({QStringLiteral("kelvin"), QStringLiteral("3100")});
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(out.contains(QStringLiteral("nothing was saved"))) << out.toStdString();
    QFile file(settings);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), large) << "and the file is as it was";
}

} // namespace
} // namespace torvel

namespace torvel {
namespace {

// Two monitors of one desktop (Xorg's dummy driver): each display's choices
// through the command line, saved before the app runs and changed while it
// does, through the bus with its bad values, and both handed back after a
// crash by the next start.
TEST(Displays, EachDisplaysChoicesThroughTheCommandLineAndTheBus) {
    if (const QString why = test::XorgDummyServer::unavailable(); !why.isEmpty()) {
        GTEST_SKIP() << why.toStdString();
    }
    test::XorgDummyServer x(2);
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    test::PrivateBus bus;
    ASSERT_TRUE(bus.running());
    test::Desktop desktop{x, bus.address()};
    test::RandrProbe probe{x.display()};
    const auto crtcs = probe.activeCrtcs();
    ASSERT_EQ(crtcs.size(), 2u);
    const int x0 = 1600; // DUMMY1 lies right of DUMMY0's 1600x1200
    const test::Ramps own0 = probe.ramps(crtcs[0]);
    const test::Ramps own1 = test::RandrProbe::curve(own0.red.size(), 1.2, 1.1, 1.0);
    probe.setRamps(crtcs[1], own1);
    const auto cli = [&](const QStringList& args) {
        QProcess p;
        desktop.start(p, QStringLiteral(TORVELBAR_EXECUTABLE), args);
        p.waitForFinished(10000);
        return std::pair{
            p.exitCode(),
            QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()).trimmed()};
    };
    for (const auto& [args, code] : std::vector<std::pair<QStringList, int>>{
             {{"mode", "manual"}, 0},
             {{"kelvin", "3000"}, 0},
             {{"display", "DUMMY1", "off"}, 0},
             {{"display", "DUMMY1", "strength", "101"}, 2},
             {{"display", "DUMMY1"}, 2},
             {{"displays"}, 1}, // it lists what the running app sees
         }) {
        EXPECT_EQ(cli(args).first, code) << args.join(u' ').toStdString();
    }

    QProcess app;
    // Started, and answering with `status`.
    const auto start = [&](const QString& status) {
        desktop.start(app, QStringLiteral(TORVELBAR_EXECUTABLE), {});
        return spinUntil([&] { return cli({QStringLiteral("status")}).second.contains(status); },
                         10000);
    };
    ASSERT_TRUE(start(QStringLiteral("3000 K"))) << app.readAllStandardError().toStdString();
    EXPECT_TRUE(spinUntil([&] { return test::matchesGains(probe.ramps(crtcs[0]), 3000); }, 3000));
    EXPECT_EQ(probe.ramps(crtcs[1]), own1) << "left as it is from the start";
    auto [code, out] = cli({QStringLiteral("status")});
    EXPECT_EQ(out, QStringLiteral("Fixed color \u00B7 DUMMY1 left as it is \u00B7 3000 K"));
    std::tie(code, out) = cli({QStringLiteral("displays")});
    EXPECT_EQ(out, QStringLiteral("DUMMY0\tDUMMY0\tDUMMY0\ttinted at 100%\n"
                                  "DUMMY1\tDUMMY1\tDUMMY1\tleft as it is"));

    // Changed while it runs: the strength kept from before, through its curve.
    std::tie(code, out) = cli({QStringLiteral("display"), QStringLiteral("DUMMY1"),
                               QStringLiteral("strength"), QStringLiteral("50")});
    EXPECT_EQ(code, 0) << out.toStdString();
    std::tie(code, out) =
        cli({QStringLiteral("display"), QStringLiteral("DUMMY1"), QStringLiteral("on")});
    EXPECT_EQ(code, 0) << out.toStdString();
    EXPECT_TRUE(spinUntil(
        [&] {
            return test::matchesGainsThrough(probe.ramps(crtcs[1]), own1,
                                             kelvinAtStrength(3000, 50));
        },
        3000));

    QDBusConnection client = bus.connect(QStringLiteral("client"));
    QDBusMessage bad = QDBusMessage::createMethodCall(
        QStringLiteral("org.torvelbar.TorvelBar"), QStringLiteral("/org/torvelbar/TorvelBar"),
        QStringLiteral("org.torvelbar.TorvelBar1"), QStringLiteral("SetDisplay"));
    bad << QStringLiteral("DUMMY0") << true << -1;
    EXPECT_EQ(client.call(bad, QDBus::Block, 5000).errorName(),
              QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));

    // The listed app on the second display steps only that one aside, and
    // follows the window to the first.
    if (!test::toolsMissing({"openbox", "wmctrl", "xmessage"})) {
        EXPECT_EQ(
            cli({QStringLiteral("pause-for"), QStringLiteral("add"), QStringLiteral("mpv")}).first,
            0);
        QProcess wm, film;
        ASSERT_TRUE(desktop.startWindowManager(wm));
        const auto wmctrl = [&](const QStringList& args) { return desktop.wmctrl(args); };
        desktop.showWindow(film, QStringLiteral("mpv"), QStringLiteral("film"));
        const auto placeFilm = [&](int left) {
            return spinUntil(
                [&] {
                    return wmctrl({QStringLiteral("-r"), QStringLiteral("film"),
                                   QStringLiteral("-e"),
                                   QStringLiteral("0,%1,100,200,100").arg(left)}) &&
                           wmctrl({QStringLiteral("-a"), QStringLiteral("film")});
                },
                5000);
        };
        ASSERT_TRUE(placeFilm(x0 + 100));
        EXPECT_TRUE(spinUntil([&] { return probe.ramps(crtcs[1]) == own1; }, 3000))
            << "the film's display shows its own colors";
        EXPECT_TRUE(test::matchesGains(probe.ramps(crtcs[0]), 3000)) << "the other stays tinted";
        {
            QDBusMessage get = QDBusMessage::createMethodCall(
                QStringLiteral("org.torvelbar.TorvelBar"),
                QStringLiteral("/org/torvelbar/TorvelBar"),
                QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
            get << QStringLiteral("org.torvelbar.TorvelBar1") << QStringLiteral("Displays");
            QDBusConnection reader = bus.connect(QStringLiteral("reader"));
            const QDBusMessage reply = reader.call(get, QDBus::Block, 5000);
            ASSERT_EQ(reply.arguments().size(), 1);
            const auto displays = qdbus_cast<QList<QVariantMap>>(
                reply.arguments().front().value<QDBusVariant>().variant().value<QDBusArgument>());
            ASSERT_EQ(displays.size(), 2);
            EXPECT_FALSE(displays[0].value(QStringLiteral("steppingAside")).toBool());
            EXPECT_TRUE(displays[1].value(QStringLiteral("steppingAside")).toBool());
            EXPECT_EQ(displays[1].value(QStringLiteral("strength")).toInt(), 50);
        }
        EXPECT_TRUE(spinUntil(
            [&] {
                return cli({QStringLiteral("status")}).second ==
                       QStringLiteral("Fixed color \u00B7 paused for mpv on DUMMY1 \u00B7 3000 K");
            },
            3000));
        ASSERT_TRUE(placeFilm(100));
        EXPECT_TRUE(spinUntil([&] { return probe.ramps(crtcs[0]) == own0; }, 3000));
        EXPECT_TRUE(spinUntil(
            [&] {
                return test::matchesGainsThrough(probe.ramps(crtcs[1]), own1,
                                                 kelvinAtStrength(3000, 50));
            },
            3000))
            << "the second is tinted again";

        // Fullscreen on the second display: only that one.
        EXPECT_EQ(
            cli({QStringLiteral("pause-for"), QStringLiteral("remove"), QStringLiteral("mpv")})
                .first,
            0);
        EXPECT_EQ(
            cli({QStringLiteral("pause-for"), QStringLiteral("fullscreen"), QStringLiteral("on")})
                .first,
            0);
        ASSERT_TRUE(placeFilm(x0 + 100));
        EXPECT_TRUE(wmctrl({QStringLiteral("-r"), QStringLiteral("film"), QStringLiteral("-b"),
                            QStringLiteral("add,fullscreen")}));
        EXPECT_TRUE(spinUntil([&] { return probe.ramps(crtcs[1]) == own1; }, 3000));
        EXPECT_TRUE(test::matchesGains(probe.ramps(crtcs[0]), 3000));
        test::stopProcesses({&film, &wm});
    }

    // A crash: the next start hands both back, its own curve to each.
    ::kill(static_cast<pid_t>(app.processId()), SIGKILL);
    ASSERT_TRUE(app.waitForFinished(5000));
    EXPECT_EQ(cli({QStringLiteral("mode"), QStringLiteral("off")}).first, 0);
    ASSERT_TRUE(start(QStringLiteral("unchanged")));
    EXPECT_TRUE(spinUntil([&] { return probe.ramps(crtcs[0]) == own0; }, 5000));
    EXPECT_TRUE(spinUntil([&] { return probe.ramps(crtcs[1]) == own1; }, 5000));
    app.terminate();
    app.waitForFinished(5000);
}

} // namespace
} // namespace torvel
