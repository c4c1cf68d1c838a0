#include "app/popover_window.h"

#include "core/coordinator.h"
#include "settings/login_item.h"
#include "ui/popover_view.h"
#include "ui/style.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace torvel {

PopoverWindow::Placement PopoverWindow::placementForPlatform() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
               ? Placement::byCompositor
               : Placement::nextToIcon;
}

PopoverWindow::PopoverWindow(SettingsStore& settings, Coordinator& coordinator,
                             LoginItem& loginItem, Placement placement)
    : QWidget(nullptr, (placement == Placement::nextToIcon ? Qt::Popup : Qt::Window) |
                           Qt::FramelessWindowHint)
    , settings_(settings)
    , coordinator_(coordinator)
    , loginItem_(loginItem)
    , placement_(placement) {
    setWindowTitle(QStringLiteral("TorvelBar"));
    view_ = new PopoverView(settings, coordinator, loginItem, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The window follows the content's height as the mode changes.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(view_);
}

bool PopoverWindow::justClosed() const {
    return sinceHidden_.isValid() && sinceHidden_.elapsed() < 300;
}

void PopoverWindow::toggle(const QRect& anchor, const QPoint& clickPoint) {
    if (isVisible()) {
        hide();
        return;
    }
    if (justClosed()) {
        return;
    }
    anchor_ = anchor;
    clickPoint_ = clickPoint;
    view_->refresh();
    adjustSize();
    if (placement_ == Placement::nextToIcon) {
        place(anchor, clickPoint);
    }
    show();
    raise();
    activateWindow();
}

void PopoverWindow::place(const QRect& anchor, const QPoint& clickPoint) {
    const QPoint reference = anchor.isEmpty() ? clickPoint : anchor.center();
    QScreen* screen = QGuiApplication::screenAt(reference);
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    const QSize size = isVisible() ? this->size() : sizeHint();
    // Under the icon when it sits in the upper half, above it otherwise.
    const QRect icon = anchor.isEmpty() ? QRect(clickPoint, QSize(1, 1)) : anchor;
    int x = icon.center().x() - size.width() / 2;
    int y =
        icon.center().y() < area.center().y() ? icon.bottom() + 4 : icon.top() - 4 - size.height();
    x = std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - size.width()));
    y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    move(x, y);
}

void PopoverWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (placement_ == Placement::nextToIcon && isVisible()) {
        place(anchor_, clickPoint_);
    }
}

void PopoverWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    loginItem_.refresh();
}

void PopoverWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    sinceHidden_.start();
    coordinator_.setPreview(std::nullopt);
}

void PopoverWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PopoverWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A popup closes on a click outside by itself; a plain window has only
    // the loss of focus to tell that the user turned elsewhere.
    if (event->type() == QEvent::ActivationChange && placement_ == Placement::byCompositor &&
        isVisible() && !isActiveWindow()) {
        hide();
    }
}

void PopoverWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Style::background().resolve());
}

} // namespace torvel
