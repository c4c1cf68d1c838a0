#pragma once
// The file a gamma control reads its ramps from: red, green and blue one
// after the other, sealed so the compositor can trust what it reads.

#include "base/unique_fd.h"

#include <cstdint>
#include <span>

namespace torvel {

// A memfd holding the three ramps, positioned at offset 0 (compositors read
// either from the start or from the current offset) and sealed against
// writes and size changes. Empty when it cannot be made.
UniqueFd sealedGammaRampFile(std::span<const std::uint16_t> red,
                             std::span<const std::uint16_t> green,
                             std::span<const std::uint16_t> blue);

} // namespace torvel
