#pragma once
// Displays held in memory: record every call the gamma service makes and let
// a test send reconfiguration and screen-wake notices. One fake for each
// form a host takes a colour in.

#include "platform/display_layer.h"

#include <map>
#include <utility>
#include <vector>

namespace torvel {

// The notices and restores both fakes share.
template <class Layer> class FakeDisplayNotices : public Layer {
public:
    void restoreColorSettings() override {
        ++restores;
        onRestore();
    }

    void sendReconfiguration(DisplayId display, DisplayChange::Kind kind) {
        this->notifyReconfiguration({display, kind});
    }
    void sendScreensWake() { this->notifyScreensWake(); }
    // What trouble() answers from now on, told to the subscribers.
    void setTrouble(std::optional<QString> why) {
        trouble_ = std::move(why);
        this->notifyTrouble();
    }
    std::optional<QString> trouble() const override { return trouble_; }

    int restores = 0;

protected:
    virtual void onRestore() {}

private:
    std::optional<QString> trouble_;
};

class InMemoryDisplayLayer : public FakeDisplayNotices<TableDisplayLayer> {
public:
    struct Tables {
        std::vector<float> red, green, blue;
    };

    explicit InMemoryDisplayLayer(std::vector<DisplayId> displays = {1});

    std::vector<DisplayId> onlineDisplays() override;
    void setTransferTable(DisplayId display, std::span<const float> red,
                          std::span<const float> green, std::span<const float> blue) override;
    // "DISPLAY<id>", or the name a test gave.
    DisplayName nameOf(DisplayId display) override;
    void releaseDisplay(DisplayId display) override { lastTables.erase(display); }

    // Test controls.
    void setDisplays(std::vector<DisplayId> displays) { displays_ = std::move(displays); }
    std::map<DisplayId, DisplayName> names;

    // What happened.
    int listQueries = 0;
    int tableWrites = 0;
    std::vector<DisplayId> writeOrder;      // display of each table write
    std::map<DisplayId, Tables> lastTables; // latest tables per display

private:
    void onRestore() override { lastTables.clear(); }

    std::vector<DisplayId> displays_;
};

// A host that takes one temperature, as a desktop's own night light does.
class InMemoryTemperatureLayer : public FakeDisplayNotices<TemperatureDisplayLayer> {
public:
    void setTemperature(std::int64_t kelvin) override { temperatures.push_back(kelvin); }

    std::vector<std::int64_t> temperatures; // every value set, in order
};

} // namespace torvel
