#pragma once

#include <QWidget>

namespace torvel {

// A 1-point separator as wide as it is given.
class Hairline final : public QWidget {
public:
    explicit Hairline(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace torvel
