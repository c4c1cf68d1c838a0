#pragma once
// TorvelBar's control surface on the session bus (org.torvelbar.TorvelBar1,
// described in data/org.torvelbar.TorvelBar1.xml, from which the adaptor is
// generated): the state as properties, and the mode, the manual colour,
// pauses, inhibitions and the popover as methods. Key bindings, panel
// modules and the command line all come in here.

#include "base/refresh_after_notices.h"
#include "base/result.h"
#include "settings/torvel_mode.h"

#include <functional>
#include <memory>
#include <QDBusContext>
#include <QObject>
#include <QVariantMap>
#include <unordered_map>
#include <unordered_set>

class QDBusServiceWatcher;

namespace torvel {

class Coordinator;
class SettingsStore;

class ControlService final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_PROPERTY(QString Mode READ mode)
    Q_PROPERTY(qlonglong Kelvin READ kelvin)
    Q_PROPERTY(QString Phase READ phase)
    Q_PROPERTY(qlonglong ManualKelvin READ manualKelvin)
    Q_PROPERTY(int Brightness READ brightness)
    Q_PROPERTY(int NightBrightness READ nightBrightness)
    Q_PROPERTY(int ManualBrightness READ manualBrightness)
    Q_PROPERTY(QVariantMap Schedule READ schedule)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(bool Tinted READ tinted)
    Q_PROPERTY(QString Trouble READ trouble)
    Q_PROPERTY(qlonglong PausedUntil READ pausedUntil)
    Q_PROPERTY(bool Inhibited READ inhibited)
    Q_PROPERTY(QString ScheduleSource READ scheduleSource)
    Q_PROPERTY(QVariantMap Location READ location)
    Q_PROPERTY(QStringList PauseApps READ pauseApps)
    Q_PROPERTY(bool PauseFullscreen READ pauseFullscreen)
    Q_PROPERTY(bool SettingsSaved READ settingsSaved)
    Q_PROPERTY(QList<QVariantMap> Displays READ displays)

public:
    static constexpr const char* serviceName = "org.torvelbar.TorvelBar";
    static constexpr const char* objectPath = "/org/torvelbar/TorvelBar";
    static constexpr const char* interfaceName = "org.torvelbar.TorvelBar1";
    // Inhibitions one caller, and all callers together, may hold.
    static constexpr std::size_t maxInhibitionsPerCaller = 64;
    static constexpr std::size_t maxInhibitions = 1024;

    ControlService(SettingsStore& settings, Coordinator& coordinator,
                   std::function<void()> showPopover);
    ~ControlService() override;

    // Exports the object and takes the bus name; false without a session
    // bus or when another process holds the name.
    bool publish();
    // Asked before each call: once it says the process is stopping, calls
    // still queued are refused at once and the loop is told to quit, so a
    // flood cannot hold up the end (each change syncs the settings file).
    void setStopping(std::function<bool()> stopping) { stopping_ = std::move(stopping); }
    // The guard every call passes first: true, with the caller's error
    // reply sent and the loop told to quit, once the process is stopping.
    bool refuseWhileStopping();
    // Arguments beyond any the interface needs (a 10 MB mode) are refused
    // before the method sees them; true, with the error reply sent.
    bool refuseOversized();
    static constexpr qsizetype maxArgumentBytes = qsizetype{256} * 1024;
    // After each call: the settings it changed are written at once.
    void settingsChanged();

    QString mode() const;
    qlonglong kelvin() const;
    QString phase() const;
    qlonglong manualKelvin() const;
    int brightness() const;
    int nightBrightness() const;
    int manualBrightness() const;
    QVariantMap schedule() const;
    QString status() const;
    bool tinted() const;
    QString trouble() const;
    qlonglong pausedUntil() const;
    bool inhibited() const;
    QString scheduleSource() const;
    QStringList pauseApps() const;
    bool pauseFullscreen() const;
    bool settingsSaved() const;
    QVariantMap location() const;
    QList<QVariantMap> displays() const;

public Q_SLOTS:
    // NOLINTBEGIN(readability-identifier-naming): the names on the bus
    void SetMode(const QString& mode);
    void SetManualKelvin(qlonglong kelvin);
    void SetSchedule(qlonglong bedtime, qlonglong wake, qlonglong windDown, qlonglong dayKelvin,
                     qlonglong nightKelvin);
    void SetScheduleField(const QString& field, qlonglong value);
    void Pause(uint seconds);
    void Resume();
    uint Inhibit(const QString& reason);
    void Uninhibit(uint cookie);
    void Toggle();
    void SetScheduleSource(const QString& source);
    void SetLocation(double latitude, double longitude);
    void SetPauseApps(const QStringList& apps);
    void AddPauseApp(const QString& app);
    void RemovePauseApp(const QString& app);
    void SetPauseFullscreen(bool on);
    void SetDisplay(const QString& id, bool tint, int strength);
    void SetDisplayDim(const QString& id, bool dim);
    void SetNightBrightness(int percent);
    void SetManualBrightness(int percent);
    void ForgetLocation();
    void ShowPopover();
    // NOLINTEND(readability-identifier-naming)

private:
    QVariantMap properties() const;
    void announceChanges();
    void rejectArgument(const QString& message);
    // A change the store refused gets its words as InvalidArgs.
    void relay(const Result<void>& change);
    void changePauseApp(const QString& app, bool add);
    // Why a pause of `seconds` (0: until the wake) cannot be had now.
    QString pauseRefusal(std::uint32_t seconds) const;
    void forgetCaller(const QString& caller);

    SettingsStore& settings_;
    Coordinator& coordinator_;
    std::function<void()> showPopover_;
    std::function<bool()> stopping_;
    RefreshAfterNotices follow_;
    QVariantMap announced_;
    // Who holds which inhibition, so one that leaves the bus lets go and no
    // other caller can give it back.
    std::unordered_map<uint, QString> holders_;
    std::unordered_map<QString, std::unordered_set<uint>> held_;
    std::unique_ptr<QDBusServiceWatcher> callers_;
    bool published_ = false;
};

} // namespace torvel
