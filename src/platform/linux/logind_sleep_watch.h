#pragma once
// Tells when the machine has resumed: logind's PrepareForSleep(false) on the
// system bus. Without a reachable bus there is no notice, and nothing fails.

#include <functional>
#include <QDBusConnection>
#include <QObject>

namespace torvel {

class LogindSleepWatch final : public QObject {
    Q_OBJECT
public:
    // `bus` is the system bus in the app, a private bus in tests.
    LogindSleepWatch(std::function<void()> onResume, QDBusConnection bus);

    bool isActive() const { return active_; }

private Q_SLOTS:
    void prepareForSleep(bool start);

private:
    std::function<void()> onResume_;
    bool active_ = false;
};

} // namespace torvel
