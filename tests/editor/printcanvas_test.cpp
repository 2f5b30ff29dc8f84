#include "editor/printcanvas.h"

#include <gtest/gtest.h>

#include "platform/headlesscanvas.h"

namespace qs {
namespace {

// A 96 dpi screen with 8-pixel cells printed at 600 dpi, below a 100-pixel header.
struct PrintCanvasTest : ::testing::Test {
  HeadlessCanvas printer{0, 0, 50, 100};
  HeadlessCanvas screen{1, 1, 8, 16};
  TPrintCanvas Canvas(bool monochrome) {
    return TPrintCanvas(printer, screen, {6.25, 6.25, {0, 100}, monochrome});
  }
};

TEST_F(PrintCanvasTest, TextKeepsTheScreenLayoutScaledAndItsFontHeightScales) {
  const FontSpec screenFont = screen.Font();
  TPrintCanvas canvas = Canvas(false);
  FontSpec font;
  font.name = U"Courier New";
  font.height = -13;
  canvas.SetFont(font);
  canvas.SetTextColor(0x0000FF);
  canvas.TextOut(3, 16, U"abc");
  const std::vector<CanvasRecord> texts = printer.RecordsOf(CanvasOp::Text);
  ASSERT_EQ(texts.size(), 1u);
  const CanvasRecord& r = texts[0];
  EXPECT_EQ(r.points.at(0), (TPoint{19, 200}));  // 3 * 6.25 rounds to 19
  // Characters at 3, 11, 19, 27 on screen: 19, 69, 119, 169 on paper, however
  // wide the printer's own glyphs are (50 here).
  EXPECT_EQ(r.advances, (std::vector<int>{50, 50, 50}));
  EXPECT_EQ(r.font.height, -81);
  EXPECT_EQ(r.color, 0x0000FFu);
  // The print editor measures in its own screen pixels, and the screen canvas
  // keeps its font.
  EXPECT_EQ(canvas.TextWidth(U"abc"), 24);
  EXPECT_EQ(screen.Font(), screenFont);
}

TEST_F(PrintCanvasTest, GivenAdvancesArePlacedWithoutRoundingDrift) {
  TPrintCanvas canvas = Canvas(false);
  const int advances[] = {3, 3, 3, 3};
  canvas.TextOut(0, 0, U"abcd", advances);
  // Screen 0, 3, 6, 9, 12 -> paper 0, 19, 38, 56, 75 (each rounded alone).
  EXPECT_EQ(printer.RecordsOf(CanvasOp::Text).at(0).advances, (std::vector<int>{19, 19, 18, 19}));
}

TEST_F(PrintCanvasTest, MonochromeInksBlackOnPaperWhateverThePainterAsks) {
  for (const bool monochrome : {false, true}) {
    SCOPED_TRACE(monochrome ? "monochrome" : "colour");
    printer.ClearRecords();
    TPrintCanvas canvas = Canvas(monochrome);
    canvas.SetBrush({0x00FFFF, BrushStyle::Solid});
    canvas.FillRect({0, 0, 8, 16});
    canvas.SetPen({0x00FF00, 1, PenStyle::Solid});
    canvas.MoveTo({0, 0});
    canvas.LineTo({0, 16});
    canvas.SetTextColor(0x0000FF);
    canvas.SetBackColor(0x808080);
    canvas.TextOut(0, 0, U"x");
    const CanvasRecord fill = printer.RecordsOf(CanvasOp::FillRect).at(0);
    const CanvasRecord line = printer.RecordsOf(CanvasOp::Line).at(0);
    const CanvasRecord text = printer.RecordsOf(CanvasOp::Text).at(0);
    EXPECT_EQ(fill.rect, (TRect{0, 100, 50, 200}));
    EXPECT_EQ(fill.color, monochrome ? 0xFFFFFFu : 0x00FFFFu);
    EXPECT_EQ(line.color, monochrome ? 0x000000u : 0x00FF00u);
    EXPECT_EQ(line.points, (std::vector<TPoint>{{0, 100}, {0, 200}}));
    EXPECT_EQ(line.pen.width, 6);
    EXPECT_EQ(text.color, monochrome ? 0x000000u : 0x0000FFu);
  }
}

TEST_F(PrintCanvasTest, ClipsAreScaledAndAClearBrushFillsNothing) {
  TPrintCanvas canvas = Canvas(true);
  canvas.PushClipRect({8, 16, 16, 32});
  canvas.SetBrush({0, BrushStyle::Clear});
  canvas.FillRect({0, 0, 8, 16});
  canvas.PopClipRect();
  ASSERT_EQ(printer.RecordsOf(CanvasOp::PushClip).size(), 1u);
  EXPECT_EQ(printer.RecordsOf(CanvasOp::PushClip)[0].rect, (TRect{50, 200, 100, 300}));
  EXPECT_TRUE(printer.RecordsOf(CanvasOp::FillRect).empty());
}

}  // namespace
}  // namespace qs
