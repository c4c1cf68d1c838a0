#pragma once
// Tells when the system time zone changes. timedated and package scripts
// replace /etc/localtime by renaming a new symlink over it, which a watch on
// the file itself would miss, so this watches the folder for the names
// `localtime` and `timezone`. Before each notice the C library re-reads the
// zone (tzset), so local times computed afterwards are in the new zone.

#include "base/unique_fd.h"

#include <functional>
#include <memory>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace torvel {

class TimeZoneWatch final : public QObject {
public:
    explicit TimeZoneWatch(std::function<void()> onChange,
                           const QString& folder = QStringLiteral("/etc"));
    ~TimeZoneWatch() override;

    bool isActive() const { return bool(fd_); }

private:
    void readable();

    std::function<void()> onChange_;
    UniqueFd fd_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace torvel
