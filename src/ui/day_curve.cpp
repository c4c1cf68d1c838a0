#include "ui/day_curve.h"

#include "base/texts.h"
#include "schedule/day_math.h"
#include "schedule/minute_of_day.h"
#include "ui/style.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace torvel {

namespace {
// The plot's insets inside the 84-high frame: room for the ringed point at
// the top and at either side, and for one line of axis labels under it.
constexpr double topInset = 5, sideInset = 5, labelGap = 3, labelPixels = 10;
} // namespace

std::vector<DayCurveSample> dayCurveSamples(const LightSchedule& schedule) {
    std::vector<DayCurveSample> samples;
    samples.reserve(145);
    for (std::int64_t x = 0; x <= 1440; x += 10) {
        const double minute = static_cast<double>(wrapMinute(x + 720));
        samples.push_back({x, schedule.evaluate(minute).kelvin});
    }
    return samples;
}

double dayCurveX(double minuteOfDay) {
    return wrapMinute(minuteOfDay - 720);
}

QString dayCurveLabel(std::int64_t value) {
    switch (value) {
    case 0:
    case 1440:
        return Texts::tr("Noon");
    case 360:
        return Texts::tr("6 PM");
    case 720:
        return Texts::tr("Midnight");
    case 1080:
        return Texts::tr("6 AM");
    default:
        return {};
    }
}

DayCurve::DayCurve(QWidget* parent)
    : QWidget(parent) {
    setFixedHeight(curveHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TranslucentBackground);
}

void DayCurve::setValues(const LightSchedule& schedule, const QDateTime& now) {
    schedule_ = schedule;
    now_ = now;
    update();
}

QRectF DayCurve::plotRect() const {
    QFont font;
    font.setPixelSize(static_cast<int>(labelPixels));
    const double labels = QFontMetricsF(font).height();
    // As much room at either side as at the top, so the ringed point is drawn
    // whole at noon too.
    return QRectF(sideInset, topInset, width() - 2 * sideInset,
                  curveHeight - topInset - labelGap - labels);
}

QPointF DayCurve::toWidget(double x, double kelvin) const {
    const QRectF plot = plotRect();
    return {plot.left() + x / 1440.0 * plot.width(),
            plot.bottom() - (kelvin - minKelvin) / (maxKelvin - minKelvin) * plot.height()};
}

void DayCurve::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot = plotRect();
    painter.setClipRect(QRectF(rect()));
    const QColor accent = Style::accent().resolve();

    const auto samples = dayCurveSamples(schedule_);
    QPainterPath line, area;
    area.moveTo(toWidget(0, minKelvin));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double k = static_cast<double>(samples[i].kelvin);
        const QPointF p = toWidget(static_cast<double>(samples[i].x), k);
        i == 0 ? line.moveTo(p) : line.lineTo(p);
        area.lineTo(p);
    }
    area.lineTo(toWidget(1440, minKelvin));
    area.closeSubpath();
    QColor faint = accent;
    faint.setAlphaF(0.12f);
    painter.save();
    painter.setClipRect(plot);
    painter.fillPath(area, faint);
    QPen pen(accent, 1.5);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::FlatCap);
    pen.setMiterLimit(10);
    painter.strokePath(line, pen);
    painter.restore();

    const double minute = now_.isValid() ? minuteOfDay(now_) : 0;
    const double nowX = dayCurveX(minute);
    const double nowK = static_cast<double>(schedule_.evaluate(minute).kelvin);
    QColor rule = primaryLabel();
    rule.setAlphaF(0.35f);
    const double ruleX = toWidget(nowX, minKelvin).x();
    painter.setPen(QPen(rule, 1));
    painter.drawLine(QPointF(ruleX, plot.top()), QPointF(ruleX, plot.bottom()));

    const QPointF point = toWidget(nowX, std::clamp(nowK, minKelvin, maxKelvin));
    painter.setPen(Qt::NoPen);
    painter.setBrush(accent);
    painter.drawEllipse(point, 5, 5);
    painter.setPen(QPen(Style::background().resolve(), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(point, 4, 4); // a 2-wide ring inside the 10 x 10 circle

    QFont font;
    font.setPixelSize(static_cast<int>(labelPixels));
    painter.setFont(font);
    painter.setPen(secondaryLabel());
    const QFontMetricsF metrics(font);
    const double labelTop = plot.bottom() + labelGap;
    for (const std::int64_t value : {0, 360, 720, 1080, 1440}) {
        const QString text = dayCurveLabel(value);
        const double w = metrics.horizontalAdvance(text);
        const double at = toWidget(static_cast<double>(value), minKelvin).x();
        const double left = value == 0 ? at : value == 1440 ? at - w : at - w / 2;
        painter.drawText(QPointF(left, labelTop + metrics.ascent()), text);
    }
}

} // namespace torvel
