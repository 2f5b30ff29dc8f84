#include <gtest/gtest.h>

#include "sourcefixture.h"

namespace qs {
namespace {

using test::Fill;
using test::U;

TStringsOptions With(std::initializer_list<TStringsOption> extra) {
  TStringsOptions o = kDefaultStringsOptions;
  for (TStringsOption e : extra) o.Include(e);
  return o;
}

TEST(Caret, MovesAndTheirLimits) {
  struct Row {
    const char* name;
    TStringsOptions options;
    TPosition from;
    void (TCustomMemoSource::*move)();
    TPosition to;
  } rows[] = {
      {"left at column 0 does not wrap", {}, {1, 0}, &TCustomMemoSource::CursorLeft, {1, 0}},
      {"right past the end", {}, {0, 3}, &TCustomMemoSource::CursorRight, {0, 4}},
      {"right at the end with limit",
       With({soLimitEOL}),
       {0, 3},
       &TCustomMemoSource::CursorRight,
       {1, 0}},
      {"right at the end of the last line with limit",
       With({soLimitEOL}),
       {2, 1},
       &TCustomMemoSource::CursorRight,
       {2, 1}},
      {"down on the last line", {}, {2, 0}, &TCustomMemoSource::CursorDown, {2, 0}},
      {"down beyond the end allowed",
       With({soBeyondFileEnd}),
       {2, 0},
       &TCustomMemoSource::CursorDown,
       {3, 0}},
      {"up on the first line", {}, {0, 2}, &TCustomMemoSource::CursorUp, {0, 2}},
      {"down keeps a column past a short line", {}, {0, 3}, &TCustomMemoSource::CursorDown, {1, 3}},
      {"down clamps the column with limit",
       With({soLimitEOL}),
       {1, 3},
       &TCustomMemoSource::CursorDown,
       {2, 1}},
      {"line end skips trailing blanks", {}, {1, 0}, &TCustomMemoSource::JumpToLineEnd, {1, 1}},
      {"file end", {}, {0, 1}, &TCustomMemoSource::JumpToFileEnd, {2, 1}},
      {"file begin", {}, {2, 1}, &TCustomMemoSource::JumpToFileBegin, {0, 0}},
  };
  for (const Row& row : rows) {
    TMemoSource source;
    source.SetKeepTrailingBlanks(true);  // keep line 1's blanks through the setup
    Fill(source, {"abc", "x  ", "z"});
    source.SetKeepTrailingBlanks(false);
    source.SetOptions(row.options);
    source.SetCaretPos(row.from.Column, row.from.Line);
    (source.*row.move)();
    EXPECT_EQ(source.Caret(), row.to) << row.name;
  }
}

TEST(Caret, LeavingAnEditedLineCutsItsTrailingBlanksUnlessKept) {
  TMemoSource source;
  Fill(source, {"a  ", "b  ", "c  "});
  // Passing over lines changes none of them.
  source.SetCaretPos(1, 0);
  source.CursorDown();
  source.CursorDown();
  source.CursorUp();
  EXPECT_EQ(test::StoredLines(source), (std::vector<std::string>{"a  ", "b  ", "c  "}));
  source.SetKeepTrailingBlanks(true);
  source.SetCaretPos(1, 1);
  source.InsertText(U"x");
  source.CursorDown();
  EXPECT_EQ(source.StoredLine(1), U"bx  ");  // kept
  source.SetKeepTrailingBlanks(false);
  source.SetCaretPos(2, 1);
  source.InsertText(U"y");
  source.CursorRight();  // same line: nothing cut
  EXPECT_EQ(source.StoredLine(1), U"bxy  ");
  source.CursorUp();
  EXPECT_EQ(source.StoredLine(1), U"bxy");
  source.CursorDown();
  source.CursorDown();  // line 1 was left unedited this time
  EXPECT_EQ(source.StoredLine(2), U"c  ");
  source.SetCaretPos(0, 0);
  source.InsertText(U"z");
  source.SetLineReadOnly(0, true);
  source.CursorDown();
  EXPECT_EQ(source.StoredLine(0), U"za  ");  // a read-only line is never touched
}

TEST(Caret, TabOptionsStepOverWholeTabs) {
  TMemoSource source;
  source.SetOptions(TStringsOptions{soUseTabCharacter, soCursorOnTabs});
  source.Lines().Add(U"a\tb");  // TAB fills columns 1..8, b at 9
  source.SetCaretPos(1, 0);
  source.CursorRight();
  EXPECT_EQ(source.CaretColumn(), 9);
  source.CursorLeft();
  EXPECT_EQ(source.CaretColumn(), 1);
  source.SetCaretPos(5, 0);  // inside the fill
  source.CursorLeft();
  EXPECT_EQ(source.CaretColumn(), 1);

  source.SetOptions(TStringsOptions{soUseTabCharacter, soCursorAlwaysOnTabs});
  struct Row {
    std::int64_t target, snapped;
  } rows[] = {{2, 1}, {4, 1}, {5, 9}, {8, 9}, {9, 9}, {10, 10}};  // nearer edge; a tie goes after
  for (const Row& r : rows) {
    source.SetCaretPos(r.target, 0);
    EXPECT_EQ(source.CaretColumn(), r.snapped) << r.target;
  }
}

TEST(Caret, WordMoves) {
  TMemoSource source;
  Fill(source, {"  foo, bar", "baz"});
  struct Row {
    TPosition from;
    bool right;
    TPosition to;
  } rows[] = {
      {{0, 0}, true, {0, 2}},   {{0, 2}, true, {0, 7}},  {{0, 7}, true, {0, 10}},
      {{0, 10}, true, {1, 0}},  {{1, 3}, true, {1, 3}},  {{0, 9}, false, {0, 7}},
      {{0, 7}, false, {0, 2}},  {{0, 2}, false, {0, 0}}, {{1, 0}, false, {0, 10}},
      {{0, 40}, false, {0, 7}},
  };
  for (const Row& r : rows) {
    source.SetCaretPos(r.from.Column, r.from.Line);
    r.right ? source.WordRight() : source.WordLeft();
    EXPECT_EQ(source.Caret(), r.to) << r.from.Line << ":" << r.from.Column << " " << r.right;
  }
}

TEST(Caret, HugeMovesClampInsteadOfOverflowing) {
  TMemoSource source;
  source.SetOptions(TStringsOptions{soBeyondFileEnd});
  Fill(source, {"a"});
  constexpr std::int64_t kHuge = std::numeric_limits<std::int64_t>::max();
  source.MoveCaret(kHuge, kHuge);
  EXPECT_EQ(source.Caret(), (TPosition{kMaxIndex, kMaxIndex}));
  source.MoveCaret(1, 1);
  EXPECT_EQ(source.Caret(), (TPosition{kMaxIndex, kMaxIndex}));
  source.MoveCaret(-kHuge, std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(source.Caret(), (TPosition{0, 0}));
  source.SetCaretPos(-5, kHuge);
  EXPECT_EQ(source.Caret(), (TPosition{kMaxIndex, 0}));
}

TEST(Caret, TheViewRewritesRelativeMovesOnly) {
  TMemoSource source;
  Fill(source, {"a", "b", "c", "d"});
  int asked = 0;
  source.OnMoveQuery = [&](TCustomMemoSource&, std::int64_t& line, std::int64_t& column) {
    ++asked;
    line *= 2;
    column = 0;
  };
  source.CursorDown();
  EXPECT_EQ(source.Caret(), (TPosition{2, 0}));
  source.SetCaretPos(1, 3);
  EXPECT_EQ(source.Caret(), (TPosition{3, 1}));
  EXPECT_EQ(asked, 1);
}

TEST(Caret, SwitchingOffBeyondFileEndBringsTheCaretBack) {
  TMemoSource source;
  source.SetOptions(TStringsOptions{soBeyondFileEnd});
  Fill(source, {"a", "bc"});
  source.SetCaretPos(0, 7);
  source.SetOptions(TStringsOptions{});
  EXPECT_EQ(source.Caret(), (TPosition{1, 2}));
}

TEST(Options, TabCharacterAndSmartTabExcludeEachOther) {
  TMemoSource source;
  EXPECT_EQ(source.Options().ToBits(), 571u);
  source.SetOptions(With({soUseTabCharacter}));
  EXPECT_TRUE(source.HasOption(soUseTabCharacter));
  EXPECT_FALSE(source.HasOption(soSmartTab));
  source.SetOptions(With({soUseTabCharacter, soSmartTab}));
  EXPECT_FALSE(source.HasOption(soUseTabCharacter));
  EXPECT_TRUE(source.HasOption(soSmartTab));
  for (int bad : {0, -3, 11}) {
    source.SetSpacesInTab(bad);
    EXPECT_EQ(source.SpacesInTab(), 8);
  }
  source.SetSpacesInTab(10);
  EXPECT_EQ(source.SpacesInTab(), 10);
  source.SetBlockIndent(-1);
  EXPECT_EQ(source.BlockIndent(), 0);
}

TEST(Options, DelimitersAreControlCharactersPlusTheString) {
  TMemoSource source;
  EXPECT_TRUE(source.IsDelimiterChar(U'\0'));
  EXPECT_TRUE(source.IsDelimiterChar(U' '));
  EXPECT_FALSE(source.IsDelimiterChar(U','));
  source.SetDelimeters(U",\u00BB\u2014");
  EXPECT_TRUE(source.IsDelimiterChar(U','));
  EXPECT_TRUE(source.IsDelimiterChar(U'\u00BB'));
  EXPECT_TRUE(source.IsDelimiterChar(U'\u2014'));
  EXPECT_FALSE(source.IsDelimiterChar(U'a'));
}

}  // namespace
}  // namespace qs
