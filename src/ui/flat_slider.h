#pragma once
// A flat slider 18 high: a 4-high track, the accent fill up to the knob's
// centre and a 16-point white knob. The pointer holds the knob by its
// centre; values are stepped and written only when they change.

#include "ui/binding.h"

#include <functional>
#include <QTimer>
#include <QWidget>

namespace torvel {

struct SliderGeometry {
    double lower, upper, step;
    double width; // offered width W
    double knob = 16;

    double usable() const;               // U = max(W - K, 1)
    double fraction(double value) const; // limited to 0..1
    double knobX(double value) const;    // f * U
    // The stepped value for a pointer at `x`, halves rounded away from zero.
    double valueAt(double x) const;
};

// Q_OBJECT: assistive technology finds the slider by its class.
class FlatSlider final : public QWidget {
    Q_OBJECT

public:
    static constexpr int controlHeight = 18;
    // How long a preview stays after the last key or wheel step.
    static constexpr int keyboardHoldMs = 1000;

    FlatSlider(Binding<double> value, double lower, double upper, double step,
               std::function<void(bool)> onEditingChanged, QWidget* parent = nullptr);

    bool dragging() const { return dragging_; }
    SliderGeometry geometryNow() const;
    double value() const { return value_.get(); }
    double lower() const { return lower_; }
    double upper() const { return upper_; }
    double step() const { return step_; }
    // Said after the number to assistive technology ("3400 K").
    void setUnit(const QString& unit) { unit_ = unit; }
    const QString& unit() const { return unit_; }
    // An assistive technology sets the value: stepped and limited, as a key would.
    void setValueFrom(double value);
    // The owner's value may have changed: redraws, and tells assistive
    // technology once per change.
    void refresh();
    QSize sizeHint() const override { return {200, controlHeight}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Hiding (the popover closing under a held knob) ends the drag: the
    // release will never come, and the next press must start a new one.
    void hideEvent(QHideEvent* event) override;

private:
    void change(double x);
    void end();
    // A key or the wheel moves the value by `steps` (or to an end): an edit
    // held open for a moment after the last one, so a preview stays while
    // the keys are pressed and the user sees the colour being picked.
    void stepBy(double steps);
    void endKeyboardEdit();
    void announceValue();

    Binding<double> value_;
    double lower_, upper_, step_;
    std::function<void(bool)> onEditingChanged_;
    bool dragging_ = false;
    bool keyboardEditing_ = false;
    QTimer* keyboardHold_ = nullptr;
    QString unit_;
    double announced_;
};

} // namespace torvel
