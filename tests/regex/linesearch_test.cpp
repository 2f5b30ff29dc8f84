#include "regex/linesearch.h"

#include <gtest/gtest.h>

#include <vector>

#include "regex/regex_test_print.h"

namespace qs {

void PrintTo(const LineMatch& m, std::ostream* os) {
  *os << "line " << m.line << " ";
  PrintTo(m.match, os);
}

namespace {

const std::vector<String> kDocument = {U"ab", U"", U"b a", U"a"};

// Every place a search stops at when repeated from the caret it leaves.
std::vector<LineMatch> AllStops(const char32_t* pattern, int line, int caret, bool forward) {
  const TRegExpr re(pattern, true);
  const LineText text = [](int i) { return StringView(kDocument[i]); };
  std::vector<LineMatch> stops;
  while (auto found =
             SearchLines(re, static_cast<int>(kDocument.size()), text, line, caret, forward)) {
    stops.push_back(*found);
    if (stops.size() > 20) break;  // a search that does not advance
    line = found->line;
    caret = CaretAfter(found->match, forward);
  }
  return stops;
}

TEST(LineSearch, RepeatedSearchesVisitEachPlaceOnce) {
  using M = LineMatch;
  const struct {
    const char32_t* pattern;
    int line;
    int caret;
    bool forward;
    std::vector<LineMatch> stops;
  } cases[] = {
      {U"^", 0, 0, true, {M{1, {1, 0}}, M{2, {1, 0}}, M{3, {1, 0}}}},
      {U"$", 0, 0, true, {M{0, {3, 0}}, M{1, {1, 0}}, M{2, {4, 0}}, M{3, {2, 0}}}},
      {U"a*", 0, 0, true, {M{0, {1, 1}}, M{2, {1, 0}}, M{2, {2, 0}}, M{2, {3, 1}}, M{3, {1, 1}}}},
      {U"b", 0, 1, true, {M{0, {2, 1}}, M{2, {1, 1}}}},
      {U"^", 3, 1, false, {M{3, {1, 0}}, M{2, {1, 0}}, M{1, {1, 0}}, M{0, {1, 0}}}},
      {U"$", 3, 1, false, {M{2, {4, 0}}, M{1, {1, 0}}, M{0, {3, 0}}}},
      {U"a", 3, 1, false, {M{3, {1, 1}}, M{2, {3, 1}}, M{0, {1, 1}}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AllStops(c.pattern, c.line, c.caret, c.forward), c.stops)
        << Show(c.pattern) << (c.forward ? " forward" : " backward");
  }
}

TEST(LineSearch, CaretLineOutsideTheDocumentFindsNothing) {
  const TRegExpr re(U"a", true);
  const LineText text = [](int i) { return StringView(kDocument[i]); };
  EXPECT_EQ(SearchLines(re, 4, text, 4, 0, true), std::nullopt);
  EXPECT_EQ(SearchLines(re, 4, text, -1, 0, false), std::nullopt);
  EXPECT_EQ(SearchLines(re, 0, text, 0, 0, true), std::nullopt);
}

}  // namespace
}  // namespace qs
