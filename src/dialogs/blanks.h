// Blank text as the scheme editor's fields judge it: characters up to the
// space count as blanks, as in the scheme files' comma lists.
#pragma once

#include "support/qschar.h"

namespace qs {

[[nodiscard]] String TrimBlanks(StringView text);
[[nodiscard]] inline bool IsBlank(StringView text) {
  return TrimBlanks(text).empty();
}

}  // namespace qs
