#pragma once
// A titled Kelvin slider: title, swatch and value over a slider across the
// range the displays accept.

#include <cstdint>
#include <functional>
#include <QString>
#include <QWidget>

namespace torvel {

class FlatSlider;
class Swatch;
class TextLine;

class ColorRow final : public QWidget {
public:
    // `onEditingChanged` hears the start and end of every drag or run of
    // key presses on the slider (it may be empty).
    ColorRow(const QString& title, std::function<std::int64_t()> get,
             std::function<void(std::int64_t)> set, std::function<void(bool)> onEditingChanged,
             QWidget* parent = nullptr);

    void refresh();
    FlatSlider& slider() const { return *slider_; }
    QString valueText() const;

private:
    std::function<std::int64_t()> get_;
    Swatch* swatch_;
    TextLine* value_;
    FlatSlider* slider_;
};

} // namespace torvel
