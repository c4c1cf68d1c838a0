#include "ui/schedule_section.h"

#include "base/shown_text.h"
#include "base/texts.h"
#include "core/coordinator.h"
#include "schedule/time_text.h"
#include "settings/settings_store.h"
#include "ui/color_row.h"
#include "ui/day_curve.h"
#include "ui/dim_row.h"
#include "ui/flat_switch.h"
#include "ui/hairline.h"
#include "ui/popover_measures.h"
#include "ui/popover_text.h"
#include "ui/stepper_control.h"
#include "ui/text_line.h"

#include <cmath>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace torvel {

namespace m = popoverMeasures;

ScheduleSection::ScheduleSection(SettingsStore& settings, Coordinator& coordinator, QWidget* parent)
    : ModeSection(parent)
    , settings_(settings)
    , coordinator_(coordinator)
    , curve_(new DayCurve)
    , sun_(new FlatSwitch(Binding<bool>{
          [this] { return settings_.scheduleSource() == ScheduleSource::sun; },
          [this](const bool& on) {
              settings_.setScheduleSource(on ? ScheduleSource::sun : ScheduleSource::clock);
          }}))
    , sunDetail_(new TextLine(m::rowDetailSize, QFont::Normal, TextTone::secondary))
    , bedtime_(new StepperControl(
          {}, [this] { stepClock(&LightSchedule::bedtime, -m::clockStep); },
          [this] { stepClock(&LightSchedule::bedtime, m::clockStep); }))
    , wake_(new StepperControl(
          {}, [this] { stepClock(&LightSchedule::wake, -m::clockStep); },
          [this] { stepClock(&LightSchedule::wake, m::clockStep); }))
    , windDown_(new StepperControl(
          {}, [this] { stepWindDown(-m::windDownStep); },
          [this] { stepWindDown(m::windDownStep); }))
    , windDownDetail_(new TextLine(m::rowDetailSize, QFont::Normal, TextTone::secondary))
    , day_(colorRow(Texts::tr("Day"), &LightSchedule::dayKelvin, Preview::day))
    , night_(colorRow(Texts::tr("Night"), &LightSchedule::nightKelvin, Preview::night))
    , nightDim_(new DimRow(
          [this] { return settings_.nightBrightness(); },
          [this](int percent) { static_cast<void>(settings_.setNightBrightness(percent)); },
          [this](bool editing) {
              coordinator_.setPreview(editing ? std::optional(Preview::night) : std::nullopt);
          })) {
    curve_->setObjectName(QStringLiteral("curve"));
    sun_->setObjectName(QStringLiteral("followSun"));
    sunDetail_->setObjectName(QStringLiteral("sunDetail"));
    // A place's line in a longer language wraps rather than losing its end.
    sunDetail_->setMaxLines(2);
    bedtime_->setObjectName(QStringLiteral("bedtime"));
    wake_->setObjectName(QStringLiteral("wake"));
    windDown_->setObjectName(QStringLiteral("windDown"));
    windDownDetail_->setObjectName(QStringLiteral("windDownDetail"));
    day_->setObjectName(QStringLiteral("day"));
    night_->setObjectName(QStringLiteral("night"));
    nightDim_->setObjectName(QStringLiteral("nightDim"));
    // Each button says what it does to which field, where a sighted user
    // reads the row's title beside a bare sign.
    bedtime_->setStepNames(Texts::tr("Bedtime earlier"), Texts::tr("Bedtime later"));
    wake_->setStepNames(Texts::tr("Wake up earlier"), Texts::tr("Wake up later"));
    windDown_->setStepNames(Texts::tr("Wind-down shorter"), Texts::tr("Wind-down longer"));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, m::pickerToSchedule, 0, 0);
    column->setSpacing(0);
    column->addWidget(curve_);
    column->addSpacing(m::curveToRows);
    column->addWidget(row(Texts::tr("Follow the sun"), sunDetail_, sun_));
    column->addWidget(row(Texts::tr("Bedtime"), nullptr, bedtime_));
    column->addWidget(row(Texts::tr("Wake up"), nullptr, wake_));
    column->addWidget(row(Texts::tr("Wind-down"), windDownDetail_, windDown_));
    column->addSpacing(m::rowsToSeparator);
    column->addWidget(new Hairline);
    column->addSpacing(m::separatorToColors);
    column->addWidget(day_);
    column->addSpacing(m::dayToNight);
    column->addWidget(night_);
    column->addSpacing(m::colorToDim);
    column->addWidget(nightDim_);
    refresh();
}

