#include <gtest/gtest.h>

#include "sourcefixture.h"

namespace qs {
namespace {

using test::Fill;
using test::Recorder;

TEST(Bookmarks, ToggleSetsClearsAndMoves) {
  TMemoSource source;
  Fill(source, {"aaaa", "bbbb"});
  source.SetCaretPos(2, 0);
  source.ToggleBookmark(3);
  TPosition at;
  ASSERT_TRUE(source.GetBookmark(3, at));
  EXPECT_EQ(at, (TPosition{0, 2}));
  source.SetCaretPos(0, 0);
  source.ToggleBookmark(3);  // same line, other column: cleared
  EXPECT_FALSE(source.GetBookmark(3, at));
  EXPECT_EQ(at, (TPosition{-1, -1}));
  source.ToggleBookmark(3);
  source.SetCaretPos(1, 1);
  source.ToggleBookmark(3);  // another line: moved
  ASSERT_TRUE(source.GetBookmark(3, at));
  EXPECT_EQ(at, (TPosition{1, 1}));
  EXPECT_EQ(source.Bookmarks().Records().size(), 1u);
}

TEST(Bookmarks, NumbersOutsideOneToTenAreRefused) {
  TMemoSource source;
  Fill(source, {"a"});
  for (int n : {0, -1, 11, 1000}) {
    source.SetBookmark(n);
    source.ToggleBookmark(n);
    source.ClearBookmark(n);
    source.GotoBookmark(n);
  }
  EXPECT_TRUE(source.Bookmarks().Empty());
  source.SetBookmark(10);
  EXPECT_EQ(source.BookmarkAtLine(0), 10);
}

TEST(Bookmarks, LookupsOnLinesAndSpans) {
  TMemoSource source;
  Fill(source, {"0123456789", "x"});
  for (auto [n, column] : {std::pair{5, 6}, {2, 6}, {7, 1}}) {
    source.SetCaretPos(column, 0);
    source.SetBookmark(n);
  }
  EXPECT_EQ(source.BookmarkAtLine(0), 7);  // smallest column first
  EXPECT_EQ(source.BookmarkAtLine(1), 0);
  EXPECT_EQ(source.BookmarkAtLine(5), 0);
  EXPECT_EQ(source.BookmarkInSpan(0, 2, 7), 2);  // same column: smaller number first
  EXPECT_EQ(source.BookmarkInSpan(0, 2, 6), 0);
  const auto all = source.BookmarksInSpan(0, 0, 10);
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[1].Number, 2);
  EXPECT_EQ(all[2].Number, 5);
}

TEST(Bookmarks, GotoReportsAPositionChangeEvenInPlace) {
  TMemoSource source;
  Fill(source, {"abc"});
  source.SetCaretPos(1, 0);
  source.SetBookmark(1);
  Recorder rec(source);
  source.GotoBookmark(1);
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_TRUE(rec.Last().changes.Has(msPositionChanged));
  source.GotoBookmark(2);  // not set: nothing
  EXPECT_EQ(rec.calls.size(), 1u);
}

TEST(Bookmarks, AJumpToALineThatGotShorterLandsOnItsText) {
  TMemoSource source;
  Fill(source, {"long line here", "x"});
  source.SetCaretPos(12, 0);
  source.SetBookmark(4);
  source.SetCaretPos(0, 1);
  source.SetBookmark(5);
  source.Lines().Put(0, U"ab");
  source.Lines().Delete(1);
  source.GotoBookmark(4);
  EXPECT_EQ(source.Caret(), (TPosition{0, 2}));
  source.GotoBookmark(5);  // its line is gone: the last line
  EXPECT_EQ(source.Caret().Line, 0);
}

TEST(Bookmarks, ShiftsFollowTheText) {
  // Bookmarks 1..3 on line 1 at columns 2, 5 and 8; bookmark 4 at (3, 0).
  const auto make = [] {
    TMemoBookMarkList list;
    list.Set(1, 2, 1);
    list.Set(2, 5, 1);
    list.Set(3, 8, 1);
    list.Set(4, 0, 3);
    return list;
  };
  const auto where = [](const TMemoBookMarkList& l, int n) {
    const TBookmarkRecord* r = l.Find(n);
    return TPosition{r->Line, r->Column};
  };
  {  // typing 3 characters at column 5: the bookmark there moves, the one before stays
    TMemoBookMarkList l = make();
    l.ShiftColumns(1, 5, 3);
    EXPECT_EQ(where(l, 1), (TPosition{1, 2}));
    EXPECT_EQ(where(l, 2), (TPosition{1, 8}));
    EXPECT_EQ(where(l, 3), (TPosition{1, 11}));
  }
  {  // deleting columns 4..6: the bookmark inside stays, the one after moves left
    TMemoBookMarkList l = make();
    l.ShiftColumns(1, 4 + 3 - 1, -3);
    EXPECT_EQ(where(l, 2), (TPosition{1, 5}));
    EXPECT_EQ(where(l, 3), (TPosition{1, 5}));
    EXPECT_EQ(l.AtLine(1), 1);
  }
  {  // a line break at column 5: bookmarks from there go to the new line
    TMemoBookMarkList l = make();
    l.ShiftLines(1, 5, 1);
    l.MoveColumnsLeft(2, 0, 5);
    EXPECT_EQ(where(l, 1), (TPosition{1, 2}));
    EXPECT_EQ(where(l, 2), (TPosition{2, 0}));
    EXPECT_EQ(where(l, 3), (TPosition{2, 3}));
    EXPECT_EQ(where(l, 4), (TPosition{4, 0}));
    EXPECT_EQ(l.Records().front().Number, 1);  // still sorted
  }
}

TEST(Bookmarks, LinesEditsMoveThemWithTheirLines) {
  TMemoSource source;
  Fill(source, {"a", "b", "c"});
  source.SetCaretPos(0, 2);
  source.SetBookmark(1);
  source.Lines().Insert(0, U"new");
  TPosition at;
  source.GetBookmark(1, at);
  EXPECT_EQ(at.Line, 3);
  source.Lines().Delete(1);
  source.GetBookmark(1, at);
  EXPECT_EQ(at.Line, 2);
  source.Lines().Clear();
  EXPECT_FALSE(source.GetBookmark(1, at));
}

}  // namespace
}  // namespace qs
