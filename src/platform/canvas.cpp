#include "platform/canvas.h"

namespace qs {

void ICanvas::SetFont(const FontSpec& font) {
  if (font == m_font) return;
  m_font = font;
  FontChanged();
}

void ICanvas::LineTo(TPoint p) {
  Line(m_penPos, p);
  m_penPos = p;
}

std::vector<int> CharacterOffsets(const ICanvas& canvas, StringView text,
                                  std::span<const int> advances) {
  std::vector<int> offsets;
  offsets.reserve(text.size() + 1);
  int x = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    offsets.push_back(x);
    x += i < advances.size() ? advances[i] : canvas.CharWidth(text[i]);
  }
  offsets.push_back(x);
  return offsets;
}

}  // namespace qs
