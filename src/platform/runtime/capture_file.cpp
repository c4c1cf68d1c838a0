#include "platform/runtime/capture_file.h"

#include "base/private_file.h"
#include "base/texts.h"
#include "platform/runtime/runtime_dir.h"
#include "platform/runtime/runtime_log.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <limits>
#include <QFile>
#include <QJsonDocument>
#include <unistd.h>

namespace torvel {

Q_LOGGING_CATEGORY(runtimeLog, "torvelbar.runtime", QtWarningMsg)

namespace {

// Ramps of many large CRTCs run to megabytes; far beyond that is not ours.
constexpr qint64 maxFileSize = qint64{16} * 1024 * 1024;

} // namespace

QString CaptureFile::pathFor(const QString& name) {
    const QString dir = privateRuntimeDir();
    return dir.isEmpty() ? QString() : dir + u'/' + name;
}

Result<void> CaptureFile::save(const QJsonObject& state) const {
    if (path_.isEmpty()) {
        return Result<void>::failure(
            Texts::tr("no private runtime folder (%1)").arg(runtimeDirProblem()));
    }
    QJsonObject record = state;
    record[QStringLiteral("pid")] = static_cast<qint64>(::getpid());
    if (!replaceFile(path_, QJsonDocument(record).toJson(QJsonDocument::Compact))) {
        return Result<void>::failure(Texts::tr("%1 cannot be written (%2)")
                                         .arg(path_, QString::fromLocal8Bit(std::strerror(errno))));
    }
    return Result<void>::success();
}

std::optional<CaptureFile::Contents> CaptureFile::load() const {
    if (path_.isEmpty()) {
        return std::nullopt;
    }
    const auto data = readRegularFile(path_, maxFileSize);
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

std::optional<QJsonObject> CaptureFile::takeLeftover(bool displayLocked) const {
    const auto left = load();
    if (!left) {
        remove();
        return std::nullopt;
    }
    if (!displayLocked && isOtherProcessRunning(left->pid)) {
        return std::nullopt;
    }
    return left->state;
}

Result<void> CaptureFile::saveUnlessClaimed(const QJsonObject& state, bool displayLocked) const {
    const auto left = load();
    if (!left || displayLocked || !isOtherProcessRunning(left->pid)) {
        return save(state);
    }
    return Result<void>::success();
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
