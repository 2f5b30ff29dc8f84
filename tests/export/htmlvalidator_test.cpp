#include "export/htmlvalidator.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <tuple>

#include "common/scratchdir.h"
#include "export/servercodemask.h"
#include "support/errors.h"
#include "support/utf8.h"

namespace qs {
namespace {

using Where = std::tuple<int, int, std::string>;  // line, column, severity

constexpr char32_t kHead[] = U"<!DOCTYPE html>\n<html>\n<head><title>t</title></head>\n<body>\n";

std::set<Where> Places(const std::vector<TValidationMessage>& messages) {
  std::set<Where> places;
  for (const TValidationMessage& m : messages)
    places.emplace(m.line, m.column, SeverityName(m.severity));
  return places;
}

// What the command-line checker reports for the same text with the server
// code masked, or nullopt where it is not installed.
std::optional<std::set<Where>> CommandLineChecker(StringView page) {
  if (std::system("command -v tidy >/dev/null 2>&1") != 0) return std::nullopt;
  testing::ScratchDir dir("validator");
  const std::string file = dir.File("page.html");
  std::ofstream(file, std::ios::binary) << ToUtf8(MaskServerCode(page));
  std::FILE* pipe = ::popen(("tidy -e -q " + file + " 2>&1").c_str(), "r");
  std::string output;
  char chunk[4096];
  while (std::size_t got = std::fread(chunk, 1, sizeof chunk, pipe)) output.append(chunk, got);
  ::pclose(pipe);
  const std::regex line(R"(line (\d+) column (\d+) - (\w+): )");
  std::set<Where> places;
  for (std::sregex_iterator it(output.begin(), output.end(), line), end; it != end; ++it) {
    std::string severity = (*it)[3];
    severity[0] = static_cast<char>(std::tolower(severity[0]));
    places.emplace(std::stoi((*it)[1]), std::stoi((*it)[2]), severity);
  }
  return places;
}

struct FaultyPage {
  const char* name;
  String body;
  Where expected;  // one finding the page must give
};

TEST(HtmlValidatorTest, FindsEachFaultWhereTheCommandLineCheckerDoes) {
  const FaultyPage pages[] = {
      {"unclosed element", U"<div>\n<p>text</p>\n</body>\n</html>\n", {5, 1, "warning"}},
      {"bad nesting", U"<p><b><i>x</b></i></p>\n</body>\n</html>\n", {5, 7, "warning"}},
      {"unknown attribute", U"<p foo=\"1\">x</p>\n</body>\n</html>\n", {5, 1, "warning"}},
      {"id used twice",
       U"<p id=\"a\">x</p>\n<p id=\"a\">y</p>\n</body>\n</html>\n",
       {6, 1, "warning"}},
      {"PHP inside attributes",
       U"<a href=\"<?php echo $url ?>\" title='<?= \"?>\" ?>'>x</a>\n<div>\n</body>\n</html>\n",
       {6, 1, "warning"}},
      {"tabs count as one column", U"\t<p>\t<b>x</p>\n</body>\n</html>\n", {5, 6, "warning"}},
  };
  for (const FaultyPage& page : pages) {
    SCOPED_TRACE(page.name);
    const String text = kHead + page.body;
    const std::set<Where> found = Places(ValidateHtml(text, {}));
    EXPECT_TRUE(found.contains(page.expected)) << ::testing::PrintToString(found);
    if (const auto reference = CommandLineChecker(text)) {
      EXPECT_EQ(found, *reference);
    }
  }
}

TEST(HtmlValidatorTest, ACleanPageGivesNoMessageAndServerCodeNoFalseOne) {
  EXPECT_TRUE(ValidateHtml(String(kHead) + U"<p>ok</p>\n</body>\n</html>\n", {}).empty());
  EXPECT_TRUE(
      ValidateHtml(String(kHead) +
                       U"<?php if ($a < $b) { echo '<div>'; } ?>\n<p>ok</p>\n"
                       U"<?php foreach ($x as $y): ?><p>\"<?= $y ?>\"</p><?php endforeach ?>\n"
                       U"</body>\n</html>\n",
                   {})
          .empty());
}

TEST(HtmlValidatorTest, OptionsChangeWhatIsReported) {
  const String page = String(kHead) + U"<p foo=\"1\"><img src=\"a.png\"></p>\n</body>\n</html>\n";
  TValidationOptions quiet;
  quiet.showWarnings = false;
  EXPECT_EQ(Places(ValidateHtml(page, {})),
            (std::set<Where>{{5, 1, "warning"}, {5, 12, "warning"}}));
  EXPECT_TRUE(ValidateHtml(page, quiet).empty());
  TValidationOptions access;
  access.accessibilityLevel = 1;
  const auto found = ValidateHtml(page, access);
  EXPECT_TRUE(std::any_of(found.begin(), found.end(), [](const TValidationMessage& m) {
    return m.severity == TValidationSeverity::Access && m.line == 5;
  })) << found.size();
  TValidationOptions wrong;
  wrong.doctype = U"no such doctype";
  EXPECT_THROW(ValidateHtml(page, wrong), Error);
}

TEST(HtmlValidatorTest, MessagesComeInTheOrderOfTheText) {
  const auto found =
      ValidateHtml(String(kHead) + U"<div>\n<p><b><i>x</b></i></p>\n</body>\n</html>\n", {});
  ASSERT_GE(found.size(), 2u);
  EXPECT_TRUE(std::is_sorted(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return std::pair(a.line, a.column) < std::pair(b.line, b.column);
  }));
}

TEST(ServerCodeMaskTest, BlanksServerCodeAndKeepsEveryPosition) {
  const struct {
    String in, out;
  } cases[] = {
      {U"<a href=\"<?= $u ?>\">", U"<a href=\"         \">"},
      {U"x<?php echo '?>'; ?>y", U"x" + String(19, U' ') + U"y"},
      {U"<?php // note ?>z", U"                z"},
      {U"<?php /* ?> */ ?>\r\nq", U"                 \r\nq"},
      {U"a<?php\nb", U"a     \n "},  // no end: to the end of the text
      {U"<?xml version=\"1.0\"?>\t", U"<?xml version=\"1.0\"?> "},
      {U"<?PHP $a ?>", U"           "},
  };
  for (const auto& c : cases) EXPECT_EQ(MaskServerCode(c.in), c.out) << ToUtf8(c.in);
}

}  // namespace
}  // namespace qs
