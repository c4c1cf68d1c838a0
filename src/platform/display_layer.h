#pragma once
// The display calls the gamma service needs, standing in for the host's own.
// Implementations: X11 RandR (platform/x11) and an in-memory one for tests.

#include <cstdint>
#include <functional>
#include <span>

namespace torvel {

using DisplayId = std::uint32_t;

// Flags of a reconfiguration notice. Only `beginConfiguration` carries
// meaning for callers: it marks the notice sent before a change, which
// hosts without such a pre-notice never set.
namespace DisplayChange {
inline constexpr std::uint32_t beginConfiguration = 1u << 0;
inline constexpr std::uint32_t moved = 1u << 1;
inline constexpr std::uint32_t setMode = 1u << 3;
inline constexpr std::uint32_t added = 1u << 4;
inline constexpr std::uint32_t removed = 1u << 5;
} // namespace DisplayChange

using ReconfigurationCallback = void (*)(DisplayId display, std::uint32_t flags, void* userInfo);

class DisplayLayer {
public:
    virtual ~DisplayLayer() = default;

    // With `ids` null, returns the number of online displays. Otherwise writes
    // up to `capacity` display IDs to `ids`, in the host's order, and returns
    // how many it wrote. Never fails; a host error counts as no displays.
    virtual std::uint32_t onlineDisplayList(std::uint32_t capacity, DisplayId* ids) = 0;

    // Maps each channel of the display through its table (entries 0..1, all
    // three of one size) until replaced or restored. The result is not
    // reported, and a display that has gone away is ignored.
    virtual void setTransferTable(DisplayId display, std::span<const float> red,
                                  std::span<const float> green, std::span<const float> blue) = 0;

    // Every display changed by this process returns to its own colour settings.
    virtual void restoreColorSettings() = 0;

    // Called on the main thread, or on any thread on hosts that say so, before
    // (with `beginConfiguration`) and after each display reconfiguration.
    // Changes made through setTransferTable never cause a notice. One
    // registration per (callback, userInfo); removing an absent one is harmless.
    virtual void addReconfigurationCallback(ReconfigurationCallback callback, void* userInfo) = 0;
    virtual void removeReconfigurationCallback(ReconfigurationCallback callback,
                                               void* userInfo) = 0;

    // The handler runs on the main thread each time the screens come back on
    // (screen saver or power-saving ended). An empty function clears it.
    virtual void setScreensWakeHandler(std::function<void()> handler) = 0;
};

} // namespace torvel
