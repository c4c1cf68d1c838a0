#include "platform/linux/logind_backlight.h"

#include "base/texts.h"
#include "platform/linux/system_bus.h"
#include "platform/runtime/capture_file.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QLoggingCategory>

namespace torvel {

Q_LOGGING_CATEGORY(backlightLog, "torvelbar.backlight", QtWarningMsg)

namespace {

constexpr int callTimeoutMs = 2000;

std::optional<std::int64_t> readNumber(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    bool ok = false;
    const std::int64_t value = file.read(32).trimmed().toLongLong(&ok);
    return ok && value >= 0 ? std::optional(value) : std::nullopt;
}

QDBusMessage setBrightness(const QString& device, std::int64_t value) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"),
        QStringLiteral("/org/freedesktop/login1/session/auto"),
        QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("SetBrightness"));
    call << QStringLiteral("backlight") << device << static_cast<uint>(value);
    return call;
}

// A device name as logind takes it, and never a path.
bool isDeviceName(const QString& name) {
    return !name.isEmpty() && name.size() <= 255 && !name.contains(u'/') && name != u"." &&
           name != u"..";
}

struct Record {
    QString device;
    std::int64_t from = 0;
    std::int64_t set = 0;
};

std::optional<Record> readRecord(const QJsonObject& object) {
    const QString device = object.value(QLatin1String("device")).toString();
    const QJsonValue from = object.value(QLatin1String("from"));
    const QJsonValue set = object.value(QLatin1String("set"));
    const auto whole = [](const QJsonValue& v) {
        return v.isDouble() && v.toDouble() >= 0 && v.toDouble() <= 4294967295.0 &&
               v.toDouble() == static_cast<double>(v.toInteger());
    };
    if (!isDeviceName(device) || !whole(from) || !whole(set)) {
        return std::nullopt;
    }
    return Record{device, from.toInteger(), set.toInteger()};
}

} // namespace

QString LogindBacklight::sysfsRoot() {
    const QString set = qEnvironmentVariable("SYSFS_PATH");
    return set.isEmpty() ? QStringLiteral("/sys") : set;
}

std::optional<LogindBacklight::Device> LogindBacklight::findDevice(const QString& sysfs) {
    const QDir folder(sysfs + QStringLiteral("/class/backlight"));
    std::optional<Device> best;
    int bestRank = 0;
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        QFile typeFile(folder.filePath(name + QStringLiteral("/type")));
        const QByteArray type =
            typeFile.open(QIODevice::ReadOnly) ? typeFile.read(32).trimmed() : QByteArray();
        const int rank = type == "firmware" ? 3 : type == "platform" ? 2 : type == "raw" ? 1 : 0;
        if (rank > bestRank && isDeviceName(name) &&
            readNumber(folder.filePath(name + QStringLiteral("/max_brightness"))).value_or(0) > 0) {
            best = Device{name, folder.filePath(name)};
            bestRank = rank;
        }
    }
    return best;
}

QString LogindBacklight::recordPath() {
    return CaptureFile::pathFor(QStringLiteral("backlight.json"));
}

LogindBacklight::LogindBacklight(Device device, QString recordPath,
                                 std::optional<QDBusConnection> bus)
    : device_(std::move(device))
    , recordPath_(std::move(recordPath))
    , bus_(std::move(bus)) {
    adoptLeftover();
    if (!bus_) {
        SystemBus::whenReady(&context_, [this](QDBusConnection ready) {
            bus_ = std::move(ready);
            send();
        });
    }
}

LogindBacklight::~LogindBacklight() {
    // Waiting delivers the answer: its handler runs here, and sends what is
    // still pending (a restore), whose answer is waited for in turn. Each
    // is bounded by the call's timeout.
    while (QDBusPendingCallWatcher* call = inFlight_) {
        call->waitForFinished();
        if (inFlight_ == call) {
            inFlight_ = nullptr; // no handler ran: nothing more comes
        }
    }
    if (pending_ && bus_) {
        bus_->call(setBrightness(device_.name, *pending_), QDBus::Block, callTimeoutMs);
        if (removeRecordWhenSent_) {
            CaptureFile(recordPath_).remove();
        }
    }
}

void LogindBacklight::adoptLeftover() {
    if (recordPath_.isEmpty()) {
        return;
    }
    const CaptureFile file(recordPath_);
    const auto left = file.takeLeftover(/*displayLocked=*/false);
    if (!left) {
        return; // none, or a live process's own
    }
    const auto record = readRecord(*left);
    const auto now = level();
    if (!record || record->device != device_.name || !now || now->value != record->set) {
        file.remove(); // not ours, or someone chose another level since
        return;
    }
    from_ = record->from;
    lastSet_ = record->set;
    saveRecord(); // ours now
}

std::optional<BacklightLevel> LogindBacklight::level() {
    const auto value = readNumber(device_.folder + QStringLiteral("/brightness"));
    const auto max = readNumber(device_.folder + QStringLiteral("/max_brightness"));
    if (!value || !max) {
        return std::nullopt;
    }
    return BacklightLevel{*value, *max};
}

void LogindBacklight::set(std::int64_t value) {
    if (!from_) {
        const auto now = level();
        if (!now) {
            trouble_ = Texts::tr("%1 cannot be read").arg(device_.name);
            return;
        }
        from_ = now->value;
    }
    lastSet_ = value;
    saveRecord();
    pending_ = value;
    removeRecordWhenSent_ = false;
    send();
}

void LogindBacklight::restore() {
    if (!from_) {
        return;
    }
    const auto now = level();
    if (now && lastSet_ && now->value == *lastSet_) {
        pending_ = *from_;
        removeRecordWhenSent_ = true;
        send();
    } else {
        pending_.reset();
        CaptureFile(recordPath_).remove();
    }
    from_.reset();
    lastSet_.reset();
}

void LogindBacklight::forget() {
    from_.reset();
    lastSet_.reset();
    pending_.reset();
    CaptureFile(recordPath_).remove();
}

void LogindBacklight::saveRecord() const {
    if (recordPath_.isEmpty()) {
        return;
    }
    const QJsonObject record{{QStringLiteral("device"), device_.name},
                             {QStringLiteral("from"), static_cast<qint64>(*from_)},
                             {QStringLiteral("set"), static_cast<qint64>(*lastSet_)}};
    if (const Result<void> saved = CaptureFile(recordPath_).save(record); !saved) {
        qCWarning(backlightLog, "no crash safety for the brightness: %s",
                  qUtf8Printable(saved.error()));
    }
}

void LogindBacklight::send() {
    if (!bus_ || inFlight_ || !pending_) {
        return; // sent once the bus answers, or after the set in flight
    }
    const std::int64_t value = *std::exchange(pending_, std::nullopt);
    const bool last = removeRecordWhenSent_;
    inFlight_ = new QDBusPendingCallWatcher(
        bus_->asyncCall(setBrightness(device_.name, value), callTimeoutMs), &context_);
    QObject::connect(inFlight_, &QDBusPendingCallWatcher::finished, &context_,
                     [this, last](QDBusPendingCallWatcher* call) {
                         call->deleteLater();
                         inFlight_ = nullptr;
                         if (call->isError()) {
                             const QString why =
                                 Texts::tr("logind refused: %1").arg(call->error().message());
                             if (trouble_ != why) {
                                 qCWarning(backlightLog, "%s: %s", qUtf8Printable(device_.name),
                                           qUtf8Printable(why));
                             }
                             trouble_ = why;
                         } else {
                             trouble_.reset();
                             if (last) {
                                 CaptureFile(recordPath_).remove();
                             }
                         }
                         send();
                     });
}

} // namespace torvel
