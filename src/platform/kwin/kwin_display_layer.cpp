#include "platform/kwin/kwin_display_layer.h"

#include "base/private_file.h"
#include "base/texts.h"
#include "color/kelvin.h"
#include "platform/kwin/kconfig_group.h"
#include "platform/kwin/kwin_log.h"
#include "platform/kwin/kwinrc_guard.h"
#include "platform/linux/bus_flag.h"
#include "platform/runtime/host_state_guard.h"
#include "platform/runtime/trouble_report.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <sys/stat.h>

namespace torvel {

Q_LOGGING_CATEGORY(kwinLog, "torvelbar.kwin", QtWarningMsg)

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

    // The lines are the file's bytes, one character each. Records from
    // before that say nothing of it and hold the lines read as UTF-8.
    QJsonObject toJson() const {
        QJsonObject o;
        o[QStringLiteral("lines")] = QStringLiteral("bytes");
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
        const bool bytes = o.value(QStringLiteral("lines")).toString() == QLatin1String("bytes");
        Original out{existed.toBool(), std::nullopt};
        if (lines.isArray()) {
            out.lines.emplace();
            for (const QJsonValue v : lines.toArray()) {
                if (!v.isString()) {
                    return std::nullopt;
                }
                out.lines->append(bytes ? v.toString()
                                        : QString::fromLatin1(v.toString().toUtf8()));
            }
        }
        return out;
    }
};

struct ConfigText {
    bool exists = false;
    QString text; // the bytes, one character each (Latin-1): nothing is re-encoded
};

// Where kwinrc's bytes live: the path itself, or a link's target, which
// is written through as KConfig does (dotfile managers link kwinrc).
Result<QString> configTarget(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        return path;
    }
    const QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty()) {
        return Result<QString>::failure(Texts::tr("kwinrc is a link to nothing"));
    }
    return target;
}

// A failure when the file is there but is not a regular file we can read
// whole: writing it then would lose the user's settings, and opening a
// FIFO would block for good.
Result<ConfigText> readConfig(const QString& target) {
    switch (pathKind(target)) {
    case PathKind::missing:
        return ConfigText{};
    case PathKind::other:
        return Result<ConfigText>::failure(Texts::tr("kwinrc is not a regular file"));
    case PathKind::regularFile:
        break;
    }
    if (QFileInfo(target).size() > maxConfigSize) {
        return Result<ConfigText>::failure(Texts::tr("kwinrc is larger than 16 MiB"));
    }
    const auto bytes = readRegularFile(target, maxConfigSize);
    if (!bytes) {
        return Result<ConfigText>::failure(Texts::tr("kwinrc cannot be read"));
    }
    return ConfigText{true, QString::fromLatin1(*bytes)};
}

Result<void> writeConfig(const QString& target, const QString& text) {
    struct stat st {};
    const int mode = ::stat(QFile::encodeName(target).constData(), &st) == 0
                         ? static_cast<int>(st.st_mode & 0777)
                         : 0600;
    if (!replaceFile(target, text.toLatin1(), mode)) {
        return Result<void>::failure(Texts::tr("kwinrc cannot be written (%1)")
                                         .arg(QString::fromLocal8Bit(std::strerror(errno))));
    }
    return Result<void>::success();
}

} // namespace

struct KWinDisplayLayer::Impl {
    Interface interface = Interface::none;
    QString kwinrc;
    // The user's group from before our first change.
    std::optional<HostStateGuard<Original>> guard;
    bool tellKWinOnRestore = true;
    std::optional<std::int64_t> applied; // what kwinrc holds from us
    QElapsedTimer sinceWrite;
    std::unique_ptr<QDBusPendingCallWatcher> check; // at most one in flight
    // Another program holds Night Color off through KWin (its inhibit()):
    // KWin shows 6500 K whatever kwinrc says, until it lets go.
    std::unique_ptr<BusFlag> inhibited;
    std::function<void()> hostHoldChanged;
    // Why our colour cannot reach KWin.
    TroubleReport trouble{kwinLog, Texts::tr("kwinrc takes our color again")};
    QObject context; // queued notices and the watcher die with the layer
    std::unique_ptr<QDBusServiceWatcher> kwinGone;

    bool isInhibited() const { return inhibited && inhibited->value(); }

    // kwinrc's bytes and where they live; a failure becomes the trouble.
    std::optional<std::pair<QString, ConfigText>> readNow() {
        const Result<QString> target = configTarget(kwinrc);
        if (!target) {
            trouble.set(target.error());
            return std::nullopt;
        }
        Result<ConfigText> config = readConfig(target.value());
        if (!config) {
            trouble.set(config.error());
            return std::nullopt;
        }
        return std::pair{target.value(), std::move(config.value())};
    }

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

    std::optional<Original> readOriginal() {
        const auto config = readNow();
        if (!config) {
            return std::nullopt;
        }
        return Original{config->second.exists, groupLines(config->second.text, group)};
    }

    void makeGuard(const QString& recordPath, bool displayLocked) {
        guard.emplace(HostStateGuard<Original>::Options{.recordPath = recordPath,
                                                        .displayLocked = displayLocked},
                      HostStateGuard<Original>::Hooks{
                          .read = [this] { return readOriginal(); },
                          .write = [this](const Original& o) { return giveBack(o); },
                          .toRecord = [](const Original& o) { return o.toJson(); },
                          .fromRecord = Original::fromJson});
    }

