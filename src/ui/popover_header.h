#pragma once
// The popover's header: a swatch of the current colour, the Kelvin value
// with its unit (or "Off", or "Paused" while something holds the colour
// off, with a Resume button for a pause of ours), the status under it (on
// up to two lines, so a hold's reason reads whole) and its notes on a line
// of their own.

#include <cstdint>
#include <functional>
#include <optional>
#include <QString>
#include <QWidget>

class QAbstractButton;

namespace torvel {

class Swatch;
class TextLine;

struct HeaderState {
    std::optional<std::int64_t> kelvin; // empty while the screens show their own colours
    bool held = false;                  // something holds the colour off for a while
    bool resumable = false;             // by a pause of ours, which Resume ends
    QString status;
    QString notes;
};

class PopoverHeader final : public QWidget {
public:
    explicit PopoverHeader(std::function<void()> resume = {}, QWidget* parent = nullptr);

    void setState(const HeaderState& state);
    QString titleText() const;
    QString statusText() const;
    QString notesText() const;
    // Shown only while a pause of ours holds.
    QAbstractButton* resumeButton() const;

private:
    Swatch* swatch_;
    TextLine* kelvin_;
    TextLine* unit_;
    TextLine* off_;
    TextLine* status_;
    TextLine* notes_;
    QAbstractButton* resume_;
};

} // namespace torvel
