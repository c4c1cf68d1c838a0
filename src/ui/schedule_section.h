#pragma once
// The schedule mode's part of the popover: the day's curve, the switch to
// follow the sun with the place it uses, the bedtime, wake and wind-down
// steppers (bedtime and wake showing dusk and sunrise, not to be changed,
// while the sun sets them), and the day and night colour rows. Every
// edit writes the whole schedule once; dragging a colour previews it.

#include "core/preview.h"
#include "schedule/light_schedule.h"
#include "ui/mode_section.h"

#include <cstdint>

namespace torvel {

class ColorRow;
class DimRow;
class Coordinator;
class DayCurve;
class FlatSwitch;
class SettingsStore;
class StepperControl;
class TextLine;

class ScheduleSection final : public ModeSection {
public:
    ScheduleSection(SettingsStore& settings, Coordinator& coordinator, QWidget* parent = nullptr);

    void refresh() override;

private:
    void setField(std::int64_t LightSchedule::*field, std::int64_t value);
    void stepClock(std::int64_t LightSchedule::*field, std::int64_t by);
    void stepWindDown(std::int64_t by);
    QWidget* row(const QString& title, TextLine* detail, QWidget* control);
    ColorRow* colorRow(const QString& title, std::int64_t LightSchedule::*field, Preview preview);

    SettingsStore& settings_;
    Coordinator& coordinator_;
    DayCurve* curve_;
    FlatSwitch* sun_;
    TextLine* sunDetail_;
    StepperControl* bedtime_;
    StepperControl* wake_;
    StepperControl* windDown_;
    TextLine* windDownDetail_;
    ColorRow* day_;
    ColorRow* night_;
    DimRow* nightDim_;
};

} // namespace torvel
