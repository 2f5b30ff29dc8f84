// Where an embedded block ends when its closer stands inside one of its own
// tokens: a closer of the enclosing language (not part of the block) ends
// every token, as markup ends a script inside a string; a closer that is part
// of the block ends only comments that run to the end of the line, as a
// server script ends in a line comment but not in a string.
#include <gtest/gtest.h>

#include "support/utf8.h"
#include "syntax/qsparser.h"
#include "syntax/schemefixture.h"

namespace qs {
namespace {

using namespace fixtures;
using enum TBlockFlag;
using L = TTokenList;

// Attribute IDs: 1..3 root, script and code text; 4/5 comment and string of
// the script, 6/7 those of the code.
void Rules(TSyntaxBlock& b, int text, int comment, int string) {
  for (TBlockFlag f : {UseComments, UseSingleLineComments, UseMultiLineComments,
                       UseFullLineComments, UseStrings, UseSingleLineStrings, UseMultiLineStrings})
    b.Set(f, true);
  b.SetAttr(TBlockAttr::FIText, text);
  AddStarter(b, L::SingleLineCommentDelimiters, U"//", comment);
  AddStarter(b, L::FullLineCommentDelimiters, U"%", comment);
  AddPair(b, L::MultiLineCommentDelimiters, U"/*", U"*/", comment);
  AddPair(b, L::SingleLineStringDelimiters, U"\"", U"\"", string);
  AddPair(b, L::MultiLineStringDelimiters, U"`", U"`", string);
}

class Closers : public ::testing::Test {
 protected:
  Closers() {
    s.SetSyntaxVersion(3);
    s.SyntaxBlocks().Items(0).SetAttr(TBlockAttr::FIText, 1);
    Rules(AddBlock(s, 1, 0, U"<s>", U"</s>", false), 2, 4, 5);
    Rules(AddBlock(s, 2, 0, U"<?", U"?>", true), 3, 6, 7);
    parser.SetSyntaxScheme(s);
  }

  // Digits of the style bytes of each line, highlighted in order.
  std::vector<std::string> Run(const std::vector<String>& lines) {
    std::vector<std::string> out;
    std::int32_t state = 0;
    ends.clear();
    for (const String& line : lines) {
      std::string bytes(line.size(), '\0');
      state = parser.ParseLine(line, state, false, bytes);
      ends.push_back(static_cast<std::uint32_t>(state));
      std::string d;
      for (char c : bytes) d += static_cast<char>('0' + c);
      out.push_back(d);
    }
    return out;
  }

  TSyntaxScheme s;
  TSyntaxParser parser;
  std::vector<std::uint32_t> ends;
};

TEST_F(Closers, TheEnclosingLanguagesCloserEndsEveryToken) {
  const std::pair<String, std::string> cases[] = {
      {U"<s>a\"b</s>c", "11125511111"},    // inside a string
      {U"<s>a`b</s>c", "11125511111"},     // inside a multi-line string
      {U"<s>a/*b</s>c", "111244411111"},   // inside a multi-line comment
      {U"<s>a//b</s>c", "111244411111"},   // inside a line comment
      {U"<s>\"</s>c", "111511111"},        // right after a string starter
      {U"<s>\"a\"</s>\"", "11155511111"},  // a string before it is not touched
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(Run({text}).front(), expected) << ToUtf8(text);
    EXPECT_EQ(ends[0], 0u) << ToUtf8(text);
  }
}

TEST_F(Closers, AConstructOpenFromAnEarlierLineEndsAtTheCloser) {
  EXPECT_EQ(Run({U"<s>/*", U"a</s>b", U"c"}), (std::vector<std::string>{"11144", "411111", "1"}));
  EXPECT_EQ(ends[2], 0u);
  EXPECT_EQ(Run({U"<s>`", U"</s>b"}), (std::vector<std::string>{"1115", "11111"}));
  EXPECT_EQ(ends[1], 0u);
  // A full-line comment (only first on its line) ends there too.
  EXPECT_EQ(Run({U"<s>", U"%b</s>c"}), (std::vector<std::string>{"111", "4411111"}));
  EXPECT_EQ(ends[1], 0u);
}

TEST_F(Closers, APartOfBlockCloserEndsOnlyLineComments) {
  const std::pair<String, std::string> cases[] = {
      {U"<?a//b?>c", "333666331"},            // ends a line comment
      {U"<?\"a?>\"?>c", "3377777331"},        // not a string
      {U"<?/*?>*/?>c", "33666666331"},        // nor a comment with its own end
      {U"<?// x ?> y ?>", "33666663311111"},  // the first closer counts
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(Run({text}).front(), expected) << ToUtf8(text);
    EXPECT_EQ(ends[0], 0u) << ToUtf8(text);
  }
  EXPECT_EQ(Run({U"<?", U"%b?>c"}), (std::vector<std::string>{"33", "66331"}));
  EXPECT_EQ(ends[1], 0u);
  // Without a closer on the line the comment still runs to its end.
  EXPECT_EQ(Run({U"<?// x", U"y?>z"}), (std::vector<std::string>{"336666", "3331"}));
}

}  // namespace
}  // namespace qs

