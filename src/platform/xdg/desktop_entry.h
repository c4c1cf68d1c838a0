#pragma once
// Desktop Entry text helpers: quoting a program path for an Exec line, and
// reading the few keys an autostart entry needs.

#include <optional>
#include <QString>

namespace torvel {

// One Exec argument that starts exactly `argument`: quoted when it holds a
// reserved character, with the Exec rules' backslashes, then escaped as a
// desktop-entry string value, and '%' doubled.
QString execArgument(const QString& argument);

// A string value as a desktop entry writes it (backslash, newline, tab and
// carriage return escaped), for keys such as TryExec that take no quoting.
QString desktopEntryString(const QString& value);

// The value of `key` in the [Desktop Entry] group of `text`, with the string
// escapes (\s \n \t \r \\) undone; nothing when absent.
std::optional<QString> desktopEntryValue(const QString& text, const QString& key);

// The first argument of an Exec value, with quoting and escapes undone (the
// inverse of execArgument for one argument); nothing when malformed.
std::optional<QString> firstExecArgument(const QString& execValue);

} // namespace torvel
