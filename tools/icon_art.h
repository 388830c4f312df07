// The picture of Tavmoor's program icon: a clock face with a power badge,
// drawn in code so the .ico file can be regenerated and checked byte for byte.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tavmoor::tools {

// The image sizes of the icon, in the order of its directory: the largest
// first, the 16x16 tray image last.
inline constexpr std::array<int, 5> kIconSizes{128, 64, 48, 32, 16};

// The whole .ico file: one 32-bit uncompressed DIB per size (straight alpha,
// bottom-up BGRA rows followed by the 1-bit AND mask), stored right after the
// directory in directory order.
std::vector<std::uint8_t> programIconFile();

} // namespace tavmoor::tools
