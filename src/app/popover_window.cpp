#include "app/popover_window.h"

#include "core/coordinator.h"
#include "settings/login_item.h"
#include "ui/popover_view.h"
#include "ui/style.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
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
    view_ = new PopoverView(settings, coordinator, loginItem);
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(view_);
    scroll_->viewport()->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
    // The window follows the content's height as the mode changes.
    view_->installEventFilter(this);
    // A hairline all round, over the content: the popover's edge on a
    // light desktop of nearly its own colour.
    border_ = new QWidget(this);
    border_->setAttribute(Qt::WA_TransparentForMouseEvents);
    border_->installEventFilter(this);
    fitToScreen();
}

QRect PopoverWindow::screenArea() const {
    const QPoint reference = anchor_.isEmpty() ? clickPoint_ : anchor_.center();
    QScreen* s = QGuiApplication::screenAt(reference);
    if (!s) {
        s = screen() ? screen() : QGuiApplication::primaryScreen();
    }
    return s ? s->availableGeometry() : QRect(0, 0, 1920, 1080);
}

void PopoverWindow::fitToScreen() {
    view_->adjustSize();
    const QSize content = view_->sizeHint().expandedTo(view_->minimumSizeHint());
    // The room on the icon's side of the screen, so the window never covers
    // the panel; the whole screen when the compositor places it.
    const QRect area = screenArea();
    int room = area.height() - 8;
    if (placement_ == Placement::nextToIcon) {
        const QRect icon = anchor_.isEmpty() ? QRect(clickPoint_, QSize(1, 1)) : anchor_;
        room = icon.center().y() < area.center().y() ? area.bottom() - (icon.bottom() + 4)
                                                     : icon.top() - 4 - area.top();
    }
    room = std::max(room, 200);
    const bool scrolls = content.height() > room;
    scroll_->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int bar = scrolls ? scroll_->verticalScrollBar()->sizeHint().width() : 0;
    setFixedSize(content.width() + bar, std::min(content.height(), room));
    border_->setGeometry(rect());
    border_->raise();
}

bool PopoverWindow::eventFilter(QObject* watched, QEvent* event) {
    // While hidden (most of the time) the view still refreshes on every tick;
    // the window is fitted when it is shown, not then.
    if (watched == view_ && isVisible() &&
        (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Resize)) {
        QMetaObject::invokeMethod(
            this, [this] { fitToScreen(); }, Qt::QueuedConnection);
    } else if (watched == border_ && event->type() == QEvent::Paint) {
        QPainter painter(border_);
        painter.setPen(QPen(Style::hairline().resolve(), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(border_->rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        return true;
    }
    return QWidget::eventFilter(watched, event);
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
    fitToScreen();
    if (placement_ == Placement::nextToIcon) {
        place(anchor, clickPoint);
    }
    show();
    raise();
    activateWindow();
}

void PopoverWindow::place(const QRect& anchor, const QPoint& clickPoint) {
    const QRect area = screenArea();
    const QSize size = this->size(); // fitted to the screen already
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
