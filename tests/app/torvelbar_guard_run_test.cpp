// The built torvelbar against what can go wrong around it on a real X
// server: two starts at once, hostile entries at every path it uses, a
// runtime folder it cannot trust or that is missing, a capture naming a
// live unrelated process, DISPLAY spelt three ways, no home at all.
#include "platform/x11/randr_probe.h"
#include "settings/settings_file.h"
#include "support/event_loop.h"
#include "support/temp_dir.h"
#include "support/xvfb_server.h"
#include "x11_desktop.h"

#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>
#include <sys/stat.h>
#include <unistd.h>

namespace torvel {
namespace {

using test::Desktop;
using test::Ramps;
using test::RandrProbe;
using test::spinUntil;

const QString executable = QStringLiteral(TORVELBAR_EXECUTABLE);

// An X server whose one CRTC carries a calibration another tool loaded.
struct Screen {
    Screen()
        : probe(x.display()) {
        const auto crtcs = probe.activeCrtcs();
        if (!crtcs.empty()) {
            crtc = crtcs.front();
            calibration = RandrProbe::curve(probe.ramps(crtc).red.size(), 0.8, 0.9, 1.1);
            probe.setRamps(crtc, calibration);
        }
    }
    bool tinted() { return !(probe.ramps(crtc) == calibration); }
    bool eventuallyTinted() {
        return spinUntil([&] { return tinted(); }, 5000);
    }
    bool eventuallyCalibrated() {
        return spinUntil([&] { return !tinted(); }, 5000);
    }
    QString gammaCapture(const Desktop& d) const {
        return d.runtimeDir() + QStringLiteral("/torvelbar/x11-") + x.display().mid(1) +
               QStringLiteral("-gamma.json");
    }

