#include "core/gamma_service.h"

#include "color/channel_gains.h"

#include <algorithm>

namespace torvel {

GammaService::GammaService(DisplayLayer& display, MainQueue& mainQueue)
    : display_(display)
    , mainQueue_(mainQueue) {
    installDisplayHook();
    screensWake_ = display_.subscribeScreensWake([watch = self_.watch()] {
        if (GammaService* self = watch.get()) {
            self->write();
        }
    });
}

GammaService::~GammaService() = default;

void GammaService::apply(std::optional<std::int64_t> kelvin, const DisplayOptionsMap& displays) {
    if (displays != displays_) {
        displaysWillChange_.send();
        displays_ = displays;
    }
    if (kelvin) {
        kelvin_ = clampKelvin(*kelvin);
        write();
        return;
    }
    if (!kelvin_) {
        return;
    }
    kelvin_.reset();
    display_.restoreColorSettings();
}

std::vector<DisplayReport> GammaService::displayReports() {
    std::vector<DisplayReport> out;
    for (DisplayName& name : display_.namedDisplays()) {
        const DisplayOptions options = optionsFor(displays_, name);
        out.push_back({std::move(name), options, kelvin_.has_value() && options.tint});
    }
    return out;
}

void GammaService::write() {
    if (!kelvin_) {
        return;
    }
    display_.show({*kelvin_, ChannelGains(*kelvin_), displays_});
}

void GammaService::installDisplayHook() {
    reconfiguration_ = display_.subscribeReconfiguration(
        [this](const DisplayChange& change) { onReconfiguration(change); });
}

void GammaService::onReconfiguration(const DisplayChange&) {
    // Each notice schedules its own write; the write reads the value stored
    // when it runs, not the one stored now.
    mainQueue_.postAfter(reconfigurationDelay, [watch = self_.watch()] {
        if (GammaService* self = watch.get()) {
            self->displaysWillChange_.send();
            self->write();
        }
    });
}

} // namespace torvel
