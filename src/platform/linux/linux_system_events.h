#pragma once
// The system notices on Linux: resume from logind, clock set from a timerfd,
// time-zone change from an inotify watch on /etc.

#include "platform/system_events.h"

#include <functional>
#include <memory>
#include <optional>
#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <vector>

namespace torvel {

class ClockSetWatch;
class LogindSleepWatch;
class TimeZoneWatch;

class LinuxSystemEvents final : public SystemEvents {
public:
    // The defaults are the real sources; tests pass a private bus and folder.
    // The system bus is reached off the start path (system_bus.h): resume
    // notices begin once it answers.
    explicit LinuxSystemEvents(std::optional<QDBusConnection> systemBus = std::nullopt,
                               const QString& zoneFolder = QStringLiteral("/etc"));
    ~LinuxSystemEvents() override;

    void observe(SystemNotice notice, std::function<void()> handler) override;

private:
    void notify(SystemNotice notice);

    std::vector<std::pair<SystemNotice, std::function<void()>>> handlers_;
    QObject context_; // bounds the wait for the system bus
    std::unique_ptr<LogindSleepWatch> sleep_;
    std::unique_ptr<ClockSetWatch> clock_;
    std::unique_ptr<TimeZoneWatch> zone_;
};

} // namespace torvel
