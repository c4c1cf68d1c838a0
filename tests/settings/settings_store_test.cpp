#include "settings/ini_text.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "support/event_loop.h"
#include "support/temp_dir.h"

#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace torvel {
namespace {

using test::readFile;
using test::writeFile;

struct Loaded {
    TorvelMode mode;
    std::int64_t manualKelvin;
    LightSchedule schedule;
};

// Loads a store from a file holding exactly `ini`, as a new process would.
Loaded loadFrom(const test::TempDir& dir, const QByteArray& ini, const char* name = "t.conf") {
    const QString path = dir.file(QString::fromLatin1(name));
    writeFile(path, ini);
    Preferences prefs(path);
    SettingsStore store(prefs);
    return {store.mode(), store.manualKelvin(), store.schedule()};
}

const LightSchedule defaultSchedule{};

TEST(SettingsStore, SunSourceAndPlacesRoundTripAndBadOnesReadAsNone) {
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("t.conf"));
    {
        Preferences prefs(path);
        SettingsStore store(prefs);
        EXPECT_EQ(store.scheduleSource(), ScheduleSource::clock);
        EXPECT_FALSE(store.location());
        store.setScheduleSource(ScheduleSource::sun);
        EXPECT_TRUE(store.setLocation(GeoPoint{59.91, 10.75}));
        EXPECT_FALSE(store.setLocation(GeoPoint{91, 0})); // refused
        EXPECT_TRUE(store.setLastKnownLocation(GeoPoint{-33.87, 151.21}));
    }
    const QByteArray text = readFile(path);
    EXPECT_TRUE(text.contains(R"(scheduleSource=@ByteArray(\"sun\"))")) << text.constData();
    {
        Preferences prefs(path);
        SettingsStore store(prefs);
        EXPECT_EQ(store.scheduleSource(), ScheduleSource::sun);
        EXPECT_EQ(store.location(), (GeoPoint{59.91, 10.75}));
        EXPECT_EQ(store.lastKnownLocation(), (GeoPoint{-33.87, 151.21}));
        EXPECT_TRUE(store.setLocation(std::nullopt));
    }
    EXPECT_FALSE(readFile(path).contains("\nlocation="));

    for (const char* bad : {R"(location=@ByteArray({\"latitude\":95,\"longitude\":0}))",
                            R"(location=@ByteArray({\"latitude\":10,\"longitude\":-180.5}))",
                            R"(location=@ByteArray({\"latitude\":\"10\",\"longitude\":5}))",
                            R"(location=@ByteArray({\"latitude\":1e999,\"longitude\":5}))",
                            R"(location=@ByteArray({\"latitude\":10}))",
                            R"(location=@ByteArray([10,5]))", "location=10 5"}) {
        writeFile(path,
                  QByteArray("[General]\nscheduleSource=@ByteArray(\\\"Sun\\\")\n") + bad + "\n");
        Preferences prefs(path);
        SettingsStore store(prefs);
        EXPECT_FALSE(store.location()) << bad;
        EXPECT_EQ(store.scheduleSource(), ScheduleSource::clock) << "case matters";
    }
}

