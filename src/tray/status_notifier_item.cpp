#include "tray/status_notifier_item.h"

#include "tray/status_notifier_adaptors.h"

#include <cstdlib>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusServiceWatcher>
#include <QtEndian>

namespace torvel {

namespace sni {

const QDBusArgument& operator>>(const QDBusArgument& arg, Pixmap& p) {
    arg.beginStructure();
    arg >> p.width >> p.height >> p.data;
    arg.endStructure();
    return arg;
}
QDBusArgument& operator<<(QDBusArgument& arg, const Pixmap& p) {
    arg.beginStructure();
    arg << p.width << p.height << p.data;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, ToolTip& t) {
    arg.beginStructure();
    arg >> t.iconName >> t.image >> t.title >> t.text;
    arg.endStructure();
    return arg;
}
QDBusArgument& operator<<(QDBusArgument& arg, const ToolTip& t) {
    arg.beginStructure();
    arg << t.iconName << t.image << t.title << t.text;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, MenuLayout& m) {
    arg.beginStructure();
    arg >> m.id >> m.properties;
    arg.beginArray();
    while (!arg.atEnd()) {
        QDBusVariant child;
        arg >> child;
        m.children << qdbus_cast<MenuLayout>(child.variant());
    }
    arg.endArray();
    arg.endStructure();
    return arg;
}
QDBusArgument& operator<<(QDBusArgument& arg, const MenuLayout& m) {
    arg.beginStructure();
    arg << m.id << m.properties;
    arg.beginArray(qMetaTypeId<QDBusVariant>());
    for (const MenuLayout& child : m.children) {
        arg << QDBusVariant(QVariant::fromValue(child));
    }
    arg.endArray();
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, MenuItem& m) {
    arg.beginStructure();
    arg >> m.id >> m.properties;
    arg.endStructure();
    return arg;
}
QDBusArgument& operator<<(QDBusArgument& arg, const MenuItem& m) {
    arg.beginStructure();
    arg << m.id << m.properties;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, MenuItemKeys& m) {
    arg.beginStructure();
    arg >> m.id >> m.keys;
    arg.endStructure();
    return arg;
}
QDBusArgument& operator<<(QDBusArgument& arg, const MenuItemKeys& m) {
    arg.beginStructure();
    arg << m.id << m.keys;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, MenuEvent& e) {
    arg.beginStructure();
    arg >> e.id >> e.eventId >> e.data >> e.timestamp;
    arg.endStructure();
    return arg;
}
QDBusArgument& operator<<(QDBusArgument& arg, const MenuEvent& e) {
    arg.beginStructure();
    arg << e.id << e.eventId << e.data << e.timestamp;
    arg.endStructure();
    return arg;
}

void registerTypes() {
    qDBusRegisterMetaType<Pixmap>();
    qDBusRegisterMetaType<PixmapList>();
    qDBusRegisterMetaType<ToolTip>();
    qDBusRegisterMetaType<MenuLayout>();
    qDBusRegisterMetaType<MenuItem>();
    qDBusRegisterMetaType<MenuItemList>();
    qDBusRegisterMetaType<MenuItemKeys>();
    qDBusRegisterMetaType<MenuItemKeysList>();
    qDBusRegisterMetaType<MenuEvent>();
    qDBusRegisterMetaType<MenuEventList>();
    // The adaptors' slots name the lists by these aliases; a call whose
    // argument type QtDBus cannot resolve by name is "UnknownMethod".
    qRegisterMetaType<MenuItemList>("torvel::sni::MenuItemList");
    qRegisterMetaType<MenuItemKeysList>("torvel::sni::MenuItemKeysList");
    qRegisterMetaType<MenuEventList>("torvel::sni::MenuEventList");
    qRegisterMetaType<PixmapList>("torvel::sni::PixmapList");
}

namespace {

MenuItem propertiesOf(const MenuLayout& item, const QStringList& names) {
    MenuItem out{item.id, {}};
    for (auto it = item.properties.begin(); it != item.properties.end(); ++it) {
        if (names.isEmpty() || names.contains(it.key())) {
            out.properties.insert(it.key(), it.value());
        }
    }
    return out;
}

} // namespace

uint MenuAdaptor::GetLayout(int parentId, int recursionDepth, const QStringList& names,
                            MenuLayout& layout) {
    // The menu is flat: the root and its entries.
    const MenuLayout root = backend_.menuLayout();
    if (parentId == 0) {
        layout = {0, propertiesOf(root, names).properties, {}};
        if (recursionDepth != 0) {
            for (const MenuLayout& child : root.children) {
                layout.children << MenuLayout{child.id, propertiesOf(child, names).properties, {}};
            }
        }
    } else {
        for (const MenuLayout& child : root.children) {
            if (child.id == parentId) {
                layout = {child.id, propertiesOf(child, names).properties, {}};
            }
        }
    }
    return backend_.menuRevision();
}

MenuItemList MenuAdaptor::GetGroupProperties(const QList<int>& ids, const QStringList& names) {
    const MenuLayout root = backend_.menuLayout();
    MenuItemList out;
    if (ids.isEmpty() || ids.contains(0)) {
        out << propertiesOf(root, names);
    }
    for (const MenuLayout& child : root.children) {
        if (ids.isEmpty() || ids.contains(child.id)) {
            out << propertiesOf(child, names);
        }
    }
    return out;
}

QDBusVariant MenuAdaptor::GetProperty(int id, const QString& name) {
    const MenuLayout root = backend_.menuLayout();
    if (id == 0) {
        return QDBusVariant(root.properties.value(name));
    }
    for (const MenuLayout& child : root.children) {
        if (child.id == id) {
            return QDBusVariant(child.properties.value(name));
        }
    }
    return QDBusVariant(QVariant(QString()));
}

void MenuAdaptor::Event(int id, const QString& eventId, const QDBusVariant&, uint) {
    backend_.menuEvent(id, eventId);
}

QList<int> MenuAdaptor::EventGroup(const MenuEventList& events) {
    for (const MenuEvent& e : events) {
        backend_.menuEvent(e.id, e.eventId);
    }
    return {};
}

bool MenuAdaptor::AboutToShow(int id) {
    if (id == 0) {
        backend_.menuAboutToShow();
    }
    return false; // a change is announced by LayoutUpdated
}

QList<int> MenuAdaptor::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors) {
    if (ids.contains(0)) {
        backend_.menuAboutToShow();
    }
    idErrors.clear();
    return {};
}

} // namespace sni

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString itemPath = QStringLiteral("/StatusNotifierItem");
const QString menuPath = QStringLiteral("/MenuBar");

