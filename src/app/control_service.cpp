#include "app/control_service.h"

#include "app/command_line.h"
#include "base/texts.h"
#include "core/coordinator.h"
#include "schedule/schedule_json.h"
#include "settings/settings_store.h"
#include "torvelbar1_adaptor.h"

#include <malloc.h>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QMetaProperty>
#include <QTimer>

namespace torvel {

namespace {

// Every call from the bus passes here around its method: once the process
// is stopping, calls still queued are refused at once and the loop is told
// to quit, so a flood cannot hold up the end; after a call, what it changed
// is on disk before the caller hears back (a script may end the app next).
// The call's context is the service's while it runs (QtDBus sets it on an
// adaptor's parent).
class GuardedAdaptor final : public TorvelBar1Adaptor {
public:
    explicit GuardedAdaptor(ControlService* service)
        : TorvelBar1Adaptor(service)
        , service_(service) {}

    int qt_metacall(QMetaObject::Call call, int id, void** arguments) override {
        if (call == QMetaObject::InvokeMetaMethod &&
            (service_->refuseWhileStopping() || service_->refuseOversized())) {
            return -1; // answered: its error reply is sent
        }
        const int result = TorvelBar1Adaptor::qt_metacall(call, id, arguments);
        if (call == QMetaObject::InvokeMetaMethod) {
            service_->settingsChanged();
        }
        return result;
    }

private:
    ControlService* service_;
};

QString phaseName(std::optional<Phase> phase) {
    if (!phase) {
        return {};
    }
    switch (*phase) {
    case Phase::day:
        return QStringLiteral("day");
    case Phase::windDown:
        return QStringLiteral("windDown");
    case Phase::night:
        return QStringLiteral("night");
    case Phase::morning:
        return QStringLiteral("morning");
    }
    return {};
}

} // namespace

ControlService::ControlService(SettingsStore& settings, Coordinator& coordinator,
                               std::function<void()> showPopover)
    : settings_(settings)
    , coordinator_(coordinator)
    , showPopover_(std::move(showPopover))
    , follow_(this, [this] { announceChanges(); }) {
    qDBusRegisterMetaType<QList<QVariantMap>>();
    new GuardedAdaptor(this);
    // Every change of a setting ends in an update, so following the
    // coordinator alone announces each change once, after the update, with
    // values that agree.
    follow_.observe(coordinator_.objectWillChange());
    follow_.observe(coordinator_.displaysWillChange());
}

ControlService::~ControlService() {
    if (published_) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterService(QString::fromLatin1(serviceName));
        bus.unregisterObject(QString::fromLatin1(objectPath));
    }
}

bool ControlService::publish() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.registerObject(QString::fromLatin1(objectPath), this)) {
        return false;
    }
    if (!bus.registerService(QString::fromLatin1(serviceName))) {
        bus.unregisterObject(QString::fromLatin1(objectPath));
        return false;
    }
    published_ = true;
    callers_ = std::make_unique<QDBusServiceWatcher>();
    callers_->setConnection(bus);
    callers_->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(callers_.get(), &QDBusServiceWatcher::serviceUnregistered, this,
            [this](const QString& caller) { forgetCaller(caller); });
    announced_ = properties();
    return true;
}

QString ControlService::mode() const {
    return QString::fromLatin1(rawValue(coordinator_.state().mode));
}

qlonglong ControlService::kelvin() const {
    return coordinator_.state().kelvin;
}

QString ControlService::phase() const {
    return phaseName(coordinator_.state().phase);
}

qlonglong ControlService::manualKelvin() const {
    return coordinator_.state().manualKelvin;
}

int ControlService::brightness() const {
    return coordinator_.state().brightness;
}

int ControlService::nightBrightness() const {
    return coordinator_.state().nightBrightness;
}

int ControlService::manualBrightness() const {
    return coordinator_.state().manualBrightness;
}

QVariantMap ControlService::schedule() const {
    const LightSchedule& s = coordinator_.state().schedule;
    return {{QStringLiteral("bedtime"), qlonglong(s.bedtime)},
            {QStringLiteral("wake"), qlonglong(s.wake)},
            {QStringLiteral("windDown"), qlonglong(s.windDown)},
            {QStringLiteral("dayKelvin"), qlonglong(s.dayKelvin)},
            {QStringLiteral("nightKelvin"), qlonglong(s.nightKelvin)}};
}

