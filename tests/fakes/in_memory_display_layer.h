#pragma once
// Displays held in memory: records every call the gamma service makes and
// lets a test send reconfiguration and screen-wake notices.

#include "platform/display_layer.h"

#include <map>
#include <utility>
#include <vector>

namespace torvel {

class InMemoryDisplayLayer : public DisplayLayer {
public:
    struct Tables {
        std::vector<float> red, green, blue;
    };

    explicit InMemoryDisplayLayer(std::vector<DisplayId> displays = {1});

    std::uint32_t onlineDisplayList(std::uint32_t capacity, DisplayId* ids) override;
    void setTransferTable(DisplayId display, std::span<const float> red,
                          std::span<const float> green, std::span<const float> blue) override;
    void restoreColorSettings() override;
    void addReconfigurationCallback(ReconfigurationCallback callback, void* userInfo) override;
    void removeReconfigurationCallback(ReconfigurationCallback callback, void* userInfo) override;
    void setScreensWakeHandler(std::function<void()> handler) override;

    // Test controls.
    void setDisplays(std::vector<DisplayId> displays) { displays_ = std::move(displays); }
    void sendReconfiguration(DisplayId display, std::uint32_t flags);
    void sendScreensWake();

    // What happened.
    int listQueries = 0;
    int tableWrites = 0;
    int restores = 0;
    std::vector<DisplayId> writeOrder;      // display of each table write
    std::map<DisplayId, Tables> lastTables; // latest tables per display

private:
    std::vector<DisplayId> displays_;
    std::vector<std::pair<ReconfigurationCallback, void*>> callbacks_;
    std::function<void()> wakeHandler_;
};

} // namespace torvel
