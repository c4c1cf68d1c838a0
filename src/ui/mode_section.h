#pragma once
// What sits between the mode picker and the footer: rebuilt when the mode
// changes, refreshed with the rest of the view otherwise. Its own widget
// paints nothing; the off mode's is empty and has no height.

#include <QWidget>

namespace torvel {

class ModeSection : public QWidget {
public:
    explicit ModeSection(QWidget* parent = nullptr);
    virtual void refresh() {}
};

} // namespace torvel
