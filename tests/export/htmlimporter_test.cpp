// The HTML reader: text as a browser shows it, the presentational
// formatting, character references and encodings, and hostile pages.
#include <gtest/gtest.h>

#include "export/htmlimporter.h"
#include "export/htmltext.h"
#include "export/importfixture.h"

namespace qs {
namespace {

using testing::ImportedRun;
using testing::RunWith;
using testing::TextOf;

constexpr auto ImportHtml = &testing::ImportWith<TQSHTMLImporter>;
constexpr auto HtmlText = &testing::TextImportedBy<TQSHTMLImporter>;

TEST(HtmlImporter, WorkedExampleGivesFacesSizesColoursAndLinks) {
  const auto runs = ImportHtml(
      "<html><head><title>T</title></head><body link=#FF0000>A<b>B</b><font face=Arial size=4 "
      "color=#00FF00>F</font><br><a href=x>D</a>&lt;E&gt;</body></html>");
  EXPECT_EQ(TextOf(runs), "ABF\r\nD<E>");
  const ImportedRun* a = RunWith(runs, "A");
  EXPECT_EQ(a->font.Face.name, U"Times New Roman");
  EXPECT_EQ(a->font.Face.size, 12);
  EXPECT_EQ(a->font.Color, clBlack);
  EXPECT_FALSE(a->font.Face.bold);
  EXPECT_TRUE(RunWith(runs, "B")->font.Face.bold);
  const ImportedRun* f = RunWith(runs, "F");
  EXPECT_EQ(f->font.Face.name, U"Arial");
  EXPECT_EQ(f->font.Face.size, 14);
  EXPECT_EQ(f->font.Color, clLime);
  const ImportedRun* d = RunWith(runs, "D");
  EXPECT_TRUE(d->font.Face.underline);
  EXPECT_EQ(d->font.Color, clRed);
  const ImportedRun* e = RunWith(runs, "<E>");
  EXPECT_FALSE(e->font.Face.underline);
  EXPECT_EQ(e->font.Color, clBlack);
}

TEST(HtmlImporter, TextAsABrowserShowsIt) {
  const struct {
    const char* input;
    const char* text;
  } cases[] = {
      {"a\r\nb", "a b"},
      {"a\tb", "a b"},
      {"<b>a</b>\n<i>b</i>", "a b"},
      {"  lead   and   trail  ", "lead and trail"},
      {"a > b", "a > b"},
      {"a < b > c", "a < b > c"},
      {"3.14<br>2", "3.14\r\n2"},
      {"<p>one</p>\n<p>two</p><div>three</div>", "one\r\ntwo\r\nthree"},
      {"<ul>\n <li>x\n <li>y\n</ul>after", "x\r\ny\r\nafter"},
      {"<table><tr><td>a</td><td>b</td></tr><tr><td>c</td></tr></table>", "a\tb\r\nc"},
      {"<pre>a  b\n  c</pre>d", "a  b\r\n  c\r\nd"},
      {"</head>kept", "kept"},
      {"<head><style>p{}</style><title>T</title></head><body>x", "x"},
      {"<head><meta charset=utf-8><body>no end of head", "no end of head"},
      {"a<script>if (a<b) x = '</b>';</script>b", "ab"},
      {"a<!-- <b>hidden</b> -->b<!-->c", "abc"},
      {"<!DOCTYPE html><?xml x?>x", "x"},
      {"&amp;lt; &amp;amp; &quot;q&quot; &#233;&#xE9; &bogus; &#0; &#99999999999;",
       "&lt; &amp; \"q\" \xc3\xa9\xc3\xa9 &bogus; \xef\xbf\xbd \xef\xbf\xbd"},
      {"&nbsp;&nbsp;two", "  two"},
      {"caf\xc3\xa9", "caf\xc3\xa9"},
      {"caf\xe9", "caf\xc3\xa9"},
      {"<meta charset=\"windows-1251\">\xef\xf0\xe8", "\xd0\xbf\xd1\x80\xd0\xb8"},
  };
  for (const auto& c : cases) EXPECT_EQ(HtmlText(c.input), c.text) << c.input;
}

TEST(HtmlImporter, SizesStepFromTheNormalSizeAndEndWithTheirElement) {
  const auto runs = ImportHtml(
      "<big>b<big>bb</big></big><small>s<small>ss<small>sss<small>min</small></small></small>"
      "</small>n<font size=9>nine</font><font size=+1>plus</font><font size=-5>minus</font>"
      "<font size=abc>bad</font><font size=\"\">empty</font>");
  const struct {
    const char* text;
    int size;
  } cases[] = {{"b", 14}, {"bb", 18},   {"s", 10},    {"ss", 8},    {"sss", 8},  {"min", 8},
               {"n", 12}, {"nine", 36}, {"plus", 14}, {"minus", 8}, {"bad", 12}, {"empty", 12}};
  for (const auto& c : cases) {
    const ImportedRun* run = nullptr;
    for (const ImportedRun& r : runs)
      if (r.text == FromUtf8(c.text)) run = &r;
    ASSERT_NE(run, nullptr) << c.text;
    EXPECT_EQ(run->font.Face.size, c.size) << c.text;
  }
}

TEST(HtmlImporter, FormattingElementsNestAndCloseByName) {
  const auto runs = ImportHtml(
      "<b>b<i>bi</b>i</i>n<font color=#12345G>bad</font><font color=red>red<font "
      "color='#00f'>blue</font></font><a name=x>anchor</a><s>s</s><u>u</u><em>em</em>"
      "<font face=\"'Courier New', monospace\">mono</font>");
  EXPECT_TRUE(RunWith(runs, "bi")->font.Face.bold);
  EXPECT_TRUE(RunWith(runs, "bi")->font.Face.italic);
  const ImportedRun* i = nullptr;
  for (const ImportedRun& r : runs)
    if (r.text == U"i") i = &r;
  ASSERT_NE(i, nullptr);
  EXPECT_TRUE(i->font.Face.italic);
  EXPECT_FALSE(i->font.Face.bold);
  EXPECT_FALSE(RunWith(runs, "n")->font.Face.italic);
  EXPECT_EQ(RunWith(runs, "bad")->font.Color, clBlack);
  EXPECT_EQ(RunWith(runs, "red")->font.Color, clRed);
  EXPECT_EQ(RunWith(runs, "blue")->font.Color, clBlue);
  EXPECT_FALSE(RunWith(runs, "anchor")->font.Face.underline);
  EXPECT_TRUE(RunWith(runs, "s")->font.Face.strikeOut);
  EXPECT_TRUE(RunWith(runs, "em")->font.Face.italic);
  EXPECT_EQ(RunWith(runs, "mono")->font.Face.name, U"Courier New");
}

TEST(HtmlImporter, ColourValues) {
  EXPECT_EQ(ParseHtmlColor("#FF8000"), MakeColor(255, 128, 0));
  EXPECT_EQ(ParseHtmlColor("ff8000"), MakeColor(255, 128, 0));
  EXPECT_EQ(ParseHtmlColor("#f80"), MakeColor(255, 136, 0));
  EXPECT_EQ(ParseHtmlColor("Navy"), clNavy);
  for (const char* bad : {"", "#", "#12345", "#1234567", "#GG0000", "reddish"})
    EXPECT_EQ(ParseHtmlColor(bad), std::nullopt) << bad;
}

TEST(HtmlImporter, HostilePagesEndCleanly) {
  const struct {
    std::string input;
    std::string text;
  } cases[] = {
      {"abc<", "abc<"},
      {"<!-- x", ""},
      {"x<b", "x"},
      {"x<font color=\"red", "x"},
      {"x<script>never ends", "x"},
      {"x&#", "x&#"},
      {std::string("a\0b", 3), "ab"},
  };
  for (const auto& c : cases) EXPECT_EQ(HtmlText(c.input), c.text) << c.input;
}

TEST(HtmlImporter, ManyBreaksAndDeepNestingStayLinear) {
  constexpr int kCount = 200000;
  std::string breaks;
  for (int i = 0; i < kCount; ++i) breaks += "<br>";
  EXPECT_EQ(ImportHtml(breaks).size(), static_cast<std::size_t>(kCount));

  std::string nested;
  for (int i = 0; i < kCount; ++i) nested += "<b><i>x";
  for (int i = 0; i < kCount; ++i) nested += "</b>";
  nested += "<u>end</u>";
  const auto runs = ImportHtml(nested);
  EXPECT_EQ(runs.size(), static_cast<std::size_t>(kCount) + 1);
  EXPECT_TRUE(runs.back().font.Face.underline);
}

}  // namespace
}  // namespace qs
