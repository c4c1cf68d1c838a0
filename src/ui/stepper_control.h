#pragma once
// A capsule with an auto-repeating minus button, a text at least 70 wide
// and an auto-repeating plus button.

#include <functional>
#include <QAbstractButton>
#include <QString>
#include <QWidget>

namespace torvel {

class StepperControl final : public QWidget {
public:
    static constexpr int buttonWidth = 26, controlHeight = 24, minTextWidth = 70;
    enum class Step { down, up };

    StepperControl(const QString& text, std::function<void()> onDecrement,
                   std::function<void()> onIncrement, QWidget* parent = nullptr);

    void setText(const QString& text);
    // The buttons' accessible names; "Decrease" and "Increase" until set.
    void setStepNames(const QString& minus, const QString& plus);
    const QString& text() const { return text_; }
    QAbstractButton& minusButton() { return *minus_; }
    QAbstractButton& plusButton() { return *plus_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QAbstractButton* stepButton(Step step, std::function<void()> action);
    qreal textWidth() const;

    QString text_;
    QAbstractButton* minus_;
    QAbstractButton* plus_;
};

} // namespace torvel
