// The character-set numbers fonts carry and the names they go by in the
// object text, so a stored font reads "Font.Charset = DEFAULT_CHARSET".
#pragma once

#include "support/persistent.h"

namespace qs {

inline constexpr int ANSI_CHARSET = 0;
inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int SYMBOL_CHARSET = 2;
inline constexpr int RUSSIAN_CHARSET = 204;
inline constexpr int OEM_CHARSET = 255;

// Every named character set; a charset is a byte, other values have no name.
IntIdents CharsetIdents();

}  // namespace qs
