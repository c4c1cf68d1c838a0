#include "platform/linux/capture_file.h"

#include "platform/linux/runtime_dir.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <limits>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <sys/stat.h>
#include <unistd.h>

namespace torvel {

namespace {

constexpr qint64 maxFileSize = 1024 * 1024;

// Reads a regular file without following a final link and without blocking
// on a FIFO or a device someone left at the path.
std::optional<QByteArray> readRegularFile(const QString& path) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat st {};
    std::optional<QByteArray> out;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= maxFileSize) {
        QByteArray data(static_cast<qsizetype>(st.st_size), Qt::Uninitialized);
        qsizetype done = 0;
        while (done < data.size()) {
            const ssize_t n =
                ::read(fd, data.data() + done, static_cast<size_t>(data.size() - done));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            done += n;
        }
        data.truncate(done);
        out = std::move(data);
    }
    ::close(fd);
    return out;
}

} // namespace

QString CaptureFile::pathFor(const QString& name) {
    const QString dir = privateRuntimeDir();
    return dir.isEmpty() ? QString() : dir + u'/' + name;
}

bool CaptureFile::save(const QJsonObject& state) const {
    if (path_.isEmpty()) {
        return false;
    }
    QJsonObject record = state;
    record[QStringLiteral("pid")] = static_cast<qint64>(::getpid());
    const QByteArray text = QJsonDocument(record).toJson(QJsonDocument::Compact);
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<CaptureFile::Contents> CaptureFile::load() const {
    if (path_.isEmpty()) {
        return std::nullopt;
    }
    const auto data = readRegularFile(path_);
    if (!data) {
        return std::nullopt;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(*data);
    const QJsonValue pid = doc.object().value(QStringLiteral("pid"));
    if (!doc.isObject() || !pid.isDouble()) {
        return std::nullopt;
    }
    Contents c;
    const double p = pid.toDouble();
    c.pid = p >= 1 && p <= std::numeric_limits<pid_t>::max() ? static_cast<std::int64_t>(p) : 0;
    c.state = doc.object();
    c.state.remove(QStringLiteral("pid"));
    return c;
}

void CaptureFile::remove() const {
    if (!path_.isEmpty()) {
        QFile::remove(path_);
    }
}

bool isOtherProcessRunning(std::int64_t pid) {
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max() || pid == ::getpid()) {
        return false;
    }
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) {
        return false;
    }
    // A process killed but not yet reaped still answers kill(); it is gone.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray line = stat.readAll();
        const qsizetype end = line.lastIndexOf(')');
        if (end >= 0 && end + 2 < line.size() && line[end + 2] == 'Z') {
            return false;
        }
    }
    return true;
}

} // namespace torvel
