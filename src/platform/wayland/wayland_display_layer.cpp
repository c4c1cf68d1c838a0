#include "platform/wayland/wayland_display_layer.h"

#include "base/shown_text.h"
#include "base/texts.h"
#include "color/ramp_resample.h"
#include "gamma-control-client.h"
#include "platform/runtime/trouble_report.h"
#include "platform/wayland/gamma_ramp_file.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <QLoggingCategory>
#include <QObject>
#include <QSocketNotifier>
#include <QStringList>
#include <unistd.h>
#include <wayland-client.h>

namespace torvel {

namespace {

// Warnings go to standard error; QT_LOGGING_RULES="torvelbar.*.debug=true"
// shows the rest.
Q_LOGGING_CATEGORY(waylandLog, "torvelbar.wayland", QtWarningMsg)

// Real drivers report 256 to 4096 entries; some have reported garbage, and
// the size decides an allocation and the file we send.
constexpr std::uint32_t maxGammaSize = 65536;

// wl_output version 3 adds `release`, which frees the compositor's side;
// version 4 the output's name (its connector) and description.
constexpr std::uint32_t outputVersion = 4;

struct Connection {
    wl_display* display = nullptr;
    wl_registry* registry = nullptr;

    ~Connection() {
        if (registry) {
            wl_registry_destroy(registry);
        }
        if (display) {
            wl_display_disconnect(display);
        }
    }
};

wl_display* connectTo(const QString& socketName) {
    const QByteArray name = socketName.toLocal8Bit();
    return wl_display_connect(name.isEmpty() ? nullptr : name.constData());
}

// sway and its kin describe an output as "Maker Model Serial (DP-1)": that
// text without the connector names the monitor wherever it is plugged in.
DisplayName outputDisplayName(const QString& connector, const QString& description,
                              const QString& make, const QString& model) {
    QString key = description;
    if (const QString suffix = QStringLiteral(" (%1)").arg(connector);
        !connector.isEmpty() && key.endsWith(suffix)) {
        key.chop(suffix.size());
    }
    const bool modelKnown = !model.isEmpty() && model != u"Unknown";
    const QString readable = modelKnown ? QStringList{make, model}.join(u' ').trimmed() : connector;
    if (key.isEmpty()) {
        key = connector.isEmpty() ? readable : connector;
    }
    return {key, connector, readable.isEmpty() ? key : readable, {}};
}

QString describe(const QString& socketName) {
    return socketName.isEmpty() ? qEnvironmentVariable("WAYLAND_DISPLAY") : socketName;
}

} // namespace

struct WaylandDisplayLayer::Impl {
    struct Output {
        Impl* impl = nullptr;
        std::uint32_t name = 0;
        wl_output* output = nullptr;
        zwlr_gamma_control_v1* control = nullptr;
        std::uint32_t gammaSize = 0; // 0 until the compositor says
        bool refused = false;        // failed since the last reconfiguration
        bool released = false;       // handed back for good, until the next write
        QString connector, description, make, model;
        QString namedAs; // the connector last announced as a change
    };

    Connection connection;
    zwlr_gamma_control_manager_v1* manager = nullptr;
    std::uint32_t managerName = 0;
    std::map<std::uint32_t, std::unique_ptr<Output>> outputs;
    bool started = false; // the first round trip is over

    std::unique_ptr<QSocketNotifier> notifier;
    QObject context;                                  // posted notices die with it
    std::function<void(const DisplayChange&)> notify; // the owning layer's subscribers
    TroubleReport report{waylandLog, Texts::tr("the compositor takes our color again")};

    ~Impl() {
        notifier.reset();
        for (auto& [name, output] : outputs) {
            dropControl(*output);
            releaseOutput(*output);
        }
        if (manager) {
            zwlr_gamma_control_manager_v1_destroy(manager);
        }
        if (!broken()) {
            wl_display_flush(connection.display);
        }
    }

    bool broken() const {
        return connection.display == nullptr || wl_display_get_error(connection.display) != 0;
    }

    static void dropControl(Output& o) {
        if (o.control) {
            zwlr_gamma_control_v1_destroy(o.control);
            o.control = nullptr;
        }
        o.gammaSize = 0;
    }

