#include "support/x_flood.h"

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace torvel::test {

namespace {

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    auto* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return a;
}

} // namespace

void floodFrontWindow(const QByteArray& display, long changes, const std::atomic<bool>& stop,
                      std::atomic<long>& sent) {
    xcb_connection_t* c = xcb_connect(display.isEmpty() ? nullptr : display.constData(), nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_atom_t active = atom(c, "_NET_ACTIVE_WINDOW");
    const xcb_atom_t state = atom(c, "_NET_WM_STATE");
    const xcb_atom_t fullscreen = atom(c, "_NET_WM_STATE_FULLSCREEN");
    xcb_window_t windows[2];
    for (xcb_window_t& w : windows) {
        w = xcb_generate_id(c);
        xcb_create_window(c, XCB_COPY_FROM_PARENT, w, screen->root, 0, 0, 10, 10, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, 8,
                            "mpv\0mpv\0");
    }
    long i = 0;
    for (; i < changes && !stop; ++i) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, screen->root, active, XCB_ATOM_WINDOW, 32, 1,
                            &windows[i % 2]);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, windows[i % 2], state, XCB_ATOM_ATOM, 32,
                            i % 3 == 0 ? 1 : 0, &fullscreen);
        if (i % 1000 == 0) {
            xcb_flush(c);
            sent = i;
        }
    }
    // A round trip: every change before it has been taken.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    sent = i;
    xcb_disconnect(c);
}

} // namespace torvel::test
