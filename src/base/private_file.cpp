#include "base/private_file.h"

#include "base/texts.h"
#include "base/unique_fd.h"

#include <cerrno>
#include <fcntl.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace torvel {

namespace {

bool writeAll(int fd, const QByteArray& data) {
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n =
            ::write(fd, data.constData() + done, static_cast<size_t>(data.size() - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += n;
    }
    return true;
}

QByteArray leftoverName(const QString& path) {
    return QFile::encodeName(path) + ".new";
}

} // namespace

QString removeLeftoverOfReplace(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    const QByteArray leftover = leftoverName(path);
    switch (pathKind(QFile::decodeName(leftover))) {
    case PathKind::missing:
        return {};
    case PathKind::regularFile:
        ::unlink(leftover.constData());
        return {};
    case PathKind::other:
        break;
    }
    struct stat st {};
    if (::lstat(leftover.constData(), &st) == 0 && S_ISDIR(st.st_mode)) {
        if (::rmdir(leftover.constData()) == 0) {
            return {};
        }
        return Texts::tr("%1 is a folder that is not empty, in the way of every save")
            .arg(QFile::decodeName(leftover));
    }
    return {}; // a link or a FIFO: the replace unlinks it before its own link
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxSize) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    const UniqueFd fd(::open(QFile::encodeName(path).constData(),
                             O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat st {};
    if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > maxSize) {
        return std::nullopt;
    }
    QByteArray data(static_cast<qsizetype>(st.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n =
            ::read(fd.get(), data.data() + done, static_cast<size_t>(data.size() - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return std::nullopt;
        }
        if (n == 0) {
            break; // shrank while we read: what is there
        }
        done += n;
    }
    data.truncate(done);
    return data;
}

PathKind pathKind(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        return errno == ENOENT ? PathKind::missing : PathKind::other;
    }
    return S_ISREG(st.st_mode) ? PathKind::regularFile : PathKind::other;
}

bool replaceFile(const QString& path, const QByteArray& contents, int mode) {
    if (path.isEmpty()) {
        return false;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo::exists(folder)) {
        if (!QDir().mkpath(folder)) {
            return false;
        }
        ::chmod(QFile::encodeName(folder).constData(), 0700);
    }
    // An unnamed file first, so a writer killed before the end leaves
    // nothing behind; it gets a name only once it is complete.
    QByteArray temp = QFile::encodeName(path) + ".XXXXXX";
    UniqueFd fd(::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC,
                       static_cast<mode_t>(mode)));
    const bool unnamed = static_cast<bool>(fd);
    if (!unnamed) {
        fd.reset(::mkostemp(temp.data(), O_CLOEXEC)); // file systems without O_TMPFILE
    }
    if (!fd) {
        return false;
    }
    bool done = ::fchmod(fd.get(), static_cast<mode_t>(mode)) == 0 &&
                writeAll(fd.get(), contents) && ::fdatasync(fd.get()) == 0;
    if (done && unnamed) {
        // One writer at a time (the instance lock): a fixed name, so one
        // left by a writer killed in the instant before the rename is
        // simply replaced.
        temp = leftoverName(path);
        ::unlink(temp.constData());
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd.get());
        done = ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, temp.constData(),
                        AT_SYMLINK_FOLLOW) == 0;
    }
    // rename() replaces the entry at `path` itself, whatever it is, and
    // refuses a folder.
    if (!done || ::rename(temp.constData(), QFile::encodeName(path).constData()) != 0) {
        const int why = errno; // the failure's, not the clean-up's
        ::unlink(temp.constData());
        errno = why;
        return false;
    }
    return true;
}

} // namespace torvel
