#include <gtest/gtest.h>

#include "sourcefixture.h"

namespace qs {
namespace {

using test::Fill;
using test::Recorder;
using test::U;

std::vector<std::string> SelectionText(TCustomMemoSource& source) {
  std::vector<std::string> out;
  for (int i = 0; i < source.SelectionLines().Count(); ++i)
    out.push_back(test::S(source.SelectionLines()[i]));
  return out;
}

TEST(Selection, StreamSelectionGrowsAndShrinksWithTheCaret) {
  TMemoSource source;
  Fill(source, {"0123456789"});
  source.SetCaretPos(2, 0);
  for (int i = 0; i < 3; ++i) source.SelectRight();
  EXPECT_EQ(source.SelectionType(), stStreamSel);
  EXPECT_EQ(source.BlockBegin(), (TPosition{0, 2}));
  EXPECT_EQ(source.BlockEnd(), (TPosition{0, 5}));
  for (int i = 0; i < 3; ++i) source.SelectLeft();
  EXPECT_FALSE(source.HasSelection());
  source.SelectLeft();  // a new anchor: the caret left of it becomes the begin
  EXPECT_EQ(source.BlockBegin(), (TPosition{0, 1}));
  EXPECT_EQ(source.BlockEnd(), (TPosition{0, 2}));
}

TEST(Selection, SelectDownAndItsLines) {
  TMemoSource source;
  Fill(source, {"l0", "l1", "l2", "line three", "line four!"});
  source.SetCaretPos(4, 3);
  source.SelectDown();
  EXPECT_EQ(source.BlockBegin(), (TPosition{3, 4}));
  EXPECT_EQ(source.BlockEnd(), (TPosition{4, 4}));
  EXPECT_EQ(SelectionText(source), (std::vector<std::string>{" three", "line"}));
  source.SelectUp();
  source.SelectUp();                                  // through the anchor: the bounds swap
  EXPECT_EQ(source.BlockBegin(), (TPosition{2, 4}));  // column 4 past "l2", kept
  EXPECT_EQ(source.BlockEnd(), (TPosition{3, 4}));
}

TEST(Selection, ColumnBlockLinesArePadded) {
  TMemoSource source;
  Fill(source, {"abcdef", "ab", "abcdefgh", "abcd"});
  source.SelectRange(stBlockSel, 2, 1, 4, 3);
  EXPECT_EQ(SelectionText(source), (std::vector<std::string>{"   ", "cde", "cd "}));
  EXPECT_TRUE(source.IsInSelection(4, 2));
  EXPECT_FALSE(source.IsInSelection(5, 2));
  EXPECT_FALSE(source.IsInSelection(3, 0));
}

TEST(Selection, ColumnSelectionFollowsTheCaretPerCoordinate) {
  TMemoSource source;
  Fill(source, {"abcdef", "abcdef", "abcdef"});
  source.SetCaretPos(3, 0);
  source.BeginColumnSelection();  // 1 x 1 stays
  EXPECT_EQ(source.SelectionType(), stBlockSel);
  source.ColumnSelectDown();
  source.ColumnSelectDown();
  source.ColumnSelectLeft();
  EXPECT_EQ(source.BlockBegin(), (TPosition{0, 2}));
  EXPECT_EQ(source.BlockEnd(), (TPosition{2, 3}));
  source.SetCaretPos(1, 1);
  source.BeginStreamSelection();  // an empty stream selection disappears at once
  EXPECT_FALSE(source.HasSelection());
}

TEST(Selection, StreamSelectionRanges) {
  TMemoSource source;
  Fill(source, {"aaaa", "bbbb", "cccc"});
  source.SelectRange(stStreamSel, 2, 0, 1, 2);
  using R = std::pair<std::int32_t, std::int32_t>;
  EXPECT_EQ(source.SelectedRange(0), (R{2, kMaxIndex}));
  EXPECT_EQ(source.SelectedRange(1), (R{0, kMaxIndex}));
  EXPECT_EQ(source.SelectedRange(2), (R{0, 1}));
  EXPECT_EQ(source.SelectedRange(3), (R{0, 0}));
  EXPECT_EQ(SelectionText(source), (std::vector<std::string>{"aa", "bbbb", "c"}));
}

TEST(Selection, EmptyOrInvertedSelectionsAreDropped) {
  TMemoSource source;
  Fill(source, {"abcdef", "abcdef"});
  source.SelectRange(stStreamSel, 3, 1, 3, 1);
  EXPECT_FALSE(source.HasSelection());
  source.SelectRange(stStreamSel, 4, 1, 2, 1);
  EXPECT_FALSE(source.HasSelection());
  source.SelectRange(stBlockSel, 4, 0, 2, 1);
  EXPECT_FALSE(source.HasSelection());
  source.SelectRange(stBlockSel, 2, 0, 2, 0);
  EXPECT_TRUE(source.HasSelection());
}

TEST(Selection, MarkWordFindsTheNearestWord) {
  TMemoSource source;
  Fill(source, {"hello   world", "   first, second", ""});
  source.SetDelimeters(U",");
  struct Row {
    TPosition caret;
    TPosition begin, end;
  } rows[] = {
      {{0, 2}, {0, 0}, {0, 5}},    // inside a word
      {{0, 6}, {0, 0}, {0, 5}},    // on the blanks after a word
      {{1, 0}, {1, 3}, {1, 8}},    // leading blanks: the first word
      {{0, 40}, {0, 8}, {0, 13}},  // beyond the end: the last word
  };
  for (const Row& r : rows) {
    source.SetCaretPos(r.caret.Column, r.caret.Line);
    source.MarkWord();
    EXPECT_EQ(source.BlockBegin(), r.begin) << r.caret.Column;
    EXPECT_EQ(source.BlockEnd(), r.end) << r.caret.Column;
    EXPECT_EQ(source.Caret(), r.end);
  }
  source.SetCaretPos(0, 2);
  source.MarkWord();
  EXPECT_FALSE(source.HasSelection());
}

TEST(Selection, WordBoundKinds) {
  TMemoSource source;
  Fill(source, {"ab  , cd"});
  source.SetDelimeters(U",");
  using B = std::pair<std::int32_t, std::int32_t>;
  EXPECT_EQ(source.WordBounds(0, 0, wsWordOnly), (B{0, 1}));
  EXPECT_EQ(source.WordBounds(0, 0, wsWordWithSpace), (B{0, 2}));
  EXPECT_EQ(source.WordBounds(0, 0, wsUntilNextWord), (B{0, 5}));
}

TEST(Selection, MarkLineOnTheLastLineReachesANonexistentLine) {
  TMemoSource source;
  Fill(source, {"a", "last"});
  source.SetCaretPos(2, 1);
  source.MarkLine();
  EXPECT_EQ(source.BlockBegin(), (TPosition{1, 0}));
  EXPECT_EQ(source.BlockEnd(), (TPosition{2, 0}));
  EXPECT_EQ(SelectionText(source), (std::vector<std::string>{"last", ""}));
}

TEST(Selection, ASelectionFarBelowTheTextHasNoEndlessLines) {
  TMemoSource source;
  source.SetOptions(TStringsOptions{soBeyondFileEnd});
  Fill(source, {"a", "b"});
  source.SelectRange(stStreamSel, 0, 1, 5, kMaxIndex);
  EXPECT_EQ(SelectionText(source), (std::vector<std::string>{"b", ""}));
  source.SelectRange(stBlockSel, 0, kMaxIndex - 1, 3, kMaxIndex);
  EXPECT_EQ(source.SelectionLines().Count(), 0);
  EXPECT_TRUE(source.IsInSelection(3, kMaxIndex));
}

TEST(Selection, SelectAllAndBlockOptions) {
  TMemoSource source;
  Fill(source, {"one", "two"});
  source.SetBlockOption(bkNone);
  source.SelectAll();
  EXPECT_FALSE(source.HasSelection());
  source.SetBlockOption(bkBoth);
  source.SelectAll();
  EXPECT_EQ(source.BlockBegin(), (TPosition{0, 0}));
  EXPECT_EQ(source.BlockEnd(), (TPosition{1, 3}));
  EXPECT_EQ(source.Caret(), (TPosition{1, 3}));
  source.SetBlockOption(bkBlockSel);
  EXPECT_EQ(source.SelectionType(), stBlockSel);
  source.SetBlockOption(bkStreamSel);
  EXPECT_EQ(source.SelectionType(), stStreamSel);
  source.SetCaretPos(0, 0);
  source.ColumnSelectRight();  // the option makes it a stream selection
  EXPECT_EQ(source.SelectionType(), stStreamSel);
  source.OnGetSelectionType = [](TCustomMemoSource&, TSelectionType& t) { t = stNotSelected; };
  source.SetSelectionType(stStreamSel);
  EXPECT_FALSE(source.HasSelection());
}

TEST(Selection, ChangesAreReportedOverTheLinesConcerned) {
  TMemoSource source;
  Fill(source, {"a", "b", "c", "d", "e"});
  source.SelectRange(stStreamSel, 0, 1, 0, 2);
  Recorder rec(source);
  source.SelectRange(stStreamSel, 0, 1, 0, 4);
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_TRUE(rec.Last().changes.Has(msBlockChanged));
  EXPECT_EQ(rec.Last().first, 1);  // the unchanged begin line, then old end to new end
  EXPECT_EQ(rec.Last().last, 4);
  source.SelectRange(stStreamSel, 0, 1, 0, 2);
  EXPECT_EQ(rec.Last().first, 1);
  EXPECT_EQ(rec.Last().last, 4);
  source.SelectRange(stStreamSel, 0, 3, 0, 4);  // both bounds moved down
  EXPECT_EQ(rec.Last().first, 1);
  EXPECT_EQ(rec.Last().last, 4);
  source.ClearSelection();
  EXPECT_EQ(rec.Last().first, 3);
  EXPECT_EQ(rec.Last().last, 4);
}

TEST(Selection, AnEditDropsTheSelectionUnlessPersistent) {
  for (bool persistent : {false, true}) {
    TMemoSource source;
    Fill(source, {"abc", "def"});
    if (persistent) source.SetOptions(source.Options() | TStringsOptions{soPersistentBlocks});
    source.SelectRange(stStreamSel, 0, 0, 2, 0);
    source.Lines().Put(1, U"xyz");
    EXPECT_EQ(source.HasSelection(), persistent);
  }
}

TEST(TrackedPositions, ShiftKinds) {
  // The caret is at (line 1, column 2); each position starts at `at`.
  struct Row {
    const char* name;
    TShiftKind kind;
    std::int64_t count;
    TPosition at;
    bool blockBegin;
    TPosition after;
  } rows[] = {
      {"insert after", skInsertChars, 3, {1, 4}, false, {1, 7}},
      {"insert at the caret stays", skInsertChars, 3, {1, 2}, false, {1, 2}},
      {"insert at the caret moves block begin", skInsertChars, 3, {1, 2}, true, {1, 5}},
      {"insert before", skInsertChars, 3, {1, 1}, false, {1, 1}},
      {"insert on a line above", skInsertChars, 3, {0, 9}, false, {0, 9}},
      {"delete after", skDeleteChars, 2, {1, 6}, false, {1, 4}},
      {"delete over it", skDeleteChars, 9, {1, 4}, false, {1, 2}},
      {"break after", skLineBreak, 0, {1, 5}, false, {2, 3}},
      {"break below", skLineBreak, 0, {3, 5}, false, {4, 5}},
      {"join the next line", skJoinLine, 0, {2, 4}, false, {1, 6}},
      {"join past the caret", skJoinLine, 0, {1, 5}, false, {1, 2}},
      {"join below", skJoinLine, 0, {5, 1}, false, {4, 1}},
      {"huge insert clamps",
       skInsertChars,
       std::numeric_limits<std::int64_t>::max(),
       {1, 4},
       false,
       {1, kMaxIndex}},
  };
  for (const Row& r : rows) {
    TPositionList list;
    TTrackedPosition p(list, r.at);
    p.ShiftsAtCaret = r.blockBegin;
    list.Shift(r.kind, {1, 2}, r.count);
    EXPECT_EQ(p.Get(), r.after) << r.name;
  }
}

TEST(TrackedPositions, AColumnBlockDoesNotMoveWithEdits) {
  TMemoSource source;
  Fill(source, {"abcdef"});
  source.SelectRange(stBlockSel, 3, 0, 4, 0);
  source.SetCaretPos(1, 0);
  source.ShiftPositions(skInsertChars, 2);
  EXPECT_EQ(source.BlockBegin(), (TPosition{0, 3}));
  source.SelectRange(stStreamSel, 3, 0, 4, 0);
  source.ShiftPositions(skInsertChars, 2);
  EXPECT_EQ(source.BlockBegin(), (TPosition{0, 5}));
  {
    TTrackedPosition copy(source.Positions(), {0, 4});
    EXPECT_EQ(source.Positions().Size(), 3u);
  }
  EXPECT_EQ(source.Positions().Size(), 2u);
}

}  // namespace
}  // namespace qs
