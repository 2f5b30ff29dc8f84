// A screen for tests: a fixed desktop whose values a test may change, with
// pixels read from a map of painted points (white elsewhere).
#pragma once

#include <map>
#include <utility>

#include "platform/screen.h"

namespace qs {

class HeadlessScreen final : public IScreen {
 public:
  TSize Size() const override { return size; }
  TRect WorkArea() const override { return workArea; }
  TPoint CursorPos() const override { return cursor; }
  std::optional<TColor> PixelAt(TPoint p) const override;
  int DoubleClickTime() const override { return doubleClickTime; }
  TSize DoubleClickSize() const override { return doubleClickSize; }
  int WheelScrollLines() const override { return wheelScrollLines; }
  int CaretWidth() const override { return caretWidth; }
  std::vector<String> FontFamilies(bool fixedPitchOnly) const override {
    return fixedPitchOnly ? fixedFonts : fonts;
  }

  void PaintPixel(TPoint p, TColor color) { m_pixels[{p.X, p.Y}] = color; }

  TSize size{1920, 1080};
  TRect workArea{0, 0, 1920, 1040};
  TPoint cursor;
  int doubleClickTime = 500;
  TSize doubleClickSize{4, 4};
  int wheelScrollLines = 3;
  int caretWidth = 2;
  std::vector<String> fonts{U"Courier New", U"DejaVu Sans", U"DejaVu Sans Mono"};
  std::vector<String> fixedFonts{U"Courier New", U"DejaVu Sans Mono"};

 private:
  std::map<std::pair<int, int>, TColor> m_pixels;
};

}  // namespace qs
