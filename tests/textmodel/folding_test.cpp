#include <gtest/gtest.h>

#include <random>

#include "sourcefixture.h"

namespace qs {
namespace {

using test::Fill;

// Lines 1..3 are the body of a region starting on line 0; line 2 starts a nested one over line 3.
void MakeRegions(TMemoSource& source) {
  Fill(source, {"start", "b1", "inner", "b3", "after"});
  for (std::int32_t l : {1, 2, 3}) source.SetBodyLine(l, true);
  source.SetRegionState(2, rsExpanded);
  source.SetRegionState(0, rsExpanded);
}

TEST(Folding, CollapseHidesTheBodyAndExpandShowsItAgain) {
  TMemoSource source;
  MakeRegions(source);
  test::Recorder rec(source);
  source.SetRegionState(0, rsCollapsed);
  EXPECT_EQ(source.HiddenLines().Lines(), (std::vector<std::int32_t>{1, 2, 3}));
  EXPECT_TRUE(rec.Last().changes.Has(msCountChanged));
  EXPECT_EQ(rec.Last().first, 0);
  EXPECT_EQ(rec.Last().last, 3);
  EXPECT_EQ(source.LineToRow(4), 1);
  EXPECT_EQ(source.RowToLine(1), 4);
  source.SetRegionState(2, rsCollapsed);
  source.SetRegionState(0, rsExpanded);  // opens the nested region too
  EXPECT_TRUE(source.HiddenLines().Empty());
  EXPECT_TRUE(source.GetLineItem(2)->Flags & kLineFoldExpanded);
}

TEST(Folding, ABodyLineIsHiddenOnlyUnderACollapsedOrHiddenLine) {
  TMemoSource source;
  MakeRegions(source);
  source.SetBodyLine(4, true);
  EXPECT_TRUE(source.IsLineVisible(4));
  source.SetRegionState(0, rsCollapsed);
  source.SetBodyLine(4, false);
  source.SetBodyLine(4, true);  // the line above is hidden
  EXPECT_FALSE(source.IsLineVisible(4));
  source.SetBodyLine(4, false);
  EXPECT_TRUE(source.IsLineVisible(4));
}

TEST(Folding, AnAbsoluteMoveIntoAFoldOpensIt) {
  TMemoSource source;
  MakeRegions(source);
  source.SetRegionState(0, rsCollapsed);
  source.CursorDown();  // relative: the view decides; the source leaves folds alone
  EXPECT_FALSE(source.IsLineVisible(2));
  source.SetCaretPos(0, 3);
  EXPECT_TRUE(source.IsLineVisible(3));
  EXPECT_TRUE(source.GetLineItem(0)->Flags & kLineFoldExpanded);
}

TEST(Folding, DeletingAHiddenLineKeepsTheNextOneVisible) {
  TMemoSource source;
  Fill(source, {"start", "body", "after", "more"});
  source.SetBodyLine(1, true);
  source.SetRegionState(0, rsCollapsed);
  source.Lines().Delete(1);
  EXPECT_TRUE(source.HiddenLines().Empty());
  EXPECT_TRUE(source.IsLineVisible(1));
  EXPECT_EQ(source.Lines()[1], U"after");
  source.SetBodyLine(1, true);
  source.SetRegionState(0, rsCollapsed);
  source.Lines().Insert(0, U"top");
  EXPECT_EQ(source.HiddenLines().Lines(), std::vector<std::int32_t>{2});
}

TEST(HiddenLines, RowMappingMatchesACountOverRandomLists) {
  std::mt19937 rng(1234);
  for (int round = 0; round < 200; ++round) {
    TVisibleLinesList hidden;
    std::vector<bool> isHidden(60, false);
    for (int i = 0; i < 25; ++i) {
      const auto line = static_cast<std::int32_t>(rng() % 60);
      hidden.Hide(line);
      isHidden[line] = true;
    }
    std::int32_t row = 0;
    for (std::int32_t line = 0; line < 60; ++line) {
      EXPECT_EQ(hidden.LineToRow(line), row) << "seed round " << round << " line " << line;
      if (!isHidden[line]) {
        EXPECT_EQ(hidden.RowToLine(row), line) << "seed round " << round << " row " << row;
        ++row;
      }
    }
  }
}

}  // namespace
}  // namespace qs
