// The scheme editor's text rules: the file name it offers and the keyword
// lists it keeps.
#include <gtest/gtest.h>

#include "dialogs/keywordlist.h"
#include "dialogs/schemefilename.h"
#include "support/utf8.h"

namespace qs {
namespace {

TEST(SchemeFileNameTest, KeepsLettersAndDigitsAndJoinsTheRestWithOneUnderscore) {
  const struct {
    const char32_t* name;
    const char* file;
  } cases[] = {
      {U"Perl (CGI) Script", "Perl_CGI_Script.sch"},
      {U"Two  spaces", "Two_spaces.sch"},
      {U"  C++  ", "C.sch"},
      {U"a_b", "a_b.sch"},
      {U"Übung 2", "bung_2.sch"},
      {U"(*)", "scheme.sch"},
      {U"", "scheme.sch"},
  };
  for (const auto& c : cases) EXPECT_EQ(SuggestSchemeFileName(c.name), c.file) << ToUtf8(c.name);
}

std::vector<std::string> Items(const TKeywordList& list) {
  std::vector<std::string> items;
  for (const String& item : list.Items()) items.push_back(ToUtf8(item));
  return items;
}

TEST(KeywordListTest, KeepsKeywordsSortedAndUnique) {
  TKeywordList list(U"while,if,Echo,echo,if");
  EXPECT_EQ(Items(list), (std::vector<std::string>{"Echo", "echo", "if", "while"}));
  EXPECT_EQ(list.Add(U"  else "), 2) << "trimmed, and placed in order";
  EXPECT_EQ(list.Add(U"if"), 3) << "a keyword already there is only found";
  EXPECT_EQ(list.Add(U"   "), -1);
  EXPECT_EQ(list.Items().size(), 5u);
  EXPECT_EQ(list.Replace(0, U"while"), -1) << "not into a duplicate";
  EXPECT_EQ(list.Replace(0, U"zzz"), 4);
  list.Remove({0, 3, 3});
  EXPECT_EQ(Items(list), (std::vector<std::string>{"else", "if", "zzz"}));
}

TEST(KeywordListTest, CommaTextAndFileLinesReadBackAsTheSameKeywords) {
  TKeywordList list;
  for (const char32_t* keyword : {U"a,b", U"say \"hi\"", U"plain"}) list.Add(keyword);
  EXPECT_EQ(TKeywordList(list.CommaText()).Items(), list.Items());
  // A keyword file: one a line, in any order, with repeats and blank lines.
  EXPECT_EQ(Items(TKeywordList(U"zeta\r\nalpha\n\nzeta\nbeta\n")),
            (std::vector<std::string>{"alpha", "beta", "zeta"}));
  EXPECT_EQ(TKeywordList(U"b,a").Lines(), U"a\nb\n");
}

}  // namespace
}  // namespace qs
