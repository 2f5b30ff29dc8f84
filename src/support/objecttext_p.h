// The lexical rules that the object text writer and reader must agree on.
#pragma once

#include <string_view>

namespace qs::objecttext {

// Nesting deeper than this (objects, collections, lists) is refused, so that
// hostile input cannot exhaust the stack.
inline constexpr int kMaxDepth = 256;

constexpr bool IsIdentStart(char c) noexcept {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

constexpr bool IsIdentChar(char c) noexcept {
  return IsIdentStart(c) || (c >= '0' && c <= '9');
}

bool EqualsNoCase(std::string_view a, std::string_view b) noexcept;

// True for the words that open or close a block ("object", "end", ...).
bool IsKeyword(std::string_view word) noexcept;

// One identifier, or (with dots) identifiers joined by single dots.
bool IsIdentifier(std::string_view word, bool allowDots) noexcept;

}  // namespace qs::objecttext
