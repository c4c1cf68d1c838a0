#include "tray/tray_controller.h"

#include "base/shown_text.h"
#include "base/texts.h"
#include "core/coordinator.h"
#include "platform/desktop_session.h"
#include "settings/login_item.h"
#include "settings/settings_store.h"
#include "ui/popover_text.h"

#include <QCoreApplication>
#include <QCursor>

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

} // namespace

QString TrayController::tooltipText(const QString& statusLine, std::int64_t kelvin, bool isOff,
                                    const QString& caller, int brightness) {
    if (!caller.isEmpty()) {
        return Texts::tr("%1 (asked by %2)", "a status line, a program")
            .arg(statusLine, shownText(caller));
    }
    if (isOff) {
        return statusLine;
    }
    const QString tip = QStringLiteral("%1 \u00B7 %2 K").arg(statusLine).arg(kelvin);
    return brightness < fullBrightness ? QStringLiteral("%1 \u00B7 %2%").arg(tip).arg(brightness)
                                       : tip;
}

TrayController::TrayController(SettingsStore& settings, Coordinator& coordinator,
                               LoginItem& loginItem, const DesktopSession& desktop,
                               PopoverCalls popover)
    : settings_(settings)
    , coordinator_(coordinator)
    , loginItem_(loginItem)
    , desktop_(desktop)
    , togglePopover_(std::move(popover.toggle))
    , openPopover_(std::move(popover.open))
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
    TrayIcon::Handlers handlers{
        [this](const QRect& anchor) { togglePopover_(anchor, QCursor::pos()); },
        [this](int id) { chooseEntry(id); },
        [this] {
            loginItem_.refresh();
            refresh();
        },
        [this](int steps) { coordinator_.nudge(steps); }};
    const bool follows = desktop_.panelFollowsScheme();
    if (host == TrayHost::statusNotifier) {
        icon_ = makeStatusNotifierIcon(appTitle, follows, handlers);
        refresh();
        if (icon_->show()) {
            return;
        }
        forgetShown(); // no bus after all: Qt's icon instead
    }
    icon_ = makeQtTrayIcon(follows, std::move(handlers));
    refresh();
    icon_->show();
}

void TrayController::forgetShown() {
    lastToolTip_.clear();
    lastMenu_.clear();
}

void TrayController::refreshIcon() {
    if (icon_) {
        icon_->refreshLook();
    }
    refresh();
}

void TrayController::openPopover() {
    openPopover_(icon_ ? icon_->geometry() : QRect(), QCursor::pos());
}

void TrayController::refresh() {
    if (!icon_) {
        return;
    }
    // Held, the icon shows the pause symbol; off, the off symbol. Most ticks
    // change nothing here, and then nothing is drawn or sent: the tray host
    // redraws (over D-Bus, is woken) on every new icon.
    const TintState& state = coordinator_.state();
    const bool isOff = !state.tinted();
    const TrayLook look = state.mode == TorvelMode::off ? TrayLook::off
                          : isOff                       ? TrayLook::paused
                                                        : TrayLook::tinted;
    // Unsaved settings, or a colour that cannot reach the screens, show.
    icon_->setImage(
        {state.kelvin, look, state.report.settingsUnsaved || state.report.trouble.has_value()});
    // The same line as the popover's header, so a pause shows here too.
    const QString caller =
        state.hold && state.mode != TorvelMode::off ? state.hold->caller : QString();
    const QString tip =
        tooltipText(state.report.status, state.kelvin, isOff, caller, state.brightness);
    if (tip != lastToolTip_) {
        lastToolTip_ = tip;
        icon_->setToolTip(appTitle, tip);
    }
    const TrayMenu entries = menuEntries();
    if (entries != lastMenu_) {
        lastMenu_ = entries;
        icon_->setMenu(entries);
    }
}

} // namespace torvel
