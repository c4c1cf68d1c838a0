#include "platform/runtime/runtime_dir.h"

#include "base/texts.h"
#include "base/unique_fd.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>
#include <sys/stat.h>
#include <unistd.h>

namespace torvel {

namespace {

// A folder only this user can use, looked at through the folder itself
// (opened without following a link), so nothing can swap it in between.
bool isPrivateFolder(const QString& path) {
    const UniqueFd fd(::open(QFile::encodeName(path).constData(),
                             O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    return fd && ::fstat(fd.get(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
           (st.st_mode & 077) == 0;
}

bool makePrivateFolder(const QString& path) {
    if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    return isPrivateFolder(path);
}

struct Resolved {
    QString path;
    QString problem;
};

Resolved resolve() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // A runtime folder named but missing is made now, as Qt would make it
    // later: were it made after we chose the fallback, the next start would
    // choose it instead and not find us.
    if (!runtime.isEmpty() && !QFileInfo::exists(runtime)) {
        ::mkdir(QFile::encodeName(runtime).constData(), 0700);
    }
    if (!runtime.isEmpty() && isPrivateFolder(runtime)) {
        const QString dir = runtime + QStringLiteral("/torvelbar");
        if (makePrivateFolder(dir)) {
            return {dir, {}};
        }
        return {{}, Texts::tr("%1 is not a private folder of this user").arg(dir)};
    }
    // Not a guessable name in the temp folder, which another user could take
    // first: a folder in the user's own cache, which only the user can make.
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || !QDir::isAbsolutePath(cache)) {
        const QString home = qEnvironmentVariable("HOME");
        if (home.isEmpty()) {
            return {{}, Texts::tr("XDG_RUNTIME_DIR, XDG_CACHE_HOME and HOME are all unset")};
        }
        cache = home + QStringLiteral("/.cache");
    }
    const QString parent = cache + QStringLiteral("/torvelbar");
    if (!QFileInfo::exists(parent) && QDir().mkpath(parent)) {
        ::chmod(QFile::encodeName(parent).constData(), 0700);
    }
    const QString fallback = parent + QStringLiteral("/runtime");
    if (makePrivateFolder(fallback)) {
        return {fallback, {}};
    }
    return {{}, Texts::tr("%1 is not a private folder of this user").arg(fallback)};
}

const Resolved& resolved() {
    static const Resolved once = resolve();
    return once;
}

} // namespace

QString privateRuntimeDir() {
    return resolved().path;
}

QString runtimeDirProblem() {
    return resolved().problem;
}

} // namespace torvel
