#include "support/gnome_session.h"

#include "support/child_process.h"
#include "support/event_loop.h"
#include "support/private_bus.h"

#include <QFile>
#include <QStandardPaths>

namespace torvel::test {

namespace {

const QString schema = QStringLiteral("org.gnome.settings-daemon.plugins.color");
const QString gsdColor = QStringLiteral("/usr/libexec/gsd-color");

} // namespace

GnomeSession::GnomeSession() {
    for (const QString& tool : {QStringLiteral("mutter"), QStringLiteral("gsettings"),
                                QStringLiteral("dconf"), QStringLiteral("gdbus")}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            error_ = tool + QStringLiteral(" is not installed");
            return;
        }
    }
    if (!QFile::exists(gsdColor)) {
        error_ =
            QStringLiteral("gsd-color is not installed (Debian package gnome-settings-daemon)");
        return;
    }
    // The bus starts dconf's service on demand with the bus's own
    // environment: that is where the private config folder must be named.
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    bus_ = std::make_unique<PrivateBus>(env);
    if (!bus_->running()) {
        error_ = QStringLiteral("dbus-daemon did not start");
        return;
    }
    busAddress_ = bus_->address();

    const QProcessEnvironment session = environment();
    mutter_.setProcessEnvironment(session);
    endWithTest(mutter_);
    mutter_.setStandardOutputFile(runtime_.file(QStringLiteral("mutter.log")));
    mutter_.setStandardErrorFile(runtime_.file(QStringLiteral("mutter.log")));
    mutter_.start(QStringLiteral("mutter"),
                  {QStringLiteral("--headless"), QStringLiteral("--wayland"),
                   QStringLiteral("--no-x11"), QStringLiteral("--virtual-monitor"),
                   QStringLiteral("800x600"), QStringLiteral("--wayland-display"),
                   waylandDisplay()});
    if (!spinUntil([&] { return QFile::exists(runtime_.file(waylandDisplay())); }, 15000)) {
        error_ = QStringLiteral("mutter did not start");
        return;
    }
    auto gsdEnv = session;
    gsdEnv.insert(QStringLiteral("WAYLAND_DISPLAY"), waylandDisplay());
    gsd_.setProcessEnvironment(gsdEnv);
    endWithTest(gsd_);
    gsd_.setStandardOutputFile(runtime_.file(QStringLiteral("gsd.log")));
    gsd_.setStandardErrorFile(runtime_.file(QStringLiteral("gsd.log")));
    gsd_.start(gsdColor, {});
    const bool up = spinUntil(
        [&] {
            return run(QStringLiteral("gdbus"),
                       {QStringLiteral("introspect"), QStringLiteral("--session"),
                        QStringLiteral("--dest"), QStringLiteral("org.gnome.SettingsDaemon.Color"),
                        QStringLiteral("--object-path"),
                        QStringLiteral("/org/gnome/SettingsDaemon/Color")})
                .contains(QStringLiteral("DisabledUntilTomorrow"));
        },
        15000);
    if (!up) {
        error_ = QStringLiteral("gsd-color did not come up on the bus");
    }
}

GnomeSession::~GnomeSession() {
    stopProcesses({&gsd_, &mutter_});
    bus_.reset();
}

void GnomeSession::enterThisProcess() const {
    const auto env = environment();
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "DBUS_SESSION_BUS_ADDRESS", "GSETTINGS_BACKEND"}) {
        qputenv(name, env.value(QString::fromLatin1(name)).toUtf8());
    }
}

QProcessEnvironment GnomeSession::environment() const {
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress_);
    env.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("dconf"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

QString GnomeSession::run(const QString& program, const QStringList& args) const {
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString GnomeSession::get(const QString& key) const {
    return run(QStringLiteral("gsettings"), {QStringLiteral("get"), schema, key});
}

void GnomeSession::set(const QString& key, const QString& value) const {
    run(QStringLiteral("gsettings"), {QStringLiteral("set"), schema, key, value});
}

void GnomeSession::reset(const QString& key) const {
    run(QStringLiteral("gsettings"), {QStringLiteral("reset"), schema, key});
}

bool GnomeSession::hasUserValue(const QString& key) const {
    return !run(QStringLiteral("dconf"),
                {QStringLiteral("read"),
                 QStringLiteral("/org/gnome/settings-daemon/plugins/color/") + key})
                .isEmpty();
}

void GnomeSession::setDisabledUntilTomorrow(bool disabled) const {
    run(QStringLiteral("gdbus"),
        {QStringLiteral("call"), QStringLiteral("--session"), QStringLiteral("--dest"),
         QStringLiteral("org.gnome.SettingsDaemon.Color"), QStringLiteral("--object-path"),
         QStringLiteral("/org/gnome/SettingsDaemon/Color"), QStringLiteral("--method"),
         QStringLiteral("org.freedesktop.DBus.Properties.Set"),
         QStringLiteral("org.gnome.SettingsDaemon.Color"), QStringLiteral("DisabledUntilTomorrow"),
         disabled ? QStringLiteral("<true>") : QStringLiteral("<false>")});
}

} // namespace torvel::test