QString ControlService::status() const {
    return coordinator_.state().report.status;
}

bool ControlService::tinted() const {
    return coordinator_.state().tinted();
}

QString ControlService::trouble() const {
    return coordinator_.state().report.trouble.value_or(QString());
}

qlonglong ControlService::pausedUntil() const {
    const auto until = coordinator_.pausedUntil();
    return until ? until->toSecsSinceEpoch() : 0;
}

bool ControlService::inhibited() const {
    return coordinator_.inhibitionCount() > 0;
}

QString ControlService::scheduleSource() const {
    return QString::fromLatin1(rawValue(coordinator_.state().source));
}

void ControlService::SetScheduleSource(const QString& name) {
    const auto source = sourceFromRawValue(name.toStdString());
    if (!source) {
        rejectArgument(Texts::tr("unknown schedule source \"%1\" (clock or sun)").arg(name));
        return;
    }
    settings_.setScheduleSource(*source);
}

QVariantMap ControlService::location() const {
    const TintState& state = coordinator_.state();
    std::optional<Place> place = state.place;
    if (!place && settings_.location()) {
        place = Place{*settings_.location(), Place::Origin::typed, {}};
    }
    if (!place) {
        return {};
    }
    static const char* const origins[] = {"typed", "located", "zone"};
    QVariantMap map{
        {QStringLiteral("latitude"), place->at.latitude},
        {QStringLiteral("longitude"), place->at.longitude},
        {QStringLiteral("origin"), QString::fromLatin1(origins[static_cast<int>(place->origin)])}};
    if (!place->name.isEmpty()) {
        map.insert(QStringLiteral("name"), place->name);
    }
    return map;
}

void ControlService::SetLocation(double latitude, double longitude) {
    relay(settings_.setLocation(GeoPoint{latitude, longitude}));
}

QStringList ControlService::pauseApps() const {
    return settings_.pauseApps();
}

bool ControlService::pauseFullscreen() const {
    return settings_.pauseFullscreen();
}

void ControlService::SetPauseApps(const QStringList& apps) {
    // Ids that differ only in case match the same windows: the first stands.
    QStringList folded;
    for (const QString& id : apps) {
        if (!folded.contains(id, Qt::CaseInsensitive)) {
            folded << id;
        }
    }
    relay(settings_.setPauseApps(folded));
}

void ControlService::AddPauseApp(const QString& app) {
    changePauseApp(app, true);
}

void ControlService::RemovePauseApp(const QString& app) {
    changePauseApp(app, false);
}

void ControlService::changePauseApp(const QString& app, bool add) {
    if (!setting::isValidAppId(app)) {
        rejectArgument(Texts::tr("an app id is one line of 1 to 255 bytes"));
        return;
    }
    relay(settings_.setPauseApps(withPauseApp(settings_.pauseApps(), app, add)));
}

void ControlService::SetPauseFullscreen(bool on) {
    settings_.setPauseFullscreen(on);
}

QList<QVariantMap> ControlService::displays() const {
    QList<QVariantMap> out;
    for (const DisplayReport& d : coordinator_.displays()) {
        out.push_back({{QStringLiteral("id"), d.name.key},
                       {QStringLiteral("connector"), d.name.connector},
                       {QStringLiteral("name"), d.name.model},
                       {QStringLiteral("tint"), d.options.tint},
                       {QStringLiteral("strength"), d.options.strength},
                       {QStringLiteral("dim"), d.options.dim},
                       {QStringLiteral("tinted"), d.tinted},
                       {QStringLiteral("steppingAside"), d.steppingAside}});
    }
    return out;
}

void ControlService::SetDisplay(const QString& id, bool tint, int strength) {
    // A connected display's connector stands for its id, which is what a
    // choice is kept under: it then follows the monitor to another port.
    QString key = id;
    for (const DisplayReport& d : coordinator_.displays()) {
        if (d.name.connector == id && !d.name.key.isEmpty()) {
            key = d.name.key;
        }
    }
    DisplayOptions options = optionsFor(settings_.displays().options, {key, id, {}, {}});
    options.tint = tint;
    options.strength = strength;
    relay(settings_.setDisplay(key, options));
}

void ControlService::SetDisplayDim(const QString& id, bool dim) {
    QString key = id;
    for (const DisplayReport& d : coordinator_.displays()) {
        if (d.name.connector == id && !d.name.key.isEmpty()) {
            key = d.name.key;
        }
    }
    DisplayOptions options = optionsFor(settings_.displays().options, {key, id, {}, {}});
    options.dim = dim;
    relay(settings_.setDisplay(key, options));
}

