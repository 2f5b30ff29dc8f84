// The texts the function hint and the completion list show for a function:
// its declaration with the argument being typed marked bold, and the part of
// the declaration that holds the arguments.
#pragma once

#include "support/qschar.h"

namespace qs {

// The declaration with argument (1-based) between two "~": the argument
// starts after the argument-th of "(", ")" and "," counted from the left
// (blanks, brackets and commas skipped) and runs to the next "(", ")", ",",
// "[" or "]". Unchanged when the declaration has no such argument.
[[nodiscard]] String MarkArgument(StringView declaration, int argument);

// The marked declaration, CR LF, and the description of a list value
// (declaration - description).
[[nodiscard]] String FunctionHintText(StringView value, int argument);

// From the first "(" through the first ")" after it; empty when the
// declaration has no such pair.
[[nodiscard]] String ArgumentPart(StringView declaration);

}  // namespace qs
