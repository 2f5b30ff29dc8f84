#include "support/objecttext_p.h"

#include <array>

namespace qs::objecttext {

namespace {

constexpr char Lower(char c) noexcept {
  return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

constexpr std::array<std::string_view, 5> kKeywords = {"object", "inherited", "inline", "end",
                                                       "item"};

}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

bool IsKeyword(std::string_view word) noexcept {
  for (std::string_view k : kKeywords)
    if (EqualsNoCase(word, k)) return true;
  return false;
}

bool IsIdentifier(std::string_view word, bool allowDots) noexcept {
  bool segmentStart = true;
  for (char c : word) {
    if (c == '.' && allowDots && !segmentStart) {
      segmentStart = true;
    } else if (segmentStart ? IsIdentStart(c) : IsIdentChar(c)) {
      segmentStart = false;
    } else {
      return false;
    }
  }
  return !segmentStart;
}

}  // namespace qs::objecttext
