// The primitives and the editing commands built on them.
#include <gtest/gtest.h>

#include "platform/headlessplatform.h"
#include "sourcefixture.h"
#include "textmodel/sharededitstate.h"

namespace qs {
namespace {

using test::Fill;
using test::StoredLines;
using Lines = std::vector<std::string>;

TEST(Primitives, InsertTextPadsAndSplitsTabsAndNeverStoresBreaks) {
  TMemoSource s;
  Fill(s, {"abc"});
  s.SetCaretPos(10, 0);
  EXPECT_TRUE(s.InsertText(U"x"));
  EXPECT_EQ(StoredLines(s), Lines{"abc       x"});
  EXPECT_EQ(s.Caret(), (TPosition{0, 10}));

  TMemoSource t;
  t.SetOptions(TStringsOptions{soUseTabCharacter});
  Fill(t, {"\ty"});
  t.SetCaretPos(4, 0);
  t.InsertText(U"x");
  EXPECT_EQ(StoredLines(t), Lines{"    x\ty"});
  EXPECT_EQ(t.ExpandedLine(0).find(U'y'), 9u);

  t.SetCaretPos(1, 0);
  t.InsertText(U"1\r\n2\n3");
  EXPECT_EQ(StoredLines(t), (Lines{" 1", "2", "3   x\ty"}));
}

TEST(Primitives, ReadOnlyRefusesBeforePaddingOrAddingLines) {
  TMemoSource s;
  Fill(s, {"abc"});
  s.SetLineReadOnly(0, true);
  s.SetCaretPos(10, 0);
  EXPECT_FALSE(s.InsertText(U"x"));
  s.InsertLineBreak();
  s.DeleteChars(kToEnd);
  EXPECT_EQ(StoredLines(s), Lines{"abc"});

  TMemoSource empty;
  empty.SetReadOnly(true);
  empty.InsertLineBreak();
  empty.SetCaretPos(0, 3);
  empty.InsertText(U"x");
  EXPECT_EQ(empty.LineCount(), 0);
}

TEST(Primitives, DeleteCharsClampsHugeCountsAndSplitsATab) {
  TMemoSource s;
  s.SetOptions(TStringsOptions{soUseTabCharacter});
  Fill(s, {"ab\tcd", "next"});
  s.SetCaretPos(4, 0);  // inside the TAB's fill (columns 2..8)
  s.DeleteChars(2147483647);
  EXPECT_EQ(StoredLines(s), (Lines{"ab  ", "next"}));
  s.SetCaretPos(4, 0);
  s.DeleteChars(1);  // at the line end: nothing
  EXPECT_EQ(StoredLines(s)[0], "ab  ");
  s.DeleteChar();  // joins instead
  EXPECT_EQ(StoredLines(s), Lines{"ab  next"});
}

TEST(Commands, DeleteLineOnTheOnlyLineLeavesNoLines) {
  TMemoSource s;
  Fill(s, {"only"});
  s.DeleteLine();
  EXPECT_EQ(s.LineCount(), 0);
  s.Undo();
  EXPECT_EQ(StoredLines(s), Lines{"only"});
}

TEST(Commands, BackSpaceJoinsAndUnindents) {
  TMemoSource s;
  Fill(s, {"abc", "def"});
  s.BackSpace();  // at (0, 0): nothing
  EXPECT_EQ(s.LineCount(), 2);
  s.SetCaretPos(0, 1);
  s.BackSpace();
  EXPECT_EQ(StoredLines(s), Lines{"abcdef"});
  EXPECT_EQ(s.Caret(), (TPosition{0, 3}));

  TMemoSource u;  // soBackUnindents is a default option
  Fill(u, {"a", "    b", "        c"});
  u.SetCaretPos(8, 2);
  u.BackSpace();
  EXPECT_EQ(StoredLines(u)[2], "    c");
  EXPECT_EQ(u.Caret(), (TPosition{2, 4}));
}

TEST(Commands, NewLineIndentsLikeTheLineAbove) {
  TMemoSource s;
  Fill(s, {"    abc"});
  s.SetCaretPos(6, 0);
  s.NewLine();
  EXPECT_EQ(StoredLines(s), (Lines{"    ab", "    c"}));
  EXPECT_EQ(s.Caret(), (TPosition{1, 4}));
}

TEST(Commands, TabWithSeveralLinesIndentsThemAndKeepsTheSelection) {
  TMemoSource s;
  s.SetOptions(TStringsOptions{soPersistentBlocks});
  Fill(s, {"a", "b", "c"});
  s.SelectRange(stStreamSel, 0, 0, 1, 2);
  s.InsertTab();
  // The first stop of the default rack is column 9.
  EXPECT_EQ(StoredLines(s), (Lines{"         a", "         b", "         c"}));
  EXPECT_TRUE(s.HasSelection());
  s.Undo();
  EXPECT_EQ(StoredLines(s), (Lines{"a", "b", "c"}));
}

TEST(Commands, LineTransformsKeepTabs) {
  TMemoSource s;
  s.SetOptions(TStringsOptions{soUseTabCharacter, soPersistentBlocks});
  Fill(s, {"\tab cd", " x", "y"});
  s.SelectRange(stStreamSel, 0, 0, 11, 0);  // the TAB fills columns 0..8
  s.UpperCaseBlock();
  EXPECT_EQ(StoredLines(s)[0], "\tAB cd");
  // The changed text stays selected: the end is not pulled back to its start.
  EXPECT_EQ(s.BlockBegin(), (TPosition{0, 0}));
  EXPECT_EQ(s.BlockEnd(), (TPosition{0, 11}));
  s.SelectRange(stStreamSel, 0, 0, 0, 2);  // ends at the start of line 2: two lines
  s.ToggleCaseBlock();
  EXPECT_EQ(StoredLines(s), (Lines{"\tab CD", " X", "y"}));
  s.SetBlockIndent(2);
  s.SelectRange(stStreamSel, 0, 1, 1, 2);
  s.UnindentBlock();
  EXPECT_EQ(StoredLines(s), (Lines{"\tab CD", "X", "y"}));
}

TEST(Commands, WordDeletionPutsTheSelectionBackOnItsText) {
  TMemoSource s;
  s.SetOptions(TStringsOptions{soPersistentBlocks});
  Fill(s, {"one two three"});
  s.SelectRange(stStreamSel, 8, 0, 13, 0);  // "three"
  s.SetCaretPos(0, 0);
  s.DeleteWordRight();
  EXPECT_EQ(StoredLines(s), Lines{"two three"});
  EXPECT_EQ(s.BlockBegin(), (TPosition{0, 4}));
  EXPECT_EQ(s.BlockEnd(), (TPosition{0, 9}));
}

TEST(Blocks, PasteSelectsWithPersistentBlocksOnly) {
  HeadlessPlatform platform;
  PlatformInstallation installed(platform);
  for (const bool persistent : {true, false}) {
    TMemoSource s;
    if (persistent) s.SetOptions(TStringsOptions{soPersistentBlocks});
    Fill(s, {"abcdef"});
    platform.clipboard.SimulateOtherProgram(U"a\r\nb");
    s.SetCaretPos(3, 0);
    s.PasteFromClipboard();
    EXPECT_EQ(StoredLines(s), (Lines{"abca", "bdef"}));
    EXPECT_EQ(s.Caret(), (TPosition{1, 1}));
    EXPECT_EQ(s.HasSelection(), persistent);
    if (persistent) {
      EXPECT_EQ(s.BlockBegin(), (TPosition{0, 3}));
      EXPECT_EQ(s.BlockEnd(), (TPosition{1, 1}));
    }
  }
}

TEST(Blocks, CopyKeepsTabsAndAColumnCopyPastesAsColumns) {
  HeadlessPlatform platform;
  PlatformInstallation installed(platform);
  TMemoSource s;
  s.SetOptions(TStringsOptions{soUseTabCharacter});
  Fill(s, {"a\tb", "cd", "ef"});
  s.SelectRange(stStreamSel, 0, 0, 1, 1);
  s.CopyToClipboard();
  EXPECT_EQ(test::S(platform.clipboard.GetText()), "a\tb\r\nc");
  EXPECT_FALSE(TCustomMemoSource::ColumnClipboard());
  s.SelectRange(stBlockSel, 0, 1, 0, 2);  // "c", "e"
  s.CopyToClipboard();
  EXPECT_TRUE(TCustomMemoSource::ColumnClipboard());
  s.ClearSelection();
  s.SetCaretPos(2, 1);
  s.PasteFromClipboard();
  EXPECT_EQ(StoredLines(s), (Lines{"a\tb", "cdc", "efe"}));
  platform.clipboard.SimulateOtherProgram(U"z");
  s.PasteFromClipboard();
  EXPECT_FALSE(TCustomMemoSource::ColumnClipboard());
}

// The insert mode and the column flag are shared by every document, and a
// test's own state must neither see an earlier test's nor leak into a later one.
TEST(SharedEditState, AFreshStateHoldsForItsScopeAndTheOuterOneComesBack) {
  HeadlessPlatform platform;
  PlatformInstallation installed(platform);
  SharedEditStateInstallation outer;
  TMemoSource s;
  Fill(s, {"ab", "cd"});
  s.ToggleInsertMode();
  s.SelectRange(stBlockSel, 0, 0, 1, 1);
  s.CopyToClipboard();
  ASSERT_TRUE(TCustomMemoSource::OverwriteMode());
  ASSERT_TRUE(TCustomMemoSource::ColumnClipboard());
  {
    SharedEditStateInstallation inner;
    EXPECT_FALSE(TCustomMemoSource::OverwriteMode());
    EXPECT_FALSE(TCustomMemoSource::ColumnClipboard());
    s.ClearSelection();
    s.SetCaretPos(0, 0);
    s.TypeChar(U'x');
    EXPECT_EQ(StoredLines(s), (Lines{"xab", "cd"})) << "inserted, as the fresh state says";
  }
  EXPECT_TRUE(outer.State().overwrite);
  EXPECT_TRUE(outer.State().columnClipboard);
  s.TypeChar(U'y');
  EXPECT_EQ(StoredLines(s), (Lines{"xyb", "cd"})) << "overwritten again";
}

TEST(Blocks, PersistentColumnBlockMovesDownWithItsText) {
  TMemoSource s;
  s.SetOptions(TStringsOptions{soPersistentBlocks});
  Fill(s, {"top", "abcd", "efgh"});
  s.SelectRange(stBlockSel, 1, 1, 2, 2);
  s.SetCaretPos(0, 0);
  s.NewLine();
  EXPECT_EQ(s.BlockBegin(), (TPosition{2, 1}));
  EXPECT_EQ(s.BlockEnd(), (TPosition{3, 2}));
  s.SetCaretPos(0, 2);
  s.InsertText(U"xx");  // typing inside the block's lines keeps its columns
  EXPECT_EQ(s.BlockBegin(), (TPosition{2, 1}));
}

TEST(Blocks, MoveAndDeleteStreamBlocks) {
  TMemoSource s;
  Fill(s, {"one", "two", "three"});
  s.SelectRange(stStreamSel, 1, 0, 2, 2);
  s.DeleteBlock();
  EXPECT_EQ(StoredLines(s), Lines{"oree"});
  EXPECT_EQ(s.Caret(), (TPosition{0, 1}));
  s.Undo();
  EXPECT_EQ(StoredLines(s), (Lines{"one", "two", "three"}));

  s.SelectRange(stStreamSel, 0, 0, 3, 0);  // "one"
  s.SetCaretPos(5, 2);
  s.MoveBlock();
  EXPECT_EQ(StoredLines(s), (Lines{"", "two", "threeone"}));
}

}  // namespace
}  // namespace qs