    static void releaseOutput(Output& o) {
        if (!o.output) {
            return;
        }
        if (wl_output_get_version(o.output) >= WL_OUTPUT_RELEASE_SINCE_VERSION) {
            wl_output_release(o.output);
        } else {
            wl_output_destroy(o.output);
        }
        o.output = nullptr;
    }

    // A reconfiguration gives refused outputs another chance: the holder may
    // have let go, or the output may be a different one now.
    void forgiveRefusals() {
        for (auto& [name, output] : outputs) {
            output->refused = false;
        }
    }

    // Callers' code never runs inside a Wayland dispatch that one of our own
    // calls started; it runs on a later turn of the event loop.
    void post(DisplayId id, DisplayChange::Kind kind) {
        if (!started) {
            return; // the outputs present at connection are no change
        }
        QMetaObject::invokeMethod(
            &context,
            [this, id, kind] {
                if (notify) {
                    notify({id, kind});
                }
            },
            Qt::QueuedConnection);
    }

    std::optional<QString> troubleNow() const {
        if (broken()) {
            return Texts::tr("the connection to the Wayland compositor broke");
        }
        if (!manager) {
            return Texts::tr("the compositor no longer offers gamma control");
        }
        // Outputs not asked yet, or given back by a restore, are no refusal.
        if (outputs.empty() || std::any_of(outputs.begin(), outputs.end(), [](const auto& entry) {
                return !entry.second->refused;
            })) {
            return std::nullopt;
        }
        return Texts::tr("the compositor refused gamma control of every screen (another "
                         "program may hold it)");
    }

    // After the compositor's events or a round trip, whose answers may have
    // refused or given controls; the report tells subscribers on a later turn.
    void lookAtTrouble() { report.set(troubleNow()); }

    void flush() {
        if (!broken()) {
            wl_display_flush(connection.display);
        }
    }

    void dispatch() {
        wl_display* d = connection.display;
        if (!broken()) {
            if (wl_display_prepare_read(d) == 0) {
                wl_display_read_events(d); // does not block: the socket is readable
            }
            wl_display_dispatch_pending(d);
            flush();
        }
        // A closed socket stays readable: stop listening rather than spin.
        if (broken() && notifier) {
            notifier->setEnabled(false);
        }
    }

    // Asks for a control on each output that has none and was not refused,
    // and waits for the answers. Only these listings cost a round trip.
    void takeControls() {
        if (broken() || !manager) {
            return;
        }
        bool asked = false;
        for (auto& [name, output] : outputs) {
            Output& o = *output;
            if (o.control || o.refused || o.released || !o.output) {
                continue;
            }
            o.control = zwlr_gamma_control_manager_v1_get_gamma_control(manager, o.output);
            zwlr_gamma_control_v1_add_listener(o.control, &controlListener, &o);
            asked = true;
        }
        if (asked) {
            wl_display_roundtrip(connection.display);
            lookAtTrouble();
        }
    }

    void addGlobal(std::uint32_t name, const char* interface, std::uint32_t version) {
        wl_registry* registry = connection.registry;
        if (std::strcmp(interface, wl_output_interface.name) == 0) {
            auto o = std::make_unique<Output>();
            o->impl = this;
            o->name = name;
            o->output = static_cast<wl_output*>(wl_registry_bind(
                registry, name, &wl_output_interface, std::min(version, outputVersion)));
            wl_output_add_listener(o->output, &outputListener, o.get());
            outputs[name] = std::move(o);
            forgiveRefusals();
            post(name, DisplayChange::Kind::added);
        } else if (std::strcmp(interface, zwlr_gamma_control_manager_v1_interface.name) == 0 &&
                   !manager) {
            manager = static_cast<zwlr_gamma_control_manager_v1*>(
                wl_registry_bind(registry, name, &zwlr_gamma_control_manager_v1_interface, 1));
            managerName = name;
        }
    }

    void removeGlobal(std::uint32_t name) {
        if (const auto it = outputs.find(name); it != outputs.end()) {
            dropControl(*it->second);
            releaseOutput(*it->second);
            outputs.erase(it);
            forgiveRefusals();
            flush();
            post(name, DisplayChange::Kind::removed);
        } else if (manager && name == managerName) {
            for (auto& [n, output] : outputs) {
                dropControl(*output);
            }
            zwlr_gamma_control_manager_v1_destroy(manager);
            manager = nullptr;
            flush();
        }
    }

