#include "platform/gnome/gnome_display_layer.h"

#include "base/texts.h"
#include "platform/gnome/night_light_window.h"
#include "platform/linux/bus_flag.h"
#include "platform/runtime/host_state_guard.h"
#include "platform/runtime/trouble_report.h"

#include <gio/gio.h>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QJsonObject>
#include <QJsonValue>
#include <QLoggingCategory>

namespace torvel {

Q_LOGGING_CATEGORY(gnomeLog, "torvelbar.gnome", QtWarningMsg)

namespace {

const char* const schemaId = "org.gnome.settings-daemon.plugins.color";
const char* const enabledKey = "night-light-enabled";
const char* const temperatureKey = "night-light-temperature";
const char* const automaticKey = "night-light-schedule-automatic";
const char* const fromKey = "night-light-schedule-from";
const char* const toKey = "night-light-schedule-to";
const char* const allKeys[] = {enabledKey, temperatureKey, automaticKey, fromKey, toKey};

const QString colorService = QStringLiteral("org.gnome.SettingsDaemon.Color");
const QString colorPath = QStringLiteral("/org/gnome/SettingsDaemon/Color");

bool schemaInstalled() {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema =
        source ? g_settings_schema_source_lookup(source, schemaId, TRUE) : nullptr;
    if (schema) {
        g_settings_schema_unref(schema);
    }
    return schema != nullptr;
}

// A user value as JSON: bool, number, or null for "at its default".
QJsonValue userValue(GSettings* settings, const char* key) {
    GVariant* v = g_settings_get_user_value(settings, key);
    if (!v) {
        return QJsonValue(QJsonValue::Null);
    }
    QJsonValue out;
    if (g_variant_is_of_type(v, G_VARIANT_TYPE_BOOLEAN)) {
        out = static_cast<bool>(g_variant_get_boolean(v));
    } else if (g_variant_is_of_type(v, G_VARIANT_TYPE_UINT32)) {
        out = static_cast<qint64>(g_variant_get_uint32(v));
    } else if (g_variant_is_of_type(v, G_VARIANT_TYPE_DOUBLE)) {
        out = g_variant_get_double(v);
    }
    g_variant_unref(v);
    return out;
}

// Puts a captured value back: null resets the key to its default. False
// when the key is locked and holds another value.
bool putBack(GSettings* settings, const char* key, const QJsonValue& value) {
    if (!g_settings_is_writable(settings, key)) {
        return userValue(settings, key) == (value.isUndefined() ? QJsonValue() : value);
    }
    if (value.isNull() || value.isUndefined()) {
        g_settings_reset(settings, key);
        return true;
    }
    if (value.isBool()) {
        return g_settings_set_boolean(settings, key, value.toBool()) != FALSE;
    }
    if (key == temperatureKey) {
        return g_settings_set_uint(settings, key,
                                   static_cast<guint>(std::clamp<qint64>(value.toInteger(), 0,
                                                                         G_MAXUINT32))) != FALSE;
    }
    return g_settings_set_double(settings, key, value.toDouble()) != FALSE;
}

// The keys an administrator locked (dconf's lockdown), which we can
// neither change nor give back; empty when all are ours to write.
QStringList lockedKeys(GSettings* settings) {
    QStringList out;
    for (const char* key : allKeys) {
        if (!g_settings_is_writable(settings, key)) {
            out << QLatin1String(key);
        }
    }
    return out;
}

// The capture is written by us, but a file can hold anything: each value
// must be of its key's kind, or null.
std::optional<QJsonObject> captureOf(const QJsonObject& o) {
    for (const char* key : allKeys) {
        const QJsonValue v = o.value(QLatin1String(key));
        const bool boolKey = key == enabledKey || key == automaticKey;
        if (!(v.isNull() || (boolKey ? v.isBool() : v.isDouble()))) {
            return std::nullopt;
        }
    }
    return o;
}

} // namespace

struct GnomeDisplayLayer::Impl {
    GSettings* settings = nullptr;
    std::function<QDateTime()> clock;
    // The user's five values from before our first change.
    std::optional<HostStateGuard<QJsonObject>> guard;
    std::optional<std::int64_t> wanted; // the temperature we stand for
    // Why Night Light cannot take our colour.
    TroubleReport trouble{gnomeLog, Texts::tr("Night Light takes our color again")};
    // GNOME's "Disable until tomorrow": we leave Night Light be meanwhile.
    std::unique_ptr<BusFlag> disabledUntilTomorrow;
    std::function<void()> hostHoldChanged;

    bool heldByGnome() const { return disabledUntilTomorrow && disabledUntilTomorrow->value(); }

    ~Impl() {
        if (settings) {
            g_object_unref(settings);
        }
    }

    double hourNow() const {
        const QTime t = clock().time();
        return t.hour() + t.minute() / 60.0 + t.second() / 3600.0;
    }

    QJsonObject readOriginal() const {
        QJsonObject o;
        for (const char* key : allKeys) {
            o.insert(QLatin1String(key), userValue(settings, key));
        }
        return o;
    }

    // Every value back; false when a key was locked meanwhile.
    bool giveBack(const QJsonObject& original) const {
        bool all = true;
        for (const char* key : allKeys) {
            all = putBack(settings, key, original.value(QLatin1String(key))) && all;
        }
        g_settings_sync();
        return all;
    }

