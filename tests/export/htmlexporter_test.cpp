#include "export/htmlexporter.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

struct HtmlTest : ::testing::Test {
  TStringStream out;
  TQSHTMLExporter html{out};
};

TEST_F(HtmlTest, TheHeadDeclaresTheEncodingAndHoldsTheEscapedTitle) {
  html.BeginDocument(U"a <b> & \"c\" \u00e9");
  html.BeginPageColor(clWhite);
  html.EndPageColor();
  html.EndDocument();
  EXPECT_EQ(out.Bytes(),
            "<!DOCTYPE html>\r\n<Html><Head><meta charset=\"utf-8\"><Title>a &lt;b&gt; &amp; "
            "&quot;c&quot; \xC3\xA9</Title></Head>\r\n<Body BGCOLOR=\"#FFFFFF\"></Body></Html>");
}

TEST_F(HtmlTest, ContentBeforeAPageColourStillOpensOneBody) {
  html.BeginDocument(U"t");
  html.BeginBold();
  html.BeginPageColor(clBlack);  // too late: the body is open
  html.EndBold();
  html.EndDocument();
  const std::string& s = out.Bytes();
  EXPECT_NE(s.find("</Head><body><B></B></Body></Html>"), std::string::npos) << s;
}

TEST_F(HtmlTest, TextIsEscapedEverySpaceFixedAndNonAsciiInUtf8) {
  EXPECT_EQ(html.ConvertString(U"a  \"&<>\u00e9\U0001F600"),
            "a&nbsp;&nbsp;&quot;&amp;&lt;&gt;\xC3\xA9\xF0\x9F\x98\x80");
  EXPECT_EQ(html.ConvertString(String(1, static_cast<Char>(0xD800))), "\xEF\xBF\xBD");
}

TEST_F(HtmlTest, SizesMapToHtmlSizesAndNoSizeIsTheNormalOne) {
  const std::pair<int, int> cases[] = {{1, 1},  {8, 1},  {9, 2},  {11, 2}, {12, 3}, {13, 3},
                                       {17, 4}, {23, 5}, {35, 6}, {36, 7}, {0, 3},  {-5, 3}};
  for (const auto& [points, size] : cases) EXPECT_EQ(HtmlFontSize(points), size) << points;
}

TEST_F(HtmlTest, FontTagsCarryAFallbackFaceAndColoursInUpperCaseHex) {
  html.BeginFont(U"Courier \"New\"", 1);
  html.BeginFontSize(10);
  html.BeginFontColor(0x0080FF);  // blue 00, green 80, red FF
  html.EndFontColor();
  html.LineBreak();
  EXPECT_EQ(out.Bytes(),
            "<font face=\"Courier &quot;New&quot;, monospace\"><font SIZE=\"2\"><font "
            "color=\"#FF8000\"></font><BR>\r\n");
  EXPECT_EQ(html.LastBlockTag(), "font");
}

TEST_F(HtmlTest, TableAndLinkArgumentsOutOfRangeLeaveTheirAttributeOut) {
  html.BeginTable({0, 2, 200, 99, 0, 4});
  html.BeginCell(0);
  html.BeginLink(U"a\"b", lkPopup);
  EXPECT_EQ(out.Bytes(),
            "<TABLE border=\"2\" cellpadding=\"4\">\r\n<TD>\r\n<A href=\"a&quot;b.html\">");
}

}  // namespace
}  // namespace qs
