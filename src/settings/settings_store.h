#pragma once
// The settings the user controls, loaded once, published on every
// assignment and written through to the preferences file, each by its row
// of the setting table.

#include "base/observable.h"
#include "base/result.h"
#include "settings/migrations.h"
#include "settings/preferences.h"
#include "settings/setting_table.h"

#include <functional>
#include <optional>

namespace torvel {

class SettingsStore {
public:
    static constexpr TorvelMode defaultMode = TorvelMode::automatic;
    static constexpr std::int64_t defaultManualKelvin = 3400;
    static constexpr auto retiredKeys = torvel::retiredKeys;

    // Loads every setting (its default when absent or unreadable), migrates
    // an older schedule and removes the retired keys. Cannot fail.
    explicit SettingsStore(Preferences& defaults);
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    template <class T> const T& get(const Setting<T>& row) const { return values_.*row.field; }

    // Announces the change, stores the value and saves it under the row's
    // key (an equal value too where the row says so). A value the row
    // refuses changes nothing, and the result says why in a caller's words.
    template <class T> Result<void> set(const Setting<T>& row, const T& value) {
        if (const QString why = refusalOf(row, value); !why.isEmpty()) {
            return Result<void>::failure(why);
        }
        assign(row, value);
        return Result<void>::success();
    }

    // A read-modify-write of the setting in the file itself, under its
    // folder's lock, at once: `change` gets the value the file holds then
    // (another writer's addition included) and returns the new one. For a
    // process that is not the app (the command line); refused as set() is.
    template <class T>
    Result<void> update(const Setting<T>& row, const std::function<T(T)>& change) {
        QString refused;
        std::optional<T> updated;
        defaults_.modify(QString::fromLatin1(row.key),
                         [&](const std::optional<QByteArray>& stored)
                             -> std::optional<std::optional<QByteArray>> {
                             auto current = stored ? row.decode(*stored) : std::nullopt;
                             T next = change(current ? *std::move(current) : row.fallback);
                             refused = refusalOf(row, next);
                             if (!refused.isEmpty()) {
                                 return std::nullopt;
                             }
                             updated = next;
                             return row.encode(next);
                         });
        if (!refused.isEmpty()) {
            return Result<void>::failure(refused);
        }
        if (updated) {
            assignPublished(objectWillChange_, values_.*row.field, *std::move(updated));
        }
        return Result<void>::success();
    }

    TorvelMode mode() const { return values_.mode; }
    const LightSchedule& schedule() const { return values_.schedule; }
    std::int64_t manualKelvin() const { return values_.manualKelvin; }
    ScheduleSource scheduleSource() const { return values_.scheduleSource; }
    // Percent of the level the user set (10..100): at night, in the manual mode.
    int nightBrightness() const { return static_cast<int>(values_.nightBrightness); }
    int manualBrightness() const { return static_cast<int>(values_.manualBrightness); }
    // The place the user set; nothing means "find it".
    const std::optional<GeoPoint>& location() const { return values_.location; }
    // The last place the location service gave, for a start without it.
    const std::optional<GeoPoint>& lastKnownLocation() const { return values_.lastKnownLocation; }
    // The apps whose window in front steps us aside, as the user gave them.
    const QStringList& pauseApps() const { return values_.pauseApps; }
    // Whether any fullscreen window in front steps us aside.
    bool pauseFullscreen() const { return values_.pauseFullscreen; }

    static bool isValidAppId(const QString& id) { return setting::isValidAppId(id); }
    static constexpr qsizetype maxPauseApps = setting::maxPauseApps;

    // The editors' own assignments. The mode, the schedule and the manual
    // colour are kept as given, also when equal to the old value: their
    // limits belong to the editors and the gamma service.
    void setMode(TorvelMode mode) { assign(setting::mode, mode); }
    void setSchedule(const LightSchedule& schedule) { assign(setting::schedule, schedule); }
    void setManualKelvin(std::int64_t kelvin) { assign(setting::manualKelvin, kelvin); }
    // 10..100; others are refused.
    Result<void> setNightBrightness(std::int64_t percent) {
        return set(setting::nightBrightness, percent);
    }
    Result<void> setManualBrightness(std::int64_t percent) {
        return set(setting::manualBrightness, percent);
    }
    void setScheduleSource(ScheduleSource source) { assign(setting::scheduleSource, source); }
    // Nothing removes the key. A point out of range is refused.
    Result<void> setLocation(const std::optional<GeoPoint>& location) {
        return set(setting::location, location);
    }
    Result<void> setLastKnownLocation(const GeoPoint& location) {
        return set(setting::lastKnownLocation, std::optional<GeoPoint>(location));
    }
    // A list with an invalid id or over maxPauseApps ids is refused.
    Result<void> setPauseApps(const QStringList& apps) { return set(setting::pauseApps, apps); }
    void setPauseFullscreen(bool on) { assign(setting::pauseFullscreen, on); }
    // Each display's own choices (see DisplaySettings).
    const DisplaySettings& displays() const { return values_.displays; }
    // One display's choices; bad ones are refused.
    Result<void> setDisplay(const QString& id, const DisplayOptions& options) {
        if (const QString why = displayRefusal(id, options); !why.isEmpty()) {
            return Result<void>::failure(why);
        }
        return set(setting::displays, withDisplay(values_.displays, id, options));
    }

    Preferences& defaults() { return defaults_; }
    const Preferences& defaults() const { return defaults_; }
    const WillChangePublisher& objectWillChange() const { return objectWillChange_; }

    static LightSchedule scheduleFromEightSleepAnchors(const Preferences& defaults) {
        return torvel::scheduleFromEightSleepAnchors(defaults);
    }

private:
    template <class T> void assign(const Setting<T>& row, const T& value) {
        if (!row.announcesEqual && values_.*row.field == value) {
            return;
        }
        assignPublished(objectWillChange_, values_.*row.field, value);
        save(row);
    }
    template <class T> void save(const Setting<T>& row) {
        const QString key = QString::fromLatin1(row.key);
        if (const auto stored = row.encode(values_.*row.field)) {
            defaults_.setData(key, *stored);
        } else {
            defaults_.remove(key);
        }
    }
    template <class T> void load(const Setting<T>& row);

    WillChangePublisher objectWillChange_;
    SettingsValues values_;
    Preferences& defaults_;
};

} // namespace torvel
