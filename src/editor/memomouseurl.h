// Clicked links: the highlighted run under the pointer and the rule that
// tells a mail address from a web address.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "support/qschar.h"

namespace qs {

// The run of URL-styled characters of a line that holds column, or nullopt
// when the character there is not part of a URL. styleBytes has one byte per
// column of the expanded text.
[[nodiscard]] std::optional<String> UrlRunAt(StringView text, const std::string& styleBytes,
                                             std::int64_t column);

struct TUrlTarget {
  String url;  // what OnJumpToUrl sees: a mail address has "mailto:" in front
  bool mail = false;
};

// A run that starts with "mailto:" (any case) is mail; so is one without
// "://" holding exactly one "@" that is not last, lies before the last "."
// and is followed by a letter, digit or underscore.
[[nodiscard]] TUrlTarget ClassifyUrl(StringView run);

}  // namespace qs
