// Marking addresses in a highlighted line: web and mail addresses get the URL
// attribute's style byte.
#pragma once

#include <string>

#include "support/qschar.h"

namespace qs {

// Writes kUrlAttrId over every address in text; nothing when the bytes are
// not one per character.
void MarkUrls(StringView text, std::string& styleBytes);

}  // namespace qs
