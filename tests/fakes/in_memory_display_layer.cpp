#include "fakes/in_memory_display_layer.h"

#include <algorithm>

namespace torvel {

InMemoryDisplayLayer::InMemoryDisplayLayer(std::vector<DisplayId> displays)
    : displays_(std::move(displays)) {}

std::uint32_t InMemoryDisplayLayer::onlineDisplayList(std::uint32_t capacity, DisplayId* ids) {
    ++listQueries;
    const auto count = static_cast<std::uint32_t>(displays_.size());
    if (ids == nullptr) {
        return count;
    }
    const std::uint32_t n = std::min(capacity, count);
    std::copy_n(displays_.begin(), n, ids);
    return n;
}

void InMemoryDisplayLayer::setTransferTable(DisplayId display, std::span<const float> red,
                                            std::span<const float> green,
                                            std::span<const float> blue) {
    ++tableWrites;
    writeOrder.push_back(display);
    lastTables[display] =
        Tables{{red.begin(), red.end()}, {green.begin(), green.end()}, {blue.begin(), blue.end()}};
}

void InMemoryDisplayLayer::restoreColorSettings() {
    ++restores;
    lastTables.clear();
}

void InMemoryDisplayLayer::addReconfigurationCallback(ReconfigurationCallback callback,
                                                      void* userInfo) {
    callbacks_.emplace_back(callback, userInfo);
}

void InMemoryDisplayLayer::removeReconfigurationCallback(ReconfigurationCallback callback,
                                                         void* userInfo) {
    std::erase(callbacks_, std::make_pair(callback, userInfo));
}

void InMemoryDisplayLayer::setScreensWakeHandler(std::function<void()> handler) {
    wakeHandler_ = std::move(handler);
}

void InMemoryDisplayLayer::sendReconfiguration(DisplayId display, std::uint32_t flags) {
    for (const auto& [callback, userInfo] : std::vector(callbacks_)) {
        callback(display, flags, userInfo);
    }
}

void InMemoryDisplayLayer::sendScreensWake() {
    if (wakeHandler_) {
        wakeHandler_();
    }
}

} // namespace torvel
