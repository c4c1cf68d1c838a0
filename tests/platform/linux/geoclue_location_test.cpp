// The system's location service itself: GeoClue from the distribution on a
// private bus, fed a GPS fix over its NMEA socket the way a receiver would.
#include "platform/linux/geoclue_location.h"
#include "support/child_process.h"
#include "support/event_loop.h"
#include "support/private_bus.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <QDateTime>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace torvel {
namespace {

const char* const geoclue = "/usr/libexec/geoclue";

// A desktop's location agent, allowing every level: without one for the
// user, the service leaves every GetClient unanswered.
class Agent : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.GeoClue2.Agent")
    Q_PROPERTY(uint MaxAccuracyLevel READ maxAccuracyLevel)
public:
    uint maxAccuracyLevel() const { return GeoClueLocation::exactAccuracy; }
public Q_SLOTS:
    // NOLINTNEXTLINE(readability-identifier-naming): the name on the bus
    bool AuthorizeApp(const QString&, uint level, uint& allowedLevel) {
        allowedLevel = level;
        return true;
    }
};

// One GGA sentence: a fix at 59°54.6' N, 10°45.0' E.
QByteArray fixSentence() {
    const QByteArray body =
        "GPGGA," + QDateTime::currentDateTimeUtc().toString(QStringLiteral("HHmmss")).toLatin1() +
        ".00,5954.600,N,01045.000,E,1,08,0.9,10.0,M,0.0,M,,";
    char sum = 0;
    for (const char c : body) {
        sum = static_cast<char>(sum ^ c);
    }
    return "$" + body + "*" +
           QByteArray::number(static_cast<unsigned char>(sum), 16)
               .rightJustified(2, '0')
               .toUpper() +
           "\r\n";
}

TEST(GeoClueLocation, AsksAsTorvelbarToTheCityAndReadsARealFixUntilStopped) {
    if (!QFile::exists(QString::fromLatin1(geoclue))) {
        GTEST_SKIP() << "GeoClue is not installed";
    }
    // The receiver: a stream socket that sends a sentence to every reader
    // three times a second.
    test::TempDir dir;
    const QByteArray socketPath = dir.file(QStringLiteral("nmea")).toLocal8Bit();
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<std::size_t>(socketPath.size()), sizeof(address.sun_path));
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(::listen(listener, 4), 0);
    std::vector<int> readers;
    QSocketNotifier incoming(listener, QSocketNotifier::Read);
    QObject::connect(&incoming, &QSocketNotifier::activated, [&] {
        for (int fd; (fd = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
            readers.push_back(fd);
        }
    });
    QTimer sender;
    QObject::connect(&sender, &QTimer::timeout, [&] {
        const QByteArray line = fixSentence();
        for (const int fd : readers) {
            (void)::send(fd, line.constData(), static_cast<std::size_t>(line.size()),
                         MSG_NOSIGNAL | MSG_DONTWAIT);
        }
    });
    sender.start(300);

    test::PrivateBus bus;
    ASSERT_TRUE(bus.running());
    QProcess service;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), bus.address());
    service.setProcessEnvironment(env);
    service.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    test::endWithTest(service);
    service.start(QString::fromLatin1(geoclue),
                  {QStringLiteral("--timeout=0"), QStringLiteral("--nmea-socket"),
                   QString::fromLocal8Bit(socketPath)});
    ASSERT_TRUE(service.waitForStarted());

    // An agent the service trusts (its configuration lists the demo agent's id).
    Agent agent;
    QDBusConnection agentSide = bus.connect(QStringLiteral("agent"));
    ASSERT_TRUE(agentSide.registerObject(QStringLiteral("/org/freedesktop/GeoClue2/Agent"), &agent,
                                         QDBusConnection::ExportAllSlots |
                                             QDBusConnection::ExportAllProperties));
    const auto addAgent = [&] {
        QDBusMessage m = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.GeoClue2"),
            QStringLiteral("/org/freedesktop/GeoClue2/Manager"),
            QStringLiteral("org.freedesktop.GeoClue2.Manager"), QStringLiteral("AddAgent"));
        m << QStringLiteral("geoclue-demo-agent");
        // The service reads our agent's properties before it answers.
        QDBusPendingCall call = agentSide.asyncCall(m, 2000);
        test::spinUntil([&] { return call.isFinished(); }, 3000);
        return call.isFinished() && !call.isError();
    };
    ASSERT_TRUE(test::spinUntil(addAgent, 10000)) << "the service never took its name";

    // As the app asks: to the city. With no network here GeoClue has no
    // source for that, so nothing comes, and nothing breaks.
    std::vector<GeoPoint> fixes;
    {
        QDBusConnection cityBus = bus.connect(QStringLiteral("city"));
        GeoClueLocation city(cityBus);
        city.start([&](GeoPoint at) { fixes.push_back(at); });
        // The service gives one connection the same client: read what we asked.
        const auto clientProperty = [&](const char* name) {
            QDBusMessage get = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.GeoClue2"),
                QStringLiteral("/org/freedesktop/GeoClue2/Manager"),
                QStringLiteral("org.freedesktop.GeoClue2.Manager"), QStringLiteral("GetClient"));
            QDBusPendingCall client = cityBus.asyncCall(get);
            test::spinUntil([&] { return client.isFinished(); }, 3000);
            const QDBusObjectPath path = QDBusPendingReply<QDBusObjectPath>(client).value();
            QDBusMessage read = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.GeoClue2"), path.path(),
                QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
            read << QStringLiteral("org.freedesktop.GeoClue2.Client") << QString::fromLatin1(name);
            QDBusPendingCall value = cityBus.asyncCall(read);
            test::spinUntil([&] { return value.isFinished(); }, 3000);
            return QDBusPendingReply<QDBusVariant>(value).value().variant();
        };
        EXPECT_TRUE(test::spinUntil([&] { return clientProperty("Active").toBool(); }, 10000));
        EXPECT_EQ(clientProperty("DesktopId").toString(), QStringLiteral("torvelbar"));
        EXPECT_EQ(clientProperty("RequestedAccuracyLevel").toUInt(), GeoClueLocation::cityAccuracy);
        test::spinUntil([&] { return !fixes.empty(); }, 1000);
        EXPECT_TRUE(fixes.empty());
    }

    // Asked for the receiver's exact fix, the same client code reads a real one.
    GeoClueLocation location(bus.connect(QStringLiteral("app")), GeoClueLocation::exactAccuracy);
    location.start([&](GeoPoint at) { fixes.push_back(at); });
    ASSERT_TRUE(test::spinUntil([&] { return !fixes.empty(); }, 15000)) << "no fix from GeoClue";
    EXPECT_NEAR(fixes.front().latitude, 59.91, 0.001);
    EXPECT_NEAR(fixes.front().longitude, 10.75, 0.001);

    location.stop();
    const std::size_t seen = fixes.size();
    test::spinUntil([] { return false; }, 1000);
    EXPECT_EQ(fixes.size(), seen) << "nothing after stop()";
    test::stopProcesses({&service});
    for (const int fd : readers) {
        ::close(fd);
    }
    ::close(listener);
}

} // namespace
} // namespace torvel

#include "geoclue_location_test.moc"