// The apps and the fullscreen choice come back as stored; a list with
// one bad id, or of the wrong form, reads as empty, and is refused.
TEST(SettingsStore, PauseAppsAndFullscreenRoundTripAndBadOnesReadAsDefaults) {
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("t.conf"));
    {
        Preferences prefs(path);
        SettingsStore store(prefs);
        EXPECT_TRUE(store.setPauseApps({QStringLiteral("mpv"), QStringLiteral("org.gimp.GIMP")}));
        EXPECT_FALSE(store.setPauseApps({QStringLiteral("mpv"), QString()})); // refused
        store.setPauseFullscreen(true);
    }
    Preferences prefs(path);
    SettingsStore store(prefs);
    EXPECT_EQ(store.pauseApps(),
              (QStringList{QStringLiteral("mpv"), QStringLiteral("org.gimp.GIMP")}));
    EXPECT_TRUE(store.pauseFullscreen());
    for (const char* ini :
         {R"(pauseApps=@ByteArray([\"mpv\",\"\"]))", R"(pauseApps=@ByteArray([\"mpv\",3]))",
          R"(pauseApps=@ByteArray(\"mpv\"))", "pauseFullscreen=@ByteArray(1)"}) {
        const std::string name = std::string("bad") + std::to_string(std::strlen(ini)) + ".conf";
        QFile f(dir.file(QString::fromStdString(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("[General]\n") + ini + "\n");
        f.close();
        Preferences bad(f.fileName());
        SettingsStore read(bad);
        EXPECT_TRUE(read.pauseApps().isEmpty()) << ini;
        EXPECT_FALSE(read.pauseFullscreen()) << ini;
    }
}

TEST(SettingsStore, EachDisplaysChoicesRoundTripAndABadEntryIsKeptAsWritten) {
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("t.conf"));
    // One entry of every kind: good, at the defaults, unreadable, not an object.
    writeFile(path,
              "[General]\ndisplays=" +
                  iniByteArrayText(R"({"DEL-A0F2-7MT":{"strength":40},"DP-2":{"tint":false,"x":1},)"
                                   R"("HDMI-1":{"tint":"no"},"eDP-1":7,"TV":{"strength":101}})")
                      .toUtf8() +
                  "\n");
    {
        Preferences prefs(path);
        SettingsStore store(prefs);
        const DisplayOptionsMap& options = store.displays().options;
        EXPECT_EQ(options.size(), 2u);
        EXPECT_EQ(options.at(QStringLiteral("DEL-A0F2-7MT")), (DisplayOptions{true, 40}));
        EXPECT_EQ(options.at(QStringLiteral("DP-2")), (DisplayOptions{false, 100}));
        // The key wins over the connector; a display named by neither takes the defaults.
        EXPECT_EQ(
            optionsFor(options, {QStringLiteral("DEL-A0F2-7MT"), QStringLiteral("DP-2"), {}, {}}),
            (DisplayOptions{true, 40}));
        EXPECT_EQ(optionsFor(options, {QStringLiteral("X"), QStringLiteral("HDMI-1"), {}, {}}),
                  DisplayOptions{});

        EXPECT_FALSE(store.setDisplay(QStringLiteral("DP-1"), {true, 120}));
        EXPECT_FALSE(store.setDisplay(QStringLiteral(" "), {true, 50}));
        EXPECT_TRUE(store.setDisplay(QStringLiteral("DP-1"), {true, 70}));
        EXPECT_TRUE(store.setDisplay(QStringLiteral("DP-2"), {true, 100})); // keeps its "x"
        EXPECT_TRUE(store.setDisplay(QStringLiteral("DEL-A0F2-7MT"), {}));  // back to none
    }
    Preferences prefs(path);
    SettingsStore store(prefs);
    const QJsonObject& stored = store.displays().stored;
    EXPECT_EQ(stored.value(QStringLiteral("DP-1")).toObject().value(QStringLiteral("strength")),
              70);
    EXPECT_EQ(stored.value(QStringLiteral("DP-2")).toObject().value(QStringLiteral("x")), 1);
    EXPECT_FALSE(stored.contains(QStringLiteral("DEL-A0F2-7MT")));
    EXPECT_EQ(stored.value(QStringLiteral("HDMI-1")).toObject().value(QStringLiteral("tint")),
              QStringLiteral("no"))
        << "an entry that does not read stays as written";
    EXPECT_EQ(stored.value(QStringLiteral("eDP-1")), 7);
    EXPECT_EQ(store.displays().options.size(), 1u);
}

