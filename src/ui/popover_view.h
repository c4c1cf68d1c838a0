#pragma once
// The popover's content: header, mode picker, the mode's section, and the
// footer with open-at-login and Quit. It keeps no state: after every change
// the three shared objects publish it refreshes from them on the next turn.

#include "base/observable.h"
#include "core/coordinator.h"
#include "settings/login_item.h"
#include "settings/settings_store.h"
#include "ui/refresh_after_notices.h"

#include <functional>
#include <optional>
#include <QWidget>
#include <vector>

class QVBoxLayout;

namespace torvel {

class DayCurve;
class FlatSegmentedBase;
class FlatSwitch;
class StepperControl;
class Swatch;
class TextLine;
class ColorRow;

class PopoverView final : public QWidget {
public:
    static constexpr int viewWidth = 300, padding = 16;

    PopoverView(SettingsStore& settings, Coordinator& coordinator, LoginItem& loginItem,
                QWidget* parent = nullptr);
    ~PopoverView() override;

    // Reads the three objects now (normally done on the turn after a notice).
    void refresh();
    // What Quit does; the shell sets it (QCoreApplication::quit by default).
    void setQuitAction(std::function<void()> quit) { quit_ = std::move(quit); }

    // For tests and the shell: the parts that show state.
    QString titleText() const;
    QString statusText() const;
    ColorRow* manualRow() const { return manualRow_; }
    ColorRow* dayRow() const { return dayRow_; }
    ColorRow* nightRow() const { return nightRow_; }
    StepperControl* bedtimeStepper() const { return bedtime_; }
    StepperControl* wakeStepper() const { return wake_; }
    StepperControl* windDownStepper() const { return windDown_; }
    QString windDownDetail() const;
    DayCurve* dayCurve() const { return curve_; }
    QWidget* modeSection() const { return section_; }
    FlatSwitch* loginSwitch() const { return loginSwitch_; }
    QWidget* quitButton() const { return quitButton_; }
    QWidget* hairlineAfterSection() const { return sectionHairline_; }
    FlatSegmentedBase* modePicker() const { return picker_; }

    void changeWindDown(std::int64_t by);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildSection();
    void restoreTabOrder();
    QWidget* buildScheduleSection();
    QWidget* settingRow(const QString& title, TextLine* detail, QWidget* control);
    void stepField(std::int64_t LightSchedule::*field, std::int64_t by);

    SettingsStore& settings_;
    Coordinator& coordinator_;
    LoginItem& loginItem_;
    std::function<void()> quit_;
    RefreshAfterNotices follow_;

    QVBoxLayout* layout_ = nullptr;
    Swatch* swatch_ = nullptr;
    TextLine* kelvinTitle_ = nullptr;
    TextLine* kelvinUnit_ = nullptr;
    TextLine* offTitle_ = nullptr;
    TextLine* status_ = nullptr;
    FlatSegmentedBase* picker_ = nullptr;
    QWidget* section_ = nullptr;
    QWidget* sectionHairline_ = nullptr;
    std::optional<TorvelMode> sectionMode_;
    ColorRow* manualRow_ = nullptr;
    ColorRow* dayRow_ = nullptr;
    ColorRow* nightRow_ = nullptr;
    DayCurve* curve_ = nullptr;
    StepperControl* bedtime_ = nullptr;
    StepperControl* wake_ = nullptr;
    StepperControl* windDown_ = nullptr;
    TextLine* windDownDetail_ = nullptr;
    FlatSwitch* loginSwitch_ = nullptr;
    QWidget* quitButton_ = nullptr;
};

// A titled Kelvin slider: title, swatch and value over a 1000..6500 slider.
class ColorRow final : public QWidget {
public:
    ColorRow(const QString& title, std::function<std::int64_t()> get,
             std::function<void(std::int64_t)> set, std::function<void(bool)> onEditingChanged,
             QWidget* parent = nullptr);

    void refresh();
    class FlatSlider& slider() const {
        return *slider_;
    }
    QString valueText() const;

private:
    std::function<std::int64_t()> get_;
    Swatch* swatch_;
    TextLine* value_;
    class FlatSlider* slider_;
};

} // namespace torvel
