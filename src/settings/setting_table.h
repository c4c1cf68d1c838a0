#pragma once
// Every setting the store keeps, one row each: its key in the file, its
// default, how its stored form (JSON data) reads and is written, and what a
// caller may not set it to. A new setting is a field of SettingsValues and
// a row here; the store loads, announces and saves it from the row alone.

#include "base/texts.h"
#include "schedule/geo_point.h"
#include "schedule/light_schedule.h"
#include "settings/display_settings.h"
#include "settings/preferences.h"
#include "settings/torvel_mode.h"

#include <cstdint>
#include <optional>
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace torvel {

// The values themselves, as the store holds them.
struct SettingsValues {
    TorvelMode mode = TorvelMode::automatic;
    LightSchedule schedule;
    std::int64_t manualKelvin = 3400;
    // Percent of the level the user set, at night and in the manual mode.
    std::int64_t nightBrightness = 100;
    std::int64_t manualBrightness = 100;
    ScheduleSource scheduleSource = ScheduleSource::clock;
    std::optional<GeoPoint> location; // nothing means "find it"
    std::optional<GeoPoint> lastKnownLocation;
    QStringList pauseApps;
    bool pauseFullscreen = false;
    DisplaySettings displays;
};

template <class T> struct Setting {
    const char* key;
    T SettingsValues::*field;
    T fallback;
    // The stored bytes as a value; nothing when they do not read as one,
    // which then reads as the default (the file keeps them until the next
    // assignment).
    std::optional<T> (*decode)(const QByteArray& stored);
    // The value's stored bytes; nothing removes the key.
    std::optional<QByteArray> (*encode)(const T& value);
    // Why a caller may not set the value, in words after `noun` ("takes
    // 1000 to 6500 K, not 9000"); empty when it may. Nothing: any value.
    QString (*refusal)(const T& value) = nullptr;
    // What the refusal's words follow: "the manual colour"; none when they
    // stand alone.
    const char* noun = "";
    // An assignment of the value already held announces and saves it too
    // (the oldest settings do); otherwise it changes nothing.
    bool announcesEqual = true;
    // When absent or unreadable: the value built from older keys, saved at once.
    T (*migrate)(const Preferences& defaults) = nullptr;
};

namespace setting {
extern const Setting<TorvelMode> mode;
extern const Setting<LightSchedule> schedule;
extern const Setting<std::int64_t> manualKelvin;
extern const Setting<std::int64_t> nightBrightness;
extern const Setting<std::int64_t> manualBrightness;
extern const Setting<ScheduleSource> scheduleSource;
extern const Setting<std::optional<GeoPoint>> location;
extern const Setting<std::optional<GeoPoint>> lastKnownLocation;
extern const Setting<QStringList> pauseApps;
extern const Setting<bool> pauseFullscreen;
extern const Setting<DisplaySettings> displays;

// An app id the list may hold: one line of 1 to 255 bytes of UTF-8, not
// blank.
bool isValidAppId(const QString& id);
inline constexpr qsizetype maxPauseApps = 100;
inline constexpr qsizetype maxDisplays = 64;
} // namespace setting

// Calls `visit` with every row, in the order they are loaded.
template <class Visit> void forEachSetting(Visit&& visit) {
    visit(setting::mode);
    visit(setting::manualKelvin);
    visit(setting::nightBrightness);
    visit(setting::manualBrightness);
    visit(setting::scheduleSource);
    visit(setting::pauseApps);
    visit(setting::pauseFullscreen);
    visit(setting::displays);
    visit(setting::location);
    visit(setting::lastKnownLocation);
    visit(setting::schedule); // last: its migration reads keys the others never touch
}

// "the manual colour takes 1000 to 6500 K, not 9000"; empty when `value`
// is one the row takes.
template <class T> QString refusalOf(const Setting<T>& row, const T& value) {
    if (!row.refusal) {
        return {};
    }
    const QString why = row.refusal(value);
    return why.isEmpty() || !*row.noun
               ? why
               : Texts::tr("%1 %2", "a setting, then what it takes").arg(Texts::tr(row.noun), why);
}

} // namespace torvel
