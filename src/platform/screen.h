// The desktop around the program's windows: its size, the pointer, the colour
// of any pixel (for the eye-dropper), and the user's input settings.
#pragma once

#include <optional>
#include <vector>

#include "platform/geometry.h"
#include "support/colors.h"
#include "support/qschar.h"

namespace qs {

class IScreen {
 public:
  virtual ~IScreen() = default;

  [[nodiscard]] virtual TSize Size() const = 0;
  // The part not taken by panels and docks.
  [[nodiscard]] virtual TRect WorkArea() const = 0;
  [[nodiscard]] virtual TPoint CursorPos() const = 0;
  // Empty where the desktop does not let the program read the screen.
  [[nodiscard]] virtual std::optional<TColor> PixelAt(TPoint p) const = 0;

  // Two clicks count as a double click within this time and distance.
  [[nodiscard]] virtual int DoubleClickTime() const = 0;
  [[nodiscard]] virtual TSize DoubleClickSize() const = 0;
  // Lines to scroll for one notch of the mouse wheel (at least 1).
  [[nodiscard]] virtual int WheelScrollLines() const = 0;
  // Width of the insert caret in pixels.
  [[nodiscard]] virtual int CaretWidth() const = 0;
  // The families of the installed fonts, sorted; with fixedPitchOnly only
  // those whose characters are all one width.
  [[nodiscard]] virtual std::vector<String> FontFamilies(bool fixedPitchOnly) const = 0;
};

}  // namespace qs
