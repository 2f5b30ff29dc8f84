// Documents written by a word processor: LibreOffice (run headless, skipped
// where it is missing) turns a page this test writes into RTF and HTML of its
// own, with font tables holding alternate names, \u with fallbacks, list
// bullets and page-style tables; both read back with their text and look.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "export/htmlimporter.h"
#include "export/importfixture.h"
#include "export/rtfimporter.h"

namespace qs {
namespace {

using testing::Import;
using testing::ImportedRun;
using testing::RunWith;
using testing::TextOf;

namespace fs = std::filesystem;

constexpr std::string_view kPage =
    "<html><body><p><font face=\"DejaVu Sans\" size=\"5\" color=\"#ff0000\">Red big</font> "
    "normal <b>bold</b> <i>ital</i> caf&eacute; &#8364; &lt;x&gt;</p>"
    "<ul><li>item one</li><li>item two</li></ul>"
    "<p><span style=\"background:#ffff00\">hi</span> &#x4e2d;</p></body></html>";

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class LibreOfficeImport : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
      GTEST_SKIP() << "soffice is not installed";
    char pattern[] = "/tmp/quillon-lo-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    m_dir = pattern;
    std::ofstream(m_dir / "page.html") << kPage;
  }
  void TearDown() override {
    if (!m_dir.empty()) fs::remove_all(m_dir);
  }

  // The page as LibreOffice writes it in format (a private profile, so runs
  // never meet).
  std::string Converted(const std::string& format, const char* extension) {
    const std::string dir = m_dir.string();
    const std::string command = "cd '" + dir + "' && HOME='" + dir +
                                "' soffice --headless --infilter='HTML (StarWriter)' "
                                "--convert-to '" +
                                format +
                                "' --outdir out page.html "
                                ">/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return ReadFile(m_dir / "out" / (std::string("page.") + extension));
  }

  fs::path m_dir;
};

void ExpectTheLookOfThePage(const std::vector<ImportedRun>& runs) {
  const ImportedRun* red = RunWith(runs, "Red big");
  ASSERT_NE(red, nullptr) << TextOf(runs);
  EXPECT_EQ(red->font.Color, clRed);
  EXPECT_EQ(red->font.Face.size, 18);
  EXPECT_EQ(red->font.Face.name, U"DejaVu Sans");
  EXPECT_TRUE(RunWith(runs, "bold")->font.Face.bold);
  EXPECT_FALSE(RunWith(runs, "bold")->font.Face.italic);
  EXPECT_TRUE(RunWith(runs, "ital")->font.Face.italic);
  EXPECT_NE(TextOf(runs).find("caf\xc3\xa9 \xe2\x82\xac <x>"), std::string::npos);
  EXPECT_NE(TextOf(runs).find("\xe4\xb8\xad"), std::string::npos);
}

TEST_F(LibreOfficeImport, RtfReadsBackWithItsTextAndLook) {
  const std::string rtf = Converted("rtf", "rtf");
  ASSERT_FALSE(rtf.empty()) << "LibreOffice wrote no RTF";
  // What makes this input worth reading: these are all in it.
  for (const char* construct : {"\\falt", "\\u8364", "\\listtext", "\\*\\pgdsctbl", "\\stylesheet"})
    EXPECT_NE(rtf.find(construct), std::string::npos) << construct;

  TQSRtfImporter importer;
  const auto runs = Import(importer, rtf);
  ExpectTheLookOfThePage(runs);
  const std::string text = TextOf(runs);
  EXPECT_NE(text.find("\xe2\x80\xa2\titem one\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("item two"), std::string::npos);
  for (const char* hidden : {"Default Page Style", "Normal", "Arial Unicode MS", "LibreOffice"})
    EXPECT_EQ(text.find(hidden), std::string::npos) << hidden;
  EXPECT_EQ(RunWith(runs, "hi")->back, clYellow);
}

TEST_F(LibreOfficeImport, HtmlReadsBackWithItsTextAndLook) {
  const std::string html = Converted("html:HTML (StarWriter)", "html");
  ASSERT_FALSE(html.empty()) << "LibreOffice wrote no HTML";
  TQSHTMLImporter importer;
  const auto runs = Import(importer, html);
  ExpectTheLookOfThePage(runs);
  const std::string text = TextOf(runs);
  EXPECT_NE(text.find("\r\nitem one\r\nitem two\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("@page"), std::string::npos);     // the style sheet is no text
  EXPECT_EQ(text.rfind("\r\n", 0), std::string::npos);  // no empty line first
}

}  // namespace
}  // namespace qs
