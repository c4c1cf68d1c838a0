#include "tray/tray_digits.h"

#include <QPainterPathStroker>
#include <QTransform>

namespace torvel {

namespace {

// A digit's centre lines span this box; the stroke adds half its width on
// every side. Bold, tabular: every digit takes the same advance, so the
// number does not shift as it counts down.
constexpr qreal width = 58;
constexpr qreal height = 100;
constexpr qreal stroke = 23;
constexpr qreal advance = width + stroke + 13;

// Straight strokes that end square run half a stroke past the box, as far
// as the round ones' outer edge: every digit's ink has the same height.
QPainterPath centreLines(QChar c) {
    constexpr qreal w = width, h = height, e = stroke / 2;
    QPainterPath p;
    switch (c.unicode()) {
    case '0':
        p.addRoundedRect(QRectF(0, 0, w, h), w / 2, w / 2);
        break;
    case '1':
        p.moveTo(w * 0.62, -e);
        p.lineTo(w * 0.62, h + e);
        p.moveTo(w * 0.1, h * 0.2);
        p.lineTo(w * 0.62, 0);
        break;
    case '2': {
        const QRectF bowl(0, 0, w, w);
        p.arcMoveTo(bowl, 165);
        p.arcTo(bowl, 165, -215);
        p.lineTo(0, h);
        p.lineTo(w + e, h);
        break;
    }
    case '3': {
        const QRectF top(3, 0, w - 8, 48);
        p.arcMoveTo(top, 155);
        p.arcTo(top, 155, -245);
        const QRectF bottom(0, 46, w, h - 46);
        p.arcTo(bottom, 90, -255);
        break;
    }
    case '4':
        // The stem apart from the diagonal, so the apex is the stem's square
        // top rather than a bevel.
        p.moveTo(w * 0.74, h + e);
        p.lineTo(w * 0.74, -e);
        p.moveTo(w * 0.74, 0);
        p.lineTo(0, h * 0.68);
        p.lineTo(w + e, h * 0.68);
        break;
    case '5': {
        p.moveTo(w + e, 0);
        p.lineTo(4, 0);
        p.lineTo(2, 46);
        const QRectF bowl(0, 38, w, h - 38);
        p.arcTo(bowl, 140, -290);
        break;
    }
    case '6':
    case '9': {
        p.addEllipse(QRectF(0, 40, w, h - 40));
        p.moveTo(0, 70);
        p.cubicTo(0, 22, 18, 0, w - 4, 0);
        if (c == u'9') {
            // A six turned half round.
            p = QTransform(-1, 0, 0, -1, w, h).map(p);
        }
        break;
    }
    case '7':
        p.moveTo(-e, 0);
        p.lineTo(w, 0);
        // Less than half a stroke down: the slanted end's corner reaches it.
        p.lineTo(w * 0.3, h + e * 0.66);
        break;
    case '8':
        p.addEllipse(QRectF(3, 0, w - 6, 46));
        p.addEllipse(QRectF(0, 44, w, h - 44));
        break;
    case '-':
        p.moveTo(w * 0.1, h * 0.6);
        p.lineTo(w * 0.9, h * 0.6);
        break;
    default:
        break;
    }
    return p;
}

} // namespace

QPainterPath trayDigits(const QString& text) {
    QPainterPathStroker stroker;
    stroker.setWidth(stroke);
    stroker.setCapStyle(Qt::FlatCap);
    // Square corners, but a bevel where a miter would spike (the 4's apex).
    stroker.setJoinStyle(Qt::SvgMiterJoin);
    stroker.setMiterLimit(2);
    QPainterPath out;
    out.setFillRule(Qt::WindingFill);
    qreal x = 0;
    for (const QChar c : text) {
        const QPainterPath lines = centreLines(c);
        if (!lines.isEmpty()) {
            out.addPath(stroker.createStroke(lines).translated(x, -height));
        }
        x += advance;
    }
    return out;
}

} // namespace torvel
