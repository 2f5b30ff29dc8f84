// Letter case of ASCII only: names of properties, identifiers and colours are
// matched this way, so no locale or Unicode rule can change what they match.
#pragma once

#include <string_view>

namespace qs {

template <class CharT>
constexpr CharT AsciiLower(CharT c) noexcept {
  return c >= CharT('A') && c <= CharT('Z') ? static_cast<CharT>(c - CharT('A') + CharT('a')) : c;
}

template <class CharT>
constexpr bool EqualsIgnoringAsciiCase(std::basic_string_view<CharT> a,
                                       std::basic_string_view<CharT> b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

constexpr bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) noexcept {
  return EqualsIgnoringAsciiCase<char>(a, b);
}

constexpr bool EqualsIgnoringAsciiCase(std::u32string_view a, std::u32string_view b) noexcept {
  return EqualsIgnoringAsciiCase<char32_t>(a, b);
}

}  // namespace qs
