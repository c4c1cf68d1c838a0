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

#include "base/observable.h"
#include "settings/ini_text.h"

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <QByteArray>
#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

class QTimer;

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
    // Writes what is still waiting.
    ~Preferences();
    Preferences(const Preferences&) = delete;
    Preferences& operator=(const Preferences&) = delete;

    // With a delay, changes reach the disk that long after the first one not
    // yet written (on the Qt event loop), so a slider's drag writes the file
    // a few times rather than at every step; every change is readable here
    // at once either way. Zero, the default, writes each change at once.
    void setWriteDelay(std::chrono::milliseconds delay);
    // Writes the changes still waiting, now: at quit, and before anything
    // relies on the file. `lockWaitMs`: how long to wait for another
    // writer's lock this time (the app's end may wait; its loop never does).
    // False when changes were waiting and could not be written (saveError()).
    bool flush(std::optional<int> lockWaitMs = std::nullopt);
    // Whether changes are waiting for the delay to pass.
    bool hasPendingChanges() const { return !pending_.empty(); }
    // How often the file was replaced by this object (for measures).
    int fileWrites() const { return fileWrites_; }
    // The handler hears when saveError() changes, while the handle lives.
    [[nodiscard]] Subscription subscribeSaveState(std::function<void()> handler) const {
        return saveState_.subscribe(std::move(handler));
    }

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

    // Each stores the value and writes the file (at once, or after the
    // write delay); false, with saveError() saying why, when it could not be
    // saved. The value is still held here and goes to disk with the next
    // write that succeeds.
    bool setData(const QString& key, const QByteArray& value);
    bool setBool(const QString& key, bool value);
    // Removing an absent key touches nothing.
    bool remove(const QString& key);

    // What a key's value becomes, from the value the file holds at the
    // moment of the write: nothing leaves it; an empty inner value removes it.
    using Change = std::function<std::optional<std::optional<QByteArray>>(
        const std::optional<QByteArray>& stored)>;
    // A read-modify-write of one key under the folder's lock, at once, so two
    // writers that each add to a list both keep their addition. False, with
    // saveError(), when it could not be saved.
    bool modify(const QString& key, const Change& edit);

private:
    bool change(const QString& key, std::optional<QString> value);
    bool writeThrough();
    bool writeNow();
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
    // Read-modify-writes, applied to the file as it is read under the lock.
    std::vector<std::pair<QString, Change>> modifiers_;
    std::chrono::milliseconds writeDelay_{0};
    // How long a write waits for another writer's lock on the folder: a
    // command's two seconds; nothing in the app, which tries again later.
    int lockWaitMs_ = 2000;
    std::unique_ptr<QTimer> writeTimer_;
    Notifier<> saveState_;
    int fileWrites_ = 0;
};

} // namespace torvel
