// What the parts of the line scanner share: the start-mask bits of the rules
// each token scanner tries, so that one look-up at the cursor rules out the
// scanners that cannot match there.
#pragma once

#include <cstdint>

#include "syntax/compiledscheme.h"

namespace qs::scan {

constexpr std::uint32_t Bit(TTokenList l) {
  return TCompiledBlock::Bit(l);
}

inline constexpr std::uint32_t kCommentBits = Bit(TTokenList::MultiLineCommentDelimiters) |
                                              Bit(TTokenList::FullLineCommentDelimiters) |
                                              Bit(TTokenList::SingleLineCommentDelimiters);
inline constexpr std::uint32_t kStringBits =
    Bit(TTokenList::MultiLineStringDelimiters) | Bit(TTokenList::SingleLineStringDelimiters);
inline constexpr std::uint32_t kNumberBits =
    TCompiledBlock::kDigitBit | Bit(TTokenList::NumPrefixes) | Bit(TTokenList::NumPrefixesSuffixes);
inline constexpr std::uint32_t kIdentBits = TCompiledBlock::kIdentBit |
                                            Bit(TTokenList::IdentPrefixes) |
                                            Bit(TTokenList::IdentPrefixesSuffixes);

}  // namespace qs::scan
