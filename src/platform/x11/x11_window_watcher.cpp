#include "platform/x11/x11_window_watcher.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <QSocketNotifier>
#include <utility>
#include <xcb/xcb.h>

namespace torvel {

namespace {

xcb_atom_t internAtom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// A property's value, at most `longs` 32-bit units of it; empty when absent.
QByteArray property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type,
                    uint32_t longs, uint8_t* format = nullptr) {
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, longs), nullptr);
    QByteArray out;
    if (reply) {
        out = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                         xcb_get_property_value_length(reply));
        if (format) {
            *format = reply->format;
        }
        std::free(reply);
    }
    return out;
}

} // namespace

struct X11WindowWatcher::Impl {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = XCB_WINDOW_NONE;
    xcb_window_t active = XCB_WINDOW_NONE;
    xcb_atom_t activeAtom = XCB_ATOM_NONE, stateAtom = XCB_ATOM_NONE,
               fullscreenAtom = XCB_ATOM_NONE;
    std::optional<FrontWindow> front;
    std::function<void()> changed;
    std::unique_ptr<QSocketNotifier> notifier;

    ~Impl() {
        notifier.reset();
        if (connection) {
            xcb_disconnect(connection);
        }
    }

    void watch(xcb_window_t window, uint32_t mask) const {
        xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
    }

    // Follows the window the manager names active; true when that changed.
    void readActive() {
        const QByteArray value = property(connection, root, activeAtom, XCB_ATOM_WINDOW, 1);
        xcb_window_t now = XCB_WINDOW_NONE;
        if (value.size() == sizeof now) {
            std::memcpy(&now, value.constData(), sizeof now);
        }
        if (now == active) {
            return;
        }
        if (active != XCB_WINDOW_NONE) {
            watch(active, XCB_EVENT_MASK_NO_EVENT); // only our own selection goes
        }
        active = now;
        if (active != XCB_WINDOW_NONE) {
            watch(active, XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY);
        }
    }

    std::optional<FrontWindow> readFront() const {
        if (active == XCB_WINDOW_NONE) {
            return std::nullopt;
        }
        FrontWindow window;
        // WM_CLASS: the instance, then the class, each ending in a NUL.
        const QList<QByteArray> names =
            property(connection, active, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 256).split('\0');
        for (qsizetype i = std::min<qsizetype>(names.size(), 2) - 1; i >= 0; --i) {
            const QString name = QString::fromLocal8Bit(names[i]);
            if (!name.isEmpty() && !window.appIds.contains(name)) {
                window.appIds << name;
            }
        }
        uint8_t format = 0;
        const QByteArray states =
            property(connection, active, stateAtom, XCB_ATOM_ATOM, 64, &format);
        if (format == 32) {
            for (qsizetype i = 0; i + 4 <= states.size(); i += 4) {
                xcb_atom_t atom = XCB_ATOM_NONE;
                std::memcpy(&atom, states.constData() + i, sizeof atom);
                window.fullscreen = window.fullscreen || atom == fullscreenAtom;
            }
        }
        return window;
    }

    void refresh(bool activeMoved) {
        if (activeMoved) {
            readActive();
        }
        auto now = readFront();
        if (now != front) {
            front = std::move(now);
            if (changed) {
                changed();
            }
        }
    }

    void dispatch() {
        bool moved = false, reread = false;
        while (xcb_generic_event_t* e = xcb_poll_for_event(connection)) {
            const uint8_t type = e->response_type & 0x7f;
            if (type == XCB_PROPERTY_NOTIFY) {
                const auto* p = reinterpret_cast<xcb_property_notify_event_t*>(e);
                if (p->window == root && p->atom == activeAtom) {
                    moved = true;
                } else if (p->window == active &&
                           (p->atom == stateAtom || p->atom == XCB_ATOM_WM_CLASS)) {
                    reread = true;
                }
            } else if (type == XCB_DESTROY_NOTIFY &&
                       reinterpret_cast<xcb_destroy_notify_event_t*>(e)->window == active) {
                active = XCB_WINDOW_NONE;
                reread = true;
            }
            std::free(e);
            if (moved || reread) {
                // Each read waits on replies, which may bring more events.
                refresh(std::exchange(moved, false));
                reread = false;
            }
        }
        xcb_flush(connection);
        if (xcb_connection_has_error(connection)) {
            notifier.reset(); // the server is gone: nothing more will come
        }
    }
};

X11WindowWatcher::X11WindowWatcher(QString display)
    : display_(std::move(display)) {}

X11WindowWatcher::~X11WindowWatcher() = default;

void X11WindowWatcher::start(std::function<void()> changed) {
    if (impl_) {
        impl_->changed = std::move(changed);
        return;
    }
    auto impl = std::make_unique<Impl>();
    impl->changed = std::move(changed);
    const QByteArray name = display_.toLocal8Bit();
    int screenNumber = 0;
    impl->connection = xcb_connect(name.isEmpty() ? nullptr : name.constData(), &screenNumber);
    if (xcb_connection_has_error(impl->connection)) {
        impl_ = std::move(impl); // kept, so a second start does not try again
        return;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(impl->connection));
    for (int i = 0; i < screenNumber && it.rem > 0; ++i) {
        xcb_screen_next(&it);
    }
    impl->root = it.data->root;
    impl->activeAtom = internAtom(impl->connection, "_NET_ACTIVE_WINDOW");
    impl->stateAtom = internAtom(impl->connection, "_NET_WM_STATE");
    impl->fullscreenAtom = internAtom(impl->connection, "_NET_WM_STATE_FULLSCREEN");
    impl->watch(impl->root, XCB_EVENT_MASK_PROPERTY_CHANGE);
    impl->readActive();
    impl->front = impl->readFront();
    xcb_flush(impl->connection);
    impl->notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(impl->connection),
                                                       QSocketNotifier::Read);
    QObject::connect(impl->notifier.get(), &QSocketNotifier::activated, impl->notifier.get(),
                     [raw = impl.get()] { raw->dispatch(); });
    impl_ = std::move(impl);
}

void X11WindowWatcher::stop() {
    impl_.reset();
}

std::optional<FrontWindow> X11WindowWatcher::front() const {
    return impl_ ? impl_->front : std::nullopt;
}

} // namespace torvel
