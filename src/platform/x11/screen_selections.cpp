#include "platform/x11/screen_selections.h"

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace torvel {

namespace {

bool isSelectionOwned(const QString& displayName, const QByteArray& prefix) {
    int screen = 0;
    const QByteArray name = displayName.toLocal8Bit();
    xcb_connection_t* c = xcb_connect(name.isEmpty() ? nullptr : name.constData(), &screen);
    const std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)> guard(c, xcb_disconnect);
    if (xcb_connection_has_error(c) != 0) {
        return false;
    }
    const QByteArray atomName = prefix + QByteArray::number(screen);
    const std::unique_ptr<xcb_intern_atom_reply_t, void (*)(void*)> atom(
        xcb_intern_atom_reply(c,
                              xcb_intern_atom(c, 0, static_cast<std::uint16_t>(atomName.size()),
                                              atomName.constData()),
                              nullptr),
        std::free);
    if (!atom) {
        return false;
    }
    const std::unique_ptr<xcb_get_selection_owner_reply_t, void (*)(void*)> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr),
        std::free);
    return owner && owner->owner != XCB_NONE;
}

} // namespace

bool isSystemTrayOwned(const QString& displayName) {
    return isSelectionOwned(displayName, "_NET_SYSTEM_TRAY_S");
}

bool isCompositingManagerRunning(const QString& displayName) {
    return isSelectionOwned(displayName, "_NET_WM_CM_S");
}

} // namespace torvel
