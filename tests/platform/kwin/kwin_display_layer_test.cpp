// The KWin layer against a real KWin: the temperature reaches Night Color,
// the user's own group comes back exactly, a change behind our back is
// corrected, and a group left by a killed process is given back.
#include "core/coordinator.h"
#include "core/gamma_service.h"
#include "fakes/manual_system_events.h"
#include "platform/kwin/kconfig_group.h"
#include "platform/kwin/kwin_display_layer.h"
#include "platform/qt/qt_main_queue.h"
#include "settings/settings_store.h"
#include "support/event_loop.h"
#include "support/kwin_server.h"
#include "support/result_value.h"
#include "support/temp_dir.h"

#include <functional>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>
#include <sys/stat.h>

namespace torvel {
namespace {

using test::KWinServer;
using test::spinFor;

// One KWin for the suite: the process's session bus, once connected, stays
// the one it first saw.
class KWinLayer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server = new KWinServer;
        // The layer talks to the session bus; this process's is KWin's.
        qputenv("DBUS_SESSION_BUS_ADDRESS", server->busAddress().toUtf8());
    }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }
    void SetUp() override {
        if (!kwin.running()) {
            GTEST_SKIP() << kwin.error().toStdString();
        }
    }

    std::unique_ptr<KWinDisplayLayer> create() {
        KWinDisplayLayer::Options options;
        options.kwinrc = kwin.kwinrc();
        options.capture = capture();
        return test::valueOf(KWinDisplayLayer::create(options));
    }
    QString capture() const { return runtime.file(QStringLiteral("kwin-night-color.json")); }

    static inline KWinServer* server = nullptr;
    KWinServer& kwin = *server;
    test::TempDir runtime;
    QtMainQueue queue;
};

TEST_F(KWinLayer, ProbeFindsNightColor) {
    EXPECT_EQ(KWinDisplayLayer::probe(), kwin.offersPlasma6()
                                             ? KWinDisplayLayer::Interface::plasma6
                                             : KWinDisplayLayer::Interface::plasma5);
}

TEST_F(KWinLayer, TintsAndGivesEachKindOfUserSettingBackExactly) {
    struct Case {
        QString group;
        bool enabled;
        uint mode;
        uint target;
    };
    const QString rest = QStringLiteral("[Desktops]\nNumber=1\nRows=1\n");
    const std::vector<Case> cases{
        {QString(), false, 0, 6500},
        {QStringLiteral("\n[NightColor]\nActive=false\n"), false, 0, 6500},
        {QStringLiteral("\n[NightColor]\nActive=true\nMode=Constant\nNightTemperature=5000\n"),
         true, 3, 5000},
        {QStringLiteral("\n[NightColor]\nActive=true\nLatitudeFixed=52.52\nLongitudeFixed=13.4\n"
                        "Mode=Automatic\n"),
         true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group.toStdString());
        const QString user = rest + c.group;
        kwin.writeUserConfig(user);
        ASSERT_TRUE(kwin.waitFor(QStringLiteral("enabled"), c.enabled));
        {
            auto layer = create();
            ASSERT_TRUE(layer);
            GammaService gamma(*layer, queue);
            gamma.apply(3400);
            EXPECT_TRUE(kwin.waitFor(QStringLiteral("currentTemperature"), 3400u));
            EXPECT_EQ(kwin.nightColor().value(QStringLiteral("mode")).toUInt(), 3u);
            EXPECT_TRUE(QFile::exists(capture()));
            EXPECT_EQ(QFile::permissions(capture()),
                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                          QFileDevice::WriteUser);
        } // the layer goes: the user's group comes back
        // KWin writes groups of its own to the file at times ([Tiling]);
        // ours must be as the user left it, and the user's others untouched.
        const QString now = kwin.readKwinrc();
        EXPECT_EQ(groupLines(now, QStringLiteral("NightColor")),
                  groupLines(user, QStringLiteral("NightColor")));
        EXPECT_TRUE(now.startsWith(rest)) << now.toStdString();
        EXPECT_FALSE(QFile::exists(capture()));
        EXPECT_TRUE(kwin.waitFor(QStringLiteral("enabled"), c.enabled));
        EXPECT_TRUE(kwin.waitFor(QStringLiteral("mode"), c.mode));
        if (c.target != 0) {
            // A disabled Night Color fades back to neutral.
            EXPECT_TRUE(kwin.waitFor(c.enabled ? QStringLiteral("targetTemperature")
                                               : QStringLiteral("currentTemperature"),
                                     c.target));
        }
    }
}

