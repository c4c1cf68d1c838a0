#pragma once
// A button that is only a line of secondary text; the whole rectangle is
// clickable and an accent underline shows keyboard focus.

#include "ui/text_line.h"

#include <QAbstractButton>

namespace torvel {

class TextButton final : public QAbstractButton {
public:
    TextButton(int pixelSize, const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TextLine line_; // never shown: it measures the text
};

} // namespace torvel
