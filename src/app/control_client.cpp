#include "app/control_client.h"

#include "app/control_service.h"
#include "settings/settings_store.h"

#include <csignal>
#include <cstdio>
#include <memory>
#include <poll.h>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
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

// False when the line could not be written (a reader that went away).
bool say(const QString& line, FILE* to = stdout) {
    std::fputs((line + u'\n').toUtf8().constData(), to);
    return std::fflush(to) == 0 && std::ferror(to) == 0;
}

QDBusMessage call(const QString& method, const QVariantList& args = {}) {
    QDBusMessage m = QDBusMessage::createMethodCall(service, path, interface, method);
    m.setArguments(args);
    return QDBusConnection::sessionBus().call(m, QDBus::Block, 5000);
}

std::optional<QVariantMap> properties() {
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

// pause-for list's lines: each app, then the fullscreen choice.
QString pauseForList(const QStringList& apps, bool fullscreen) {
    QString out;
    for (const QString& id : apps) {
        out += id + u'\n';
    }
    return out + QStringLiteral("fullscreen: ") +
           (fullscreen ? QStringLiteral("on") : QStringLiteral("off"));
}

// The mode and the manual colour go to the settings file when nobody runs:
// the next start uses them.
int saveForNextStart(const Command& c) {
    Preferences preferences(Preferences::defaultPath(), {});
    if (preferences.path().isEmpty()) {
        say(QStringLiteral("torvelbar: TorvelBar is not running, and with neither HOME nor "
                           "XDG_CONFIG_HOME set there is nowhere to save it"),
            stderr);
        return 1;
    }
    SettingsStore settings(preferences);
    QString done;
    if (c.kind == Command::Kind::mode) {
        settings.setMode(*modeFromRawValue(c.mode.toStdString()));
        done = QStringLiteral("it will start in the %1 mode").arg(c.mode);
    } else if (c.kind == Command::Kind::source) {
        settings.setScheduleSource(*sourceFromRawValue(c.source.toStdString()));
        done = QStringLiteral("its schedule will follow %1")
                   .arg(c.source == QLatin1String("sun") ? QStringLiteral("the sun")
                                                         : QStringLiteral("the clock"));
    } else if (c.kind == Command::Kind::pauseFor) {
        if (c.pauseFor == Command::PauseFor::list) {
            say(pauseForList(settings.pauseApps(), settings.pauseFullscreen()));
            return 0; // nothing to save
        }
        if (c.pauseFor == Command::PauseFor::fullscreen) {
            settings.setPauseFullscreen(c.on);
            done = c.on ? QStringLiteral("it will step aside for fullscreen windows")
                        : QStringLiteral("fullscreen windows will not step it aside");
        } else {
            const QStringList apps =
                withPauseApp(settings.pauseApps(), c.appId, c.pauseFor == Command::PauseFor::add);
            if (apps.size() > SettingsStore::maxPauseApps) {
                say(QStringLiteral("torvelbar: at most %1 app ids")
                        .arg(SettingsStore::maxPauseApps),
                    stderr);
                return 2;
            }
            settings.setPauseApps(apps);
            done = QStringLiteral("it will step aside for: %1")
                       .arg(apps.isEmpty() ? QStringLiteral("no app")
                                           : apps.join(QStringLiteral(", ")));
        }
    } else if (c.kind == Command::Kind::location) {
        settings.setLocation(c.location);
        done = c.location ? QStringLiteral("its location is now %1, %2")
                                .arg(c.location->latitude)
                                .arg(c.location->longitude)
                          : QStringLiteral("it will find its location");
    } else {
        settings.setManualKelvin(c.kelvin);
        done = QStringLiteral("its manual colour is now %1 K").arg(c.kelvin);
    }
    // Only what reached the file counts: a change kept in this process alone
    // is lost when it ends.
    if (!preferences.saveError().isEmpty()) {
        say(QStringLiteral("torvelbar: TorvelBar is not running, and nothing was saved: ") +
                preferences.saveError(),
            stderr);
        return 1;
    }
    say(QStringLiteral("TorvelBar is not running; ") + done);
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

// A line now and one at every change, told by the app itself: nothing
// polls. Ends when the app leaves the bus.
int follow(bool json) {
    // Listen first, then read: a change in between is heard, not lost.
    std::optional<QVariantMap> current;
    QString last;
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
        if (const QString line = statusText(*current, json); line != last) {
            last = line;
            if (!say(line)) {
                QCoreApplication::exit(1);
            }
        }
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
    QDBusServiceWatcher gone(service, bus, QDBusServiceWatcher::WatchForUnregistration);
    QObject::connect(&gone, &QDBusServiceWatcher::serviceUnregistered, qApp,
                     &QCoreApplication::quit);
    if (!bus.connect(service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                     QStringLiteral("PropertiesChanged"), &follower, SLOT(changed(QDBusMessage)))) {
        return 1;
    }
    current = properties();
    if (!current) {
        return 1;
    }
    last = statusText(*current, json);
    if (!say(last)) {
        return 1;
    }
    return QCoreApplication::exec();
}

} // namespace

QString statusText(const QVariantMap& p, bool json) {
    const bool tinted = p.value(QStringLiteral("Tinted")).toBool();
    const qlonglong kelvin = p.value(QStringLiteral("Kelvin")).toLongLong();
    const QString status = p.value(QStringLiteral("Status")).toString();
    const QString mode = p.value(QStringLiteral("Mode")).toString();
    const QString phase = p.value(QStringLiteral("Phase")).toString();
    const qlonglong pausedUntil = p.value(QStringLiteral("PausedUntil")).toLongLong();
    if (!json) {
        return tinted ? QStringLiteral("%1 \u00B7 %2 K").arg(status).arg(kelvin) : status;
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
        {QStringLiteral("phase"), phase},
        {QStringLiteral("tinted"), tinted},
        {QStringLiteral("trouble"), trouble},
        {QStringLiteral("pausedUntil"), pausedUntil},
        {QStringLiteral("status"), status},
        {QStringLiteral("text"), text},
        {QStringLiteral("tooltip"), QStringLiteral("TorvelBar: ") + status},
        {QStringLiteral("class"), state},
        {QStringLiteral("alt"), state},
    };
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

int runCommand(const Command& c) {
    using Kind = Command::Kind;
    if (!running()) {
        if (c.kind == Kind::mode || c.kind == Kind::kelvin || c.kind == Kind::source ||
            c.kind == Kind::location || c.kind == Kind::pauseFor) {
            return saveForNextStart(c);
        }
        // Without a bus nobody can tell whether it runs: say which.
        say(QDBusConnection::sessionBus().isConnected()
                ? QStringLiteral("torvelbar: TorvelBar is not running")
                : QStringLiteral("torvelbar: the session bus cannot be reached (%1), so "
                                 "TorvelBar cannot be asked")
                      .arg(QDBusConnection::sessionBus().lastError().message()),
            stderr);
        return 1;
    }
    QDBusMessage reply;
    switch (c.kind) {
    case Kind::status:
        if (c.follow) {
            return follow(c.json);
        }
        if (const auto p = properties()) {
            say(statusText(*p, c.json));
            return 0;
        }
        say(QStringLiteral("torvelbar: TorvelBar did not answer"), stderr);
        return 1;
    case Kind::mode:
        reply = call(QStringLiteral("SetMode"), {c.mode});
        break;
    case Kind::kelvin:
        reply = call(QStringLiteral("SetManualKelvin"), {qlonglong(c.kelvin)});
        break;
    case Kind::pause:
        reply = call(QStringLiteral("Pause"), {uint(c.seconds)});
        break;
    case Kind::resume:
        reply = call(QStringLiteral("Resume"));
        break;
    case Kind::source:
        reply = call(QStringLiteral("SetScheduleSource"), {c.source});
        break;
    case Kind::location:
        reply = c.location ? call(QStringLiteral("SetLocation"),
                                  {c.location->latitude, c.location->longitude})
                           : call(QStringLiteral("ForgetLocation"));
        break;
    case Kind::toggle:
        reply = call(QStringLiteral("Toggle"));
        break;
    case Kind::pauseFor: {
        const auto p = properties();
        if (!p) {
            say(QStringLiteral("torvelbar: TorvelBar did not answer"), stderr);
            return 1;
        }
        const QStringList apps = p->value(QStringLiteral("PauseApps")).toStringList();
        if (c.pauseFor == Command::PauseFor::list) {
            say(pauseForList(apps, p->value(QStringLiteral("PauseFullscreen")).toBool()));
            return 0;
        }
        reply = c.pauseFor == Command::PauseFor::fullscreen
                    ? call(QStringLiteral("SetPauseFullscreen"), {c.on})
                    : call(QStringLiteral("SetPauseApps"),
                           {withPauseApp(apps, c.appId, c.pauseFor == Command::PauseFor::add)});
        break;
    }
    case Kind::start:
    case Kind::help:
    case Kind::version:
        return 2;
    }
    if (reply.type() == QDBusMessage::ErrorMessage) {
        say(QStringLiteral("torvelbar: ") + reply.errorMessage(), stderr);
        return reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.InvalidArgs") ? 2 : 1;
    }
    return 0;
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
