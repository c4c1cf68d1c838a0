#pragma once
// A 26 x 15 on/off switch whose knob slides over 0.15 s.

#include "ui/binding.h"

#include <QAbstractButton>
#include <QVariantAnimation>

namespace torvel {

class FlatSwitch final : public QAbstractButton {
public:
    static constexpr int trackWidth = 26, trackHeight = 15, knobSize = 11, knobPadding = 2;
    static constexpr int animationMs = 150;

    explicit FlatSwitch(Binding<bool> isOn, QWidget* parent = nullptr);

    // The owner's value changed: slide to it (and tell assistive technology).
    void refresh();
    bool isOn() const { return isOn_.get(); }
    // 0 off, 1 on; in between while sliding.
    qreal position() const { return position_; }
    qreal knobCenterX() const;
    const QVariantAnimation& animation() const { return animation_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    Binding<bool> isOn_;
    qreal position_;
    bool announced_;
    QVariantAnimation animation_;
};

} // namespace torvel
