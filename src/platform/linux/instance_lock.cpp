#include "platform/linux/instance_lock.h"

#include <fcntl.h>
#include <QFile>
#include <sys/file.h>
#include <sys/stat.h>

namespace torvel {

std::optional<InstanceLock> InstanceLock::take(const QString& path) {
    UniqueFd fd(::open(QFile::encodeName(path).constData(),
                       O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
    struct stat st {};
    if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        return std::nullopt;
    }
    return InstanceLock(std::move(fd));
}

QString InstanceLock::pathFor(const QString& runtimeDir, const QString& displayKey) {
    return runtimeDir + QStringLiteral("/instance-") + displayKey + QStringLiteral(".lock");
}

} // namespace torvel
