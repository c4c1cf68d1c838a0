#pragma once
// A round sample of what a colour temperature looks like on the screens.

#include <cstdint>
#include <optional>
#include <QWidget>

class QPainter;

namespace torvel {

// Fills a circle in `square` with the tint the displays get at `kelvin`
// (transparent when absent) and rings it with a 1-point hairline inside
// its edge.
void paintSwatch(QPainter& painter, const QRectF& square, std::optional<std::int64_t> kelvin);

class Swatch final : public QWidget {
public:
    Swatch(std::optional<std::int64_t> kelvin, qreal size, QWidget* parent = nullptr);
    void setKelvin(std::optional<std::int64_t> kelvin);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<std::int64_t> kelvin_;
};

} // namespace torvel
