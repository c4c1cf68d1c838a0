// The GNOME layer against gnome-settings-daemon's colour plugin on a
// headless mutter, with a private bus and dconf: the keys it writes and
// restores, read back through GSettings by the gsettings tool. The virtual
// monitor has no CRTCs, so the colour on screen cannot be seen here.
#include "core/gamma_service.h"
#include "platform/gnome/gnome_display_layer.h"
#include "platform/qt/qt_main_queue.h"
#include "support/event_loop.h"
#include "support/gnome_session.h"
#include "support/result_value.h"
#include "support/temp_dir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTimeZone>

namespace torvel {
namespace {

using test::GnomeSession;
using test::spinUntil;

const QString enabled = QStringLiteral("night-light-enabled");
const QString temperature = QStringLiteral("night-light-temperature");
const QString automatic = QStringLiteral("night-light-schedule-automatic");
const QString from = QStringLiteral("night-light-schedule-from");
const QString to = QStringLiteral("night-light-schedule-to");

// One session for the suite: this process's GIO and session bus stay with
// the first ones they see.
class GnomeLayer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        session = new GnomeSession;
        session->enterThisProcess();
    }
    static void TearDownTestSuite() {
        // GIO's session connection raises SIGTERM in this process when its
        // bus goes away, as the session's own teardown makes it do.
        std::signal(SIGTERM, SIG_IGN);
        delete session;
        session = nullptr;
    }
    void SetUp() override {
        if (!session->running()) {
            GTEST_SKIP() << session->error().toStdString();
        }
        for (const QString& key : {enabled, temperature, automatic, from, to}) {
            session->reset(key);
        }
    }
    std::unique_ptr<GnomeDisplayLayer> create() {
        return test::valueOf(
            GnomeDisplayLayer::create({.capture = capture(), .clock = [this] { return clock; }}));
    }
    QString capture() const { return runtime.file(QStringLiteral("gnome.json")); }
    bool eventually(const QString& key, const QString& value) {
        return spinUntil([&] { return session->get(key) == value; }, 3000);
    }

    static inline GnomeSession* session = nullptr;
    test::TempDir runtime;
    QtMainQueue queue;
    QDateTime clock{QDate(2026, 12, 7), QTime(12, 0), QTimeZone::systemTimeZone()};
};

TEST_F(GnomeLayer, ProbeFindsTheColourService) {
    EXPECT_TRUE(GnomeDisplayLayer::probe());
}

TEST_F(GnomeLayer, TintsThroughNightLightAndGivesEachKindOfUserSettingBack) {
    struct Case {
        std::vector<std::pair<QString, QString>> user;
    };
    const std::vector<Case> cases{
        {{}}, // all at their defaults
        {{{enabled, "true"}, {automatic, "true"}, {temperature, "uint32 4000"}}},
        {{{enabled, "false"}, {automatic, "false"}, {from, "21.5"}, {to, "6.25"}}},
    };
    for (const Case& c : cases) {
        for (const QString& key : {enabled, temperature, automatic, from, to}) {
            session->reset(key);
        }
        for (const auto& [key, value] : c.user) {
            session->set(key, value);
        }
        std::map<QString, QString> before;
        std::map<QString, bool> own;
        for (const QString& key : {enabled, temperature, automatic, from, to}) {
            before[key] = session->get(key);
            own[key] = session->hasUserValue(key);
        }
        {
            auto layer = create();
            ASSERT_TRUE(layer);
            GammaService gamma(*layer, queue);
            gamma.apply(3400);
            EXPECT_EQ(session->get(enabled), QStringLiteral("true"));
            EXPECT_EQ(session->get(automatic), QStringLiteral("false"));
            EXPECT_EQ(session->get(temperature), QStringLiteral("uint32 3400"));
            EXPECT_EQ(session->get(from), QStringLiteral("6.0"));
            EXPECT_EQ(session->get(to), QStringLiteral("18.0"));
            EXPECT_TRUE(QFile::exists(capture()));
        }
        for (const QString& key : {enabled, temperature, automatic, from, to}) {
            EXPECT_EQ(session->get(key), before[key]) << key.toStdString();
            EXPECT_EQ(session->hasUserValue(key), own[key]) << key.toStdString();
        }
        EXPECT_FALSE(QFile::exists(capture()));
    }
}

