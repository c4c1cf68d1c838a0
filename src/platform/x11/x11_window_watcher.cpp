#include "platform/x11/x11_window_watcher.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <QSocketNotifier>
#include <QTimer>
#include <utility>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

namespace torvel {

namespace {

xcb_atom_t internAtom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// A property reply's value; empty when absent. Frees the reply.
QByteArray value(xcb_get_property_reply_t* reply, uint8_t* format = nullptr) {
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

// The reply to `cookie` if it has come, without waiting: true when it has
// (`reply` may then be null, for an error).
template <class Cookie, class Reply>
bool replyCame(xcb_connection_t* c, Cookie cookie, Reply*& reply) {
    void* got = nullptr;
    xcb_generic_error_t* error = nullptr;
    if (xcb_poll_for_reply(c, cookie.sequence, &got, &error) == 0) {
        return false;
    }
    std::free(error);
    reply = static_cast<Reply*>(got);
    return true;
}

// What the window in front is asked, all at once: its class, its state and
// where it lies on the root.
struct FrontQuestions {
    xcb_get_property_cookie_t classes, states;
    xcb_get_geometry_cookie_t geometry;
    xcb_translate_coordinates_cookie_t origin;
};

} // namespace

// Never waits on the server in the loop: a client changing the properties
// as fast as it can (hundreds of thousands of notices) would keep each
// read waiting behind its flood. Notices only mark what is out of date;
// one question each is in flight at a time, sent together and answered on
// a later turn; notices that arrive meanwhile are folded into the next.
struct X11WindowWatcher::Impl {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = XCB_WINDOW_NONE;
    xcb_window_t active = XCB_WINDOW_NONE;
    xcb_atom_t activeAtom = XCB_ATOM_NONE, stateAtom = XCB_ATOM_NONE,
               fullscreenAtom = XCB_ATOM_NONE;
    std::optional<FrontWindow> front;
    std::function<void()> changed;
    std::unique_ptr<QSocketNotifier> notifier;
    bool activeStale = true, frontStale = true;
    std::optional<xcb_get_property_cookie_t> activeAsked;
    // The active window's class and state, asked of `frontOf`.
    std::optional<FrontQuestions> frontAsked;
    xcb_window_t frontOf = XCB_WINDOW_NONE;
    xcb_generic_event_t* held = nullptr; // taken from xcb's queue, not yet looked at

    ~Impl() {
        notifier.reset();
        std::free(held);
        if (connection) {
            xcb_disconnect(connection);
        }
    }

    void watch(xcb_window_t window, uint32_t mask) const {
        xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
    }

    void ask() {
        if (activeStale && !activeAsked) {
            activeStale = false;
            activeAsked = xcb_get_property(connection, 0, root, activeAtom, XCB_ATOM_WINDOW, 0, 1);
        }
        if (activeAsked || !frontStale || frontAsked) {
            return; // the front is asked of the window the manager names now
        }
        frontStale = false;
        if (active == XCB_WINDOW_NONE) {
            setFront(std::nullopt);
            return;
        }
        frontOf = active;
        frontAsked = FrontQuestions{
            xcb_get_property(connection, 0, active, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256),
            xcb_get_property(connection, 0, active, stateAtom, XCB_ATOM_ATOM, 0, 64),
            xcb_get_geometry(connection, active),
            xcb_translate_coordinates(connection, active, root, 0, 0)};
    }

