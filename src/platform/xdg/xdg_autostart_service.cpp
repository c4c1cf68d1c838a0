#include "platform/xdg/xdg_autostart_service.h"

#include "base/private_file.h"
#include "base/texts.h"
#include "platform/xdg/desktop_entry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace torvel {

namespace {
// A desktop entry is a few hundred bytes; anything far larger is not ours.
constexpr qint64 maxEntrySize = qint64{64} * 1024;
} // namespace

XdgAutostartService::XdgAutostartService(QString program, QString entryPath)
    : program_(std::move(program))
    , entryPath_(std::move(entryPath)) {}

QString XdgAutostartService::defaultEntryPath() {
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME") && qEnvironmentVariableIsEmpty("HOME")) {
        return {}; // Qt would fall back to /.config
    }
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/torvelbar.desktop");
}

QString XdgAutostartService::entryProgram() const {
    // The name alone when PATH finds this very program: the entry then
    // survives a reinstall elsewhere on PATH.
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("torvelbar"));
    if (!onPath.isEmpty() && !program_.isEmpty() &&
        QFileInfo(onPath).canonicalFilePath() == QFileInfo(program_).canonicalFilePath()) {
        return QStringLiteral("torvelbar");
    }
    return program_;
}

QString XdgAutostartService::entryText() const {
    // TryExec: once the program is gone (a deleted build, an uninstall) the
    // desktop skips the entry instead of failing at every login.
    const QString program = entryProgram();
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=TorvelBar\n"
                          "Comment=Warms the color of the screens by the time of day\n"
                          "TryExec=%1\n"
                          "Exec=%2\n"
                          "Icon=torvelbar\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(desktopEntryString(program), execArgument(program));
}

Result<void> XdgAutostartService::registerItem() {
    if (entryPath_.isEmpty()) {
        return Result<void>::failure(Texts::tr("neither HOME nor XDG_CONFIG_HOME is set"));
    }
    const QString folder = QFileInfo(entryPath_).absolutePath();
    if (!QDir().mkpath(folder)) {
        return Result<void>::failure(Texts::tr("cannot create the folder %1").arg(folder));
    }
    // Replaces whatever stands at the path (a link included) rather than
    // writing through it.
    if (!replaceFile(entryPath_, entryText().toUtf8(), 0644)) {
        return Result<void>::failure(Texts::tr("cannot write %1").arg(entryPath_));
    }
    return Result<void>::success();
}

Result<void> XdgAutostartService::unregisterItem() {
    QFile file(entryPath_);
    if (!file.exists() || file.remove()) {
        return Result<void>::success();
    }
    return Result<void>::failure(file.errorString());
}

LoginItemStatus XdgAutostartService::status() {
    const auto bytes = readRegularFile(entryPath_, maxEntrySize);
    if (!bytes) {
        return LoginItemStatus::notRegistered;
    }
    const QString text = QString::fromUtf8(*bytes);
    // Either key may switch the entry off: Hidden=true, or GNOME's own flag.
    auto hasValue = [&](const QString& key, const char* offValue) {
        const auto value = desktopEntryValue(text, key);
        return value && value->compare(QLatin1String(offValue), Qt::CaseInsensitive) == 0;
    };
    if (hasValue(QStringLiteral("Hidden"), "true") ||
        hasValue(QStringLiteral("X-GNOME-Autostart-enabled"), "false")) {
        return LoginItemStatus::notRegistered;
    }
    const auto exec = desktopEntryValue(text, QStringLiteral("Exec"));
    auto program = exec ? firstExecArgument(*exec) : std::nullopt;
    if (program && !program->contains(u'/')) {
        program = QStandardPaths::findExecutable(*program); // as the desktop resolves it
    }
    if (!program || program->isEmpty() || !QFileInfo(*program).isExecutable()) {
        return LoginItemStatus::notFound;
    }
    return LoginItemStatus::enabled;
}

} // namespace torvel
