#include "platform/kwin/kwin_display_layer.h"

#include "platform/kwin/kconfig_group.h"
#include "platform/linux/bus_flag.h"
#include "platform/linux/capture_file.h"

#include <algorithm>
#include <optional>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QSaveFile>
#include <QStandardPaths>

namespace torvel {

namespace {

const QString kwinService = QStringLiteral("org.kde.KWin");
const QString group = QStringLiteral("NightColor");
constexpr qint64 maxConfigSize = qint64{16} * 1024 * 1024;
constexpr int probeTimeoutMs = 3000;
// KWin applies a change within about a second; a check sooner than this
// could see the old value and write again for nothing.
constexpr qint64 settleMs = 2000;
// KWin's Night Color modes, as its interface reports them.
constexpr uint constantMode = 3;

struct Where {
    QString path;
    QString interface;
};

Where whereOf(KWinDisplayLayer::Interface i) {
    if (i == KWinDisplayLayer::Interface::plasma6) {
        return {QStringLiteral("/org/kde/KWin/NightLight"),
                QStringLiteral("org.kde.KWin.NightLight")};
    }
    return {QStringLiteral("/ColorCorrect"), QStringLiteral("org.kde.kwin.ColorCorrect")};
}

QDBusMessage propertiesCall(KWinDisplayLayer::Interface i, const QString& method) {
    const Where w = whereOf(i);
    QDBusMessage call = QDBusMessage::createMethodCall(
        kwinService, w.path, QStringLiteral("org.freedesktop.DBus.Properties"), method);
    call.setAutoStartService(false);
    call << w.interface;
    return call;
}

// The user's group as it was before our first change.
struct Original {
    bool fileExisted = false;
    std::optional<QStringList> lines; // nothing: the file had no such group

    QJsonObject toJson() const {
        QJsonObject o;
        o[QStringLiteral("fileExisted")] = fileExisted;
        o[QStringLiteral("group")] =
            lines ? QJsonValue(QJsonArray::fromStringList(*lines)) : QJsonValue(QJsonValue::Null);
        return o;
    }

    static std::optional<Original> fromJson(const QJsonObject& o) {
        const QJsonValue existed = o.value(QStringLiteral("fileExisted"));
        const QJsonValue lines = o.value(QStringLiteral("group"));
        if (!existed.isBool() || !(lines.isNull() || lines.isArray())) {
            return std::nullopt;
        }
        Original out{existed.toBool(), std::nullopt};
        if (lines.isArray()) {
            out.lines.emplace();
            for (const QJsonValue v : lines.toArray()) {
                if (!v.isString()) {
                    return std::nullopt;
                }
                out.lines->append(v.toString());
            }
        }
        return out;
    }
};

struct ConfigText {
    bool exists = false;
    QString text;
};

// Nothing when the file is there but cannot be read: writing it then would
// lose the user's settings.
std::optional<ConfigText> readConfig(const QString& path) {
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        return ConfigText{};
    }
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxConfigSize) {
        return std::nullopt;
    }
    return ConfigText{true, QString::fromUtf8(file.readAll())};
}

bool writeConfig(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const bool existed = QFileInfo::exists(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (!existed) {
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

struct KWinDisplayLayer::Impl {
    Interface interface = Interface::none;
    QString kwinrc;
    CaptureFile capture{QString()};
    std::optional<Original> original;
    bool displayLocked = false;
    std::optional<std::int64_t> applied; // what kwinrc holds from us
    QElapsedTimer sinceWrite;
    std::unique_ptr<QDBusPendingCallWatcher> check; // at most one in flight
    std::function<void()> wakeHandler;
    // Another program holds Night Color off through KWin (its inhibit()):
    // KWin shows 6500 K whatever kwinrc says, until it lets go.
    std::unique_ptr<BusFlag> inhibited;
    std::function<void()> hostHoldChanged;

    bool isInhibited() const { return inhibited && inhibited->value(); }

    // KConfig's change notice, the one way KWin rereads a group.
    void announce(const QStringList& keys) const {
        QByteArrayList names;
        for (const QString& k : keys) {
            names << k.toUtf8();
        }
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/kwinrc"),
                                                         QStringLiteral("org.kde.kconfig.notify"),
                                                         QStringLiteral("ConfigChanged"));
        signal << QVariant::fromValue(QHash<QString, QByteArrayList>{{group, names}});
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.send(signal);
        // A round trip to the bus: the signal is on its way before we go on,
        // also when the process is about to exit.
        bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                QStringLiteral("/org/freedesktop/DBus"),
                                                QStringLiteral("org.freedesktop.DBus.Peer"),
                                                QStringLiteral("Ping")),
                 QDBus::Block, probeTimeoutMs);
    }

    bool captureOriginal() {
        const auto config = readConfig(kwinrc);
        if (!config) {
            return false;
        }
        original = Original{config->exists, groupLines(config->text, group)};
        capture.saveUnlessClaimed(original->toJson(), displayLocked);
        return true;
    }

    void write(std::int64_t kelvin) {
        const auto config = readConfig(kwinrc);
        if (!config) {
            return;
        }
        const QStringList lines =
            withEntries(groupLines(config->text, group).value_or(QStringList()),
                        {{QStringLiteral("Active"), QStringLiteral("true")},
                         {QStringLiteral("Mode"), QStringLiteral("Constant")},
                         {QStringLiteral("NightTemperature"), QString::number(kelvin)}});
        const QString text = withGroupLines(config->text, group, lines);
        if (text != config->text && !writeConfig(kwinrc, text)) {
            return;
        }
        applied = kelvin;
        sinceWrite.start();
        announce(
            {QStringLiteral("Active"), QStringLiteral("Mode"), QStringLiteral("NightTemperature")});
    }

    // Asks KWin what it shows, without waiting; sets ours again when it
    // shows something else.
    void verify() {
        // Inhibited, KWin reports its own 6500 K: nothing to correct.
        if (check || !applied || isInhibited() ||
            (sinceWrite.isValid() && sinceWrite.elapsed() < settleMs)) {
            return;
        }
        QDBusMessage call = propertiesCall(interface, QStringLiteral("GetAll"));
        check = std::make_unique<QDBusPendingCallWatcher>(
            QDBusConnection::sessionBus().asyncCall(call));
        QObject::connect(check.get(), &QDBusPendingCallWatcher::finished, [this] {
            const QDBusPendingReply<QVariantMap> reply = *check;
            check.release()->deleteLater();
            if (reply.isError() || !applied) {
                return;
            }
            const QVariantMap p = reply.value();
            const bool ours = p.value(QStringLiteral("enabled")).toBool() &&
                              p.value(QStringLiteral("mode")).toUInt() == constantMode &&
                              p.value(QStringLiteral("targetTemperature")).toLongLong() == *applied;
            if (!ours) {
                write(*applied);
            }
        });
    }

    void restore() {
        check.reset();
        if (!original) {
            return;
        }
        const auto config = readConfig(kwinrc);
        if (config) {
            QStringList keys = entryKeys(groupLines(config->text, group).value_or(QStringList()));
            for (const QString& k : entryKeys(original->lines.value_or(QStringList()))) {
                if (!keys.contains(k)) {
                    keys << k;
                }
            }
            const QString text = withGroupLines(config->text, group, original->lines);
            const bool removeFile = !original->fileExisted && text.trimmed().isEmpty();
            const bool done = text == config->text ||
                              (removeFile ? QFile::remove(kwinrc) : writeConfig(kwinrc, text));
            if (done) {
                announce(keys.isEmpty() ? QStringList{QStringLiteral("Active")} : keys);
                capture.remove();
            }
        }
        original.reset();
        applied.reset();
    }

    void restoreLeftovers() {
        const auto left = capture.takeLeftover(displayLocked);
        if (!left) {
            return;
        }
        original = Original::fromJson(*left);
        if (!original) {
            capture.remove();
            return;
        }
        restore();
    }
};