    // What should stand, compared with what does: writes only the difference.
    void enforce() {
        if (!wanted || heldByGnome()) {
            return;
        }
        if (const QStringList locked = lockedKeys(settings); !locked.isEmpty()) {
            trouble.set(Texts::tr("Night Light's settings are locked by the administrator "
                                  "(%1)")
                            .arg(locked.join(QStringLiteral(", "))));
            return;
        }
        trouble.set(std::nullopt);
        bool wrote = false;
        if (!g_settings_get_boolean(settings, enabledKey)) {
            g_settings_set_boolean(settings, enabledKey, TRUE);
            wrote = true;
        }
        if (g_settings_get_boolean(settings, automaticKey)) {
            g_settings_set_boolean(settings, automaticKey, FALSE);
            wrote = true;
        }
        const NightLightWindow current{g_settings_get_double(settings, fromKey),
                                       g_settings_get_double(settings, toKey)};
        if (const auto moved = movedWindow(current, hourNow())) {
            g_settings_set_double(settings, fromKey, moved->from);
            g_settings_set_double(settings, toKey, moved->to);
            wrote = true;
        }
        const auto kelvin = static_cast<guint>(*wanted);
        if (g_settings_get_uint(settings, temperatureKey) != kelvin) {
            g_settings_set_uint(settings, temperatureKey, kelvin);
            wrote = true;
        }
        if (wrote) {
            g_settings_sync(); // on its way to dconf before we go on
        }
    }

    void restore() {
        guard->restore();
        wanted.reset();
        trouble.set(std::nullopt);
    }

    void disabledUntilTomorrowChanged(bool disabled) {
        if (!disabled) {
            enforce(); // the hold is over: our colour again
        }
        if (hostHoldChanged) {
            hostHoldChanged();
        }
    }
};

bool GnomeDisplayLayer::probe() {
    if (!schemaInstalled()) {
        return false;
    }
    const QString name = QStringLiteral("torvelbar-gnome-probe");
    bool found = false;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
        QDBusMessage get = QDBusMessage::createMethodCall(
            colorService, colorPath, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        get << colorService << QStringLiteral("NightLightActive");
        get.setAutoStartService(false);
        found = bus.isConnected() &&
                bus.call(get, QDBus::Block, 3000).type() == QDBusMessage::ReplyMessage;
    }
    QDBusConnection::disconnectFromBus(name);
    return found;
}

Result<std::unique_ptr<GnomeDisplayLayer>> GnomeDisplayLayer::create(const Options& options) {
    if (!schemaInstalled()) {
        return Result<std::unique_ptr<GnomeDisplayLayer>>::failure(
            Texts::tr("GNOME's Night Light settings schema is not installed"));
    }
    auto impl = std::make_unique<Impl>();
    impl->settings = g_settings_new(schemaId);
    Impl* self = impl.get();
    impl->guard.emplace(
        HostStateGuard<QJsonObject>::Options{
            .recordPath = options.capture.isEmpty()
                              ? CaptureFile::pathFor(QStringLiteral("gnome-night-light.json"))
                              : options.capture,
            .displayLocked = options.displayLocked},
        HostStateGuard<QJsonObject>::Hooks{
            .read = [self] { return std::optional<QJsonObject>(self->readOriginal()); },
            .write = [self](const QJsonObject& o) { return self->giveBack(o); },
            .toRecord = [](const QJsonObject& o) { return o; },
            .fromRecord = captureOf});
    impl->clock = options.clock ? options.clock : [] { return QDateTime::currentDateTime(); };
    impl->guard->replayLeftover();
    impl->disabledUntilTomorrow = std::make_unique<BusFlag>(
        BusFlag::Where{colorService, colorPath, colorService,
                       QStringLiteral("DisabledUntilTomorrow")},
        [raw = impl.get()](bool disabled) { raw->disabledUntilTomorrowChanged(disabled); });
    return std::unique_ptr<GnomeDisplayLayer>(new GnomeDisplayLayer(std::move(impl)));
}

GnomeDisplayLayer::GnomeDisplayLayer(std::unique_ptr<Impl> impl)
    : impl_(std::move(impl)) {
    impl_->hostHoldChanged = [this] { notifyHostHold(); };
    impl_->trouble.tellOnChange([this] { notifyTrouble(); });
}

GnomeDisplayLayer::~GnomeDisplayLayer() {
    impl_->restore();
}

void GnomeDisplayLayer::setTemperature(std::int64_t kelvin) {
    impl_->guard->captureBeforeChange();
    impl_->wanted = kelvin;
    impl_->enforce();
}

void GnomeDisplayLayer::restoreColorSettings() {
    impl_->restore();
}

std::optional<QString> GnomeDisplayLayer::trouble() const {
    return impl_->trouble.current();
}

std::optional<QString> GnomeDisplayLayer::hostHold() const {
    if (impl_->heldByGnome() && impl_->wanted) {
        return Texts::tr("GNOME until tomorrow");
    }
    return std::nullopt;
}

QString GnomeDisplayLayer::captureFilePath() const {
    return impl_->guard->recordPath();
}

} // namespace torvel
