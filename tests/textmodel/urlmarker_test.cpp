#include <gtest/gtest.h>

#include "support/utf8.h"
#include "textmodel/urlmarker.h"

namespace qs {
namespace {

// 'U' marks URL bytes in the expected pattern.
std::string Marked(const String& text) {
  std::string bytes(text.size(), '\0');
  MarkUrls(text, bytes);
  std::string out;
  for (char b : bytes) out += b == 17 ? 'U' : '.';
  return out;
}

TEST(UrlMarking, AddressesAreMarked) {
  const std::pair<String, std::string> cases[] = {
      {U"see http://a.b/c?d=1 now", "....UUUUUUUUUUUUUUUU...."},
      {U"see HTTPS://a.b/x", "....UUUUUUUUUUUUU"},
      {U"www.x.org.", "UUUUUUUUUU"},
      {U"mail me@x.org", ".....UUUUUUUU"},
      {U"a@b @x.y me@ a@b@c.d", "...................."},
      {U"ftp://h mailto:z", "UUUUUUU.UUUUUUUU"},
      {U"x://y.z", "......."},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(Marked(text), expected) << ToUtf8(text);
}

TEST(UrlMarking, BytesOfAnotherLengthAreLeftAlone) {
  std::string bytes(3, '\1');
  MarkUrls(U"www.a.b", bytes);
  EXPECT_EQ(bytes, std::string(3, '\1'));
}

}  // namespace
}  // namespace qs
