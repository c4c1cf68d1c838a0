#pragma once
// Reading and replacing the small files the app keeps (settings, crash
// captures, the autostart entry) as what they should be: regular files,
// never through a link, a FIFO or a device someone left at the path.

#include <optional>
#include <QByteArray>
#include <QString>

namespace torvel {

// The contents of the regular file at `path`, opened without following a
// final link and without blocking; nothing when the path holds anything
// else, cannot be read, or is larger than `maxSize`.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxSize);

// What is at `path`, seen without following a final link.
enum class PathKind { missing, regularFile, other };
PathKind pathKind(const QString& path);

// Writes `contents` to a new file beside `path` (mode `mode`), flushes it
// to disk and renames it over `path`: a link, FIFO or device at `path` is
// replaced, never written through, and a reader sees the old or the new
// file. Creates the parent folder (0700) when missing. False when nothing
// was replaced (a folder at `path`, say), with errno saying why.
bool replaceFile(const QString& path, const QByteArray& contents, int mode = 0600);

// A writer killed in the instant between naming the new file and renaming
// it leaves `<path>.new`; this removes it, and an empty folder of that name
// that would block every replace. Call it holding the writers' lock: the
// name is another writer's between its link and its rename. What stands in
// the way and cannot be removed, in words; empty when nothing does.
QString removeLeftoverOfReplace(const QString& path);

} // namespace torvel
