#include "app/command_line.h"

#include "app/command_table.h"
#include "base/texts.h"

#include <limits>
#include <QRegularExpression>

namespace torvel {

std::optional<std::uint32_t> parseDuration(const QString& text) {
    static const QRegularExpression bare(QStringLiteral("^[0-9]{1,12}$"));
    static const QRegularExpression parts(
        QStringLiteral("^(?:([0-9]{1,12})h)?(?:([0-9]{1,12})m)?(?:([0-9]{1,12})s)?$"));
    std::uint64_t seconds = 0;
    if (bare.match(text).hasMatch()) {
        seconds = text.toULongLong() * 60;
    } else {
        const auto m = parts.match(text);
        if (text.isEmpty() || !m.hasMatch()) {
            return std::nullopt;
        }
        // Twelve digits each: no product below overflows 64 bits.
        seconds = m.captured(1).toULongLong() * 3600 + m.captured(2).toULongLong() * 60 +
                  m.captured(3).toULongLong();
    }
    if (seconds == 0 || seconds > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(seconds);
}

std::optional<std::int64_t> parseClock(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^([01]?[0-9]|2[0-3]):([0-5][0-9])$"));
    const auto m = form.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    return m.captured(1).toLongLong() * 60 + m.captured(2).toLongLong();
}

std::variant<Command, QString> parseCommandLine(const QStringList& args) {
    Command c;
    if (args.isEmpty()) {
        return c;
    }
    const QString& first = args.front();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        c.kind = Command::Kind::help;
        return c;
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        c.kind = Command::Kind::version;
        return c;
    }
    const CommandRow* row = commandNamed(first);
    if (!row) {
        return first.startsWith(u'-')
                   ? Texts::tr("unknown option %1 (see torvelbar --help)").arg(first)
                   : Texts::tr("unknown command \"%1\" (see torvelbar --help)").arg(first);
    }
    const QStringList rest = args.mid(1);
    if (rest.contains(QLatin1String("--help"))) {
        c.kind = Command::Kind::help;
        c.topic = first;
        return c;
    }
    c.kind = row->kind;
    if (const QString why = row->parse(rest, c); !why.isEmpty()) {
        return Texts::tr("%1 (see torvelbar help %2)").arg(why, first);
    }
    return c;
}

QStringList withPauseApp(QStringList apps, const QString& id, bool add) {
    const bool there = apps.contains(id, Qt::CaseInsensitive);
    if (add && !there) {
        apps << id;
    } else if (!add) {
        apps.removeIf([&](const QString& a) { return a.compare(id, Qt::CaseInsensitive) == 0; });
    }
    return apps;
}

namespace {

// "  torvelbar NAME ARGS" with its help beside it from column 33, or under
// it where the usage is longer.
QString usage(const CommandRow& row) {
    constexpr qsizetype column = 33;
    QString line = QStringLiteral("  torvelbar %1").arg(QLatin1String(row.name));
    if (*row.arguments) {
        line += u' ' + QLatin1String(row.arguments);
    }
    const QStringList help = Texts::tr(row.help).split(u'\n');
    QString out;
    if (line.size() < column) {
        out = line.leftJustified(column, u' ') + help.front() + u'\n';
    } else {
        out = line + u'\n' + QString(column, u' ') + help.front() + u'\n';
    }
    for (qsizetype i = 1; i < help.size(); ++i) {
        out += QString(column, u' ') + help.at(i) + u'\n';
    }
    return out;
}

} // namespace

QString helpText(const QString& topic) {
    const QString exits = Texts::tr(
        "\nExit status: 0 done, 1 TorvelBar is not running (or cannot start), 2 bad input.\n");
    if (const CommandRow* row = topic.isEmpty() ? nullptr : commandNamed(topic)) {
        return Texts::tr("Usage:\n") + usage(*row) + exits;
    }
    QString text = Texts::tr("Usage: torvelbar [COMMAND]\n"
                             "Warms the color of every display by the time of day.\n"
                             "\n"
                             "  torvelbar                      start, or open the running "
                             "one's popover\n");
    for (const CommandRow* row : commandTable()) {
        text += usage(*row);
    }
    return text + QStringLiteral("  torvelbar --help | --version\n") + exits;
}

} // namespace torvel
