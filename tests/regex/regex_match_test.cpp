#include <gtest/gtest.h>

#include "regex/regex.h"
#include "regex/regex_test_print.h"

namespace qs {
namespace {

constexpr bool kForward = true;
constexpr bool kBackward = false;
constexpr bool kCase = true;     // case-sensitive
constexpr bool kNoCase = false;  // ASCII letters fold
constexpr std::nullopt_t kNone = std::nullopt;

struct Case {
  const char32_t* pattern;
  const char32_t* text;
  int start;  // 1-based
  bool forward;
  bool caseSensitive;
  std::optional<RegexMatch> want;
};

void Check(const Case& c) {
  const TRegExpr re(c.pattern, c.caseSensitive);
  EXPECT_EQ(re.Match(c.text, c.start, c.forward), c.want)
      << Show(c.pattern) << " on " << Show(c.text) << " from " << c.start
      << (c.forward ? " forward" : " backward") << (c.caseSensitive ? "" : " ignoring case");
}

TEST(RegexMatch, Repetition) {
  const Case cases[] = {
      {U"a*b", U"ab", 1, kForward, kCase, RegexMatch{1, 2}},
      {U"a*b", U"aab", 1, kForward, kCase, RegexMatch{1, 3}},
      {U"a*b", U"b", 1, kForward, kCase, RegexMatch{1, 1}},
      {U"a+b", U"b", 1, kForward, kCase, kNone},
      {U"a+b", U"xaab", 1, kForward, kCase, RegexMatch{2, 3}},
      {U"{ab}+", U"abab", 1, kForward, kCase, RegexMatch{1, 4}},
      {U"{ab}*", U"xab", 1, kForward, kCase, RegexMatch{1, 0}},
      {U"{ab}*c", U"ababc", 1, kForward, kCase, RegexMatch{1, 5}},
      {U"{ab}+", U"aab", 1, kForward, kCase, RegexMatch{2, 2}},
      // The quantifier takes only what ends right before it.
      {U"{ab}c*", U"abccc", 1, kForward, kCase, RegexMatch{1, 5}},
      {U"{ab}c*", U"ababc", 1, kForward, kCase, RegexMatch{1, 2}},
      {U"{ab}.*", U"abxyz", 1, kForward, kCase, RegexMatch{1, 5}},
      {U"\\a*", U"aaab", 1, kForward, kCase, RegexMatch{1, 3}},
      {U"[ab]+", U"xbaab", 1, kForward, kCase, RegexMatch{2, 4}},
      // Greedy first, not longest: a* keeps both a's, so {ab}* has nothing left.
      {U"a*{ab}*", U"aab", 1, kForward, kCase, RegexMatch{1, 2}},
      {U"a*ab", U"aaab", 1, kForward, kCase, RegexMatch{1, 4}},
      {U"{a*b}*", U"abbab", 1, kForward, kCase, RegexMatch{1, 5}},
      {U"{a+}+b", U"aaab", 1, kForward, kCase, RegexMatch{1, 4}},
      {U"{a*}*x", U"aax", 1, kForward, kCase, RegexMatch{1, 3}},
      // One repetition of a group that may be empty is enough for "+".
      {U"{a*}+b", U"b", 1, kForward, kCase, RegexMatch{1, 1}},
      {U"{}+", U"b", 1, kForward, kCase, RegexMatch{1, 0}},
      {U"{}*b", U"b", 1, kForward, kCase, RegexMatch{1, 1}},
  };
  for (const Case& c : cases) Check(c);
}

TEST(RegexMatch, AnyAndClassesStopAtTheEndOfTheText) {
  const Case cases[] = {
      {U".", U"ab", 1, kForward, kCase, RegexMatch{1, 1}},
      {U"a.", U"a", 1, kForward, kCase, kNone},
      {U"a[^b]", U"a", 1, kForward, kCase, kNone},
      {U"a.+", U"a", 1, kForward, kCase, kNone},
      {U"a[^b]*", U"a", 1, kForward, kCase, RegexMatch{1, 1}},
      {U".*", U"abc", 1, kForward, kCase, RegexMatch{1, 3}},
      {U"a.*c", U"abcbc", 1, kForward, kCase, RegexMatch{1, 5}},
      {U".+", U"abc", 2, kForward, kCase, RegexMatch{2, 2}},
  };
  for (const Case& c : cases) Check(c);
}

TEST(RegexMatch, LiteralsAndEscapes) {
  const Case cases[] = {
      {U"\\.", U"a.b", 1, kForward, kCase, RegexMatch{2, 1}},
      {U"\\.", U"ab", 1, kForward, kCase, kNone},
      {U"(a)", U"x(a)", 1, kForward, kCase, RegexMatch{2, 3}},
      {U"a?|b", U"a?|b", 1, kForward, kCase, RegexMatch{1, 4}},
      {U"a?|b", U"ab", 1, kForward, kCase, kNone},
      {U"a b", U"xa b", 1, kForward, kCase, RegexMatch{2, 3}},
      {U"a]", U"a]", 1, kForward, kCase, RegexMatch{1, 2}},
      {U"\\{a\\}\\*", U"x{a}*", 1, kForward, kCase, RegexMatch{2, 4}},
      {U"\\^\\$", U"a^$", 1, kForward, kCase, RegexMatch{2, 2}},
      {U"\\\\", U"a\\", 1, kForward, kCase, RegexMatch{2, 1}},
      {U"\u03b2\U0001F600", U"x\u03b2\U0001F600", 1, kForward, kCase, RegexMatch{2, 2}},
  };
  for (const Case& c : cases) Check(c);
}

TEST(RegexMatch, Classes) {
  const Case cases[] = {
      {U"[^0-9]+", U"x12", 1, kForward, kCase, RegexMatch{1, 1}},
      {U"[0-9]+", U"x12y", 1, kForward, kCase, RegexMatch{2, 2}},
      {U"[\\]]", U"a]", 1, kForward, kCase, RegexMatch{2, 1}},
      {U"[\\-a]+", U"x-a-", 1, kForward, kCase, RegexMatch{2, 3}},
      // A backslash before a character that needs no escape is a member.
      {U"[\\d]", U"\\", 1, kForward, kCase, RegexMatch{1, 1}},
      {U"[\\d]", U"d", 1, kForward, kCase, RegexMatch{1, 1}},
      {U"[a^]", U"^", 1, kForward, kCase, RegexMatch{1, 1}},
      {U"[^^]", U"^a", 1, kForward, kCase, RegexMatch{2, 1}},
      {U"[[]", U"a[", 1, kForward, kCase, RegexMatch{2, 1}},
      {U"[a-a]", U"ba", 1, kForward, kCase, RegexMatch{2, 1}},
      // A reversed range adds nothing; the class stays valid.
      {U"[b-a]", U"ab", 1, kForward, kCase, kNone},
      {U"[^b-a]", U"ab", 1, kForward, kCase, RegexMatch{1, 1}},
      {U"[xb-a]", U"abx", 1, kForward, kCase, RegexMatch{3, 1}},
      {U"[\u03b1-\u03c9]+", U"x\u03b2\u03b3", 1, kForward, kCase, RegexMatch{2, 2}},
      {U"[^\u03b1-\u03c9]", U"\u03b2z", 1, kForward, kCase, RegexMatch{2, 1}},
  };
  for (const Case& c : cases) Check(c);
}

TEST(RegexMatch, AsciiCaseFolding) {
  const Case cases[] = {
      {U"abc", U"xABC", 1, kForward, kNoCase, RegexMatch{2, 3}},
      {U"abc", U"xABC", 1, kForward, kCase, kNone},
      {U"ABC", U"abc", 1, kForward, kNoCase, RegexMatch{1, 3}},
      {U"[a-c]", U"B", 1, kForward, kNoCase, RegexMatch{1, 1}},
      {U"[a-c]", U"B", 1, kForward, kCase, kNone},
      {U"[A-C]", U"b", 1, kForward, kNoCase, RegexMatch{1, 1}},
      {U"[^a]", U"A", 1, kForward, kNoCase, kNone},
      {U"[^a]", U"A", 1, kForward, kCase, RegexMatch{1, 1}},
      // Folding the members, not the range ends, keeps a range that spans
      // the letters whole.
      {U"[_-z]", U"Q", 1, kForward, kNoCase, RegexMatch{1, 1}},
      {U"[_-z]", U"_", 1, kForward, kNoCase, RegexMatch{1, 1}},
      {U"[A-z]", U"^", 1, kForward, kNoCase, RegexMatch{1, 1}},
      // Only a..z and A..Z fold.
      {U"\u00e9", U"\u00c9", 1, kForward, kNoCase, kNone},
      {U"{ab}+", U"AbaB", 1, kForward, kNoCase, RegexMatch{1, 4}},
  };
  for (const Case& c : cases) Check(c);
}

TEST(RegexMatch, StartPositionAndDirection) {
  const Case cases[] = {
      {U"ab", U"abab", 2, kForward, kCase, RegexMatch{3, 2}},
      {U"ab", U"abab", 0, kForward, kCase, RegexMatch{1, 2}},
      {U"ab", U"abab", -7, kForward, kCase, RegexMatch{1, 2}},
      // A forward search never reports a match before its start.
      {U"b", U"ab", 3, kForward, kCase, kNone},
      {U"ab", U"abab", 4, kBackward, kCase, RegexMatch{3, 2}},
      {U"ab", U"abab", 3, kBackward, kCase, RegexMatch{3, 2}},
      {U"ab", U"abab", 2, kBackward, kCase, RegexMatch{1, 2}},
      {U"b", U"abab", 1, kBackward, kCase, kNone},
      {U"a", U"ba", 10, kBackward, kCase, RegexMatch{2, 1}},
      {U"a", U"ab", 0, kBackward, kCase, kNone},
      // Backward picks the last start; the match from it is still greedy.
      {U"a+", U"aaa", 3, kBackward, kCase, RegexMatch{3, 1}},
      {U"a+", U"aaab", 2, kBackward, kCase, RegexMatch{2, 2}},
      {U"a*b", U"aab", 1, kBackward, kCase, RegexMatch{1, 3}},
      {U"a*", U"baa", 1, kBackward, kCase, RegexMatch{1, 0}},
      {U"[0-9]+x", U"1x22x3", 6, kBackward, kCase, RegexMatch{4, 2}},
  };
  for (const Case& c : cases) Check(c);
}

TEST(RegexMatch, AnchorsAndTheEndOfTheLine) {
  const Case cases[] = {
      {U"^a", U"aa", 1, kForward, kCase, RegexMatch{1, 1}},
      {U"^a", U"aa", 2, kForward, kCase, kNone},
      {U"^a", U"ba", 1, kForward, kCase, kNone},
      {U"^a", U"aa", 2, kBackward, kCase, RegexMatch{1, 1}},
      {U"a$", U"aa", 1, kForward, kCase, RegexMatch{2, 1}},
      {U"a$", U"ab", 1, kForward, kCase, kNone},
      {U"a^", U"aa", 1, kForward, kCase, kNone},
      {U"^", U"abc", 1, kForward, kCase, RegexMatch{1, 0}},
      {U"^", U"abc", 2, kForward, kCase, kNone},
      {U"^", U"abc", 3, kBackward, kCase, RegexMatch{1, 0}},
      // "$" alone: forward from anywhere up to the end, backward only from
      // the line's length on.
      {U"$", U"abc", 1, kForward, kCase, RegexMatch{4, 0}},
      {U"$", U"abc", 4, kForward, kCase, RegexMatch{4, 0}},
      {U"$", U"abc", 5, kForward, kCase, kNone},
      {U"$", U"abc", 3, kBackward, kCase, RegexMatch{4, 0}},
      {U"$", U"abc", 9, kBackward, kCase, RegexMatch{4, 0}},
      {U"$", U"abc", 2, kBackward, kCase, kNone},
      {U"^$", U"abc", 1, kForward, kCase, kNone},
      // Other patterns are not tried at the end of the line.
      {U"[ ]*$", U"ab  ", 1, kForward, kCase, RegexMatch{3, 2}},
      {U"[ ]*$", U"ab", 1, kForward, kCase, kNone},
      {U"a*", U"bab", 1, kForward, kCase, RegexMatch{1, 0}},
  };
  for (const Case& c : cases) Check(c);
}

TEST(RegexMatch, EmptyTextMatchesOnlyLineAnchors) {
  const Case cases[] = {
      {U"^", U"", 1, kForward, kCase, RegexMatch{1, 0}},
      {U"$", U"", 1, kForward, kCase, RegexMatch{1, 0}},
      {U"^$", U"", 1, kForward, kCase, RegexMatch{1, 0}},
      {U"^$", U"", 0, kBackward, kCase, RegexMatch{1, 0}},
      {U"$", U"", 5, kBackward, kCase, RegexMatch{1, 0}},
      {U"^", U"", 2, kForward, kCase, kNone},
      {U"^", U"", -1, kBackward, kCase, kNone},
      {U"a*", U"", 1, kForward, kCase, kNone},
      {U"{}", U"", 1, kForward, kCase, kNone},
      {U"^a*$", U"", 1, kForward, kCase, kNone},
      {U"a", U"", 1, kBackward, kCase, kNone},
  };
  for (const Case& c : cases) Check(c);
}

TEST(RegexMatch, EmptyPatternFindsNothing) {
  const TRegExpr re(U"", kCase);
  for (const char32_t* text : {U"", U"abc"}) {
    EXPECT_EQ(re.Match(text, 1, kForward), kNone);
    EXPECT_EQ(re.Match(text, 3, kBackward), kNone);
    EXPECT_EQ(re.MatchFromCaret(text, 0, kForward), kNone);
  }
}

// The caret is a 0-based index between characters, as left by a search.
struct CaretCase {
  const char32_t* pattern;
  const char32_t* text;
  int caret;
  bool forward;
  std::optional<RegexMatch> want;
};

TEST(RegexMatch, FromCaretNeverStopsAtTheCaretWithAnEmptyMatch) {
  const CaretCase cases[] = {
      {U"a*", U"baab", 0, kForward, RegexMatch{2, 2}},
      {U"a*", U"baab", 3, kForward, kNone},
      {U"b", U"ab", 1, kForward, RegexMatch{2, 1}},  // a match that consumes may start there
      {U"$", U"ab", 0, kForward, RegexMatch{3, 0}},
      {U"$", U"ab", 2, kForward, kNone},
      {U"$", U"ab", 9, kForward, kNone},
      {U"$", U"ab", 2, kBackward, kNone},
      {U"$", U"ab", 3, kBackward, RegexMatch{3, 0}},
      {U"^", U"ab", 0, kForward, kNone},
      {U"^", U"ab", 1, kBackward, RegexMatch{1, 0}},
      {U"^", U"ab", 0, kBackward, kNone},
      {U"^$", U"", 0, kForward, kNone},
      {U"^$", U"", 0, kBackward, kNone},
      {U"ab", U"abab", 2, kForward, RegexMatch{3, 2}},
      {U"ab", U"abab", 2, kBackward, RegexMatch{1, 2}},
      {U"ab", U"abab", 3, kBackward, RegexMatch{3, 2}},
      {U"x*", U"ab", 1, kBackward, RegexMatch{1, 0}},
  };
  for (const CaretCase& c : cases) {
    const TRegExpr re(c.pattern, kCase);
    EXPECT_EQ(re.MatchFromCaret(c.text, c.caret, c.forward), c.want)
        << Show(c.pattern) << " on " << Show(c.text) << " from caret " << c.caret
        << (c.forward ? " forward" : " backward");
  }
}

// Typed or pasted patterns may nest deeply; nothing may recurse per level.
TEST(RegexMatch, DeeplyNestedGroupsNeitherOverflowNorSlowDown) {
  constexpr int kDepth = 100000;
  const String pattern = String(kDepth, U'{') + U"a*" + String(kDepth, U'}') + U"+b";
  const TRegExpr re(pattern, kCase);
  EXPECT_EQ(re.Match(U"xaab", 1, kForward), (RegexMatch{2, 3}));
  EXPECT_EQ(re.Match(U"xb", 1, kBackward), kNone);
  EXPECT_THROW(TRegExpr(String(kDepth, U'{'), kCase), RegexError);
}

TEST(RegexMatch, CopiesShareOneCompiledPattern) {
  const TRegExpr original(U"[0-9]+", kCase);
  const TRegExpr copy = original;
  EXPECT_EQ(copy.Match(U"ab123", 1, kForward), (RegexMatch{3, 3}));
  EXPECT_EQ(copy.Pattern(), U"[0-9]+");
  EXPECT_TRUE(copy.CaseSensitive());
}

}  // namespace
}  // namespace qs
