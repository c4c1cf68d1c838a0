#pragma once
// The INI text QSettings writes, read and written by our own code: a file
// can hold anything, and QSettings decodes every value it meets (a nested
// @Variant 30,000 levels deep overflows its stack), so we decode only the
// values we ask for and keep everything else as the text it was.

#include <optional>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace torvel {

// The file as its lines, byte for byte: a change rewrites only the line of
// its key, so comments, other groups, unknown keys, bytes that are not
// UTF-8 and the final newline all survive it.
struct IniText {
    std::vector<QByteArray> lines;
    bool finalNewline = true;

    // The value text after '=' of `key` in the [General] group (or before
    // any group), the last one when a key stands twice, as QSettings reads it.
    std::optional<QString> value(const QString& key) const;
    // Rewrites that key's line (removing any twin), or adds one at the end
    // of [General], which is made at the top when there is none.
    void setValue(const QString& key, const QString& value);
    // False when the key was not there.
    bool remove(const QString& key);

private:
    // The lines of [General] and of the keys before any group.
    std::vector<std::size_t> generalKeyLines(const QString& key) const;
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
