#pragma once
// The popover's header: a swatch of the current colour, the Kelvin value
// with its unit (or "Off" while the screens keep their own colours) and the
// status line under it.

#include <cstdint>
#include <optional>
#include <QString>
#include <QWidget>

namespace torvel {

class Swatch;
class TextLine;

class PopoverHeader final : public QWidget {
public:
    explicit PopoverHeader(QWidget* parent = nullptr);

    // `kelvin` is empty while the screens show their own colours.
    void setState(std::optional<std::int64_t> kelvin, const QString& status);
    QString titleText() const;
    QString statusText() const;

private:
    Swatch* swatch_;
    TextLine* kelvin_;
    TextLine* unit_;
    TextLine* off_;
    TextLine* status_;
};

} // namespace torvel
