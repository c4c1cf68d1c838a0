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
    enum class Outcome { taken, heldByAnother, unavailable };
    // Takes the lock at `path`. Something other than a regular file there
    // (a link, a FIFO, a folder) is in our private folder by mistake: it is
    // removed and the lock file made anew. `unavailable` when even that
    // fails.
    static Outcome take(const QString& path, std::optional<InstanceLock>& lock);

    // The lock file for a display, named by `displayKey`.
    static QString pathFor(const QString& runtimeDir, const QString& displayKey);

private:
    explicit InstanceLock(UniqueFd fd)
        : fd_(std::move(fd)) {}
    UniqueFd fd_;
};

} // namespace torvel
