#include "platform/linux/linux_system_events.h"

#include "platform/linux/clock_set_watch.h"
#include "platform/linux/logind_sleep_watch.h"
#include "platform/linux/system_bus.h"
#include "platform/linux/time_zone_watch.h"

namespace torvel {

LinuxSystemEvents::LinuxSystemEvents(std::optional<QDBusConnection> systemBus,
                                     const QString& zoneFolder)
    : clock_(std::make_unique<ClockSetWatch>([this] { notify(SystemNotice::clockSet); }))
    , zone_(std::make_unique<TimeZoneWatch>([this] { notify(SystemNotice::timeZoneChanged); },
                                            zoneFolder)) {
    auto watchSleep = [this](QDBusConnection bus) {
        sleep_ = std::make_unique<LogindSleepWatch>([this] { notify(SystemNotice::machineWoke); },
                                                    std::move(bus));
    };
    if (systemBus) {
        watchSleep(*std::move(systemBus));
    } else {
        SystemBus::whenReady(&context_, watchSleep);
    }
}

LinuxSystemEvents::~LinuxSystemEvents() = default;

void LinuxSystemEvents::observe(SystemNotice notice, std::function<void()> handler) {
    handlers_.emplace_back(notice, std::move(handler));
}

void LinuxSystemEvents::notify(SystemNotice notice) {
    // A handler may observe more; index instead of iterating.
    for (std::size_t i = 0; i < handlers_.size(); ++i) {
        if (handlers_[i].first == notice) {
            auto handler = handlers_[i].second;
            handler();
        }
    }
}

} // namespace torvel
