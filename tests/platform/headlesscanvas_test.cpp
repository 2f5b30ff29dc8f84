#include "platform/headlesscanvas.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kYellow = 0x00FFFF;

TEST(HeadlessCanvas, MeasuresWithFixedCellsWhateverTheFont) {
  HeadlessCanvas canvas(100, 100, 7, 15);
  EXPECT_EQ(canvas.TextExtent(U"abcd"), TSize(28, 15));
  FontSpec bold;
  bold.name = U"Serif";
  bold.bold = true;
  bold.size = 30;
  canvas.SetFont(bold);
  EXPECT_EQ(canvas.TextExtent(U"abcd"), TSize(28, 15));
  EXPECT_EQ(canvas.CharWidth(U'W'), 7);
  const FontMetrics m = canvas.Metrics();
  EXPECT_EQ(m.height, 15);
  EXPECT_EQ(m.ascent + m.descent, m.height);
  EXPECT_TRUE(m.fixedPitch);
}

TEST(HeadlessCanvas, RecordsTextWithTheStateItWasDrawnIn) {
  HeadlessCanvas canvas;
  FontSpec font;
  font.name = U"Mono";
  font.italic = true;
  canvas.SetFont(font);
  canvas.SetTextColor(kRed);
  canvas.SetBackColor(kYellow);
  const int advances[] = {10, 12};
  canvas.TextOut(5, 16, U"abc", advances);
  canvas.SetTransparent(true);
  canvas.TextRectOut({0, 0, 20, 16}, 2, 0, U"x");

  const std::vector<CanvasRecord> texts = canvas.RecordsOf(CanvasOp::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, U"abc");
  EXPECT_EQ(texts[0].rect, TRect(5, 16, 5 + 10 + 12 + 8, 32));  // last char at its own width
  EXPECT_EQ(texts[0].color, kRed);
  EXPECT_TRUE(texts[0].opaque);
  EXPECT_EQ(texts[0].backColor, kYellow);
  EXPECT_EQ(texts[0].font, font);
  EXPECT_FALSE(texts[1].opaque);
  EXPECT_EQ(texts[1].clip, TRect(0, 0, 20, 16));
  EXPECT_EQ(canvas.Dump(),
            "Text 5,16 \"abc\" 0000FF on 00FFFF Mono/0/10/i\n"
            "Text 2,0 \"x\" 0000FF transparent clip (0,0)-(20,16) Mono/0/10/i\n");
}

TEST(HeadlessCanvas, PaintsBackgroundAndInkWhereTheAdvancesPutThem) {
  HeadlessCanvas canvas(100, 40);
  canvas.SetTextColor(kRed);
  canvas.SetBackColor(kYellow);
  const int advances[] = {20};
  canvas.TextOut(0, 0, U"a b", advances);       // a at 0, blank at 20, b at 28
  EXPECT_EQ(canvas.PixelAt({0, 0}), kYellow);   // cell corner: background
  EXPECT_EQ(canvas.PixelAt({10, 8}), kRed);     // inside a's wide cell: ink
  EXPECT_EQ(canvas.PixelAt({24, 8}), kYellow);  // the blank paints no ink
  EXPECT_EQ(canvas.PixelAt({32, 8}), kRed);     // b
  EXPECT_EQ(canvas.PixelAt({36, 8}), kWhite);   // past the text: untouched
  EXPECT_EQ(canvas.PixelAt({10, 16}), kWhite);  // below the line

  canvas.SetTransparent(true);
  canvas.SetTextColor(kBlue);
  canvas.TextOut(50, 0, U"c");
  EXPECT_EQ(canvas.PixelAt({50, 0}), kWhite);  // transparent: no background
  EXPECT_EQ(canvas.PixelAt({54, 8}), kBlue);
}

TEST(HeadlessCanvas, ClippingLimitsEveryKindOfDrawing) {
  HeadlessCanvas canvas(50, 50);
  canvas.SetBrush({kRed, BrushStyle::Solid});
  canvas.PushClipRect({10, 10, 30, 30});
  canvas.PushClipRect({20, 0, 50, 50});  // nested clips intersect
  canvas.FillRect({0, 0, 50, 50});
  canvas.PopClipRect();
  canvas.SetBackColor(kYellow);
  canvas.TextRectOut({0, 0, 12, 50}, 0, 0, U"zz");  // own clip on top of the pushed one
  canvas.PopClipRect();
  EXPECT_EQ(canvas.PixelAt({20, 20}), kRed);
  EXPECT_EQ(canvas.PixelAt({15, 15}), kWhite);   // outside the inner clip when filled
  EXPECT_EQ(canvas.PixelAt({11, 20}), kYellow);  // opaque: the whole clip, below the text too
  EXPECT_EQ(canvas.PixelAt({12, 12}), kWhite);   // outside the text's clip
  EXPECT_EQ(canvas.PixelAt({5, 5}), kWhite);     // outside the pushed clip
  EXPECT_EQ(canvas.PixelAt({50, 5}), std::nullopt);
  EXPECT_THROW(canvas.PopClipRect(), std::logic_error);

  canvas.FillRect({0, 0, 5, 5});  // every clip popped: drawing reaches everywhere again
  EXPECT_EQ(canvas.PixelAt({0, 0}), kRed);
}

