// A writer killed at any moment leaves the old or the new file, never a torn
// or empty one, and never a lock that blocks the next writer.
#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "support/temp_dir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

namespace torvel {
namespace {

std::int64_t loadManual(const test::TempDir& dir, const QString& path, int round) {
    const QString copy = dir.file(QStringLiteral("check-%1.conf").arg(round));
    test::writeFile(copy, test::readFile(path));
    Preferences prefs(copy);
    SettingsStore store(prefs);
    return store.manualKelvin();
}

TEST(SettingsCrash, KilledWritersNeverLeaveATornFile) {
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("torvelbar.conf"));
    const QString child = QStringLiteral(TORVEL_WRITER_CHILD);
    constexpr int rounds = 40;
    constexpr int burst = 100000;
    int killedMidBurst = 0;
    std::int64_t last = 3400;
    for (int round = 0; round < rounds; ++round) {
        const qint64 first = 10000 + static_cast<qint64>(round) * burst;
        QProcess writer;
        writer.start(child, {path, QString::number(first), QString::number(burst)});
        ASSERT_TRUE(writer.waitForStarted());
        QThread::msleep(QRandomGenerator::global()->bounded(20, 80));
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        writer.waitForFinished(); // reaped, so its lock reads as stale
        killedMidBurst += writer.exitStatus() == QProcess::CrashExit;

        const std::int64_t value = loadManual(dir, path, round);
        const bool fromThisRound = value >= first && value < first + burst;
        EXPECT_TRUE(fromThisRound || value == last)
            << "round " << round << ": " << value << ", previous " << last;
        last = value;
    }
    EXPECT_GT(killedMidBurst, rounds / 2) << "the writer should mostly die mid-burst";

    // A writer after all the kills still gets the lock and the last word.
    EXPECT_EQ(QProcess::execute(child, {path, QStringLiteral("7"), QStringLiteral("1")}), 0);
    EXPECT_EQ(loadManual(dir, path, rounds), 7);
}

TEST(SettingsCrash, TwoWritersAtOnceBothKeepTheirChange) {
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("torvelbar.conf"));
    const QString child = QStringLiteral(TORVEL_WRITER_CHILD);
    for (int round = 0; round < 5; ++round) {
        QProcess kelvin, other;
        kelvin.start(child, {path, QStringLiteral("1000"), QStringLiteral("200")});
        other.start(child, {path, QStringLiteral("1"), QStringLiteral("200"), QStringLiteral("x")});
        ASSERT_TRUE(kelvin.waitForFinished(60000) && other.waitForFinished(60000));
        Preferences prefs(path);
        EXPECT_EQ(SettingsStore(prefs).manualKelvin(), 1199) << "round " << round;
        EXPECT_EQ(prefs.data(QStringLiteral("x")), QByteArray("200")) << "round " << round;
    }
}

TEST(SettingsCrash, KilledWritersLeaveNoFilesBehind) {
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("torvelbar.conf"));
    // A file there from the start: a slow machine may kill every writer
    // below before its first write, and the file must outlive them all.
    ASSERT_EQ(QProcess::execute(QStringLiteral(TORVEL_WRITER_CHILD),
                                {path, QStringLiteral("7"), QStringLiteral("1")}),
              0);
    for (int round = 0; round < 10; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(TORVEL_WRITER_CHILD),
                     {path, QString::number(round * 1000), QStringLiteral("100000")});
        ASSERT_TRUE(writer.waitForStarted());
        QThread::msleep(QRandomGenerator::global()->bounded(10, 40));
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        writer.waitForFinished();
    }
    Preferences next(path); // what the next start finds
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{QStringLiteral("torvelbar.conf")});
}

} // namespace
} // namespace torvel
