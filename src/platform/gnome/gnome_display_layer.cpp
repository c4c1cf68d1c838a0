#include "platform/gnome/gnome_display_layer.h"

#include "platform/gnome/night_light_window.h"
#include "platform/linux/bus_flag.h"
#include "platform/runtime/capture_file.h"

#include <gio/gio.h>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QJsonObject>
#include <QJsonValue>

namespace torvel {

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

// Puts a captured value back: null resets the key to its default.
void putBack(GSettings* settings, const char* key, const QJsonValue& value) {
    if (value.isNull() || value.isUndefined()) {
        g_settings_reset(settings, key);
    } else if (value.isBool()) {
        g_settings_set_boolean(settings, key, value.toBool());
    } else if (key == temperatureKey) {
        g_settings_set_uint(
            settings, key,
            static_cast<guint>(std::clamp<qint64>(value.toInteger(), 0, G_MAXUINT32)));
    } else {
        g_settings_set_double(settings, key, value.toDouble());
    }
}

// The capture is written by us, but a file can hold anything: each value
// must be of its key's kind, or null.
bool validCapture(const QJsonObject& o) {
    for (const char* key : allKeys) {
        const QJsonValue v = o.value(QLatin1String(key));
        const bool boolKey = key == enabledKey || key == automaticKey;
        if (!(v.isNull() || (boolKey ? v.isBool() : v.isDouble()))) {
            return false;
        }
    }
    return true;
}

} // namespace

struct GnomeDisplayLayer::Impl {
    GSettings* settings = nullptr;
    CaptureFile capture{QString()};
    bool displayLocked = false;
    std::function<QDateTime()> clock;
    std::optional<QJsonObject> original; // the user's five values
    std::optional<std::int64_t> wanted;  // the temperature we stand for
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

    void captureOriginal() {
        QJsonObject o;
        for (const char* key : allKeys) {
            o.insert(QLatin1String(key), userValue(settings, key));
        }
        original = o;
        capture.saveUnlessClaimed(o, displayLocked);
    }

    // What should stand, compared with what does: writes only the difference.
    void enforce() {
        if (!wanted || heldByGnome()) {
            return;
        }
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
        if (!original) {
            return;
        }
        for (const char* key : allKeys) {
            putBack(settings, key, original->value(QLatin1String(key)));
        }
        g_settings_sync();
        capture.remove();
        original.reset();
        wanted.reset();
    }

    void restoreLeftovers() {
        const auto left = capture.takeLeftover(displayLocked);
        if (!left) {
            return;
        }
        if (!validCapture(*left)) {
            capture.remove();
            return;
        }
        original = *left;
        restore();
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
            QStringLiteral("GNOME's Night Light settings schema is not installed"));
    }
    auto impl = std::make_unique<Impl>();
    impl->settings = g_settings_new(schemaId);
    impl->capture = CaptureFile(options.capture.isEmpty()
                                    ? CaptureFile::pathFor(QStringLiteral("gnome-night-light.json"))
                                    : options.capture);
    impl->displayLocked = options.displayLocked;
    impl->clock = options.clock ? options.clock : [] { return QDateTime::currentDateTime(); };
    impl->restoreLeftovers();
    impl->disabledUntilTomorrow = std::make_unique<BusFlag>(
        BusFlag::Where{colorService, colorPath, colorService,
                       QStringLiteral("DisabledUntilTomorrow")},
        [raw = impl.get()](bool disabled) { raw->disabledUntilTomorrowChanged(disabled); });
    return std::unique_ptr<GnomeDisplayLayer>(new GnomeDisplayLayer(std::move(impl)));
}

GnomeDisplayLayer::GnomeDisplayLayer(std::unique_ptr<Impl> impl)
    : impl_(std::move(impl)) {
    impl_->hostHoldChanged = [this] { notifyHostHold(); };
}

GnomeDisplayLayer::~GnomeDisplayLayer() {
    impl_->restore();
}

void GnomeDisplayLayer::setTemperature(std::int64_t kelvin) {
    if (!impl_->original) {
        impl_->captureOriginal();
    }
    impl_->wanted = kelvin;
    impl_->enforce();
}

void GnomeDisplayLayer::restoreColorSettings() {
    impl_->restore();
}

std::optional<QString> GnomeDisplayLayer::hostHold() const {
    if (impl_->heldByGnome() && impl_->wanted) {
        return QStringLiteral("GNOME until tomorrow");
    }
    return std::nullopt;
}

QString GnomeDisplayLayer::captureFilePath() const {
    return impl_->capture.path();
}

} // namespace torvel
