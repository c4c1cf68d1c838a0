#include "settings/preferences.h"

#include <cerrno>
#include <csignal>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <sys/stat.h>

namespace torvel {

namespace {

constexpr QFileDevice::Permissions privateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

void keepPrivate(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0777) != 0600) {
        ::chmod(name.constData(), 0600);
    }
}

// QSettings guards each write with a lock file. A writer killed while it
// creates that file leaves it empty, and QLockFile then waits for it to age
// (30 s) on every write, blocking the caller. At start no write of ours is
// under way, so a lock that names no live process is left over: remove it.
void clearLeftoverLock(const QString& path) {
    QLockFile lock(path + QStringLiteral(".lock"));
    if (lock.tryLock(0)) {
        lock.unlock();
        return;
    }
    qint64 pid = 0;
    QString host, app;
    const bool readable = lock.getLockInfo(&pid, &host, &app);
    const bool alive =
        readable && pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
    if (!alive) {
        lock.removeStaleLockFile();
    }
}

// QSaveFile keeps the permissions of the file it replaces, so creating the
// file private once keeps every later version private too.
void preparePrivateFile(const QString& path) {
    const QFileInfo info(path);
    QDir dir = info.absoluteDir();
    if (!dir.exists() && QDir().mkpath(dir.absolutePath())) {
        QFile::setPermissions(dir.absolutePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner);
    }
    if (!info.exists()) {
        QFile file(path);
        (void)file.open(QIODevice::WriteOnly | QIODevice::NewOnly, privateFile);
    } else {
        keepPrivate(path);
    }
    clearLeftoverLock(path);
}

} // namespace

QString Preferences::defaultPath() {
    // GenericConfigLocation honours XDG_CONFIG_HOME and falls back to ~/.config.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/torvelbar/torvelbar.conf");
}

Preferences::Preferences(const QString& path)
    : settings_((preparePrivateFile(path), path), QSettings::IniFormat) {
    settings_.setFallbacksEnabled(false);
}

std::optional<QByteArray> Preferences::data(const QString& key) const {
    const QVariant value = settings_.value(key);
    if (value.typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    return value.toByteArray();
}

QVariant Preferences::object(const QString& key) const {
    return settings_.value(key);
}

bool Preferences::boolValue(const QString& key) const {
    const QVariant value = settings_.value(key);
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool();
    }
    if (value.typeId() != QMetaType::QString) {
        return false;
    }
    const QString text = value.toString().trimmed();
    return text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
           text == QLatin1String("1");
}

void Preferences::setData(const QString& key, const QByteArray& value) {
    settings_.setValue(key, value);
    writeThrough();
}

void Preferences::setBool(const QString& key, bool value) {
    settings_.setValue(key, value);
    writeThrough();
}

void Preferences::remove(const QString& key) {
    if (settings_.contains(key)) {
        settings_.remove(key);
        writeThrough();
    }
}

void Preferences::writeThrough() {
    settings_.sync();
    // QSettings creates a missing folder and file with the umask's
    // permissions (after the folder was replaced, say); keep them private.
    keepPrivate(settings_.fileName());
}

} // namespace torvel
