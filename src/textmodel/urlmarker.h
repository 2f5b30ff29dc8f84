// Marking addresses in a highlighted line: web and mail addresses get the
// style byte of the URL attribute, which every scheme reserves.
#pragma once

#include <cstdint>
#include <string>

#include "support/qschar.h"

namespace qs {

// The style byte of a character of a highlighted address.
inline constexpr std::uint8_t kUrlStyleByte = 17;

// Writes kUrlStyleByte over every address in text; nothing when the bytes are
// not one per character.
void MarkUrls(StringView text, std::string& styleBytes);

class TCustomMemoSource;

// Marks the addresses of a parsed line of the document. Where style bytes are
// document content (attribute-keeping mode) they are the characters' formats
// and are left alone: the marks are laid over them where they are read.
void MarkLineUrls(TCustomMemoSource& source, std::int32_t line);

// Whether readers of the source's style bytes lay the address marks over them.
[[nodiscard]] bool MarksUrlsOnRead(const TCustomMemoSource& source);
// bytes fitted to the text's length, with its addresses marked.
[[nodiscard]] std::string WithUrlMarks(StringView text, std::string bytes);

}  // namespace qs
