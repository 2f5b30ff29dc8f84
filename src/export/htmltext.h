// The pieces of HTML an importer reads as values: text with character
// references, colours and font sizes of attributes.
#pragma once

#include <optional>
#include <string_view>

#include "support/colors.h"
#include "support/qschar.h"

namespace qs {

// Appends UTF-8 text with its character references decoded in one pass:
// the named ones a page of this program or a word processor writes (nbsp,
// lt, gt, amp, quot, apos) and numeric ones; a reference that is none of
// these stays as written, and one naming no character becomes U+FFFD.
void AppendHtmlText(std::string_view utf8, String& out);

// "#RRGGBB", "#RGB" (the "#" may be missing) or one of the sixteen colour
// names; nothing for any other value.
std::optional<TColor> ParseHtmlColor(std::string_view value);

// A font size of 1..7, or a step from the normal size 3 ("+1", "-2"), kept
// within 1..7; nothing for a value that is no number.
std::optional<int> ParseHtmlFontSize(std::string_view value);
// The points of a size level 1..7.
int PointsOfHtmlSize(int level);

}  // namespace qs
