#include <gtest/gtest.h>

#include <map>

#include "syntax/compiledscheme.h"  // the stack limit
#include "syntax/qsparser.h"
#include "syntax/schemefixture.h"

namespace qs {
namespace {

using namespace fixtures;
using enum TBlockFlag;
using L = TTokenList;

// Attribute IDs of the test scheme and the letters a dump shows them as.
enum : int { kText = 1, kComment, kString, kInt, kFloat, kHex, kIdent, kKeyword, kSymbol, kDir };
char Letter(unsigned char id) {
  static const std::map<int, char> letters = {
      {kText, '.'},  {kComment, 'c'}, {kString, 's'}, {kInt, 'i'}, {kFloat, 'f'}, {kHex, 'h'},
      {kIdent, 'w'}, {kKeyword, 'K'}, {kSymbol, 'y'}, {kDir, 'd'}, {20, 'A'},     {21, 'B'}};
  const auto it = letters.find(id);
  return it == letters.end() ? '?' : it->second;
}

void UseAll(TSyntaxBlock& b) {
  for (TBlockFlag f :
       {UseSymbols, UseComments, UseSingleLineComments, UseMultiLineComments, UseFullLineComments,
        UseStrings, UseSingleLineStrings, UseMultiLineStrings, UseNumbers, UseIdentifiers})
    b.Set(f, true);
  b.SetAttr(TBlockAttr::FIText, kText);
  b.SetAttr(TBlockAttr::FIIntNum, kInt);
  b.SetAttr(TBlockAttr::FIFloatNum, kFloat);
  b.SetAttr(TBlockAttr::FIHexNum, kHex);
  b.SetAttr(TBlockAttr::FIIdentifier, kIdent);
  b.SetAttr(TBlockAttr::FISymbol, kSymbol);
  b.SetAttr(TBlockAttr::FIDirective, kDir);
}

// A C-like root block: // and /* */ comments, "..." and `...` strings, REM
// full-line comments, # directives, keywords if/else.
void CLike(TSyntaxBlock& b) {
  UseAll(b);
  AddStarter(b, L::SingleLineCommentDelimiters, U"//", kComment);
  AddPair(b, L::MultiLineCommentDelimiters, U"/*", U"*/", kComment);
  AddStarter(b, L::FullLineCommentDelimiters, U"REM", kComment);
  AddPair(b, L::SingleLineStringDelimiters, U"\"", U"\"", kString);
  AddPair(b, L::MultiLineStringDelimiters, U"`", U"`", kString);
  AddKeywords(b, U"IF,else", kKeyword);
  b.Set(UseLineDirectives, true);
  b.SetLineDirectivePrefix(U"#");
  b.Set(UseMetaSymbol, true);
  b.SetMetaSymbol(U'\\');
}

class Engine : public ::testing::Test {
 protected:
  Engine() {
    s.SetSyntaxVersion(3);
    CLike(Root());
  }
  TSyntaxBlock& Root() { return s.SyntaxBlocks().Items(0); }

  // Highlights lines in order; returns the dumps and leaves the end states.
  std::vector<std::string> Run(const std::vector<String>& lines, std::uint32_t state = 0) {
    parser.SetSyntaxScheme(s);
    ends.clear();
    std::vector<std::string> dumps;
    for (const String& line : lines) {
      std::string bytes(line.size(), '\0');
      state = static_cast<std::uint32_t>(
          parser.ParseLine(line, static_cast<std::int32_t>(state), false, bytes));
      ends.push_back(state);
      std::string d;
      for (char c : bytes) d += Letter(static_cast<unsigned char>(c));
      dumps.push_back(d);
    }
    return dumps;
  }
  std::string One(const String& line) { return Run({line}).front(); }
  static int Pending(std::uint32_t state) { return (state >> 8) & 0xFF; }
  static int StackOf(std::uint32_t state) { return state >> 24; }