TEST(SettingsStore, FreshFileGivesDefaultsAndStoresOnlyTheSchedule) {
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("cfg/torvelbar/torvelbar.conf"));
    {
        Preferences prefs(path);
        SettingsStore store(prefs);
        EXPECT_EQ(store.mode(), TorvelMode::automatic);
        EXPECT_EQ(store.manualKelvin(), 3400);
        EXPECT_EQ(store.schedule(), defaultSchedule);
    }
    const QByteArray text = readFile(path);
    // Quoted because INI reads bare commas as a list.
    EXPECT_TRUE(text.contains(R"x(schedule="@ByteArray({\"bedtime\":1410,\"wake\":450,)x"
                              R"x(\"windDown\":180,\"dayKelvin\":6500,\"nightKelvin\":2700})")x"))
        << text.constData();
    EXPECT_FALSE(text.contains("mode="));
    EXPECT_FALSE(text.contains("manualKelvin="));

    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ASSERT_EQ(::stat(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST(SettingsStore, AssignmentsAnnounceThenStoreAndWriteThroughAtOnce) {
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("t.conf"));
    Preferences prefs(path);
    SettingsStore store(prefs);
    std::vector<TorvelMode> seen;
    auto handle = store.objectWillChange().subscribe([&] { seen.push_back(store.mode()); });

    store.setMode(TorvelMode::off);
    EXPECT_EQ(seen, std::vector<TorvelMode>{TorvelMode::automatic}) << "told before the change";
    EXPECT_TRUE(readFile(path).contains(R"(mode=@ByteArray(\"off\"))"));

    LightSchedule s = store.schedule();
    s.windDown = 45;
    store.setSchedule(s);
    store.setManualKelvin(-5); // kept as given
    store.setManualKelvin(-5);
    EXPECT_EQ(seen.size(), 4u) << "equal values announce too";
    const QByteArray text = readFile(path);
    EXPECT_TRUE(text.contains(R"(\"windDown\":45,\"dayKelvin\")")) << "the whole object";
    EXPECT_TRUE(text.contains("manualKelvin=@ByteArray(-5)"));

    const Loaded again = loadFrom(dir, text, "copy.conf");
    EXPECT_EQ(again.mode, TorvelMode::off);
    EXPECT_EQ(again.manualKelvin, -5);
    EXPECT_EQ(again.schedule, s);
}

// The app's writes wait a moment: a drag's steps reach the disk together,
// each within the delay, a failure shows when it happens, and a flush (the
// app's end) writes at once. Every change is readable at once meanwhile.
TEST(SettingsStore, WithAWriteDelayADragWritesTheFileAFewTimesAndFlushWritesAtOnce) {
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("t.conf"));
    Preferences prefs(path);
    prefs.setWriteDelay(std::chrono::milliseconds(100));
    SettingsStore store(prefs);
    int saveStates = 0;
    auto heard = prefs.subscribeSaveState([&] { ++saveStates; });
    const int before = prefs.fileWrites();

    for (int i = 0; i < 40; ++i) { // 400 ms of a drag
        store.setManualKelvin(2000 + i);
        test::spinFor(10);
    }
    EXPECT_EQ(store.manualKelvin(), 2039);
    ASSERT_TRUE(test::spinUntil([&] { return !prefs.hasPendingChanges(); }, 1000));
    EXPECT_TRUE(readFile(path).contains("manualKelvin=@ByteArray(2039)"));
    EXPECT_GE(prefs.fileWrites() - before, 2) << "the first did not wait for the drag's end";
    EXPECT_LE(prefs.fileWrites() - before, 20) << "a few writes, not one a step";

    store.setMode(TorvelMode::off);
    EXPECT_FALSE(readFile(path).contains(R"(mode=@ByteArray(\"off\"))")) << "waits";
    prefs.flush();
    EXPECT_TRUE(readFile(path).contains(R"(mode=@ByteArray(\"off\"))")) << "at once";
    EXPECT_EQ(saveStates, 0) << "nothing failed";

    // A folder where the file would go: the deferred write fails, and says so.
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkdir(path));
    store.setManualKelvin(2100);
    ASSERT_TRUE(test::spinUntil([&] { return saveStates == 1; }, 1000));
    EXPECT_FALSE(prefs.saveError().isEmpty());
}

TEST(SettingsStore, StoredValuesOfTheWrongFormReadAsDefaults) {
    test::TempDir dir;
    struct Case {
        const char* ini;
        TorvelMode mode;
        std::int64_t manualKelvin;
    };
    const Case cases[] = {
        {R"(mode=@ByteArray(\"manual\"))", TorvelMode::manual, 3400},
        {R"(mode=@ByteArray(\"Manual\"))", TorvelMode::automatic, 3400},
        {"mode=off", TorvelMode::automatic, 3400}, // a plain string, not data
        {"mode=@ByteArray(off)", TorvelMode::automatic, 3400},
        {"mode=@ByteArray([\\\"off\\\"])", TorvelMode::automatic, 3400},
        {"manualKelvin=@ByteArray(2500)", TorvelMode::automatic, 2500},
        {"manualKelvin=@ByteArray(2500.5)", TorvelMode::automatic, 3400},
        {"manualKelvin=@ByteArray(2500.0)", TorvelMode::automatic, 3400},
        {"manualKelvin=@ByteArray(9223372036854775807)", TorvelMode::automatic, INT64_MAX},
        {"manualKelvin=@ByteArray(-9223372036854775808)", TorvelMode::automatic, INT64_MIN},
        {"manualKelvin=@ByteArray(9223372036854775808)", TorvelMode::automatic, 3400},
        {"manualKelvin=@ByteArray(1e400)", TorvelMode::automatic, 3400},
        {"manualKelvin=2500", TorvelMode::automatic, 3400},
        {"manualKelvin=@Variant(\\0\\0\\0\\x4\\0\\0\\t\\xc4)", TorvelMode::automatic, 3400},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string name = "case" + std::to_string(n++) + ".conf";
        const Loaded loaded = loadFrom(dir, QByteArray("[General]\n") + c.ini + "\n", name.c_str());
        EXPECT_EQ(loaded.mode, c.mode) << c.ini;
        EXPECT_EQ(loaded.manualKelvin, c.manualKelvin) << c.ini;
    }
}

// The brightness keys: whole percents of 10 to 100, anything else the
// default; the older releases' "manualBrightness" goes, ours stays.
TEST(SettingsStore, BrightnessesReadOnlyInRangeAndOutliveTheRetiredKey) {
    test::TempDir dir;
    const struct {
        const char* ini;
        int night, manual;
    } cases[] = {
        {"nightBrightness=@ByteArray(60)\nmanualBrightnessLevel=@ByteArray(10)", 60, 10},
        {"nightBrightness=@ByteArray(9)\nmanualBrightnessLevel=@ByteArray(101)", 100, 100},
        {"nightBrightness=@ByteArray(60.5)\nmanualBrightness=@ByteArray(50)", 100, 100},
        {"nightBrightness=60", 100, 100}, // not data
    };
    int n = 0;
    for (const auto& c : cases) {
        const QString path = dir.file(QStringLiteral("b%1.conf").arg(n++));
        writeFile(path, QByteArray("[General]\n") + c.ini + "\n");
        Preferences prefs(path);
        SettingsStore store(prefs);
        EXPECT_EQ(store.nightBrightness(), c.night) << c.ini;
        EXPECT_EQ(store.manualBrightness(), c.manual) << c.ini;
    }
    const QString path = dir.file(QStringLiteral("b.conf"));
    {
        Preferences prefs(path);
        SettingsStore store(prefs);
        EXPECT_FALSE(store.setNightBrightness(5));
        EXPECT_EQ(refusalOf(setting::nightBrightness, std::int64_t{5}),
                  QStringLiteral("the night brightness takes 10 to 100 %, not 5"));
        EXPECT_TRUE(store.setManualBrightness(30));
        EXPECT_TRUE(store.setDisplay(QStringLiteral("DP-1"), {true, 100, false}));
    }
    Preferences prefs(path);
    SettingsStore store(prefs);
    EXPECT_EQ(store.manualBrightness(), 30);
    EXPECT_EQ(store.displays().options.at(QStringLiteral("DP-1")),
              (DisplayOptions{true, 100, false}));
}

TEST(SettingsStore, UnreadableScheduleIsReplacedByTheDefaultOnDisk) {
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("t.conf"));
    writeFile(path, "[General]\nschedule=@ByteArray({\\\"bedtime\\\":1}) \nmode=off\n");
    Preferences prefs(path);
    SettingsStore store(prefs);
    EXPECT_EQ(store.schedule(), defaultSchedule);
    const QByteArray text = readFile(path);
    EXPECT_TRUE(text.contains("\\\"nightKelvin\\\":2700")) << text.constData();
    EXPECT_TRUE(text.contains("mode=off")) << "an unreadable mode stays until assigned";
}

TEST(SettingsStore, MigratesTheAnchorsAndRemovesEveryRetiredKey) {
    test::TempDir dir;
    QByteArray retired;
    for (const char* key : SettingsStore::retiredKeys) {
        retired += QByteArray(key) + "=1\n";
    }
    const QString path = dir.file(QStringLiteral("t.conf"));
    // The anchors' own lines come last and win over the "=1" above.
    writeFile(path, "[General]\n" + retired + "es.anchorBed=1380\nes.anchorWake=420\n");
    {
        Preferences prefs(path);
        SettingsStore store(prefs);
        EXPECT_EQ(store.schedule(), (LightSchedule{1380, 420, 180, 6500, 2700}));
    }
    const QByteArray text = readFile(path);
    for (const char* key : SettingsStore::retiredKeys) {
        EXPECT_FALSE(text.contains(QByteArray("\n") + key + "=")) << key;
    }
    EXPECT_TRUE(text.contains("\\\"bedtime\\\":1380")) << "the migrated schedule is saved";
}

TEST(SettingsStore, AnchorsOnlyCountAsWholeNumbers) {
    test::TempDir dir;
    struct Case {
        const char* ini;
        std::int64_t bedtime;
    };
    const Case cases[] = {
        {"es.anchorBed=-30", 1410},
        {"es.anchorBed=1500", 60},
        {"es.anchorBed=1380.0", 1380},
        {"es.anchorBed=1380.5", 1410},
        {"es.anchorBed=+1380.", 1380},
        {"es.anchorBed= 1380 ", 1380},
        {"es.anchorBed=.0", 1410},
        {"es.anchorBed=-", 1410},
        {"es.anchorBed=13 80", 1410},
        {"es.anchorBed=22:30", 1410},
        {"es.anchorBed=@ByteArray(1380)", 1410},
        {"es.anchorBed=9223372036854775807", 9223372036854775807LL % 1440},
        {"es.anchorBed=-9223372036854775808", 1440 + (INT64_MIN % 1440)},
        {"es.anchorBed=99999999999999999999", 1410},
        {"es.anchorBed=1380\nschedule=\"@ByteArray({\\\"bedtime\\\":5,\\\"wake\\\":6,"
         "\\\"windDown\\\":7,\\\"dayKelvin\\\":8,\\\"nightKelvin\\\":9})\"",
         5},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string name = "anchor" + std::to_string(n++) + ".conf";
        const Loaded loaded = loadFrom(dir, QByteArray("[General]\n") + c.ini + "\n", name.c_str());
        EXPECT_EQ(loaded.schedule.bedtime, c.bedtime) << c.ini;
        EXPECT_EQ(loaded.schedule.wake, c.bedtime == 5 ? 6 : 450) << c.ini;
    }
}

TEST(SettingsStore, GarbageFileGivesDefaultsAndIsWritableAfterwards) {
    test::TempDir dir;
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage += static_cast<char>((i * 7919 + 13) % 256);
    }
    garbage += "\n[General\nmode=@ByteArray(\nschedule=@ByteArray({\\\"bedtime\\\":1e999})";
    const QString path = dir.file(QStringLiteral("t.conf"));
    writeFile(path, garbage);
    Preferences prefs(path);
    SettingsStore store(prefs);
    EXPECT_EQ(store.mode(), TorvelMode::automatic);
    EXPECT_EQ(store.manualKelvin(), 3400);
    EXPECT_EQ(store.schedule(), defaultSchedule);
    store.setMode(TorvelMode::manual);
    EXPECT_EQ(loadFrom(dir, readFile(path), "copy.conf").mode, TorvelMode::manual);
}

