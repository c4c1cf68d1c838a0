#include "app/command_line.h"

#include "color/kelvin.h"
#include "settings/settings_store.h"
#include "settings/torvel_mode.h"

#include <limits>
#include <QRegularExpression>

namespace torvel {

namespace {

QString usageHint() {
    return QStringLiteral(" (see torvelbar --help)");
}

} // namespace

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

std::variant<Command, QString> parseCommandLine(const QStringList& args) {
    using Kind = Command::Kind;
    Command c;
    if (args.isEmpty()) {
        return c;
    }
    const QString& first = args.front();
    const QStringList rest = args.mid(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        c.kind = Kind::help;
    } else if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        c.kind = Kind::version;
    } else if (first.startsWith(u'-')) {
        return QStringLiteral("unknown option %1").arg(first) + usageHint();
    } else if (first == QLatin1String("status")) {
        c.kind = Kind::status;
        for (const QString& option : rest) {
            if (option == QLatin1String("--json")) {
                c.json = true;
            } else if (option == QLatin1String("--follow")) {
                c.follow = true;
            } else {
                return QStringLiteral("status takes --json and --follow, not %1").arg(option) +
                       usageHint();
            }
        }
        return c;
    } else if (first == QLatin1String("mode")) {
        static const QStringList modes{QStringLiteral("auto"), QStringLiteral("manual"),
                                       QStringLiteral("off")};
        if (rest.size() != 1 || !modes.contains(rest.front())) {
            return QStringLiteral("mode takes one of auto, manual, off") + usageHint();
        }
        c.kind = Kind::mode;
        c.mode = rest.front();
        return c;
    } else if (first == QLatin1String("kelvin")) {
        bool ok = false;
        const qlonglong k = rest.size() == 1 ? rest.front().toLongLong(&ok) : 0;
        if (!ok) {
            return QStringLiteral("kelvin takes a whole number of Kelvin, such as 3400") +
                   usageHint();
        }
        if (k < minKelvin || k > maxKelvin) {
            return QStringLiteral("kelvin takes %1 to %2 K, not %3")
                       .arg(minKelvin)
                       .arg(maxKelvin)
                       .arg(k) +
                   usageHint();
        }
        c.kind = Kind::kelvin;
        c.kelvin = k;
        return c;
    } else if (first == QLatin1String("pause")) {
        c.kind = Kind::pause;
        if (rest.size() > 1) {
            return QStringLiteral("pause takes at most one duration") + usageHint();
        }
        if (rest.size() == 1) {
            const auto seconds = parseDuration(rest.front());
            if (!seconds) {
                return QStringLiteral(
                           "cannot read the duration \"%1\" (such as 30s, 30m, 2h, 1h30m)")
                           .arg(rest.front()) +
                       usageHint();
            }
            c.seconds = *seconds;
        }
        return c;
    } else if (first == QLatin1String("source")) {
        if (rest.size() != 1 || !sourceFromRawValue(rest.front().toStdString())) {
            return QStringLiteral("source takes clock or sun") + usageHint();
        }
        c.kind = Kind::source;
        c.source = rest.front();
        return c;
    } else if (first == QLatin1String("location")) {
        c.kind = Kind::location;
        if (rest.size() == 1 && rest.front() == QLatin1String("auto")) {
            return c;
        }
        bool latOk = false;
        bool lonOk = false;
        const double latitude = rest.size() == 2 ? rest.at(0).toDouble(&latOk) : 0.0;
        const double longitude = rest.size() == 2 ? rest.at(1).toDouble(&lonOk) : 0.0;
        if (!latOk || !lonOk || !isValidGeoPoint(latitude, longitude)) {
            return QStringLiteral("location takes a latitude (-90 to 90) and a longitude (-180 to "
                                  "180) in degrees, such as 59.91 10.75, or auto") +
                   usageHint();
        }
        c.location = GeoPoint{latitude, longitude};
        return c;
    } else if (first == QLatin1String("pause-for")) {
        c.kind = Kind::pauseFor;
        const QString action = rest.value(0);
        if ((action == QLatin1String("add") || action == QLatin1String("remove")) &&
            rest.size() == 2) {
            if (!SettingsStore::isValidAppId(rest.at(1))) {
                return QStringLiteral("an app id is 1 to 255 bytes long") + usageHint();
            }
            c.pauseFor =
                action == QLatin1String("add") ? Command::PauseFor::add : Command::PauseFor::remove;
            c.appId = rest.at(1);
            return c;
        }
        if (action == QLatin1String("list") && rest.size() == 1) {
            c.pauseFor = Command::PauseFor::list;
            return c;
        }
        if (action == QLatin1String("fullscreen") && rest.size() == 2 &&
            (rest.at(1) == QLatin1String("on") || rest.at(1) == QLatin1String("off"))) {
            c.pauseFor = Command::PauseFor::fullscreen;
            c.on = rest.at(1) == QLatin1String("on");
            return c;
        }
        return QStringLiteral("pause-for takes add APP, remove APP, list, or fullscreen on|off") +
               usageHint();
    } else if (first == QLatin1String("resume") || first == QLatin1String("toggle")) {
        c.kind = first == QLatin1String("resume") ? Kind::resume : Kind::toggle;
    } else {
        return QStringLiteral("unknown command \"%1\"").arg(first) + usageHint();
    }
    if (!rest.isEmpty()) {
        return QStringLiteral("%1 takes no arguments").arg(first) + usageHint();
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

QString helpText() {
    return QStringLiteral(
        "Usage: torvelbar [COMMAND]\n"
        "Warms the colour of every display by the time of day.\n"
        "\n"
        "  torvelbar                      start, or open the running one's popover\n"
        "  torvelbar status [--json] [--follow]\n"
        "                                 the status line and the colour; --json prints\n"
        "                                 one object a line (with waybar's text, tooltip,\n"
        "                                 class and alt); --follow prints a line at every\n"
        "                                 change\n"
        "  torvelbar mode auto|manual|off the mode (saved for the next start when\n"
        "                                 TorvelBar is not running)\n"
        "  torvelbar kelvin K             the manual colour, likewise\n"
        "  torvelbar source clock|sun     bedtime and wake as set, or each day's dusk and\n"
        "                                 sunrise (likewise saved when not running)\n"
        "  torvelbar location LAT LON     where the sun is followed from, in degrees\n"
        "                                 (north and east positive); auto: from the\n"
        "                                 location service, else the time zone\n"
        "  torvelbar pause [DURATION]     30s, 30m, 2h, 1h30m (a bare number is minutes);\n"
        "                                 none: until the wake time\n"
        "  torvelbar resume               end a pause\n"
        "  torvelbar pause-for add|remove APP\n"
        "                                 step aside while APP's window is in front\n"
        "                                 (its WM_CLASS on X11, its app_id on Wayland)\n"
        "  torvelbar pause-for fullscreen on|off\n"
        "                                 likewise for any fullscreen window\n"
        "  torvelbar pause-for list       the apps, and whether fullscreen counts\n"
        "  torvelbar toggle               off if tinting, else back to the mode before\n"
        "  torvelbar --help | --version\n"
        "\n"
        "Exit status: 0 done, 1 TorvelBar is not running (or cannot start), 2 bad input.\n");
}

} // namespace torvel