  TSyntaxScheme s;
  TSyntaxParser parser;
  std::vector<std::uint32_t> ends;
};

TEST_F(Engine, TokenRulesOnOneLine) {
  const std::pair<String, std::string> cases[] = {
      {U"x = 12 + 1.5e3;", "w.y.ii.y.fffffy"},
      {U"1.5e 1.", "fffw.ff"},
      {U"0x1F", "iwww"},
      {U"if If IF iff", "KK.KK.KK.www"},
      {U"a // rest \"x\"", "w.ccccccccccc"},
      {U"REMARK = 1", "wwwwww.y.i"},
      {U"REM note", "cccccccc"},
      {U"x REM note", "w.www.wwww"},
      {U"\"a\\\"b\" c", "ssssss.w"},
      {U"\"a\\\\\" c", "sssss.w"},
      {U"#define X 1", "ddddddddddd"},
      {U"x #define", "w.ywwwwww"},  // only after text or comments
      {U"#if /* c */ x", "ddddcccccccdd"},
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(One(line), expected) << ToUtf8(line);
}

TEST_F(Engine, SchemeWithoutRulesGivesTextEverywhere) {
  TSyntaxScheme bare;
  bare.SyntaxBlocks().Items(0).SetAttr(TBlockAttr::FIText, kText);
  s.Assign(bare);
  EXPECT_EQ(Run({U"a /* \"b\" 1", U"c"}), (std::vector<std::string>{"..........", "."}));
  EXPECT_EQ(ends, (std::vector<std::uint32_t>{0, 0}));
}

TEST_F(Engine, MultiLineConstructsCarryOver) {
  EXPECT_EQ(Run({U"a /* b", U"c d", U"e */ f"}),
            (std::vector<std::string>{"w.cccc", "ccc", "cccc.w"}));
  EXPECT_EQ(Pending(ends[0]), 1);
  EXPECT_EQ(Pending(ends[1]), 1);
  EXPECT_EQ(Pending(ends[2]), 0);
  // A single-line string ends with its line unless a meta symbol continues it.
  EXPECT_EQ(Run({U"\"open", U"x"}), (std::vector<std::string>{"sssss", "w"}));
  EXPECT_EQ(Run({U"\"open\\", U"x\" y"}), (std::vector<std::string>{"ssssss", "ss.w"}));
  EXPECT_EQ(Run({U"\"open\\\\", U"x"}), (std::vector<std::string>{"sssssss", "w"}));
  Root().Set(UseMetaToWrapLines, false);
  EXPECT_EQ(Run({U"\"open\\", U"x"}), (std::vector<std::string>{"ssssss", "w"}));
}

TEST_F(Engine, EmptyLinesEndLineBoundConstructs) {
  // A continued string or directive does not jump over an empty line...
  Run({U"\"open\\", U"", U"x"});
  EXPECT_EQ(Pending(ends[0]), 2);
  EXPECT_EQ(Pending(ends[1]), 0);
  Run({U"#define X \\", U"", U"x"});
  EXPECT_EQ(Pending(ends[0]), 4);
  EXPECT_EQ(Pending(ends[1]), 0);
  // ...but a comment or multi-line string does.
  Run({U"/* a", U""});
  EXPECT_EQ(Pending(ends[1]), 1);
  Run({U"`b", U""});
  EXPECT_EQ(Pending(ends[1]), 3);
}

TEST_F(Engine, EscapedDelimiterAtLineEndKeepsMultiLineStringOpen) {
  EXPECT_EQ(Run({U"`a\\`", U"b` c"}), (std::vector<std::string>{"ssss", "ss.w"}));
  EXPECT_EQ(Pending(ends[0]), 3);
}

TEST_F(Engine, RejectedCloserSearchesOnForALaterOne) {
  AddPair(Root(), L::MultiLineCommentDelimiters, U"%%", U"end", kComment);
  EXPECT_EQ(One(U"%% legend end x"), "ccccccccccccc.w");
  EXPECT_EQ(One(U"%% bend"), "ccccccc");
  EXPECT_EQ(Pending(ends[0]), 1);
}

TEST_F(Engine, KeywordsAreWholeWordsEvenWithOddIdentifierCharacters) {
  CharSet other = DefaultOtherIdentChars();
  other.Add(U',');
  other.Add(U' ');
  Root().SetOtherIdentChars(other);
  Root().KeywordSets().Items(0).SetKeywords(U"if,else \"x y\"");
  EXPECT_EQ(One(U"if,else"), "wwwwwww");
  EXPECT_EQ(One(U"else"), "KKKK");
  Root().Set(CaseSensitive, true);
  EXPECT_EQ(One(U"IF"), "ww");
  EXPECT_EQ(One(U"x y"), "KKK");
}

TEST_F(Engine, StaleStatesAreCheckedBeforeUse) {
  // A stack index beyond the list, or a pending item the block lacks, is dropped.
  Run({U"x"}, (7u << 24) | (1u << 8));
  EXPECT_EQ(ends[0], 0u);
  Run({U"x"}, (1u << 8) | 9u);
  EXPECT_EQ(ends[0], 0u);
  Run({U""}, (1u << 8) | 0u);  // a valid pending comment survives an empty line
  EXPECT_EQ(ends[0], 1u << 8);
  Run({U"x"}, 9u << 8);
  EXPECT_EQ(ends[0], 0u);
}

TEST_F(Engine, ResetFlagAndTokenAt) {
  parser.SetSyntaxScheme(s);
  const String line = U"a \"bc\" if";
  TTokenInfo t = parser.TokenAt(line, 0, 3, false);
  EXPECT_EQ(t.tokenId, tkSingleLineString);
  EXPECT_EQ(t.attr, kString);
  EXPECT_EQ(t.item, 0);
  t = parser.TokenAt(line, 0, 8, false);
  EXPECT_EQ(t.tokenId, tkKeyword);
  EXPECT_EQ(t.item, 0);
  t = parser.TokenAt(line, 0, -1, false);
  EXPECT_EQ(t.tokenId, tkText);
  // From inside a comment, the reset flag starts afresh.
  EXPECT_EQ(parser.TokenAt(U"x", 1 << 8, 0, false).tokenId, tkMultiLineComment);
  EXPECT_EQ(parser.TokenAt(U"x", 1 << 8, 0, true).tokenId, tkIdentifier);
}

TEST_F(Engine, TokensAreReportedOnceWithTheirText) {
  parser.SetSyntaxScheme(s);
  std::vector<std::pair<int, String>> got;
  parser.OnGetToken = [&](TSyntaxParser&, int id, StringView text) {
    got.emplace_back(id, String(text));
  };
  std::string bytes(12, '\0');
  parser.ParseLine(U"x /* y */ 1;", 0, false, bytes);
  EXPECT_EQ(got, (std::vector<std::pair<int, String>>{
                     {10, U"x"}, {0, U" "}, {2, U"/* y */"}, {0, U" "}, {7, U"1"}, {12, U";"}}));
}

TEST_F(Engine, AffixItemsWithAnAttributeMarkTheirIdentifiers) {
  Root().Set(UsePrefixedIdentifiers, true);
  AddStarter(Root(), L::IdentPrefixes, U"$", 20);
  AddStarter(Root(), L::IdentPrefixes, U"@", -1);  // no attribute: an identifier
  Root().Set(UseSuffixedIdentifiers, true);
  AddStarter(Root(), L::IdentSuffixes, U"!", 21);
  const std::pair<String, std::string> cases[] = {
      {U"$a + @b", "AA.y.ww"},
      {U"$else", "AAAAA"},  // the affixed text is what a keyword set is asked about
      {U"$ x", "y.w"},      // a prefix without an identifier stays a symbol
      {U"go! else!", "BBB.BBBBB"},
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(One(line), expected) << ToUtf8(line);
  Root().KeywordSets().Items(0).SetKeywords(U"$this,go!");
  EXPECT_EQ(One(U"$this $that go!"), "KKKKK.AAAAA.KKK");

  Root().Set(UsePrefixedSuffixedIdentifiers, true);
  AddPair(Root(), L::IdentPrefixesSuffixes, U"&", U";", 21);
  EXPECT_EQ(One(U"&amp; & x;"), "BBBBB.y.wy");
}

// ---- Blocks ------------------------------------------------------------------

class Blocks : public Engine {
 protected:
  Blocks() { s.SyntaxBlocks().Items(0).Set(UseComments, false); }
  TSyntaxBlock& Child(int id, int parent, StringView l, StringView r, bool part, int text) {
    TSyntaxBlock& b = AddBlock(s, id, parent, l, r, part);
    b.SetAttr(TBlockAttr::FIText, text);
    return b;
  }
};

TEST_F(Blocks, PartOfBlockDelimitersBelongToTheChild) {
  Child(1, 0, U"<", U">", true, 20);
  EXPECT_EQ(One(U"x<a>y"), "wAAAw");
  EXPECT_EQ(One(U"<a><b>"), "AAAAAA");  // back-to-back pairs end
  EXPECT_EQ(StackOf(ends[0]), 0);
  EXPECT_EQ(Run({U"x<a", U"b>y"}), (std::vector<std::string>{"wAA", "AAw"}));
  EXPECT_NE(StackOf(ends[0]), 0);
}

TEST_F(Blocks, OtherDelimitersBelongToTheParent) {
  Child(1, 0, U"<?", U"?>", false, 20);
  EXPECT_EQ(One(U"a<?b?>c"), "wyyAyyw");
  EXPECT_EQ(One(U"<?"
                U"?>"),
            "yyyy");
  EXPECT_EQ(StackOf(ends[0]), 0);
}

TEST_F(Blocks, FirstListedChildWins) {
  Child(1, 0, U"<", U">", true, 20);
  Child(2, 0, U"<", U">", true, 21);
  EXPECT_EQ(One(U"<a>"), "AAA");
}

TEST_F(Blocks, SelfParentsAndParentCyclesEnd) {
  Child(1, 1, U"(", U")", true, 20);  // inside itself only: never entered
  EXPECT_EQ(One(U"(x)"),
            "y"
            "w"
            "y");
  TSyntaxScheme cyc;
  cyc.SetSyntaxVersion(3);
  cyc.SyntaxBlocks().Items(0).SetParentID(2);
  TSyntaxBlock& a = AddBlock(cyc, 1, 0, U"[", U"]", true);
  a.SetAttr(TBlockAttr::FIText, 20);
  TSyntaxBlock& b = AddBlock(cyc, 2, 1, U"[", U"]", false);
  b.SetAttr(TBlockAttr::FIText, 21);
  cyc.SyntaxBlocks().Items(0).BlockDelimiters().Add().SetLeftDelimiter(U"[");
  cyc.SyntaxBlocks().Items(0).BlockDelimiters().Items(0).SetRightDelimiter(U"]");
  s.Assign(cyc);
  const std::string d = One(U"[[[[x]]]]");
  EXPECT_EQ(d.size(), 9u);
}

// A value inside a rule: it ends at its own closer, or where the rule's
// closer starts, which then ends the rule too.
TEST_F(Blocks, ABlockThatEndsWithItsParentGivesWayToTheParentsCloser) {
  Child(1, 0, U"{", U"}", true, 20);
  TSyntaxBlock& value = Child(2, 1, U":", U";", true, 21);
  value.Set(EndsWithParent, true);
  value.Set(UseStrings, true);
  value.Set(UseSingleLineStrings, true);
  AddPair(value, L::SingleLineStringDelimiters, U"\"", U"\"", 21);
  const std::pair<String, std::string> cases[] = {
      {U"a{b:c;d:e}f", "wAABBBABBAw"},
      {U"a{b:c}f", "wAABBAw"},
      {U"a{b:\"}\"}f", "wAABBBBAw"},  // a string of the value keeps the closer
      {U"{:}{:}", "ABAABA"},
  };
  for (const auto& [line, expected] : cases) {
    EXPECT_EQ(One(line), expected) << ToUtf8(line);
    EXPECT_EQ(StackOf(ends[0]), 0) << ToUtf8(line);
  }
  EXPECT_EQ(Run({U"{a:", U"b}c"}), (std::vector<std::string>{"AAB", "BAw"}));
  // Without the switch the rule's closer is value text.
  value.Set(EndsWithParent, false);
  EXPECT_EQ(One(U"a{b:c}f"), "wAABBBB");
}

TEST_F(Blocks, InternedStacksAreCappedAndRefuseFurtherPushes) {
  // The root and a child inside each other: every nesting depth is a new stack.
  Child(1, 0, U"(", U")", true, 20);
  TSyntaxBlock& root = s.SyntaxBlocks().Items(0);
  root.SetParentID(1);
  TDelimiters& d = root.BlockDelimiters().Add();
  d.SetLeftDelimiter(U"(");
  d.SetRightDelimiter(U")");
  d.SetDelimitersArePartOfBlock(true);
  String deep(300, U'(');
  Run({deep});
  EXPECT_EQ(parser.SyntaxScheme().Compiled().StackCount(), kMaxStacks);
  EXPECT_LT(StackOf(ends[0]), static_cast<int>(kMaxStacks));
  // The state still decodes to a stack that exists, and closing unwinds it.
  String close(300, U')');
  std::string bytes(close.size(), '\0');
  const auto end = static_cast<std::uint32_t>(
      parser.ParseLine(close, static_cast<std::int32_t>(ends[0]), false, bytes));
  EXPECT_EQ(StackOf(end), 0);
}

}  // namespace
}  // namespace qs
