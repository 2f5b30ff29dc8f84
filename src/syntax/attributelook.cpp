// The scheme's attributes as a view paints them: the resolved font and
// colours of each style byte in the platform's terms.
#include "syntax/qsparser.h"

namespace qs {

TAttributeLook TSyntaxParser::AttributeLook(std::int32_t id) const {
  const TAttrFont& font = GetAttrFont(id);
  TAttributeLook look;
  look.font.name = font.Name();
  look.font.height = font.Height();
  look.font.bold = (font.Style() & SetBit(fsBold)) != 0;
  look.font.italic = (font.Style() & SetBit(fsItalic)) != 0;
  look.font.underline = (font.Style() & SetBit(fsUnderline)) != 0;
  look.font.strikeOut = (font.Style() & SetBit(fsStrikeOut)) != 0;
  look.color = font.Color();
  if (TColor back = clNone; GetAttrBackColor(id, back)) look.background = back;
  return look;
}

}  // namespace qs
