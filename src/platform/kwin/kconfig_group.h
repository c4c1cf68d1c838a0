#pragma once
// Editing one group of a KConfig file (kwinrc) as text, so that everything
// else in the file, comments and order included, stays exactly as it was.
// A group is the lines under a header `[Name]` (or `[Name][$i]`) up to the
// next header. A file may repeat a header; KConfig then reads the sections
// in order, a later entry winning, so the last section is the one edited:
// what we set there is what KWin reads, and every other section stays as
// it is, byte for byte.
//
// The text is the file's bytes one character each (Latin-1), so that
// bytes that are not UTF-8 come back unchanged.

#include <optional>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace torvel {

// The lines of the last section headed `[group]`, header left out;
// nothing when the file has no such section.
std::optional<QStringList> groupLines(const QString& text, const QString& group);

// `text` with the last `[group]` section's lines replaced by `lines`, under
// its header as written; with nothing, that section (header and lines)
// removed. Without such a section, `lines` become a new one at the end of
// the file (a file that did not end in a newline then does).
QString withGroupLines(const QString& text, const QString& group,
                       const std::optional<QStringList>& lines);

// `lines` with each key set to its value: an existing `key=` entry is
// replaced where it stands, a missing one is added after the last entry.
QStringList withEntries(QStringList lines, const std::vector<std::pair<QString, QString>>& entries);

// The keys of the entries among `lines` (no comments, no locale variants).
QStringList entryKeys(const QStringList& lines);

} // namespace torvel
