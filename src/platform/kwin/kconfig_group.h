#pragma once
// Editing one group of a KConfig file (kwinrc) as text, so that everything
// else in the file, comments and order included, stays exactly as it was.
// A group is the lines under a header `[Name]` (or `[Name][$i]`) up to the
// next header; a file may repeat a header, and KConfig merges the parts.

#include <optional>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace torvel {

// The lines of every section headed `[group]`, in file order, headers left
// out; nothing when the file has no such section.
std::optional<QStringList> groupLines(const QString& text, const QString& group);

// `text` with every `[group]` section removed and, when `lines` is given,
// one section with those lines in place of the first, under its header as
// written (at the end of the file when there was none; a file that did not
// end in a newline then does).
QString withGroupLines(const QString& text, const QString& group,
                       const std::optional<QStringList>& lines);

// `lines` with each key set to its value: an existing `key=` entry is
// replaced where it stands, a missing one is added after the last entry.
QStringList withEntries(QStringList lines, const std::vector<std::pair<QString, QString>>& entries);

// The keys of the entries among `lines` (no comments, no locale variants).
QStringList entryKeys(const QStringList& lines);

} // namespace torvel
