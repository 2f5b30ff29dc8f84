// The style fields of the scheme editor's popups and how they load from and
// store into a display attribute of the scheme's font table.
#pragma once

#include <cstdint>
#include <vector>

#include "support/colors.h"
#include "support/qschar.h"
#include "syntax/attrfont.h"

namespace qs {

class TAttrItem;
class TFontList;

inline constexpr StringView kCustomTextStyle = U"Custom";

struct TStyleFields {
  String textStyle{kCustomTextStyle};  // "Custom" or a global text style's name
  bool useDefFont = true;
  String fontName;   // empty: none chosen
  int fontSize = 0;  // points; 0: none chosen
  TColor fontColor = clBlack;
  TFontStyles styles = 0;
  bool useDefBack = true;
  TColor backColor = clWindow;
  bool operator==(const TStyleFields&) const = default;
};

// The font sizes offered, in points.
const std::vector<int>& StyleFontSizes();
[[nodiscard]] int PointsFromHeight(std::int32_t height);
[[nodiscard]] std::int32_t HeightFromPoints(int points);

// The fields of an element with that attribute; without one (nullptr): both
// defaults on, no font, black, no styles, the window colour, "Custom".
// textStyles are the names a global style may have; another name reads as "Custom".
TStyleFields StyleFieldsOf(const TAttrItem* attr, const std::vector<String>& textStyles);

// The font a new attribute gets when the fields choose none.
struct TDefaultFont {
  String name = U"Courier New";
  int size = 10;
};

// Stores the fields in the attribute fontId names; when it names none, a new
// attribute of block blockId is appended and fontId becomes its ID. Throws
// qs::Error, changing nothing, when the font table has no ID left.
void StoreStyleFields(TFontList& fonts, std::int32_t blockId, std::int32_t& fontId,
                      const TStyleFields& fields, const TDefaultFont& defaults);

}  // namespace qs