TEST(SettingsStore, UnusablePlacesGiveDefaultsAndKeepChangesForTheNextGoodWrite) {
    test::TempDir dir;
    // A folder where the file should be.
    const QString folder = dir.file(QStringLiteral("t.conf"));
    QDir().mkpath(folder);
    {
        Preferences prefs(folder);
        SettingsStore store(prefs);
        store.setMode(TorvelMode::off);
        EXPECT_EQ(store.mode(), TorvelMode::off);
        EXPECT_EQ(store.schedule(), defaultSchedule);
    }

    // A file where the folder should be: no write can succeed, not even as root.
    const QString blocker = dir.file(QStringLiteral("cfg"));
    writeFile(blocker, "not a folder");
    const QString path = blocker + QStringLiteral("/torvelbar.conf");
    Preferences prefs(path);
    SettingsStore store(prefs);
    store.setMode(TorvelMode::off);
    EXPECT_EQ(store.mode(), TorvelMode::off);
    EXPECT_TRUE(readFile(path).isEmpty());
    EXPECT_FALSE(prefs.saveError().isEmpty()) << "and it says so";

    // The place becomes usable: the next write carries the earlier change too.
    QFile::remove(blocker);
    QDir().mkpath(blocker);
    store.setManualKelvin(2000);
    const Loaded loaded = loadFrom(dir, readFile(path), "copy.conf");
    EXPECT_EQ(loaded.mode, TorvelMode::off);
    EXPECT_EQ(loaded.manualKelvin, 2000);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(Preferences, EveryLineOutsideOurKeysSurvivesAChangeByteForByte) {
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("t.conf"));
    const QByteArray before =
        "; written by hand\n[General]\n# the mode\nmode=@ByteArray(\\\"off\\\")\n"
        "title=Caf\xe9\n\n[Other]\nx=1\n; last";
    writeFile(path, before);
    Preferences prefs(path);
    SettingsStore store(prefs);
    store.setManualKelvin(2900);
    store.setMode(TorvelMode::manual);
    const QByteArray after = readFile(path);
    EXPECT_EQ(after, "; written by hand\n[General]\n# the mode\nmode=@ByteArray(\\\"manual\\\")\n"
                     "title=Caf\xe9\n"
                     "schedule=" +
                         after.split('\n').at(5).mid(9) +
                         "\nmanualKelvin=@ByteArray(2900)\n"
                         "\n[Other]\nx=1\n; last");
}

