#include "support/utf8.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

TEST(Utf8, RoundTripsEveryPlane) {
  // Built with its length: a plain literal would end at the NUL.
  const String withNul(U"a\u00e9\u20ac\U0001F600\u0000z", 6);
  EXPECT_EQ(FromUtf8(ToUtf8(withNul)), withNul);
  EXPECT_EQ(ToUtf8(U"\u00e9"), "\xC3\xA9");
}

TEST(Utf8, IllFormedInputBecomesReplacementCharacters) {
  struct Case {
    std::string bytes;
    String text;
  } cases[] = {
      {"\xC3", U"\uFFFD"},  // truncated
      {"\xC3"
       "a",
       U"\uFFFDa"},                     // continuation missing, next byte kept
      {"\xC0\xAF", U"\uFFFD\uFFFD"},    // overlong lead never valid
      {"\xE0\x80\xAF", U"\uFFFD"},      // overlong three-byte form
      {"\xED\xA0\x80", U"\uFFFD"},      // surrogate
      {"\xF4\x90\x80\x80", U"\uFFFD"},  // above U+10FFFF
      {"\xFF", U"\uFFFD"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FromUtf8(c.bytes), c.text) << c.bytes.size();
    EXPECT_FALSE(IsValidUtf8(c.bytes));
  }
  EXPECT_TRUE(IsValidUtf8("plain \xE2\x82\xAC"));
}

}  // namespace
}  // namespace qs
