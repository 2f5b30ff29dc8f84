// Each shipped scheme highlights its sample file as the checked-in dump says.
// Set QUILLON_UPDATE_GOLDEN=1 to rewrite the dumps after a reviewed change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "support/utf8.h"
#include "syntax/qsparser.h"

namespace qs {
namespace {

const std::string kRoot = QUILLON_SOURCE_DIR;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::vector<String> SplitLines(const std::string& text) {
  std::vector<String> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(FromUtf8(line));
  }
  return lines;
}

// One letter per text style, so that a dump reads like the screen would.
char StyleLetter(const String& style) {
  static const std::map<String, char> letters = {
      {U"Whitespace", '.'},        {U"String", 's'},           {U"Comment", 'c'},
      {U"Identifier", 'i'},        {U"Integer", 'n'},          {U"Float", 'f'},
      {U"Hexadecimal", 'h'},       {U"Reserved words 1", 'K'}, {U"Reserved words 2", 'k'},
      {U"Reserved words 3", 'r'},  {U"Delimiters", 'o'},       {U"Defines", 'd'},
      {U"Html tags", 'T'},         {U"Html keywords", 'N'},    {U"Html params", 'p'},
      {U"Html preformatted", 'x'}, {U"System Variable", 'v'},  {U"Url", 'U'}};
  const auto it = letters.find(style);
  return it == letters.end() ? '?' : it->second;
}

char BlockLetter(int index) {
  static const std::string digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  return index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : '+';
}

std::string Dump(const TSyntaxScheme& scheme, const std::vector<String>& lines) {
  TSyntaxParser parser;
  parser.SetSyntaxScheme(scheme);
  const TSyntaxScheme& s = parser.SyntaxScheme();
  std::string out = "# blocks:";
  for (int i = 0; i < s.SyntaxBlocks().Count(); ++i)
    out += std::string(" ") + BlockLetter(i) + "=" + ToUtf8(s.SyntaxBlocks().Items(i).Name());
  out += "\n# each line: text, its styles, the block of each style\n";
  std::int32_t state = 0;
  for (const String& line : lines) {
    std::string bytes(line.size(), '\0');
    state = parser.ParseLine(line, state, false, bytes);
    std::string styles, blocks;
    for (char b : bytes) {
      const TAttrItem& attr = s.AttrOf(static_cast<unsigned char>(b));
      styles += StyleLetter(attr.GlobalAttrID());
      blocks += BlockLetter(s.IndexOfBlock(attr.BlockID()));
    }
    out += "  | " + ToUtf8(line) + "\n" + "  | " + styles + "\n" + "  | " + blocks + "\n";
  }
  return out;
}

struct Golden {
  const char* scheme;
  const char* sample;
};

class SchemeGolden : public ::testing::TestWithParam<Golden> {};

TEST_P(SchemeGolden, SampleMatchesItsDump) {
  TSyntaxScheme scheme;
  scheme.LoadFromFile(kRoot + "/syntaxschemes/" + GetParam().scheme);
  const std::string dir = kRoot + "/tests/syntax/golden/";
  const std::string sample = dir + GetParam().sample;
  const std::string dump = Dump(scheme, SplitLines(ReadFile(sample)));
  const std::string expectedPath = sample + ".dump";
  if (std::getenv("QUILLON_UPDATE_GOLDEN")) std::ofstream(expectedPath, std::ios::binary) << dump;
  EXPECT_EQ(dump, ReadFile(expectedPath)) << "see " << expectedPath;
}

TEST_P(SchemeGolden, SchemeSavesAndReloadsToTheSameScheme) {
  TSyntaxScheme first;
  first.LoadFromFile(kRoot + "/syntaxschemes/" + GetParam().scheme);
  EXPECT_FALSE(first.Name().empty());
  EXPECT_FALSE(first.Extensions().empty());
  EXPECT_GE(first.CodeTemplates().Count(), 2);
  const std::string path = ::testing::TempDir() + "/" + GetParam().scheme;
  first.SaveToFile(path);
  TSyntaxScheme second;
  second.LoadFromFile(path);
  EXPECT_EQ(second.SaveToText(), first.SaveToText());
  // Every attribute a block names exists, and ties to a text style.
  for (int i = 0; i < second.FontTable().Count(); ++i)
    EXPECT_NE(StyleLetter(second.FontTable().Items(i).GlobalAttrID()), '?');
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, SchemeGolden,
    ::testing::Values(Golden{"html.sch", "sample.html"}, Golden{"php.sch", "sample.php"},
                      Golden{"ssi.sch", "sample.shtml"}, Golden{"css.sch", "sample.css"},
                      Golden{"xml.sch", "sample.xml"}, Golden{"javascript.sch", "sample.js"},
                      Golden{"vbscript.sch", "sample.vbs"}, Golden{"java.sch", "sample.java"},
                      Golden{"sql.sch", "sample.sql"}, Golden{"log.sch", "sample.log"},
                      Golden{"text.sch", "sample.txt"}),
    [](const auto& info) {
      std::string n = info.param.sample;
      return n.substr(n.find('.') + 1);
    });

}  // namespace
}  // namespace qs
