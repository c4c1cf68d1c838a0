#include "app/control_client.h"

#include "app/command_table.h"
#include "app/control_service.h"
#include "base/texts.h"
#include "settings/settings_store.h"
#include "torvelbar1_proxy.h"

#include <csignal>
#include <cstdio>
#include <memory>
#include <poll.h>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QThread>
#include <sys/stat.h>
#include <unistd.h>

namespace torvel {

namespace {

const QString service = QString::fromLatin1(ControlService::serviceName);
const QString path = QString::fromLatin1(ControlService::objectPath);
const QString interface = QString::fromLatin1(ControlService::interfaceName);

std::optional<QVariantMap> allProperties() {
    QDBusMessage m = QDBusMessage::createMethodCall(
        service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    m << interface;
    const QDBusReply<QVariantMap> reply = QDBusConnection::sessionBus().call(m, QDBus::Block, 5000);
    if (!reply.isValid()) {
        return std::nullopt;
    }
    return reply.value();
}

bool running() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered(service);
}

// The change kept in the settings file for the next start, as the row
// says; only what reached the file counts, as a change kept in this process
// alone is lost when it ends.
int saveForNextStart(const CommandRow& row, const Command& c) {
    Preferences preferences(Preferences::defaultPath(), {});
    if (preferences.path().isEmpty()) {
        say(Texts::tr("torvelbar: TorvelBar is not running, and with neither HOME nor "
                      "XDG_CONFIG_HOME set there is nowhere to save it"),
            stderr);
        return 1;
    }
    SettingsStore settings(preferences);
    const Result<QString> done = row.saveForNextStart(c, settings);
    if (!done) {
        say(QStringLiteral("torvelbar: ") + done.error(), stderr);
        return 2;
    }
    if (!preferences.saveError().isEmpty()) {
        say(Texts::tr("torvelbar: TorvelBar is not running, and nothing was saved: %1")
                .arg(preferences.saveError()),
            stderr);
        return 1;
    }
    if (!done.value().isEmpty()) {
        say(Texts::tr("TorvelBar is not running; %1").arg(done.value()));
    }
    return 0;
}

// Hears PropertiesChanged; QtDBus delivers signals to slots only.
class ChangeFollower : public QObject {
    Q_OBJECT
public:
    std::function<void(const QDBusMessage&)> onChange;
public Q_SLOTS:
    void changed(const QDBusMessage& message) { onChange(message); }
};

// What a waybar module shows while the app is not running.
QString notRunningJson() {
    const QJsonObject o{
        {QStringLiteral("text"), Texts::tr("not running")},
        {QStringLiteral("tooltip"), Texts::tr("TorvelBar is not running")},
        {QStringLiteral("class"), QStringLiteral("not-running")},
        {QStringLiteral("alt"), QStringLiteral("not-running")},
    };
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

} // namespace

// Told by the app itself: nothing polls.
int followStatus(bool json) {
    std::optional<QVariantMap> current;
    QString last;
    const auto print = [&](const QString& line) {
        if (line != last) {
            last = line;
            if (!say(line)) {
                QCoreApplication::exit(1);
            }
        }
    };
    ChangeFollower follower;
    follower.onChange = [&](const QDBusMessage& m) {
        if (!current || m.arguments().size() < 2 || m.arguments().at(0).toString() != interface) {
            return;
        }
        const QVariantMap changed = qdbus_cast<QVariantMap>(m.arguments().at(1));
        for (auto it = changed.begin(); it != changed.end(); ++it) {
            current->insert(it.key(), it.value());
        }
        // A change of a property the line does not show prints nothing.
        print(statusText(*current, json));
    };
    // A reader that goes away (a panel reloading its module) ends us at once,
    // not at the next change: the write end of a pipe reports it. (A socket
    // could also turn readable; there a failed write at the next change does.)
    std::signal(SIGPIPE, SIG_IGN);
    std::unique_ptr<QSocketNotifier> readerGone;
    struct stat out {};
    if (::fstat(STDOUT_FILENO, &out) == 0 && S_ISFIFO(out.st_mode)) {
        readerGone = std::make_unique<QSocketNotifier>(STDOUT_FILENO, QSocketNotifier::Read);
        QObject::connect(readerGone.get(), &QSocketNotifier::activated, qApp, [] {
            pollfd p{STDOUT_FILENO, POLLOUT, 0};
            if (::poll(&p, 1, 0) == 1 && (p.revents & (POLLERR | POLLHUP)) != 0) {
                QCoreApplication::exit(0);
            }
        });
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Listen first, then read: a change in between is heard, not lost. The
    // app not running yet is a state a panel shows: a line says so, and the
    // app is followed from the moment it appears, until it leaves.
    if (!bus.connect(service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                     QStringLiteral("PropertiesChanged"), &follower, SLOT(changed(QDBusMessage)))) {
        return 1;
    }
    const auto notRunning = [&] {
        current.reset();
        print(json ? notRunningJson() : Texts::tr("TorvelBar is not running"));
    };
    const auto appeared = [&] {
        if ((current = allProperties())) {
            print(statusText(*current, json));
        } else {
            notRunning();
        }
    };
    QDBusServiceWatcher watcher(service, bus, QDBusServiceWatcher::WatchForOwnerChange);
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceRegistered, qApp, appeared);
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceUnregistered, qApp,
                     &QCoreApplication::quit);
    if (bus.interface()->isServiceRegistered(service)) {
        appeared();
    } else {
        notRunning();
    }
    return QCoreApplication::exec();
}

QString statusText(const QVariantMap& p, bool json) {
    const bool tinted = p.value(QStringLiteral("Tinted")).toBool();
    const qlonglong kelvin = p.value(QStringLiteral("Kelvin")).toLongLong();
    const QString status = p.value(QStringLiteral("Status")).toString();
    const QString mode = p.value(QStringLiteral("Mode")).toString();
    const QString phase = p.value(QStringLiteral("Phase")).toString();
    const qlonglong pausedUntil = p.value(QStringLiteral("PausedUntil")).toLongLong();
    const int brightness = p.value(QStringLiteral("Brightness"), 100).toInt();
    if (!json) {
        const QString dim =
            brightness < 100 ? QStringLiteral(" \u00B7 %1%").arg(brightness) : QString();
        return tinted ? QStringLiteral("%1 \u00B7 %2 K%3").arg(status).arg(kelvin).arg(dim)
                      : status;
    }
    // What a waybar module shows: `alt` picks an icon, `class` a style.
    // Held in a tinting mode: our pause, else a program's or the host's hold.
    const QString trouble = p.value(QStringLiteral("Trouble")).toString();
    QString state = mode;
    if (!trouble.isEmpty()) {
        state = QStringLiteral("trouble");
    } else if (!tinted && mode != QLatin1String("off")) {
        state = pausedUntil != 0 ? QStringLiteral("paused") : QStringLiteral("inhibited");
    } else if (mode == QLatin1String("auto") && !phase.isEmpty()) {
        state = phase;
    }
    const QString text = tinted                         ? QStringLiteral("%1K").arg(kelvin)
                         : mode == QLatin1String("off") ? QStringLiteral("off")
                                                        : state;
    const QJsonObject o{
        {QStringLiteral("mode"), mode},
        {QStringLiteral("kelvin"), kelvin},
        {QStringLiteral("brightness"), brightness},
        {QStringLiteral("phase"), phase},
        {QStringLiteral("tinted"), tinted},
        {QStringLiteral("trouble"), trouble},
        {QStringLiteral("pausedUntil"), pausedUntil},
        {QStringLiteral("settingsSaved"), p.value(QStringLiteral("SettingsSaved"), true).toBool()},
        {QStringLiteral("status"), status},
        {QStringLiteral("text"), text},
        {QStringLiteral("tooltip"), QStringLiteral("TorvelBar: ") + status},
        {QStringLiteral("class"), state},
        {QStringLiteral("alt"), state},
    };
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

QList<QVariantMap> displayList(const QVariant& property) {
    if (property.canConvert<QDBusArgument>()) {
        return qdbus_cast<QList<QVariantMap>>(property.value<QDBusArgument>());
    }
    return property.value<QList<QVariantMap>>();
}

bool say(const QString& line, FILE* to) {
    std::fputs((line + u'\n').toUtf8().constData(), to);
    return std::fflush(to) == 0 && std::ferror(to) == 0;
}

AppConnection::AppConnection()
    : proxy_(std::make_unique<TorvelBar1Proxy>(service, path, QDBusConnection::sessionBus())) {
    qDBusRegisterMetaType<QList<QVariantMap>>();
    proxy_->setTimeout(5000);
}

AppConnection::~AppConnection() = default;

std::optional<QVariantMap> AppConnection::properties() {
    auto all = allProperties();
    if (!all) {
        say(Texts::tr("torvelbar: TorvelBar did not answer"), stderr);
    }
    return all;
}

int AppConnection::finish(QDBusPendingCall call) {
    call.waitForFinished();
    if (!call.isError()) {
        return 0;
    }
    say(QStringLiteral("torvelbar: ") + call.error().message(), stderr);
    return call.error().type() == QDBusError::InvalidArgs ? 2 : 1;
}

int runCommand(const Command& c) {
    const CommandRow* row = commandOf(c.kind);
    if (!row || !row->run) {
        return 2;
    }
    // A follower waits for the app, and follows it across restarts.
    if (c.kind == Command::Kind::status && c.follow &&
        QDBusConnection::sessionBus().isConnected()) {
        return followStatus(c.json);
    }
    if (!running()) {
        if (row->saveForNextStart) {
            return saveForNextStart(*row, c);
        }
        // Without a bus nobody can tell whether it runs: say which.
        say(QDBusConnection::sessionBus().isConnected()
                ? Texts::tr("torvelbar: TorvelBar is not running")
                : Texts::tr("torvelbar: the session bus cannot be reached (%1), so "
                            "TorvelBar cannot be asked")
                      .arg(QDBusConnection::sessionBus().lastError().message()),
            stderr);
        return 1;
    }
    AppConnection app;
    return row->run(c, app);
}

bool askToShowPopover(int waitMs) {
    const QString name = QStringLiteral("torvelbar-handover");
    bool shown = false;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
        for (int waited = 0; bus.isConnected() && waited <= waitMs; waited += 100) {
            QDBusMessage m = QDBusMessage::createMethodCall(service, path, interface,
                                                            QStringLiteral("ShowPopover"));
            m.setAutoStartService(false);
            if (bus.call(m, QDBus::Block, 2000).type() == QDBusMessage::ReplyMessage) {
                shown = true;
                break;
            }
            QThread::msleep(100); // the running one may still be starting
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return shown;
}

} // namespace torvel

#include "control_client.moc"