    test::XvfbServer x;
    RandrProbe probe;
    std::uint32_t crtc = 0;
    Ramps calibration;
};

void writeSettings(const Desktop& d, const QByteArray& mode) {
    QDir().mkpath(d.configDir() + QStringLiteral("/torvelbar"));
    test::writeFile(d.configDir() + QStringLiteral("/torvelbar/torvelbar.conf"),
                    "[General]\nmode=@ByteArray(\\\"" + mode +
                        "\\\")\nmanualKelvin=@ByteArray(3000)\nloginItemConfigured=true\n");
}

void stop(QProcess& p) {
    if (p.state() != QProcess::NotRunning) {
        ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
        p.waitForFinished(5000);
    }
}

TEST(TorvelbarGuard, TwoStartsTogetherNeverBothRunNorLeaveATint) {
    Screen s;
    ASSERT_TRUE(s.x.running());
    Desktop d(s.x);
    // Under the leak checker, Qt's bus thread in the losing start's last
    // moment is not held against it; a full unwind lets the rule see it.
    d.environment().insert(
        QStringLiteral("LSAN_OPTIONS"),
        QStringLiteral("fast_unwind_on_malloc=0:suppressions=" QT_DBUS_SUPPRESSIONS));
    writeSettings(d, "manual");
    for (int round = 0; round < 50; ++round) {
        QProcess a, b;
        d.start(a, executable, {});
        QThread::msleep(QRandomGenerator::global()->bounded(0, 151));
        d.start(b, executable, {});
        ASSERT_TRUE(spinUntil(
            [&] { return a.state() == QProcess::NotRunning || b.state() == QProcess::NotRunning; },
            8000))
            << "round " << round << ": one of the two hands over and leaves";
        QProcess& loser = a.state() == QProcess::NotRunning ? a : b;
        QProcess& winner = &loser == &a ? b : a;
        EXPECT_EQ(loser.exitCode(), 0)
            << "round " << round << loser.readAllStandardError().toStdString();
        EXPECT_EQ(winner.state(), QProcess::Running) << "round " << round;
        EXPECT_TRUE(s.eventuallyTinted()) << "round " << round;
        stop(winner);
        ASSERT_TRUE(s.eventuallyCalibrated()) << "round " << round << ": left tinted";
    }
}

TEST(TorvelbarGuard, HostileEntriesAtEveryPathNeitherHangNorAreWrittenThrough) {
    Screen s;
    ASSERT_TRUE(s.x.running());
    test::TempDir outside;
    const QString victim = outside.file(QStringLiteral("victim"));
    const QByteArray victimText("not the app's\n");
    enum class Kind { link, fifo, device, folder };
    for (const Kind kind : {Kind::link, Kind::fifo, Kind::device, Kind::folder}) {
        for (int where = 0; where < 4; ++where) {
            SCOPED_TRACE(testing::Message()
                         << "kind " << static_cast<int>(kind) << " at " << where);
            test::writeFile(victim, victimText);
            ::chmod(QFile::encodeName(victim).constData(), 0644);
            Desktop d(s.x);
            writeSettings(d, "manual");
            QDir().mkpath(d.runtimeDir() + QStringLiteral("/torvelbar"));
            ::chmod(QFile::encodeName(d.runtimeDir() + QStringLiteral("/torvelbar")).constData(),
                    0700);
            QDir().mkpath(d.configDir() + QStringLiteral("/autostart"));
            const QString paths[] = {
                d.configDir() + QStringLiteral("/torvelbar/torvelbar.conf"),
                d.configDir() + QStringLiteral("/autostart/torvelbar.desktop"),
                s.gammaCapture(d),
                d.runtimeDir() + QStringLiteral("/torvelbar/instance-x11-") + s.x.display().mid(1) +
                    QStringLiteral(".lock"),
            };
            const QByteArray path = QFile::encodeName(paths[where]);
            ::unlink(path.constData());
            switch (kind) {
            case Kind::link:
                ::symlink(QFile::encodeName(victim).constData(), path.constData());
                break;
            case Kind::fifo:
                ::mkfifo(path.constData(), 0600);
                break;
            case Kind::device:
                ::symlink("/dev/zero", path.constData());
                break;
            case Kind::folder:
                ::mkdir(path.constData(), 0700);
                break;
            }
            QProcess app;
            d.start(app, executable, {});
            EXPECT_TRUE(s.eventuallyTinted()) << "the start went on";
            test::spinFor(300); // first-launch writes, captures
            stop(app);
            EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
            EXPECT_TRUE(s.eventuallyCalibrated());
            struct stat st {};
            ::stat(QFile::encodeName(victim).constData(), &st);
            EXPECT_EQ(st.st_mode & 0777, 0644u);
            if (kind == Kind::link && where == 0) {
                // A settings link to a file of ours is a dotfile manager's:
                // written through, its own line kept, the link left standing.
                EXPECT_TRUE(test::readFile(victim).startsWith(victimText));
                struct stat link {};
                ::lstat(path.constData(), &link);
                EXPECT_TRUE(S_ISLNK(link.st_mode));
            } else {
                EXPECT_EQ(test::readFile(victim), victimText);
            }
        }
    }
}

TEST(TorvelbarGuard, ARuntimeFolderThatIsNotPrivateStopsTheStartAndAMissingOneStillGuards) {
    Screen s;
    ASSERT_TRUE(s.x.running());
    test::TempDir temp;
    Desktop d(s.x);
    writeSettings(d, "manual");
    d.environment().insert(QStringLiteral("TMPDIR"), temp.path());
    d.environment().insert(QStringLiteral("XDG_CACHE_HOME"), temp.file(QStringLiteral("cache")));
    d.environment().remove(QStringLiteral("XDG_RUNTIME_DIR"));

    // Another user's folder (or link) at the temp folder's old fallback
    // name stops nothing: the fallback is in the user's own cache.
    const QString taken = temp.file(QStringLiteral("torvelbar-runtime-%1").arg(::getuid()));
    ASSERT_TRUE(QFile::link(QStringLiteral("/"), taken));
    QProcess started;
    d.start(started, executable, {});
    ASSERT_TRUE(s.eventuallyTinted()) << started.readAllStandardError().toStdString();
    stop(started);
    ASSERT_TRUE(s.eventuallyCalibrated());

    // The fallback folder made open to all is not private: refused.
    const QString fallback = temp.file(QStringLiteral("cache/torvelbar/runtime"));
    ASSERT_TRUE(QDir().mkpath(fallback));
    ::chmod(QFile::encodeName(fallback).constData(), 0777);
    QProcess refused;
    d.start(refused, executable, {});
    ASSERT_TRUE(refused.waitForFinished(5000));
    EXPECT_EQ(refused.exitCode(), 1);
    const QByteArray error = refused.readAllStandardError().trimmed();
    EXPECT_TRUE(error.startsWith("torvelbar: no private runtime folder")) << error.toStdString();
    EXPECT_EQ(error.count('\n'), 0);
    EXPECT_FALSE(s.tinted());

    // XDG_RUNTIME_DIR names a folder that is not there: the private
    // fallback serves, and guards a second start like any other.
    QDir(fallback).removeRecursively();
    d.environment().insert(QStringLiteral("XDG_RUNTIME_DIR"), temp.file(QStringLiteral("gone")));
    QProcess first, second;
    d.start(first, executable, {});
    ASSERT_TRUE(s.eventuallyTinted());
    d.start(second, executable, {});
    ASSERT_TRUE(second.waitForFinished(8000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    stop(first);
    EXPECT_TRUE(s.eventuallyCalibrated());
}

TEST(TorvelbarGuard, ACaptureIsReplayedWhateverProcessItsIdNames) {
    Screen s;
    ASSERT_TRUE(s.x.running());
    Desktop d(s.x);
    writeSettings(d, "manual");
    QProcess app;
    d.start(app, executable, {});
    ASSERT_TRUE(s.eventuallyTinted());
    const qint64 deadPid = app.processId();
    app.kill(); // the capture stays, the screen stays tinted
    app.waitForFinished();
    const QString capture = s.gammaCapture(d);
    QByteArray record = test::readFile(capture);
    ASSERT_FALSE(record.isEmpty());

    // The dead process's ID now belongs to a live, unrelated process.
    QProcess unrelated;
    unrelated.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(unrelated.waitForStarted());
    ASSERT_TRUE(record.contains("\"pid\":" + QByteArray::number(deadPid)));
    record.replace("\"pid\":" + QByteArray::number(deadPid),
                   "\"pid\":" + QByteArray::number(unrelated.processId()));
    test::writeFile(capture, record);

    writeSettings(d, "off");
    QProcess next;
    d.start(next, executable, {});
    EXPECT_TRUE(s.eventuallyCalibrated());
    EXPECT_TRUE(spinUntil([&] { return !QFile::exists(capture); }, 3000));
    stop(next);
    unrelated.kill();
    unrelated.waitForFinished();
}

TEST(TorvelbarGuard, OneDisplaySpeltThreeWaysIsOneDisplay) {
    Screen s;
    ASSERT_TRUE(s.x.running());
    Desktop d(s.x);
    writeSettings(d, "manual");
    const QString number = s.x.display().mid(1);
    QProcess first, second;
    d.environment().insert(QStringLiteral("DISPLAY"), s.x.display());
    d.start(first, executable, {});
    ASSERT_TRUE(s.eventuallyTinted());
    d.environment().insert(QStringLiteral("DISPLAY"), s.x.display() + QStringLiteral(".0"));
    d.start(second, executable, {});
    ASSERT_TRUE(second.waitForFinished(8000));
    EXPECT_EQ(second.exitCode(), 0) << "handed over to the first";
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
    ASSERT_TRUE(s.tinted());

    // Newer X libraries (libxcb 1.17) no longer open this spelling at all, so
    // nobody can start the app with it there.
    const QString unixSpelling = QStringLiteral("unix:") + number;
    if (!test::RandrProbe(unixSpelling).connected()) {
        std::cout << "[     NOTE ] this X library cannot open DISPLAY="
                  << unixSpelling.toStdString() << "; that spelling is not tried\n";
        return;
    }
    writeSettings(d, "off");
    d.environment().insert(QStringLiteral("DISPLAY"), unixSpelling);
    QProcess third;
    d.start(third, executable, {});
    EXPECT_TRUE(s.eventuallyCalibrated()) << "the crash capture was found under the other name";
    stop(third);
}

TEST(TorvelbarGuard, WithoutAHomeNothingIsSaved) {
    Screen s;
    ASSERT_TRUE(s.x.running());
    const bool rootConfigExisted = QFileInfo::exists(QStringLiteral("/.config/torvelbar"));
    Desktop d(s.x);
    d.environment().remove(QStringLiteral("HOME"));
    d.environment().remove(QStringLiteral("XDG_CONFIG_HOME"));
    QProcess app;
    d.start(app, executable, {});
    ASSERT_TRUE(s.eventuallyTinted());
    test::spinFor(300);
    stop(app);
    EXPECT_TRUE(app.readAllStandardError().contains(
        "torvelbar: neither HOME nor XDG_CONFIG_HOME is set; settings will not be saved"));
    if (!rootConfigExisted) {
        EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/.config/torvelbar")));
        EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/.config/autostart/torvelbar.desktop")));
    }
    EXPECT_TRUE(s.eventuallyCalibrated());
}

// The kwinrc guard run by hand or by another program touches nothing: any
// file but the layer's own kwinrc and record, a pid that is not a number,
// a live process's pid (its parent's or a stranger's) and record. An app
// gone before its guard looked has its own record given back.
TEST(TorvelbarGuard, TheKwinrcGuardActsOnlyForItsOwnDeadApp) {
    Screen s;
    Desktop d(s.x);
    test::TempDir home;
    const QString notes = home.file(QStringLiteral("notes.ini"));
    const QString data = home.file(QStringLiteral("data.json"));
    const QString kwinrc = d.configDir() + QStringLiteral("/kwinrc");
    const QString record = d.runtimeDir() + QStringLiteral("/torvelbar/kwin-night-color.json");
    QDir().mkpath(d.runtimeDir() + QStringLiteral("/torvelbar"));
    ::chmod(QFile::encodeName(d.runtimeDir() + QStringLiteral("/torvelbar")).constData(), 0700);
    const QByteArray kwinText = "[NightColor]\nActive=true\nMode=Constant\n";
    const QByteArray mine = QByteArray::number(::getpid());
    const QByteArray recordText = "{\"pid\":" + mine + ",\"fileExisted\":false,\"group\":null}";
    for (const auto& [path, text] :
         {std::pair{notes, QByteArray("[a]\nb=1\n")}, std::pair{data, QByteArray("{\"pid\":-1}")},
          std::pair{kwinrc, kwinText}, std::pair{record, recordText}}) {
        test::writeFile(path, text);
    }
    const auto guard = [&](const QStringList& args) {
        QProcess p;
        d.start(p, executable, QStringList{QStringLiteral("--guard-kwinrc")} + args);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(5000)) << args.join(u' ').toStdString();
        return p.exitCode();
    };
    EXPECT_EQ(guard({QString::fromLatin1(mine), notes, data}), 2);
    EXPECT_EQ(guard({QStringLiteral("abc"), kwinrc, record}), 2);
    QProcess stranger, ended;
    stranger.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ended.start(QStringLiteral("true"));
    ASSERT_TRUE(stranger.waitForStarted() && ended.waitForStarted());
    const QString live = QString::number(stranger.processId());
    const QString gone = QString::number(ended.processId());
    ASSERT_TRUE(ended.waitForFinished());
    EXPECT_EQ(guard({live, kwinrc, record}), 2) << "alive, and not its parent";
    EXPECT_EQ(guard({gone, kwinrc, record}), 0) << "gone, but not the record's";
    stranger.kill();
    stranger.waitForFinished();
    EXPECT_EQ(guard({QString::fromLatin1(mine), kwinrc}), 2);
    EXPECT_EQ(guard({QString::fromLatin1(mine), kwinrc, record}), 0) << "its parent lives on";
    EXPECT_EQ(test::readFile(notes), "[a]\nb=1\n");
    EXPECT_EQ(test::readFile(data), "{\"pid\":-1}");
    EXPECT_EQ(test::readFile(kwinrc), kwinText);
    EXPECT_EQ(test::readFile(record), recordText);

    test::writeFile(record, QByteArray(recordText).replace(mine, gone.toLatin1()));
    EXPECT_EQ(guard({gone, kwinrc, record}), 0);
    EXPECT_FALSE(QFileInfo::exists(kwinrc)) << "the user had none";
    EXPECT_FALSE(QFileInfo::exists(record));
}

} // namespace
} // namespace torvel
