// The four standard pages of the "Editor Properties" dialog, and the text
// rules their boxes share.
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "app/envform.h"

namespace qs {

std::unique_ptr<TOptionPage> MakeEditorOptPage(TTabSheet& sheet, TOptionPageContext& context);
std::unique_ptr<TOptionPage> MakeDisplayOptPage(TTabSheet& sheet, TOptionPageContext& context);
std::unique_ptr<TOptionPage> MakeColorsOptPage(TTabSheet& sheet, TOptionPageContext& context);
std::unique_ptr<TOptionPage> MakeSourceOptPage(TTabSheet& sheet, TOptionPageContext& context);

// The decimal integer a box holds (blanks around it allowed). Throws qs::Error
// "'<text>' is not a valid integer value", or, outside lo..hi, one that names
// what and the bounds.
int BoxInteger(StringView text, int lo, int hi, std::string_view what);

// A colour as its box shows it: the constant's name ("clNavy") or "$00BBGGRR".
String ColorBoxText(TColor color);
// The colour the text names, or nothing.
std::optional<TColor> TryColorBoxValue(StringView text);
// Throws qs::Error for text that names no colour.
TColor ColorBoxValue(StringView text);
// The names the colour boxes offer: the sixteen standard colours and "clWindow".
std::vector<String> ColorBoxItems();

}  // namespace qs
