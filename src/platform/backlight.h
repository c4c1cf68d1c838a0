#pragma once
// The backlight of a built-in panel, dimmed through whoever owns it on this
// desktop (logind for the kernel's device, or the desktop's own brightness
// service). Dimming through it keeps the panel's contrast, which darker
// transfer tables would waste. Implementations live in platform/<host>;
// tests use in-memory ones. Main thread only.
//
// External monitors over DDC/CI would be a second implementation: one
// Backlight per monitor, found by its EDID, beside the panel's.

#include <cstdint>
#include <optional>
#include <QString>

namespace torvel {

struct BacklightLevel {
    std::int64_t value = 0;
    std::int64_t max = 0;
    friend bool operator==(const BacklightLevel&, const BacklightLevel&) = default;
};

class Backlight {
public:
    virtual ~Backlight() = default;

    // The level now, read afresh from its owner; nothing when it cannot be
    // read (then nothing is set either).
    virtual std::optional<BacklightLevel> level() = 0;

    // Asks for `value` (0..max) without waiting for the answer. The first
    // call after a restore (or at the start) keeps the level from before it,
    // on disk too, so that the next start gives it back after a crash.
    virtual void set(std::int64_t value) = 0;

    // True while a set has not been answered: level() may still read the
    // value from before it.
    virtual bool settling() const = 0;

    // The level kept at the first set goes back, unless the level now is no
    // longer the one last set (someone else chose it: theirs stays). Either
    // way nothing is kept afterwards.
    virtual void restore() = 0;

    // Nothing is given back: the level now is the user's. The record goes.
    virtual void forget() = 0;

    // The level kept to give back (from before our first set, or left by a
    // process that crashed while it dimmed); nothing when none is kept.
    virtual std::optional<std::int64_t> keptLevel() const = 0;

    // Why the last set did not reach the device, in words after "cannot
    // dim: "; nothing while all is well.
    virtual std::optional<QString> trouble() const = 0;
};

} // namespace torvel
