#pragma once
// A monitor's own name, read from its EDID block: the same monitor gives
// the same key on any connector, after any resume.

#include "platform/display_layer.h"

#include <cstdint>
#include <optional>
#include <span>

namespace torvel {

// The key "MAKER-PRODUCT-SERIAL" ("DEL-A0F2-7MT0186F0VHL"; the serial is
// the EDID's serial text, else its serial number, and is left out when it
// has neither) and the model (the EDID's monitor name, else the key), with
// `connector` as given. Nothing for bytes that are no EDID base block.
std::optional<DisplayName> edidDisplayName(std::span<const std::uint8_t> edid,
                                           const QString& connector);

} // namespace torvel
