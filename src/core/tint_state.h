#pragma once
// What the screens show and why: the state every view reads, as the
// decision (tint_decision.h) leaves it and the coordinator completes it.

#include "color/brightness.h"
#include "color/kelvin.h"
#include "core/preview.h"
#include "schedule/geo_point.h"
#include "schedule/light_schedule.h"
#include "settings/torvel_mode.h"

#include <cstdint>
#include <optional>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTimeZone>
#include <vector>

namespace torvel {

// Something that holds our colour off for a while, whatever the mode: the
// screens show their own colours until it ends.
struct Hold {
    // In the order they win when several hold at once.
    enum class Kind {
        pause,      // ours, until `until`
        inhibition, // a program asked us (`by`: its reason)
        app,        // a chosen app's window is in front (`by`: its id)
        fullscreen, // a fullscreen window is in front (`by`: its app's id)
        host,       // the desktop holds its night light off (`by`: in words after "Paused by ")
    };
    Kind kind = Kind::pause;
    QString by;
    std::optional<QDateTime> until;
    // The program that asked, where known (an inhibition's caller).
    QString caller = {};
    friend bool operator==(const Hold&, const Hold&) = default;
};

// Where the sun is followed from, and how we know it.
struct Place {
    enum class Origin {
        typed,   // the user's coordinates
        located, // the location service, now or at its last answer
        zone,    // the time zone's reference point
    };
    GeoPoint at;
    Origin origin = Origin::zone;
    QString name; // the zone's city for a zone's point
    friend bool operator==(const Place&, const Place&) = default;
};

// Why a sun schedule runs on the clock's times today.
enum class SunGap {
    none,
    noPlace, // nothing says where the user is (a zone without a point)
    noSun,   // no sunrise or no dusk there today (polar day or night)
};

// What the coordinator finds out around the decision, which the decision
// itself cannot know.
struct TintReport {
    // Why the display layer cannot show what we ask (it refused, its file
    // cannot be written), read after the write.
    std::optional<QString> trouble;
    // The user asked to step aside for windows in front, and this desktop
    // shows no application the windows of others (GNOME's Wayland session).
    bool windowsUnseen = false;
    // The last change of a setting could not be saved (the log says why
    // once); it holds for this run.
    bool settingsUnsaved = false;
    // The displays the user chose to leave untinted, by their readable
    // names, while some others are tinted.
    QStringList displaysLeftAlone;
    // The window in front steps only some displays aside (named here), for
    // this hold; the others stay tinted.
    std::optional<Hold> asideHold;
    QStringList asideDisplays;
    // What became of the brightness asked for (see BrightnessReport's
    // fields): the user's own level holds until then, why the backlight
    // cannot be dimmed, or that nothing here dims.
    std::optional<QDateTime> brightnessHeldUntil;
    std::optional<QString> brightnessTrouble;
    bool dimmingUnseen = false;
    bool dimmingPanelOnly = false;
    // The one status line, as the header, tooltip, bus and command line show it.
    QString status;
    // The same in its two parts, for the popover's two lines: what happens
    // (the line's start) and the notes after it ("settings not saved"),
    // joined with " \u00B7 "; empty when there are none.
    QString headline;
    QString notes;
    friend bool operator==(const TintReport&, const TintReport&) = default;
};

struct TintState {
    // The settings it was decided from, so that whoever shows them with the
    // rest never pairs a newer setting with an older colour.
    TorvelMode mode = TorvelMode::off;
    LightSchedule schedule;
    std::int64_t manualKelvin = 3400;
    int nightBrightness = fullBrightness;
    int manualBrightness = fullBrightness;
    ScheduleSource source = ScheduleSource::clock;
    std::optional<Place> place;
    // The schedule in force today: `schedule` itself on the clock; with the
    // sun, bedtime at today's dusk and wake at today's sunrise, unless `sunGap`.
    LightSchedule daySchedule;
    SunGap sunGap = SunGap::none;
    // What the gamma service is handed: nothing gives the screens their own
    // colours back. A host's hold keeps our request in place, for when it ends.
    std::optional<std::int64_t> request;
    // Published: the mode's value (not clamped), or 6500 while off or held.
    std::int64_t kelvin = neutralKelvin;
    // Percent of the level the user set, as the mode asks for it now; full
    // while off or held (a host's hold too: the colour and the brightness
    // come back together).
    int brightness = fullBrightness;
    // The schedule's phase in the auto mode, unless held.
    std::optional<Phase> phase;
    std::optional<Preview> preview;
    // The hold that wins (a pause, then the oldest inhibition, then the
    // host); none in the off mode, where nothing needs holding.
    std::optional<Hold> hold;
    QDateTime now;
    // When the answer next changes by itself (a phase boundary, the next
    // ramp step, a pause's end, the sun's next day); invalid when it never does.
    QDateTime nextChange;
    // What the coordinator adds after the decision, from the layer's write,
    // the settings file and the watcher, and the line made from it all.
    TintReport report;

    // Whether the screens show our colour now.
    bool tinted() const { return mode != TorvelMode::off && !hold && !report.trouble; }
    friend bool operator==(const TintState&, const TintState&) = default;
};

} // namespace torvel
