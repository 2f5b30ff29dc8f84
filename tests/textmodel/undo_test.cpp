// Undo and redo steps, the undo limit and the modified flag.
#include <gtest/gtest.h>

#include "sourcefixture.h"

namespace qs {
namespace {

using test::Fill;
using test::StoredLines;
using Lines = std::vector<std::string>;

void Type(TCustomMemoSource& s, std::u32string_view text) {
  for (Char c : text) s.TypeChar(c);
}

TEST(Undo, GroupingFollowsTheOptionAndRedoTakesTheCaretMoveAlong) {
  for (const bool group : {true, false}) {
    TMemoSource s;
    s.SetOptions(group ? TStringsOptions{soGroupUndo} : TStringsOptions{});
    Type(s, U"abc");
    s.Undo();
    EXPECT_EQ(StoredLines(s), group ? Lines{} : Lines{"ab"});
    EXPECT_EQ(s.Caret(), (TPosition{0, group ? 0 : 2}));
    s.Redo();
    EXPECT_EQ(StoredLines(s), Lines{"abc"});
    EXPECT_EQ(s.Caret(), (TPosition{0, 3}));
  }
}

TEST(Undo, WithoutGroupingEachCaretMoveIsAStepOfItsOwn) {
  TMemoSource s;
  s.SetOptions(TStringsOptions{});
  Fill(s, {"abcdef"});
  for (int column = 1; column <= 3; ++column) s.SetCaretPos(column, 0);
  for (int column = 2; column >= 0; --column) {
    s.Undo();
    EXPECT_EQ(s.Caret(), (TPosition{0, column}));
  }
  EXPECT_FALSE(s.CanUndo());
}

TEST(Undo, ADeletionAndAnInsertionAtOnePlaceAreOneStepOnlyWithinOneUpdate) {
  for (const bool oneUpdate : {true, false}) {
    TMemoSource s;
    s.SetOptions(TStringsOptions{});
    Fill(s, {"abc"});
    s.SetCaretPos(1, 0);
    s.ClearUndo();
    const int code = 77;  // both updates alike but for the step between them
    s.BeginUpdate(code);
    s.DeleteChars(1);
    if (!oneUpdate) {
      s.EndUpdate();
      s.BeginUpdate(code);
    }
    s.InsertText(U"XY");
    s.EndUpdate();
    ASSERT_EQ(StoredLines(s), Lines{"aXYc"});
    s.Undo();
    EXPECT_EQ(StoredLines(s), oneUpdate ? Lines{"abc"} : Lines{"ac"}) << oneUpdate;
    s.Redo();
    EXPECT_EQ(StoredLines(s), Lines{"aXYc"}) << oneUpdate;
    s.Undo();
    if (!oneUpdate) s.Undo();
    EXPECT_EQ(StoredLines(s), Lines{"abc"}) << oneUpdate;
    EXPECT_EQ(s.Caret(), (TPosition{0, 1})) << oneUpdate;
  }
}

TEST(Undo, AnArrowKeySeparatesTypingRuns) {
  TMemoSource s;
  Fill(s, {"", ""});
  Type(s, U"a");
  s.CursorDown();
  Type(s, U"b");
  s.Undo();
  EXPECT_EQ(StoredLines(s), (Lines{"a", ""}));
}

TEST(Undo, ReplaysTheExactPlacesWhateverTheCaretOptionsClamp) {
  TMemoSource s;
  s.SetOptions(kDefaultStringsOptions | TStringsOptions{soLimitEOL});
  Fill(s, {"ab", "x"});
  s.SetCaretPos(2, 0);
  Type(s, U" ");
  s.CursorDown();  // leaves the line: its trailing blank is cut, recorded
  EXPECT_EQ(StoredLines(s), (Lines{"ab", "x"}));
  s.Undo();
  s.Undo();
  EXPECT_EQ(StoredLines(s), (Lines{"ab", "x"}));
  EXPECT_EQ(s.Caret(), (TPosition{0, 2}));
}

TEST(Undo, ACaretMoveEmptiesTheRedoListASelectionDoesNot) {
  TMemoSource s;
  Type(s, U"ab");
  s.Undo();
  ASSERT_TRUE(s.CanRedo());
  s.SelectRange(stStreamSel, 0, 0, 0, 0);
  EXPECT_TRUE(s.CanRedo());
  s.Redo();
  s.Undo();
  s.SetCaretPos(0, 0);
  s.SetCaretPos(1, 0);
  EXPECT_FALSE(s.CanRedo());
}

TEST(Undo, ReadOnlyRefusesAndARefusedStepKeepsItsRecord) {
  TMemoSource s;
  Type(s, U"ab");
  s.SetReadOnly(true);
  s.Undo();
  EXPECT_EQ(StoredLines(s), Lines{"ab"});
  s.SetReadOnly(false);
  s.SetLineReadOnly(0, true);
  const std::int32_t records = s.UndoRecords().Count();
  s.Undo();
  EXPECT_EQ(StoredLines(s), Lines{"ab"});
  EXPECT_TRUE(s.CanUndo());
  EXPECT_GE(s.UndoRecords().Count(), records - 1);  // at most the caret move came back
  s.SetLineReadOnly(0, false);
  s.Undo();
  EXPECT_EQ(StoredLines(s), Lines{});
}

TEST(Undo, TheLimitTrimsOnlyPastAHundredSpareRecords) {
  TMemoSource s;
  s.SetUndoLimit(10);
  Fill(s, {""});
  // Each typed character writes an insert and a caret-move record.
  for (int i = 0; i < 55; ++i) s.TypeChar(U'x');
  EXPECT_EQ(s.UndoRecords().Count(), 110);
  s.TypeChar(U'x');
  EXPECT_EQ(s.UndoRecords().Count(), 112 - 101);
}

TEST(Undo, TrimmingTheOldestRecordsKeepsTheDeletedTextOfTheRest) {
  TMemoSource s;
  s.SetUndoLimit(10);
  std::string line;
  for (int i = 0; i < 150; ++i) line.push_back(static_cast<char>('A' + i % 26 + (i / 26) % 2 * 32));
  Fill(s, {line});
  for (int i = 0; i < 120; ++i) s.DeleteChar();
  const std::int32_t kept = s.UndoRecords().Count();
  ASSERT_LT(kept, 120);
  while (s.CanUndo()) s.Undo();
  EXPECT_EQ(StoredLines(s), Lines{line.substr(static_cast<std::size_t>(120 - kept))});
}

TEST(Modified, BackAtTheSavedTextIsUnmodified) {
  TMemoSource s;
  s.ResetModified();
  Type(s, U"x");
  EXPECT_TRUE(s.DocModified());
  s.Undo();
  EXPECT_FALSE(s.DocModified());
  s.Redo();
  EXPECT_TRUE(s.DocModified());
  s.ResetModified();  // saved with x
  s.Undo();
  EXPECT_TRUE(s.DocModified());
  s.Redo();  // the saved record was replayed away: modified until saved again
  EXPECT_TRUE(s.DocModified());
}

TEST(Modified, LostHistoryKeepsTheDocumentModified) {
  const auto typeThenUndo = [](TMemoSource& s) {
    Type(s, U"y");
    while (s.CanUndo()) s.Undo();
    return s.DocModified();
  };
  TMemoSource cleared;
  cleared.ResetModified();
  Type(cleared, U"a");
  cleared.ClearUndo();
  EXPECT_TRUE(typeThenUndo(cleared));

  TMemoSource lines;
  Fill(lines, {"a"});
  lines.ResetModified();
  lines.Lines().Put(0, U"b");
  EXPECT_TRUE(typeThenUndo(lines));

  TMemoSource unrecorded;
  unrecorded.ResetModified();
  unrecorded.SetAllowUndo(false);
  Type(unrecorded, U"a");
  unrecorded.SetAllowUndo(true);
  EXPECT_TRUE(typeThenUndo(unrecorded));
}

}  // namespace
}  // namespace qs