    static void onGammaSize(void* data, zwlr_gamma_control_v1*, std::uint32_t size) {
        auto& o = *static_cast<Output*>(data);
        if (size == 0 || size > maxGammaSize) {
            refuse(o);
            return;
        }
        o.gammaSize = size;
    }

    static void onFailed(void* data, zwlr_gamma_control_v1*) {
        refuse(*static_cast<Output*>(data));
    }

    static void refuse(Output& o) {
        dropControl(o);
        o.refused = true;
        o.impl->flush();
    }

    static void onGeometry(void* data, wl_output*, std::int32_t, std::int32_t, std::int32_t,
                           std::int32_t, std::int32_t, const char* make, const char* model,
                           std::int32_t) {
        auto& o = *static_cast<Output*>(data);
        o.make = shownText(QString::fromUtf8(make)).trimmed();
        o.model = shownText(QString::fromUtf8(model)).trimmed();
    }
    static void onName(void* data, wl_output*, const char* name) {
        static_cast<Output*>(data)->connector = shownText(QString::fromUtf8(name));
    }
    static void onDescription(void* data, wl_output*, const char* description) {
        static_cast<Output*>(data)->description = shownText(QString::fromUtf8(description));
    }
    static void onMode(void*, wl_output*, std::uint32_t, std::int32_t, std::int32_t, std::int32_t) {
    }
    // An output renamed is a change: the options by name apply anew.
    static void onDone(void* data, wl_output*) {
        auto& o = *static_cast<Output*>(data);
        if (!o.namedAs.isEmpty() && o.connector != o.namedAs) {
            o.impl->post(o.name, DisplayChange::Kind::changed);
        }
        o.namedAs = o.connector;
    }
    static void onScale(void*, wl_output*, std::int32_t) {}

    static constexpr wl_output_listener outputListener{
        .geometry = &Impl::onGeometry,
        .mode = &Impl::onMode,
        .done = &Impl::onDone,
        .scale = &Impl::onScale,
        .name = &Impl::onName,
        .description = &Impl::onDescription,
    };

    static constexpr zwlr_gamma_control_v1_listener controlListener{
        .gamma_size = &Impl::onGammaSize,
        .failed = &Impl::onFailed,
    };

    static void onGlobal(void* data, wl_registry*, std::uint32_t name, const char* interface,
                         std::uint32_t version) {
        static_cast<Impl*>(data)->addGlobal(name, interface, version);
    }

    static void onGlobalRemove(void* data, wl_registry*, std::uint32_t name) {
        static_cast<Impl*>(data)->removeGlobal(name);
    }

