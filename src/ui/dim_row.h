#pragma once
// A titled brightness slider under a colour slider: how far the screens
// dim, 10 to 100 % of the level the user set.

#include <functional>
#include <QString>
#include <QWidget>

namespace torvel {

class FlatSlider;
class TextLine;

class DimRow final : public QWidget {
public:
    // `onEditingChanged` hears the start and end of every drag or run of
    // key presses (it may be empty), so a drag can preview what it sets.
    DimRow(std::function<int()> get, std::function<void(int)> set,
           std::function<void(bool)> onEditingChanged, QWidget* parent = nullptr);

    void refresh();
    FlatSlider& slider() const { return *slider_; }
    QString valueText() const;

private:
    std::function<int()> get_;
    TextLine* value_;
    FlatSlider* slider_;
};

} // namespace torvel
