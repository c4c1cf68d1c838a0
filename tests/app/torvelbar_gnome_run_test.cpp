// The built torvelbar on a GNOME Wayland session (mutter headless with
// gnome-settings-daemon's colour plugin and dconf on a private bus): it
// drives Night Light, and the user's own Night Light settings come back on
// SIGTERM, and after a SIGKILL at the next start.
#include "settings/settings_file.h"
#include "support/event_loop.h"
#include "support/gnome_session.h"

#include <csignal>
#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>

namespace torvel {
namespace {

using test::spinUntil;

const QString temperature = QStringLiteral("night-light-temperature");
const QString enabled = QStringLiteral("night-light-enabled");

class TorvelbarGnome : public ::testing::Test {
protected:
    void SetUp() override {
        if (!gnome.running()) {
            GTEST_SKIP() << gnome.error().toStdString();
        }
        gnome.set(temperature, QStringLiteral("4300"));
    }
    void writeSettings(const QByteArray& mode) {
        QDir().mkpath(gnome.configDir() + QStringLiteral("/torvelbar"));
        test::writeFile(gnome.configDir() + QStringLiteral("/torvelbar/torvelbar.conf"),
                        "[General]\nmode=@ByteArray(\\\"" + mode +
                            "\\\")\nmanualKelvin=@ByteArray(3400)\nloginItemConfigured=true\n");
    }
    void start(QProcess& p) {
        auto env = gnome.environment();
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), test::GnomeSession::waylandDisplay());
        env.insert(QStringLiteral("LSAN_OPTIONS"),
                   QStringLiteral("fast_unwind_on_malloc=0:suppressions=" QT_WAYLAND_SUPPRESSIONS));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TORVELBAR_EXECUTABLE), {});
        ASSERT_TRUE(p.waitForStarted());
    }
    bool eventually(const QString& key, const QString& value) {
        return spinUntil([&] { return gnome.get(key) == value; }, 10000);
    }

    test::GnomeSession gnome;
};

TEST_F(TorvelbarGnome, DrivesNightLightAndGivesItBackOnSigterm) {
    writeSettings("manual");
    QProcess app;
    start(app);
    EXPECT_TRUE(eventually(temperature, QStringLiteral("uint32 3400")))
        << app.readAllStandardError().toStdString();
    EXPECT_TRUE(eventually(enabled, QStringLiteral("true")));
    ::kill(static_cast<pid_t>(app.processId()), SIGTERM);
    ASSERT_TRUE(app.waitForFinished(10000));
    EXPECT_EQ(app.exitCode(), 0);
    EXPECT_EQ(gnome.get(temperature), QStringLiteral("uint32 4300"));
    EXPECT_EQ(gnome.get(enabled), QStringLiteral("false"));
    EXPECT_FALSE(gnome.hasUserValue(enabled)) << "a default stays a default";
}

TEST_F(TorvelbarGnome, AfterSigkillTheNextStartGivesTheUserSettingsBack) {
    writeSettings("manual");
    QProcess app;
    start(app);
    ASSERT_TRUE(eventually(temperature, QStringLiteral("uint32 3400")));
    app.kill();
    app.waitForFinished(5000);
    ASSERT_EQ(gnome.get(temperature), QStringLiteral("uint32 3400"));

    writeSettings("off");
    QProcess next;
    start(next);
    EXPECT_TRUE(eventually(temperature, QStringLiteral("uint32 4300")));
    EXPECT_TRUE(eventually(enabled, QStringLiteral("false")));
    next.terminate();
    EXPECT_TRUE(next.waitForFinished(10000));
}

} // namespace
} // namespace torvel
