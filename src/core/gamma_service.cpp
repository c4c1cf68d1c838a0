#include "core/gamma_service.h"

#include "color/channel_gains.h"

#include <algorithm>

namespace torvel {

GammaService::GammaService(DisplayLayer& display, MainQueue& mainQueue,
                           BacklightDimmer::Open openBacklight)
    : display_(display)
    , mainQueue_(mainQueue)
    , backlight_(std::move(openBacklight)) {
    installDisplayHook();
    screensWake_ = display_.subscribeScreensWake([watch = self_.watch()] {
        if (GammaService* self = watch.get()) {
            self->write();
        }
    });
}

GammaService::~GammaService() = default;

void GammaService::apply(std::optional<std::int64_t> kelvin, const DisplayOptionsMap& displays,
                         const BrightnessRequest& brightness) {
    if (displays != displays_) {
        displaysWillChange_.send();
        displays_ = displays;
    }
    brightness_ = brightness;
    if (kelvin) {
        kelvin_ = clampKelvin(*kelvin);
        write();
        return;
    }
    brightness_.percent = fullBrightness;
    backlight_.apply(fullBrightness, brightness.now, brightness.nextWake);
    if (!kelvin_) {
        return;
    }
    kelvin_.reset();
    display_.restoreColorSettings();
}

bool GammaService::wouldRepeat(std::optional<std::int64_t> kelvin,
                               const DisplayOptionsMap& displays,
                               const BrightnessRequest& brightness) const {
    // A backlight we dim is read at every call, to see the user's own change.
    const bool watched = backlight_.present() && brightness.percent < fullBrightness;
    return kelvin && kelvin_ && clampKelvin(*kelvin) == *kelvin_ && displays == displays_ &&
           brightness.percent == brightness_.percent && !watched;
}

BrightnessReport GammaService::brightnessReport() const {
    const bool dimming = kelvin_ && brightness_.percent < fullBrightness;
    return {backlight_.userHoldUntil(), dimming ? backlight_.trouble() : std::nullopt,
            dimming && !backlight_.present() && !display_.dims(),
            dimming && backlight_.present() && !display_.dims()};
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
    const int percent = brightness_.percent;
    DisplayOptionsMap written = displays_;
    // Names cost the host a question: asked only while dimming. A host that
    // names none takes one colour for all, and its panel, if any, is lit by
    // the backlight; one that names its displays has a panel only where a
    // display is one.
    if (percent >= fullBrightness && !backlight_.present()) {
        backlight_.apply(percent, brightness_.now, brightness_.nextWake); // a crash's level back
    } else {
        const std::vector<DisplayName> names = display_.namedDisplays();
        int backlightPercent = names.empty() ? percent : fullBrightness;
        std::vector<std::pair<QString, DisplayOptions>> panels;
        for (const DisplayName& name : names) {
            if (isBuiltInPanel(name)) {
                DisplayOptions options = optionsFor(displays_, name);
                // A panel left as it is, or stepping aside, keeps its own level too.
                backlightPercent = options.dim && options.tint ? percent : fullBrightness;
                options.dim = false;
                panels.push_back({name.key, options});
            }
        }
        backlight_.apply(backlightPercent, brightness_.now, brightness_.nextWake);
        if (backlight_.present()) {
            for (auto& [key, options] : panels) {
                written[key] = options;
            }
        }
    }
    display_.show({*kelvin_, ChannelGains(*kelvin_), written, percent});
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
