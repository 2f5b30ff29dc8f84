// What the character metrics need to know of a font on the output device.
// The control passes an implementation over its canvas; tests pass one with
// fixed numbers.
#pragma once

#include "support/qschar.h"

namespace qs {

class TMemoFont;

struct TextExtent {
  int cx = 0;
  int cy = 0;
};

class IFontMeasure {
 public:
  virtual ~IFontMeasure() = default;
  virtual TextExtent Extent(const TMemoFont& font, StringView text) const = 0;
  virtual int AverageCharWidth(const TMemoFont& font) const = 0;
  virtual bool IsFixedPitch(const TMemoFont& font) const = 0;
};

}  // namespace qs
