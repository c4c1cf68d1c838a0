#include "ui/control_paint.h"

#include "ui/style.h"

#include <QVariant>

namespace torvel {

namespace {
constexpr char keyboardFocusProperty[] = "torvelKeyboardFocus";
}

void fillRounded(QPainter& painter, const QRectF& rect, qreal radius, const QColor& color) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(rect, radius, radius);
    painter.restore();
}

void strokeInside(QPainter& painter, const QRectF& rect, qreal radius, qreal width,
                  const QColor& color) {
    if (width <= 0) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, width));
    painter.setBrush(Qt::NoBrush);
    const qreal h = width / 2;
    const qreal r = std::max<qreal>(0, radius - h);
    painter.drawRoundedRect(rect.adjusted(h, h, -h, -h), r, r);
    painter.restore();
}

void paintFocusRing(QPainter& painter, const QWidget& widget, const QRectF& rect, qreal radius,
                    const QColor& color) {
    if (!widget.hasFocus() || !keyboardFocus(widget)) {
        return;
    }
    strokeInside(painter, rect, radius, 1.0, color.isValid() ? color : Style::accent().resolve());
}

bool keyboardFocus(const QWidget& widget) {
    return widget.property(keyboardFocusProperty).toBool();
}

void noteFocusReason(QWidget& widget, Qt::FocusReason reason) {
    const bool byKeyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                            reason == Qt::ShortcutFocusReason;
    widget.setProperty(keyboardFocusProperty, byKeyboard);
}

} // namespace torvel
