// Which characters a keystroke may put into a document: the printable code
// points. The key handler and the document's typing both ask this, so a
// character one of them lets through the other never silently drops.
#pragma once

#include "support/qschar.h"

namespace qs {

// Not a control (C0, DEL, C1), not a surrogate half, not past U+10FFFF.
constexpr bool IsTypable(Char c) noexcept {
  return c >= 32 && c != 127 && !(c >= 0x80 && c <= 0x9F) && !(c >= 0xD800 && c <= 0xDFFF) &&
         c <= 0x10FFFF;
}

}  // namespace qs