QWidget* ScheduleSection::row(const QString& title, TextLine* detail, QWidget* control) {
    control->setAccessibleName(title);
    auto* box = new QWidget;
    box->setAttribute(Qt::WA_TranslucentBackground);
    auto* h = new QHBoxLayout(box);
    h->setContentsMargins(0, m::rowInset, 0, m::rowInset);
    h->setSpacing(m::rowSpacing);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(m::rowTitleToDetail);
    texts->addWidget(new TextLine(m::rowTitleSize, QFont::Normal, TextTone::primary, title));
    if (detail) {
        texts->addWidget(detail);
    }
    h->addLayout(texts);
    h->addStretch(1);
    h->addWidget(control, 0, Qt::AlignVCenter);
    return box;
}

ColorRow* ScheduleSection::colorRow(const QString& title, std::int64_t LightSchedule::*field,
                                    Preview preview) {
    return new ColorRow(
        title, [this, field] { return settings_.schedule().*field; },
        [this, field](std::int64_t kelvin) { setField(field, kelvin); },
        [this, preview](bool editing) {
            coordinator_.setPreview(editing ? std::optional(preview) : std::nullopt);
        });
}

void ScheduleSection::setField(std::int64_t LightSchedule::*field, std::int64_t value) {
    LightSchedule schedule = settings_.schedule();
    schedule.*field = value;
    settings_.setSchedule(schedule);
}

void ScheduleSection::stepClock(std::int64_t LightSchedule::*field, std::int64_t by) {
    setField(field, steppedMinute(settings_.schedule().*field, by));
}

void ScheduleSection::stepWindDown(std::int64_t by) {
    setField(&LightSchedule::windDown, changedWindDown(settings_.schedule().windDown, by));
}

namespace {

// Which place the sun's times are for, in the fewest words.
QString placeText(const TintState& state) {
    if (!state.place) {
        return Texts::tr("No location known: clock times");
    }
    QString where;
    switch (state.place->origin) {
    case Place::Origin::typed:
        where = Texts::tr("at %1\u00B0 %2, %3\u00B0 %4", "latitude, longitude")
                    .arg(std::abs(state.place->at.latitude), 0, 'f', 2)
                    .arg(state.place->at.latitude < 0 ? Texts::tr("S", "south")
                                                      : Texts::tr("N", "north"))
                    .arg(std::abs(state.place->at.longitude), 0, 'f', 2)
                    .arg(state.place->at.longitude < 0 ? Texts::tr("W", "west")
                                                       : Texts::tr("E", "east"));
        break;
    case Place::Origin::located:
        where = Texts::tr("at your location");
        break;
    case Place::Origin::zone:
        where = Texts::tr("in %1", "in a zone's place").arg(shownText(state.place->name));
        break;
    }
    return state.sunGap == SunGap::noSun
               ? Texts::tr("No sunrise or dusk %1 today", "%1: at a place").arg(where)
               : Texts::tr("Dusk and sunrise %1", "%1: at a place").arg(where);
}

} // namespace

void ScheduleSection::refresh() {
    const TintState& state = coordinator_.state();
    const bool sun = settings_.scheduleSource() == ScheduleSource::sun;
    // With the sun, the day's own times; the stored ones answer an edit at once.
    const bool sunTimes =
        sun && state.source == ScheduleSource::sun && state.sunGap == SunGap::none;
    LightSchedule schedule = settings_.schedule();
    if (sunTimes) {
        schedule.bedtime = state.daySchedule.bedtime;
        schedule.wake = state.daySchedule.wake;
    }
    sun_->refresh();
    if (!sun) {
        sunDetail_->setText(Texts::tr("Night from dusk to sunrise"));
    } else if (state.source == ScheduleSource::sun) { // else the decision is a turn behind
        sunDetail_->setText(placeText(state));
    }
    bedtime_->setEnabled(!sunTimes);
    wake_->setEnabled(!sunTimes);
    curve_->setValues(schedule, coordinator_.now());
    bedtime_->setText(clockString(schedule.bedtime));
    wake_->setText(clockString(schedule.wake));
    windDown_->setText(durationString(schedule.windDown));
    windDownDetail_->setText(Texts::tr("Starts %1").arg(clockString(windDownStart(schedule))));
    day_->refresh();
    night_->refresh();
    nightDim_->refresh();
}

} // namespace torvel
