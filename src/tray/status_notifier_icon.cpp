// The icon as a StatusNotifierItem: hosts tell clients nothing of their
// panel or their scale, so the image goes at every slot size, at scale 1,
// in the ink the desktop's colour scheme suggests.
#include "tray/menu_bar_icon.h"
#include "tray/status_notifier_item.h"
#include "tray/tray_icon.h"
#include "ui/theme.h"

#include <optional>
#include <QList>

namespace torvel {

namespace {

class StatusNotifierIcon final : public TrayIcon {
public:
    StatusNotifierIcon(const QString& title, bool panelFollowsScheme, Handlers handlers)
        : panelFollowsScheme_(panelFollowsScheme)
        , item_(QStringLiteral("torvelbar"), title,
                StatusNotifierItem::Handlers{[activate = handlers.activate] { activate(QRect()); },
                                             std::move(handlers.menuActivated),
                                             std::move(handlers.menuAboutToShow),
                                             std::move(handlers.scrolled)}) {}

    bool show() override { return item_.publish(); }

    void setImage(const TrayPicture& picture) override {
        const TrayInk ink =
            trayInkFor(PanelLook{std::nullopt, Theme::isDark(), panelFollowsScheme_});
        const Key key{menuBarText(picture.kelvin), traySymbolFor(picture.kelvin, picture.look),
                      picture.look, picture.attention, ink};
        shown_ = picture;
        if (key == last_) {
            return;
        }
        last_ = key;
        QList<QImage> images;
        for (const int slot : traySlotSizes) {
            images << menuBarIcon(picture, slot, 1.0, ink);
        }
        item_.setIcon(images);
    }

    void setToolTip(const QString& title, const QString& text) override {
        item_.setToolTip(title, text);
    }
    void setMenu(const TrayMenu& menu) override { item_.setMenu(menu); }
    QRect geometry() const override { return {}; }

    void refreshLook() override {
        if (shown_) {
            setImage(*shown_);
        }
    }

private:
    struct Key {
        QString text;
        TraySymbol symbol;
        TrayLook look;
        bool attention;
        TrayInk ink;
        bool operator==(const Key&) const = default;
    };
    bool panelFollowsScheme_;
    StatusNotifierItem item_;
    std::optional<Key> last_;
    std::optional<TrayPicture> shown_;
};

} // namespace

std::unique_ptr<TrayIcon> makeStatusNotifierIcon(const QString& title, bool panelFollowsScheme,
                                                 TrayIcon::Handlers handlers) {
    return std::make_unique<StatusNotifierIcon>(title, panelFollowsScheme, std::move(handlers));
}

} // namespace torvel
