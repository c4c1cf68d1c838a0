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
    static constexpr unsigned cityAccuracy = 4;
    static constexpr unsigned exactAccuracy = 8;

    // Nothing is asked, nor any bus connected, before start(). The system
    // bus by default. A place to the city is all the sun needs; GeoClue
    // serves that from its network sources only (a GPS is exact).
    explicit GeoClueLocation(std::optional<QDBusConnection> bus = std::nullopt,
                             unsigned accuracy = cityAccuracy);
    ~GeoClueLocation() override;

    void start(std::function<void(GeoPoint)> onFix) override;
    void stop() override;

    static constexpr const char* desktopId = "torvelbar";
    static constexpr int getClientTimeoutMs = 10 * 60 * 1000;

private Q_SLOTS:
    void locationUpdated(const QDBusObjectPath& oldLocation, const QDBusObjectPath& newLocation);

private:
    void clientReady(const QString& path);
    void readLocation(const QString& path);

    QDBusConnection& bus();
    std::optional<QDBusConnection> bus_;
    unsigned accuracy_;
    std::function<void(GeoPoint)> onFix_;
    QString client_; // our client object, once the manager gave one
    // Bumped by stop(), so an answer to an earlier start is dropped.
    unsigned generation_ = 0;
    bool asking_ = false;
};

} // namespace torvel
