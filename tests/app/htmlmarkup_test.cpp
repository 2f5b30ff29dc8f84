#include "app/htmlmarkup.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

TEST(HtmlMarkupTest, ColorNotationIsUpperCaseRedGreenBlue) {
  EXPECT_EQ(ColorNotation(MakeColor(0xA0, 0xB1, 0xC2)), U"#A0B1C2");
  EXPECT_EQ(ColorNotation(clBlack), U"#000000");
  EXPECT_EQ(ColorNotation(clNavy), U"#000080");
}

TEST(HtmlMarkupTest, AttributeValuesCannotEndTheirQuotes) {
  EXPECT_EQ(QuotedAttribute(U"a\"b"), U"\"a&quot;b\"");
  EXPECT_EQ(EscapedText(U"<a & b>"), U"&lt;a &amp; b&gt;");
}

TEST(HtmlMarkupTest, SimpleTagsAndColours) {
  EXPECT_EQ(TagAround(U"B", U"x"), U"<B>x</B>");
  EXPECT_EQ(ForegroundColorMarkup(clRed, U"x"), U"<FONT color=\"#FF0000\">x</FONT>");
  EXPECT_EQ(BackgroundColorMarkup(clBlue, U""),
            U"<FONT style=\"BACKGROUND-COLOR: #0000FF\"></FONT>");
}

TEST(HtmlMarkupTest, FontStylesNestInOrderAndBlackIsLeftOut) {
  struct Case {
    FontSpec font;
    TColor color;
    const char32_t* expected;
  };
  FontSpec boldItalic{.name = U"Arial", .size = 12, .bold = true, .italic = true};
  FontSpec all{.name = U"Sans",
               .size = 9,
               .bold = true,
               .italic = true,
               .underline = true,
               .strikeOut = true};
  FontSpec quoted{.name = U"A\"B", .size = 10};
  const Case cases[] = {
      {boldItalic, clBlack,
       U"<FONT style=\"font-size:12pt;font-family:Arial;\"><B><I>s</I></B></FONT>"},
      {all, clRed,
       U"<FONT style=\"font-size:9pt;font-family:Sans;color:#FF0000;\"><S><U><B><I>s</I></B></U></"
       U"S></FONT>"},
      {quoted, clBlack, U"<FONT style=\"font-size:10pt;font-family:A&quot;B;\">s</FONT>"},
  };
  for (const Case& c : cases) EXPECT_EQ(FontMarkup(c.font, c.color, U"s"), c.expected);
}

TEST(HtmlMarkupTest, TableWithDefaultsAndWithEveryAttribute) {
  TTableFields one;
  one.rows = 1;
  one.columns = 1;
  EXPECT_EQ(TableMarkup(one),
            U"<TABLE cellspacing=\"0\" cellPadding=\"0\" width=\"100%\" border=\"0\">\r\n"
            U"  <TR>\r\n    <TD>&nbsp;</TD>\r\n  </TR>\r\n</TABLE>");

  TTableFields full;
  full.rows = 2;
  full.columns = 2;
  full.width = 300;
  full.widthInPercent = false;
  full.tableBackground = U"Navy";
  full.tableBorderColor = U"#FF0000";
  full.backgroundImage = U"file:///a \"b\".png";
  full.tableAlign = U"center";
  full.cellBackground = U"Aqua";
  full.cellBorderColor = U"Red";
  full.cellAlign = U"right";
  full.cellSpacing = 1;
  full.cellPadding = 2;
  full.borderSize = 3;
  full.wrapText = false;
  const String cell =
      U"    <TD nowrap bordercolor=\"Red\" align=\"right\" bgcolor=\"Aqua\">&nbsp;</TD>";
  const String row = U"  <TR>\r\n" + cell + U"\r\n" + cell + U"\r\n  </TR>";
  EXPECT_EQ(TableMarkup(full),
            U"<TABLE bordercolor=\"#FF0000\" cellspacing=\"1\" cellPadding=\"2\" width=\"300\" "
            U"align=\"center\" bgcolor=\"Navy\" background=\"file:///a &quot;b&quot;.png\" "
            U"border=\"3\">\r\n" +
                row + U"\r\n" + row + U"\r\n</TABLE>");
}

TEST(HtmlMarkupTest, Links) {
  struct Case {
    TLinkFields fields;
    const char32_t* selected;
    const char32_t* expected;
  };
  const Case cases[] = {
      {{U"http://u", U"", false}, U"", U"<A href=\"http://u\">http://u</A>"},
      {{U"http://u?a=1&b=\"2\"", U"_blank", false},
       U"text",
       U"<A href=\"http://u?a=1&b=&quot;2&quot;\" target=\"_blank\">text</A>"},
      {{U"http://u?a<b", U"", false}, U"", U"<A href=\"http://u?a<b\">http://u?a&lt;b</A>"},
      {{U"#name", U"", true}, U"sel", U"<A name=\"name\"></A>sel"},
      {{U"my anchor", U"_top", true}, U"", U"<A name=\"my anchor\"></A>"},
  };
  for (const Case& c : cases) EXPECT_EQ(LinkMarkup(c.fields, c.selected), c.expected);
}

TEST(HtmlMarkupTest, AnchorScanTakesOnlyNameAttributesOfATags) {
  const StringView page =
      U"<A NAME=top></A>\r\n"
      U"<a href=\"x.htm#name\" classname=\"c\">x</a>\n"
      U"<a\nname='my anchor' >y</a>"
      U"<abbr name=no></abbr><a name=\"\"></a>"
      U"<a id=z Name = \"last\"";
  const std::vector<String> expected{U"#top", U"#my anchor", U"#last"};
  EXPECT_EQ(AnchorNames(page), expected);
  EXPECT_TRUE(AnchorNames(U"<a name=\"unterminated").size() == 1);
  EXPECT_TRUE(AnchorNames(U"<a").empty());
}

TEST(HtmlMarkupTest, ImageAttributesAppearOnlyWhenSet) {
  struct Case {
    TImageFields fields;
    const char32_t* expected;
  };
  const Case cases[] = {
      {{.source = U"a.png"}, U"<IMG border=0 src=\"a.png\">"},
      {{.source = U"a.png", .verticalSpace = 5}, U"<IMG vspace=5 border=0 src=\"a.png\">"},
      {{.source = U"file:///p\"q.gif",
        .alternateText = U"A \"b\"",
        .align = U"Absmiddle",
        .border = 2,
        .horizontalSpace = 3,
        .width = 16,
        .height = 8},
       U"<IMG alt=\"A &quot;b&quot;\" align=\"absmiddle\" width=16 height=8 hspace=3 border=2 "
       U"src=\"file:///p&quot;q.gif\">"},
      {{.source = U"a.png", .align = U"(not set)"}, U"<IMG border=0 src=\"a.png\">"},
  };
  for (const Case& c : cases) EXPECT_EQ(ImageMarkup(c.fields), c.expected);
}

TEST(HtmlMarkupTest, FilesAreSeparatedAndOptionallyAnchored) {
  const std::vector<TInsertedFile> files{{U"one", {U"a", U"b"}}, {U"two", {U"c"}}};
  EXPECT_EQ(FilesText(files, false), U"\r\n\r\n\r\n\r\na\r\nb\r\n\r\n\r\nc\r\n");
  EXPECT_EQ(
      FilesText(files, true),
      U"\r\n\r\n\r\n\r\n<A name=\"one\"></A>\r\na\r\nb\r\n\r\n\r\n<A name=\"two\"></A>\r\nc\r\n");
}

}  // namespace
}  // namespace qs