TEST(Preferences, LinksAreFollowedOnlyToTheUsersOwnFiles) {
    test::TempDir dir;
    QDir().mkpath(dir.file(QStringLiteral("dotfiles")));
    const QString target = dir.file(QStringLiteral("dotfiles/torvelbar.conf"));
    writeFile(target, "[General]\nmode=@ByteArray(\\\"manual\\\")\n");
    ::chmod(QFile::encodeName(target).constData(), 0644);
    const QString path = dir.file(QStringLiteral("torvelbar.conf"));
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()),
              0);
    {
        Preferences prefs(path);
        SettingsStore store(prefs);
        EXPECT_EQ(store.mode(), TorvelMode::manual) << "read through the link";
        store.setManualKelvin(2500);
        EXPECT_TRUE(prefs.saveError().isEmpty()) << prefs.saveError().toStdString();
    }
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the link stays";
    EXPECT_TRUE(readFile(target).contains("manualKelvin=@ByteArray(2500)"));
    ::stat(QFile::encodeName(target).constData(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0644u) << "the target keeps its mode";

    // Someone else's file (as root: one handed to nobody) is read, never written.
    const QString foreign = dir.file(QStringLiteral("foreign.conf"));
    const bool root = ::geteuid() == 0;
    const QString theirs = root ? foreign : QStringLiteral("/etc/passwd");
    if (root) {
        writeFile(foreign, "[General]\nmode=@ByteArray(\\\"off\\\")\n");
        ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
    }
    const QByteArray theirText = readFile(theirs);
    const QString other = dir.file(QStringLiteral("other.conf"));
    ::symlink(QFile::encodeName(theirs).constData(), QFile::encodeName(other).constData());
    std::vector<QString> said;
    Preferences prefs(other, [&](const QString& line) { said.push_back(line); });
    SettingsStore store(prefs);
    EXPECT_EQ(store.mode(), root ? TorvelMode::off : TorvelMode::automatic);
    EXPECT_FALSE(prefs.setData(QStringLiteral("k"), "v"));
    EXPECT_EQ(prefs.data(QStringLiteral("k")), QByteArray("v")) << "kept for this run";
    EXPECT_EQ(readFile(theirs), theirText);
    ASSERT_EQ(said.size(), 1u) << "said once";
    EXPECT_TRUE(said[0].contains("not yours")) << said[0].toStdString();
}