TEST_F(KWinLayer, TheScheduleAtAFixedTimeReachesKWin) {
    test::TempDir dir;
    Preferences prefs(dir.file(QStringLiteral("torvelbar.conf")));
    SettingsStore settings(prefs);
    auto layer = create();
    ASSERT_TRUE(layer);
    GammaService gamma(*layer, queue);
    ManualSystemEvents events;
    // 22:00 UTC with the default schedule: halfway down the wind-down ramp.
    const QDateTime at(QDate(2026, 12, 7), QTime(22, 0), QTimeZone::utc());
    Coordinator coordinator(settings, gamma, queue, events, [&] { return at; });
    coordinator.start();
    const auto expected = settings.schedule().evaluate(22 * 60).kelvin;
    ASSERT_GT(expected, 2700);
    ASSERT_LT(expected, 6500);
    EXPECT_EQ(coordinator.kelvin(), expected);
    EXPECT_TRUE(kwin.waitFor(QStringLiteral("targetTemperature"), static_cast<uint>(expected)));
}

TEST_F(KWinLayer, AChangeBehindOurBackIsCorrectedByTheNextWrite) {
    auto layer = create();
    ASSERT_TRUE(layer);
    GammaService gamma(*layer, queue);
    gamma.apply(3000);
    ASSERT_TRUE(kwin.waitFor(QStringLiteral("targetTemperature"), 3000u));

    QString changed = kwin.readKwinrc();
    changed.replace(QStringLiteral("NightTemperature=3000"),
                    QStringLiteral("NightTemperature=5200"));
    kwin.writeUserConfig(changed);
    ASSERT_TRUE(kwin.waitFor(QStringLiteral("targetTemperature"), 5200u));
    spinFor(2100);     // past the settling time after our own write
    gamma.apply(3000); // a tick with the same value
    EXPECT_TRUE(kwin.waitFor(QStringLiteral("targetTemperature"), 3000u));
}

