#pragma once
// Screen colours as the host stores them: 32 bits with red in the low byte,
// then green, then blue (0x00BBGGRR). 0xFF0000 is therefore blue.

#include <cstdint>

namespace orvik {

using Colour32 = std::uint32_t;

constexpr Colour32 MakeColour(unsigned r, unsigned g, unsigned b) {
  return (r & 0xFFu) | (g & 0xFFu) << 8 | (b & 0xFFu) << 16;
}
constexpr unsigned RedOf(Colour32 c) { return c & 0xFFu; }
constexpr unsigned GreenOf(Colour32 c) { return (c >> 8) & 0xFFu; }
constexpr unsigned BlueOf(Colour32 c) { return (c >> 16) & 0xFFu; }

} // namespace orvik
