// What the shipped web schemes paint where a page or style sheet mixes its
// languages: each case highlights a few lines and names the style of pieces of
// the last one, found by their text.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/utf8.h"
#include "syntax/qsparser.h"

namespace qs {
namespace {

const std::string kRoot = QUILLON_SOURCE_DIR;

constexpr const char* kEntity = "Reserved words 3";
constexpr const char* kVariable = "System Variable";
constexpr const char* kProperty = "Reserved words 2";

// The text style of every character of each line, highlighted in order.
class Highlighted {
 public:
  explicit Highlighted(const std::string& schemeFile) {
    TSyntaxScheme scheme;
    scheme.LoadFromFile(kRoot + "/syntaxschemes/" + schemeFile);
    m_parser.SetSyntaxScheme(scheme);
  }

  std::vector<std::vector<std::string>> Styles(const std::vector<String>& lines) {
    std::vector<std::vector<std::string>> out;
    std::int32_t state = 0;
    for (const String& line : lines) {
      std::string bytes(line.size(), '\0');
      state = m_parser.ParseLine(line, state, false, bytes);
      std::vector<std::string> styles;
      for (char b : bytes)
        styles.push_back(
            ToUtf8(m_parser.SyntaxScheme().AttrOf(static_cast<unsigned char>(b)).GlobalAttrID()));
      out.push_back(std::move(styles));
    }
    return out;
  }