KWinDisplayLayer::Interface KWinDisplayLayer::probe() {
    // A connection of its own, closed again: this runs before the
    // application object exists, which the shared session bus wants.
    const QString name = QStringLiteral("torvelbar-kwin-probe");
    Interface found = Interface::none;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
        for (const Interface i : {Interface::plasma6, Interface::plasma5}) {
            if (!bus.isConnected()) {
                break;
            }
            QDBusMessage call = propertiesCall(i, QStringLiteral("Get"));
            call << QStringLiteral("available");
            const QDBusMessage reply = bus.call(call, QDBus::Block, probeTimeoutMs);
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
                reply.arguments().front().value<QDBusVariant>().variant().toBool()) {
                found = i;
                break;
            }
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return found;
}

Result<std::unique_ptr<KWinDisplayLayer>> KWinDisplayLayer::create(const Options& options) {
    qDBusRegisterMetaType<QByteArrayList>();
    qDBusRegisterMetaType<QHash<QString, QByteArrayList>>();
    auto impl = std::make_unique<Impl>();
    impl->interface = probe();
    if (impl->interface == Interface::none) {
        return Result<std::unique_ptr<KWinDisplayLayer>>::failure(
            QStringLiteral("KWin's Night Color does not answer on the session bus"));
    }
    impl->kwinrc = options.kwinrc.isEmpty()
                       ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                             QStringLiteral("/kwinrc")
                       : options.kwinrc;
    impl->capture = CaptureFile(options.capture.isEmpty()
                                    ? CaptureFile::pathFor(QStringLiteral("kwin-night-color.json"))
                                    : options.capture);
    impl->displayLocked = options.displayLocked;
    impl->restoreLeftovers();
    const Where where = whereOf(impl->interface);
    impl->inhibited = std::make_unique<BusFlag>(
        BusFlag::Where{kwinService, where.path, where.interface, QStringLiteral("inhibited")},
        [raw = impl.get()](bool) {
            if (raw->hostHoldChanged) {
                raw->hostHoldChanged();
            }
        });
    return std::unique_ptr<KWinDisplayLayer>(new KWinDisplayLayer(std::move(impl)));
}

KWinDisplayLayer::KWinDisplayLayer(std::unique_ptr<Impl> impl)
    : impl_(std::move(impl)) {
    impl_->hostHoldChanged = [this] { notifyHostHold(); };
}

KWinDisplayLayer::~KWinDisplayLayer() {
    impl_->restore();
}

void KWinDisplayLayer::setTemperature(std::int64_t kelvin) {
    kelvin = std::clamp(kelvin, minTemperature, maxTemperature);
    if (!impl_->original && !impl_->captureOriginal()) {
        return;
    }
    if (impl_->applied != kelvin) {
        impl_->write(kelvin);
    } else {
        impl_->verify();
    }
}

void KWinDisplayLayer::restoreColorSettings() {
    impl_->restore();
}

void KWinDisplayLayer::setScreensWakeHandler(std::function<void()> handler) {
    impl_->wakeHandler = std::move(handler);
}

std::optional<QString> KWinDisplayLayer::hostHold() const {
    if (impl_->isInhibited()) {
        return QStringLiteral("KWin for another program");
    }
    return std::nullopt;
}

QString KWinDisplayLayer::kwinrcPath() const {
    return impl_->kwinrc;
}

QString KWinDisplayLayer::captureFilePath() const {
    return impl_->capture.path();
}

} // namespace torvel
