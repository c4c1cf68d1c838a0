#pragma once
// What the command line asks for: start the app, or talk to the running
// one. Parsing alone, by the rows of the command table, so bad input is
// refused before anything is touched.

#include "schedule/geo_point.h"

#include <cstdint>
#include <optional>
#include <QString>
#include <QStringList>
#include <variant>

namespace torvel {

struct Command {
    enum class Kind {
        start,
        help,
        version,
        status,
        mode,
        kelvin,
        pause,
        resume,
        toggle,
        source,
        location,
        pauseFor,
        bedtime,
        wake,
        windDown,
        dayKelvin,
        nightKelvin,
        displays,
        display,
        brightness,
    };
    // pause-for's: add or remove `appId`, list, or set fullscreen to `on`.
    enum class PauseFor { add, remove, list, fullscreen };
    Kind kind = Kind::start;
    QString topic;                    // help: the command asked about; empty: all
    bool json = false;                // status --json
    bool follow = false;              // status --follow
    QString mode;                     // mode: "auto", "manual" or "off"
    std::int64_t kelvin = 0;          // kelvin
    std::uint32_t seconds = 0;        // pause: 0 = until the schedule's next wake
    QString source;                   // source: "clock" or "sun"
    std::optional<GeoPoint> location; // location: nothing = "auto"
    PauseFor pauseFor = PauseFor::list;
    QString appId;               // pause-for add/remove
    bool on = false;             // pause-for fullscreen
    std::int64_t value = 0;      // a schedule field: minutes, or Kelvin
    QString displayId;           // display: its id or connector
    std::optional<bool> tint;    // display ID on|off
    std::optional<int> strength; // display ID strength N
    std::optional<bool> dim;     // display ID dim on|off
    QString brightnessOf;        // brightness: "night" or "manual"
};

// The arguments after the program's name. A string is the one line that
// says what is wrong (the caller exits 2).
std::variant<Command, QString> parseCommandLine(const QStringList& arguments);

// The list after pause-for's add or remove of `id` (matched case aside):
// an id already there is not added twice, the order is kept.
QStringList withPauseApp(QStringList apps, const QString& id, bool add);

// "30m", "2h", "1h30m", "90s", or a bare number of minutes; nothing for
// anything else, for no time at all, and for more seconds than 32 bits hold.
std::optional<std::uint32_t> parseDuration(const QString& text);

// "7:30", "07:30", "23:59": the minute of the day; nothing for anything else.
std::optional<std::int64_t> parseClock(const QString& text);

// The usage of every command, or of the one named `topic`.
QString helpText(const QString& topic = {});

} // namespace torvel
