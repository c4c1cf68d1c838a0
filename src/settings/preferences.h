#pragma once
// The per-user preferences file: the INI text QSettings writes, read and
// written by our own code (ini_text.h says why), every change written
// through at once. The file is replaced atomically (a new file renamed over
// it), so a crash leaves the old or the new contents; it is kept private to
// the user (mode 0600). A change rewrites only its key's line, on the file
// as it is then, read again under a lock on its folder, so two writers at
// once both keep their change and no line of anyone else's is lost.
//
// What stands at the path decides what is read and written:
// - a regular file, or nothing: read, and replaced;
// - a link to a regular file the user owns (a dotfile manager's): read and
//   written through, the target replaced in its own folder, the link kept;
// - a link to anything else (another user's file, a read-only store, a
//   device): read if it is a regular file; changes are kept for this run;
// - a file too large to be ours or one we cannot read: never replaced, the
//   app runs on the defaults and changes are kept for this run;
// - a FIFO, device or folder: not read; a write replaces the entry (a
//   folder refuses), never writing through it.

#include "settings/ini_text.h"

#include <functional>
#include <map>
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

    using Log = std::function<void(const QString& line)>;
    // A line on standard error, "torvelbar: " first.
    static void logToStderr(const QString& line);

    // Never fails: an unreadable or missing file reads as empty. An empty
    // path keeps everything in memory. `log` hears, once each, why changes
    // are kept for this run only and why a save failed.
    explicit Preferences(const QString& path = defaultPath(), Log log = logToStderr);
    Preferences(const Preferences&) = delete;
    Preferences& operator=(const Preferences&) = delete;

    const QString& path() const { return path_; }
    // Why no change is ever saved this run; empty when they are.
    const QString& unsaved() const { return unsaved_; }
    // Why the last change was not saved; empty when it was.
    const QString& saveError() const { return saveError_; }

    // The byte string stored under `key`; nothing when absent or when the
    // value there is of another type.
    std::optional<QByteArray> data(const QString& key) const;
    // A byte string as a QByteArray, anything the INI text spells plainly
    // (numbers and booleans too) as a QString; an invalid QVariant for
    // other kinds of value.
    QVariant object(const QString& key) const;
    // "true" or "1" (any case) reads as true; anything else, or absence, as false.
    bool boolValue(const QString& key) const;

    // Each stores the value and writes the file at once; false, with
    // saveError() saying why, when it could not be saved. The value is still
    // held here and goes to disk with the next write that succeeds.
    bool setData(const QString& key, const QByteArray& value);
    bool setBool(const QString& key, bool value);
    // Removing an absent key touches nothing.
    bool remove(const QString& key);

private:
    bool change(const QString& key, std::optional<QString> value);
    bool writeThrough();
    void say(const QString& line);

    QString path_;
    QString target_; // the file replaced: the path, or a link's target
    int mode_ = 0600;
    QString unsaved_;
    QString saveError_;
    QString lastSaid_;
    Log log_;
    IniText ini_;
    // Changes not yet on disk, applied again to the file as it is then.
    std::map<QString, std::optional<QString>> pending_;
};

} // namespace torvel
