// Template lookup by prefix, the display list and insertion.
#include <gtest/gtest.h>

#include "sourcefixture.h"
#include "textmodel/codetemplates.h"

namespace qs {
namespace {

using test::Fill;
using test::StoredLines;
using Lines = std::vector<std::string>;

void AddTemplate(TMemoCodeTemplates& c, StringView name, StringVector code = {U"x"}) {
  TMemoCodeTemplate& t = c.Add();
  t.SetName(String(name));
  t.SetDescription(U"about " + String(name));
  t.SetCode(code);
}

TEST(CodeTemplates, PrefixLookup) {
  TMemoCodeTemplates forFirst;
  for (StringView n : {U"for", U"forin", U"fori"}) AddTemplate(forFirst, n);
  TMemoCodeTemplates forSecond;
  for (StringView n : {U"forin", U"For"}) AddTemplate(forSecond, n);
  struct Case {
    const TMemoCodeTemplates* templates;
    StringView prefix;
    bool exact;
    std::vector<int> found;
  };
  const Case cases[] = {
      {&forFirst, U"for", true, {0}},
      {&forFirst, U"FO", false, {0, 1, 2}},
      {&forFirst, U"zz", false, {0, 1, 2}},
      {&forFirst, U"", false, {0, 1, 2}},
      {&forSecond, U"for", false, {0, 1}},
      {&forFirst, U"fori", false, {1, 2}},  // forin comes first and is not exact
  };
  for (const Case& c : cases) {
    std::vector<int> found;
    EXPECT_EQ(FindTemplates(*c.templates, c.prefix, found), c.exact) << test::S(c.prefix);
    EXPECT_EQ(found, c.found) << test::S(c.prefix);
  }
  TStringList display;
  EXPECT_EQ(ListTemplates(forFirst, display, U"for"), 0);
  ASSERT_EQ(display.Count(), 1);
  EXPECT_EQ(test::S(display.Get(0)), "about for|~for~");
  EXPECT_EQ(ListTemplates(forFirst, display, U"fo"), -1);
  EXPECT_EQ(TemplateIndexOf(display, 2), 2);
}

TEST(CodeTemplates, ExchangeChecksItsIndexes) {
  TMemoCodeTemplates c;
  for (StringView n : {U"a", U"b", U"c"}) AddTemplate(c, n);
  EXPECT_TRUE(ExchangeTemplates(c, 0, 2));
  EXPECT_EQ(test::S(c.Items(0).Name()) + test::S(c.Items(1).Name()) + test::S(c.Items(2).Name()),
            "cba");
  EXPECT_FALSE(ExchangeTemplates(c, 1, 3));
  EXPECT_FALSE(ExchangeTemplates(c, -1, 0));
}

TEST(CodeTemplates, InsertionIndentsLaterLinesAndPutsTheCaretAtTheBar) {
  TMemoSource s;
  Fill(s, {"    "});
  s.SetCaretPos(4, 0);
  TMemoCodeTemplate& t = s.CodeTemplates().Add();
  t.SetCode({U"if {", U"  |", U"}"});
  InsertTemplate(s, t);
  EXPECT_EQ(StoredLines(s), (Lines{"    if {", "      ", "    }"}));
  EXPECT_EQ(s.Caret(), (TPosition{1, 6}));
  EXPECT_FALSE(s.HasSelection());
  s.Undo();
  EXPECT_EQ(StoredLines(s), Lines{"    "});
}

TEST(CodeTemplates, TheCaretTargetIsMeasuredAfterTabConversion) {
  TMemoSource s;  // TABs become SpacesInTab (8) spaces
  TMemoCodeTemplate& t = s.CodeTemplates().Add();
  t.SetCode({U"\ta|b"});
  InsertTemplate(s, t);
  EXPECT_EQ(StoredLines(s), Lines{"        ab"});
  EXPECT_EQ(s.Caret(), (TPosition{0, 9}));
}

TEST(CodeTemplates, TheTemplateKeyNeedsATypeAndAnExactPrefix) {
  TMemoSource s;
  AddTemplate(s.CodeTemplates(), U"for", {U"for (|)"});
  Fill(s, {"for"});
  s.SelectRange(stStreamSel, 0, 0, 3, 0);
  EXPECT_EQ(ExpandTemplate(s), -1);  // "None"
  EXPECT_EQ(StoredLines(s), Lines{"for"});
  s.SetTemplatesType(U"NoSuchType");
  EXPECT_EQ(test::S(s.TemplatesType()), "None");
  s.SetTemplatesType(U"Custom");
  EXPECT_EQ(ExpandTemplate(s), 0);
  EXPECT_EQ(StoredLines(s), Lines{"for ()"});
  EXPECT_EQ(s.Caret(), (TPosition{0, 5}));
}

}  // namespace
}  // namespace qs
