#include "settings/preferences.h"

#include "base/private_file.h"

#include <QStandardPaths>

namespace torvel {

namespace {

// Far beyond any file of ours; a larger one is not read.
constexpr qint64 maxFileSize = qint64{1024} * 1024;

} // namespace

QString Preferences::defaultPath() {
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME") && qEnvironmentVariableIsEmpty("HOME")) {
        return {}; // Qt would fall back to /.config
    }
    // GenericConfigLocation honours XDG_CONFIG_HOME and falls back to ~/.config.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/torvelbar/torvelbar.conf");
}

Preferences::Preferences(const QString& path)
    : path_(path) {
    removeLeftoverOfReplace(path_);
    if (const auto text = readRegularFile(path_, maxFileSize)) {
        ini_ = parseIni(*text);
    }
}

std::optional<QByteArray> Preferences::data(const QString& key) const {
    const auto it = ini_.general.find(key);
    return it == ini_.general.end() ? std::nullopt : iniByteArray(it->second);
}

QVariant Preferences::object(const QString& key) const {
    const auto it = ini_.general.find(key);
    if (it == ini_.general.end()) {
        return {};
    }
    if (const auto bytes = iniByteArray(it->second)) {
        return *bytes;
    }
    const auto text = iniString(it->second);
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

void Preferences::setData(const QString& key, const QByteArray& value) {
    ini_.general[key] = iniByteArrayText(value);
    writeThrough();
}

void Preferences::setBool(const QString& key, bool value) {
    ini_.general[key] = value ? QStringLiteral("true") : QStringLiteral("false");
    writeThrough();
}

void Preferences::remove(const QString& key) {
    if (ini_.general.erase(key) != 0) {
        writeThrough();
    }
}

void Preferences::writeThrough() {
    replaceFile(path_, formatIni(ini_));
}

} // namespace torvel
