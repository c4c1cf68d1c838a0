#pragma once
// The three straight-ramp tables that scale each channel by its gain.

#include "color/channel_gains.h"

#include <array>

namespace torvel {

inline constexpr int transferTableSize = 256;

struct TransferTables {
    std::array<float, transferTableSize> red;
    std::array<float, transferTableSize> green;
    std::array<float, transferTableSize> blue;
};

// Entry i of a channel is gain * i / 255, computed in double and narrowed.
TransferTables buildTransferTables(const ChannelGains& gains);

} // namespace torvel
