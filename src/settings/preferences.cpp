#include "settings/preferences.h"

#include "base/private_file.h"
#include "base/texts.h"
#include "base/unique_fd.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace torvel {

namespace {

// Far beyond any file of ours; a larger one is not read.
constexpr qint64 maxFileSize = qint64{1024} * 1024;

// Holds an exclusive lock on a folder for a read-modify-write of a file in
// it, waiting `waitMs` at most (someone holding it forever must not hang
// us): then it is not held, and the write waits for a later try.
class FolderLock {
public:
    FolderLock(const QString& folder, int waitMs)
        : fd_(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        for (int waited = 0; fd_; waited += 10) {
            if (::flock(fd_.get(), LOCK_EX | LOCK_NB) == 0) {
                held_ = true;
                return;
            }
            if (errno != EWOULDBLOCK && errno != EINTR) {
                held_ = true; // a folder that cannot be locked (NFS): as before, go on
                return;
            }
            if (waited >= waitMs) {
                return;
            }
            QThread::msleep(10);
        }
    }
    bool held() const { return held_; }

private:
    UniqueFd fd_; // closing it releases the lock
    bool held_ = false;
};

// How soon the app tries again when another writer holds the lock.
constexpr std::chrono::milliseconds lockedRetry{1000};

// Why a regular file cannot be ours to read; empty when it can.
QString unreadable(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        return {};
    }
    if (st.st_size > maxFileSize) {
        return Texts::tr("is larger than 1 MiB, so it is not a settings file of ours");
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return Texts::tr("cannot be read (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    ::close(fd);
    return {};
}

} // namespace

void Preferences::logToStderr(const QString& line) {
    std::fprintf(stderr, "torvelbar: %s\n", line.toLocal8Bit().constData());
}

QString Preferences::defaultPath() {
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME") && qEnvironmentVariableIsEmpty("HOME")) {
        return {}; // Qt would fall back to /.config
    }
    // GenericConfigLocation honours XDG_CONFIG_HOME and falls back to ~/.config.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/torvelbar/torvelbar.conf");
}

Preferences::Preferences(const QString& path, Log log)
    : path_(path)
    , target_(path)
    , log_(std::move(log)) {
    if (path_.isEmpty()) {
        return;
    }
    struct stat link {};
    const QByteArray name = QFile::encodeName(path_);
    if (::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode)) {
        const QString resolved = QFileInfo(path_).canonicalFilePath();
        struct stat st {};
        const bool regular = !resolved.isEmpty() &&
                             ::stat(QFile::encodeName(resolved).constData(), &st) == 0 &&
                             S_ISREG(st.st_mode);
        if (regular && st.st_uid == ::geteuid()) {
            target_ = resolved; // written through: the link stays
            mode_ = static_cast<int>(st.st_mode & 0777);
        } else {
            target_.clear();
            unsaved_ = regular ? Texts::tr("is a link to a file that is not yours")
                               : Texts::tr("is a link to something that is not a file");
            if (regular) {
                if (const auto text = readRegularFile(resolved, maxFileSize)) {
                    ini_ = parseIni(*text);
                }
            }
        }
    }
    if (!target_.isEmpty()) {
        // Only under the writers' lock: between another writer's link and its
        // rename, the leftover's name is that writer's file. Not waited for.
        if (const FolderLock lock(QFileInfo(target_).absolutePath(), 0); lock.held()) {
            removeLeftoverOfReplace(target_);
        }
        if (pathKind(target_) == PathKind::regularFile) {
            if (const QString why = unreadable(target_); !why.isEmpty()) {
                unsaved_ = why; // never replaced: what is in it is the user's
                target_.clear();
            } else if (const auto text = readRegularFile(target_, maxFileSize)) {
                ini_ = parseIni(*text);
            }
        }
    }
    if (!unsaved_.isEmpty()) {
        say(Texts::tr("the settings file %1 %2; changes are kept for this run only")
                .arg(path_, unsaved_));
    }
}

void Preferences::say(const QString& line) {
    if (log_ && line != lastSaid_) {
        log_(line);
    }
    lastSaid_ = line;
}

std::optional<QByteArray> Preferences::data(const QString& key) const {
    const auto raw = ini_.value(key);
    return raw ? iniByteArray(*raw) : std::nullopt;
}

QVariant Preferences::object(const QString& key) const {
    const auto raw = ini_.value(key);
    if (!raw) {
        return {};
    }
    if (const auto bytes = iniByteArray(*raw)) {
        return *bytes;
    }
    const auto text = iniString(*raw);
    if (!text) {
        return {};
    }
    if (text->startsWith(QStringLiteral("@@"))) {
        return text->mid(1);
    }
    return text->startsWith(u'@') ? QVariant() : QVariant(*text);
}

bool Preferences::boolValue(const QString& key) const {
    const QVariant value = object(key);
    if (value.typeId() != QMetaType::QString) {
        return false;
    }
    const QString text = value.toString().trimmed();
    return text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
           text == QLatin1String("1");
}

bool Preferences::setData(const QString& key, const QByteArray& value) {
    return change(key, iniByteArrayText(value));
}

bool Preferences::setBool(const QString& key, bool value) {
    return change(key, value ? QStringLiteral("true") : QStringLiteral("false"));
}

bool Preferences::remove(const QString& key) {
    if (!ini_.value(key)) {
        return true;
    }
    return change(key, std::nullopt);
}

Preferences::~Preferences() {
    flush();
}

