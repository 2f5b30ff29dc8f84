#include "app/imagesize.h"

#include <cstdint>

namespace qs {

namespace {

unsigned Byte(std::string_view b, std::size_t i) {
  return static_cast<unsigned char>(b[i]);
}
unsigned BigEndian16(std::string_view b, std::size_t i) {
  return (Byte(b, i) << 8) | Byte(b, i + 1);
}
std::uint32_t BigEndian32(std::string_view b, std::size_t i) {
  return (std::uint32_t{BigEndian16(b, i)} << 16) | BigEndian16(b, i + 2);
}
unsigned LittleEndian16(std::string_view b, std::size_t i) {
  return Byte(b, i) | (Byte(b, i + 1) << 8);
}

std::optional<TImageSize> Sized(std::uint32_t width, std::uint32_t height) {
  // A zero or absurd size is a damaged header, not an image to describe.
  constexpr std::uint32_t kLimit = 1u << 30;
  if (width == 0 || height == 0 || width >= kLimit || height >= kLimit) return std::nullopt;
  return TImageSize{static_cast<int>(width), static_cast<int>(height)};
}

// The signature, then the IHDR chunk: its length, its type, width, height.
std::optional<TImageSize> PngSize(std::string_view b) {
  if (b.size() < 24 || b.substr(0, 8) != std::string_view("\x89PNG\r\n\x1a\n", 8) ||
      b.substr(12, 4) != "IHDR")
    return std::nullopt;
  return Sized(BigEndian32(b, 16), BigEndian32(b, 20));
}

// The logical screen's size follows the six-byte signature.
std::optional<TImageSize> GifSize(std::string_view b) {
  if (b.size() < 10 || (b.substr(0, 6) != "GIF87a" && b.substr(0, 6) != "GIF89a"))
    return std::nullopt;
  return Sized(LittleEndian16(b, 6), LittleEndian16(b, 8));
}

bool IsStartOfFrame(unsigned marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Segments from the start-of-image marker to the first start-of-frame one,
// whose body holds the precision, then height and width.
std::optional<TImageSize> JpegSize(std::string_view b) {
  if (b.size() < 4 || Byte(b, 0) != 0xFF || Byte(b, 1) != 0xD8) return std::nullopt;
  std::size_t at = 2;
  while (at + 4 <= b.size()) {
    if (Byte(b, at) != 0xFF) return std::nullopt;
    const unsigned marker = Byte(b, at + 1);
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == 0xD9 || marker == 0xDA) return std::nullopt;   // no frame before the data
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // markers without a body
      at += 2;
      continue;
    }
    const unsigned length = BigEndian16(b, at + 2);
    if (length < 2) return std::nullopt;
    if (IsStartOfFrame(marker)) {
      if (length < 7 || at + 9 > b.size()) return std::nullopt;
      return Sized(BigEndian16(b, at + 7), BigEndian16(b, at + 5));
    }
    at += 2 + length;
  }
  return std::nullopt;
}

}  // namespace

std::optional<TImageSize> ReadImageSize(std::string_view bytes) {
  if (auto size = PngSize(bytes)) return size;
  if (auto size = GifSize(bytes)) return size;
  return JpegSize(bytes);
}

}  // namespace qs
