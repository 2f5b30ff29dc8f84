// Bytes as %XX and back: file addresses, and file names kept in text where
// their bytes would not survive as characters.
#pragma once

#include <string>
#include <string_view>

namespace qs {

// Every byte but the unreserved characters and "/" as %XX, so a space, "#",
// "%" or "?" in a file name stays part of the path.
[[nodiscard]] std::string PercentEncodePath(std::string_view path);

// The bytes of an encoded path: each %XX (either case) becomes its byte; a "%"
// not followed by two hex digits stays as it is.
[[nodiscard]] std::string PercentDecode(std::string_view text);

}  // namespace qs
