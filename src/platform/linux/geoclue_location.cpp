#include "platform/linux/geoclue_location.h"

#include "platform/linux/system_bus.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace torvel {

namespace {

const QString service = QStringLiteral("org.freedesktop.GeoClue2");
const QString managerPath = QStringLiteral("/org/freedesktop/GeoClue2/Manager");
const QString managerInterface = QStringLiteral("org.freedesktop.GeoClue2.Manager");
const QString clientInterface = QStringLiteral("org.freedesktop.GeoClue2.Client");
const QString locationInterface = QStringLiteral("org.freedesktop.GeoClue2.Location");
const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");

QDBusMessage propertySet(const QString& path, const QString& name, const QVariant& value) {
    QDBusMessage m =
        QDBusMessage::createMethodCall(service, path, properties, QStringLiteral("Set"));
    m << clientInterface << name << QVariant::fromValue(QDBusVariant(value));
    return m;
}

} // namespace

GeoClueLocation::GeoClueLocation(std::optional<QDBusConnection> bus, unsigned accuracy)
    : bus_(std::move(bus))
    , accuracy_(accuracy) {}

QDBusConnection& GeoClueLocation::bus() {
    return *bus_;
}

GeoClueLocation::~GeoClueLocation() {
    stop();
}

// Every call is asynchronous: a service that is slow to start, or an agent
// asking the user, never holds up the main loop.
void GeoClueLocation::start(std::function<void(GeoPoint)> onFix) {
    onFix_ = std::move(onFix);
    if (!bus_) {
        // The system bus once it answers (system_bus.h); asked again then,
        // unless stopped meanwhile.
        SystemBus::whenReady(this, [this](QDBusConnection bus) {
            bus_ = std::move(bus);
            if (onFix_) {
                start(onFix_);
            }
        });
        return;
    }
    if (asking_ || !client_.isEmpty() || !bus().isConnected()) {
        return;
    }
    asking_ = true;
    const unsigned generation = generation_;
    auto* watcher = new QDBusPendingCallWatcher(
        bus().asyncCall(QDBusMessage::createMethodCall(service, managerPath, managerInterface,
                                                       QStringLiteral("GetClient"))),
        this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, generation](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                asking_ = false;
                const QDBusPendingReply<QDBusObjectPath> reply = *w;
                if (generation == generation_ && !reply.isError() && onFix_) {
                    clientReady(reply.value().path());
                }
            });
}

void GeoClueLocation::clientReady(const QString& path) {
    client_ = path;
    bus().connect(service, path, clientInterface, QStringLiteral("LocationUpdated"), this,
                  SLOT(locationUpdated(QDBusObjectPath, QDBusObjectPath)));
    // The id first: the service checks it when we start. Calls on one
    // connection are delivered in order, so no need to wait for each.
    bus().asyncCall(propertySet(path, QStringLiteral("DesktopId"), QString::fromLatin1(desktopId)));
    bus().asyncCall(propertySet(path, QStringLiteral("RequestedAccuracyLevel"), accuracy_));
    bus().asyncCall(
        QDBusMessage::createMethodCall(service, path, clientInterface, QStringLiteral("Start")));
}

void GeoClueLocation::locationUpdated(const QDBusObjectPath&, const QDBusObjectPath& newLocation) {
    readLocation(newLocation.path());
}

void GeoClueLocation::readLocation(const QString& path) {
    QDBusMessage m =
        QDBusMessage::createMethodCall(service, path, properties, QStringLiteral("GetAll"));
    m << locationInterface;
    const unsigned generation = generation_;
    auto* watcher = new QDBusPendingCallWatcher(bus().asyncCall(m), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, generation](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                const QDBusPendingReply<QVariantMap> reply = *w;
                if (generation != generation_ || reply.isError() || !onFix_) {
                    return;
                }
                const QVariantMap values = reply.value();
                const QVariant lat = values.value(QStringLiteral("Latitude"));
                const QVariant lon = values.value(QStringLiteral("Longitude"));
                if (lat.typeId() != QMetaType::Double || lon.typeId() != QMetaType::Double ||
                    !isValidGeoPoint(lat.toDouble(), lon.toDouble())) {
                    return; // whatever the bus sent, only a real place is passed on
                }
                onFix_(GeoPoint{lat.toDouble(), lon.toDouble()});
            });
}

void GeoClueLocation::stop() {
    ++generation_;
    onFix_ = nullptr;
    if (client_.isEmpty()) {
        return;
    }
    bus().disconnect(service, client_, clientInterface, QStringLiteral("LocationUpdated"), this,
                     SLOT(locationUpdated(QDBusObjectPath, QDBusObjectPath)));
    bus().asyncCall(
        QDBusMessage::createMethodCall(service, client_, clientInterface, QStringLiteral("Stop")));
    client_.clear();
}

} // namespace torvel