void ControlService::SetNightBrightness(int percent) {
    relay(settings_.setNightBrightness(percent));
}

void ControlService::SetManualBrightness(int percent) {
    relay(settings_.setManualBrightness(percent));
}

void ControlService::ForgetLocation() {
    relay(settings_.setLocation(std::nullopt));
}

// Every property of the interface, as its Q_PROPERTY reads it.
QVariantMap ControlService::properties() const {
    QVariantMap all;
    const QMetaObject* meta = metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        all.insert(QString::fromLatin1(property.name()), property.read(this));
    }
    return all;
}

// Once per turn of the loop at most (the notices of a turn are gathered),
// and only what changed.
void ControlService::announceChanges() {
    if (!published_) {
        return;
    }
    const QVariantMap now = properties();
    QVariantMap changed;
    for (auto it = now.begin(); it != now.end(); ++it) {
        if (announced_.value(it.key()) != it.value()) {
            changed.insert(it.key(), it.value());
        }
    }
    announced_ = now;
    if (changed.isEmpty()) {
        return;
    }
    QDBusMessage signal = QDBusMessage::createSignal(
        QString::fromLatin1(objectPath), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << QString::fromLatin1(interfaceName) << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

void ControlService::rejectArgument(const QString& message) {
    if (calledFromDBus()) {
        sendErrorReply(QDBusError::InvalidArgs, message);
    }
}

void ControlService::relay(const Result<void>& change) {
    if (!change) {
        rejectArgument(change.error());
    }
}

namespace {

// What a call's arguments take in memory, near enough: our interface takes
// strings, lists of them and numbers.
qsizetype argumentBytes(const QVariantList& arguments) {
    qsizetype bytes = 0;
    for (const QVariant& argument : arguments) {
        if (argument.typeId() == QMetaType::QString) {
            bytes += argument.toString().size() * 2;
        } else if (argument.typeId() == QMetaType::QStringList) {
            for (const QString& item : argument.toStringList()) {
                bytes += item.size() * 2 + 16;
            }
        } else {
            bytes += 16;
        }
    }
    return bytes;
}

} // namespace

bool ControlService::refuseOversized() {
    if (!calledFromDBus()) {
        return false;
    }
    const qsizetype bytes = argumentBytes(message().arguments());
    if (bytes <= maxArgumentBytes) {
        return false;
    }
    sendErrorReply(QDBusError::InvalidArgs,
                   Texts::tr("%1 KiB of arguments is more than TorvelBar takes (%2 KiB)")
                       .arg(bytes / 1024)
                       .arg(maxArgumentBytes / 1024));
    // The call's copies go once it has been answered; then the heap's top
    // is given back to the system instead of staying with us for good.
    QTimer::singleShot(0, this, [] { ::malloc_trim(0); });
    return true;
}

void ControlService::settingsChanged() {
    // In effect, but not kept: the caller is told, and exits 1 on it.
    if (!settings_.defaults().flush() && calledFromDBus()) {
        sendErrorReply(QStringLiteral("org.torvelbar.TorvelBar1.Error.NotSaved"),
                       Texts::tr("the change is in effect but not saved: %1")
                           .arg(settings_.defaults().saveError()));
    }
}

bool ControlService::settingsSaved() const {
    return settings_.defaults().saveError().isEmpty();
}

bool ControlService::refuseWhileStopping() {
    if (!stopping_ || !stopping_()) {
        return false;
    }
    if (calledFromDBus()) {
        sendErrorReply(QStringLiteral("org.torvelbar.TorvelBar1.Error.Stopping"),
                       Texts::tr("TorvelBar is stopping"));
    }
    QCoreApplication::quit();
    return true;
}

void ControlService::SetMode(const QString& name) {
    const auto mode = modeFromRawValue(name.toStdString());
    if (!mode) {
        rejectArgument(Texts::tr("unknown mode \"%1\" (auto, manual or off)").arg(name));
        return;
    }
    settings_.setMode(*mode);
}

void ControlService::SetManualKelvin(qlonglong kelvin) {
    relay(settings_.set(setting::manualKelvin, std::int64_t{kelvin}));
}

void ControlService::SetSchedule(qlonglong bedtime, qlonglong wake, qlonglong windDown,
                                 qlonglong dayKelvin, qlonglong nightKelvin) {
    relay(settings_.set(setting::schedule,
                        LightSchedule{bedtime, wake, windDown, dayKelvin, nightKelvin}));
}

void ControlService::SetScheduleField(const QString& field, qlonglong value) {
    const auto member = scheduleMember(field.toStdString());
    if (!member) {
        rejectArgument(Texts::tr("unknown schedule field \"%1\" (bedtime, wake, windDown, "
                                 "dayKelvin or nightKelvin)")
                           .arg(field.left(64)));
        return;
    }
    LightSchedule changed = settings_.schedule();
    changed.** member = value;
    relay(settings_.set(setting::schedule, changed));
}

void ControlService::Pause(uint seconds) {
    if (const QString why = pauseRefusal(seconds); !why.isEmpty()) {
        rejectArgument(why);
        return;
    }
    coordinator_.pauseFor(seconds);
}

QString ControlService::pauseRefusal(std::uint32_t seconds) const {
    if (settings_.mode() == TorvelMode::off) {
        return Texts::tr("the tint is off: there is nothing to pause");
    }
    if (seconds > Coordinator::maxPauseSeconds) {
        return Texts::tr("a pause lasts at most 24 hours (%1 s), not %2 s")
            .arg(Coordinator::maxPauseSeconds)
            .arg(seconds);
    }
    return {};
}

void ControlService::Resume() {
    coordinator_.resume();
}

namespace {

// The name of the program behind a bus name (its /proc comm), where the bus
// says which process it is; nothing otherwise.
QString programOf(const QString& busName) {
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    const QDBusReply<uint> pid = bus ? bus->servicePid(busName) : QDBusReply<uint>();
    if (!pid.isValid() || pid.value() == 0) {
        return {};
    }
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid.value()));
    if (!comm.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(comm.read(64)).trimmed();
}

} // namespace

uint ControlService::Inhibit(const QString& reason) {
    if (!calledFromDBus()) {
        return 0; // an inhibition belongs to a caller on the bus, whose leaving ends it
    }
    const QString caller = message().service();
    auto& mine = held_[caller];
    if (mine.size() >= maxInhibitionsPerCaller || holders_.size() >= maxInhibitions) {
        if (mine.empty()) {
            held_.erase(caller);
        }
        sendErrorReply(
            QDBusError::LimitsExceeded,
            mine.size() >= maxInhibitionsPerCaller
                ? Texts::tr("one caller may hold at most %1 inhibitions")
                      .arg(maxInhibitionsPerCaller)
                : Texts::tr("at most %1 inhibitions may be held at once").arg(maxInhibitions));
        return 0;
    }
    if (mine.empty()) {
        // Watch first, then ask whether it is still there: a caller that
        // left before this point is seen by the question (and never holds
        // the screens at all), one that leaves after it by the watch.
        callers_->addWatchedService(caller);
        const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        if (bus && !bus->isServiceRegistered(caller).value()) {
            forgetCaller(caller);
            return 0; // nobody is left to read the answer
        }
    }
    const uint cookie = coordinator_.inhibit(reason, programOf(caller));
    mine.insert(cookie);
    holders_.emplace(cookie, caller);
    return cookie;
}

void ControlService::Uninhibit(uint cookie) {
    const auto holder = holders_.find(cookie);
    if (holder == holders_.end() || (calledFromDBus() && holder->second != message().service())) {
        rejectArgument(Texts::tr("no inhibition of this caller holds the cookie %1").arg(cookie));
        return;
    }
    coordinator_.uninhibit(cookie);
    const auto mine = held_.find(holder->second);
    mine->second.erase(cookie);
    if (mine->second.empty()) {
        callers_->removeWatchedService(holder->second);
        held_.erase(mine);
    }
    holders_.erase(holder);
}

void ControlService::forgetCaller(const QString& caller) {
    const auto mine = held_.find(caller);
    if (mine != held_.end()) {
        for (const uint cookie : mine->second) {
            coordinator_.uninhibit(cookie);
            holders_.erase(cookie);
        }
        held_.erase(mine);
    }
    callers_->removeWatchedService(caller);
}

void ControlService::Toggle() {
    coordinator_.toggle();
}

void ControlService::ShowPopover() {
    showPopover_();
}

} // namespace torvel
