#include "platform/runtime/instance_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <QFile>
#include <sys/file.h>
#include <sys/stat.h>

namespace torvel {

InstanceLock::Outcome InstanceLock::take(const QString& path, std::optional<InstanceLock>& lock) {
    const QByteArray name = QFile::encodeName(path);
    for (int attempt = 0; attempt < 2; ++attempt) {
        UniqueFd fd(
            ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
        struct stat st {};
        if (fd && ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode)) {
            if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
                return errno == EWOULDBLOCK ? Outcome::heldByAnother : Outcome::unavailable;
            }
            lock.emplace(InstanceLock(std::move(fd)));
            return Outcome::taken;
        }
        fd.reset();
        if (::unlink(name.constData()) != 0 && ::rmdir(name.constData()) != 0) {
            break;
        }
    }
    return Outcome::unavailable;
}

QString InstanceLock::pathFor(const QString& runtimeDir, const QString& displayKey) {
    return runtimeDir + QStringLiteral("/instance-") + displayKey + QStringLiteral(".lock");
}

} // namespace torvel
