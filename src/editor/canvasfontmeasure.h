// Font measurement through a platform canvas: the way a control measures
// its fonts on its own window, and the conversion of a control or style font
// to the canvas's font description.
#pragma once

#include <cstdint>

#include "editor/fontmeasure.h"
#include "platform/font.h"

namespace qs {

class ICanvas;
class TMemoFont;
enum class TFontPitch : std::uint8_t;

FontSpec ToFontSpec(const TMemoFont& font);
FontPitch ToPitch(TFontPitch pitch);
TFontPitch FromPitch(FontPitch pitch);

// Selects each font into the canvas for the measurement and puts the
// canvas's own font back afterwards.
class CanvasFontMeasure : public IFontMeasure {
 public:
  explicit CanvasFontMeasure(ICanvas& canvas) : m_canvas(canvas) {}

  TextExtent Extent(const TMemoFont& font, StringView text) const override;
  int AverageCharWidth(const TMemoFont& font) const override;
  bool IsFixedPitch(const TMemoFont& font) const override;

 private:
  ICanvas& m_canvas;
};

}  // namespace qs
