#include <gtest/gtest.h>

#include "sourcefixture.h"
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
      {U"http://a.b/c?q=%20#top x", "UUUUUUUUUUUUUUUUUUUUUU.."},
      {U"see HTTPS://a.b/x", "....UUUUUUUUUUUUU"},
      {U"www.x.org.", "UUUUUUUUU."},
      {U"see https://a.b/c, and me@x.org.", "....UUUUUUUUUUUUU......UUUUUUUU."},
      {U"http://a.b/...", "UUUUUUUUUUU..."},
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

// A highlighter that leaves the bytes alone, keeping them as content or not.
class ContentParser : public TSimpleParser {
 public:
  explicit ContentParser(bool keeps) : m_keeps(keeps) {}
  std::string_view ClassName() const override { return "TContentParser"; }
  bool KeepsStyleBytes() const override { return m_keeps; }
  void PrepareStyleBytes(std::int32_t, StringView text, std::string& bytes) override {
    bytes.resize(text.size(), '\1');
  }
  std::int32_t ParseLine(StringView, std::int32_t state, bool, std::string&) override {
    return state;
  }

 private:
  bool m_keeps;
};

// Where bytes are content they are the characters' formats: the marks are
// laid over them where the bytes are read, and nothing is stored or recorded.
TEST(UrlMarking, InAttributeKeepingModeMarksAreLaidOverTheStoredFormats) {
  for (const bool keeps : {true, false}) {
    TMemoSource source;
    test::Fill(source, {"go www.a.b x", "plain"});
    ContentParser parser(keeps);
    source.SetSyntaxParser(&parser);
    source.ParseLines(0, 1, false);
    source.ClearUndo();
    source.SetHighlightUrls(true);
    const std::string bytes = source.GetStyleBytes(0);
    std::string expected(12, '\1');
    expected.replace(3, 7, 7, static_cast<char>(kUrlStyleByte));
    EXPECT_EQ(bytes, expected) << keeps;
    EXPECT_EQ(source.GetStyleBytes(1), std::string(5, '\1')) << keeps;
    EXPECT_FALSE(source.CanUndo()) << keeps;
    EXPECT_EQ(source.GetLineItem(0)->StyleBytes, keeps ? std::string(12, '\1') : expected) << keeps;
  }
}

}  // namespace
}  // namespace qs
