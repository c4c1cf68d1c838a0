// Dimming end to end: the built torvelbar on the test compositor with a
// built-in panel and an external monitor. logind cannot run here, so a
// stand-in for its Session.SetBrightness serves on a private system bus and
// writes a sysfs-shaped folder the app reads its levels from.
#include "support/child_process.h"
#include "support/event_loop.h"
#include "support/private_bus.h"
#include "support/ramp_match.h"
#include "support/temp_dir.h"
#include "support/test_compositor.h"
#include "support/xvfb_server.h"

#include <csignal>
#include <gtest/gtest.h>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDir>
#include <QFile>
#include <QProcess>

namespace torvel {
namespace {

using test::spinUntil;

// logind's one call we make, writing the level where the kernel would.
class LogindStandIn final : public QDBusVirtualObject {
public:
    explicit LogindStandIn(QString sysfs)
        : sysfs_(std::move(sysfs)) {}
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != u"SetBrightness" ||
            message.interface() != u"org.freedesktop.login1.Session") {
            return false;
        }
        const QVariantList a = message.arguments();
        QFile level(sysfs_ + "/class/" + a.at(0).toString() + '/' + a.at(1).toString() +
                    "/brightness");
        const bool ok = level.open(QIODevice::WriteOnly) &&
                        level.write(QByteArray::number(a.at(2).toUInt()) + '\n') > 0;
        ++sets;
        values.push_back(a.at(2).toUInt());
        connection.send(ok ? message.createReply()
                           : message.createErrorReply(QDBusError::Failed, "no such device"));
        return true;
    }
    int sets = 0;
    std::vector<uint> values;

private:
    QString sysfs_;
};

class Backlight : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(systemBus.running() && sessionBus.running() && x.running());
        QDir().mkpath(device());
        write("type", "raw");
        write("max_brightness", "1000");
        write("brightness", "800");
        logind = systemBus.connect(QStringLiteral("logind"));
        ASSERT_TRUE(logind.registerService(QStringLiteral("org.freedesktop.login1")));
        ASSERT_TRUE(logind.registerVirtualObject(
            QStringLiteral("/org/freedesktop/login1/session/auto"), &standIn));
        panel = compositor.addOutput(256, "eDP-1");
        external = compositor.addOutput(256, "HDMI-A-1");
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), compositor.socket());
        env.insert(QStringLiteral("DISPLAY"), x.display()); // Qt's own windows fall back to X
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), sessionBus.address());
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), systemBus.address());
        env.insert(QStringLiteral("SYSFS_PATH"), sysfs.path());
        // Under the leak checker, the Qt Wayland plugin's own leaks at exit
        // are not held against the app; a full unwind lets the rule see them.
        env.insert(QStringLiteral("LSAN_OPTIONS"),
                   QStringLiteral("fast_unwind_on_malloc=0:suppressions=" QT_WAYLAND_SUPPRESSIONS));
        // Manual 6500 K: the tables carry the dimming alone.
        run({QStringLiteral("mode"), QStringLiteral("manual")});
        run({QStringLiteral("kelvin"), QStringLiteral("6500")});
    }
    void TearDown() override {
        if (app.state() != QProcess::NotRunning) {
            app.terminate();
            app.waitForFinished(5000);
        }
    }
    QString device() const { return sysfs.path() + "/class/backlight/panel_backlight"; }
    void write(const char* name, const QByteArray& value) {
        QFile f(device() + '/' + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(value + '\n') > 0);
    }
    QByteArray level() {
        QFile f(device() + "/brightness");
        return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray();
    }
    QString run(const QStringList& args) {
        QProcess cli;
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(TORVELBAR_EXECUTABLE), args);
        cli.waitForFinished(10000);
        return QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError());
    }
    void startApp() {
        app.setProcessEnvironment(env);
        app.start(QStringLiteral(TORVELBAR_EXECUTABLE), {});
        ASSERT_TRUE(spinUntil(
            [&] {
                return QDBusConnection::connectToBus(sessionBus.address(), "probe")
                    .interface()
                    ->isServiceRegistered(QStringLiteral("org.torvelbar.TorvelBar"));
            },
            10000))
            << app.readAllStandardError().toStdString();
    }
    // The latest tables the output was given.
    std::optional<test::TestCompositor::GammaWrite> lastWrite(std::uint32_t output) {
        std::optional<test::TestCompositor::GammaWrite> last;
        for (auto& w : compositor.writes()) {
            if (w.output == output) {
                last = std::move(w);
            }
        }
        return last;
    }
    // Ends the app, answering its last calls meanwhile (the stand-in is ours).
    void stop(int signal) {
        ::kill(static_cast<pid_t>(app.processId()), signal);
        ASSERT_TRUE(spinUntil([&] { return app.state() == QProcess::NotRunning; }, 5000));
        if (signal == SIGTERM) {
            EXPECT_EQ(app.exitStatus(), QProcess::NormalExit) << "it ended without a crash";
            EXPECT_EQ(app.exitCode(), 0);
        }
    }
    bool levelBecomes(const QByteArray& wanted) {
        return spinUntil([&] { return level() == wanted; }, 5000);
    }
    bool externalAt(int percent) {
        const auto w = lastWrite(external);
        return w && test::matchesDimmedGains(*w, 6500, percent);
    }

    test::PrivateBus systemBus, sessionBus;
    test::XvfbServer x;
    test::TestCompositor compositor;
    test::TempDir sysfs, runtime, config;
    LogindStandIn standIn{sysfs.path()};
    QDBusConnection logind{QStringLiteral("none")};
    std::uint32_t panel = 0, external = 0;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QProcess app;
};

