#include <gtest/gtest.h>

#include <map>

#include "memofixture.h"
#include "support/utf8.h"
#include "textmodel/sharededitstate.h"

namespace qs {
namespace {

using testing::kCell;
using testing::kRow;
using testing::MemoTest;

// Positions written as the editor shows them: column first.
TPosition At(std::int32_t column, std::int32_t line) {
  return {line, column};
}

// Wrapping at the margin: MarginPos 10 gives rows of up to ten characters.
class WrapTest : public MemoTest {
 protected:
  void WrapAtMargin(const String& text, TMemoOptions extra = 0) {
    SetText(text);
    memo.SetMarginPos(10);
    memo.SetOptions(SetBit(moBreakWordAtMargin) | extra);
    memo.SetWordWrap(true);
  }

  // Where each text run was drawn: its left edge and top, by text.
  std::multimap<String, TPoint> TextPlaces() const {
    std::multimap<String, TPoint> out;
    for (const CanvasRecord& r : canvas.RecordsOf(CanvasOp::Text))
      out.insert({r.text, {r.rect.Left, r.rect.Top}});
    return out;
  }
};

TEST_F(WrapTest, AWrappedLineIsPaintedRowByRowAndNumberedOnItsFirstRowOnly) {
  WrapAtMargin(U"aaaa bbbb cccc\nx", SetBit(moLineNumbers));
  PaintAll();
  const int tl = memo.Layout().textLeft;
  const auto places = TextPlaces();
  const auto at = [&](const String& text) {
    const auto it = places.find(text);
    return it == places.end() ? TPoint{-1, -1} : it->second;
  };
  EXPECT_EQ(at(U"aaaa bbbb "), (TPoint{tl, 0}));
  EXPECT_EQ(at(U"cccc"), (TPoint{tl, kRow}));
  EXPECT_EQ(at(U"x"), (TPoint{tl, 2 * kRow}));
  EXPECT_EQ(at(U" 1").Y, 0);
  EXPECT_EQ(at(U" 2").Y, 2 * kRow);
  EXPECT_EQ(at(U" 3").Y, -1);  // the rows below the text get no number
  for (const auto& [text, place] : places)
    EXPECT_FALSE(place.Y == kRow && place.X < tl) << "a number on the continuation row";
}

TEST_F(WrapTest, ASelectionOverARowEndFillsTheRestOfThatRow) {
  WrapAtMargin(U"aaaa bbbb cccc");
  memo.SetSelBackColor(clRed);
  memo.Source().SelectRange(stStreamSel, 5, 0, 12, 0);
  PaintAll();
  const int tl = memo.Layout().textLeft;
  EXPECT_NE(Back(tl, 4, 0), clRed);  // before the selection
  EXPECT_EQ(Back(tl, 7, 0), clRed);
  EXPECT_EQ(Back(tl, 15, 0), clRed);  // past the row's text: the selection goes on
  EXPECT_EQ(Back(tl, 1, 1), clRed);   // column 11 on the second row
  EXPECT_NE(Back(tl, 2, 1), clRed);   // column 12: the selection's end
  EXPECT_NE(Back(tl, 8, 1), clRed);
}

TEST_F(WrapTest, ACaretPastTheEndOfAWrappedLineStaysOnItsLastRow) {
  WrapAtMargin(U"aaaa bbbb cccc\nnext");
  memo.FocusChanged(true);
  const int tl = memo.Layout().textLeft;
  struct Case {
    std::int32_t column;
    std::int32_t row;
    std::int32_t rowColumn;
  };
  for (const Case c : {Case{9, 0, 9}, Case{10, 1, 0}, Case{14, 1, 4}, Case{30, 1, 20}}) {
    memo.Source().SetCaretPos(c.column, 0);
    EXPECT_EQ(memo.CaretRow(), c.row) << c.column;
    EXPECT_EQ(memo.RowColumnOf(memo.Source().Caret()), c.rowColumn) << c.column;
    EXPECT_EQ(host.Caret().pos, (TPoint{tl + c.rowColumn * kCell, c.row * kRow})) << c.column;
  }
  EXPECT_EQ(memo.PositionToRow(At(0, 1)), 2);
}

TEST_F(WrapTest, APositionOnARowThatIsNotTheLinesLastStaysOnThatRow) {
  WrapAtMargin(U"aaaa bbbb cccc");
  EXPECT_EQ(memo.RowColumnToPosition(0, 3), At(3, 0));
  EXPECT_EQ(memo.RowColumnToPosition(0, 15), At(9, 0));
  EXPECT_EQ(memo.RowColumnToPosition(1, 15), At(25, 0));
}

TEST_F(WrapTest, VerticalMovesGoByRowsAndKeepThePixelColumn) {
  // Rows: 0 "aaaaaaaaa " 1 "bbbbbbbbb " 2 "cc" | 3 "x" | 4 "yyyyyyyyyy" 5 "yy".
  WrapAtMargin(U"aaaaaaaaa bbbbbbbbb cc\nx\nyyyyyyyyyyyy");
  TCustomMemoSource& s = memo.Source();
  s.SetOptions(s.Options() | TStringsOptions{soLimitEOL});
  memo.FocusChanged(true);
  s.SetCaretPos(7, 0);
  struct Step {
    bool down;
    TPosition expected;
  };
  const Step steps[] = {
      {true, At(17, 0)},  // second row of the line, same column
      {true, At(22, 0)},  // its short last row: the line end
      {true, At(1, 1)},   // a one-character line
      {true, At(7, 2)},   // back to column 7 on a long line
      {true, At(12, 2)},  // its short last row
      {true, At(12, 2)},  // the last row: the caret stays
      {false, At(7, 2)}, {false, At(1, 1)}, {false, At(22, 0)}, {false, At(17, 0)},
  };
  for (const Step& step : steps) {
    if (step.down)
      memo.CaretRowDown();
    else
      memo.CaretRowUp();
    ASSERT_EQ(s.Caret(), step.expected);
  }
  // A move sideways starts a new series from where the caret then is.
  s.CursorLeft();
  memo.CaretRowUp();
  EXPECT_EQ(s.Caret(), At(6, 0));
  s.JumpToFileEnd();  // placed absolutely: the column to keep is the new one
  memo.CaretRowUp();
  EXPECT_EQ(s.Caret(), At(2, 2));
}

TEST_F(WrapTest, PageMovesAndTheSourcesOwnCaretMovesGoByRowsToo) {
  String text;
  for (int i = 0; i < 30; ++i) text += U"aaaaaaaaa bbbbbbbbb\n";  // two rows a line
  WrapAtMargin(text);
  memo.FocusChanged(true);
  TCustomMemoSource& s = memo.Source();
  s.SetCaretPos(3, 0);
  memo.CaretPageDown();  // nine rows down: the second row of line 4
  EXPECT_EQ(s.Caret(), At(13, 4));
  s.CursorDown();
  EXPECT_EQ(s.Caret(), At(3, 5));
  memo.CaretPageUp();
  EXPECT_EQ(s.Caret(), At(13, 0));
}

TEST_F(WrapTest, RowBeginAndRowEndStopAtTheEdgesOfTheCaretsRow) {
  WrapAtMargin(U"aaaa bbbb cccc");
  TCustomMemoSource& s = memo.Source();
  s.SetCaretPos(6, 0);
  EXPECT_EQ(memo.RowBeginColumn(), 0);
  EXPECT_EQ(memo.RowEndColumn(), 9);
  s.SetCaretPos(12, 0);
  EXPECT_EQ(memo.RowBeginColumn(), 10);
  EXPECT_EQ(memo.RowEndColumn(), 14);
}

TEST_F(WrapTest, ScrollRangeAndFileEndCountEveryRowOfEveryLine) {
  String text;
  for (int i = 0; i < 50; ++i) text += U"aaaaaaaaa bbbbbbbbb\n";  // two rows a line
  WrapAtMargin(text);
  memo.SetScrollBars(ssVertical);
  EXPECT_EQ(memo.RowCount(), 100);
  EXPECT_EQ(host.ScrollBar(ScrollBarKind::Vertical).max, 99);
  memo.Source().JumpToFileEnd();
  EXPECT_EQ(memo.TopLine(), 99 - memo.VisibleRows());

  memo.Lines().Delete(3);
  EXPECT_EQ(host.ScrollBar(ScrollBarKind::Vertical).max, 97);
  memo.Lines().Insert(0, U"aaaaaaaaa bbbbbbbbb cccccccc");  // three rows
  EXPECT_EQ(host.ScrollBar(ScrollBarKind::Vertical).max, 100);
  memo.Source().SetCaretPos(0, 0);
  memo.Source().TypeChar(U'x');  // the first row loses its blank: one row more
  EXPECT_EQ(host.ScrollBar(ScrollBarKind::Vertical).max, 101);
  EXPECT_EQ(memo.FirstRowOfLine(1), 4);
}

TEST_F(WrapTest, AKeystrokeReWrapsOnlyItsLine) {
  String text;
  for (int i = 0; i < 500; ++i) text += U"some words that wrap at the margin\n";
  WrapAtMargin(text);
  memo.Source().SetCaretPos(4, 250);
  const std::int64_t before = memo.Wrapping().WrappedLines();
  memo.Source().TypeChar(U'x');
  EXPECT_EQ(memo.Wrapping().WrappedLines() - before, 1);
}

TEST_F(WrapTest, ANarrowerWindowWrapsAgainKeepingTheTopLineAndClampingTheCaret) {
  String text;
  for (int i = 0; i < 40; ++i) text += String(100, U'a') + U"\n";
  SetText(text);
  memo.SetWordWrap(true);  // at the window edge: 39 + 1 characters a row
  EXPECT_EQ(memo.Wrapping().Capacity(), 39);
  EXPECT_EQ(memo.RowCount(), 40 * 3);
  memo.SetTopLine(memo.FirstRowOfLine(10) + 1);
  memo.Source().SetCaretPos(150, 10);

  host.SetClientRect({0, 0, 160, 160});
  memo.Resized();
  EXPECT_EQ(memo.Wrapping().Capacity(), 19);
  EXPECT_EQ(memo.RowCount(), 40 * 5);
  EXPECT_EQ(memo.TopLine(), memo.FirstRowOfLine(10) + 2);  // still column 40 of line 10
  EXPECT_EQ(memo.Source().Caret(), At(100, 10));
}

TEST_F(WrapTest, ColumnBlocksAreOffWhileWrappingAndComeBackAfter) {
  struct Case {
    TBlockOption before;
    TBlockOption wrapped;
  };
  for (const Case c : {Case{bkBoth, bkStreamSel}, Case{bkBlockSel, bkNone},
                       Case{bkStreamSel, bkStreamSel}, Case{bkNone, bkNone}}) {
    memo.Source().SetBlockOption(c.before);
    memo.SetWordWrap(true);
    EXPECT_EQ(memo.Source().BlockOption(), c.wrapped);
    memo.SetWordWrap(false);
    EXPECT_EQ(memo.Source().BlockOption(), c.before);
  }
  memo.Source().SetBlockOption(bkBoth);
  memo.SetWordWrap(true);
  memo.Source().SetBlockOption(bkNone);  // chosen while wrapping: it stays
  memo.SetWordWrap(false);
  EXPECT_EQ(memo.Source().BlockOption(), bkNone);
}

TEST_F(WrapTest, NewLineInOverwriteModeGoesToTheStartOfAContinuationRow) {
  const String text = U"aaaa bbbb cccc dddd\n  xyz";
  struct Case {
    bool wrap;
    TPosition expected;
  };
  const SharedEditStateInstallation editState;
  memo.Source().ToggleInsertMode();
  ASSERT_TRUE(TCustomMemoSource::OverwriteMode());
  for (const Case c : {Case{true, At(10, 0)}, Case{false, At(2, 1)}}) {
    SetText(text);
    memo.SetMarginPos(10);
    memo.SetOptions(SetBit(moBreakWordAtMargin));
    memo.SetWordWrap(c.wrap);
    memo.FocusChanged(true);
    memo.Source().SetCaretPos(2, 0);
    memo.Source().NewLine();
    EXPECT_EQ(memo.Source().Caret(), c.expected) << c.wrap;
    EXPECT_EQ(memo.Lines().Count(), 2);
  }
}

TEST_F(WrapTest, TurningWrapOffGivesBackLineRowsAndLeavesNoHooksBehind) {
  WrapAtMargin(U"aaaa bbbb cccc\naaaa bbbb cccc\nlast");
  memo.SetTopLine(3);  // the second row of line 1
  memo.SetWordWrap(false);
  EXPECT_EQ(memo.TopLine(), 1);
  EXPECT_EQ(memo.RowCount(), 3);
  TMemoSource other;
  memo.SetMemoSource(&other);
  EXPECT_TRUE(static_cast<bool>(other.OnMoveQuery));
  memo.SetMemoSource(nullptr);
  EXPECT_FALSE(static_cast<bool>(other.OnMoveQuery));
  EXPECT_FALSE(static_cast<bool>(other.OnNewLineIndent));
}

}  // namespace
}  // namespace qs
