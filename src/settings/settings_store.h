#pragma once
// The settings the user controls, loaded once, published on every
// assignment and written through to the preferences file at once.

#include "base/observable.h"
#include "schedule/geo_point.h"
#include "schedule/light_schedule.h"
#include "settings/preferences.h"
#include "settings/torvel_mode.h"

#include <array>
#include <cstdint>
#include <optional>
#include <QStringList>

namespace torvel {

class SettingsStore {
public:
    static constexpr TorvelMode defaultMode = TorvelMode::automatic;
    static constexpr std::int64_t defaultManualKelvin = 3400;
    // Keys older releases wrote; removed at every start, in this order.
    static constexpr std::array<const char*, 13> retiredKeys{
        "keyframes",          "manualBrightness", "tint",         "temporaryOverride",
        "syncWithEightSleep", "es.token",         "es.userID",    "es.expiresAt",
        "es.lastNight",       "es.avg",           "es.anchorBed", "es.anchorWake",
        "es.lastSync"};

    // Loads the settings (defaults for anything absent or unreadable),
    // migrates an older schedule and removes the retired keys. Cannot fail.
    explicit SettingsStore(Preferences& defaults);
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    TorvelMode mode() const { return mode_; }
    const LightSchedule& schedule() const { return schedule_; }
    std::int64_t manualKelvin() const { return manualKelvin_; }
    ScheduleSource scheduleSource() const { return scheduleSource_; }
    // The place the user set; nothing means "find it".
    const std::optional<GeoPoint>& location() const { return location_; }
    // The last place the location service gave, for a start without it.
    const std::optional<GeoPoint>& lastKnownLocation() const { return lastKnownLocation_; }
    // The apps whose window in front steps us aside, as the user gave them.
    const QStringList& pauseApps() const { return pauseApps_; }
    // Whether any fullscreen window in front steps us aside.
    bool pauseFullscreen() const { return pauseFullscreen_; }

    // An app id the list may hold: 1 to 255 bytes of UTF-8.
    static bool isValidAppId(const QString& id);
    static constexpr qsizetype maxPauseApps = 100;

    // Each announces the change, stores the value and saves it under its
    // key, also when it equals the old one. Values are kept as given: the
    // limits belong to the editors and the gamma service.
    void setMode(TorvelMode mode);
    void setSchedule(const LightSchedule& schedule);
    void setManualKelvin(std::int64_t kelvin);
    void setScheduleSource(ScheduleSource source);
    // Nothing removes the key. A point out of range is refused, changing
    // nothing: the callers check first and say why.
    void setLocation(const std::optional<GeoPoint>& location);
    void setLastKnownLocation(const GeoPoint& location);
    // A list with an invalid id or over maxPauseApps ids is refused,
    // changing nothing: the callers check first and say why.
    void setPauseApps(const QStringList& apps);
    void setPauseFullscreen(bool on);

    Preferences& defaults() { return defaults_; }
    const WillChangePublisher& objectWillChange() const { return objectWillChange_; }

    // The schedule an older release's two anchor keys describe; the default
    // schedule when they are absent or not whole numbers.
    static LightSchedule scheduleFromEightSleepAnchors(const Preferences& defaults);

private:
    void saveMode();
    void saveSchedule();
    void saveManualKelvin();
    void removeRetiredKeys();
    static std::optional<TorvelMode> readMode(const Preferences& defaults);
    static std::optional<std::int64_t> readManualKelvin(const Preferences& defaults);
    static std::optional<LightSchedule> readSchedule(const Preferences& defaults);
    static std::optional<GeoPoint> readPoint(const Preferences& defaults, const QString& key);

    WillChangePublisher objectWillChange_;
    TorvelMode mode_;
    LightSchedule schedule_;
    std::int64_t manualKelvin_;
    ScheduleSource scheduleSource_ = ScheduleSource::clock;
    std::optional<GeoPoint> location_;
    std::optional<GeoPoint> lastKnownLocation_;
    QStringList pauseApps_;
    bool pauseFullscreen_ = false;
    Preferences& defaults_;
};

// A stored anchor as a whole number: an integer, a number without a
// fractional part, or INI text that spells one (the file cannot tell the
// two apart). Anything else, or a value beyond int64, is nothing.
std::optional<std::int64_t> wholeNumber(const QVariant& value);

} // namespace torvel