// The whole story: the panel dims by its backlight from the level it had,
// the external monitor by its tables; a level the user sets is theirs; a
// stop gives ours back, and so does the next start after a SIGKILL.
TEST_F(Backlight, ThePanelDimsByItsBacklightAndTheOthersByTheirTables) {
    EXPECT_TRUE(run({QStringLiteral("brightness"), QStringLiteral("manual"), QStringLiteral("5")})
                    .contains("10 to 100"));
    run({QStringLiteral("brightness"), QStringLiteral("manual"), QStringLiteral("50")});
    startApp();
    EXPECT_FALSE(test::mapsLibrary(app.processId(), "torvelbar-host-x11"));
    ASSERT_TRUE(spinUntil([&] { return level() == "400" && externalAt(50); }, 5000))
        << level().toStdString() << externalAt(50) << run({QStringLiteral("status")}).toStdString()
        << app.readAllStandardError().toStdString();
    const auto panelTables = lastWrite(panel);
    ASSERT_TRUE(panelTables && test::matchesGains(*panelTables, 6500))
        << "the panel's tables stay undimmed: its backlight dims it";
    EXPECT_TRUE(
        run({QStringLiteral("status"), QStringLiteral("--json")}).contains("\"brightness\":50"));

    // The same level asked again sets nothing; another one does.
    const int sets = standIn.sets;
    run({QStringLiteral("kelvin"), QStringLiteral("6400")});
    run({QStringLiteral("kelvin"), QStringLiteral("6500")});
    spinUntil([] { return false; }, 300); // any set the app sent has arrived
    EXPECT_EQ(standIn.sets, sets) << testing::PrintToString(standIn.values);
    run({QStringLiteral("brightness"), QStringLiteral("manual"), QStringLiteral("40")});
    ASSERT_TRUE(spinUntil([&] { return level() == "320" && externalAt(40); }, 5000));

    // The user's keys: held until the wake, and kept at the stop.
    write("brightness", "650");
    run({QStringLiteral("kelvin"), QStringLiteral("6500")}); // an update, to look
    EXPECT_TRUE(run({QStringLiteral("status")}).contains("brightness set by you until"));
    stop(SIGTERM);
    EXPECT_EQ(level(), "650");

    // A normal stop gives back the level dimming began at.
    startApp();
    ASSERT_TRUE(levelBecomes("260")) << level().toStdString();
    stop(SIGTERM);
    EXPECT_TRUE(levelBecomes("650")) << level().toStdString();

    // After a SIGKILL the next start does, though it no longer dims.
    startApp();
    ASSERT_TRUE(levelBecomes("260"));
    stop(SIGKILL);
    EXPECT_EQ(level(), "260");

    run({QStringLiteral("brightness"), QStringLiteral("manual"), QStringLiteral("100")});
    startApp();
    EXPECT_TRUE(levelBecomes("650")) << level().toStdString();
    EXPECT_TRUE(spinUntil([&] { return externalAt(100); }, 5000));
}

} // namespace
} // namespace torvel
