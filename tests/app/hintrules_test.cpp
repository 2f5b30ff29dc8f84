// The rules under the function hints and context help: the bold argument,
// function list files and their names, the style attribute test and the
// topic tables.
#include <gtest/gtest.h>

#include "app/callfinder.h"
#include "app/functionlists.h"
#include "app/helptopics.h"
#include "app/hinttext.h"
#include "platform/memoryfilesystem.h"
#include "support/utf8.h"

namespace qs {
namespace {

TEST(HintText, TheArgumentAfterTheNthBracketOrCommaIsMarked) {
  const StringView decl = U"string substr(string $s, int $start [, int $length])";
  const struct {
    int argument;
    const char32_t* expected;
  } cases[] = {
      {1, U"string substr(~string $s~, int $start [, int $length])"},
      {2, U"string substr(string $s, ~int $start ~[, int $length])"},
      {3, U"string substr(string $s, int $start [, ~int $length~])"},
      {4, U"string substr(string $s, int $start [, int $length])"},
      {5, U"string substr(string $s, int $start [, int $length])"},
      {0, U"string substr(string $s, int $start [, int $length])"},
  };
  for (const auto& c : cases) EXPECT_EQ(MarkArgument(decl, c.argument), c.expected) << c.argument;
  EXPECT_EQ(MarkArgument(U"<table>", 1), U"<table>") << "no brackets, nothing to mark";
  EXPECT_EQ(FunctionHintText(U"f(a) - Does it - twice", 1), U"f(~a~)\r\nDoes it - twice");
  EXPECT_EQ(FunctionHintText(U"f(a)", 1), U"f(~a~)\r\n");
  EXPECT_EQ(ArgumentPart(U"int f(a, b) x(c)"), U"(a, b)");
  EXPECT_EQ(ArgumentPart(U"<table>"), U"");
  EXPECT_EQ(ArgumentPart(U"f(a"), U"");
}

TEST(FunctionLists, ListsAreReadOnceByASafeNameAndLookedUpIgnoringCase) {
  MemoryFileSystem files;
  files.CreateDirectories("/data");
  files.WriteFileAtomic("/data/php.ini",
                        "strlen=int strlen(string $s) - Length.\r\nSubStr=x\n=bare\n");
  files.WriteFileAtomic("/secret.ini", "leak=yes\n");
  TFunctionLists lists(files, "/data");

  const TFunctionsListItem& php = lists.GetFunctionList(U"PHP");
  ASSERT_TRUE(php.HasNames());
  EXPECT_EQ(*php.names, (std::vector<String>{U"strlen", U"SubStr", U""}));
  EXPECT_EQ(php.ValueOf(U"STRLEN"), String(U"int strlen(string $s) - Length."));
  EXPECT_EQ(php.ValueOf(U"substr"), String(U"x"));
  EXPECT_FALSE(php.ValueOf(U"strpos").has_value());

  // The file is not read again during the run.
  files.WriteFileAtomic("/data/php.ini", "other=y\n");
  EXPECT_EQ(&lists.GetFunctionList(U"php"), &php);
  EXPECT_TRUE(lists.GetFunctionList(U"php").ValueOf(U"strlen").has_value());

  EXPECT_FALSE(lists.GetFunctionList(U"vbscript").HasNames()) << "no file: no list";
  EXPECT_FALSE(lists.GetFunctionList(U"../secret").HasNames()) << "never outside the folder";
  EXPECT_EQ(FileLanguageName(U"../Secret Tag/x"), U"secrettagx");
  EXPECT_EQ(FileLanguageName(U"c-sharp_2"), U"c-sharp_2");
}

TEST(CallFinder, BlockNamesBecomeLanguages) {
  EXPECT_EQ(LanguageOfBlock(U"PHP"), U"php");
  EXPECT_EQ(LanguageOfBlock(U"Attribute value"), U"html");
  EXPECT_EQ(LanguageOfBlock(U"Style tag"), U"html");
  EXPECT_EQ(LanguageOfBlock(U"Declarations"), U"css");
  EXPECT_EQ(LanguageOfBlock(U"Default"), U"");
  EXPECT_EQ(LanguageOfBlock(U"../etc"), U"etc");
}

TEST(HelpTopics, TheStyleAttributeTest) {
  const struct {
    const char32_t* line;
    bool inside;
  } cases[] = {
      {U"<p style=\"color: red; padd", true},
      {U"<p STYLE = \"padd", true},
      {U"<p data-style=\"padd", false},
      {U"<p class=\"x\" title=\"padd", false},
      {U"<p style=\"a\"><b class=\"padd", false},
      {U"no tag style=\"padd", true},
      {U"<p style", false},
      {U"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(InsideStyleAttribute(c.line), c.inside) << ToUtf8(c.line);
}

TEST(HelpTopics, WordsAndTheirPages) {
  MemoryFileSystem files;
  files.CreateDirectories("/data");
  files.WriteFileAtomic("/data/php.ini", "str_replace=x\n");
  TFunctionLists lists(files, "/data");
  const TFunctionsListItem& php = lists.GetFunctionList(U"php");

  EXPECT_EQ(TopicWord(U"!\"DOCTYPE\""), U"doctype");
  EXPECT_EQ(PhpTopic(U"server_name", php)->page,
            "en/reserved.variables.html#reserved.variables.server");
  EXPECT_EQ(PhpTopic(U"elseif", php)->page, "en/control-structures.elseif.html");
  EXPECT_EQ(PhpTopic(U"str_replace", php)->page, "en/function.str-replace.html");
  EXPECT_FALSE(PhpTopic(U"strpos", php).has_value());
  EXPECT_FALSE(PhpTopic(U"", php).has_value());
  EXPECT_FALSE(PhpTopic(U"_get|_post", php).has_value()) << "a word is matched whole";
  EXPECT_EQ(CssTopic(U"url")->page, "units.html#urls");
  EXPECT_EQ(CssTopic(U"list-style")->page, "classification/list-style.html");
  EXPECT_EQ(HtmlTopic(U"h1")->book, THelpBook::Html);
  EXPECT_FALSE(HtmlTopic(U"blink").has_value());
}

}  // namespace
}  // namespace qs
