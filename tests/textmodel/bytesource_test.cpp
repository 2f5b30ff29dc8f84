#include "textmodel/bytesource.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "sourcefixture.h"

namespace qs {
namespace {

// Hands out at most step bytes per read, so lines and breaks straddle reads.
class TrickleSource : public TByteSource {
 public:
  TrickleSource(std::string_view bytes, std::size_t step) : m_bytes(bytes), m_step(step) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    const std::size_t n = std::min({size, m_step, m_bytes.size() - m_pos});
    std::copy_n(m_bytes.data() + m_pos, n, buffer);
    m_pos += n;
    return n;
  }
  void Rewind() override { m_pos = 0; }

 private:
  std::string_view m_bytes;
  std::size_t m_step;
  std::size_t m_pos = 0;
};

TEST(ChunkedLoad, ReadsSplitAnywhereGiveTheSameDocument) {
  const std::string inputs[] = {
      "a\r\nb\r\n\r\nc\rd\ne",
      "\r\r\n\n",
      "x\xC3\xA9y\r\nz\xE2\x82\xAC",
      "caf\xE9\r\n\x80",
      std::string("\xFF\xFE"
                  "a\0\r\0\n\0\r\0b\0\n\0",
                  14),
      std::string("\xFE\xFF\0a\0\r\0\r\0\n\0b", 12),
      std::string("\xFF\xFE"
                  "a\0b",
                  5),  // odd: not UTF-16
      "\xEF\xBB\xBFok\n",
  };
  for (const std::string& bytes : inputs) {
    TMemoSource whole;
    whole.SetKeepTrailingBlanks(true);
    whole.LoadFromBytes(bytes);
    for (std::size_t step : {1, 2, 3, 5}) {
      TMemoSource chunked;
      chunked.SetKeepTrailingBlanks(true);
      TrickleSource source(bytes, step);
      chunked.LoadFromSource(source);
      EXPECT_EQ(test::StoredLines(chunked), test::StoredLines(whole)) << step << " " << bytes;
      EXPECT_EQ(chunked.FileEncoding(), whole.FileEncoding());
      EXPECT_EQ(chunked.SaveToBytes(), whole.SaveToBytes());
    }
  }
}

TEST(ChunkedLoad, KnownSplitsOfLineBreaks) {
  TMemoSource source;
  source.LoadFromBytes("a\r\n\r\nb\r");
  EXPECT_EQ(test::StoredLines(source), (std::vector<std::string>{"a", "", "b"}));
  source.LoadFromBytes(
      std::string("\xFF\xFE"
                  "a\0\r\0\r\0\n\0",
                  10));
  EXPECT_EQ(test::StoredLines(source), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(source.FileEncoding(), Encoding::Utf16LE);
}

TEST(ChunkedLoad, ALineLongerThanTheBufferArrivesWhole) {
  const std::string line(9 * 1024 * 1024 + 7, 'w');
  const std::string bytes = line + "\r\n" + line;
  TrickleSource source(bytes, 1 << 20);
  TMemoSource doc;
  doc.LoadFromSource(source);
  ASSERT_EQ(doc.LineCount(), 2);
  EXPECT_EQ(doc.StoredLine(1).size(), line.size());
}

}  // namespace
}  // namespace qs
