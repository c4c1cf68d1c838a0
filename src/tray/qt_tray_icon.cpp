// The icon as Qt's own tray icon: XEmbed on X11. Its window is ours to
// look at, so the slot's size and the panel's colour behind it are
// measured; the wheel over it is heard through an event filter, since
// Qt passes none on; the menu is a QMenu in the popover's palette.
#include "tray/menu_bar_icon.h"
#include "tray/tray_icon.h"
#include "ui/style.h"
#include "ui/theme.h"

#include <optional>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWheelEvent>

namespace torvel {

namespace {

// The mean colour of the four corners of `rect` on screen, which the icon
// leaves transparent: the panel shows through them.
std::optional<QColor> panelBehind(const QRect& rect) {
    QScreen* screen = QGuiApplication::screenAt(rect.center());
    if (!screen || rect.width() < 4 || rect.height() < 4) {
        return std::nullopt;
    }
    const QImage shot =
        screen->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height()).toImage();
    if (shot.width() < 4 || shot.height() < 4) {
        return std::nullopt;
    }
    int r = 0, g = 0, b = 0, n = 0;
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(shot.width() - 2, 0), QPoint(0, shot.height() - 2),
          QPoint(shot.width() - 2, shot.height() - 2)}) {
        for (int dy = 0; dy < 2; ++dy) {
            for (int dx = 0; dx < 2; ++dx) {
                const QColor c = shot.pixelColor(corner + QPoint(dx, dy));
                r += c.red();
                g += c.green();
                b += c.blue();
                ++n;
            }
        }
    }
    return QColor(r / n, g / n, b / n);
}

// The window Qt's XEmbed icon draws in, once it exists.
QWidget* iconWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("QSystemTrayIconSys")) {
            return w;
        }
    }
    return nullptr;
}

class QtTrayIcon final : public QObject, public TrayIcon {
public:
    QtTrayIcon(bool panelFollowsScheme, Handlers handlers)
        : handlers_(std::move(handlers))
        , panel_{std::nullopt, Theme::isDark(), panelFollowsScheme} {
        connect(&menu_, &QMenu::aboutToShow, this, [this] {
            // The same appearance as the popover beside it, light or dark.
            menu_.setPalette(popupPalette());
            handlers_.menuAboutToShow();
        });
        tray_.setContextMenu(&menu_);
        connect(&tray_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::Trigger) {
                        handlers_.activate(tray_.geometry());
                    }
                });
    }

    bool show() override {
        tray_.show();
        lookAfterEmbedding();
        return true;
    }

    void setImage(const TrayPicture& picture) override {
        shown_ = picture;
        const qreal dpr = qApp->primaryScreen() ? qApp->primaryScreen()->devicePixelRatio() : 1.0;
        const Key key{menuBarText(picture.kelvin),
                      traySymbolFor(picture.kelvin, picture.look),
                      picture.look,
                      picture.attention,
                      dpr,
                      slot_,
                      trayInkFor(panel_)};
        if (key == last_) {
            return;
        }
        last_ = key;
        tray_.setIcon(trayIcon(picture, dpr, key.ink, slot_));
    }

    void setToolTip(const QString& title, const QString& text) override {
        tray_.setToolTip(title + u'\n' + text);
    }

    void setMenu(const TrayMenu& entries) override {
        menu_.clear();
        QActionGroup* modes = nullptr;
        for (const TrayMenuEntry& e : entries) {
            if (e.kind == TrayMenuEntry::Kind::separator) {
                menu_.addSeparator();
                continue;
            }
            QAction* action = menu_.addAction(e.label);
            action->setEnabled(e.enabled);
            if (e.kind != TrayMenuEntry::Kind::action) {
                action->setCheckable(true);
                action->setChecked(e.checked);
            }
            if (e.kind == TrayMenuEntry::Kind::radio) {
                // Owned by the first radio entry, so a rebuild of the menu frees it.
                modes = modes ? modes : new QActionGroup(action);
                action->setActionGroup(modes);
            }
            connect(action, &QAction::triggered, this,
                    [this, id = e.id] { handlers_.menuActivated(id); });
        }
    }

    QRect geometry() const override { return tray_.geometry(); }

    void refreshLook() override {
        panel_.prefersDark = Theme::isDark();
        panel_.background.reset();
        lookAtPanel();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A tray that goes away takes Qt's icon window with it; the one that
        // comes next (a restarted panel, another one) gets a new window, at
        // its own size and on its own panel: it is looked at as at a start.
        // Only while there is no window is every window's showing heard.
        if (watched == wheelWatched_ && event->type() == QEvent::Destroy) {
            wheelWatched_ = nullptr;
            qApp->installEventFilter(this);
        } else if (!wheelWatched_ && event->type() == QEvent::Show &&
                   watched->objectName() == QLatin1String("QSystemTrayIconSys")) {
            qApp->removeEventFilter(this);
            panel_.background.reset();
            lookAfterEmbedding();
        }
        if (watched == wheelWatched_ && event->type() == QEvent::Wheel) {
            wheelRest_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
            // Whole notches; a touchpad's small steps add up to one.
            if (const int steps = wheelRest_ / 120; steps != 0) {
                wheelRest_ -= steps * 120;
                handlers_.scrolled(steps);
            }
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // The tray embeds the icon a moment later; then its panel can be seen.
    void lookAfterEmbedding() {
        for (const int ms : {100, 400, 1500}) {
            QTimer::singleShot(ms, this, [this] { lookAtPanel(); });
        }
    }

    void lookAtPanel() {
        QWidget* window = iconWindow();
        if (window && window != wheelWatched_) {
            wheelWatched_ = window;
            window->installEventFilter(this);
        }
        fitSlot(window);
        if (!panel_.background) {
            panel_.background = panelBehind(tray_.geometry());
        }
        if (shown_) {
            setImage(*shown_);
        }
    }

    // Qt's XEmbed icon asks for 22x22 whatever the panel; trayer and others
    // then stretch it to their height but keep that width. A taller slot is
    // made square, so the icon grows with the panel instead of being
    // centred small.
    void fitSlot(QWidget* window) {
        const QRect slot = tray_.geometry();
        if (slot.isEmpty()) {
            return;
        }
        if (window && slot.height() > slot.width()) {
            window->setMinimumSize(slot.height(), slot.height());
            window->resize(slot.height(), slot.height());
        }
        slot_ = slot.height(); // square now, or wider than tall
    }

    struct Key {
        QString text;
        TraySymbol symbol;
        TrayLook look;
        bool attention;
        qreal dpr;
        int slot;
        TrayInk ink;
        bool operator==(const Key&) const = default;
    };
    Handlers handlers_;
    PanelLook panel_;
    QMenu menu_;
    QSystemTrayIcon tray_;
    int slot_ = 0; // the slot's side in logical pixels, once known
    QObject* wheelWatched_ = nullptr;
    int wheelRest_ = 0; // wheel delta short of a notch
    std::optional<Key> last_;
    std::optional<TrayPicture> shown_;
};

} // namespace

std::unique_ptr<TrayIcon> makeQtTrayIcon(bool panelFollowsScheme, TrayIcon::Handlers handlers) {
    return std::make_unique<QtTrayIcon>(panelFollowsScheme, std::move(handlers));
}

} // namespace torvel