sni::Pixmap pixmapOf(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    sni::Pixmap p{argb.width(), argb.height(),
                  QByteArray(qsizetype{argb.width()} * argb.height() * 4, 0)};
    auto* out = reinterpret_cast<quint32*>(p.data.data());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            *out++ = qToBigEndian(line[x]);
        }
    }
    return p;
}

QVariantMap propertiesOf(const TrayMenuEntry& e) {
    QVariantMap p;
    if (e.kind == TrayMenuEntry::Kind::separator) {
        p.insert(QStringLiteral("type"), QStringLiteral("separator"));
        return p;
    }
    p.insert(QStringLiteral("label"), e.label);
    p.insert(QStringLiteral("enabled"), e.enabled);
    if (e.kind != TrayMenuEntry::Kind::action) {
        p.insert(QStringLiteral("toggle-type"), e.kind == TrayMenuEntry::Kind::radio
                                                    ? QStringLiteral("radio")
                                                    : QStringLiteral("checkmark"));
        p.insert(QStringLiteral("toggle-state"), e.checked ? 1 : 0);
    }
    return p;
}

} // namespace

struct StatusNotifierItem::Impl final : sni::ItemBackend {
    QString itemId;
    QString itemTitle;
    Handlers handlers;
    QString service;
    QObject item;
    QObject menuObject;
    sni::ItemAdaptor* itemAdaptor = nullptr;
    sni::MenuAdaptor* menuAdaptor = nullptr;
    std::unique_ptr<QDBusServiceWatcher> watcher;
    sni::PixmapList icon;
    sni::ToolTip tip;
    TrayMenu menu;
    uint revision = 1;
    bool published = false;

