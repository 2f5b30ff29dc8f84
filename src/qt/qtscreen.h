// The desktop as Qt reports it: the primary screen and the user's settings.
#pragma once

#include "platform/screen.h"

namespace qs::qt {

class QtScreen final : public IScreen {
 public:
  TSize Size() const override;
  TRect WorkArea() const override;
  TPoint CursorPos() const override;
  std::optional<TColor> PixelAt(TPoint p) const override;
  int DoubleClickTime() const override;
  TSize DoubleClickSize() const override;
  int WheelScrollLines() const override;
  int CaretWidth() const override;
  std::vector<String> FontFamilies(bool fixedPitchOnly) const override;
};

}  // namespace qs::qt
