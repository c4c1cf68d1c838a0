#include "platform/xdg/desktop_entry.h"

#include <QStringList>

namespace torvel {

namespace {

const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");

QString escapeString(const QString& value);

} // namespace

QString desktopEntryString(const QString& value) {
    return escapeString(value);
}

namespace {

QString escapeString(const QString& value) {
    QString out;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString unescapeString(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar n = value[++i];
        switch (n.unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        default:
            out += n;
        }
    }
    return out;
}

} // namespace

QString execArgument(const QString& argument) {
    QString exec;
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument) {
        needsQuotes = needsQuotes || reserved.contains(c);
    }
    if (needsQuotes) {
        exec += QLatin1Char('"');
        for (const QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\')) {
                exec += QLatin1Char('\\');
            }
            exec += c;
        }
        exec += QLatin1Char('"');
    } else {
        exec = argument;
    }
    exec.replace(QLatin1Char('%'), QLatin1String("%%"));
    return escapeString(exec);
}

std::optional<QString> desktopEntryValue(const QString& text, const QString& key) {
    bool inGroup = false;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inGroup || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed() == key) {
            return unescapeString(line.mid(eq + 1).trimmed());
        }
    }
    return std::nullopt;
}

std::optional<QString> firstExecArgument(const QString& execValue) {
    QString arg;
    qsizetype i = 0;
    auto take = [&](QChar c) { arg += c; };
    if (execValue.startsWith(QLatin1Char('"'))) {
        for (i = 1; i < execValue.size(); ++i) {
            const QChar c = execValue[i];
            if (c == QLatin1Char('"')) {
                ++i;
                break;
            }
            // A backslash escapes the next character; "%%" is a literal "%".
            const bool escape =
                c == QLatin1Char('\\') || (c == QLatin1Char('%') && i + 1 < execValue.size() &&
                                           execValue[i + 1] == QLatin1Char('%'));
            if (escape && i + 1 < execValue.size()) {
                take(execValue[++i]);
            } else {
                take(c);
            }
            if (i + 1 == execValue.size()) {
                return std::nullopt; // no closing quote
            }
        }
    } else {
        for (; i < execValue.size() && execValue[i] != QLatin1Char(' '); ++i) {
            const QChar c = execValue[i];
            if (c == QLatin1Char('%') && i + 1 < execValue.size() &&
                execValue[i + 1] == QLatin1Char('%')) {
                ++i;
            }
            take(c);
        }
    }
    return arg;
}

} // namespace torvel
