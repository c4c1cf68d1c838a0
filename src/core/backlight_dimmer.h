#pragma once
// Dims a built-in panel's backlight to a share of the level it had when
// dimming began (read then, as the user may have changed it during the
// day), and never fights the user: a level someone else sets while we dim
// is theirs until the next wake, and is never given back over.

#include "platform/backlight.h"

#include <functional>
#include <memory>
#include <optional>
#include <QDateTime>
#include <QString>

namespace torvel {

class BacklightDimmer {
public:
    // Finds the backlight. `dimming` false: only one with a level a crash
    // left to give back, which costs no more than a look for its record.
    using Open = std::function<std::unique_ptr<Backlight>(bool dimming)>;

    // `open` is called at the first apply, and again when dimming is first
    // asked for if it found none then. Nothing, or an `open` that finds
    // none: nothing is dimmed.
    explicit BacklightDimmer(Open open);
    // Gives the level back (see restore()).
    ~BacklightDimmer();
    BacklightDimmer(const BacklightDimmer&) = delete;
    BacklightDimmer& operator=(const BacklightDimmer&) = delete;

    // `percent` of the level found when dimming began; full gives that
    // level back. A level set by someone else since our last set is left
    // alone until `nextWake` (then dimming begins afresh from the level
    // there is). Sets only when the device's value changes.
    void apply(int percent, const QDateTime& now, const QDateTime& nextWake);

    // Whether a backlight was found (asked for once dimming was).
    bool present() const { return backlight_ != nullptr; }
    // Until when the user's own level holds, if it does.
    const std::optional<QDateTime>& userHoldUntil() const { return heldUntil_; }
    std::optional<QString> trouble() const;

private:
    void giveBack();

    Open open_;
    bool lookedForLeftover_ = false;
    bool opened_ = false; // for dimming
    std::unique_ptr<Backlight> backlight_;
    std::optional<std::int64_t> from_;    // the level dimming began at
    std::optional<std::int64_t> lastSet_; // what the device should read now
    std::optional<QDateTime> heldUntil_;
};

} // namespace torvel
