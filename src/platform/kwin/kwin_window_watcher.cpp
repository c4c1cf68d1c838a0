#include "platform/kwin/kwin_window_watcher.h"

#include "base/private_file.h"
#include "base/texts.h"
#include "platform/kwin/kwin_log.h"
#include "platform/runtime/runtime_dir.h"

#include <cerrno>
#include <cstring>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVirtualObject>
#include <QFile>
#include <utility>

namespace torvel {

namespace {

const QString kwinService = QStringLiteral("org.kde.KWin");
const QString scripting = QStringLiteral("org.kde.kwin.Scripting");
const QString frontInterface = QStringLiteral("org.torvelbar.FrontWindow");
constexpr int stopTimeoutMs = 1000;
// Longer names are cut: no caller makes us keep more.
constexpr int maxNameLength = 256;

// KWin 6 names the active window activeWindow and announces it with
// windowActivated; KWin 5 says activeClient and clientActivated. On
// Wayland resourceClass is the app_id, on Xwayland WM_CLASS's class.
QByteArray scriptText(const QString& service, const QString& path) {
    return QStringLiteral(R"js(var service = "%1", path = "%2", iface = "%3";
function activeWindow() {
    return workspace.activeWindow !== undefined ? workspace.activeWindow : workspace.activeClient;
}
function report() {
    var w = activeWindow();
    if (!w) {
        callDBus(service, path, iface, "Front", "", "", "", false);
        return;
    }
    callDBus(service, path, iface, "Front", String(w.resourceClass || ""),
             String(w.resourceName || ""), String(w.desktopFileName || ""), w.fullScreen === true);
}
var followed = null;
function follow() {
    if (followed) {
        followed.fullScreenChanged.disconnect(report);
    }
    followed = activeWindow();
    if (followed) {
        followed.fullScreenChanged.connect(report);
    }
    report();
}
(workspace.windowActivated || workspace.clientActivated).connect(follow);
follow();
)js")
        .arg(service, path, frontInterface)
        .toUtf8();
}

QDBusMessage scriptingCall(const QString& method, const QVariantList& args) {
    QDBusMessage m = QDBusMessage::createMethodCall(kwinService, QStringLiteral("/Scripting"),
                                                    scripting, method);
    m.setArguments(args);
    return m;
}

} // namespace

struct KWinWindowWatcher::Impl final : QDBusVirtualObject {
    QDBusConnection bus;
    QString folder;
    QString scriptPath;
    std::function<void()> changed;
    std::optional<FrontWindow> front;
    bool running = false;
    bool registered = false;
    int generation = 0; // answers to an older load are dropped
    QString kwinOwner;  // the only caller we hear
    std::unique_ptr<QDBusServiceWatcher> kwinWatch;

    Impl(QDBusConnection connection, QString scripts)
        : bus(std::move(connection))
        , folder(std::move(scripts)) {}

    QString introspect(const QString&) const override {
        return QStringLiteral("<interface name=\"%1\"><method name=\"Front\">"
                              "<arg type=\"s\" direction=\"in\"/><arg type=\"s\" direction=\"in\"/>"
                              "<arg type=\"s\" direction=\"in\"/><arg type=\"b\" direction=\"in\"/>"
                              "</method></interface>")
            .arg(frontInterface);
    }

    bool handleMessage(const QDBusMessage& m, const QDBusConnection&) override {
        if (m.interface() != frontInterface || m.member() != QLatin1String("Front") ||
            m.signature() != QLatin1String("sssb")) {
            return false;
        }
        if (m.service() != kwinOwner) {
            bus.send(m.createErrorReply(QDBusError::AccessDenied, QStringLiteral("KWin only")));
            return true;
        }
        const QVariantList a = m.arguments();
        FrontWindow window;
        for (int i = 0; i < 3; ++i) {
            const QString name = a.at(i).toString().left(maxNameLength);
            if (!name.isEmpty() && !window.appIds.contains(name)) {
                window.appIds.append(name);
            }
        }
        window.fullscreen = a.at(3).toBool();
        bus.send(m.createReply());
        QMetaObject::invokeMethod(this, [this, window = std::move(window)] {
            setFront(window.appIds.isEmpty() ? std::nullopt : std::optional(window));
        });
        return true;
    }

    void setFront(std::optional<FrontWindow> now) {
        if (!running || now == front) {
            return;
        }
        front = std::move(now);
        changed();
    }

