// Turns the bytes of a file into line records, decoding straight into the
// line list's text blocks, and turns the lines back into bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "support/encoding.h"
#include "textmodel/bytesource.h"
#include "textmodel/internalstrings.h"

namespace qs {

struct TLoadRules {
  Encoding eightBitCodePage = Encoding::Windows1252;
};

struct TLoadResult {
  Encoding encoding = Encoding::Utf8;
  bool bom = false;
  // The break most lines end with (the first one met on a tie, LF when the
  // text has none): what new lines get.
  TOutFormatType lineBreak = ofUnix;
  std::int64_t lineBreakCount = 0;
  // Whether the last line ends with a break; an empty text counts as a new
  // document, which has one.
  bool finalBreak = true;
};

// Fills the empty list into with the lines of bytes, exactly as they are:
// TABs, trailing blanks and NULs stay, and each record keeps the break that
// ended its line. A BOM picks UTF-8 or UTF-16; otherwise valid UTF-8 is UTF-8
// and anything else is read in the 8-bit code page, so every byte string
// loads and saves back unchanged. CR LF, CR and LF each end a line; a final
// break makes no extra line. The bytes are read a chunk at a time (a second
// time for another encoding).
TLoadResult DecodeIntoLines(TByteSource& bytes, const TLoadRules& rules, TInternalStrings& into);
TLoadResult DecodeIntoLines(std::string_view bytes, const TLoadRules& rules,
                            TInternalStrings& into);

// Splits decoded text into the empty list the same way.
TLoadResult SplitIntoLines(StringView text, TInternalStrings& into);

// The storing conversion of text the user puts in: TABs to spaces unless
// they are stored.
String ConvertForStoring(StringView text, bool storeTabs, int spacesInTab);

// Length of text without its trailing characters up to #32.
std::size_t TrimmedSize(StringView text) noexcept;

}  // namespace qs
