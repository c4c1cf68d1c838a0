#include "platform/linux/color_scheme_portal.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace torvel {

namespace {

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString interface = QStringLiteral("org.freedesktop.portal.Settings");
const QString group = QStringLiteral("org.freedesktop.appearance");
const QString key = QStringLiteral("color-scheme");

// Read() of portal version 1 wraps the value in one more variant.
QVariant unwrap(QVariant value) {
    while (value.canConvert<QDBusVariant>() && value.typeId() == qMetaTypeId<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    return value;
}

} // namespace

std::optional<bool> ColorSchemePortal::prefersDark(uint colorScheme) {
    if (colorScheme == 1) {
        return true;
    }
    if (colorScheme == 2) {
        return false;
    }
    return std::nullopt;
}

ColorSchemePortal::ColorSchemePortal(std::function<void(std::optional<bool>)> onChange,
                                     QDBusConnection bus)
    : onChange_(std::move(onChange)) {
    if (!bus.isConnected()) {
        return;
    }
    bus.connect(service, path, interface, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QDBusMessage)));
    QDBusMessage read =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Read"));
    read << group << key;
    // Asynchronous: a missing portal must not hold up the start.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(read, 2000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                QDBusPendingReply<QVariant> reply = *call;
                if (reply.isValid()) {
                    onChange_(prefersDark(unwrap(reply.value()).toUInt()));
                }
            });
}

void ColorSchemePortal::settingChanged(const QDBusMessage& message) {
    const QList<QVariant> args = message.arguments();
    if (args.size() == 3 && args[0].toString() == group && args[1].toString() == key) {
        onChange_(prefersDark(unwrap(args[2]).toUInt()));
    }
}

} // namespace torvel
