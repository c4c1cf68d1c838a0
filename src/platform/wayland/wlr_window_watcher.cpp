#include "platform/wayland/wlr_window_watcher.h"

#include "foreign-toplevel-client.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <QSocketNotifier>
#include <wayland-client.h>

namespace torvel {

struct WlrWindowWatcher::Impl {
    struct Window {
        Impl* owner = nullptr;
        zwlr_foreign_toplevel_handle_v1* handle = nullptr;
        QString appId, pendingAppId;
        bool activated = false, fullscreen = false;
        bool pendingActivated = false, pendingFullscreen = false;
        std::vector<wl_output*> outputs; // the outputs it is shown on
    };
    struct Output {
        std::uint32_t global = 0;
        QString connector; // wl_output 4's name
    };

    wl_display* display = nullptr;
    wl_registry* registry = nullptr;
    zwlr_foreign_toplevel_manager_v1* manager = nullptr;
    std::map<zwlr_foreign_toplevel_handle_v1*, std::unique_ptr<Window>> windows;
    std::map<wl_output*, Output> outputs;
    std::optional<FrontWindow> front;
    std::function<void()> changed;
    std::unique_ptr<QSocketNotifier> notifier;

    ~Impl() {
        notifier.reset();
        for (auto& [handle, window] : windows) {
            zwlr_foreign_toplevel_handle_v1_destroy(handle);
        }
        if (manager) {
            zwlr_foreign_toplevel_manager_v1_destroy(manager);
        }
        for (auto& [output, known] : outputs) {
            releaseOutput(output);
        }
        if (registry) {
            wl_registry_destroy(registry);
        }
        if (display) {
            wl_display_disconnect(display);
        }
    }

    bool broken() const { return display == nullptr || wl_display_get_error(display) != 0; }

    void refresh() {
        std::optional<FrontWindow> now;
        for (const auto& [handle, w] : windows) {
            if (w->activated) {
                QStringList on;
                for (wl_output* output : w->outputs) {
                    if (const auto known = outputs.find(output);
                        known != outputs.end() && !known->second.connector.isEmpty()) {
                        on << known->second.connector;
                    }
                }
                on.sort();
                now = FrontWindow{w->appId.isEmpty() ? QStringList() : QStringList{w->appId},
                                  w->fullscreen, std::nullopt, on};
                break;
            }
        }
        if (now != front) {
            front = std::move(now);
            if (changed) {
                changed();
            }
        }
    }

    void dispatch() {
        if (!broken()) {
            if (wl_display_prepare_read(display) == 0) {
                wl_display_read_events(display); // does not block: the socket is readable
            }
            wl_display_dispatch_pending(display);
            wl_display_flush(display);
        }
        // A closed socket stays readable: stop listening rather than spin.
        if (broken() && notifier) {
            notifier->setEnabled(false);
        }
    }

