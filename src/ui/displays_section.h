#pragma once
// Each display's own choices in the popover, under the mode's section: a
// switch to tint it or leave it as it is, and its strength. Shown only
// where there is a choice to make: two or more displays that the host
// tints one by one.
//
// Its rows carry object names "display" (the switches) and "strength"
// (the sliders), in the displays' order.

#include "core/gamma_service.h"

#include <QWidget>
#include <vector>

class QVBoxLayout;

namespace torvel {

class Coordinator;
class SettingsStore;

class DisplaysSection final : public QWidget {
public:
    DisplaysSection(SettingsStore& settings, Coordinator& coordinator, QWidget* parent = nullptr);

    // Reads the displays now: rows for new ones, none for gone ones; true
    // when the rows were made anew.
    bool refresh();

private:
    void rebuild();
    DisplayOptions optionsAt(std::size_t row) const;
    void set(std::size_t row, const DisplayOptions& options);

    SettingsStore& settings_;
    Coordinator& coordinator_;
    std::vector<DisplayReport> displays_;
    QVBoxLayout* rows_;
    std::vector<std::function<void()>> refreshRows_;
};

} // namespace torvel
