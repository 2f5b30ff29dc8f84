// The generated Unicode tables behind unicodecase.h (tools/gen_unicode_tables.py
// writes unicodetables.cpp): every code point's letter kind and simple case
// mappings, found with two array loads.
#pragma once

#include <cstdint>

#include "support/qschar.h"

namespace qs::unicode_detail {

// The general category for letters (Lu, Ll, Lt, Lm, Lo); None for the rest.
enum class LetterKind : std::uint8_t { None, Upper, Lower, Title, Modifier, Other };

struct CharProperties {
  LetterKind kind;
  std::int32_t upperDelta;  // simple uppercase mapping minus the code point
  std::int32_t lowerDelta;  // simple lowercase mapping minus the code point
};

inline constexpr unsigned kBlockShift = 8;
inline constexpr Char kLastCodePoint = 0x10FFFF;

// Row 0 is a non-letter without mappings.
extern const CharProperties kProperties[];
extern const std::uint8_t kBlockIndex[];
extern const std::uint8_t kBlocks[][1u << kBlockShift];

inline const CharProperties& PropertiesOf(Char c) {
  if (c > kLastCodePoint) return kProperties[0];
  return kProperties[kBlocks[kBlockIndex[c >> kBlockShift]][c & ((1u << kBlockShift) - 1)]];
}

}  // namespace qs::unicode_detail
