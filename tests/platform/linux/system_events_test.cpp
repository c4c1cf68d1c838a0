#include "platform/linux/clock_set_watch.h"
#include "platform/linux/linux_system_events.h"
#include "platform/linux/logind_sleep_watch.h"
#include "platform/linux/system_bus.h"
#include "platform/linux/time_zone_watch.h"
#include "support/event_loop.h"
#include "support/private_bus.h"
#include "support/silent_socket.h"
#include "support/temp_dir.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <gtest/gtest.h>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <sys/timerfd.h>
#include <unistd.h>

namespace torvel {
namespace {

using test::spinFor;
using test::spinUntil;

// Signals from one connection reach another in the order they were sent:
// once a marker sent after some signals has arrived, so have they.
class MarkerListener : public QObject {
    Q_OBJECT
public:
    MarkerListener(QDBusConnection receiver, QDBusConnection sender)
        : sender_(std::move(sender)) {
        receiver.connect(QString(), QStringLiteral("/marker"), QStringLiteral("test.Marker"),
                         QStringLiteral("Marker"), this, SLOT(heard()));
    }
    // Sends a marker and waits until it arrives.
    bool flush() {
        const int before = heard_;
        sender_.send(QDBusMessage::createSignal(
            QStringLiteral("/marker"), QStringLiteral("test.Marker"), QStringLiteral("Marker")));
        return spinUntil([&] { return heard_ > before; }, 3000);
    }
public Q_SLOTS:
    void heard() { ++heard_; }

private:
    QDBusConnection sender_;
    int heard_ = 0;
};

TEST(LogindSleepWatch, ResumeOnPrepareForSleepFalseOnly) {
    test::PrivateBus bus;
    if (!bus.running()) {
        GTEST_SKIP() << "dbus-daemon is not installed";
    }
    QDBusConnection logind = bus.connect(QStringLiteral("logind"));
    ASSERT_TRUE(logind.registerService(QStringLiteral("org.freedesktop.login1")));

    int resumes = 0;
    const QDBusConnection app = bus.connect(QStringLiteral("app"));
    LogindSleepWatch watch([&] { ++resumes; }, app);
    ASSERT_TRUE(watch.isActive());
    MarkerListener fromLogind(app, logind);

    auto send = [&](bool start) {
        auto signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                 QStringLiteral("org.freedesktop.login1.Manager"),
                                                 QStringLiteral("PrepareForSleep"));
        signal << start;
        logind.send(signal);
    };
    // The watch hears logind once it has learnt the name's owner: resume
    // notices until one is heard, then let the rest arrive and start over.
    ASSERT_TRUE(spinUntil(
        [&] {
            send(false);
            return fromLogind.flush() && resumes > 0;
        },
        3000));
    resumes = 0;

    send(true);
    send(false);
    ASSERT_TRUE(fromLogind.flush());
    EXPECT_EQ(resumes, 1) << "the notice before suspending is not a resume";

    // The same signal from a name that is not logind's is not listened to.
    QDBusConnection other = bus.connect(QStringLiteral("other"));
    auto forged = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                             QStringLiteral("org.freedesktop.login1.Manager"),
                                             QStringLiteral("PrepareForSleep"));
    forged << false;
    other.send(forged);
    MarkerListener fromOther(app, other);
    ASSERT_TRUE(fromOther.flush());
    EXPECT_EQ(resumes, 1);
}

TEST(LogindSleepWatch, NoBusMeansNoSourceAndNoFailure) {
    QDBusConnection nowhere = QDBusConnection::connectToBus(
        QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("nowhere"));
    LogindSleepWatch watch([] {}, nowhere);
    EXPECT_FALSE(watch.isActive());
    LinuxSystemEvents events(nowhere, QStringLiteral("/nonexistent"));
    events.observe(SystemNotice::machineWoke, [] {});
    QDBusConnection::disconnectFromBus(QStringLiteral("nowhere"));
}

// A socket that takes the connection and never answers (a stopped bus
// daemon) is told apart from a bus that answers, within the bound.
TEST(SystemBus, ASilentBusIsToldApartFromOneThatAnswersWithinTheBound) {
    test::SilentSocket silent;
    ASSERT_TRUE(silent.listening());
    QElapsedTimer took;
    took.start();
    EXPECT_FALSE(SystemBus::answers(silent.address(), std::chrono::milliseconds(300)));
    EXPECT_LT(took.elapsed(), 3000);
    EXPECT_FALSE(SystemBus::answers(QStringLiteral("unix:path=/nonexistent/bus"),
                                    std::chrono::milliseconds(300)));
    test::PrivateBus bus;
    ASSERT_TRUE(bus.running());
    EXPECT_TRUE(SystemBus::answers(bus.address(), std::chrono::milliseconds(3000)));
    // A real daemon, stopped: its socket still takes connections.
    ::kill(static_cast<pid_t>(bus.pid()), SIGSTOP);
    EXPECT_FALSE(SystemBus::answers(bus.address(), std::chrono::milliseconds(300)));
    ::kill(static_cast<pid_t>(bus.pid()), SIGCONT);
}

