// Turns the bytes of a file into line records, decoding straight into the
// line list's text blocks, and turns the lines back into bytes.
#pragma once

#include <string>
#include <string_view>

#include "support/encoding.h"
#include "textmodel/bytesource.h"
#include "textmodel/internalstrings.h"

namespace qs {

struct TLoadRules {
  Encoding eightBitCodePage = Encoding::Windows1252;
  bool keepTrailingBlanks = false;
  bool storeTabs = false;  // soUseTabCharacter
  int spacesInTab = 8;
};

struct TLoadResult {
  Encoding encoding = Encoding::Utf8;
  bool bom = false;
};

// Fills the empty list into with the lines of bytes. A BOM picks UTF-8 or
// UTF-16; otherwise valid UTF-8 is UTF-8 and anything else is read in the
// 8-bit code page, so every byte string loads and saves back unchanged.
// CR LF, CR and LF each end a line; a final break makes no extra line.
// The bytes are read a chunk at a time (a second time for another encoding).
TLoadResult DecodeIntoLines(TByteSource& bytes, const TLoadRules& rules, TInternalStrings& into);
TLoadResult DecodeIntoLines(std::string_view bytes, const TLoadRules& rules,
                            TInternalStrings& into);

// The storing conversion of one line: TABs to spaces unless stored, and on a
// bulk load the trailing blanks (characters up to #32) cut.
String ConvertForStoring(StringView text, bool storeTabs, int spacesInTab, bool cutTrailing);

// Length of text without its trailing characters up to #32.
std::size_t TrimmedSize(StringView text) noexcept;

}  // namespace qs