TEST(Preferences, AFileTooLargeOrUnreadableIsNeverReplaced) {
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("t.conf"));
    const QByteArray large = "[General]\nmode=@ByteArray(\\\"off\\\")\n" + QByteArray(1 << 21, ';');
    writeFile(path, large);
    std::vector<QString> said;
    {
        Preferences prefs(path, [&](const QString& line) { said.push_back(line); });
        SettingsStore store(prefs);
        EXPECT_EQ(store.mode(), TorvelMode::automatic) << "the defaults";
        store.setMode(TorvelMode::manual);
        EXPECT_EQ(store.mode(), TorvelMode::manual);
        EXPECT_FALSE(prefs.saveError().isEmpty());
    }
    EXPECT_EQ(readFile(path), large);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_TRUE(said[0].contains("larger than 1 MiB")) << said[0].toStdString();
    if (::geteuid() != 0) { // root reads any file
        writeFile(path, "[General]\nmode=@ByteArray(\\\"off\\\")\n");
        ::chmod(QFile::encodeName(path).constData(), 0);
        Preferences prefs(path, {});
        SettingsStore store(prefs);
        store.setMode(TorvelMode::manual);
        ::chmod(QFile::encodeName(path).constData(), 0600);
        EXPECT_EQ(readFile(path), "[General]\nmode=@ByteArray(\\\"off\\\")\n");
    }
}

