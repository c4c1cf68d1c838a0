#include "support/status_notifier_host.h"

#include <QDateTime>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDBusVirtualObject>

namespace torvel::test {

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

// Reads an a(iiay) of pixmaps: the sizes of those whose data is whole.
QStringList readPixmaps(const QDBusArgument& arg) {
    QStringList sizes;
    arg.beginArray();
    while (!arg.atEnd()) {
        int w = 0, h = 0;
        QByteArray data;
        arg.beginStructure();
        arg >> w >> h >> data;
        arg.endStructure();
        if (data.size() == w * h * 4) {
            sizes << QStringLiteral("%1x%2").arg(w).arg(h);
        }
    }
    arg.endArray();
    return sizes;
}

} // namespace

struct StatusNotifierHost::Watcher final : QDBusVirtualObject {
    QStringList items;

    QString introspect(const QString&) const override {
        return QStringLiteral(
            "<interface name=\"org.kde.StatusNotifierWatcher\">"
            "<method name=\"RegisterStatusNotifierItem\"><arg type=\"s\" direction=\"in\"/>"
            "</method></interface>");
    }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != QLatin1String("RegisterStatusNotifierItem")) {
            return false;
        }
        items << message.arguments().value(0).toString();
        connection.send(message.createReply());
        return true;
    }
};

StatusNotifierHost::StatusNotifierHost(QDBusConnection bus)
    : bus_(std::move(bus))
    , watcher_(std::make_unique<Watcher>()) {}

StatusNotifierHost::~StatusNotifierHost() {
    bus_.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
    bus_.unregisterService(watcherService);
}

bool StatusNotifierHost::start() {
    return bus_.registerVirtualObject(QStringLiteral("/StatusNotifierWatcher"), watcher_.get()) &&
           bus_.registerService(watcherService);
}

QStringList StatusNotifierHost::items() const {
    return watcher_->items;
}

QVariantMap StatusNotifierHost::itemProperties(const QString& service) const {
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, QStringLiteral("/StatusNotifierItem"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    call << QStringLiteral("org.kde.StatusNotifierItem");
    const QDBusReply<QVariantMap> reply = bus_.call(call, QDBus::Block, 3000);
    return reply.isValid() ? reply.value() : QVariantMap();
}

QStringList StatusNotifierHost::iconSizes(const QString& service) const {
    return readPixmaps(
        itemProperties(service).value(QStringLiteral("IconPixmap")).value<QDBusArgument>());
}

std::pair<QString, QString> StatusNotifierHost::toolTip(const QString& service) const {
    const auto arg =
        itemProperties(service).value(QStringLiteral("ToolTip")).value<QDBusArgument>();
    QString icon, title, text;
    arg.beginStructure();
    arg >> icon;
    readPixmaps(arg);
    arg >> title >> text;
    arg.endStructure();
    return {title, text};
}

std::vector<std::pair<int, QString>> StatusNotifierHost::menu(const QString& service) const {
    QDBusMessage call = QDBusMessage::createMethodCall(service, QStringLiteral("/MenuBar"),
                                                       QStringLiteral("com.canonical.dbusmenu"),
                                                       QStringLiteral("GetLayout"));
    call << 0 << -1 << QStringList();
    const QDBusMessage reply = bus_.call(call, QDBus::Block, 3000);
    std::vector<std::pair<int, QString>> out;
    if (reply.arguments().size() != 2) {
        return out;
    }
    const auto layout = reply.arguments().at(1).value<QDBusArgument>();
    int id = 0;
    QVariantMap properties;
    layout.beginStructure();
    layout >> id >> properties;
    layout.beginArray();
    while (!layout.atEnd()) {
        QDBusVariant child;
        layout >> child;
        const auto item = child.variant().value<QDBusArgument>();
        int childId = 0;
        QVariantMap p;
        item.beginStructure();
        item >> childId >> p;
        item.endStructure();
        out.emplace_back(childId,
                         p.value(QStringLiteral("type")).toString() == QLatin1String("separator")
                             ? QStringLiteral("-")
                             : p.value(QStringLiteral("label")).toString());
    }
    layout.endArray();
    layout.endStructure();
    return out;
}

void StatusNotifierHost::clickMenu(const QString& service, int id) const {
    QDBusMessage call = QDBusMessage::createMethodCall(service, QStringLiteral("/MenuBar"),
                                                       QStringLiteral("com.canonical.dbusmenu"),
                                                       QStringLiteral("Event"));
    call << id << QStringLiteral("clicked") << QVariant::fromValue(QDBusVariant(QString()))
         << static_cast<uint>(QDateTime::currentSecsSinceEpoch());
    bus_.call(call, QDBus::Block, 3000);
}

void StatusNotifierHost::scroll(const QString& service, int delta,
                                const QString& orientation) const {
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, QStringLiteral("/StatusNotifierItem"),
        QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Scroll"));
    call << delta << orientation;
    bus_.call(call, QDBus::Block, 3000);
}

} // namespace torvel::test
