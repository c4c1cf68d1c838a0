#include "app/tray_controller.h"

#include "app/popover_window.h"
#include "core/coordinator.h"
#include "platform/desktop_session.h"
#include "platform/tray/status_notifier_item.h"
#include "settings/login_item.h"
#include "settings/settings_store.h"
#include "ui/popover_text.h"
#include "ui/style.h"
#include "ui/theme.h"
#include "ui/translated.h"

#include <QActionGroup>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWheelEvent>

namespace torvel {

namespace {

const QString appTitle = QStringLiteral("TorvelBar");

// Entry ids: the popover, the three modes, the pauses, then the switch and
// Quit.
constexpr int openEntry = 30;
constexpr int pauseHourEntry = 5;
constexpr int pauseMorningEntry = 6;
constexpr int resumeEntry = 7;
constexpr int pauseFullscreenEntry = 8;
constexpr int openAtLoginEntry = 10;
constexpr int quitEntry = 20;
constexpr int firstSeparator = 100;

int modeEntry(TorvelMode mode) {
    return 1 + static_cast<int>(mode);
}

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

} // namespace

QString TrayController::tooltipText(const QString& statusLine, std::int64_t kelvin, bool isOff) {
    if (isOff) {
        return statusLine;
    }
    return QStringLiteral("%1 \u00B7 %2 K").arg(statusLine).arg(kelvin);
}

TrayController::TrayController(SettingsStore& settings, Coordinator& coordinator,
                               LoginItem& loginItem, const DesktopSession& desktop)
    : settings_(settings)
    , coordinator_(coordinator)
    , loginItem_(loginItem)
    , desktop_(desktop)
    , follow_(this, [this] { refresh(); }) {
    follow_.observe(coordinator_.objectWillChange());
    follow_.observe(settings_.objectWillChange());
}

TrayController::~TrayController() = default;

TrayMenu TrayController::menuEntries() const {
    using Kind = TrayMenuEntry::Kind;
    TrayMenu menu;
    // Some tray hosts pass no left click and show only this menu.
    menu.push_back({openEntry, Kind::action, Texts::tr("Open TorvelBar")});
    menu.push_back({firstSeparator + 3, Kind::separator, {}});
    for (const TorvelMode mode : allModes) {
        menu.push_back({modeEntry(mode), Kind::radio, modeName(mode), settings_.mode() == mode});
    }
    menu.push_back({firstSeparator, Kind::separator, {}});
    // Off, there is nothing to pause.
    const bool canPause = settings_.mode() != TorvelMode::off;
    menu.push_back({pauseHourEntry, Kind::action, Texts::tr("Pause for 1 hour"), false, canPause});
    menu.push_back(
        {pauseMorningEntry, Kind::action, Texts::tr("Pause until morning"), false, canPause});
    if (coordinator_.pausedUntil()) {
        menu.push_back({resumeEntry, Kind::action, Texts::tr("Resume")});
    }
    menu.push_back({pauseFullscreenEntry, Kind::check, Texts::tr("Pause while fullscreen"),
                    settings_.pauseFullscreen()});
    menu.push_back({firstSeparator + 2, Kind::separator, {}});
    menu.push_back(
        {openAtLoginEntry, Kind::check, Texts::tr("Open at login"), loginItem_.isEnabled()});
    menu.push_back({firstSeparator + 1, Kind::separator, {}});
    menu.push_back({quitEntry, Kind::action, Texts::tr("Quit")});
    return menu;
}

void TrayController::chooseEntry(int id) {
    for (const TorvelMode mode : allModes) {
        if (id == modeEntry(mode)) {
            settings_.setMode(mode);
        }
    }
    if (id == openEntry) {
        openPopover();
    } else if (id == pauseHourEntry) {
        coordinator_.pauseFor(3600);
    } else if (id == pauseMorningEntry) {
        coordinator_.pauseFor(0);
    } else if (id == resumeEntry) {
        coordinator_.resume();
    } else if (id == pauseFullscreenEntry) {
        settings_.setPauseFullscreen(!settings_.pauseFullscreen());
    } else if (id == openAtLoginEntry) {
        loginItem_.setEnabled(!loginItem_.isEnabled());
    } else if (id == quitEntry) {
        QCoreApplication::quit();
    }
}

void TrayController::show(TrayHost host) {
    if (host == TrayHost::statusNotifier) {
        item_ = std::make_unique<StatusNotifierItem>(
            QStringLiteral("torvelbar"), appTitle,
            StatusNotifierItem::Handlers{[this] { popover().toggle(QRect(), QCursor::pos()); },
                                         [this](int id) { chooseEntry(id); },
                                         [this] {
                                             loginItem_.refresh();
                                             refresh();
                                         },
                                         [this](int steps) { coordinator_.nudge(steps); }});
        panel_ = PanelLook{std::nullopt, Theme::isDark(), desktop_.panelFollowsScheme()};
        refresh();
        if (item_->publish()) {
            return;
        }
        item_.reset(); // no bus after all: Qt's icon instead
    }
    menu_ = std::make_unique<QMenu>();
    connect(menu_.get(), &QMenu::aboutToShow, this, [this] {
        // The same appearance as the popover beside it, light or dark.
        menu_->setPalette(popupPalette());
        loginItem_.refresh();
        refresh();
    });
    tray_ = std::make_unique<QSystemTrayIcon>();
    tray_->setContextMenu(menu_.get());
    connect(tray_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger) {
                    popover().toggle(tray_->geometry(), QCursor::pos());
                }
            });
    panel_ = PanelLook{std::nullopt, Theme::isDark(), desktop_.panelFollowsScheme()};
    refresh();
    tray_->show();
    // The tray embeds the icon a moment later; then its panel can be seen.
    for (const int ms : {100, 400, 1500}) {
        QTimer::singleShot(ms, this, [this] { lookAtPanel(); });
    }
}

