// Server code inside a page, hidden from a markup checker: every character of
// a PHP block (its "<?php" / "<?=" / "<?" opener, its code and its "?>") becomes
// a blank, and so does every TAB, so line and column of everything else stay
// where they were and a checker counts columns in characters.
#pragma once

#include "support/qschar.h"

namespace qs {

// Line breaks are kept. A block without its "?>" runs to the end of the text,
// as the server reads it; "?>" inside a PHP string or block comment does not
// end the block. "<?xml" is markup and stays.
String MaskServerCode(StringView text);

}  // namespace qs
