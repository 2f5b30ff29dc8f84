// The character-set and HTML conversions of the Convert menu, apart from the
// window. The character sets are reinterpretations: a character stands for
// its byte in the code page the text was read in, and that byte is read in
// the code page it was written in. Windows is windows-1251, DOS is CP866.
// A character the first code page cannot hold stays as it is, so no
// conversion loses text.
#pragma once

#include <vector>

#include "support/encoding.h"
#include "support/qschar.h"

namespace qs {

// DOS text read as Windows text, as the DOS user wrote it.
Char DosToWinChar(Char c);
// Windows text as DOS bytes read as Windows text: what DosToWinChar undoes.
Char WinToDosChar(Char c);
// KOI8-R text read as Windows text, as its writer wrote it.
Char KoiToWinChar(Char c);

// &, <, >, " and ' as character references; everything else as it stands.
String EscapeHtml(StringView text);

// Plain text as a page that shows it preformatted: the lines escaped inside
// <PRE>, the page declaring the encoding it will be saved in. Lines are
// joined with "\n"; the last line has no break.
String TextToHtmlPage(const std::vector<String>& lines, Encoding encoding);

}  // namespace qs
