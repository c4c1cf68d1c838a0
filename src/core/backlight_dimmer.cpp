#include "core/backlight_dimmer.h"

#include "color/brightness.h"

namespace torvel {

BacklightDimmer::BacklightDimmer(Open open)
    : open_(std::move(open)) {}

BacklightDimmer::~BacklightDimmer() {
    giveBack();
}

void BacklightDimmer::apply(int percent, const QDateTime& now, const QDateTime& nextWake) {
    if (heldUntil_ && now >= *heldUntil_) {
        heldUntil_.reset();
    }
    const bool dimming = percent < fullBrightness;
    if (!backlight_ && ((dimming && !opened_) || !lookedForLeftover_)) {
        lookedForLeftover_ = true;
        opened_ = dimming;
        backlight_ = open_ ? open_(dimming) : nullptr;
    }
    if (!backlight_ || heldUntil_) {
        return;
    }
    // Compared only once our last set was answered, and only while we dim:
    // no read at all at rest.
    if (lastSet_ && !backlight_->settling()) {
        if (const auto level = backlight_->level(); level && level->value != *lastSet_) {
            backlight_->forget();
            from_.reset();
            lastSet_.reset();
            heldUntil_ = nextWake;
            return;
        }
    }
    if (percent >= fullBrightness) {
        giveBack();
        return;
    }
    if (!from_) {
        // A level a crash left dimmed is still the one to dim from.
        const auto level = backlight_->level();
        from_ = backlight_->keptLevel();
        if (!from_ && level && level->value > 0) {
            from_ = level->value;
        }
        if (!from_) {
            return; // unreadable, or dark already: nothing to dim
        }
    }
    const std::int64_t value = dimmedLevel(*from_, percent);
    if (value != lastSet_.value_or(*from_)) {
        backlight_->set(value);
    }
    lastSet_ = value;
}

void BacklightDimmer::giveBack() {
    if (backlight_) {
        backlight_->restore(); // nothing when nothing is kept
    }
    from_.reset();
    lastSet_.reset();
}

std::optional<QString> BacklightDimmer::trouble() const {
    return backlight_ ? backlight_->trouble() : std::nullopt;
}

} // namespace torvel
