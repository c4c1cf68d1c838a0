#pragma once
// The D-Bus faces of StatusNotifierItem: the item
// (org.kde.StatusNotifierItem) and its menu (com.canonical.dbusmenu), with
// the structures both put on the wire. Private to status_notifier_item.cpp.

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QList>
#include <QStringList>
#include <QVariantMap>

namespace torvel::sni {

// One icon image: ARGB32 in network byte order.
struct Pixmap {
    int width = 0;
    int height = 0;
    QByteArray data;
};
using PixmapList = QList<Pixmap>;

struct ToolTip {
    QString iconName;
    PixmapList image;
    QString title;
    QString text;
};

// A dbusmenu item with its children, as GetLayout returns it.
struct MenuLayout {
    int id = 0;
    QVariantMap properties;
    QList<MenuLayout> children;
};

struct MenuItem {
    int id = 0;
    QVariantMap properties;
};
using MenuItemList = QList<MenuItem>;

struct MenuItemKeys {
    int id = 0;
    QStringList keys;
};
using MenuItemKeysList = QList<MenuItemKeys>;

struct MenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using MenuEventList = QList<MenuEvent>;

void registerTypes();

// What the adaptors ask of the object behind them.
class ItemBackend {
public:
    virtual ~ItemBackend() = default;
    virtual QString id() const = 0;
    virtual QString title() const = 0;
    virtual PixmapList pixmaps() const = 0;
    virtual ToolTip toolTip() const = 0;
    virtual void activate(int x, int y) = 0;
    virtual void contextMenu(int x, int y) = 0;
    virtual void scroll(int delta, const QString& orientation) = 0;

    virtual MenuLayout menuLayout() const = 0;
    virtual void menuEvent(int id, const QString& eventId) = 0;
    virtual void menuAboutToShow() = 0;
    virtual uint menuRevision() const = 0;
};

class ItemAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconThemePath READ empty)
    Q_PROPERTY(QString IconName READ empty)
    Q_PROPERTY(torvel::sni::PixmapList IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ empty)
    Q_PROPERTY(torvel::sni::PixmapList OverlayIconPixmap READ none)
    Q_PROPERTY(QString AttentionIconName READ empty)
    Q_PROPERTY(torvel::sni::PixmapList AttentionIconPixmap READ none)
    Q_PROPERTY(QString AttentionMovieName READ empty)
    Q_PROPERTY(torvel::sni::ToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)

public:
    ItemAdaptor(QObject* parent, ItemBackend& backend)
        : QDBusAbstractAdaptor(parent)
        , backend_(backend) {}

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return backend_.id(); }
    QString title() const { return backend_.title(); }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString empty() const { return {}; }
    PixmapList iconPixmap() const { return backend_.pixmaps(); }
    PixmapList none() const { return {}; }
    ToolTip toolTip() const { return backend_.toolTip(); }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const { return QDBusObjectPath(QStringLiteral("/MenuBar")); }

    // NOLINTBEGIN(readability-identifier-naming): the names on the bus
public Q_SLOTS:
    void Activate(int x, int y) { backend_.activate(x, y); }
    void SecondaryActivate(int, int) {}
    void ContextMenu(int x, int y) { backend_.contextMenu(x, y); }
    void Scroll(int delta, const QString& orientation) { backend_.scroll(delta, orientation); }

Q_SIGNALS:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString& status);
    // NOLINTEND(readability-identifier-naming)

private:
    ItemBackend& backend_;
};

class MenuAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    MenuAdaptor(QObject* parent, ItemBackend& backend)
        : QDBusAbstractAdaptor(parent)
        , backend_(backend) {}

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

    // NOLINTBEGIN(readability-identifier-naming): the names on the bus
public Q_SLOTS:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   torvel::sni::MenuLayout& layout);
    torvel::sni::MenuItemList GetGroupProperties(const QList<int>& ids,
                                                 const QStringList& propertyNames);
    QDBusVariant GetProperty(int id, const QString& name);
    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
    QList<int> EventGroup(const torvel::sni::MenuEventList& events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

Q_SIGNALS:
    void ItemsPropertiesUpdated(const torvel::sni::MenuItemList& updated,
                                const torvel::sni::MenuItemKeysList& removed);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);
    // NOLINTEND(readability-identifier-naming)

private:
    ItemBackend& backend_;
};

} // namespace torvel::sni

Q_DECLARE_METATYPE(torvel::sni::Pixmap)
Q_DECLARE_METATYPE(torvel::sni::ToolTip)
Q_DECLARE_METATYPE(torvel::sni::MenuLayout)
Q_DECLARE_METATYPE(torvel::sni::MenuItem)
Q_DECLARE_METATYPE(torvel::sni::MenuItemKeys)
Q_DECLARE_METATYPE(torvel::sni::MenuEvent)
