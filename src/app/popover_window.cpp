#include "app/popover_window.h"

#include "core/coordinator.h"
#include "platform/desktop_session.h"
#include "settings/login_item.h"
#include "ui/flat_scroll_bar.h"
#include "ui/popover_view.h"
#include "ui/style.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace torvel {

namespace {

// A window to assistive technology, not an anonymous filler.
QAccessibleInterface* windowAccessible(const QString&, QObject* object) {
    if (auto* window = dynamic_cast<PopoverWindow*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

PopoverWindow::PopoverWindow(SettingsStore& settings, Coordinator& coordinator,
                             LoginItem& loginItem, Placement placement, Frame frame)
    : QWidget(nullptr, (placement == Placement::nextToIcon ? Qt::Popup : Qt::Window) |
                           Qt::FramelessWindowHint)
    , settings_(settings)
    , coordinator_(coordinator)
    , loginItem_(loginItem)
    , placement_(placement)
    , frame_(placement == Placement::nextToIcon ? frame : Frame::square) {
    static const bool installed = [] {
        QAccessible::installFactory(windowAccessible);
        return true;
    }();
    (void)installed;
    setWindowTitle(QStringLiteral("TorvelBar"));
    if (frame_ == Frame::rounded) {
        // Asked before the native window exists, so it gets an alpha channel.
        setAttribute(Qt::WA_TranslucentBackground);
    }
    view_ = new PopoverView(settings, coordinator, loginItem);
    view_->setBackgroundPainted(frame_ == Frame::square);
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    // The wheel and the keys of the controls scroll it; as a Tab stop it
    // would be an unnamed stop with no visible focus.
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(view_);
    // The scroll area asks its widget to fill itself with the palette;
    // the view paints its own background, or leaves it to the frame.
    view_->setAutoFillBackground(false);
    scroll_->viewport()->setAutoFillBackground(false);
    scroll_->setAttribute(Qt::WA_TranslucentBackground);
    if (frame_ == Frame::rounded) {
        // Keeps the scroll bar (when there is one) clear of the rounded
        // corners above and below it.
        for (const Qt::Alignment end : {Qt::AlignTop, Qt::AlignBottom}) {
            auto* clearance = new QWidget;
            clearance->setAttribute(Qt::WA_TranslucentBackground);
            clearance->setFixedSize(1, cornerRadius);
            scroll_->addScrollBarWidget(clearance, end);
        }
    }
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->addWidget(scroll_);
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

bool PopoverWindow::iconAbove() const {
    const QRect icon = anchor_.isEmpty() ? QRect(clickPoint_, QSize(1, 1)) : anchor_;
    return icon.center().y() < screenArea().center().y();
}

void PopoverWindow::fitToScreen() {
    if (frame_ == Frame::rounded) {
        // No shadow on the icon's side: the popover keeps its 4-px gap to
        // the icon and the window never lies over the icon.
        const int w = shadowWidth;
        shadow_ = iconAbove() ? QMargins(w, 0, w, w) : QMargins(w, w, w, 0);
        layout_->setContentsMargins(shadow_);
    }
    view_->adjustSize();
    const QSize content = view_->sizeHint().expandedTo(view_->minimumSizeHint());
    // The room on the icon's side of the screen, so the window never covers
    // the panel; the whole screen when the compositor places it.
    const QRect area = screenArea();
    int room = area.height() - 8;
    if (placement_ == Placement::nextToIcon) {
        const QRect icon = anchor_.isEmpty() ? QRect(clickPoint_, QSize(1, 1)) : anchor_;
        room = iconAbove() ? area.bottom() - (icon.bottom() + 4) : icon.top() - 4 - area.top();
    }
    room = std::max(room - shadow_.top() - shadow_.bottom(), 200);
    const bool scrolls = content.height() > room;
    scroll_->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (scrolls) {
        makeFlat(*scroll_->verticalScrollBar()); // in the appearance of the moment
    }
    const int bar = scrolls ? scroll_->verticalScrollBar()->sizeHint().width() : 0;
    setFixedSize(content.width() + bar + shadow_.left() + shadow_.right(),
                 std::min(content.height(), room) + shadow_.top() + shadow_.bottom());
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
        const QRectF edge = QRectF(panelRect()).adjusted(0.5, 0.5, -0.5, -0.5);
        if (frame_ == Frame::rounded) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.drawRoundedRect(edge, cornerRadius - 0.5, cornerRadius - 0.5);
        } else {
            painter.drawRect(edge);
        }
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
    int y = iconAbove() ? icon.bottom() + 4 : icon.top() - 4 - size.height();
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

void PopoverWindow::mousePressEvent(QMouseEvent* event) {
    if (frame_ == Frame::rounded && !panelRect().contains(event->position().toPoint())) {
        hide();
        return;
    }
    QWidget::mousePressEvent(event);
}

void PopoverWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (frame_ == Frame::square) {
        painter.fillRect(rect(), Style::background().resolve());
        return;
    }
    paintFrame(painter);
}

// A shadow fading out over the margins, then the rounded popover on it.
void PopoverWindow::paintFrame(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF panel(panelRect());
    const int steps = shadowWidth;
    for (int i = steps; i >= 1; --i) {
        // Each ring adds a little; together they fall off smoothly outward.
        const qreal fade = 1.0 - static_cast<qreal>(i) / (steps + 1);
        painter.setBrush(QColor::fromRgbF(0, 0, 0, 0.045 * fade * fade));
        const qreal grow = i;
        painter.drawRoundedRect(panel.adjusted(-grow, -grow, grow, grow), cornerRadius + grow,
                                cornerRadius + grow);
    }
    painter.setBrush(Style::background().resolve());
    painter.drawRoundedRect(panel, cornerRadius, cornerRadius);
}

LazyPopover::LazyPopover(SettingsStore& settings, Coordinator& coordinator, LoginItem& loginItem,
                         const DesktopSession& desktop)
    : settings_(settings)
    , coordinator_(coordinator)
    , loginItem_(loginItem)
    , desktop_(desktop) {}

LazyPopover::~LazyPopover() = default;

PopoverWindow& LazyPopover::window() {
    if (!window_) {
        window_ =
            std::make_unique<PopoverWindow>(settings_, coordinator_, loginItem_,
                                            desktop_.popoverPlacement(), desktop_.popoverFrame());
    }
    return *window_;
}

void LazyPopover::open(const QRect& anchor, const QPoint& clickPoint) {
    if (!window().isVisible()) {
        window().toggle(anchor, clickPoint);
    }
}

} // namespace torvel
