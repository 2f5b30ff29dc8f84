#include "app/codeexplorer.h"

#include <gtest/gtest.h>

#include <random>

#include "support/utf8.h"
#include "syntax/qsSyntax.h"
#include "syntax/qsparser.h"
#include "textmodel/qsstring.h"

namespace qs {
namespace {

// One node as "caption@line:column", children indented below it.
void Describe(const std::vector<TExplorerNode>& nodes, const std::string& indent,
              std::vector<std::string>& out) {
  for (const TExplorerNode& node : nodes) {
    out.push_back(indent + ToUtf8(NodeCaption(node)) + "@" + std::to_string(node.line) + ":" +
                  std::to_string(node.column));
    Describe(node.children, indent + "  ", out);
  }
}

std::vector<std::string> Describe(const std::vector<TExplorerNode>& nodes) {
  std::vector<std::string> out;
  Describe(nodes, "", out);
  return out;
}

struct ExplorerTest : ::testing::Test {
  void Open(const char* scheme, const std::vector<String>& lines) {
    TSyntaxScheme loaded;
    loaded.LoadFromFile(std::string(QUILLON_SOURCE_DIR) + "/syntaxschemes/" + scheme);
    parser.SetSyntaxScheme(loaded);
    for (const String& line : lines) doc.Lines().Insert(doc.LineCount(), line);
    doc.SetSyntaxParser(&parser);
  }
  std::vector<std::string> Tree() {
    explorer.Update();
    return Describe(explorer.Nodes());
  }
  // What an explorer that reads the whole document now finds.
  std::vector<std::string> FromScratch() {
    TCodeExplorer fresh(doc);
    fresh.Update();
    return Describe(fresh.Nodes());
  }

  TSyntaxParser parser;
  TMemoSource doc;
  TCodeExplorer explorer{doc};
};

TEST_F(ExplorerTest, PhpClassesHoldTheirMethodsAndOnlyDeclarationsCount) {
  Open("php.sch",
       {U"<?php", U"function top($a) { return fn($x) => $x; }",
        U"abstract class WP_Query extends Base {", U"  public function &get_posts() {",
        U"    $f = function ($p) { return $p; };", U"    $name = Base::class;", U"  }",
        U"  private static function", U"    parse_query() {}", U"}",
        U"$x = new class { function hidden() {} };",
        U"interface Countable { public function count(); }", U"function after() {}", U"?>"});
  EXPECT_EQ(Tree(),
            (std::vector<std::string>{"top()@1:9", "class WP_Query@2:15", "  get_posts()@3:19",
                                      "  parse_query()@8:4", "hidden()@10:26",
                                      "class Countable@11:10", "  count()@11:38", "after()@12:9"}));
}

TEST_F(ExplorerTest, APageGivesItsIdsSelectorsAndScriptFunctions) {
  Open("php.sch", {U"<html><body>", U"<style>", U"h1, h2 .x { color: red }",
                   U"@media print { #nav { display: none } }", U"</style>",
                   U"<div id=\"main\" class=\"c\"><p ID=intro>x</p></div>", U"<span",
                   U"   id='late'>y</span>", U"<script>", U"function show(a) { return a; }",
                   U"var hide = function () {};", U"</script>", U"</body></html>"});
  EXPECT_EQ(Tree(),
            (std::vector<std::string>{"h1, h2 .x@2:0", "#nav@3:15", "#main@5:9", "#intro@5:31",
                                      "#late@7:7", "show()@9:9", "hide()@10:4"}));
}

TEST_F(ExplorerTest, AStyleSheetGivesItsSelectors) {
  Open("css.sch", {U"body { margin: 0 }", U"/* a { } */", U"ul li,", U"ol > li { x: y; }",
                   U"@media screen { .wide { width: 100% } }"});
  EXPECT_EQ(Tree(), (std::vector<std::string>{"body@0:0", "ul li, ol > li@3:0", ".wide@4:16"}));
}

TEST_F(ExplorerTest, AnEditIsReadAgainOnlyWhereItChangedSomething) {
  std::vector<String> lines{U"<?php", U"class Big {"};
  for (int i = 0; i < 2000; ++i)
    lines.push_back(U"  function m" + FromUtf8(std::to_string(i)) + U"() {}");
  lines.push_back(U"}");
  Open("php.sch", lines);
  ASSERT_EQ(Tree().size(), 2001u);
  const std::int64_t before = explorer.ScannedLines();
  doc.Lines().Put(1000, U"  function renamed() {}");
  EXPECT_TRUE(explorer.Stale());
  EXPECT_EQ(Tree()[999], "  renamed()@1000:11");
  EXPECT_LE(explorer.ScannedLines() - before, 2);
  // An opened comment changes what every line below means: all are read.
  doc.Lines().Put(1000, U"  /*");
  EXPECT_EQ(Tree().size(), 999u);
  EXPECT_EQ(Tree(), FromScratch());
}

TEST_F(ExplorerTest, FollowsRandomEditsAsAFreshReadingWould) {
  Open("php.sch",
       {U"<?php", U"class A {", U"  function a() {}", U"}", U"?>", U"<div id=\"x\"></div>",
        U"<style>p { }</style>", U"<script>function s() {}</script>"});
  const std::vector<String> pieces{
      U"{",      U"}",        U"function f() {}", U"class K {", U"/*", U"*/",
      U"<?php",  U"?>",       U"id=\"q\"",        U"<b ",       U">",  U"\"",
      U"p, a {", U"<script>", U"</script>",       U"<style>"};
  std::mt19937 rng(11);
  for (int step = 0; step < 300; ++step) {
    const auto line = static_cast<std::int32_t>(rng() % static_cast<unsigned>(doc.LineCount()));
    String text(doc.StoredLine(line));
    switch (rng() % 3) {
      case 0:
        text.insert(text.empty() ? 0 : rng() % (text.size() + 1), pieces[rng() % pieces.size()]);
        doc.Lines().Put(line, text);
        break;
      case 1:
        doc.Lines().Insert(line, pieces[rng() % pieces.size()]);
        break;
      default:
        if (doc.LineCount() > 1) doc.Lines().Delete(line);
        break;
    }
    std::string shown;
    for (std::int32_t l = 0; l < doc.LineCount(); ++l) shown += ToUtf8(doc.StoredLine(l)) + "\n";
    ASSERT_EQ(Tree(), FromScratch()) << "step " << step << "\n" << shown;
  }
}

TEST_F(ExplorerTest, WithoutAHighlighterTheTreeIsEmpty) {
  doc.Lines().Insert(0, U"<?php function f() {} ?>");
  EXPECT_TRUE(Tree().empty());
  Open("php.sch", {});
  EXPECT_EQ(Tree(), (std::vector<std::string>{"f()@0:15"}));
}

}  // namespace
}  // namespace qs
