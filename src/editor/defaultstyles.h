// The default list of text styles every control and the global options start
// with. Some indices have a fixed meaning elsewhere: the text source marks
// URLs with style 17, and styles 20 and 21 give the selection and
// search-match colours.
#pragma once

#include <span>

#include "editor/textstyles.h"

namespace qs {

inline constexpr int kDefaultStyleCount = 24;
inline constexpr int kUrlStyle = 17;
inline constexpr int kMarkedBlockStyle = 20;
inline constexpr int kSearchMatchStyle = 21;

struct DefaultStyleRow {
  StringView name;
  TColor fontColor;
  TFontStyles fontStyle;
  TColor background;  // clNone: never set, the style follows the control colour
  bool useMemoColor;
  TUpdateMemoColors updateMemoColors;
};

std::span<const DefaultStyleRow> DefaultStyleRows();

// Appends, inside one bracket, the default styles whose indices the list
// does not reach yet: an empty list gets them all, a full one none.
void AddMissingDefaultStyles(TTextStyles& styles);

}  // namespace qs
