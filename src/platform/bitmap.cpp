#include "platform/bitmap.h"

#include <charconv>
#include <map>
#include <string>

namespace qs {

namespace {

// The quoted strings of the text, in order; comments and everything outside
// quotes are skipped.
std::vector<std::string_view> QuotedStrings(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, 2, "/*") == 0) {
      const std::size_t end = text.find("*/", i + 2);
      if (end == std::string_view::npos) break;
      i = end + 2;
    } else if (text[i] == '"') {
      const std::size_t end = text.find('"', i + 1);
      if (end == std::string_view::npos) break;
      out.push_back(text.substr(i + 1, end - i - 1));
      i = end + 1;
    } else {
      ++i;
    }
  }
  return out;
}

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
    if (i > start) out.push_back(s.substr(start, i - start));
  }
  return out;
}

std::optional<int> Number(std::string_view word) {
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

std::optional<std::uint32_t> HexDigits(std::string_view digits) {
  std::uint32_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

std::optional<std::uint32_t> ParseColour(std::string_view value) {
  if (value == "None" || value == "none") return 0u;
  if (value == "black") return 0xFF000000u;
  if (value == "white") return 0xFFFFFFFFu;
  if (value.size() == 7 && value[0] == '#') {
    const auto rgb = HexDigits(value.substr(1));
    if (rgb) return 0xFF000000u | *rgb;
  }
  if (value.size() == 4 && value[0] == '#') {
    const auto rgb = HexDigits(value.substr(1));
    if (!rgb) return std::nullopt;
    const std::uint32_t r = (*rgb >> 8) & 0xF, g = (*rgb >> 4) & 0xF, b = *rgb & 0xF;
    return 0xFF000000u | (r * 0x11) << 16 | (g * 0x11) << 8 | b * 0x11;
  }
  return std::nullopt;
}

// The colour of one colour string: the value after its "c" key.
std::optional<std::uint32_t> ColourOfEntry(std::string_view rest) {
  const std::vector<std::string_view> words = Words(rest);
  for (std::size_t i = 0; i + 1 < words.size(); ++i)
    if (words[i] == "c") return ParseColour(words[i + 1]);
  return std::nullopt;
}

}  // namespace

std::optional<Bitmap> ReadXpm(std::string_view text) {
  const std::vector<std::string_view> strings = QuotedStrings(text);
  if (strings.empty()) return std::nullopt;
  const std::vector<std::string_view> header = Words(strings[0]);
  if (header.size() < 4) return std::nullopt;
  const auto width = Number(header[0]), height = Number(header[1]);
  const auto colours = Number(header[2]), perPixel = Number(header[3]);
  if (!width || !height || !colours || !perPixel) return std::nullopt;
  if (*width <= 0 || *height <= 0 || *width > kMaxBitmapSide || *height > kMaxBitmapSide ||
      *colours <= 0 || *perPixel <= 0 || *perPixel > 4)
    return std::nullopt;
  const auto cpp = static_cast<std::size_t>(*perPixel);
  const auto colourCount = static_cast<std::size_t>(*colours);
  if (strings.size() < 1 + colourCount + static_cast<std::size_t>(*height)) return std::nullopt;

  std::map<std::string_view, std::uint32_t> palette;
  for (std::size_t i = 1; i <= colourCount; ++i) {
    const std::string_view entry = strings[i];
    if (entry.size() < cpp) return std::nullopt;
    const auto colour = ColourOfEntry(entry.substr(cpp));
    if (!colour) return std::nullopt;
    palette[entry.substr(0, cpp)] = *colour;
  }
  Bitmap bitmap(*width, *height);
  for (int y = 0; y < *height; ++y) {
    const std::string_view row = strings[1 + colourCount + static_cast<std::size_t>(y)];
    if (row.size() < cpp * static_cast<std::size_t>(*width)) return std::nullopt;
    for (int x = 0; x < *width; ++x) {
      const auto found = palette.find(row.substr(static_cast<std::size_t>(x) * cpp, cpp));
      if (found == palette.end()) return std::nullopt;
      bitmap.Set(x, y, found->second);
    }
  }
  return bitmap;
}

}  // namespace qs
