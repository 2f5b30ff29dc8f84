// Our own exports read back: the HTML and the RTF written for each sample
// document (the files the export tests keep) import to the document's text,
// and both give every character the same face, size, colour and style.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "export/htmlimporter.h"
#include "export/importfixture.h"
#include "export/rtfimporter.h"

namespace qs {
namespace {

using testing::Import;
using testing::LooksOf;
using testing::TextOf;

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The document as the importers give it: CR LF between lines, no break after
// the last one.
std::string AsImported(std::string text) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') out += '\r';
    if (c != '\r') out += c;
  }
  while (out.size() >= 2 && out.ends_with("\r\n")) out.resize(out.size() - 2);
  return out;
}

std::string WithoutFinalBreak(std::string text) {
  while (text.size() >= 2 && text.ends_with("\r\n")) text.resize(text.size() - 2);
  return text;
}

TEST(ImportRoundTrip, OurExportsReadBackAsTheDocument) {
  const std::filesystem::path source = QUILLON_SOURCE_DIR;
  int samples = 0;
  for (const auto& entry : std::filesystem::directory_iterator(source / "tests/syntax/golden")) {
    const std::filesystem::path path = entry.path();
    if (path.extension() == ".dump") continue;
    const std::string name = path.filename().string();
    const auto exported = source / "tests/export/golden" / name;
    const std::string html = ReadFile(exported.string() + ".html");
    const std::string rtf = ReadFile(exported.string() + ".rtf");
    ASSERT_FALSE(html.empty() || rtf.empty()) << name;
    ++samples;

    TQSHTMLImporter htmlImporter;
    TQSRtfImporter rtfImporter;
    const auto htmlRuns = Import(htmlImporter, html);
    const auto rtfRuns = Import(rtfImporter, rtf);
    const std::string document = AsImported(ReadFile(path));
    EXPECT_EQ(WithoutFinalBreak(TextOf(htmlRuns)), document) << name;
    EXPECT_EQ(WithoutFinalBreak(TextOf(rtfRuns)), document) << name;

    const auto htmlLooks = LooksOf(htmlRuns);
    const auto rtfLooks = LooksOf(rtfRuns);
    ASSERT_EQ(htmlLooks.size(), rtfLooks.size()) << name;
    for (std::size_t i = 0; i < htmlLooks.size(); ++i)
      ASSERT_EQ(htmlLooks[i], rtfLooks[i]) << name << " at character " << i;
    if (name == "sample.php") {
      // The highlighting came through, not only the text.
      std::set<TColor> colors;
      bool bold = false, italic = false;
      for (const auto& look : rtfLooks) {
        colors.insert(look.color);
        bold |= look.bold;
        italic |= look.italic;
      }
      EXPECT_GE(colors.size(), 5u);
      EXPECT_TRUE(bold && italic);
    }
  }
  EXPECT_GE(samples, 10);
}

}  // namespace
}  // namespace qs
