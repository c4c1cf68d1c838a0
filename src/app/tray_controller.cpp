#include "app/tray_controller.h"

#include "app/menu_bar_icon.h"
#include "app/popover_window.h"
#include "core/coordinator.h"
#include "settings/login_item.h"
#include "settings/settings_store.h"
#include "ui/style.h"

#include <QActionGroup>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QSystemTrayIcon>

namespace torvel {

namespace {

QString modeName(TorvelMode mode) {
    switch (mode) {
    case TorvelMode::automatic:
        return QObject::tr("Schedule");
    case TorvelMode::manual:
        return QObject::tr("Manual");
    case TorvelMode::off:
        return QObject::tr("Off");
    }
    return {};
}

// Linux trays draw icons as given, so the template takes the panel's text
// colour from the palette, which follows the desktop's colour scheme.
QColor iconColor() {
    return QApplication::palette().color(QPalette::Active, QPalette::WindowText);
}

} // namespace

QString TrayController::tooltipText(std::int64_t kelvin, bool isOff, const QString& name) {
    if (isOff) {
        return QStringLiteral("TorvelBar \u00B7 %1").arg(name);
    }
    return QStringLiteral("TorvelBar \u00B7 %1 K \u00B7 %2").arg(kelvin).arg(name);
}

TrayController::TrayController(SettingsStore& settings, Coordinator& coordinator,
                               LoginItem& loginItem)
    : settings_(settings)
    , coordinator_(coordinator)
    , loginItem_(loginItem)
    , menu_(std::make_unique<QMenu>())
    , follow_(this, [this] { refresh(); }) {
    modes_ = new QActionGroup(menu_.get());
    for (const TorvelMode mode : allModes) {
        QAction* action = menu_->addAction(modeName(mode));
        action->setCheckable(true);
        action->setData(static_cast<int>(mode));
        modes_->addAction(action);
        connect(action, &QAction::triggered, this, [this, mode] { settings_.setMode(mode); });
    }
    menu_->addSeparator();
    openAtLogin_ = menu_->addAction(tr("Open at login"));
    openAtLogin_->setCheckable(true);
    connect(openAtLogin_, &QAction::triggered, this,
            [this](bool checked) { loginItem_.setEnabled(checked); });
    menu_->addSeparator();
    connect(menu_->addAction(tr("Quit")), &QAction::triggered, qApp, &QCoreApplication::quit);
    connect(menu_.get(), &QMenu::aboutToShow, this, [this] {
        loginItem_.refresh();
        updateMenu();
    });

    follow_.observe(coordinator_.objectWillChange());
    follow_.observe(settings_.objectWillChange());
}

TrayController::~TrayController() = default;

void TrayController::show() {
    tray_ = std::make_unique<QSystemTrayIcon>();
    tray_->setContextMenu(menu_.get());
    connect(tray_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger) {
                    popover().toggle(tray_->geometry(), QCursor::pos());
                }
            });
    refresh();
    tray_->show();
}

PopoverWindow& TrayController::popover() {
    // Built at the first click: most runs never open it, and building it
    // before the first tint would delay that tint.
    if (!popover_) {
        popover_ = std::make_unique<PopoverWindow>(settings_, coordinator_, loginItem_);
    }
    return *popover_;
}

void TrayController::openPopover() {
    if (!popover().isVisible()) {
        popover().toggle(tray_ ? tray_->geometry() : QRect(), QCursor::pos());
    }
}

void TrayController::refresh() {
    if (!tray_) {
        return;
    }
    const bool isOff = settings_.mode() == TorvelMode::off;
    const qreal dpr = qApp->primaryScreen() ? qApp->primaryScreen()->devicePixelRatio() : 1.0;
    // The image depends on these alone. Most ticks change none of them, and
    // then neither drawing nor sending happens: the tray host redraws (over
    // D-Bus, is woken) on every new icon.
    const IconKey key{menuBarText(coordinator_.kelvin()),
                      traySymbolFor(coordinator_.kelvin(), isOff), isOff, dpr, iconColor().rgba()};
    if (key != lastIcon_) {
        lastIcon_ = key;
        const QImage image =
            tintedIcon(menuBarIcon(coordinator_.kelvin(), isOff, dpr), QColor::fromRgba(key.color));
        tray_->setIcon(QIcon(QPixmap::fromImage(image)));
    }
    const QString tip = tooltipText(coordinator_.kelvin(), isOff, modeName(settings_.mode()));
    if (tip != lastToolTip_) {
        lastToolTip_ = tip;
        tray_->setToolTip(tip);
    }
    updateMenu();
}

void TrayController::updateMenu() {
    for (QAction* action : modes_->actions()) {
        action->setChecked(action->data().toInt() == static_cast<int>(settings_.mode()));
    }
    openAtLogin_->setChecked(loginItem_.isEnabled());
}

} // namespace torvel
