#include "support/charset.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/utf8.h"

namespace qs {
namespace {

CharSet Of(StringView members) {
  CharSet set;
  for (Char c : members) set.Add(c);
  return set;
}

CharSet IdentStart() {
  CharSet set = CharSet::Range(U'A', U'Z');
  set.AddRange(U'a', U'z');
  set.Add(U'_');
  return set;
}

CharSet Ident() {
  CharSet set = IdentStart();
  set.AddRange(U'0', U'9');
  return set;
}

TEST(CharSet, HoldsOnlyCharactersUpTo255) {
  CharSet set;
  set.Add(U'a');
  set.Add(255);
  set.Add(256);
  set.Add(0x1F600);
  EXPECT_TRUE(set.Contains(U'a'));
  EXPECT_TRUE(set.Contains(255));
  EXPECT_FALSE(set.Contains(256));
  EXPECT_FALSE(set.Contains(0x1F600));
  EXPECT_EQ(set, Of(U"a\u00ff"));
  set.Remove(U'a');
  EXPECT_FALSE(set.Contains(U'a'));
  EXPECT_NE(set, Of(U"a\u00ff"));
}

TEST(CharSetText, WritesRunsAndEscapes) {
  using namespace std::string_literals;
  CharSet alnumAndMinus = CharSet::Range(U'0', U'9');
  alnumAndMinus.AddRange(U'A', U'Z');
  alnumAndMinus.AddRange(U'a', U'z');
  alnumAndMinus.Add(U'-');
  const struct {
    const char* name;
    CharSet set;
    std::string text;
  } cases[] = {
      {"empty", CharSet(), ""},
      {"identifier start", IdentStart(), "A-Z_a-z"},
      {"identifier", Ident(), "0-9A-Z_a-z"},
      {"letters, digits and minus", alnumAndMinus, "\\-0-9A-Za-z"},
      {"two make a run", Of(U"ab"), "a-b"},
      {"gaps", Of(U"ace"), "ace"},
      {"single backslash", Of(U"\\"), "\\\\"},
      {"run ending in backslash", CharSet::Range(U'Z', U'\\'), "Z-\\"},
      {"run through backslash", CharSet::Range(U'[', U']'), "[-]"},
      {"run starting with minus", CharSet::Range(U'-', U'/'), "\\--/"},
      {"run ending with minus", Of(U",-"), ",--"},
      {"whole range", CharSet::Range(0, 255), "\x00-\xC3\xBF"s},
      {"upper half", CharSet::Range(0xFA, 0xFF), "\xC3\xBA-\xC3\xBF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CharSetToText(c.set), c.text) << c.name;
    EXPECT_EQ(CharSetFromText(FromUtf8(CharSetToText(c.set))), c.set) << c.name;
  }
}

TEST(CharSetText, RoundTripsRandomSets) {
  std::mt19937 rng(7);
  for (int i = 0; i < 500; ++i) {
    CharSet set;
    const unsigned density = rng() % 100;
    for (Char c = 0; c < 256; ++c)
      if (rng() % 100 < density) set.Add(c);
    const std::string text = CharSetToText(set);
    EXPECT_EQ(CharSetFromText(FromUtf8(text)), set) << text;
  }
}

TEST(CharSetText, ReadsHandWrittenText) {
  const struct {
    const char* name;
    String text;
    CharSet expected;
  } cases[] = {
      {"minus first is literal", U"-a", Of(U"-a")},
      {"minus last is literal", U"a-", Of(U"a-")},
      {"minus alone", U"-", Of(U"-")},
      {"descending range", U"z-a", CharSet::Range(U'a', U'z')},
      {"range ending at 255", U"\u00fa-\u00ff", CharSet::Range(0xFA, 0xFF)},
      {"range from 255 down", U"\u00ff-\u00fe", Of(U"\u00fe\u00ff")},
      {"chained ranges", U"a-c-e", CharSet::Range(U'a', U'e')},
      {"escaped minus", U"\\-", Of(U"-")},
      {"escaped minus starts a range", U"\\--/", CharSet::Range(U'-', U'/')},
      {"range end taken plain", U"Z-\\", CharSet::Range(U'Z', U'\\')},
      {"backslash last is literal", U"a\\", Of(U"a\\")},
      {"characters above 255 ignored", U"a\u0100b\U0001F600", Of(U"ab")},
      {"range past 255 stops at 255", U"\u00fe-\u0100", Of(U"\u00fe\u00ff")},
  };
  for (const auto& c : cases) EXPECT_EQ(CharSetFromText(c.text), c.expected) << c.name;
}

}  // namespace
}  // namespace qs