TEST_F(KWinLayer, AGroupLeftByAKilledProcessIsGivenBackAtTheNextStart) {
    const QString user =
        QStringLiteral("[NightColor]\nActive=true\nMode=Constant\nNightTemperature=4800\n");
    kwin.writeUserConfig(user);
    ASSERT_TRUE(kwin.waitFor(QStringLiteral("targetTemperature"), 4800u));
    auto layer = create();
    ASSERT_TRUE(layer);
    layer->setTemperature(2500);
    ASSERT_TRUE(kwin.waitFor(QStringLiteral("targetTemperature"), 2500u));
    // What a SIGKILL leaves: kwinrc tinted, the capture naming a dead process.
    QFile file(capture());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray record = file.readAll();
    file.close();
    layer.reset();
    ASSERT_EQ(groupLines(kwin.readKwinrc(), QStringLiteral("NightColor")),
              groupLines(user, QStringLiteral("NightColor")));
    QString tinted = user;
    kwin.writeUserConfig(tinted.replace(QStringLiteral("4800"), QStringLiteral("2500")));
    record.replace(QByteArray::number(QCoreApplication::applicationPid()), "2147483646");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(record);
    file.close();

    auto next = create();
    ASSERT_TRUE(next);
    EXPECT_EQ(groupLines(kwin.readKwinrc(), QStringLiteral("NightColor")),
              groupLines(user, QStringLiteral("NightColor")));
    EXPECT_FALSE(QFile::exists(capture()));
    EXPECT_TRUE(kwin.waitFor(QStringLiteral("targetTemperature"), 4800u));
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// A FIFO would block the app for good, a folder cannot be replaced, a
// huge file is no kwinrc of the user's: nothing is written, the trouble says
// why, and it clears, the colour going through, once kwinrc is a file again.
TEST_F(KWinLayer, WhatIsNotAReadableFileIsLeftAloneAndSaysWhy) {
    struct Case {
        const char* name;
        std::function<void(const QString&)> make;
        QString trouble;
    };
    const std::vector<Case> cases{
        {"fifo", [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p), 0600), 0); },
         QStringLiteral("kwinrc is not a regular file")},
        {"folder", [](const QString& p) { ASSERT_TRUE(QDir().mkpath(p)); },
         QStringLiteral("kwinrc is not a regular file")},
        {"20 MiB", [](const QString& p) { writeBytes(p, QByteArray(20 << 20, '#')); },
         QStringLiteral("kwinrc is larger than 16 MiB")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(kwin.kwinrc());
        QDir(kwin.kwinrc()).removeRecursively();
        c.make(kwin.kwinrc());
        const QFileInfo before(kwin.kwinrc());
        auto layer = create();
        ASSERT_TRUE(layer);
        GammaService gamma(*layer, queue);
        gamma.apply(3400); // returns: nothing blocks
        EXPECT_EQ(layer->trouble(), c.trouble);
        const QFileInfo after(kwin.kwinrc());
        EXPECT_EQ(after.isFile(), before.isFile());
        EXPECT_EQ(after.size(), before.size());
        EXPECT_EQ(after.lastModified(), before.lastModified());
        EXPECT_FALSE(QFile::exists(capture()));

        QFile::remove(kwin.kwinrc());
        QDir(kwin.kwinrc()).removeRecursively();
        writeBytes(kwin.kwinrc(), "[Desktops]\nNumber=1\n");
        gamma.apply(3400);
        EXPECT_EQ(layer->trouble(), std::nullopt);
        EXPECT_TRUE(kwin.waitFor(QStringLiteral("targetTemperature"), 3400u));
    }
}

// Every byte outside our keys stays: bytes that are not UTF-8, CRLF
// endings, a repeated group (KWin reads the last, so that is where we
// write), and a kwinrc that is a link (written through, the link kept).
TEST_F(KWinLayer, TheFileComesBackByteForByte) {
    const QByteArray other = "[A]\r\nTitle=Caf\xe9\r\n\r\n";
    struct Case {
        const char* name;
        QByteArray text;
        bool link;
    };
    const std::vector<Case> cases{
        {"bytes and CRLF", other + "[NightColor]\r\nActive=false\r\n", false},
        {"repeated group",
         "[NightColor]\nActive=true\nMode=Constant\nNightTemperature=5000\n\n" + other +
             "[NightColor]\nNightTemperature=4500\n",
         false},
        {"link", other + "[NightColor]\nActive=false\n", true},
    };
    test::TempDir elsewhere;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(kwin.kwinrc());
        const QString target = c.link ? elsewhere.file(QStringLiteral("kwinrc")) : kwin.kwinrc();
        writeBytes(target, c.text);
        if (c.link) {
            ASSERT_TRUE(QFile::link(target, kwin.kwinrc()));
        }
        {
            auto layer = create();
            ASSERT_TRUE(layer);
            GammaService gamma(*layer, queue);
            gamma.apply(3400);
            EXPECT_TRUE(kwin.waitFor(QStringLiteral("targetTemperature"), 3400u));
            EXPECT_TRUE(bytesOf(target).contains(other));
            EXPECT_EQ(QFileInfo(kwin.kwinrc()).isSymLink(), c.link);
        }
        EXPECT_EQ(bytesOf(target), c.text);
        EXPECT_EQ(QFileInfo(kwin.kwinrc()).isSymLink(), c.link);
    }
    QFile::remove(kwin.kwinrc());
}

} // namespace
} // namespace torvel
