// The file name the scheme editor offers when a scheme is saved under a new name.
#pragma once

#include <string>

#include "support/qschar.h"

namespace qs {

// ASCII letters and digits stay; any other run of characters becomes one
// underscore inside the name and goes at its ends; ".sch" follows. A name
// with no letter or digit gives "scheme.sch".
[[nodiscard]] std::string SuggestSchemeFileName(StringView schemeName);

}  // namespace qs
