#include "display/gamma_service.h"

#include "display/transfer_tables.h"

#include <algorithm>

namespace torvel {

GammaService::GammaService(DisplayLayer& display, MainQueue& mainQueue)
    : display_(display)
    , mainQueue_(mainQueue)
    , self_(std::make_shared<GammaService*>(this)) {
    installDisplayHook();
    std::weak_ptr<GammaService*> weak = self_;
    display_.setScreensWakeHandler([weak] {
        if (auto self = weak.lock()) {
            (*self)->write();
        }
    });
}

GammaService::~GammaService() {
    display_.setScreensWakeHandler({});
    display_.removeReconfigurationCallback(&GammaService::displayCallback, this);
}

void GammaService::apply(std::optional<std::int64_t> kelvin) {
    if (kelvin) {
        kelvin_ = std::clamp(*kelvin, minKelvin, maxKelvin);
        write();
        return;
    }
    if (!kelvin_) {
        return;
    }
    kelvin_.reset();
    display_.restoreColorSettings();
}

void GammaService::write() {
    if (!kelvin_) {
        return;
    }
    const TransferTables tables = buildTransferTables(ChannelGains(*kelvin_));
    for (const DisplayId id : onlineDisplays()) {
        display_.setTransferTable(id, tables.red, tables.green, tables.blue);
    }
}

std::vector<DisplayId> GammaService::onlineDisplays() {
    const std::uint32_t count = display_.onlineDisplayList(0, nullptr);
    if (count == 0) {
        return {};
    }
    std::vector<DisplayId> ids(count, 0);
    const std::uint32_t written = display_.onlineDisplayList(count, ids.data());
    ids.resize(std::min<std::size_t>(ids.size(), written));
    return ids;
}

void GammaService::installDisplayHook() {
    display_.addReconfigurationCallback(&GammaService::displayCallback, this);
}

void GammaService::displayCallback(DisplayId, std::uint32_t flags, void* userInfo) {
    if (userInfo == nullptr || (flags & DisplayChange::beginConfiguration) != 0) {
        return;
    }
    auto* service = static_cast<GammaService*>(userInfo);
    // Each notice schedules its own write; the write reads the value stored
    // when it runs, not the one stored now.
    std::weak_ptr<GammaService*> weak = service->self_;
    service->mainQueue_.postAfter(reconfigurationDelay, [weak] {
        if (auto self = weak.lock()) {
            (*self)->write();
        }
    });
}

} // namespace torvel
