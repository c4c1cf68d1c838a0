#pragma once
// The INI text QSettings writes, read and written by our own code: a file
// can hold anything, and QSettings decodes every value it meets (a nested
// @Variant 30,000 levels deep overflows its stack), so we decode only the
// values we ask for and keep everything else as the text it was.

#include <map>
#include <optional>
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace torvel {

struct IniText {
    // The [General] group (and keys before any group): key to the value's
    // text as written after '=', sorted as QSettings sorts them.
    std::map<QString, QString> general;
    // Every other group, as the lines stood.
    QStringList otherGroups;
};

IniText parseIni(const QByteArray& text);
QByteArray formatIni(const IniText& ini);

// A value's text decoded as QSettings decodes a single string: quotes,
// backslash escapes; nothing for a list (a comma outside quotes).
std::optional<QString> iniString(const QString& raw);
// A `@ByteArray(...)` value's bytes; nothing for any other kind of value.
std::optional<QByteArray> iniByteArray(const QString& raw);
// The text QSettings writes for a byte string.
QString iniByteArrayText(const QByteArray& bytes);

} // namespace torvel
