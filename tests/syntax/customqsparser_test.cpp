// The table-driven tokenizer: the default table, the generic scanners, saved
// positions, and that no input makes it read past the end of its text.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/errors.h"
#include "syntax/customqsparser.h"

namespace qs {
namespace {

// A copy of text in a buffer of exactly its size and the NUL after it, so the
// sanitizers see any read past the end.
class ExactText {
 public:
  explicit ExactText(std::string_view text)
      : m_bytes(new char[text.size() + 1]), m_size(text.size()) {
    std::copy(text.begin(), text.end(), m_bytes.get());
    m_bytes[text.size()] = '\0';
  }
  const char* data() const { return m_bytes.get(); }
  std::size_t size() const { return m_size; }

 private:
  std::unique_ptr<char[]> m_bytes;
  std::size_t m_size;
};

// The default table plus numbers and both kinds of quotes, as a reader would
// set them up.
class TestParser : public TCustomQSParser {
 public:
  explicit TestParser(std::string_view text) : m_text(text) {
    InitTables();
    SetCharHandler("0123456789", NumberHandler);
    SetCharHandler("'", QuotedHandler, '\'');
    SetCharHandler("\"", QuotedHandler, '"');
    SetSource(m_text.data(), m_text.size());
  }

 private:
  ExactText m_text;
};

struct Token {
  std::int32_t kind;
  std::string text;
  bool operator==(const Token&) const = default;
};

std::vector<Token> TokensOf(TCustomQSParser& p) {
  std::vector<Token> tokens;
  while (p.NextToken() != pkEnd) tokens.push_back({p.TokenKind(), p.TokenString()});
  return tokens;
}

void PrintTo(const Token& t, std::ostream* os) {
  *os << "{" << t.kind << ", \"" << t.text << "\"}";
}

TEST(CustomQSParser, TokensOfTheDefaultTableAndTheScanners) {
  const struct {
    std::string input;
    std::vector<Token> tokens;
  } cases[] = {
      {"", {}},
      {" \t \t", {}},
      {"A\r\nB", {{pkSymbol, "A"}, {pkSymbol, "B"}}},
      {"1.5e+3", {{pkFloat, "1.5e+3"}}},
      {"1.a", {{pkInteger, "1"}, {pkSymbol, "."}, {pkSymbol, "a"}}},
      {"12e", {{pkFloat, "12e"}}},
      {"7E-", {{pkFloat, "7E-"}}},
      {"'it''s'", {{pkString, "'it''s'"}}},
      {"'open\r\nx", {{pkString, "'open"}, {pkSymbol, "x"}}},
      {"\"end", {{pkString, "\"end"}}},
      {std::string("a\0b", 3), {{pkSymbol, "a"}, {pkSymbol, "b"}}},
  };
  for (const auto& c : cases) {
    TestParser p(c.input);
    EXPECT_EQ(TokensOf(p), c.tokens) << "input: " << c.input;
    EXPECT_TRUE(p.AtEnd());
  }
}

TEST(CustomQSParser, LineBreakPairsCountOnceAndPositionsAreOneBased) {
  const struct {
    std::string input;
    std::int32_t line;
  } cases[] = {{"A\r\nB", 2}, {"A\n\rB", 2}, {"A\rB", 2},
               {"A\nB", 2},   {"A\r\rB", 3}, {"A\n\nB", 3}};
  for (const auto& c : cases) {
    TestParser p(c.input);
    p.NextToken();
    p.NextToken();
    EXPECT_EQ(p.TokenString(), "B");
    EXPECT_EQ(p.TokenPosition().Line, c.line) << c.input;
    EXPECT_EQ(p.TokenPosition().Column, 1) << c.input;
  }
}

TEST(CustomQSParser, UnclosedStringIsReportedAndSavedWithThePosition) {
  TestParser p("'open\n'shut' x");
  p.NextToken();
  EXPECT_TRUE(p.StringUnclosed);
  p.SaveState();
  p.NextToken();
  EXPECT_EQ(p.TokenString(), "'shut'");
  EXPECT_FALSE(p.StringUnclosed);
  p.RestoreState();
  EXPECT_TRUE(p.StringUnclosed);
  EXPECT_EQ(p.TokenString(), "'open");
}

TEST(CustomQSParser, PeekLeavesEveryPartOfThePositionAlone) {
  TestParser p("a\nbc 12");
  p.NextToken();
  p.NextToken();
  p.ScanState = 0;
  const char* start = p.TokenStart();
  const char* pos = p.ScanPos();
  const std::int32_t line = p.LineNumber();
  EXPECT_EQ(p.PeekTokenString(), "c");
  EXPECT_EQ(p.TokenString(), "b");
  EXPECT_EQ(p.TokenStart(), start);
  EXPECT_EQ(p.ScanPos(), pos);
  EXPECT_EQ(p.LineNumber(), line);
  EXPECT_EQ(p.TokenKind(), pkSymbol);
}

TEST(CustomQSParser, RestoringWithoutASavedPositionNamesWhereItHappened) {
  TestParser p("x\n  y");
  p.NextToken();
  p.NextToken();
  try {
    p.RestoreState();
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Token list is empty at Line:2, Char:3. ");
  }
}

TEST(CustomQSParser, AHandlerThatDoesNotMoveCostsOneByteAndAStateWithoutTableSkipsAll) {
  TestParser p("abc");
  p.SetCharHandler("b", [](TCustomQSParser&, std::intptr_t) { return pkNone; });
  EXPECT_EQ(TokensOf(p), (std::vector<Token>{{pkSymbol, "a"}, {pkSymbol, "c"}}));

  TestParser q("abc");
  q.ScanState = 9;  // no table was ever made for it
  EXPECT_EQ(q.NextToken(), pkEnd);
}

TEST(CustomQSParser, ReservedWordsAreTrimmedSortedAndFoundWithoutCase) {
  TestParser p("");
  p.SetReservedWords({" \\par ", "\\b", "", "\\PAR", "\\Fs"});
  EXPECT_EQ(p.SortedWords(), (std::vector<std::string>{"\\b", "\\Fs", "\\par"}));
  EXPECT_EQ(p.FindWord("\\fS"), 1);
  EXPECT_EQ(p.FindWord("\\Par"), 2);
  EXPECT_EQ(p.FindWord("\\pa"), -1);
}

}  // namespace
}  // namespace qs
