#pragma once
// The system's location service (GeoClue 2 on the system bus) at city
// accuracy, asked with our desktop id so its agent can allow or refuse us.

#include "platform/location_service.h"

#include <optional>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>

namespace torvel {

class GeoClueLocation final : public QObject, public LocationService {
    Q_OBJECT
public:
    // Nothing is asked, nor any bus connected, before start(). The system
    // bus by default.
    explicit GeoClueLocation(std::optional<QDBusConnection> bus = std::nullopt);
    ~GeoClueLocation() override;

    void start(std::function<void(GeoPoint)> onFix) override;
    void stop() override;

    static constexpr const char* desktopId = "torvelbar";
    static constexpr unsigned cityAccuracy = 4;

private Q_SLOTS:
    void locationUpdated(const QDBusObjectPath& oldLocation, const QDBusObjectPath& newLocation);

private:
    void clientReady(const QString& path);
    void readLocation(const QString& path);

    QDBusConnection& bus();
    std::optional<QDBusConnection> bus_;
    std::function<void(GeoPoint)> onFix_;
    QString client_; // our client object, once the manager gave one
    // Bumped by stop(), so an answer to an earlier start is dropped.
    unsigned generation_ = 0;
    bool asking_ = false;
};

} // namespace torvel
