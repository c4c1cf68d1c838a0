#include "platform/xdg/xdg_autostart_service.h"

#include "platform/xdg/desktop_entry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace torvel {

XdgAutostartService::XdgAutostartService(QString program, QString entryPath)
    : program_(std::move(program))
    , entryPath_(std::move(entryPath)) {}

QString XdgAutostartService::defaultEntryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/torvelbar.desktop");
}

QString XdgAutostartService::entryText() const {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=TorvelBar\n"
                          "Comment=Warms the colour of the screens by the time of day\n"
                          "Exec=%1\n"
                          "Icon=torvelbar\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(program_));
}

bool XdgAutostartService::registerItem(std::string& error) {
    const QString folder = QFileInfo(entryPath_).absolutePath();
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("cannot create the folder %1").arg(folder).toStdString();
        return false;
    }
    QSaveFile file(entryPath_);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString().toStdString();
        return false;
    }
    file.write(entryText().toUtf8());
    if (!file.commit()) {
        error = file.errorString().toStdString();
        return false;
    }
    return true;
}

bool XdgAutostartService::unregisterItem(std::string& error) {
    QFile file(entryPath_);
    if (!file.exists() || file.remove()) {
        return true;
    }
    error = file.errorString().toStdString();
    return false;
}

LoginItemStatus XdgAutostartService::status() {
    QFile file(entryPath_);
    if (!file.open(QIODevice::ReadOnly)) {
        return LoginItemStatus::notRegistered;
    }
    const QString text = QString::fromUtf8(file.readAll());
    auto isFalse = [&](const QString& key, const char* offValue) {
        const auto value = desktopEntryValue(text, key);
        return value && value->compare(QLatin1String(offValue), Qt::CaseInsensitive) == 0;
    };
    if (isFalse(QStringLiteral("Hidden"), "true") ||
        isFalse(QStringLiteral("X-GNOME-Autostart-enabled"), "false")) {
        return LoginItemStatus::notRegistered;
    }
    const auto exec = desktopEntryValue(text, QStringLiteral("Exec"));
    const auto program = exec ? firstExecArgument(*exec) : std::nullopt;
    if (!program || !QFileInfo(*program).isExecutable()) {
        return LoginItemStatus::notFound;
    }
    return LoginItemStatus::enabled;
}

} // namespace torvel
