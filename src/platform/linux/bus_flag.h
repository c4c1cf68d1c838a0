#pragma once
// One boolean property of another program's object on the session bus (a
// desktop's night light held off), read once and then followed through its
// PropertiesChanged signal; never polled.

#include <functional>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace torvel {

class BusFlag final : public QObject {
    Q_OBJECT
public:
    struct Where {
        QString service, path, interface, property;
    };
    // Listens first, then reads (blocking for one round trip at most 2 s),
    // so a change in between is not lost. `changed` runs after each change
    // from then on, not for the first read. False while the object does not
    // answer.
    BusFlag(Where where, std::function<void(bool)> changed);

    bool value() const { return value_; }

private Q_SLOTS:
    void propertiesChanged(const QString& interface, const QVariantMap& properties,
                           const QStringList& invalidated);

private:
    bool read() const;
    void set(bool value);

    Where where_;
    std::function<void(bool)> changed_;
    bool value_ = false;
};

} // namespace torvel
