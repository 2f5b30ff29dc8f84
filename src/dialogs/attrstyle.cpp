#include "dialogs/attrstyle.h"

#include <algorithm>
#include <cmath>

#include "support/errors.h"
#include "syntax/attritem.h"

namespace qs {

namespace {

// Scheme fonts are stored by pixel height on a 96 dpi screen.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

}  // namespace

const std::vector<int>& StyleFontSizes() {
  static const std::vector<int> sizes{8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
  return sizes;
}

int PointsFromHeight(std::int32_t height) {
  return static_cast<int>(std::lround(std::abs(height) / kPixelsPerPoint));
}

std::int32_t HeightFromPoints(int points) {
  return -static_cast<std::int32_t>(std::lround(points * kPixelsPerPoint));
}

TStyleFields StyleFieldsOf(const TAttrItem* attr, const std::vector<String>& textStyles) {
  TStyleFields fields;
  if (!attr) return fields;
  fields.useDefFont = attr->UseDefFont();
  fields.fontName = attr->Font().Name();
  fields.fontSize = PointsFromHeight(attr->Font().Height());
  if (std::find(StyleFontSizes().begin(), StyleFontSizes().end(), fields.fontSize) ==
      StyleFontSizes().end())
    fields.fontSize = 0;
  fields.fontColor = attr->Font().Color();
  fields.styles = attr->Font().Style();
  fields.useDefBack = attr->UseDefBack();
  fields.backColor = attr->BackColor();
  if (std::find(textStyles.begin(), textStyles.end(), attr->GlobalAttrID()) != textStyles.end())
    fields.textStyle = attr->GlobalAttrID();
  return fields;
}

void StoreStyleFields(TFontList& fonts, std::int32_t blockId, std::int32_t& fontId,
                      const TStyleFields& fields, const TDefaultFont& defaults) {
  TAttrItem* attr = fontId >= 0 ? fonts.FindAttr(fontId) : nullptr;
  if (!attr) {
    if (fonts.NewFontID() < 0)
      throw Error("The font table is full: no attribute can be added to the scheme.");
    attr = &fonts.Add();
    attr->SetBlockID(blockId);
    fontId = attr->FontID();
  }
  TAttrFont font = attr->Font();
  font.SetName(fields.fontName.empty() ? defaults.name : fields.fontName);
  font.SetHeight(HeightFromPoints(fields.fontSize > 0 ? fields.fontSize : defaults.size));
  font.SetColor(fields.fontColor);
  font.SetStyle(fields.styles);
  attr->SetUseDefFont(fields.useDefFont);
  attr->SetFont(font);
  attr->SetUseDefBack(fields.useDefBack);
  attr->SetBackColor(fields.backColor);
  attr->SetGlobalAttrID(fields.textStyle);
}

}  // namespace qs
