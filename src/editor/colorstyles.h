// Colour-scheme files (.RGB): a style list in the object text, the same text
// the global options keep in the settings store. Choosing the file is the
// caller's (with these titles and this filter).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qs {

class TTextStyles;

inline constexpr std::string_view kLoadColorStylesTitle = "Load color styles";
inline constexpr std::string_view kSaveColorStylesTitle = "Save color styles";
inline constexpr std::string_view kColorStylesFilter = "Color scheme (*.rgb)|*.RGB";
inline constexpr std::string_view kColorStylesExtension = ".RGB";

// No colour scheme is this large; a bigger file is refused before it is read.
inline constexpr std::uintmax_t kMaxColorStylesFileSize = 4 * 1024 * 1024;

// The file name with its extension replaced by (or given) ".RGB".
std::string WithColorStylesExtension(const std::string& fileName);

// The style list as the text of a .RGB file.
std::string ColorStylesText(const TTextStyles& styles);
// Replaces the list with the one the text holds (a short list is completed
// from the defaults). Throws qs::ParseError, leaving the list as it was,
// when the text does not hold a style list.
void ReadColorStylesText(TTextStyles& styles, std::string_view text);

// Writes the list to the file named, its extension forced to ".RGB", and
// returns the name written. Throws qs::Error when the file cannot be
// written; a file that was there is then unchanged.
std::string SaveColorStyles(const TTextStyles& styles, const std::string& fileName);
// Replaces the list with the file's only after the whole file has been read.
// Throws qs::Error when the file cannot be read or is too large, qs::ParseError
// when its text is not a style list.
void LoadColorStyles(TTextStyles& styles, const std::string& fileName);

}  // namespace qs
