#pragma once
// The per-user preferences file: an INI file read and written through
// QSettings, every change written through at once. The file is replaced
// atomically (a temporary file renamed over it), so a crash leaves the old or
// the new contents; it is kept private to the user (mode 0600).

#include <optional>
#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QVariant>

namespace torvel {

class Preferences {
public:
    // $XDG_CONFIG_HOME/torvelbar/torvelbar.conf, ~/.config when unset.
    static QString defaultPath();

    // Never fails: an unreadable or missing file reads as empty, and saving
    // into an unusable place fails quietly (see the setters).
    explicit Preferences(const QString& path = defaultPath());
    Preferences(const Preferences&) = delete;
    Preferences& operator=(const Preferences&) = delete;

    QString path() const { return settings_.fileName(); }

    // The byte string stored under `key`; nothing when absent or when the
    // value there is of another type.
    std::optional<QByteArray> data(const QString& key) const;
    // Whatever is stored: a QByteArray for data values, a QString for
    // everything the INI text spells plainly (numbers and booleans too).
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

    QSettings settings_;
};

} // namespace torvel
