// The character and string types of every layer: a character is one Unicode
// code point, so one stored character is one column and one style byte.
#pragma once

#include <string>
#include <string_view>

namespace qs {

using Char = char32_t;
using String = std::u32string;
using StringView = std::u32string_view;

}  // namespace qs
