#include "fakes/in_memory_display_layer.h"

namespace torvel {

InMemoryDisplayLayer::InMemoryDisplayLayer(std::vector<DisplayId> displays)
    : displays_(std::move(displays)) {}

std::vector<DisplayId> InMemoryDisplayLayer::onlineDisplays() {
    ++listQueries;
    return displays_;
}

void InMemoryDisplayLayer::setTransferTable(DisplayId display, std::span<const float> red,
                                            std::span<const float> green,
                                            std::span<const float> blue) {
    ++tableWrites;
    writeOrder.push_back(display);
    lastTables[display] =
        Tables{{red.begin(), red.end()}, {green.begin(), green.end()}, {blue.begin(), blue.end()}};
}

DisplayName InMemoryDisplayLayer::nameOf(DisplayId display) {
    if (const auto found = names.find(display); found != names.end()) {
        return found->second;
    }
    const QString connector = QStringLiteral("DISPLAY%1").arg(display);
    return {connector, connector, connector, {}};
}

} // namespace torvel
