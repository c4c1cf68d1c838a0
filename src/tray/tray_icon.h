#pragma once
// The icon in the panel as the tray controller drives it: what it shows,
// its tooltip and its menu, and what the user does with it. One
// implementation per kind of tray host: a StatusNotifierItem of our own,
// and Qt's own icon (XEmbed on X11). Each draws the image for its host
// (sizes, ink) and sends nothing the host already has.

#include "tray/tray_menu.h"
#include "tray/tray_symbols.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <QRect>
#include <QString>

namespace torvel {

class TrayIcon {
public:
    struct Handlers {
        // A left click; `anchor` is the icon's rectangle on the screen, or
        // empty where the host does not say.
        std::function<void(const QRect& anchor)> activate;
        std::function<void(int id)> menuActivated; // an entry was chosen
        std::function<void()> menuAboutToShow;
        // Whole wheel notches over the icon, up positive.
        std::function<void(int steps)> scrolled;
    };

    virtual ~TrayIcon() = default;

    // Puts it in the panel; false when this kind of host cannot be reached
    // after all (no session bus).
    virtual bool show() = 0;
    // What the image shows; redrawn only when it, the ink or the slot
    // changes.
    virtual void setImage(const TrayPicture& picture) = 0;
    // Sent only when changed.
    virtual void setToolTip(const QString& title, const QString& text) = 0;
    virtual void setMenu(const TrayMenu& menu) = 0;
    // Where the icon is on the screen; empty where the host does not say.
    virtual QRect geometry() const = 0;
    // The desktop's colour scheme changed: look at the panel again, and
    // draw the last image anew where its ink changes.
    virtual void refreshLook() = 0;
};

// The two kinds. `panelFollowsScheme`: the desktop's panels follow its
// colour scheme (Plasma's), for an ink where the panel cannot be seen.
std::unique_ptr<TrayIcon> makeStatusNotifierIcon(const QString& title, bool panelFollowsScheme,
                                                 TrayIcon::Handlers handlers);
std::unique_ptr<TrayIcon> makeQtTrayIcon(bool panelFollowsScheme, TrayIcon::Handlers handlers);

} // namespace torvel
