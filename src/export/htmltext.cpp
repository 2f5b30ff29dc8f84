#include "export/htmltext.h"

#include <algorithm>
#include <array>
#include <utility>

#include "support/asciicase.h"
#include "support/typable.h"
#include "support/utf8.h"

namespace qs {

namespace {

// Longer than any name we know; a longer number still names no character.
constexpr std::size_t kMaxReference = 32;

constexpr std::array<std::pair<std::string_view, Char>, 6> kNamedReferences = {
    {{"nbsp", U' '}, {"lt", U'<'}, {"gt", U'>'}, {"amp", U'&'}, {"quot", U'"'}, {"apos", U'\''}}};

int HexValue(char c) noexcept {
  if (c >= '0' && c <= '9') return c - '0';
  const char lower = AsciiLower(c);
  if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
  return -1;
}

// The character a numeric reference body ("#233", "#xE9") names, or nothing.
std::optional<Char> NumericReference(std::string_view body) {
  if (body.size() < 2 || body[0] != '#') return std::nullopt;
  const bool hex = body[1] == 'x' || body[1] == 'X';
  std::string_view digits = body.substr(hex ? 2 : 1);
  if (digits.empty()) return std::nullopt;
  std::uint32_t value = 0;
  for (const char c : digits) {
    const int digit = hex ? HexValue(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (digit < 0) return std::nullopt;
    value = std::min<std::uint32_t>(value * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit),
                                    0x110000);
  }
  const Char c = value;
  return IsTypable(c) || c == U'\t' ? c : U'\uFFFD';
}

std::optional<Char> Reference(std::string_view body) {
  for (const auto& [name, c] : kNamedReferences)
    if (body == name) return c;
  return NumericReference(body);
}

}  // namespace

void AppendHtmlText(std::string_view utf8, String& out) {
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t amp = utf8.find('&', pos);
    const std::size_t plainEnd = amp == std::string_view::npos ? utf8.size() : amp;
    AppendFromUtf8(utf8.substr(pos, plainEnd - pos), out);
    if (plainEnd == utf8.size()) return;
    const std::size_t semicolon = utf8.find(';', amp + 1);
    std::optional<Char> decoded;
    if (semicolon != std::string_view::npos && semicolon - amp - 1 <= kMaxReference)
      decoded = Reference(utf8.substr(amp + 1, semicolon - amp - 1));
    if (decoded) {
      out += *decoded;
      pos = semicolon + 1;
    } else {
      out += U'&';
      pos = amp + 1;
    }
  }
}

std::optional<TColor> ParseHtmlColor(std::string_view value) {
  static constexpr std::array<std::pair<std::string_view, TColor>, 16> kNames = {
      {{"black", clBlack},
       {"silver", clSilver},
       {"gray", clGray},
       {"white", clWhite},
       {"maroon", clMaroon},
       {"red", clRed},
       {"purple", clPurple},
       {"fuchsia", clFuchsia},
       {"green", clGreen},
       {"lime", clLime},
       {"olive", clOlive},
       {"yellow", clYellow},
       {"navy", clNavy},
       {"blue", clBlue},
       {"teal", clTeal},
       {"aqua", clAqua}}};
  for (const auto& [name, color] : kNames)
    if (EqualsIgnoringAsciiCase(value, name)) return color;
  if (!value.empty() && value[0] == '#') value.remove_prefix(1);
  if (value.size() != 6 && value.size() != 3) return std::nullopt;
  int digits[6] = {};
  for (std::size_t i = 0; i < value.size(); ++i)
    if ((digits[i] = HexValue(value[i])) < 0) return std::nullopt;
  if (value.size() == 3) return MakeColor(digits[0] * 17, digits[1] * 17, digits[2] * 17);
  return MakeColor(digits[0] * 16 + digits[1], digits[2] * 16 + digits[3],
                   digits[4] * 16 + digits[5]);
}

std::optional<int> ParseHtmlFontSize(std::string_view value) {
  const char sign = value.empty() ? 0 : value[0];
  if (sign == '+' || sign == '-') value.remove_prefix(1);
  if (value.empty() || value.size() > 3 ||
      !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  int n = 0;
  for (const char c : value) n = n * 10 + (c - '0');
  if (sign == '+') n = 3 + n;
  if (sign == '-') n = 3 - n;
  return std::clamp(n, 1, 7);
}

int PointsOfHtmlSize(int level) {
  static constexpr int kPoints[] = {8, 10, 12, 14, 18, 24, 36};
  return kPoints[std::clamp(level, 1, 7) - 1];
}

}  // namespace qs