void Preferences::setWriteDelay(std::chrono::milliseconds delay) {
    writeDelay_ = delay;
    if (delay.count() > 0 && !writeTimer_) {
        lockWaitMs_ = 0; // the loop never waits on another writer
        writeTimer_ = std::make_unique<QTimer>();
        writeTimer_->setSingleShot(true);
        QObject::connect(writeTimer_.get(), &QTimer::timeout, [this] { writeNow(); });
    }
}

bool Preferences::flush(std::optional<int> lockWaitMs) {
    if (writeTimer_) {
        writeTimer_->stop();
    }
    if (pending_.empty()) {
        return true;
    }
    const int usual = std::exchange(lockWaitMs_, lockWaitMs.value_or(lockWaitMs_));
    const bool saved = writeNow();
    lockWaitMs_ = usual;
    return saved;
}

bool Preferences::change(const QString& key, std::optional<QString> value) {
    if (ini_.value(key) == value && !pending_.count(key)) {
        return saveError_.isEmpty(); // the file already says so: nothing to write
    }
    if (value) {
        ini_.setValue(key, *value);
    } else {
        ini_.remove(key);
    }
    pending_[key] = std::move(value);
    if (writeDelay_.count() <= 0 || path_.isEmpty() || !unsaved_.isEmpty()) {
        return writeNow();
    }
    // Not restarted by later changes: the first waits the delay at most.
    if (!writeTimer_->isActive()) {
        writeTimer_->start(writeDelay_);
    }
    return saveError_.isEmpty();
}

bool Preferences::modify(const QString& key, const Change& edit) {
    if (path_.isEmpty() || !unsaved_.isEmpty()) {
        // No file to read under a lock: this run's value is the one there is.
        const auto raw = ini_.value(key);
        if (const auto next = edit(raw ? iniByteArray(*raw) : std::nullopt)) {
            change(key, *next ? std::optional(iniByteArrayText(**next)) : std::nullopt);
        }
        return writeNow();
    }
    if (writeTimer_) {
        writeTimer_->stop();
    }
    modifiers_.emplace_back(key, edit);
    const bool saved = writeNow();
    modifiers_.clear();
    return saved;
}

bool Preferences::writeNow() {
    const bool wasFailing = !saveError_.isEmpty();
    const bool saved = writeThrough();
    if (saved == wasFailing) {
        saveState_.send();
    }
    return saved;
}

bool Preferences::writeThrough() {
    if (path_.isEmpty()) {
        saveError_ = Texts::tr("no settings folder: neither HOME nor XDG_CONFIG_HOME is set");
        return false;
    }
    if (!unsaved_.isEmpty()) {
        saveError_ = Texts::tr("the settings file %1 %2").arg(path_, unsaved_);
        return false;
    }
    const QString folder = QFileInfo(target_).absolutePath();
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder)) {
        ::chmod(QFile::encodeName(folder).constData(), 0700);
    }
    bool saved = false;
    {
        // The file as it is now, with our changes on it: another writer's
        // change since we read it stays.
        const FolderLock lock(folder, lockWaitMs_);
        if (!lock.held()) {
            saveError_ =
                Texts::tr("another program holds the lock on the settings folder %1").arg(folder);
            if (writeTimer_) {
                say(Texts::tr("%1; the change is kept and saved when it lets go").arg(saveError_));
                writeTimer_->start(lockedRetry);
            } else {
                say(Texts::tr("%1; nothing was saved").arg(saveError_));
            }
            return false;
        }
        if (const QString blocked = removeLeftoverOfReplace(target_); !blocked.isEmpty()) {
            saveError_ = Texts::tr("the settings could not be saved: %1").arg(blocked);
            say(Texts::tr("%1; the change is kept for this run").arg(saveError_));
            return false;
        }
        IniText now = ini_;
        const PathKind kind = pathKind(target_);
        if (kind == PathKind::regularFile) {
            const auto text = readRegularFile(target_, maxFileSize);
            now = text ? parseIni(*text) : IniText{};
            if (!text) {
                const QString why = unreadable(target_);
                saveError_ =
                    Texts::tr("the settings file %1 %2")
                        .arg(path_, why.isEmpty() ? Texts::tr("could not be read again") : why);
                say(Texts::tr("%1; the change is kept for this run").arg(saveError_));
                return false;
            }
        } else if (kind == PathKind::missing) {
            now = IniText{};
        }
        for (const auto& [key, modifier] : modifiers_) {
            const auto raw = now.value(key);
            if (const auto next = modifier(raw ? iniByteArray(*raw) : std::nullopt)) {
                pending_[key] = *next ? std::optional(iniByteArrayText(**next)) : std::nullopt;
            }
        }
        modifiers_.clear();
        for (const auto& [key, value] : pending_) {
            if (value) {
                now.setValue(key, *value);
            } else {
                now.remove(key);
            }
        }
        errno = 0;
        saved = replaceFile(target_, formatIni(now), mode_);
        const int error = errno;
        if (saved) {
            ++fileWrites_;
            ini_ = std::move(now);
            pending_.clear();
            saveError_.clear();
            return true;
        }
        saveError_ = Texts::tr("the settings could not be saved in %1 (%2)")
                         .arg(folder, QString::fromLocal8Bit(std::strerror(error ? error : EIO)));
    }
    say(Texts::tr("%1; the change is kept for this run").arg(saveError_));
    return false;
}

} // namespace torvel