namespace qs {
namespace {

// The digits of one line's style bytes, highlighted from the root state;
// `end` receives the state the line ends in.
std::string LineDigits(TSyntaxParser& parser, const String& text, std::int32_t& end) {
  std::string bytes(text.size(), '\0');
  end = parser.ParseLine(text, 0, false, bytes);
  std::string d;
  for (char c : bytes) d += static_cast<char>('0' + c);
  return d;
}

// A tag that starts right where a longer closer ended is not closed by the
// tail of that closer.
TEST(CloserTails, DoNotEndTheNextBlock) {
  TSyntaxScheme s;
  s.SetSyntaxVersion(3);
  s.SyntaxBlocks().Items(0).SetAttr(TBlockAttr::FIText, 1);
  fixtures::AddBlock(s, 1, 0, U"<?", U"?>", true).SetAttr(TBlockAttr::FIText, 2);
  fixtures::AddBlock(s, 2, 0, U"<", U">", true).SetAttr(TBlockAttr::FIText, 3);
  TSyntaxParser parser;
  parser.SetSyntaxScheme(s);
  const std::pair<String, std::string> cases[] = {
      {U"<?a?><b>c", "222223331"},
      {U"<a><b>c", "3333331"},
      {U"<?a?>b", "222221"},
  };
  for (const auto& [text, expected] : cases) {
    std::int32_t end = -1;
    EXPECT_EQ(LineDigits(parser, text, end), expected) << ToUtf8(text);
    EXPECT_EQ(end, 0) << ToUtf8(text);
  }
}

// A closer with letters ends its block in either case unless the side that
// compares it (the block for a closer that is part of it, else the enclosing
// language) tells case apart.
TEST(CloserCase, FollowsTheComparingSidesCaseRule) {
  TSyntaxScheme s;
  s.SetSyntaxVersion(3);
  s.SyntaxBlocks().Items(0).SetAttr(TBlockAttr::FIText, 1);
  fixtures::AddBlock(s, 1, 0, U"{", U"eNd", true).SetAttr(TBlockAttr::FIText, 2);
  fixtures::AddBlock(s, 2, 0, U"(", U"Stop", false).SetAttr(TBlockAttr::FIText, 3);
  TSyntaxBlock& exact = fixtures::AddBlock(s, 3, 0, U"[", U"eNd", true);
  exact.SetAttr(TBlockAttr::FIText, 4);
  exact.Set(TBlockFlag::CaseSensitive, true);
  TSyntaxParser parser;
  parser.SetSyntaxScheme(s);
  const std::tuple<String, std::string, bool> cases[] = {
      {U"{a END}", "2222221", true},     {U"{a end}", "2222221", true},
      {U"(x STOP)y", "133111111", true}, {U"(x stop)y", "133111111", true},
      {U"[a END]", "4444444", false},    {U"[a eNd]", "4444441", true},
  };
  for (const auto& [text, expected, closes] : cases) {
    std::int32_t end = -1;
    EXPECT_EQ(LineDigits(parser, text, end), expected) << ToUtf8(text);
    EXPECT_EQ(end == 0, closes) << ToUtf8(text);
  }
}

}  // namespace
}  // namespace qs
