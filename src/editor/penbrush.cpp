#include "editor/penbrush.h"

#include <algorithm>

namespace qs {

const ClassInfo& TPen::StaticClassInfo() {
  static const ClassInfo info(
      "TPen", &TPersistent::StaticClassInfo(),
      {Prop::Colour<TPen>("Color", &TPen::Color, &TPen::SetColor, clBlack),
       Prop::Enum<TPen>("Style", &TPen::Style, &TPen::SetStyle, psSolid, kPenStyleNames),
       Prop::Integer<TPen>("Width", &TPen::Width, &TPen::SetWidth, 1)});
  return info;
}

void TPen::SetColor(TColor color) {
  if (m_color == color) return;
  m_color = color;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (m_style == style) return;
  m_style = style;
  Changed();
}

void TPen::SetWidth(int width) {
  width = std::clamp(width, 1, m_maxWidth);
  if (m_width == width) return;
  m_width = width;
  Changed();
}

void TPen::SetMaxWidth(int maxWidth) {
  m_maxWidth = std::clamp(maxWidth, 1, kMaxWidth);
  SetWidth(m_width);
}

const ClassInfo& TBrush::StaticClassInfo() {
  static const ClassInfo info(
      "TBrush", &TPersistent::StaticClassInfo(),
      {Prop::Colour<TBrush>("Color", &TBrush::Color, &TBrush::SetColor, clWhite),
       Prop::Enum<TBrush>("Style", &TBrush::Style, &TBrush::SetStyle, bsSolid, kBrushStyleNames)});
  return info;
}

void TBrush::SetColor(TColor color) {
  if (m_color == color) return;
  m_color = color;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (m_style == style) return;
  m_style = style;
  Changed();
}

}  // namespace qs