TEST_F(GnomeLayer, TheWindowMovesOnlyNearItsEdgesAndChangesBehindOurBackAreUndone) {
    auto layer = create();
    ASSERT_TRUE(layer);
    GammaService gamma(*layer, queue);
    gamma.apply(3000);
    ASSERT_EQ(session->get(from), QStringLiteral("6.0"));
    clock = clock.addSecs(3 * 3600 + 59 * 60); // 15:59
    gamma.apply(3000);
    EXPECT_EQ(session->get(from), QStringLiteral("6.0")) << "still two hours from the edge";
    clock = clock.addSecs(2 * 60); // 16:01
    gamma.apply(3000);
    EXPECT_TRUE(session->get(from).startsWith(QStringLiteral("10.01")));

    session->set(temperature, QStringLiteral("5000"));
    session->set(enabled, QStringLiteral("false"));
    test::spinFor(300); // dconf tells this process of the change
    gamma.apply(3000);
    EXPECT_TRUE(eventually(temperature, QStringLiteral("uint32 3000")));
    EXPECT_TRUE(eventually(enabled, QStringLiteral("true")));
}

TEST_F(GnomeLayer, DisableUntilTomorrowIsRespectedUntilItClears) {
    auto layer = create();
    ASSERT_TRUE(layer);
    GammaService gamma(*layer, queue);
    gamma.apply(3400);
    int notices = 0;
    auto watch = gamma.subscribeHostHold([&] { ++notices; });
    session->setDisabledUntilTomorrow(true);
    ASSERT_TRUE(spinUntil([&] { return layer->hostHold().has_value(); }, 3000));
    EXPECT_EQ(*layer->hostHold(), QStringLiteral("GNOME until tomorrow"));
    EXPECT_GE(notices, 1);
    gamma.apply(2800);
    EXPECT_EQ(session->get(temperature), QStringLiteral("uint32 3400")) << "left alone";
    session->setDisabledUntilTomorrow(false);
    EXPECT_TRUE(eventually(temperature, QStringLiteral("uint32 2800")));
    EXPECT_FALSE(layer->hostHold());
}

TEST_F(GnomeLayer, SettingsLeftByAKilledProcessAreGivenBackAtTheNextStart) {
    session->set(temperature, QStringLiteral("4100"));
    QByteArray record;
    {
        auto layer = create();
        ASSERT_TRUE(layer);
        layer->setTemperature(2500);
        QFile file(capture());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        record = file.readAll();
    }
    // What a SIGKILL leaves: the tint in place and the record of a dead process.
    session->set(enabled, QStringLiteral("true"));
    session->set(temperature, QStringLiteral("2500"));
    record.replace(QByteArray::number(QCoreApplication::applicationPid()), "2147483646");
    QFile file(capture());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(record);
    file.close();

    auto next = create();
    ASSERT_TRUE(next);
    EXPECT_TRUE(eventually(temperature, QStringLiteral("uint32 4100")));
    EXPECT_TRUE(eventually(enabled, QStringLiteral("false")));
    EXPECT_FALSE(session->hasUserValue(enabled));
    EXPECT_FALSE(QFile::exists(capture()));
}

// An administrator's lockdown of one Night Light key, as a dconf database
// below the user's: this process's GIO reads the profile once, so the
// suite has a process of its own.
class GnomeLockdown : public GnomeLayer {
protected:
    static void SetUpTestSuite() {
        profileDir = new test::TempDir;
        const QString keyfiles = profileDir->file(QStringLiteral("db.d"));
        QDir().mkpath(keyfiles + QStringLiteral("/locks"));
        QFile locks(keyfiles + QStringLiteral("/locks/night-light"));
        ASSERT_TRUE(locks.open(QIODevice::WriteOnly));
        locks.write("/org/gnome/settings-daemon/plugins/color/night-light-temperature\n");
        locks.close();
        const QString db = profileDir->file(QStringLiteral("locked"));
        ASSERT_EQ(
            QProcess::execute(QStringLiteral("dconf"), {QStringLiteral("compile"), db, keyfiles}),
            0);
        QFile profile(profileDir->file(QStringLiteral("profile")));
        ASSERT_TRUE(profile.open(QIODevice::WriteOnly));
        profile.write("user-db:user\nfile-db:" + QFile::encodeName(db) + "\n");
        profile.close();
        qputenv("DCONF_PROFILE", QFile::encodeName(profile.fileName()));
        GnomeLayer::SetUpTestSuite();
    }
    static void TearDownTestSuite() {
        GnomeLayer::TearDownTestSuite();
        delete profileDir;
    }
    static inline test::TempDir* profileDir = nullptr;
};

TEST_F(GnomeLockdown, ALockedKeyIsTroubleThatSaysWhichAndNothingIsChanged) {
    {
        auto layer = create();
        ASSERT_TRUE(layer);
        layer->setTemperature(3400);
        ASSERT_TRUE(layer->trouble());
        EXPECT_EQ(*layer->trouble(), QStringLiteral("Night Light's settings are locked by the "
                                                    "administrator (night-light-temperature)"));
        EXPECT_EQ(session->get(enabled), QStringLiteral("false"));
        EXPECT_FALSE(session->hasUserValue(enabled));
    }
    // Nothing was changed, so giving back worked and left no record.
    EXPECT_FALSE(QFile::exists(capture()));
}

} // namespace
} // namespace torvel
