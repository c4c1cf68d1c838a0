#pragma once
// Exactly one TorvelBar per user and display: an flock held on a file in
// the private runtime folder for the life of the process. The kernel lets
// it go however the process ends, so a lock is never left behind.

#include "base/unique_fd.h"

#include <optional>
#include <QString>

namespace torvel {

class InstanceLock {
public:
    // The lock at `path`, or nothing when another process holds it or the
    // file cannot be had (a link or anything but a regular file there).
    static std::optional<InstanceLock> take(const QString& path);

    // The lock file for a display, named by `displayKey`.
    static QString pathFor(const QString& runtimeDir, const QString& displayKey);

private:
    explicit InstanceLock(UniqueFd fd)
        : fd_(std::move(fd)) {}
    UniqueFd fd_;
};

} // namespace torvel
