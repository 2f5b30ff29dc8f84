// The parts of a row besides its text, and which colour wins where several
// apply. Cells are 8 x 16 and the text starts at x 0 unless a test adds a
// column.
#include <gtest/gtest.h>

#include "memofixture.h"
#include "support/utf8.h"

namespace qs {
namespace {

using testing::kCell;
using testing::kRow;
using testing::MemoTest;

class CaretLineTest : public MemoTest {
 protected:
  CaretLineTest() {
    SetText(U"ab\ncd\nef");
    memo.SetColor(clWhite);
    memo.LineHighlight().SetVisible(true);
    memo.LineHighlight().Brush().SetColor(clYellow);
    memo.LineHighlight().Pen().SetColor(clRed);
    memo.Source().SetCaretPos(0, 1);
  }
  // The colour of row 1 at y offset dy, well past its text.
  TColor CaretRowAt(int dy) const { return Pixel(200, kRow + dy); }
};

TEST_F(CaretLineTest, IsFilledAndFramedOnlyWhileFocused) {
  PaintAll();
  EXPECT_EQ(CaretRowAt(8), clWhite);
  memo.FocusChanged(true);
  PaintAll();
  EXPECT_EQ(CaretRowAt(8), clYellow);
  EXPECT_EQ(Pixel(0, kRow + 8), clYellow) << "behind the text too";
  EXPECT_EQ(Ink(0, 0, 1), ColorToRGB(memo.TextStyles().Items(0).Font().Color()));
  EXPECT_EQ(CaretRowAt(0), clRed);
  EXPECT_EQ(CaretRowAt(kRow - 1), clRed);
  EXPECT_EQ(Pixel(200, 8), clWhite) << "other rows keep the control colour";
  EXPECT_EQ(Pixel(200, 2 * kRow + 8), clWhite);
}

TEST_F(CaretLineTest, ShapesAndPenWidthsDrawTheirLines) {
  const struct {
    THighlightShape shape;
    int width;
    TColor at0, at1, at14, at15;
  } cases[] = {
      {shDoubleLine, 1, clRed, clYellow, clYellow, clRed},
      {shSingleLine, 1, clYellow, clYellow, clYellow, clRed},
      {shDoubleLine, 2, clRed, clRed, clRed, clRed},
      {shSingleLine, 2, clYellow, clYellow, clRed, clRed},
  };
  memo.FocusChanged(true);
  for (const auto& c : cases) {
    memo.LineHighlight().SetShape(c.shape);
    memo.LineHighlight().Pen().SetWidth(c.width);
    PaintAll();
    const std::string what =
        std::to_string(static_cast<int>(c.shape)) + "/" + std::to_string(c.width);
    EXPECT_EQ(CaretRowAt(0), c.at0) << what;
    EXPECT_EQ(CaretRowAt(1), c.at1) << what;
    EXPECT_EQ(CaretRowAt(14), c.at14) << what;
    EXPECT_EQ(CaretRowAt(15), c.at15) << what;
  }
}

TEST_F(CaretLineTest, AChangeOfTheHighlightRepaintsTheCaretLineOnly) {
  host.ClearInvalidated();
  memo.LineHighlight().Brush().SetColor(clAqua);
  EXPECT_EQ(host.InvalidUnion(), (TRect{0, kRow, 320, 2 * kRow}));
}

TEST_F(MemoTest, ColourPrecedenceFoundOverSelectionOverLineStyleOverCaretLine) {
  SetText(U"abcdefgh");
  memo.SetColor(clWhite);
  memo.SetSelBackColor(clNavy);
  memo.SetMatchBackColor(clBlack);
  memo.SetMatchColor(clLime);
  memo.LineHighlight().SetVisible(true);
  memo.LineHighlight().Brush().SetColor(clYellow);
  memo.FocusChanged(true);
  const int breakPoint = 18;
  memo.TextStyles().Items(breakPoint).SetColor(clRed);
  memo.Source().SelectRange(stStreamSel, 2, 0, 6, 0);
  memo.Source().SetFoundRect({4, 0, 5, 0});
  PaintAll();
  // Caret line fill where nothing else applies; selection; found text.
  EXPECT_EQ(Pixel(0, 8), clYellow);
  EXPECT_EQ(Pixel(2 * kCell, 8), clNavy);
  EXPECT_EQ(Pixel(4 * kCell, 8), clBlack);
  EXPECT_EQ(Ink(0, 4, 0), clLime);
  EXPECT_EQ(Pixel(5 * kCell, 8), clNavy);
  // A line style's background is not the control colour: the caret-line
  // brush leaves it alone.
  memo.Source().SetLineStyle(0, breakPoint);
  memo.Source().SetFoundRect({4, 0, 5, 0});  // the edit cleared it
  PaintAll();
  EXPECT_EQ(Pixel(0, 8), clRed);
  EXPECT_EQ(Pixel(200, 8), clRed);
  EXPECT_EQ(Pixel(4 * kCell, 8), clBlack);
}

TEST_F(MemoTest, AColumnSelectionIsPaintedAsARectangleAlsoPastShortLines) {
  SetText(U"ab\nabcdefgh\nabcdefgh");
  memo.SetColor(clWhite);
  memo.SetSelBackColor(clNavy);
  memo.Source().SelectRange(stBlockSel, 1, 0, 4, 2);  // columns 1..4
  for (const TMemoOptions options : {TMemoOptions{0}, SetBit(moSelectOnlyText)}) {
    memo.SetOptions(options);
    PaintAll();
    for (int row = 0; row < 3; ++row) {
      EXPECT_EQ(Back(0, 0, row), clWhite) << row;
      EXPECT_EQ(Back(0, 1, row), clNavy) << row;
      EXPECT_EQ(Back(0, 4, row), clNavy) << row << " (past the end of row 0 too)";
      EXPECT_EQ(Back(0, 5, row), clWhite) << row;
    }
  }
}

TEST_F(MemoTest, SpecialSymbolsMarkBlanksLineEndsAndTheTextEnd) {
  memo.Source().SetOptions(TStringsOptions{soUseTabCharacter});
  SetText(U"\tc a\nd");
  memo.SpecialSymbols().SetSpaceChar(U'\u00B7');
  memo.SpecialSymbols().SetTabChar(U'\u00BB');
  PaintAll();
  EXPECT_EQ(TextsDrawn(), (std::vector<String>{U"         c a", U"d"}));
  memo.SetOptions(memo.Options() | SetBit(moDrawSpecialSymbols));
  PaintAll();
  // The TAB fills columns 0..8; its marker sits in cell 9 / 2 - 1 = 3 of them.
  EXPECT_EQ(TextsDrawn(), (std::vector<String>{U"   \u00BB     c\u00B7a\u00B6", U"d\u00B6", U"_"}));
  // In proportional layout blanks stay blank; the line ends are still marked.
  memo.SetUseMonoFont(false);
  PaintAll();
  EXPECT_EQ(TextsDrawn(), (std::vector<String>{U"         c a\u00B6", U"d\u00B6", U"_"}));
}

TEST_F(MemoTest, SpecialSymbolChangesRepaintOnlyWhileShown) {
  SetText(U"x");
  host.ClearInvalidated();
  memo.SpecialSymbols().SetEOLString(U"$");
  EXPECT_TRUE(host.InvalidUnion().IsEmpty());
  memo.SetOptions(memo.Options() | SetBit(moDrawSpecialSymbols));
  host.ClearInvalidated();
  memo.SpecialSymbols().SetEOFString(U"<end>");
  EXPECT_EQ(host.InvalidUnion(), host.ClientRect());
  PaintAll();
  EXPECT_EQ(TextsDrawn(), (std::vector<String>{U"x$", U"<end>"}));
}

TEST_F(MemoTest, LineSeparatorsRunUnderEveryLineButNotPastTheText) {
  SetText(U"a\nb");
  memo.LineSeparator().SetOptions(SetBit(moDrawLineSeparator));
  memo.LineSeparator().Pen().SetColor(clRed);
  PaintAll();
  EXPECT_EQ(Pixel(100, kRow - 1), clRed);
  EXPECT_EQ(Pixel(100, 2 * kRow - 1), clRed);
  EXPECT_NE(Pixel(100, kRow - 2), clRed);
  EXPECT_NE(Pixel(100, 3 * kRow - 1), clRed);
}

TEST_F(MemoTest, LineBookmarksAreTrianglesAtTheirColumns) {
  SetText(U"abcdef\nxyz");
  memo.Source().SetCaretPos(2, 0);
  memo.Source().SetBookmark(1);
  memo.Source().SetCaretPos(3, 1);
  memo.Source().SetBookmark(2);
  memo.SetLineBookmarkColor(clGreen);
  PaintAll();
  EXPECT_TRUE(canvas.RecordsOf(CanvasOp::Polygon).empty());
  memo.SetOptions(memo.Options() | SetBit(moDrawLineBookmarks));
  PaintAll();
  const std::vector<CanvasRecord> triangles = canvas.RecordsOf(CanvasOp::Polygon);
  ASSERT_EQ(triangles.size(), 2u);
  EXPECT_EQ(triangles[0].points, (std::vector<TPoint>{{12, 15}, {20, 15}, {16, 11}}));
  EXPECT_EQ(triangles[0].color, clGreen);
  EXPECT_EQ(triangles[1].points, (std::vector<TPoint>{{20, 31}, {28, 31}, {24, 27}}));
}

TEST_F(MemoTest, FoldButtonsShowEachRegionStartsState) {
  SetText(U"start\nbody\nbody\nafter");
  memo.SetOptions(memo.Options() | SetBit(moHideInvisibleLines));
  memo.Source().SetBodyLine(1, true);
  memo.Source().SetBodyLine(2, true);
  memo.Source().SetRegionState(0, rsExpanded);
  ASSERT_EQ(memo.Layout().textLeft, kRow);  // the fold column is one row high and wide
  PaintAll();
  std::vector<CanvasRecord> boxes = canvas.RecordsOf(CanvasOp::FrameRect);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].rect, (TRect{0, 3, 9, 12}));
  // A minus: one horizontal stroke in the box.
  const auto strokesIn = [&](const TRect& box) {
    int horizontal = 0, vertical = 0;
    for (const CanvasRecord& r : canvas.RecordsOf(CanvasOp::Line)) {
      if (!box.Contains(r.points[0])) continue;
      (r.points[0].Y == r.points[1].Y ? horizontal : vertical)++;
    }
    return std::make_pair(horizontal, vertical);
  };
  EXPECT_EQ(strokesIn(boxes[0].rect), std::make_pair(1, 0));

