#include "platform/linux/bus_flag.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace torvel {

BusFlag::BusFlag(Where where, std::function<void(bool)> changed)
    : where_(std::move(where))
    , changed_(std::move(changed)) {
    QDBusConnection::sessionBus().connect(
        where_.service, where_.path, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"), this,
        SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    value_ = read();
}

bool BusFlag::read() const {
    QDBusMessage get = QDBusMessage::createMethodCall(
        where_.service, where_.path, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << where_.interface << where_.property;
    get.setAutoStartService(false);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(get, QDBus::Block, 2000);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().front().value<QDBusVariant>().variant().toBool();
}

void BusFlag::propertiesChanged(const QString& interface, const QVariantMap& properties,
                                const QStringList& invalidated) {
    if (interface != where_.interface) {
        return;
    }
    const auto it = properties.find(where_.property);
    if (it != properties.end()) {
        set(it->toBool());
    } else if (invalidated.contains(where_.property)) {
        set(read());
    }
}

void BusFlag::set(bool value) {
    if (value == value_) {
        return;
    }
    value_ = value;
    if (changed_) {
        changed_(value);
    }
}

} // namespace torvel
