#pragma once
// The system's notices that make the current colour worth re-evaluating at
// once rather than at the next tick.

#include <functional>

namespace torvel {

enum class SystemNotice {
    machineWoke,     // resumed from suspend or hibernation
    clockSet,        // the wall clock jumped (set by hand, NTP step)
    timeZoneChanged, // the system time zone changed; local time is already updated
};

class SystemEvents {
public:
    virtual ~SystemEvents() = default;

    // Calls `handler` on the main thread, once per notice, for as long as
    // this object lives. A notice the host cannot deliver (no system bus, for
    // example) simply never comes. Handlers are never removed, so they must
    // tolerate outliving whatever they refer to.
    virtual void observe(SystemNotice notice, std::function<void()> handler) = 0;
};

} // namespace torvel
