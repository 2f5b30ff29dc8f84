#include <gtest/gtest.h>

#include "memofixture.h"

namespace qs {
namespace {

using testing::kCell;
using testing::kRow;
using testing::MemoTest;

String Lines(int n) {
  String text;
  for (int i = 0; i < n; ++i)
    text += U"line " + String(1, static_cast<Char>(U'0' + i % 10)) + U"\n";
  return text;
}

TEST_F(MemoTest, EditingOneLineRepaintsOnlyItsRow) {
  SetText(Lines(100));
  memo.SetTopLine(2);
  host.ClearInvalidated();
  host.ClearScrolls();
  memo.Lines().Put(5, U"changed");
  ASSERT_EQ(host.Invalidated().size(), 1u);
  EXPECT_EQ(host.InvalidUnion(), (TRect{0, 3 * kRow, 320, 4 * kRow}));

  memo.ResetPaintedRows();
  memo.Paint(canvas, host.InvalidUnion());
  EXPECT_EQ(memo.PaintedRows(), 1);
  memo.ResetPaintedRows();
  PaintAll();
  EXPECT_EQ(memo.PaintedRows(), 10);
}

TEST_F(MemoTest, EditsOutsideTheViewRepaintNothingAndInsertionsRepaintToTheBottom) {
  SetText(Lines(100));
  host.ClearInvalidated();
  memo.Lines().Put(50, U"far below");
  EXPECT_TRUE(host.InvalidUnion().IsEmpty());

  memo.Lines().Insert(4, U"new");
  EXPECT_EQ(host.InvalidUnion(), (TRect{0, 4 * kRow, 320, 160}));
}

TEST_F(MemoTest, VerticalScrollBarFollowsTheTextAndTheView) {
  SetText(Lines(100));  // 101 lines: the text ends with a line break
  memo.SetScrollBars(ssVertical);
  const ScrollBarState bar = host.ScrollBar(ScrollBarKind::Vertical);
  EXPECT_TRUE(bar.visible);
  EXPECT_EQ(bar.page, 10);
  EXPECT_EQ(bar.max, memo.LastRow());
  memo.SetTopLine(7);
  EXPECT_EQ(host.ScrollBar(ScrollBarKind::Vertical).pos, 7);
  EXPECT_FALSE(host.ScrollBar(ScrollBarKind::Horizontal).visible);
}

TEST_F(MemoTest, OneRowOrColumnMovesPixelsOtherMovesRepaint) {
  SetText(Lines(100));
  memo.SetOptions(memo.Options() | SetBit(moDrawGutter));
  host.ClearInvalidated();
  memo.ScrollBy(1, 0);
  ASSERT_EQ(host.Scrolls().size(), 1u);
  EXPECT_EQ(host.Scrolls()[0].dy, -kRow);
  memo.ScrollBy(0, 1);
  ASSERT_EQ(host.Scrolls().size(), 2u);
  EXPECT_EQ(host.Scrolls()[1].dx, -kCell);
  EXPECT_EQ(host.Scrolls()[1].area.Left, 32);  // the gutter stays
  host.ClearScrolls();
  host.ClearInvalidated();
  memo.ScrollBy(5, 0);
  EXPECT_TRUE(host.Scrolls().empty());
  EXPECT_EQ(host.InvalidUnion(), host.ClientRect());
}

TEST_F(MemoTest, ScrollingClampsAtTheTextAndReportsTheDelta) {
  SetText(Lines(20));
  std::vector<std::pair<TScrollStyle, int>> scrolls;
  memo.OnMemoScroll = [&](TCustomQSMemo&, TScrollStyle s, int d) { scrolls.emplace_back(s, d); };
  memo.SetTopLine(1000);
  EXPECT_EQ(memo.TopLine(), memo.LastRow());
  memo.ScrollBy(-1000, -5);
  EXPECT_EQ(memo.TopLine(), 0);
  EXPECT_EQ(memo.LeftChar(), 0);
  ASSERT_EQ(scrolls.size(), 2u);
  EXPECT_EQ(scrolls[1], std::make_pair(ssVertical, -memo.LastRow()));
  memo.Source().SetOptions(memo.Source().Options() | TStringsOptions{soBeyondFileEnd});
  memo.SetTopLine(1000);
  EXPECT_EQ(memo.TopLine(), 1000);
}

TEST_F(MemoTest, TheViewFollowsTheCaret) {
  SetText(Lines(100));
  memo.Source().SetCaretPos(0, 40);
  EXPECT_EQ(memo.TopLine(), 40 - memo.VisibleRows());
  memo.Source().SetCaretPos(0, 3);
  EXPECT_EQ(memo.TopLine(), 3);
}

TEST_F(MemoTest, ACaretExactlyAtTheClientWidthIsScrolledIntoView) {
  SetText(String(200, U'x'));
  memo.Source().SetCaretPos(40, 0);  // x = 320, the client width
  EXPECT_EQ(memo.LeftChar(), 1);
  memo.Source().SetCaretPos(39, 0);
  EXPECT_EQ(memo.LeftChar(), 1);
  memo.Source().SetCaretPos(0, 0);
  EXPECT_EQ(memo.LeftChar(), 0);
}

// Past the fixed horizontal range: the scroll bar reaches the longest line,
// and End on a long line brings the caret into view.
TEST_F(MemoTest, TheHorizontalRangeFollowsTheLongestLineAndTheCaret) {
  memo.SetScrollBars(ssBoth);
  SetText(U"short\n" + String(2000, U'x') + U"\nend");
  EXPECT_GE(host.ScrollBar(ScrollBarKind::Horizontal).max, 2000);
  memo.Source().SetCaretPos(2000, 1);
  const int visibleColumns = memo.Layout().visibleColumns;
  EXPECT_GE(memo.LeftChar(), 2000 - visibleColumns);
  EXPECT_LE(memo.LeftChar(), 2000);
  memo.Source().SetCaretPos(0, 0);
  EXPECT_EQ(memo.LeftChar(), 0);
}

TEST_F(MemoTest, FocusMakesAndPlacesTheCaret) {
  SetText(U"abc\ndef");
  memo.SetOptions(memo.Options() | SetBit(moDrawGutter));
  memo.Source().SetCaretPos(2, 1);
  memo.FocusChanged(true);
  EXPECT_TRUE(host.Caret().exists);
  EXPECT_TRUE(host.Caret().visible);
  EXPECT_EQ(host.Caret().height, kRow);
  EXPECT_EQ(host.Caret().pos, (TPoint{32 + 2 * kCell, kRow}));
  memo.FocusChanged(false);
  EXPECT_FALSE(host.Caret().exists);
}

TEST_F(MemoTest, AGrowingNumberColumnRepaintsTheWholeWindow) {
  memo.SetOptions(SetBit(moDrawGutter) | SetBit(moLineNumbers) | SetBit(moLineNumbersOnGutter));
  SetText(Lines(50));
  while (memo.Source().LineCount() < 99) memo.Lines().Insert(60, U"below the view");
  host.ClearInvalidated();
  memo.Lines().Insert(60, U"the hundredth line");  // three digits now
  EXPECT_EQ(host.InvalidUnion(), host.ClientRect());
}

TEST_F(MemoTest, AnAssignedSourceIsShownAndTheOwnSourceComesBack) {
  TMemoSource other;
  other.LoadFromText(U"other");
  memo.SetMemoSource(&other);
  EXPECT_EQ(&memo.Source(), &other);
  PaintAll();
  EXPECT_EQ(TextsDrawn().front(), U"other");
  host.ClearInvalidated();
  other.Lines().Put(0, U"changed");
  EXPECT_FALSE(host.InvalidUnion().IsEmpty());
  memo.SetMemoSource(nullptr);
  host.ClearInvalidated();
  other.Lines().Put(0, U"again");
  EXPECT_TRUE(host.InvalidUnion().IsEmpty());
}

}  // namespace
}  // namespace qs
