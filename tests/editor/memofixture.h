// An editor control on a headless window: cells are 8 x 16 pixels, so row r
// spans y 16r .. 16r + 15 and text column c starts at TL + 8c.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "editor/qsmemo.h"
#include "platform/headlesscanvas.h"
#include "platform/headlesswindowhost.h"
#include "textmodel/lineparser.h"

namespace qs::testing {

inline constexpr int kCell = 8;
inline constexpr int kRow = 16;

// Styles each character by its kind: letters 1, digits 2, everything else 0.
class KindParser : public TSimpleParser {
 public:
  std::string_view ClassName() const override { return "TKindParser"; }
  std::int32_t ParseLine(StringView text, std::int32_t, bool, std::string& bytes) override {
    ++parsedLines;
    if (throwOnParse) throw std::runtime_error("parser failure");
    bytes.assign(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
      const Char c = text[i];
      if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z')) bytes[i] = 1;
      if (c >= U'0' && c <= U'9') bytes[i] = 2;
    }
    return 0;
  }
  int parsedLines = 0;
  bool throwOnParse = false;
};

class MemoTest : public ::testing::Test {
 protected:
  explicit MemoTest(int width = 320, int height = 160)
      : host({0, 0, width, height}), measure(width, height), memo(host, measure) {}

  void SetText(const String& text) { memo.Source().LoadFromText(text); }

  // A fresh full paint of the window into canvas.
  void PaintAll() {
    canvas = HeadlessCanvas(host.ClientRect().Width(), host.ClientRect().Height());
    memo.Paint(canvas, host.ClientRect());
  }

  TColor Pixel(int x, int y) const { return canvas.PixelAt({x, y}).value_or(0xDEADBEEF); }
  // The ink (glyph centre) and the background (cell corner) of a text cell.
  TColor Ink(int textLeft, int column, int row) const {
    return Pixel(textLeft + column * kCell + kCell / 2, row * kRow + kRow / 2);
  }
  TColor Back(int textLeft, int column, int row) const {
    return Pixel(textLeft + column * kCell, row * kRow);
  }

  std::vector<String> TextsDrawn() const {
    std::vector<String> out;
    for (const CanvasRecord& r : canvas.RecordsOf(CanvasOp::Text)) out.push_back(r.text);
    return out;
  }

  HeadlessWindowHost host;
  HeadlessCanvas measure;
  TQSMemo memo;
  HeadlessCanvas canvas{1, 1};
};

}  // namespace qs::testing
