#include "tray/tray_symbols.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <QPainterPath>

namespace torvel {

TraySymbol traySymbolFor(std::int64_t kelvin, TrayLook look) {
    if (look == TrayLook::off) {
        return TraySymbol::circleSlash;
    }
    if (look == TrayLook::paused) {
        return TraySymbol::pauseCircle;
    }
    if (kelvin > 5799) {
        return TraySymbol::sunMax;
    }
    if (kelvin > 4499) {
        return TraySymbol::sunHaze;
    }
    if (kelvin > 3399) {
        return TraySymbol::sunset;
    }
    if (kelvin < 2400) {
        return TraySymbol::moonZzz;
    }
    return TraySymbol::moon;
}

const char* traySymbolName(TraySymbol symbol) {
    switch (symbol) {
    case TraySymbol::circleSlash:
        return "circle.slash";
    case TraySymbol::pauseCircle:
        return "pause.circle";
    case TraySymbol::sunMax:
        return "sun.max.fill";
    case TraySymbol::sunHaze:
        return "sun.haze.fill";
    case TraySymbol::sunset:
        return "sunset.fill";
    case TraySymbol::moon:
        return "moon.fill";
    case TraySymbol::moonZzz:
        return "moon.zzz.fill";
    }
    return "";
}

namespace {

// Rays around (cx, cy) from radius r0 to r1, `count` of them, from `from`
// to `to` radians.
QPainterPath rays(QPointF c, qreal r0, qreal r1, int count, qreal from, qreal to, qreal width) {
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        const qreal a = count == 1 ? from : from + (to - from) * i / (count - 1);
        const QPointF d(std::cos(a), -std::sin(a));
        QPainterPath ray;
        ray.moveTo(c + d * r0);
        ray.lineTo(c + d * r1);
        QPainterPathStroker stroker;
        stroker.setWidth(width);
        stroker.setCapStyle(Qt::RoundCap);
        path = path.united(stroker.createStroke(ray));
    }
    return path;
}

QPainterPath crescent(QPointF c, qreal r) {
    QPainterPath moon;
    moon.addEllipse(c, r, r);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(r * 0.55, -r * 0.45), r * 0.85, r * 0.85);
    return moon.subtracted(bite);
}

QPainterPath letterZ(QPointF topLeft, qreal s, qreal width) {
    QPainterPath z;
    z.moveTo(topLeft);
    z.lineTo(topLeft + QPointF(s, 0));
    z.lineTo(topLeft + QPointF(0, s));
    z.lineTo(topLeft + QPointF(s, s));
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(z);
}

// A circle's outline of `width`, its outer radius `radius`.
QPainterPath ring(QPointF c, qreal radius, qreal width) {
    QPainterPath outer;
    outer.addEllipse(c, radius, radius);
    QPainterPath inner;
    inner.addEllipse(c, radius - width, radius - width);
    return outer.subtracted(inner);
}

} // namespace

void drawTraySymbol(QPainter& painter, TraySymbol symbol, QPointF o, qreal s) {
    constexpr qreal pi = std::numbers::pi;
    const QPointF c = o + QPointF(s / 2, s / 2);
    // Stroke width of the line parts; never thinner than a device pixel and
    // a quarter, or the rays of a small sun fade into the panel.
    const qreal w = std::max(s * 0.12, 1.25);
    QPainterPath path;
    switch (symbol) {
    case TraySymbol::circleSlash: {
        path = ring(c, s * 0.45, w);
        path = path.united(rays(c, -s * 0.45, s * 0.45, 1, 3 * pi / 4, 3 * pi / 4, w));
        break;
    }
    case TraySymbol::pauseCircle: {
        // The off symbol's ring with two bars for the slash: held, not off.
        path = ring(c, s * 0.45, w);
        const qreal barHeight = s * 0.42;
        const qreal barWidth = std::max(w * 1.15, 1.25);
        for (const qreal dx : {-s * 0.12, s * 0.12}) {
            QPainterPath bar;
            bar.addRoundedRect(
                QRectF(c.x() + dx - barWidth / 2, c.y() - barHeight / 2, barWidth, barHeight),
                barWidth / 3, barWidth / 3);
            path = path.united(bar);
        }
        break;
    }
    case TraySymbol::sunMax:
        path.addEllipse(c, s * 0.22, s * 0.22);
        path = path.united(rays(c, s * 0.33, s * 0.48, 8, 0, 2 * pi * 7 / 8, w));
        break;
    case TraySymbol::sunHaze: {
        // A sun in the upper left behind three haze lines.
        const QPointF sc = o + QPointF(s * 0.42, s * 0.4);
        path.addEllipse(sc, s * 0.18, s * 0.18);
        path = path.united(rays(sc, s * 0.27, s * 0.38, 5, pi * 0.1, pi * 1.3, w));
        for (int i = 0; i < 3; ++i) {
            QPainterPath line;
            const qreal y = s * (0.7 + 0.13 * i);
            const qreal x0 = s * (0.15 + 0.12 * i);
            line.addRoundedRect(QRectF(o + QPointF(x0, y - w / 2), QSizeF(s * 0.85 - x0, w)), w / 2,
                                w / 2);
            path = path.united(line);
        }
        break;
    }
    case TraySymbol::sunset: {
        // Half a sun on the horizon, rays above, the horizon line below.
        const QPointF sc = o + QPointF(s / 2, s * 0.68);
        QPainterPath disc;
        disc.addEllipse(sc, s * 0.24, s * 0.24);
        QPainterPath upper;
        upper.addRect(QRectF(o, QSizeF(s, s * 0.68)));
        path = disc.intersected(upper);
        path = path.united(rays(sc, s * 0.34, s * 0.47, 5, 0.15 * pi, 0.85 * pi, w));
        QPainterPath horizon;
        horizon.addRoundedRect(QRectF(o + QPointF(s * 0.05, s * 0.78), QSizeF(s * 0.9, w)), w / 2,
                               w / 2);
        path = path.united(horizon);
        break;
    }
    case TraySymbol::moon:
        path = crescent(c, s * 0.42);
        break;
    case TraySymbol::moonZzz:
        path = crescent(o + QPointF(s * 0.4, s * 0.6), s * 0.36);
        path = path.united(letterZ(o + QPointF(s * 0.62, s * 0.05), s * 0.3, w * 0.8));
        break;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.fillPath(path, painter.brush());
    painter.restore();
}

} // namespace torvel
