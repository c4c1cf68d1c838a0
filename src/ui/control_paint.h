#pragma once
// Drawing shared by the flat controls: rounded shapes with strokes inside
// their edge, and the focus ring shown only while the keyboard is on a
// control.

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QWidget>

namespace torvel {

void fillRounded(QPainter& painter, const QRectF& rect, qreal radius, const QColor& color);
// A stroke of `width` inside the edge of a rounded rectangle (a circle when
// the radius is half the side).
void strokeInside(QPainter& painter, const QRectF& rect, qreal radius, qreal width,
                  const QColor& color);
// A 1-point accent ring around `rect` when `widget` has keyboard focus.
// In the accent colour unless `color` is given (a control filled with the
// accent needs another to show its ring).
void paintFocusRing(QPainter& painter, const QWidget& widget, const QRectF& rect, qreal radius,
                    const QColor& color = {});

// Remembers whether focus came from the keyboard, so mouse clicks show no ring.
bool keyboardFocus(const QWidget& widget);
void noteFocusReason(QWidget& widget, Qt::FocusReason reason);

} // namespace torvel
