#pragma once
// What a host's colour settings were before this process first changed
// them, kept on disk so that a crash or SIGKILL never leaves the screens
// tinted beyond the next start. The record is a JSON object with the
// writer's process ID, in the private runtime folder, replaced atomically
// and readable only by us.

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
    // process's ID. False when it could not be written.
    bool save(const QJsonObject& state) const;

    struct Contents {
        std::int64_t pid = 0;
        QJsonObject state;
    };
    // Nothing when the file is absent, not a regular file, too large or
    // not one of ours.
    std::optional<Contents> load() const;

    void remove() const;

private:
    QString path_;
};

// True when `pid` names a running process other than this one.
bool isOtherProcessRunning(std::int64_t pid);

} // namespace torvel