  memo.Source().SetRegionState(0, rsCollapsed);
  PaintAll();
  boxes = canvas.RecordsOf(CanvasOp::FrameRect);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(strokesIn(boxes[0].rect), std::make_pair(1, 1)) << "a plus";
  // The body is hidden: the row below the start shows the line after it.
  EXPECT_EQ(TextsDrawn()[1], U"after");
}

TEST(ControlBackground, RendersGradientsAndPicturesAtAnySize) {
  TControlBackground background;
  EXPECT_FALSE(background.Render({4, 4}, clWhite).IsValid()) << "not in use";
  background.SetBkgndOption(boHorzGradient);
  background.SetGradientBeginColor(clBlack);
  background.SetGradientEndColor(clWhite);
  const Bitmap horizontal = background.Render({3, 2}, clRed);
  EXPECT_EQ(ColorFromArgb(horizontal.At(0, 1)), clBlack);
  EXPECT_EQ(ColorFromArgb(horizontal.At(1, 0)), MakeColor(127, 127, 127));
  EXPECT_EQ(ColorFromArgb(horizontal.At(2, 0)), clWhite);
  background.SetBkgndOption(boVertGradient);
  EXPECT_EQ(ColorFromArgb(background.Render({3, 2}, clRed).At(2, 1)), clWhite);
  EXPECT_EQ(background.Render({1, 1}, clRed).width, 1) << "a single step";
  EXPECT_EQ(background.Render({100000, 1}, clRed).width, kMaxBitmapSide);
  EXPECT_FALSE(background.Render({0, 5}, clRed).IsValid());

  Bitmap picture(2, 1, ArgbFromColor(clLime));
  picture.Set(1, 0, 0);  // see-through
  background.SetBackground(picture);
  const struct {
    TBkgndOption option;
    TSize size;
    TPoint at;
    TColor expected;
  } cases[] = {
      {boTile, {5, 1}, {2, 0}, clLime},    {boTile, {5, 1}, {3, 0}, clBlue},
      {boCenter, {4, 3}, {1, 1}, clLime},  {boCenter, {4, 3}, {1, 0}, clBlue},
      {boCenter, {4, 3}, {2, 1}, clBlue},  {boStretch, {4, 2}, {1, 1}, clLime},
      {boStretch, {4, 2}, {2, 0}, clBlue},
  };
  for (const auto& c : cases) {
    background.SetBkgndOption(c.option);
    const Bitmap out = background.Render(c.size, clBlue);
    EXPECT_EQ(ColorFromArgb(out.At(c.at.X, c.at.Y)), c.expected)
        << static_cast<int>(c.option) << " at " << c.at.X << "," << c.at.Y;
  }
}