TEST(TimeZoneWatch, ReplacingTheLinkBySymlinkAndRenameIsOneNoticeAndOthersAreIgnored) {
    test::TempDir dir;
    ASSERT_EQ(::symlink("/usr/share/zoneinfo/UTC", QFile::encodeName(dir.file("localtime"))), 0);
    int changes = 0;
    TimeZoneWatch watch([&] { ++changes; }, dir.path());
    ASSERT_TRUE(watch.isActive());

    // What timedated does: a new link beside the old one, renamed over it.
    ASSERT_EQ(::symlink("/usr/share/zoneinfo/Europe/Berlin",
                        QFile::encodeName(dir.file(".#localtime1234"))),
              0);
    ASSERT_EQ(::rename(QFile::encodeName(dir.file(".#localtime1234")),
                       QFile::encodeName(dir.file("localtime"))),
              0);
    EXPECT_TRUE(spinUntil([&] { return changes == 1; }, 2000));

    QFile unrelated(dir.file("hostname"));
    ASSERT_TRUE(unrelated.open(QIODevice::WriteOnly));
    unrelated.write("box\n");
    unrelated.close();
    spinFor(150);
    EXPECT_EQ(changes, 1);

    QFile zone(dir.file("timezone"));
    ASSERT_TRUE(zone.open(QIODevice::WriteOnly));
    zone.write("Europe/Berlin\n");
    zone.close();
    EXPECT_TRUE(spinUntil([&] { return changes >= 2; }, 2000));
}

TEST(TimeZoneWatch, TheNewZoneIsInEffectWhenTheNoticeArrives) {
    // With TZ naming a file, the C library reads that file; replacing it
    // stands in for /etc/localtime without touching the machine's zone. The C
    // library re-reads a TZ file only when TZ is spelt differently (for the
    // unset TZ it checks /etc/localtime itself), so TZ gets a new spelling
    // before the change, which only a tzset() call brings into effect.
    test::TempDir dir;
    const QString zoneFile = dir.file("localtime");
    ASSERT_EQ(::symlink("/usr/share/zoneinfo/UTC", QFile::encodeName(zoneFile)), 0);
    if (!QFile::exists(QStringLiteral("/usr/share/zoneinfo/Asia/Tokyo"))) {
        GTEST_SKIP() << "no zoneinfo database";
    }
    const QByteArray savedTz = qgetenv("TZ");
    qputenv("TZ", ":" + QFile::encodeName(zoneFile));
    ::tzset();

    long offsetSeen = -1;
    TimeZoneWatch watch(
        [&] {
            const std::time_t now = std::time(nullptr);
            std::tm local{};
            ::localtime_r(&now, &local);
            offsetSeen = local.tm_gmtoff;
        },
        dir.path());
    qputenv("TZ", ":" + QFile::encodeName(dir.path() + QStringLiteral("/./localtime")));
    ASSERT_EQ(::symlink("/usr/share/zoneinfo/Asia/Tokyo", QFile::encodeName(dir.file("new"))), 0);
    ASSERT_EQ(::rename(QFile::encodeName(dir.file("new")), QFile::encodeName(zoneFile)), 0);
    EXPECT_TRUE(spinUntil([&] { return offsetSeen >= 0; }, 2000));
    EXPECT_EQ(offsetSeen, 9 * 3600);

    qputenv("TZ", savedTz);
    ::tzset();
}

TEST(ClockSetWatch, ReadOutcomes) {
    using O = ClockSetWatch::ReadOutcome;
    EXPECT_EQ(ClockSetWatch::classifyRead(-1, ECANCELED), O::clockSet);
    EXPECT_EQ(ClockSetWatch::classifyRead(8, 0), O::clockSet);
    EXPECT_EQ(ClockSetWatch::classifyRead(-1, EAGAIN), O::nothing);
    EXPECT_EQ(ClockSetWatch::classifyRead(-1, EINTR), O::nothing);
    EXPECT_EQ(ClockSetWatch::classifyRead(0, 0), O::nothing);
}

TEST(ClockSetWatch, ArmsFarAheadAndReArmsAfterANotice) {
    int notices = 0;
    ClockSetWatch real([&] { ++notices; });
    ASSERT_TRUE(real.isActive());
    itimerspec armed{};
    ASSERT_EQ(::timerfd_gettime(real.fd(), &armed), 0);
    EXPECT_GT(armed.it_value.tv_sec, 100LL * 365 * 24 * 3600) << "never expires by itself";

    // Through the fd seam: a timer that fires now is read, noticed and
    // re-armed like the real one.
    const int fd = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    itimerspec soon{};
    soon.it_value.tv_nsec = 10'000'000;
    ASSERT_EQ(::timerfd_settime(fd, 0, &soon, nullptr), 0);
    int seamNotices = 0;
    ClockSetWatch seam([&] { ++seamNotices; }, fd);
    EXPECT_TRUE(spinUntil([&] { return seamNotices >= 1; }, 2000));
    ASSERT_EQ(::timerfd_gettime(fd, &armed), 0);
    EXPECT_GT(armed.it_value.tv_sec, 100LL * 365 * 24 * 3600);
    // Counts are not asserted further: time synchronisation may step the
    // machine's clock during the test, which both watches rightly report.
}

#ifdef TORVEL_REAL_CLOCK_TEST
// Opt in with -DTORVEL_REAL_CLOCK_TEST=ON: the fd seam above covers the
// watch without touching the host.
TEST(ClockSetWatch, SettingTheRealClockIsNoticed) {
    // Needs CAP_SYS_TIME; sets the clock to the time it already reads, which
    // still counts as setting it.
    int notices = 0;
    ClockSetWatch watch([&] { ++notices; });
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    if (::clock_settime(CLOCK_REALTIME, &now) != 0) {
        GTEST_SKIP() << "not allowed to set the clock here";
    }
    EXPECT_TRUE(spinUntil([&] { return notices == 1; }, 2000));
}
#endif

} // namespace
} // namespace torvel

#include "system_events_test.moc"