    void then(const QDBusMessage& call, std::function<void(const QDBusMessage&)> next) {
        auto* w = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
        QObject::connect(w, &QDBusPendingCallWatcher::finished, this,
                         [this, w, g = generation, next = std::move(next)] {
                             w->deleteLater();
                             if (running && g == generation) {
                                 next(w->reply());
                             }
                         });
    }

    // One left by a crashed run would keep its name, so it goes first.
    void load() {
        ++generation;
        kwinOwner = bus.interface()->serviceOwner(kwinService).value();
        if (kwinOwner.isEmpty()) {
            return; // KWin's arrival loads it
        }
        then(scriptingCall(QStringLiteral("unloadScript"), {KWinWindowWatcher::scriptName()}),
             [this](const QDBusMessage&) {
                 then(scriptingCall(QStringLiteral("loadScript"),
                                    {scriptPath, KWinWindowWatcher::scriptName()}),
                      [this](const QDBusMessage& loaded) { run(loaded); });
             });
    }

    // A loaded script's own object cannot be trusted to be ours: KWin
    // numbers scripts by how many are loaded, so after an unload the new
    // one's path can be another's. Starting the scripting runs every loaded
    // script not yet running, ours among them.
    void run(const QDBusMessage& loaded) {
        const int id = loaded.arguments().value(0, -1).toInt();
        if (loaded.type() != QDBusMessage::ReplyMessage || id < 0) {
            qCWarning(kwinLog).noquote()
                << "KWin did not load the window script:" << loaded.errorMessage();
            return;
        }
        then(scriptingCall(QStringLiteral("start"), {}), [](const QDBusMessage& started) {
            if (started.type() == QDBusMessage::ErrorMessage) {
                qCWarning(kwinLog).noquote()
                    << "KWin did not run the window script:" << started.errorMessage();
            }
        });
    }
};

KWinWindowWatcher::KWinWindowWatcher(QDBusConnection bus, QString scriptFolder)
    : impl_(std::make_unique<Impl>(std::move(bus), std::move(scriptFolder))) {}

KWinWindowWatcher::~KWinWindowWatcher() {
    stop();
}

void KWinWindowWatcher::start(std::function<void()> changed) {
    Impl& d = *impl_;
    if (d.running) {
        return;
    }
    const QString folder = d.folder.isEmpty() ? privateRuntimeDir() : d.folder;
    if (folder.isEmpty() || !d.bus.isConnected()) {
        qCWarning(kwinLog).noquote()
            << "Cannot follow the window in front:"
            << (folder.isEmpty() ? runtimeDirProblem() : Texts::tr("no session bus"));
        return;
    }
    d.scriptPath = folder + QStringLiteral("/kwin-front-window.js");
    if (!replaceFile(d.scriptPath, scriptText(d.bus.baseService(), objectPath()))) {
        qCWarning(kwinLog, "Cannot follow the window in front: %s cannot be written (%s)",
                  qUtf8Printable(d.scriptPath), std::strerror(errno));
        return;
    }
    if (!d.bus.registerVirtualObject(objectPath(), &d)) {
        qCWarning(kwinLog, "Cannot follow the window in front: %s is taken on the bus",
                  qUtf8Printable(objectPath()));
        return;
    }
    d.registered = true;
    d.running = true;
    d.changed = std::move(changed);
    d.kwinWatch = std::make_unique<QDBusServiceWatcher>(
        kwinService, d.bus,
        QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration);
    QObject::connect(d.kwinWatch.get(), &QDBusServiceWatcher::serviceRegistered, &d,
                     [&d] { d.load(); });
    QObject::connect(d.kwinWatch.get(), &QDBusServiceWatcher::serviceUnregistered, &d, [&d] {
        d.kwinOwner.clear();
        d.setFront(std::nullopt);
    });
    d.load();
}

void KWinWindowWatcher::stop() {
    Impl& d = *impl_;
    if (!d.running) {
        return;
    }
    d.running = false;
    ++d.generation;
    d.kwinWatch.reset();
    if (!d.kwinOwner.isEmpty()) {
        d.bus.call(scriptingCall(QStringLiteral("unloadScript"), {scriptName()}), QDBus::Block,
                   stopTimeoutMs);
    }
    if (d.registered) {
        d.bus.unregisterObject(objectPath());
        d.registered = false;
    }
    QFile::remove(d.scriptPath);
    d.front.reset();
    d.changed = nullptr;
}

std::optional<FrontWindow> KWinWindowWatcher::front() const {
    return impl_->front;
}

} // namespace torvel
