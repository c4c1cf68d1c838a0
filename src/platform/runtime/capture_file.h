#pragma once
// What a host's colour settings were before this process first changed
// them, kept on disk so that a crash or SIGKILL never leaves the screens
// tinted beyond the next start. The record is a JSON object with the
// writer's process ID, in the private runtime folder, replaced atomically
// and readable only by us.

#include "base/result.h"

#include <cstdint>
#include <optional>
#include <QJsonObject>
#include <QString>

namespace torvel {

class CaptureFile {
public:
    explicit CaptureFile(QString path)
        : path_(std::move(path)) {}

    // <private runtime folder>/<name>; empty when no private folder can be had.
    static QString pathFor(const QString& name);

    const QString& path() const { return path_; }

    // Atomically replaces the file (mode 0600) with `state` and this
    // process's ID, or says why it could not.
    Result<void> save(const QJsonObject& state) const;

    struct Contents {
        std::int64_t pid = 0;
        QJsonObject state;
    };
    // Nothing when the file is absent, not a regular file, too large or
    // not one of ours.
    std::optional<Contents> load() const;

    void remove() const;

    // What a start should put back: the state a process no longer running
    // left here (any process's, with `displayLocked`: the caller holds the
    // display's instance lock, so no other writer lives). Nothing when there
    // is none, or when its live owner will restore it itself. An unreadable
    // file is removed: written atomically, it was never ours.
    std::optional<QJsonObject> takeLeftover(bool displayLocked) const;

    // Saves `state` unless a live process other than this one has its own
    // record here (then it is that process's to restore, and that is no
    // failure).
    Result<void> saveUnlessClaimed(const QJsonObject& state, bool displayLocked) const;

private:
    QString path_;
};

// True when `pid` names a running process other than this one.
bool isOtherProcessRunning(std::int64_t pid);

} // namespace torvel