TEST(Preferences, AFullDiskIsAFailureThatSaysWhy) {
    // A real full file system: a tiny tmpfs, mounted where root may (CI's
    // Debian 12 stage); elsewhere the read-only cases above stand in.
    test::TempDir dir;
    const QString mount = dir.file(QStringLiteral("full"));
    QDir().mkpath(mount);
    if (::geteuid() != 0 ||
        ::mount("tmpfs", QFile::encodeName(mount).constData(), "tmpfs", 0, "size=8k") != 0) {
        return;
    }
    writeFile(mount + QStringLiteral("/filler"), QByteArray(64 * 1024, 'x')); // as much as fits
    {
        Preferences prefs(mount + QStringLiteral("/t.conf"), {});
        EXPECT_FALSE(prefs.setData(QStringLiteral("k"), QByteArray(16 * 1024, 'v')));
        EXPECT_TRUE(prefs.saveError().contains(QStringLiteral("space")))
            << prefs.saveError().toStdString();
        EXPECT_EQ(prefs.data(QStringLiteral("k")), QByteArray(16 * 1024, 'v'))
            << "kept for the run";
    }
    ::umount(QFile::encodeName(mount).constData());
}

// Another program holding the folder's lock: the app's loop never waits on
// it (the change is kept, shown as not saved, and written once it is let
// go); a command waits two seconds at most, then fails saying why.
TEST(Preferences, ALockHeldElsewhereNeverStallsTheAppAndFailsACommandInTime) {
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("t.conf"));
    auto holdLock = [&] {
        const int fd = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
        EXPECT_EQ(::flock(fd, LOCK_EX), 0);
        return fd;
    };
    int held = holdLock();
    {
        Preferences app(path, {});
        app.setWriteDelay(std::chrono::milliseconds(10));
        QElapsedTimer took;
        took.start();
        app.setData(QStringLiteral("k"), "v");
        app.flush();
        EXPECT_LT(took.elapsed(), 1000) << "no wait in the loop";
        EXPECT_TRUE(app.saveError().contains(QStringLiteral("lock")))
            << app.saveError().toStdString();
        EXPECT_EQ(app.data(QStringLiteral("k")), QByteArray("v"));
        ::close(held);
        ASSERT_TRUE(test::spinUntil([&] { return app.saveError().isEmpty(); }, 3000));
        EXPECT_TRUE(readFile(path).contains("k=@ByteArray(v)"));
    }
    held = holdLock();
    Preferences command(path, {});
    EXPECT_FALSE(command.setData(QStringLiteral("k"), "w"));
    EXPECT_TRUE(command.saveError().contains(QStringLiteral("lock")));
    EXPECT_TRUE(readFile(path).contains("k=@ByteArray(v)"));
    ::close(held);
}