void TrayController::lookAtPanel() {
    if (!tray_) {
        return;
    }
    // Qt's XEmbed icon passes no wheel on; its window hears it.
    QWidget* window = iconWindow();
    if (window && window != wheelWatched_) {
        wheelWatched_ = window;
        window->installEventFilter(this);
    }
    fitSlot(window);
    if (!panel_.background) {
        panel_.background = panelBehind(tray_->geometry());
    }
    refresh();
}

// Qt's XEmbed icon asks for 22x22 whatever the panel; trayer and others then
// stretch it to their height but keep that width. A taller slot is made
// square, so the icon grows with the panel instead of being centred small.
void TrayController::fitSlot(QWidget* window) {
    const QRect slot = tray_->geometry();
    if (slot.isEmpty()) {
        return;
    }
    if (window && slot.height() > slot.width()) {
        window->setMinimumSize(slot.height(), slot.height());
        window->resize(slot.height(), slot.height());
    }
    slot_ = slot.height(); // square now, or wider than tall
}

// The window Qt's XEmbed icon draws in, once it exists.
QWidget* TrayController::iconWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("QSystemTrayIconSys")) {
            return w;
        }
    }
    return nullptr;
}

bool TrayController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == wheelWatched_ && event->type() == QEvent::Wheel) {
        const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
        wheelRest_ += delta;
        // Whole notches; a touchpad's small steps add up to one.
        if (const int steps = wheelRest_ / 120; steps != 0) {
            wheelRest_ -= steps * 120;
            coordinator_.nudge(steps);
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TrayController::refreshIcon() {
    panel_.prefersDark = Theme::isDark();
    if (tray_) {
        panel_.background.reset();
        lookAtPanel();
    }
    refresh();
}

PopoverWindow& TrayController::popover() {
    // Built at the first click: most runs never open it, and building it
    // before the first tint would delay that tint.
    if (!popover_) {
        popover_ =
            std::make_unique<PopoverWindow>(settings_, coordinator_, loginItem_,
                                            desktop_.popoverPlacement(), desktop_.popoverFrame());
    }
    return *popover_;
}

void TrayController::openPopover() {
    if (!popover().isVisible()) {
        popover().toggle(tray_ ? tray_->geometry() : QRect(), QCursor::pos());
    }
}

void TrayController::showMenu(const TrayMenu& entries) {
    if (item_) {
        item_->setMenu(entries);
        return;
    }
    if (!menu_) {
        return;
    }
    menu_->clear();
    QActionGroup* modes = nullptr;
    for (const TrayMenuEntry& e : entries) {
        if (e.kind == TrayMenuEntry::Kind::separator) {
            menu_->addSeparator();
            continue;
        }
        QAction* action = menu_->addAction(e.label);
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
        connect(action, &QAction::triggered, this, [this, id = e.id] { chooseEntry(id); });
    }
}

void TrayController::refresh() {
    if (!tray_ && !item_) {
        return;
    }
    // Held, the icon shows the pause symbol; off, the off symbol.
    const TintState& state = coordinator_.state();
    const bool isOff = !state.tinted();
    const TrayLook look = state.mode == TorvelMode::off ? TrayLook::off
                          : isOff                       ? TrayLook::paused
                                                        : TrayLook::tinted;
    const qreal dpr = qApp->primaryScreen() ? qApp->primaryScreen()->devicePixelRatio() : 1.0;
    // The image depends on these alone. Most ticks change none of them, and
    // then neither drawing nor sending happens: the tray host redraws (over
    // D-Bus, is woken) on every new icon.
    const IconKey key{
        menuBarText(state.kelvin), traySymbolFor(state.kelvin, look), look, dpr, slot_,
        trayInkFor(panel_)};
    if (key != lastIcon_) {
        lastIcon_ = key;
        if (item_) {
            // Hosts say nothing of their scale: every size, at 1.
            QList<QImage> images;
            for (const int slot : traySlotSizes) {
                images << trayIconImage(state.kelvin, look, slot, 1.0, key.ink);
            }
            item_->setIcon(images);
        } else {
            tray_->setIcon(trayIcon(state.kelvin, look, dpr, key.ink, slot_));
        }
    }
    // The same line as the popover's header, so a pause shows here too.
    const QString tip = tooltipText(state.report.status, state.kelvin, isOff);
    if (tip != lastToolTip_) {
        lastToolTip_ = tip;
        if (item_) {
            item_->setToolTip(appTitle, tip);
        } else {
            tray_->setToolTip(appTitle + u'\n' + tip);
        }
    }
    const TrayMenu entries = menuEntries();
    if (entries != lastMenu_) {
        lastMenu_ = entries;
        showMenu(entries);
    }
}

} // namespace torvel
