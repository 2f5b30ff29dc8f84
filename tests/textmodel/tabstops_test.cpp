#include "textmodel/tabstops.h"

#include <gtest/gtest.h>

#include "support/errors.h"
#include "textmodel/qsstring.h"

namespace qs {
namespace {

std::vector<std::int32_t> FirstStops(const TTabStops& t, int n) {
  std::vector<std::int32_t> v;
  for (int i = 0; i < n; ++i) v.push_back(t.TabStopColumn(i));
  return v;
}

TEST(TabStops, ListedStopsThenTheLastStepRepeats) {
  struct Row {
    const char32_t* text;
    std::vector<std::int32_t> stops;
  } rows[] = {
      {U"9,17", {9, 17, 25, 33, 41}},
      {U"4", {4, 8, 12, 16, 20}},
      {U" 3 , 5 ,10", {3, 5, 10, 15, 20}},
      {U" ", {8, 16, 24, 32, 40}},  // an empty list is the single stop 8
  };
  for (const Row& row : rows) {
    TTabStops t;
    t.SetText(row.text);
    EXPECT_EQ(FirstStops(t, 5), row.stops) << std::u32string(row.text).size();
  }
}

TEST(TabStops, BadRacksRaiseAndKeepThePreviousStops) {
  for (const char32_t* bad :
       {U"17,9", U"0", U"4,4", U"x", U"4,a", U"-3", U"99999999999999999999", U"4097"}) {
    TTabStops t;
    t.SetText(U"4,6");
    try {
      t.SetText(bad);
      ADD_FAILURE() << "accepted a bad rack";
    } catch (const Error& e) {
      EXPECT_STREQ(e.what(), "Invalid Tab Rack");
    }
    EXPECT_EQ(FirstStops(t, 3), (std::vector<std::int32_t>{4, 6, 8}));
    EXPECT_EQ(t.Text(), U"4,6");
  }
  TTabStops t;
  t.SetText(U"");  // changes nothing
  EXPECT_EQ(t.Text(), U"9,17");
}

TEST(TabStops, StopColumnsSaturateInsteadOfOverflowing) {
  TTabStops t;
  t.SetText(U"4096");
  EXPECT_EQ(t.TabStopColumn(std::numeric_limits<std::int64_t>::max()),
            std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(t.TabStopColumn(-1), 0);
}

TEST(TabStops, ExpansionFillsToTheNextStop) {
  TTabStops t;  // 9,17
  EXPECT_EQ(t.Expand(U"\tx"), String(9, U' ') + U"x");
  EXPECT_EQ(t.Expand(U"ab\tx"), U"ab" + String(7, U' ') + U"x");
  EXPECT_EQ(t.Expand(U"\t\t\tx"), String(25, U' ') + U"x");
  EXPECT_EQ(t.ExpandedLength(U"ab\tx\t"), 17);
  EXPECT_EQ(t.Expand(U"plain"), U"plain");
}

TEST(TabStops, ColumnsMapToStoredPositionsAcrossTabs) {
  TTabStops t;
  const StringView line = U"a\tbc";  // a at 0, TAB fills 1..8, b at 9, c at 10
  struct Row {
    std::int64_t column, index1;
  } rows[] = {{0, 1}, {1, 2}, {5, 2}, {8, 2}, {9, 3}, {10, 4}, {11, 5}, {15, 9}};
  for (const Row& r : rows) EXPECT_EQ(t.ColumnToIndex(line, r.column), r.index1) << r.column;
  EXPECT_EQ(t.IndexToColumn(line, 2), 9);
  EXPECT_EQ(t.IndexToColumn(line, 6), 13);  // two past the end
}

TEST(TabStops, SourceConversionsSeeStoredTabsWithTheTabOptionOff) {
  TMemoSource source;
  source.SetOptions(TStringsOptions{soUseTabCharacter});
  source.Lines().Add(U"\tx");
  source.SetOptions(TStringsOptions{});
  ASSERT_EQ(source.StoredLine(0), U"\tx");
  EXPECT_EQ(source.Lines()[0], String(9, U' ') + U"x");
  EXPECT_EQ(source.ColumnToIndex(source.StoredLine(0), 9), 2);
  EXPECT_EQ(source.LineLength(0), 10);
}

TEST(TabStops, ChangingStopsRebuildsViewsWithoutModifyingTheDocument) {
  TMemoSource source;
  source.SetOptions(TStringsOptions{soUseTabCharacter});
  source.Lines().Add(U"\tx");
  source.ResetModified();
  int parserChanged = 0;
  auto link =
      source.Listen([&](TCustomMemoSource& s, std::int32_t,
                        std::int32_t) { parserChanged += s.Changes().Has(msParserChanged); },
                    nullptr, false);
  source.SetTabStops(U"4");
  EXPECT_EQ(parserChanged, 1);
  EXPECT_EQ(source.Lines()[0], U"    x");
  EXPECT_FALSE(source.DocModified());
}

}  // namespace
}  // namespace qs
