#pragma once
// One line of text in the application font at a pixel size and weight, in
// the primary or secondary label colour resolved at paint time; elided
// when it does not fit. It may wrap at spaces onto a few lines instead,
// growing as it does.

#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace torvel {

// The label colour a line is drawn in.
enum class TextTone { primary, secondary };

class TextLine final : public QWidget {
public:
    TextLine(int pixelSize, QFont::Weight weight, TextTone tone, const QString& text = {},
             QWidget* parent = nullptr);

    void setText(const QString& text);
    const QString& text() const { return text_; }
    // Distance from the top to the baseline, for aligning rows on it.
    int baseline() const;
    // Moves the text down by `pixels` (the widget grows by as much), so a
    // smaller text sits on a larger one's baseline when both are top-aligned.
    void setBaselineOffset(int pixels);
    // Wraps at spaces onto at most `lines` lines, the last elided.
    void setMaxLines(int lines);
    // The lines as drawn at the current width.
    const QStringList& shownLines() const { return lines_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Lays the text out at the width (the lines, the height) and gives a
    // text cut short a tooltip with the whole of it.
    void relayout();
    QStringList wrapped() const;
    int lineStep() const;
    QString text_;
    int maxLines_ = 1;
    QStringList lines_;
    TextTone tone_;
    int baselineOffset_ = 0;
};

} // namespace torvel