// A value the file already holds writes nothing; what a killed writer left
// beside the file goes only under the lock (another writer's new file has
// that name for a moment), and an empty folder of that name too; a full
// one is reported, never written through.
TEST(Preferences, NoWriteForAnUnchangedValueAndLeftoversOnlyUnderTheLock) {
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("t.conf"));
    const QString leftover = path + QStringLiteral(".new");
    {
        Preferences prefs(path, {});
        SettingsStore store(prefs);
        const int before = prefs.fileWrites();
        for (int i = 0; i < 5; ++i) {
            store.setPauseFullscreen(true);
            store.setMode(TorvelMode::manual);
        }
        EXPECT_EQ(prefs.fileWrites() - before, 2);
    }
    writeFile(leftover, "half");
    const int held = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    { Preferences prefs(path, {}); }
    EXPECT_TRUE(QFileInfo::exists(leftover)) << "another writer's, for all it knows";
    ::close(held);
    { Preferences prefs(path, {}); }
    EXPECT_FALSE(QFileInfo::exists(leftover));

    ASSERT_TRUE(QDir().mkdir(leftover));
    Preferences prefs(path, {});
    EXPECT_TRUE(prefs.setData(QStringLiteral("a"), "1")) << prefs.saveError().toStdString();
    ASSERT_TRUE(QDir().mkpath(leftover + QStringLiteral("/inside")));
    EXPECT_FALSE(prefs.setData(QStringLiteral("a"), "2"));
    EXPECT_TRUE(prefs.saveError().contains(leftover)) << prefs.saveError().toStdString();
}

TEST(Preferences, BooleansAndForeignTypes) {
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("t.conf"));
    writeFile(path, "[General]\na=true\nb=1\nc=yes\nd=@ByteArray(true)\ne=TRUE\n");
    Preferences prefs(path);
    EXPECT_TRUE(prefs.boolValue(QStringLiteral("a")));
    EXPECT_TRUE(prefs.boolValue(QStringLiteral("b")));
    EXPECT_FALSE(prefs.boolValue(QStringLiteral("c")));
    EXPECT_FALSE(prefs.boolValue(QStringLiteral("d")));
    EXPECT_TRUE(prefs.boolValue(QStringLiteral("e")));
    EXPECT_FALSE(prefs.boolValue(QStringLiteral("absent")));
    EXPECT_EQ(prefs.data(QStringLiteral("a")), std::nullopt);
    EXPECT_EQ(prefs.data(QStringLiteral("d")), QByteArray("true"));
    prefs.setBool(QStringLiteral("loginItemConfigured"), true);
    EXPECT_TRUE(readFile(path).contains("loginItemConfigured=true"));
}

TEST(Preferences, DefaultPathFollowsXdgConfigHome) {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/xdg-elsewhere");
    EXPECT_EQ(Preferences::defaultPath(),
              QStringLiteral("/tmp/xdg-elsewhere/torvelbar/torvelbar.conf"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(Preferences::defaultPath(),
              QDir::homePath() + QStringLiteral("/.config/torvelbar/torvelbar.conf"));
    if (!saved.isNull()) {
        qputenv("XDG_CONFIG_HOME", saved);
    }
}

} // namespace
} // namespace torvel