    static void title(void*, zwlr_foreign_toplevel_handle_v1*, const char*) {}
    static void appId(void* data, zwlr_foreign_toplevel_handle_v1*, const char* id) {
        static_cast<Window*>(data)->pendingAppId = QString::fromUtf8(id);
    }
    static void outputEnter(void* data, zwlr_foreign_toplevel_handle_v1*, wl_output* output) {
        auto& on = static_cast<Window*>(data)->outputs;
        if (std::find(on.begin(), on.end(), output) == on.end()) {
            on.push_back(output);
        }
    }
    static void outputLeave(void* data, zwlr_foreign_toplevel_handle_v1*, wl_output* output) {
        std::erase(static_cast<Window*>(data)->outputs, output);
    }
    static void state(void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states) {
        auto* w = static_cast<Window*>(data);
        w->pendingActivated = w->pendingFullscreen = false;
        const std::size_t n = states->size / sizeof(uint32_t);
        for (std::size_t i = 0; i < n; ++i) {
            uint32_t s = 0;
            std::memcpy(&s, static_cast<const char*>(states->data) + i * sizeof s, sizeof s);
            w->pendingActivated |= s == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
            w->pendingFullscreen |= s == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_FULLSCREEN;
        }
    }
    static void done(void* data, zwlr_foreign_toplevel_handle_v1*) {
        auto* w = static_cast<Window*>(data);
        w->appId = w->pendingAppId;
        w->activated = w->pendingActivated;
        w->fullscreen = w->pendingFullscreen;
        w->owner->refresh();
    }
    static void closed(void* data, zwlr_foreign_toplevel_handle_v1* handle) {
        Impl* owner = static_cast<Window*>(data)->owner;
        owner->windows.erase(handle); // `data` is gone with it
        zwlr_foreign_toplevel_handle_v1_destroy(handle);
        owner->refresh();
    }
    static void parent(void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {}
    static constexpr zwlr_foreign_toplevel_handle_v1_listener handleListener{
        title, appId, outputEnter, outputLeave, state, done, closed, parent};

    static void toplevel(void* data, zwlr_foreign_toplevel_manager_v1*,
                         zwlr_foreign_toplevel_handle_v1* handle) {
        auto* self = static_cast<Impl*>(data);
        auto window = std::make_unique<Window>();
        window->owner = self;
        window->handle = handle;
        zwlr_foreign_toplevel_handle_v1_add_listener(handle, &handleListener, window.get());
        self->windows[handle] = std::move(window);
    }
    static void finished(void* data, zwlr_foreign_toplevel_manager_v1* manager) {
        auto* self = static_cast<Impl*>(data);
        zwlr_foreign_toplevel_manager_v1_destroy(manager);
        self->manager = nullptr;
    }
    static constexpr zwlr_foreign_toplevel_manager_v1_listener managerListener{toplevel, finished};

    static void releaseOutput(wl_output* output) {
        if (wl_output_get_version(output) >= WL_OUTPUT_RELEASE_SINCE_VERSION) {
            wl_output_release(output);
        } else {
            wl_output_destroy(output);
        }
    }
    static void outputName(void* data, wl_output* output, const char* name) {
        auto* self = static_cast<Impl*>(data);
        if (const auto known = self->outputs.find(output); known != self->outputs.end()) {
            known->second.connector = QString::fromUtf8(name);
        }
    }
    static void outputGeometry(void*, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t,
                               const char*, const char*, int32_t) {}
    static void outputMode(void*, wl_output*, uint32_t, int32_t, int32_t, int32_t) {}
    static void outputDone(void*, wl_output*) {}
    static void outputScale(void*, wl_output*, int32_t) {}
    static void outputDescription(void*, wl_output*, const char*) {}
    static constexpr wl_output_listener outputListener{
        outputGeometry, outputMode, outputDone, outputScale, outputName, outputDescription};

    static void global(void* data, wl_registry* registry, uint32_t name, const char* interface,
                       uint32_t version) {
        auto* self = static_cast<Impl*>(data);
        // Outputs only for their names: which displays the window in front is on.
        if (std::strcmp(interface, wl_output_interface.name) == 0 &&
            version >= WL_OUTPUT_NAME_SINCE_VERSION) {
            auto* output = static_cast<wl_output*>(wl_registry_bind(
                registry, name, &wl_output_interface, WL_OUTPUT_NAME_SINCE_VERSION));
            wl_output_add_listener(output, &outputListener, self);
            self->outputs[output] = Output{name, {}};
            return;
        }
        if (!self->manager &&
            std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) == 0) {
            // Version 2 brought the fullscreen state; 3 is what we know.
            self->manager = static_cast<zwlr_foreign_toplevel_manager_v1*>(
                wl_registry_bind(registry, name, &zwlr_foreign_toplevel_manager_v1_interface,
                                 std::min<uint32_t>(version, 3)));
            zwlr_foreign_toplevel_manager_v1_add_listener(self->manager, &managerListener, self);
        }
    }
    static void globalRemove(void* data, wl_registry*, uint32_t name) {
        auto* self = static_cast<Impl*>(data);
        for (auto it = self->outputs.begin(); it != self->outputs.end(); ++it) {
            if (it->second.global == name) {
                for (auto& [handle, window] : self->windows) {
                    std::erase(window->outputs, it->first);
                }
                releaseOutput(it->first);
                self->outputs.erase(it);
                self->refresh();
                return;
            }
        }
    }
    static constexpr wl_registry_listener registryListener{global, globalRemove};
};

WlrWindowWatcher::WlrWindowWatcher(QString socketName)
    : socketName_(std::move(socketName)) {}

WlrWindowWatcher::~WlrWindowWatcher() = default;

void WlrWindowWatcher::start(std::function<void()> changed) {
    if (impl_) {
        impl_->changed = std::move(changed);
        return;
    }
    auto impl = std::make_unique<Impl>();
    const QByteArray name = socketName_.toLocal8Bit();
    impl->display = wl_display_connect(name.isEmpty() ? nullptr : name.constData());
    if (impl->display) {
        impl->registry = wl_display_get_registry(impl->display);
        wl_registry_add_listener(impl->registry, &Impl::registryListener, impl.get());
        // The globals, then the windows there are now with their states.
        wl_display_roundtrip(impl->display);
        wl_display_roundtrip(impl->display); // told to nobody: the start is no change
        impl->notifier = std::make_unique<QSocketNotifier>(wl_display_get_fd(impl->display),
                                                           QSocketNotifier::Read);
        QObject::connect(impl->notifier.get(), &QSocketNotifier::activated, impl->notifier.get(),
                         [raw = impl.get()] { raw->dispatch(); });
    }
    impl->changed = std::move(changed);
    impl_ = std::move(impl);
}

void WlrWindowWatcher::stop() {
    impl_.reset();
}

std::optional<FrontWindow> WlrWindowWatcher::front() const {
    return impl_ ? impl_->front : std::nullopt;
}

} // namespace torvel