    void collect() {
        xcb_get_property_reply_t* reply = nullptr;
        if (activeAsked && replyCame(connection, *activeAsked, reply)) {
            activeAsked.reset();
            const QByteArray now = value(reply);
            xcb_window_t window = XCB_WINDOW_NONE;
            if (now.size() == sizeof window) {
                std::memcpy(&window, now.constData(), sizeof window);
            }
            if (window != active) {
                if (active != XCB_WINDOW_NONE) {
                    watch(active, XCB_EVENT_MASK_NO_EVENT); // only our own selection goes
                }
                active = window;
                if (active != XCB_WINDOW_NONE) {
                    watch(active, XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY);
                }
                frontStale = true;
            }
        }
        // Replies come in order: once the last is there, so are the others.
        xcb_translate_coordinates_reply_t* origin = nullptr;
        if (frontAsked && replyCame(connection, frontAsked->origin, origin)) {
            xcb_get_property_reply_t* names = nullptr;
            xcb_get_property_reply_t* states = nullptr;
            xcb_get_geometry_reply_t* geometry = nullptr;
            replyCame(connection, frontAsked->classes, names);
            replyCame(connection, frontAsked->states, states);
            replyCame(connection, frontAsked->geometry, geometry);
            frontAsked.reset();
            if (frontOf == active) {
                auto now = readFront(value(names), states);
                if (now && origin && geometry) {
                    now->area =
                        QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
                }
                setFront(std::move(now));
            } else {
                std::free(names);
                std::free(states);
            }
            std::free(geometry);
            std::free(origin);
        }
    }

    std::optional<FrontWindow> readFront(const QByteArray& classes,
                                         xcb_get_property_reply_t* stateReply) const {
        FrontWindow window;
        // WM_CLASS: the instance, then the class, each ending in a NUL.
        const QList<QByteArray> names = classes.split('\0');
        for (qsizetype i = std::min<qsizetype>(names.size(), 2) - 1; i >= 0; --i) {
            const QString name = QString::fromLocal8Bit(names[i]);
            if (!name.isEmpty() && !window.appIds.contains(name)) {
                window.appIds << name;
            }
        }
        uint8_t format = 0;
        const QByteArray states = value(stateReply, &format);
        if (format == 32) {
            for (qsizetype i = 0; i + 4 <= states.size(); i += 4) {
                xcb_atom_t atom = XCB_ATOM_NONE;
                std::memcpy(&atom, states.constData() + i, sizeof atom);
                window.fullscreen = window.fullscreen || atom == fullscreenAtom;
            }
        }
        return window;
    }

    void setFront(std::optional<FrontWindow> now) {
        if (now != front) {
            front = std::move(now);
            if (changed) {
                changed();
            }
        }
    }

    // What has arrived, and only that, once per turn of the loop.
    void dispatch() {
        xcb_generic_event_t* e =
            held ? std::exchange(held, nullptr) : xcb_poll_for_event(connection);
        for (; e; e = xcb_poll_for_queued_event(connection)) {
            const uint8_t type = e->response_type & 0x7f;
            if (type == XCB_PROPERTY_NOTIFY) {
                const auto* p = reinterpret_cast<xcb_property_notify_event_t*>(e);
                if (p->window == root && p->atom == activeAtom) {
                    activeStale = true;
                } else if (p->window == active &&
                           (p->atom == stateAtom || p->atom == XCB_ATOM_WM_CLASS)) {
                    frontStale = true;
                }
            } else if (type == XCB_CONFIGURE_NOTIFY &&
                       reinterpret_cast<xcb_configure_notify_event_t*>(e)->window == active) {
                frontStale = true; // moved to another screen, maybe
            } else if (type == XCB_DESTROY_NOTIFY &&
                       reinterpret_cast<xcb_destroy_notify_event_t*>(e)->window == active) {
                active = XCB_WINDOW_NONE;
                frontStale = true;
            }
            std::free(e);
        }
        collect();
        ask();
        xcb_flush(connection);
        if (xcb_connection_has_error(connection)) {
            notifier.reset(); // the server is gone: nothing more will come
            return;
        }
        // Events that came in with the replies wait in xcb's queue, where the
        // socket's notifier cannot see them: the next turn looks.
        if ((held = xcb_poll_for_queued_event(connection))) {
            QTimer::singleShot(0, notifier.get(), [this] { dispatch(); });
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
    impl->ask();
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
