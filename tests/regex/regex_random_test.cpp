// The engine against the backtracking reference on many small random
// patterns and texts: every start, both directions, both case modes.
#include <gtest/gtest.h>

#include <random>

#include "regex/reference_matcher.h"
#include "regex/regex.h"
#include "regex/regex_test_print.h"

namespace qs {
namespace {

String RandomText(std::mt19937& rng) {
  constexpr StringView kAlphabet = U"abAB.";
  String text(std::uniform_int_distribution<int>(0, 6)(rng), U' ');
  for (Char& c : text) c = kAlphabet[std::uniform_int_distribution<int>(0, 4)(rng)];
  return text;
}

TEST(RegexRandom, AgreesWithBacktrackingReference) {
  constexpr unsigned kSeed = 20240611;
  constexpr int kPatterns = 3000;
  constexpr int kTextsPerPattern = 4;
  std::mt19937 rng(kSeed);
  for (int p = 0; p < kPatterns; ++p) {
    const reference::Node tree = reference::RandomPattern(rng, 2);
    const String pattern = reference::Render(tree);
    for (const bool cs : {true, false}) {
      std::optional<TRegExpr> re;
      try {
        re.emplace(pattern, cs);
      } catch (const RegexError& e) {
        FAIL() << Show(pattern) << " did not compile: " << e.what() << " (seed " << kSeed << ")";
      }
      for (int t = 0; t < kTextsPerPattern; ++t) {
        const String text = RandomText(rng);
        const int n = static_cast<int>(text.size());
        for (int at = -1; at <= n + 2; ++at) {
          for (const bool forward : {true, false}) {
            const auto want = reference::Search(tree, pattern, text, at, forward, cs);
            ASSERT_EQ(re->Match(text, at, forward), want)
                << Show(pattern) << " on " << Show(text) << " from " << at
                << (forward ? " forward" : " backward") << (cs ? "" : " ignoring case") << " (seed "
                << kSeed << ")";
            // From a caret: forward from the character after it, backward
            // from the one before it, never an empty match at the caret.
            const auto wantCaret =
                reference::Search(tree, pattern, text, forward ? at + 1 : at, forward, cs, at);
            ASSERT_EQ(re->MatchFromCaret(text, at, forward), wantCaret)
                << Show(pattern) << " on " << Show(text) << " from caret " << at
                << (forward ? " forward" : " backward") << (cs ? "" : " ignoring case") << " (seed "
                << kSeed << ")";
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace qs