    void write(std::int64_t kelvin) {
        const auto config = readNow();
        if (!config) {
            return;
        }
        const QString& before = config->second.text;
        const QStringList lines =
            withEntries(groupLines(before, group).value_or(QStringList()),
                        {{QStringLiteral("Active"), QStringLiteral("true")},
                         {QStringLiteral("Mode"), QStringLiteral("Constant")},
                         {QStringLiteral("NightTemperature"), QString::number(kelvin)}});
        const QString text = withGroupLines(before, group, lines);
        if (text != before) {
            if (const Result<void> done = writeConfig(config->first, text); !done) {
                trouble.set(done.error());
                return;
            }
        }
        trouble.set(std::nullopt);
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

    // The user's group back in kwinrc; false when the file could not be
    // written (the record then stays for the next start).
    bool giveBack(const Original& original) {
        const auto config = readNow();
        if (!config) {
            return false;
        }
        const QString& now = config->second.text;
        QStringList keys = entryKeys(groupLines(now, group).value_or(QStringList()));
        for (const QString& k : entryKeys(original.lines.value_or(QStringList()))) {
            if (!keys.contains(k)) {
                keys << k;
            }
        }
        const QString text = withGroupLines(now, group, original.lines);
        const bool removeFile = !original.fileExisted && text.trimmed().isEmpty();
        const bool done = text == now || (removeFile ? QFile::remove(config->first)
                                                     : bool(writeConfig(config->first, text)));
        if (done && tellKWinOnRestore) {
            announce(keys.isEmpty() ? QStringList{QStringLiteral("Active")} : keys);
        }
        return done;
    }

    // `tellKWin` false when KWin is gone or the process is on its way out
    // and the bus may be too.
    void restore(bool tellKWin = true) {
        check.reset();
        tellKWinOnRestore = tellKWin;
        guard->restore();
        tellKWinOnRestore = true;
        applied.reset();
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
            Texts::tr("KWin's Night Color does not answer on the session bus"));
    }
    impl->kwinrc = options.kwinrc.isEmpty() ? defaultKwinrc() : options.kwinrc;
    impl->makeGuard(options.capture.isEmpty() ? defaultRecordPath() : options.capture,
                    options.displayLocked);
    impl->guard->replayLeftover();
    const Where where = whereOf(impl->interface);
    impl->inhibited = std::make_unique<BusFlag>(
        BusFlag::Where{kwinService, where.path, where.interface, QStringLiteral("inhibited")},
        [raw = impl.get()](bool) {
            if (raw->hostHoldChanged) {
                raw->hostHoldChanged();
            }
        });
    // KWin gone (crashed, or the session ends): the user's group goes back
    // at once, so the KWin that starts next reads their own settings.
    impl->kwinGone = std::make_unique<QDBusServiceWatcher>(
        kwinService, QDBusConnection::sessionBus(), QDBusServiceWatcher::WatchForUnregistration);
    QObject::connect(impl->kwinGone.get(), &QDBusServiceWatcher::serviceUnregistered,
                     &impl->context, [raw = impl.get()] { raw->restore(/*tellKWin=*/false); });
    if (!options.guardProgram.isEmpty() && !impl->guard->recordPath().isEmpty()) {
        kwinrcGuard::start(options.guardProgram, impl->kwinrc, impl->guard->recordPath());
    }
    return std::unique_ptr<KWinDisplayLayer>(new KWinDisplayLayer(std::move(impl)));
}

KWinDisplayLayer::KWinDisplayLayer(std::unique_ptr<Impl> impl)
    : impl_(std::move(impl)) {
    impl_->hostHoldChanged = [this] { notifyHostHold(); };
    impl_->trouble.tellOnChange([this] { notifyTrouble(); });
}

KWinDisplayLayer::~KWinDisplayLayer() {
    impl_->restore();
}

void KWinDisplayLayer::giveBackAfter(std::int64_t ownerPid, const QString& kwinrc,
                                     const QString& capture) {
    qDBusRegisterMetaType<QByteArrayList>();
    qDBusRegisterMetaType<QHash<QString, QByteArrayList>>();
    Impl impl;
    impl.kwinrc = kwinrc;
    impl.makeGuard(capture, /*displayLocked=*/false);
    // Given back already, or a newer start's own: then nothing happens.
    impl.guard->replayRecordOf(ownerPid);
}

void KWinDisplayLayer::setTemperature(std::int64_t kelvin) {
    kelvin = clampKelvin(kelvin);
    if (!impl_->guard->captureBeforeChange()) {
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

std::optional<QString> KWinDisplayLayer::trouble() const {
    return impl_->trouble.current();
}

std::optional<QString> KWinDisplayLayer::hostHold() const {
    if (impl_->isInhibited()) {
        return Texts::tr("KWin for another program");
    }
    return std::nullopt;
}

QString KWinDisplayLayer::defaultKwinrc() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kwinrc");
}

QString KWinDisplayLayer::defaultRecordPath() {
    return CaptureFile::pathFor(QStringLiteral("kwin-night-color.json"));
}

bool KWinDisplayLayer::isRecordOf(const QString& path, std::int64_t ownerPid) {
    const auto record = CaptureFile(path).load();
    return record && record->pid == ownerPid && Original::fromJson(record->state).has_value();
}

QString KWinDisplayLayer::kwinrcPath() const {
    return impl_->kwinrc;
}

QString KWinDisplayLayer::captureFilePath() const {
    return impl_->guard->recordPath();
}

} // namespace torvel
