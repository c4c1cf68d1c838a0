#pragma once
// The schedule's colour over one day, noon to noon, with now marked.

#include "schedule/light_schedule.h"

#include <cstdint>
#include <QDateTime>
#include <QString>
#include <QWidget>
#include <vector>

namespace torvel {

struct DayCurveSample {
    std::int64_t x;      // minutes after noon, 0..1440
    std::int64_t kelvin; // the schedule's value there
};

// 145 samples, x = 0, 10, ... 1440.
std::vector<DayCurveSample> dayCurveSamples(const LightSchedule& schedule);
// The chart position of a minute of day: 0 at noon, never 1440.
double dayCurveX(double minuteOfDay);
// "Noon", "6 PM", "Midnight", "6 AM", "Noon" at 0, 360, 720, 1080, 1440.
QString dayCurveLabel(std::int64_t value);

class DayCurve final : public QWidget {
public:
    static constexpr int curveHeight = 84;
    static constexpr double minKelvin = 1000, maxKelvin = 7000;

    explicit DayCurve(QWidget* parent = nullptr);
    void setValues(const LightSchedule& schedule, const QDateTime& now);

    // Where a chart value lands inside the widget.
    QRectF plotRect() const;
    QPointF toWidget(double x, double kelvin) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LightSchedule schedule_;
    QDateTime now_;
};

} // namespace torvel