TEST_F(MemoTest, TheTextBackgroundShowsWhereverTheControlColourWouldBe) {
  String text;
  for (int i = 0; i < 40; ++i) text += U"ab\n";
  SetText(text);
  memo.SetColor(clWhite);
  memo.SetSelBackColor(clNavy);
  memo.Source().SelectRange(stStreamSel, 1, 0, 2, 0);
  memo.MemoBackground().SetGradientBeginColor(clRed);
  memo.MemoBackground().SetGradientEndColor(clRed);
  memo.MemoBackground().SetBkgndOption(boVertGradient);
  PaintAll();
  EXPECT_EQ(Back(0, 0, 0), clRed);
  EXPECT_EQ(Back(0, 1, 0), clNavy);
  EXPECT_EQ(Pixel(200, 100), clRed);
  // The picture stays put while the text moves: no pixels are moved.
  host.ClearScrolls();
  host.ClearInvalidated();
  memo.ScrollBy(1, 0);
  EXPECT_TRUE(host.Scrolls().empty());
  EXPECT_EQ(host.InvalidUnion(), host.ClientRect());
}

TEST_F(MemoTest, AGutterBackgroundKeepsTheGutterEdgeLines) {
  SetText(U"x");
  memo.SetOptions(SetBit(moDrawGutter));
  memo.SetGutterBackColor(clWhite);
  memo.SetGutterLineColor(clRed);
  memo.GutterBackground().SetGradientBeginColor(clYellow);
  memo.GutterBackground().SetGradientEndColor(clYellow);
  memo.GutterBackground().SetBkgndOption(boHorzGradient);
  PaintAll();
  EXPECT_EQ(Pixel(5, 100), clYellow);
  EXPECT_EQ(Pixel(30, 100), clWhite);
  EXPECT_EQ(Pixel(31, 100), clRed);
}

TEST(FoldMarkSize, GrowsWithTheRow) {
  const std::pair<int, int> cases[] = {{8, 1}, {16, 2}, {17, 2}, {24, 4}, {40, 12}, {0, 0}};
  for (const auto& [lineHeight, size] : cases)
    EXPECT_EQ(FoldMarkSize(lineHeight), size) << lineHeight;
}

}  // namespace
}  // namespace qs
