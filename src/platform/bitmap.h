// A picture held in memory: rows from the top, each pixel 0xAARRGGBB; an
// alpha of 0 is a see-through pixel.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "support/colors.h"

namespace qs {

struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // width * height entries

  Bitmap() = default;
  Bitmap(int w, int h, std::uint32_t fill = 0xFFFFFFFF)
      : width(w > 0 ? w : 0),
        height(h > 0 ? h : 0),
        pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

  [[nodiscard]] bool IsValid() const {
    return width > 0 && height > 0 &&
           pixels.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  }
  [[nodiscard]] std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  void Set(int x, int y, std::uint32_t argb) {
    pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x)] = argb;
  }
  bool operator==(const Bitmap&) const = default;
};

// 0xAARRGGBB <-> 0x00BBGGRR; the alpha is dropped or made opaque.
constexpr TColor ColorFromArgb(std::uint32_t argb) {
  return MakeColor(static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
                   static_cast<int>(argb & 0xFF));
}
constexpr std::uint32_t ArgbFromColor(TColor c) {
  return 0xFF000000u | (static_cast<std::uint32_t>(RedOf(c)) << 16) |
         (static_cast<std::uint32_t>(GreenOf(c)) << 8) | static_cast<std::uint32_t>(BlueOf(c));
}

// The largest picture a reader accepts on either side.
inline constexpr int kMaxBitmapSide = 4096;

// Reads a picture in the XPM text notation (the quoted strings of a C array:
// a "width height colours chars-per-pixel" header, one string per colour
// with its "c" value, then one string per row). Colours are "#RRGGBB",
// "#RGB", "None" (see-through), "black" or "white". Empty for anything else,
// for sizes beyond kMaxBitmapSide and for text that ends early.
[[nodiscard]] std::optional<Bitmap> ReadXpm(std::string_view text);

}  // namespace qs
