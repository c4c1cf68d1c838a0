#pragma once
// The per-user preferences file: the INI text QSettings writes, read and
// written by our own code (ini_text.h says why), every change written
// through at once. The file is replaced atomically (a new file renamed over
// it), so a crash leaves the old or the new contents; it is kept private to
// the user (mode 0600). Whatever stands at the path, only a regular file is
// read, and a write replaces the entry rather than writing through it.

#include "settings/ini_text.h"

#include <optional>
#include <QByteArray>
#include <QString>
#include <QVariant>

namespace torvel {

class Preferences {
public:
    // $XDG_CONFIG_HOME/torvelbar/torvelbar.conf, ~/.config when unset;
    // empty when neither HOME nor XDG_CONFIG_HOME is set: then nothing is
    // saved.
    static QString defaultPath();

    // Never fails: an unreadable or missing file reads as empty, and saving
    // into an unusable place fails quietly (see the setters). An empty path
    // keeps everything in memory.
    explicit Preferences(const QString& path = defaultPath());
    Preferences(const Preferences&) = delete;
    Preferences& operator=(const Preferences&) = delete;

    const QString& path() const { return path_; }

    // The byte string stored under `key`; nothing when absent or when the
    // value there is of another type.
    std::optional<QByteArray> data(const QString& key) const;
    // A byte string as a QByteArray, anything the INI text spells plainly
    // (numbers and booleans too) as a QString; an invalid QVariant for
    // other kinds of value.
    QVariant object(const QString& key) const;
    // "true" or "1" (any case) reads as true; anything else, or absence, as false.
    bool boolValue(const QString& key) const;

    // Each stores the value and writes the file at once. When the file cannot
    // be written the value is still held here and goes to disk with the next
    // write that succeeds; nothing is reported.
    void setData(const QString& key, const QByteArray& value);
    void setBool(const QString& key, bool value);
    // Removing an absent key touches nothing.
    void remove(const QString& key);

private:
    void writeThrough();

    QString path_;
    IniText ini_;
};

} // namespace torvel