    // ItemBackend
    QString id() const override { return itemId; }
    QString title() const override { return itemTitle; }
    sni::PixmapList pixmaps() const override { return icon; }
    sni::ToolTip toolTip() const override { return tip; }
    void activate(int, int) override {
        if (handlers.activate) {
            handlers.activate();
        }
    }
    void contextMenu(int, int) override {}
    void scroll(int delta, const QString& orientation) override {
        if (!handlers.scrolled || delta == 0 ||
            orientation.compare(QLatin1String("vertical"), Qt::CaseInsensitive) != 0) {
            return;
        }
        // Qt-based hosts send 120 a notch, others one; a bare sign is one notch.
        const int steps = std::abs(delta) >= 120 ? delta / 120 : (delta > 0 ? 1 : -1);
        handlers.scrolled(steps);
    }
    sni::MenuLayout menuLayout() const override {
        sni::MenuLayout root{
            0, {{QStringLiteral("children-display"), QStringLiteral("submenu")}}, {}};
        for (const TrayMenuEntry& e : menu) {
            root.children << sni::MenuLayout{e.id, propertiesOf(e), {}};
        }
        return root;
    }
    void menuEvent(int entry, const QString& eventId) override {
        if (eventId == QLatin1String("clicked") && handlers.menuActivated) {
            // Not from inside the D-Bus call: the handler may change the menu.
            QMetaObject::invokeMethod(
                &menuObject, [this, entry] { handlers.menuActivated(entry); },
                Qt::QueuedConnection);
        }
    }
    void menuAboutToShow() override {
        if (handlers.menuAboutToShow) {
            handlers.menuAboutToShow();
        }
    }
    uint menuRevision() const override { return revision; }

    void registerWithWatcher() const {
        QDBusMessage call = QDBusMessage::createMethodCall(
            watcherService, QStringLiteral("/StatusNotifierWatcher"), watcherService,
            QStringLiteral("RegisterStatusNotifierItem"));
        call << service;
        QDBusConnection::sessionBus().asyncCall(call);
    }
};

StatusNotifierItem::StatusNotifierItem(QString id, QString title, Handlers handlers)
    : impl_(std::make_unique<Impl>()) {
    sni::registerTypes();
    impl_->itemId = std::move(id);
    impl_->itemTitle = std::move(title);
    impl_->handlers = std::move(handlers);
    impl_->tip.title = impl_->itemTitle;
    impl_->itemAdaptor = new sni::ItemAdaptor(&impl_->item, *impl_);
    impl_->menuAdaptor = new sni::MenuAdaptor(&impl_->menuObject, *impl_);
}

StatusNotifierItem::~StatusNotifierItem() {
    if (impl_->published) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterObject(itemPath);
        bus.unregisterObject(menuPath);
        bus.unregisterService(impl_->service);
    }
}

bool StatusNotifierItem::watcherPresent() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface() &&
           bus.interface()->isServiceRegistered(watcherService);
}

bool StatusNotifierItem::publish() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    impl_->service =
        QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid());
    if (!bus.registerObject(itemPath, &impl_->item, QDBusConnection::ExportAdaptors) ||
        !bus.registerObject(menuPath, &impl_->menuObject, QDBusConnection::ExportAdaptors) ||
        !bus.registerService(impl_->service)) {
        return false;
    }
    impl_->published = true;
    impl_->watcher = std::make_unique<QDBusServiceWatcher>(
        watcherService, bus, QDBusServiceWatcher::WatchForRegistration);
    QObject::connect(impl_->watcher.get(), &QDBusServiceWatcher::serviceRegistered,
                     impl_->watcher.get(), [this] { impl_->registerWithWatcher(); });
    impl_->registerWithWatcher();
    return true;
}

QString StatusNotifierItem::serviceName() const {
    return impl_->service;
}

void StatusNotifierItem::setIcon(const QList<QImage>& images) {
    sni::PixmapList icon;
    for (const QImage& image : images) {
        icon << pixmapOf(image);
    }
    const auto same = [](const sni::Pixmap& a, const sni::Pixmap& b) {
        return a.width == b.width && a.height == b.height && a.data == b.data;
    };
    if (std::equal(icon.begin(), icon.end(), impl_->icon.begin(), impl_->icon.end(), same)) {
        return;
    }
    impl_->icon = std::move(icon);
    emit impl_->itemAdaptor->NewIcon();
}

void StatusNotifierItem::setToolTip(const QString& title, const QString& text) {
    if (impl_->tip.title == title && impl_->tip.text == text) {
        return;
    }
    impl_->tip.title = title;
    impl_->tip.text = text;
    emit impl_->itemAdaptor->NewToolTip();
}

void StatusNotifierItem::setMenu(const TrayMenu& menu) {
    if (menu == impl_->menu) {
        return;
    }
    impl_->menu = menu;
    ++impl_->revision;
    emit impl_->menuAdaptor->LayoutUpdated(impl_->revision, 0);
}

} // namespace torvel
