// Letters and letter case for every code point: Unicode simple case mapping
// (one character to one character, no locale), so a text keeps its length and
// every column its place when its case changes.
#pragma once

#include "support/qschar.h"

namespace qs {

// The simple uppercase / lowercase mapping; c itself when it has none. A
// titlecase letter such as U+01C5 maps to U+01C4 and U+01C6.
Char ToUpperChar(Char c);
Char ToLowerChar(Char c);
String ToUpper(StringView text);
String ToLower(StringView text);

// General category L* (any letter), Lu and Ll.
bool IsLetter(Char c);
bool IsUpper(Char c);
bool IsLower(Char c);

}  // namespace qs
