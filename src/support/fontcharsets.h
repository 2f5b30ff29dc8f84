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

// Every named character set, the one table both the editor's fonts and the
// scheme fonts go by; a charset is a byte, other values have no name.
IntIdents CharsetIdents();
// The position of a charset byte in CharsetIdents(), or -1 when it has no name.
int CharsetIndex(int charset);

}  // namespace qs