    static constexpr wl_registry_listener registryListener{
        .global = &Impl::onGlobal,
        .global_remove = &Impl::onGlobalRemove,
    };
};

namespace {

// Connects, learns the globals in one round trip and says whether the layer
// can work there; what create() and probe() share.
Result<WaylandDisplayLayer::Probe> connectLayer(WaylandDisplayLayer::Impl& impl,
                                                const QString& socketName) {
    using Probe = WaylandDisplayLayer::Probe;
    impl.connection.display = connectTo(socketName);
    if (!impl.connection.display) {
        return Result<Probe>::failure(
            Texts::tr("cannot connect to the Wayland compositor %1").arg(describe(socketName)));
    }
    impl.connection.registry = wl_display_get_registry(impl.connection.display);
    wl_registry_add_listener(impl.connection.registry, &WaylandDisplayLayer::Impl::registryListener,
                             &impl);
    if (wl_display_roundtrip(impl.connection.display) < 0) {
        return Result<Probe>::failure(
            Texts::tr("the Wayland compositor %1 closed the connection").arg(describe(socketName)));
    }
    return impl.manager ? Probe::usable : Probe::noGammaControl;
}

} // namespace

Result<WaylandDisplayLayer::Probe> WaylandDisplayLayer::probe(const QString& socketName) {
    Impl impl; // binds the globals, touches no ramps, and lets go of them
    return connectLayer(impl, socketName);
}

Result<std::unique_ptr<WaylandDisplayLayer>>
WaylandDisplayLayer::create(const QString& socketName) {
    using Created = Result<std::unique_ptr<WaylandDisplayLayer>>;
    auto impl = std::make_unique<Impl>();
    const auto probed = connectLayer(*impl, socketName);
    if (!probed) {
        return Created::failure(probed.error());
    }
    if (probed.value() != Probe::usable) {
        return Created::failure(
            Texts::tr("this compositor offers no gamma control to applications"));
    }
    // The outputs' names and descriptions, before the first write: the
    // options chosen by name apply to it, and a backlit panel is known.
    if (wl_display_roundtrip(impl->connection.display) < 0) {
        return Created::failure(
            Texts::tr("the Wayland compositor %1 closed the connection").arg(describe(socketName)));
    }
    impl->started = true;
    impl->notifier = std::make_unique<QSocketNotifier>(wl_display_get_fd(impl->connection.display),
                                                       QSocketNotifier::Read);
    Impl* raw = impl.get();
    QObject::connect(impl->notifier.get(), &QSocketNotifier::activated, [raw] {
        raw->dispatch();
        raw->lookAtTrouble();
    });
    return std::unique_ptr<WaylandDisplayLayer>(new WaylandDisplayLayer(std::move(impl)));
}

WaylandDisplayLayer::WaylandDisplayLayer(std::unique_ptr<Impl> impl)
    : impl_(std::move(impl)) {
    impl_->notify = [this](const DisplayChange& change) { notifyReconfiguration(change); };
    // A refusal or a withdrawal can arrive at any time, not only in answer
    // to one of our writes.
    impl_->report.tellOnChange([this] { notifyTrouble(); });
}

std::optional<QString> WaylandDisplayLayer::trouble() const {
    return impl_->troubleNow();
}

WaylandDisplayLayer::~WaylandDisplayLayer() = default;

std::vector<DisplayId> WaylandDisplayLayer::onlineDisplays() {
    impl_->takeControls();
    std::vector<DisplayId> ids;
    if (impl_->broken()) {
        return ids;
    }
    for (const auto& [name, output] : impl_->outputs) {
        if ((output->control && output->gammaSize != 0) || output->released) {
            ids.push_back(name);
        }
    }
    return ids;
}

std::vector<DisplayId> WaylandDisplayLayer::listedDisplays() {
    std::vector<DisplayId> ids;
    for (const auto& [name, output] : impl_->outputs) {
        if (!impl_->broken() && !output->refused) {
            ids.push_back(name);
        }
    }
    return ids;
}

DisplayName WaylandDisplayLayer::nameOf(DisplayId display) {
    const auto it = impl_->outputs.find(display);
    if (it == impl_->outputs.end()) {
        return {};
    }
    return outputDisplayName(it->second->connector, it->second->description, it->second->make,
                             it->second->model);
}

void WaylandDisplayLayer::releaseDisplay(DisplayId display) {
    const auto it = impl_->outputs.find(display);
    if (it == impl_->outputs.end() || it->second->released) {
        return;
    }
    Impl::dropControl(*it->second); // the compositor gives the output its own ramps
    it->second->released = true;
    impl_->flush();
}

void WaylandDisplayLayer::setTransferTable(DisplayId display, std::span<const float> red,
                                           std::span<const float> green,
                                           std::span<const float> blue) {
    const auto it = impl_->outputs.find(display);
    if (impl_->broken() || it == impl_->outputs.end()) {
        return;
    }
    Impl::Output& o = *it->second;
    if (o.released) {
        o.released = false;
        impl_->takeControls();
    }
    if (!o.control || o.gammaSize == 0) {
        return;
    }
    const auto r = resampleRamp(red, o.gammaSize);
    const auto g = resampleRamp(green, o.gammaSize);
    const auto b = resampleRamp(blue, o.gammaSize);
    const UniqueFd file = sealedGammaRampFile(r, g, b);
    if (!file) {
        return;
    }
    // libwayland sends a duplicate of the descriptor, so ours can go now.
    zwlr_gamma_control_v1_set_gamma(o.control, file.get());
    impl_->flush();
}

void WaylandDisplayLayer::restoreColorSettings() {
    for (auto& [name, output] : impl_->outputs) {
        Impl::dropControl(*output);
        output->released = false;
    }
    impl_->flush();
}

std::vector<DisplayId> WaylandDisplayLayer::knownOutputs() const {
    std::vector<DisplayId> out;
    for (const auto& [name, output] : impl_->outputs) {
        out.push_back(name);
    }
    return out;
}

bool WaylandDisplayLayer::connected() const {
    return !impl_->broken();
}

} // namespace torvel
