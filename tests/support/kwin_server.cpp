#include "support/kwin_server.h"

#include "support/child_process.h"
#include "support/event_loop.h"
#include "support/private_bus.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QFile>
#include <QStandardPaths>

namespace torvel::test {

namespace {

const QString service = QStringLiteral("org.kde.KWin");

// Plasma 5's Night Color object and Plasma 6's: a KWin offers one of them.
struct NightColorObject {
    QString path, interface;
};
const NightColorObject nightColorObjects[] = {
    {QStringLiteral("/ColorCorrect"), QStringLiteral("org.kde.kwin.ColorCorrect")},
    {QStringLiteral("/org/kde/KWin/NightLight"), QStringLiteral("org.kde.KWin.NightLight")},
};

} // namespace

KWinServer::KWinServer() {
    const QString installed = QStringLiteral("/usr/bin/kwin_wayland");
    if (!QFile::exists(installed)) {
        error_ = QStringLiteral("kwin_wayland is not installed (Debian package kwin-wayland)");
        return;
    }
    const QString copy = bin_.file(QStringLiteral("kwin_wayland"));
    if (!QFile::copy(installed, copy) ||
        !QFile::setPermissions(copy, QFileDevice::ExeOwner | QFileDevice::ReadOwner)) {
        error_ = QStringLiteral("cannot copy kwin_wayland");
        return;
    }
    bus_ = std::make_unique<PrivateBus>();
    if (!bus_->running()) {
        error_ = QStringLiteral("dbus-daemon did not start");
        return;
    }
    busAddress_ = bus_->address();

    auto env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress_);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
    kwin_.setProcessEnvironment(env);
    endWithTest(kwin_);
    kwin_.setProcessChannelMode(QProcess::MergedChannels);
    kwin_.setStandardOutputFile(runtime_.file(QStringLiteral("kwin.log")));
    kwin_.start(copy, {QStringLiteral("--virtual"), QStringLiteral("--no-lockscreen"),
                       QStringLiteral("--socket"), socketName(), QStringLiteral("--width"),
                       QStringLiteral("1280"), QStringLiteral("--height"), QStringLiteral("800")});
    connectionName_ = QStringLiteral("kwin-server-%1").arg(reinterpret_cast<quintptr>(this));
    const bool up = kwin_.waitForStarted() &&
                    spinUntil(
                        [&] {
                            return kwin_.state() != QProcess::Running ||
                                   nightColor().contains(QStringLiteral("available"));
                        },
                        20000) &&
                    kwin_.state() == QProcess::Running;
    if (!up) {
        QFile log(runtime_.file(QStringLiteral("kwin.log")));
        log.open(QIODevice::ReadOnly);
        error_ = (kwin_.state() == QProcess::Running
                      ? QStringLiteral("KWin runs without Night Color (its plugin is in the "
                                       "Debian package kwin-common): ")
                      : QStringLiteral("KWin did not start: ")) +
                 QString::fromLocal8Bit(log.readAll().right(400)).trimmed();
    }
}

void KWinServer::crash() {
    kwin_.kill();
    kwin_.waitForFinished(5000);
}

KWinServer::~KWinServer() {
    if (!connectionName_.isEmpty()) {
        QDBusConnection::disconnectFromBus(connectionName_);
    }
    stopProcesses({&kwin_});
    bus_.reset();
}

QVariantMap KWinServer::nightColor() const {
    QDBusConnection bus = QDBusConnection::connectToBus(busAddress_, connectionName_);
    for (const auto& object : nightColorObjects) {
        if (!nightColorPath_.isEmpty() && nightColorPath_ != object.path) {
            continue;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(
            service, object.path, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("GetAll"));
        call << object.interface;
        const QDBusReply<QVariantMap> reply = bus.call(call, QDBus::Block, 2000);
        if (reply.isValid() && !reply.value().isEmpty()) {
            nightColorPath_ = object.path;
            return reply.value();
        }
    }
    return {};
}

bool KWinServer::offersPlasma6() const {
    return nightColorPath_ == nightColorObjects[1].path;
}

bool KWinServer::waitFor(const QString& property, const QVariant& value, int timeoutMs) const {
    return spinUntil([&] { return nightColor().value(property) == value; }, timeoutMs);
}

void KWinServer::writeUserConfig(const QString& text) const {
    {
        QFile f(kwinrc());
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text.toUtf8());
    }
    qDBusRegisterMetaType<QByteArrayList>();
    qDBusRegisterMetaType<QHash<QString, QByteArrayList>>();
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/kwinrc"),
                                                     QStringLiteral("org.kde.kconfig.notify"),
                                                     QStringLiteral("ConfigChanged"));
    const QByteArrayList keys{"Active",         "Mode",          "NightTemperature",
                              "DayTemperature", "LatitudeFixed", "LongitudeFixed"};
    signal << QVariant::fromValue(
        QHash<QString, QByteArrayList>{{QStringLiteral("NightColor"), keys}});
    QDBusConnection::connectToBus(busAddress_, connectionName_).send(signal);
}

QString KWinServer::readKwinrc() const {
    QFile f(kwinrc());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool KWinServer::runScript(const QString& source) const {
    // Each under a name of its own, left loaded: KWin 5 reads the file
    // after run() answers.
    static int count = 0;
    const QString name = QStringLiteral("test-script-%1").arg(++count);
    const QString file = runtime_.file(name + QStringLiteral(".js"));
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    f.write(source.toUtf8());
    f.close();
    QDBusConnection bus = QDBusConnection::connectToBus(busAddress_, connectionName_);
    const auto scripting = [](const QString& method) {
        return QDBusMessage::createMethodCall(service, QStringLiteral("/Scripting"),
                                              QStringLiteral("org.kde.kwin.Scripting"), method);
    };
    const QDBusReply<int> id =
        bus.call(scripting(QStringLiteral("loadScript")) << file << name, QDBus::Block, 5000);
    // Starting the scripting runs each loaded script not yet running.
    const bool ran = id.isValid() && id.value() >= 0 &&
                     bus.call(scripting(QStringLiteral("start")), QDBus::Block, 5000).type() ==
                         QDBusMessage::ReplyMessage;
    return ran;
}

bool KWinServer::scriptLoaded(const QString& name) const {
    const QDBusReply<bool> loaded =
        QDBusConnection::connectToBus(busAddress_, connectionName_)
            .call(QDBusMessage::createMethodCall(service, QStringLiteral("/Scripting"),
                                                 QStringLiteral("org.kde.kwin.Scripting"),
                                                 QStringLiteral("isScriptLoaded"))
                      << name,
                  QDBus::Block, 5000);
    return loaded.isValid() && loaded.value();
}

} // namespace torvel::test
