#pragma once
// The built-in panel's backlight as the kernel shows it (a device under
// /sys/class/backlight), set through logind's Session.SetBrightness on our
// own session: no privileges are needed, and it works in every desktop.
// Levels are read from the device's `brightness` file; sets go over the
// system bus once it answers (SystemBus), without waiting for the reply.

#include "platform/backlight.h"

#include <memory>
#include <optional>
#include <QDBusConnection>
#include <QObject>
#include <QString>

class QDBusPendingCallWatcher;

namespace torvel {

class LogindBacklight final : public Backlight {
public:
    struct Device {
        QString name;   // as logind takes it: "intel_backlight"
        QString folder; // its sysfs folder
    };

    // SYSFS_PATH where set (a test's stand-in), else /sys.
    static QString sysfsRoot();
    // The panel's device: a `firmware` one first, then `platform`, then
    // `raw` (its `type` file), each kind by name; nothing when there is none.
    static std::optional<Device> findDevice(const QString& sysfs = sysfsRoot());

    // The record of what we dimmed from, in the private runtime folder.
    static QString recordPath();

    // Sets on `bus` where given (a test's), else on the system bus once it
    // answers. `recordPath` keeps the level we dimmed from for the next
    // start (empty: no crash safety); one that a process that is gone left
    // is taken over, so its level is the one kept and given back.
    LogindBacklight(Device device, QString recordPath,
                    std::optional<QDBusConnection> bus = std::nullopt);
    // Waits a moment for the last set to be delivered: a quit's restore
    // must reach logind before the connection goes.
    ~LogindBacklight() override;
    LogindBacklight(const LogindBacklight&) = delete;
    LogindBacklight& operator=(const LogindBacklight&) = delete;

    std::optional<BacklightLevel> level() override;
    void set(std::int64_t value) override;
    bool settling() const override { return pending_.has_value() || inFlight_ != nullptr; }
    void restore() override;
    void forget() override;
    std::optional<QString> trouble() const override { return trouble_; }
    std::optional<std::int64_t> keptLevel() const override { return from_; }

private:
    void adoptLeftover();
    void send();
    void saveRecord() const;

    Device device_;
    QString recordPath_;
    QObject context_;
    std::optional<QDBusConnection> bus_;
    std::optional<std::int64_t> from_;
    std::optional<std::int64_t> lastSet_;
    std::optional<std::int64_t> pending_; // to be sent once the bus answers or the last set did
    QDBusPendingCallWatcher* inFlight_ = nullptr;
    bool removeRecordWhenSent_ = false; // the pending value gives the level back
    std::optional<QString> trouble_;
};

} // namespace torvel
