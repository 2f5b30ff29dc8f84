// The colour value every drawing call takes: 0x00BBGGRR, red in the low byte.
// Values with the high byte 0xFF name system colours; the drawing layer takes
// only resolved RGB values, so callers resolve those first.
#pragma once

#include <cstdint>

namespace qs {

using TColor = std::int32_t;

constexpr int RedOf(TColor c) {
  return c & 0xFF;
}
constexpr int GreenOf(TColor c) {
  return (c >> 8) & 0xFF;
}
constexpr int BlueOf(TColor c) {
  return (c >> 16) & 0xFF;
}
constexpr TColor MakeColor(int red, int green, int blue) {
  return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

}  // namespace qs
