#include "platform/linux/runtime_dir.h"

#include <cerrno>
#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace torvel {

namespace {

// A folder only this user can use: created 0700, refused when it is a link or
// belongs to someone else.
bool ensurePrivateDir(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0) {
        return false;
    }
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

} // namespace

QString privateRuntimeDir() {
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || !QDir(runtime).exists()) {
        runtime = QDir::tempPath() + QStringLiteral("/torvelbar-runtime-%1").arg(::getuid());
        if (!ensurePrivateDir(runtime)) {
            return {};
        }
    }
    const QString dir = runtime + QStringLiteral("/torvelbar");
    return ensurePrivateDir(dir) ? dir : QString();
}

} // namespace torvel
