// The text rules of the option pages' number and colour boxes.
#include <charconv>
#include <cstdio>

#include "app/optionpages.h"
#include "support/colors.h"
#include "support/errors.h"
#include "support/utf8.h"

namespace qs {

int BoxInteger(StringView text, int lo, int hi, std::string_view what) {
  const std::string narrow = ToUtf8(text);
  std::string_view digits = narrow;
  while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
  while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
    throw Error("'" + narrow + "' is not a valid integer value");
  if (value < lo || value > hi)
    throw Error(std::string(what) + " must be between " + std::to_string(lo) + " and " +
                std::to_string(hi));
  return value;
}

String ColorBoxText(TColor color) {
  if (const auto ident = ColorToIdent(color)) return FromUtf8(*ident);
  char hex[16];
  std::snprintf(hex, sizeof hex, "$%08X", static_cast<unsigned>(color));
  return FromUtf8(hex);
}

std::optional<TColor> TryColorBoxValue(StringView text) {
  const std::string narrow = ToUtf8(text);
  if (const auto color = IdentToColor(narrow)) return *color;
  if (narrow.size() > 1 && narrow.size() <= 9 && narrow.front() == '$') {
    unsigned value = 0;
    const auto [end, error] =
        std::from_chars(narrow.data() + 1, narrow.data() + narrow.size(), value, 16);
    if (error == std::errc() && end == narrow.data() + narrow.size())
      return static_cast<TColor>(value);
  }
  return std::nullopt;
}

TColor ColorBoxValue(StringView text) {
  if (const std::optional<TColor> color = TryColorBoxValue(text)) return *color;
  throw Error("'" + ToUtf8(text) + "' is not a valid color value");
}

std::vector<String> ColorBoxItems() {
  std::vector<String> items;
  for (TColor color :
       {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray, clSilver, clRed,
        clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite, clWindow})
    items.push_back(ColorBoxText(color));
  return items;
}

}  // namespace qs
