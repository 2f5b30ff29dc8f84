// Jumping between partner brackets, past brackets in strings.
#include <gtest/gtest.h>

#include "sourcefixture.h"

namespace qs {
namespace {

using test::Fill;

// Text between double quotes gets style 5 (a string); the quotes themselves
// and all else style 10 (delimiters) or 0, so only quoted text is not code.
class QuoteParser : public TSimpleParser {
 public:
  std::string_view ClassName() const override { return "TQuoteParser"; }
  std::int32_t ParseLine(StringView text, std::int32_t state, bool,
                         std::string& styleBytes) override {
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == U'"') {
        state = !state;
        styleBytes[i] = 10;
      } else {
        styleBytes[i] = state ? 5 : (text[i] == U' ' ? 0 : 10);
      }
    }
    return state;
  }
};

struct BracketCase {
  const char* name;
  std::initializer_list<std::string_view> lines;
  TPosition caret;
  TPosition expected;
};

TEST(MatchBracket, FindsThePartnerCountingNestingAndSkippingStrings) {
  const BracketCase cases[] = {
      {"forward over a nested pair", {"f(a(b)c)"}, {0, 1}, {0, 7}},
      {"backward over a nested pair", {"f(a(b)c)"}, {0, 7}, {0, 1}},
      {"inner pair", {"f(a(b)c)"}, {0, 3}, {0, 5}},
      {"closing bracket in a string skipped", {"(a \")\" b)"}, {0, 0}, {0, 8}},
      {"opening bracket in a string skipped", {"(a \"(\" b)"}, {0, 8}, {0, 0}},
      {"across lines forward", {"x {", "  {a}", "}"}, {0, 2}, {2, 0}},
      {"across lines backward", {"x {", "  {a}", "}"}, {2, 0}, {0, 2}},
      {"across a string spanning lines", {"[\"", "]\"", "]"}, {0, 0}, {2, 0}},
      {"other kinds of bracket ignored", {"<[(>)]"}, {0, 0}, {0, 3}},
      {"no partner: caret stays", {"((a)"}, {0, 0}, {0, 0}},
      {"not a bracket: caret stays", {"a(b)"}, {0, 0}, {0, 0}},
      {"bracket inside a string: caret stays", {"\"(\" )"}, {0, 1}, {0, 1}},
      {"caret past the line end stays", {"()"}, {0, 5}, {0, 5}},
      {"caret below the text stays", {"()"}, {3, 0}, {3, 0}},
  };
  for (const BracketCase& c : cases) {
    TMemoSource s;
    s.SetOptions(TStringsOptions{soBeyondFileEnd});
    QuoteParser parser;
    s.SetSyntaxParser(&parser);
    Fill(s, c.lines);
    s.SetCaretPos(c.caret.Column, c.caret.Line);
    ASSERT_EQ(s.Caret(), c.caret) << c.name;
    s.MatchBracket();
    EXPECT_EQ(s.Caret(), c.expected) << c.name;
  }
}

TEST(MatchBracket, WithoutHighlighterEveryBracketCounts) {
  TMemoSource s;
  Fill(s, {"(\")\")"});
  s.MatchBracket();
  EXPECT_EQ(s.Caret(), (TPosition{0, 2}));
}

TEST(MatchBracket, LandsOnTheExpandedColumnPastTabs) {
  TMemoSource s;
  s.SetOptions(TStringsOptions{soUseTabCharacter});
  Fill(s, {"(\t\tx)"});
  s.MatchBracket();
  EXPECT_EQ(static_cast<std::size_t>(s.CaretColumn()), s.ExpandedLine(0).find(U')'));
  EXPECT_GT(s.CaretColumn(), 4);  // a stored index would be 4
  s.MatchBracket();
  EXPECT_EQ(s.Caret(), (TPosition{0, 0}));
}

TEST(MatchBracket, StartsFromASingleSelectedCharacter) {
  TMemoSource s;
  s.SetOptions(TStringsOptions{soPersistentBlocks});
  Fill(s, {"a(b)c"});
  s.SelectRange(stStreamSel, 3, 0, 4, 0);  // the ')' with the caret after it
  s.MatchBracket();
  EXPECT_EQ(s.Caret(), (TPosition{0, 1}));

  // A wider selection does not pick a character: the caret's own counts.
  s.SelectRange(stStreamSel, 1, 0, 4, 0);
  s.SetCaretPos(1, 0);
  s.MatchBracket();
  EXPECT_EQ(s.Caret(), (TPosition{0, 3}));
}

TEST(MatchBracket, TheJumpIsOneUndoableCaretMove) {
  TMemoSource s;
  Fill(s, {"(", ")"});
  s.MatchBracket();
  ASSERT_EQ(s.Caret(), (TPosition{1, 0}));
  s.Undo();
  EXPECT_EQ(s.Caret(), (TPosition{0, 0}));
}

}  // namespace
}  // namespace qs
