// The ready-made pieces of regular expression the search dialogs offer in the
// menu beside their text box, in menu order. Each pattern is written in our
// own dialect (see regex/regex.h).
#pragma once

#include <span>

#include "support/qschar.h"

namespace qs {

struct TRegexFragment {
  const char32_t* caption;  // "-" for a separator
  const char32_t* text;     // what goes into the box; nullptr for the help entry
};

[[nodiscard]] std::span<const TRegexFragment> RegexFragments();

// The page of our help that describes the dialect, inside the shipped "help" folder.
inline constexpr const char* kRegexHelpTopic = "regular_expressions.html";

}  // namespace qs
