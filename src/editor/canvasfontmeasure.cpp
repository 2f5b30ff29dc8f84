#include "editor/canvasfontmeasure.h"

#include "editor/memofont.h"
#include "platform/canvas.h"

namespace qs {

FontPitch ToPitch(TFontPitch pitch) {
  switch (pitch) {
    case fpFixed:
      return FontPitch::Fixed;
    case fpVariable:
      return FontPitch::Variable;
    case fpDefault:
      break;
  }
  return FontPitch::Default;
}

TFontPitch FromPitch(FontPitch pitch) {
  switch (pitch) {
    case FontPitch::Fixed:
      return fpFixed;
    case FontPitch::Variable:
      return fpVariable;
    case FontPitch::Default:
      break;
  }
  return fpDefault;
}

namespace {

// Measures with the font selected, whatever the measurement throws.
template <class F>
auto WithFont(ICanvas& canvas, const TMemoFont& font, F measure) {
  const FontSpec previous = canvas.Font();
  canvas.SetFont(ToFontSpec(font));
  struct Restore {
    ICanvas& canvas;
    const FontSpec& font;
    ~Restore() { canvas.SetFont(font); }
  } restore{canvas, previous};
  return measure();
}

}  // namespace

FontSpec ToFontSpec(const TMemoFont& font) {
  FontSpec fontSpec;
  fontSpec.name = font.Name();
  fontSpec.height = font.Height();
  fontSpec.size = font.Size();
  fontSpec.bold = font.HasStyle(fsBold);
  fontSpec.italic = font.HasStyle(fsItalic);
  fontSpec.underline = font.HasStyle(fsUnderline);
  fontSpec.strikeOut = font.HasStyle(fsStrikeOut);
  fontSpec.charset = font.Charset();
  fontSpec.pitch = ToPitch(font.Pitch());
  return fontSpec;
}

TextExtent CanvasFontMeasure::Extent(const TMemoFont& font, StringView text) const {
  const TSize size = WithFont(m_canvas, font, [&] { return m_canvas.TextExtent(text); });
  return {size.cx, size.cy};
}

int CanvasFontMeasure::AverageCharWidth(const TMemoFont& font) const {
  return WithFont(m_canvas, font, [&] { return m_canvas.Metrics().averageCharWidth; });
}

bool CanvasFontMeasure::IsFixedPitch(const TMemoFont& font) const {
  return WithFont(m_canvas, font, [&] { return m_canvas.Metrics().fixedPitch; });
}

}  // namespace qs
