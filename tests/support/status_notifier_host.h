#pragma once
// A StatusNotifierWatcher of our own on a test's bus: it records the items
// that register, as a panel's tray would, and reads their properties.

#include <memory>
#include <QDBusConnection>
#include <QStringList>
#include <QVariantMap>

namespace torvel::test {

class StatusNotifierHost {
public:
    explicit StatusNotifierHost(QDBusConnection bus);
    ~StatusNotifierHost();

    // Takes the watcher's name; false when someone holds it.
    bool start();
    // The bus names of the items registered so far.
    QStringList items() const;

    QVariantMap itemProperties(const QString& service) const;
    // The sizes of an item's IconPixmap, as "WxH".
    QStringList iconSizes(const QString& service) const;
    // ToolTip's title and text.
    std::pair<QString, QString> toolTip(const QString& service) const;
    // The labels of the menu's entries (separators as "-"), and their ids.
    std::vector<std::pair<int, QString>> menu(const QString& service) const;
    void clickMenu(const QString& service, int id) const;
    // The wheel over the item, as hosts report it.
    void scroll(const QString& service, int delta, const QString& orientation) const;

    struct Watcher;

private:
    QDBusConnection bus_;
    std::unique_ptr<Watcher> watcher_;
};

} // namespace torvel::test
