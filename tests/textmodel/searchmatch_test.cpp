#include "textmodel/searchmatch.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/utf8.h"

namespace qs {
namespace {

struct MatchCase {
  const char* name;
  std::vector<std::string> lines;
  std::string pattern;
  bool caseSensitive = false;
  bool regex = false;
  bool wholeWords = false;
  TSearchStart start;
  bool forward = true;
  std::optional<TLineHit> expected;
};

std::optional<TLineHit> FindCase(const MatchCase& c) {
  std::vector<String> lines;
  for (const std::string& l : c.lines) lines.push_back(FromUtf8(l));
  const TLineMatcher matcher({FromUtf8(c.pattern), c.caseSensitive, c.regex, c.wholeWords},
                             [](Char ch) { return ch <= U' ' || ch == U'.' || ch == U','; });
  return matcher.Find(
      static_cast<std::int32_t>(lines.size()),
      [&](std::int32_t i) -> StringView { return lines[i]; }, c.start, c.forward);
}

constexpr TSearchStart kEdge{0, 0, true};
TSearchStart At(std::int32_t line, std::int32_t caret) {
  return {line, caret, false};
}

TEST(LineMatcher, FindsWhatTheRulesSay) {
  const std::vector<MatchCase> cases = {
      {"the character under the caret is looked at",
       {"xab"},
       "ab",
       false,
       false,
       false,
       At(0, 1),
       true,
       TLineHit{0, 1, 2}},
      {"forward goes on to the next line from its start",
       {"ab x", "ab"},
       "ab",
       false,
       false,
       false,
       At(0, 1),
       true,
       TLineHit{1, 0, 2}},
      {"case is ignored by default",
       {"xaB"},
       "Ab",
       false,
       false,
       false,
       kEdge,
       true,
       TLineHit{0, 1, 2}},
      {"case-sensitive", {"xaB", "Ab"}, "Ab", true, false, false, kEdge, true, TLineHit{1, 0, 2}},
      {"non-ASCII letters compare without case",
       {"xÄb"},
       "äB",
       false,
       false,
       false,
       kEdge,
       true,
       TLineHit{0, 1, 2}},
      {"backward: before the caret only",
       {"ab ab"},
       "ab",
       false,
       false,
       false,
       At(0, 4),
       false,
       TLineHit{0, 3, 2}},
      {"backward from a match start goes further back",
       {"ab ab"},
       "ab",
       false,
       false,
       false,
       At(0, 3),
       false,
       TLineHit{0, 0, 2}},
      {"backward from the edge: the end of the last line",
       {"ab", "ab x ab"},
       "ab",
       false,
       false,
       false,
       kEdge,
       false,
       TLineHit{1, 5, 2}},
      {"backward skips matches in trailing blanks",
       {"a  b", "x   "},
       "  ",
       false,
       false,
       false,
       kEdge,
       false,
       TLineHit{0, 1, 2}},
      {"backward caret below the text searches from the end",
       {"ab"},
       "b",
       false,
       false,
       false,
       At(5, 0),
       false,
       TLineHit{0, 1, 1}},
      {"whole word inside a longer word is no match",
       {"concat"},
       "cat",
       false,
       false,
       true,
       kEdge,
       true,
       std::nullopt},
      {"whole word found after a rejected one",
       {"concat cat"},
       "cat",
       false,
       false,
       true,
       kEdge,
       true,
       TLineHit{0, 7, 3}},
      {"whole word backward passes a word ending in it",
       {"cat.concat"},
       "cat",
       false,
       false,
       true,
       kEdge,
       false,
       TLineHit{0, 0, 3}},
      {"whole word backward from a caret at the line end",
       {"x cat"},
       "cat",
       false,
       false,
       true,
       At(0, 5),
       false,
       TLineHit{0, 2, 3}},
      {"regex match length is the matched length",
       {"a1234b"},
       "[0-9]+",
       false,
       true,
       false,
       kEdge,
       true,
       TLineHit{0, 1, 4}},
      {"regex whole words",
       {"ab1 1 22"},
       "[0-9]+",
       false,
       true,
       true,
       kEdge,
       true,
       TLineHit{0, 4, 1}},
      {"regex ^ from a caret at a line start goes to the next line",
       {"a", "b"},
       "^",
       false,
       true,
       false,
       At(0, 0),
       true,
       TLineHit{1, 0, 0}},
      {"regex ^ from the edge finds the first line",
       {"a", "b"},
       "^",
       false,
       true,
       false,
       kEdge,
       true,
       TLineHit{0, 0, 0}},
      {"regex $ backward from a line end goes to the line above",
       {"ab", "cd"},
       "$",
       false,
       true,
       false,
       At(1, 2),
       false,
       TLineHit{0, 2, 0}},
      {"empty pattern finds nothing", {"abc"}, "", false, false, false, kEdge, true, std::nullopt},
      {"empty regex finds nothing", {"abc"}, "", false, true, false, kEdge, true, std::nullopt},
      {"no lines", {}, "a", false, false, false, kEdge, true, std::nullopt},
  };
  for (const MatchCase& c : cases) EXPECT_EQ(FindCase(c), c.expected) << c.name;
}

TEST(LineMatcher, InvalidPatternThrowsWithItsPosition) {
  try {
    TLineMatcher({U"{*", false, true, false}, [](Char) { return false; });
    FAIL() << "no error";
  } catch (const RegexError& e) {
    EXPECT_EQ(e.Position(), 2);
  }
}

}  // namespace
}  // namespace qs