TEST(HeadlessCanvas, LinesExcludeTheirEndPointAndClearStylesDrawNothing) {
  HeadlessCanvas canvas(20, 20);
  canvas.SetPen({kBlue, 1, PenStyle::Solid});
  canvas.MoveTo({2, 2});
  canvas.LineTo({2, 10});
  EXPECT_EQ(canvas.PixelAt({2, 2}), kBlue);
  EXPECT_EQ(canvas.PixelAt({2, 9}), kBlue);
  EXPECT_EQ(canvas.PixelAt({2, 10}), kWhite);
  EXPECT_EQ(canvas.PenPos(), TPoint(2, 10));

  canvas.SetPen({kRed, 1, PenStyle::Clear});
  canvas.LineTo({10, 10});
  canvas.SetBrush({kRed, BrushStyle::Clear});
  canvas.FillRect({0, 0, 20, 20});
  EXPECT_EQ(canvas.PixelAt({5, 10}), kWhite);
  EXPECT_EQ(canvas.PixelAt({15, 15}), kWhite);
  EXPECT_EQ(canvas.RecordsOf(CanvasOp::Line).size(), 2u);  // recorded all the same

  // Lines reaching far beyond the surface paint their visible part (and end quickly).
  canvas.SetPen({kBlue, 1, PenStyle::Solid});
  canvas.MoveTo({-2000000000, 15});
  canvas.LineTo({2000000000, 15});
  canvas.MoveTo({15, 2000000000});
  canvas.LineTo({15, 0});
  EXPECT_EQ(canvas.PixelAt({0, 15}), kBlue);
  EXPECT_EQ(canvas.PixelAt({19, 15}), kBlue);
  EXPECT_EQ(canvas.PixelAt({15, 1}), kBlue);
  EXPECT_EQ(canvas.PixelAt({15, 0}), kWhite);  // the end point stays excluded
}

TEST(HeadlessCanvas, FramesPolygonsAndBitmaps) {
  HeadlessCanvas canvas(40, 40);
  canvas.SetBrush({kRed, BrushStyle::Solid});
  canvas.FrameRect({0, 0, 10, 10});
  EXPECT_EQ(canvas.PixelAt({0, 0}), kRed);
  EXPECT_EQ(canvas.PixelAt({9, 9}), kRed);
  EXPECT_EQ(canvas.PixelAt({5, 5}), kWhite);

  // A downward triangle like a bookmark mark: filled inside, pen on the edges.
  canvas.SetBrush({kYellow, BrushStyle::Solid});
  canvas.SetPen({kBlue, 1, PenStyle::Solid});
  const TPoint triangle[] = {{20, 20}, {30, 20}, {25, 30}};
  canvas.Polygon(triangle);
  EXPECT_EQ(canvas.PixelAt({25, 23}), kYellow);
  EXPECT_EQ(canvas.PixelAt({20, 20}), kBlue);
  EXPECT_EQ(canvas.PixelAt({20, 28}), kWhite);

  Bitmap bitmap(2, 1);
  bitmap.Set(0, 0, 0xFF00FF00);  // green
  bitmap.Set(1, 0, 0xFFFF0000);  // red, made transparent below
  canvas.DrawBitmap({0, 30, 8, 34}, bitmap, kRed);
  EXPECT_EQ(canvas.PixelAt({1, 31}), 0x00FF00);  // stretched 4x
  EXPECT_EQ(canvas.PixelAt({3, 33}), 0x00FF00);
  EXPECT_EQ(canvas.PixelAt({5, 31}), kWhite);  // transparent colour left out
}

TEST(HeadlessCanvas, FontSizesConvertBetweenPointsAndPixels) {
  EXPECT_EQ(HeightFromPoints(10, 96), -13);
  EXPECT_EQ(HeightFromPoints(12, 96), -16);
  EXPECT_EQ(PointsFromHeight(-13, 96), 10);
  EXPECT_EQ(PointsFromHeight(-50, 600), 6);
  FontSpec font;
  font.size = 9;
  EXPECT_EQ(font.CharacterHeight(96), 12);
  font.height = -20;
  EXPECT_EQ(font.CharacterHeight(96), 20);  // an explicit height wins over the size
}

}  // namespace
}  // namespace qs
