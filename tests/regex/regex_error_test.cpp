#include <gtest/gtest.h>

#include "regex/regex.h"
#include "regex/regex_test_print.h"

namespace qs {
namespace {

TEST(RegexError, NamesTheOffendingPosition) {
  const struct {
    const char32_t* pattern;
    int position;
  } cases[] = {
      {U"+", 1},     {U"*", 1},    {U"a**", 3},     {U"a+*", 3},   {U"{a}**", 5}, {U"^*", 2},
      {U"$+", 2},    {U"{*", 2},   {U"a{+b}", 3},   {U"a\\", 2},   {U"\\", 1},    {U"[]", 2},
      {U"[^]", 3},   {U"[a", 1},   {U"ab[cd", 3},   {U"[a-", 1},   {U"[a\\", 1},  {U"[-a]", 2},
      {U"[^-a]", 3}, {U"[a-]", 3}, {U"[a-b-c]", 5}, {U"{a", 1},    {U"{a{b}", 1}, {U"{a}{b", 4},
      {U"a}", 2},    {U"}", 1},    {U"{a}}", 4},    {U"x{a\\", 4}, {U"[]]", 2},   {U"\u00e9+*", 3},
  };
  for (const auto& c : cases) {
    try {
      TRegExpr re(c.pattern, true);
      ADD_FAILURE() << Show(c.pattern) << " compiled";
    } catch (const RegexError& e) {
      EXPECT_EQ(e.Position(), c.position) << Show(c.pattern);
    }
  }
}

TEST(RegexError, ThePatternIsQuotedAsDataInTheMessage) {
  const struct {
    const char32_t* pattern;
    const char* message;
  } cases[] = {
      {U"{a", "{a is invalid mask at (1)"},
      {U"%s%d%n{", "%s%d%n{ is invalid mask at (7)"},
      {U"\u00e9**", "\xC3\xA9** is invalid mask at (3)"},
  };
  for (const auto& c : cases) {
    try {
      TRegExpr re(c.pattern, false);
      ADD_FAILURE() << Show(c.pattern) << " compiled";
    } catch (const Error& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(RegexError, BorderlinePatternsAreValid) {
  for (const char32_t* pattern :
       {U"{}", U"{}*", U"]", U"a]b", U"\\]", U"(", U"[[]", U"-", U"[a-a]", U"[\\-]", U"\\*",
        U"[a-\\]]", U"{{a}*}+", U".*", U"[b-a]", U"^$", U"$^"}) {
    EXPECT_NO_THROW(TRegExpr(pattern, true)) << Show(pattern);
  }
}

}  // namespace
}  // namespace qs