 private:
  TSyntaxParser m_parser;
};

// A piece of a line by its text (its nth occurrence) and the style that
// every character of it must have.
struct Piece {
  String text;
  std::string style;
  int nth = 0;
};

struct Case {
  const char* name;
  std::vector<String> lines;
  std::vector<Piece> pieces;
};

// Every piece's characters in the last line, with the first that is wrong.
void Check(Highlighted& h, const Case& c) {
  const std::vector<std::string> styles = h.Styles(c.lines).back();
  const String& line = c.lines.back();
  for (const Piece& p : c.pieces) {
    std::size_t at = line.find(p.text);
    for (int i = 0; i < p.nth && at != String::npos; ++i) at = line.find(p.text, at + 1);
    ASSERT_NE(at, String::npos) << c.name << ": no \"" << ToUtf8(p.text) << "\"";
    for (std::size_t k = at; k < at + p.text.size(); ++k)
      ASSERT_EQ(styles[k], p.style) << c.name << ": \"" << ToUtf8(p.text) << "\" at column " << k;
  }
}

// ---- Pages: HTML with PHP --------------------------------------------------

// What the HTML and PHP schemes share: both carry PHP, entities and comments.
const std::vector<Case>& MarkupCases() {
  static const std::vector<Case> cases = {
      {"entities in text",
       {U"<p>a &amp; b &#160; c &#x1F600; &eacute; x & y; AT&T</p>"},
       {{U"&amp;", kEntity},
        {U"&#160;", kEntity},
        {U"&#x1F600;", kEntity},
        {U"&eacute;", kEntity},
        {U" x & y; AT", "Whitespace"},  // an ampersand that starts no reference is text
        {U"&T", "Whitespace"}}},
      {"entities in attribute values",
       {U"<a href=\"x?a=1&amp;b=2\" title='&quot;q&quot;'>t</a>"},
       {{U"\"x?a=1", "String"},
        {U"&amp;", kEntity},
        {U"b=2\"", "String"},
        {U"&quot;", kEntity},
        {U"q", "String", 1},
        {U"&quot;", kEntity, 1},
        {U"href", "Html params"}}},
      {"an attribute value over two lines",
       {U"<a title=\"one", U"two &lt; three\" href=\"x\">"},
       {{U"two ", "String"}, {U"&lt;", kEntity}, {U"href", "Html params"}}},
      {"PHP inside a comment, and the comment after it",
       {U"<!--[if IE 6]><html <?php language_attributes(); ?>><![endif]-->"},
       {{U"<!--[if IE 6]><html ", "Comment"},
        {U"language_attributes", "Identifier"},
        {U"><![endif]-->", "Comment"}}},
      {"a comment over lines with PHP on the way",
       {U"<!-- a", U"<?php echo 1; ?> b -->", U"<p class=\"c\">"},
       {{U"p", "Html keywords"}, {U"class", "Html params"}}},
      {"a comment still open after PHP",
       {U"<!-- a", U"<?php echo 1; ?> b"},
       {{U"echo", "Reserved words 1"}, {U" b", "Comment"}}},
  };
  return cases;
}

class MarkupScheme : public ::testing::TestWithParam<const char*> {};

TEST_P(MarkupScheme, PaintsEntitiesCommentsAndEmbeddedPhp) {
  Highlighted h(GetParam());
  for (const Case& c : MarkupCases()) Check(h, c);
}

INSTANTIATE_TEST_SUITE_P(Shipped, MarkupScheme, ::testing::Values("html.sch", "php.sch"),
                         [](const auto& info) {
                           const std::string n = info.param;
                           return n.substr(0, n.find('.'));
                         });

TEST(PhpScheme, VariablesHaveTheirOwnStyle) {
  Highlighted h("php.sch");
  const Case cases[] = {
      {"variables and what is not one",
       {U"<?php $foo = $bar->baz; echo \"$x\"; $this; $; ?>"},
       {{U"$foo", kVariable},
        {U"$bar", kVariable},
        {U"baz", "Identifier"},
        {U"echo", "Reserved words 1"},
        {U"\"$x\"", "String"},
        {U"$this", kVariable},
        {U"$;", "Delimiters"}}},  // a sigil without a name
      {"the value goes on after PHP inside it",
       {U"<meta http-equiv=\"Content-Type\" content=\"<?php bloginfo( 'html_type' ); ?>; "
        U"charset=<?php bloginfo( 'charset' ); ?>\" />"},
       {{U"content", "Html params"},
        {U"; charset=", "String"},
        {U"'charset'", "String"},
        {U"\"", "String", 3},
        {U"/>", "Delimiters"}}},
      {"a variable in a value",
       {U"<a href=\"<?= $url ?>#top\">"},
       {{U"$url", kVariable}, {U"#top\"", "String"}}},
  };
  for (const Case& c : cases) Check(h, c);
}

// ---- Style sheets ----------------------------------------------------------

TEST(CssScheme, PropertiesBeforeTheColonValuesAfterIt) {
  Highlighted h("css.sch");
  const Case cases[] = {
      {"selectors and one rule",
       {U"a:hover, .x::before { color: red; left: 0; float: right }"},
       {{U"a", "Html keywords"},
        {U"hover", "Identifier"},
        {U"color", kProperty},
        {U"red", "Identifier"},
        {U"left", kProperty},
        {U"float", kProperty},
        {U"right", "Identifier"}}},
      {"rules nested in a media block",
       {U"@media screen and (max-width: 782px) {",
        U"  a:hover { border-bottom: 1px solid #ccc; -webkit-transition: left .2s; }"},
       {{U"a", "Html keywords"},
        {U"hover", "Identifier"},
        {U"border-bottom", kProperty},
        {U"solid", "Identifier"},
        {U"-webkit-transition", kProperty},
        {U"left", "Identifier"}}},
      {"the media block's end",
       {U"@media print {", U"  .a { top: 0 }", U"}", U"b:focus { list-style-type: none }"},
       {{U"b", "Html keywords"}, {U"focus", "Identifier"}, {U"list-style-type", kProperty}}},
      {"vendor prefixes",
       {U"a { -moz-box-sizing: x; -ms-filter: y; -o-transition: z; display: -webkit-box }"},
       {{U"-moz-box-sizing", kProperty},
        {U"-ms-filter", kProperty},
        {U"-o-transition", kProperty},
        {U"-webkit-box", "Identifier"}}},
      {"rules back to back without a last semicolon",
       {U".a{margin:0 auto}.b{padding:0}"},
       {{U"margin", kProperty}, {U"auto", "Identifier"}, {U"padding", kProperty}}},
      {"a value over two lines",
       {U"a {", U"  font: 12px/1.5", U"    sans-serif; color: inherit }"},
       {{U"sans-serif", "Identifier"}, {U"color", kProperty}, {U"inherit", "Identifier"}}},
      {"a brace inside a string of a value",
       {U"a::after { content: \"}\"; right: 0 }"},
       {{U"\"}\"", "String"}, {U"right", kProperty}}},
      {"a value that is a property name elsewhere",
       {U"a { transition-property: width, left, top; position: absolute }"},
       {{U"width", "Identifier"}, {U"left", "Identifier"}, {U"top", "Identifier"}}},
  };
  for (const Case& c : cases) Check(h, c);
}

std::vector<std::string> PropertyList() {
  std::ifstream in(kRoot + "/tools/css-properties.txt");
  std::vector<std::string> names;
  for (std::string name; in >> name;) names.push_back(name);
  return names;
}

// Every property of the list, plain and with a vendor prefix, is painted as
// a property before the colon and not after it, in one style sheet.
TEST(CssScheme, EveryListedPropertyIsAPropertyOnlyBeforeTheColon) {
  const std::vector<std::string> names = PropertyList();
  ASSERT_GT(names.size(), 400u) << "the list is read from tools/css-properties.txt";
  std::vector<String> lines{U"div.a:hover {"};
  for (const std::string& name : names)
    for (const char* prefix : {"", "-webkit-", "-moz-", "-ms-", "-o-"})
      lines.push_back(FromUtf8("  " + std::string(prefix) + name + ": " + name + ";"));
  lines.push_back(U"}");
  Highlighted h("css.sch");
  const auto styles = h.Styles(lines);
  std::vector<std::string> unpainted, paintedAsValue;
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
    const std::size_t colon = lines[i].find(U':');
    const std::string property = ToUtf8(lines[i].substr(2, colon - 2));
    for (std::size_t k = 2; k < colon; ++k)
      if (styles[i][k] != kProperty) {
        unpainted.push_back(property);
        break;
      }
    for (std::size_t k = colon + 2; k + 1 < lines[i].size(); ++k)
      if (styles[i][k] == kProperty) {
        paintedAsValue.push_back(property);
        break;
      }
  }
  EXPECT_TRUE(unpainted.empty()) << unpainted.size() << " not painted, first " << unpainted.front();
  EXPECT_TRUE(paintedAsValue.empty())
      << paintedAsValue.size() << " values painted as properties, first " << paintedAsValue.front();
}

}  // namespace
}  // namespace qs
