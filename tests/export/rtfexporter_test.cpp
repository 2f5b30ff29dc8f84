#include "export/rtfexporter.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

struct RtfTest : ::testing::Test {
  TStringStream out;
  TQSRTFExporter rtf{out};

  void Document(const std::function<void()>& body) {
    rtf.BeginDocument(U"title");
    body();
    rtf.EndDocument();
  }
};

TEST_F(RtfTest, ASmallDocumentHasItsTablesBeforeTheText) {
  Document([&] {
    rtf.BeginFont(U"Courier New", 1);
    rtf.BeginFontSize(10);
    rtf.BeginFontColor(clBlack);
    rtf.WriteString(rtf.ConvertString(U"a{b"));
    rtf.EndFontColor();
    rtf.EndFontSize();
    rtf.EndFont();
  });
  EXPECT_EQ(out.Bytes(),
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1 {\\fonttbl\r\n"
            "{\\f0\\froman\\fcharset0 Times New Roman;}\r\n"
            "{\\f1\\fmodern\\fcharset0 Courier New;}\r\n"
            "}\r\n"
            "{\\colortbl;\r\n"
            "\\red0\\green0\\blue0;\r\n"
            "}\r\n"
            "\r\n"
            "{\\plain \r\n"
            "{\\f1 {\\fs20 \r\n"
            "{\\cf1 a\\{b}}}}}");
}

// Nothing is read from a token's characters: text that looks like a page
// or a header is text.
TEST_F(RtfTest, TextThatLooksLikeControlWordsIsWrittenVerbatim) {
  Document([&] {
    rtf.WriteString(rtf.ConvertString(U"$next_page = 1;"));
    rtf.WriteString(rtf.ConvertString(U"rtf1\\ansi"));
  });
  const std::string& s = out.Bytes();
  EXPECT_NE(s.find("$next_page = 1;rtf1\\\\ansi"), std::string::npos) << s;
  EXPECT_EQ(s.find("\\page"), std::string::npos);
  EXPECT_EQ(s.find("fonttbl"), s.rfind("fonttbl"));
}

TEST_F(RtfTest, NonAsciiIsWrittenAsUnicodeWithAFallback) {
  EXPECT_EQ(rtf.ConvertString(U"\u00e9\u20ac\U0001F600\t\\}\x01"),
            "\\u233?\\u8364?\\u-10179?\\u-8704?\\tab \\\\\\}\\'01");
}

TEST_F(RtfTest, TheColourTableStartsWithTheAutomaticColour) {
  Document([&] {
    rtf.BeginBackColor(clRed);  // the first colour: must not become "none"
    rtf.EndBackColor();
    rtf.BeginFontColor(clRed);
    rtf.EndFontColor();
    rtf.BeginFontColor(clBlue);
    rtf.EndFontColor();
  });
  const std::string& s = out.Bytes();
  EXPECT_NE(s.find("{\\colortbl;\r\n\\red255\\green0\\blue0;\r\n\\red0\\green0\\blue255;\r\n}"),
            std::string::npos)
      << s;
  EXPECT_NE(s.find("{\\highlight1\\cb1 }{\\cf1 }{\\cf2 }"), std::string::npos) << s;
}

TEST_F(RtfTest, FontNamesAreEscapedAndMatchedIgnoringCase) {
  Document([&] {
    rtf.BeginFont(U"Odd;{Font}\\", 204);
    rtf.BeginFont(U"COURIER", 0);
    rtf.BeginFont(U"courier", 1);
  });
  const std::string& s = out.Bytes();
  EXPECT_NE(s.find("{\\f1\\fmodern\\fcharset204 Odd\\'3b\\{Font\\}\\\\;}"), std::string::npos) << s;
  EXPECT_NE(s.find("{\\f2\\fmodern\\fcharset0 COURIER;}\r\n}"), std::string::npos) << s;
  EXPECT_NE(s.find("{\\f1 {\\f2 {\\f2 "), std::string::npos) << s;
}

TEST_F(RtfTest, TablesGatherTheirCellsAndRefuseArgumentsOutOfRange) {
  Document([&] {
    rtf.BeginTable({0, 0, 250, 0, 0, 0});  // no such frame: void
    rtf.BeginCell(10);                     // no row yet: nothing
    rtf.WriteString("lost");
    rtf.BeginRow();
    rtf.BeginCell(0);
    rtf.WriteString("x");
    rtf.EndCell();
    rtf.BeginCell(100);
    rtf.WriteString("y");
    rtf.EndRow();
    rtf.EndTable();
  });
  const std::string& s = out.Bytes();
  EXPECT_NE(s.find("{\\par\r\n{\\trowd\\void\r\n\\cellx7088\r\n\\cellx9923\r\n"
                   "\\pard \\intbl x\\cell\r\n\\pard \\intbl y\\cell\r\n\\row\\pard}\r\n}"),
            std::string::npos)
      << s;
  EXPECT_EQ(s.find("lost"), std::string::npos);
}

TEST_F(RtfTest, LinksNameTheirWindowOnlyForAKnownKind) {
  Document([&] {
    rtf.BeginLink(U"t{1}", lkJump);
    rtf.EndLink();
    rtf.BeginLink(U"t2", lkPopup);
    rtf.EndLink();
    rtf.BeginLink(U"t3", static_cast<TLinkKind>(7));
    rtf.EndLink();
  });
  const std::string& s = out.Bytes();
  EXPECT_NE(s.find("{\\v t\\{1\\}>main}"), std::string::npos) << s;
  EXPECT_NE(s.find("{\\ul \r\n{\\v t2}"), std::string::npos) << s;
  EXPECT_NE(s.find("{\\uldb \r\n{\\v t3}"), std::string::npos) << s;
}

TEST_F(RtfTest, RelativeSizesStayPositiveAndComeBack) {
  Document([&] {
    for (int i = 0; i < 5; ++i) rtf.BeginSmall();
    for (int i = 0; i < 5; ++i) rtf.EndSmall();
  });
  EXPECT_EQ(rtf.RelativeSize(), 24);
  EXPECT_NE(out.Bytes().find("{\\fs1 "), std::string::npos);
  EXPECT_EQ(out.Bytes().find("{\\fs-"), std::string::npos);
}

}  // namespace
}  // namespace qs
