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
// document content (attribute-keeping mode) each mark is a replacement of
// the line's bytes like any other, so undo and repainting see it.
void MarkLineUrls(TCustomMemoSource& source, std::int32_t line);

}  // namespace qs
