// Attribute-keeping mode: style bytes are document content that edits carry
// with the text and undo and redo bring back.
#include <gtest/gtest.h>

#include "sourcefixture.h"

namespace qs {
namespace {

using test::Fill;
using test::StoredLines;
using Lines = std::vector<std::string>;

// A highlighter whose style bytes are content: parsing only fits them to
// the text, as a rich-attribute highlighter does.
class KeepingParser : public TSimpleParser {
 public:
  std::string_view ClassName() const override { return "TKeepingParser"; }
  bool KeepsStyleBytes() const override { return keeps; }
  void PrepareStyleBytes(std::int32_t, StringView text, std::string& styleBytes) override {
    if (keeps)
      styleBytes.resize(text.size(), '\0');
    else
      styleBytes.assign(text.size(), '\0');
  }
  std::int32_t ParseLine(StringView, std::int32_t state, bool, std::string&) override {
    return state;
  }
  bool keeps = true;
};

// One style byte per character, written as digits: "3344" is 3, 3, 4, 4.
std::string B(std::string_view digits) {
  std::string out;
  for (char c : digits) out.push_back(static_cast<char>(c == 'u' ? 17 : c - '0'));
  return out;
}

class AttributeKeeping : public ::testing::Test {
 protected:
  // Lines with their attributes (digits, one per character).
  void Load(std::initializer_list<std::pair<std::string_view, std::string_view>> lines) {
    TStringList list;
    for (const auto& [text, bytes] : lines) list.Add(test::U(text));
    s.Lines().Assign(list);
    s.SetSyntaxParser(&parser);
    std::int32_t l = 0;
    for (const auto& [text, bytes] : lines) s.GetLineItem(l++)->StyleBytes = B(bytes);
    s.ClearUndo();
    s.ResetModified();
  }
  std::vector<std::string> Bytes() {
    std::vector<std::string> out;
    for (std::int32_t l = 0; l < s.LineCount(); ++l) out.push_back(s.GetStyleBytes(l));
    return out;
  }
  using ByteLines = std::vector<std::string>;
  ByteLines Expect(std::initializer_list<std::string_view> digits) {
    ByteLines out;
    for (std::string_view d : digits) out.push_back(B(d));
    return out;
  }
  void UndoAll() {
    while (s.CanUndo()) s.Undo();
  }
  void RedoAll() {
    while (s.CanRedo()) s.Redo();
  }

  TMemoSource s;
  KeepingParser parser;
};

TEST_F(AttributeKeeping, AttributeAtReadsTheCharacterBeforeTheColumnPastUrls) {
  s.SetOptions(TStringsOptions{soUseTabCharacter});
  Load({{"ab", "34"}, {"", ""}, {"xwww", "5uuu"}, {"wwz", "uu6"}, {"\tq", "72"}});
  struct Case {
    std::int32_t column, line;
    int expected;
  };
  const Case cases[] = {
      {0, 0, 3}, {1, 0, 3}, {2, 0, 4}, {9, 0, 4},  // past the end: the last character
      {0, 1, 0},                                   // no style bytes
      {0, 9, 0},                                   // no such line
      {4, 2, 5},                                   // after an address: what precedes it
      {0, 3, 0}, {2, 3, 0}, {3, 3, 6},             // an address at the start: nothing before
      {5, 4, 7},                                   // a TAB's byte covers its fill
  };
  for (const Case& c : cases)
    EXPECT_EQ(s.AttributeAt(c.column, c.line), c.expected) << c.column << "," << c.line;
  const auto afterTab = static_cast<std::int32_t>(s.ExpandedLine(4).size());
  EXPECT_EQ(s.AttributeAt(afterTab - 1, 4), 7);
  EXPECT_EQ(s.AttributeAt(afterTab, 4), 2);
  s.SetTypingAttribute(9);
  EXPECT_EQ(s.AttributeAt(1, 0), 9);
  EXPECT_EQ(s.AttributeAt(1, 9), 0);
}

TEST_F(AttributeKeeping, TypedTextTakesTheAttributeBeforeTheCaretAndPadsTakeItToo) {
  Load({{"ab", "34"}});
  s.SetCaretPos(1, 0);
  s.TypeChar(U'x');  // after a: 3
  s.SetCaretPos(6, 0);
  s.TypeChar(U'y');  // pads and y after b: 4
  EXPECT_EQ(StoredLines(s), Lines{"axb   y"});
  EXPECT_EQ(Bytes(), Expect({"3344444"}));
  s.SetTypingAttribute(8);
  s.SetCaretPos(0, 0);
  EXPECT_EQ(s.InsertTextWithStyle(U"pq", B("1")), 2);  // given bytes, padded with 0
  s.InsertText(U"t");
  EXPECT_EQ(Bytes(), Expect({"8103344444"}));
  UndoAll();
  EXPECT_EQ(Bytes(), Expect({"34"}));
  RedoAll();
  EXPECT_EQ(Bytes(), Expect({"8103344444"}));
}

TEST_F(AttributeKeeping, TypingOverASelectionTakesTheAttributeAtTheCaretBeforeTheDeletion) {
  s.SetOptions(TStringsOptions{soOverwriteBlocks});
  Load({{"abcd", "1234"}});
  s.SelectRange(stStreamSel, 1, 0, 3, 0);
  s.SetCaretPos(3, 0);  // after c, as selecting rightwards leaves it
  s.SetTypingAttribute(-1);
  s.TypeChar(U'x');
  EXPECT_EQ(StoredLines(s), Lines{"axd"});
  EXPECT_EQ(Bytes(), Expect({"134"}));
  EXPECT_EQ(s.TypingAttribute(), -1);  // the saved value is put back
  s.Undo();
  EXPECT_EQ(Bytes(), Expect({"1234"}));
}

TEST_F(AttributeKeeping, DeletedCharactersComeBackWithTheirAttributes) {
  Load({{"abcd", "1234"}, {"ef", "56"}});
  s.SetCaretPos(1, 0);
  s.DeleteChars(2);
  EXPECT_EQ(Bytes(), Expect({"14", "56"}));
  s.SetCaretPos(0, 1);
  s.BackSpace();  // joins: the next line's bytes follow
  EXPECT_EQ(Bytes(), Expect({"1456"}));
  UndoAll();
  EXPECT_EQ(StoredLines(s), (Lines{"abcd", "ef"}));
  EXPECT_EQ(Bytes(), Expect({"1234", "56"}));
  RedoAll();
  EXPECT_EQ(Bytes(), Expect({"1456"}));
}

TEST_F(AttributeKeeping, BreakMovesTheTailsBytesAndSetsTheTypingAttribute) {
  Load({{"ab", "34"}});
  s.SetCaretPos(1, 0);
  s.InsertLineBreak();
  EXPECT_EQ(Bytes(), Expect({"3", "4"}));
  EXPECT_EQ(s.TypingAttribute(), 4);
  EXPECT_TRUE(s.KeepTypingAttribute());
  s.SetCaretPos(0, 1);
  s.TypeChar(U'x');
  EXPECT_EQ(Bytes(), Expect({"3", "44"}));
  // Once the control resets it, typing takes the byte before the caret.
  s.SetTypingAttribute(-1);
  s.SetCaretPos(1, 0);
  s.TypeChar(U'y');
  EXPECT_EQ(Bytes(), Expect({"33", "44"}));

  Load({{"ab", "34"}});
  s.SetCaretPos(2, 0);
  s.InsertLineBreak();  // nothing moves: the line's last byte
  EXPECT_EQ(s.TypingAttribute(), 4);
  s.Undo();
  EXPECT_EQ(Bytes(), Expect({"34"}));
}

TEST_F(AttributeKeeping, JoinPadsWithTheLastByteAndUndoSplitsThemBack) {
  Load({{"ab", "34"}, {"cd", "56"}, {"", ""}, {"e", "7"}});
  s.SetOptions(TStringsOptions{});  // pads are allowed past the end
  s.SetCaretPos(4, 0);
  s.JoinLine();
  EXPECT_EQ(StoredLines(s), (Lines{"ab  cd", "", "e"}));
  EXPECT_EQ(Bytes(), Expect({"344456", "", "7"}));
  s.SetCaretPos(0, 1);
  s.JoinLine();  // an empty line takes the next one's bytes
  EXPECT_EQ(Bytes(), Expect({"344456", "7"}));
  UndoAll();
  EXPECT_EQ(Bytes(), Expect({"34", "56", "", "7"}));
}

TEST_F(AttributeKeeping, BlockDeleteCopyAndMoveKeepTheBytesThroughUndoAndRedo) {
  Load({{"abc", "123"}, {"def", "456"}, {"ghi", "789"}, {"jkl", "123"}});
  s.SelectRange(stStreamSel, 1, 0, 1, 3);  // whole lines 1 and 2 inside
  s.DeleteBlock();
  EXPECT_EQ(StoredLines(s), Lines{"akl"});
  EXPECT_EQ(Bytes(), Expect({"123"}));
  s.Undo();
  EXPECT_EQ(Bytes(), Expect({"123", "456", "789", "123"}));
  s.Redo();
  s.Undo();
  EXPECT_EQ(Bytes(), Expect({"123", "456", "789", "123"}));

  s.SetOptions(TStringsOptions{soPersistentBlocks});
  s.SelectRange(stBlockSel, 1, 0, 1, 2);
  s.SetCaretPos(3, 3);
  s.MoveBlock();  // moved text takes the attribute where it lands
  EXPECT_EQ(StoredLines(s), (Lines{"ac", "df", "gi", "jklb", "   e", "   h"}));
  EXPECT_EQ(Bytes(), Expect({"13", "46", "79", "1233", "0000", "0000"}));
  s.SelectRange(stStreamSel, 0, 0, 1, 1);
  s.SetCaretPos(0, 2);
  s.CopyBlock();
  EXPECT_EQ(StoredLines(s)[2], "ac");
  UndoAll();
  EXPECT_EQ(StoredLines(s), (Lines{"abc", "def", "ghi", "jkl"}));
  EXPECT_EQ(Bytes(), Expect({"123", "456", "789", "123"}));
}

TEST_F(AttributeKeeping, CaseChangesKeepTheBytesAndIndentTakesTheFirstOne) {
  Load({{"abc", "123"}, {"de", "45"}});
  s.SelectRange(stStreamSel, 1, 0, 2, 1);
  s.UpperCaseBlock();
  EXPECT_EQ(StoredLines(s), (Lines{"aBC", "DE"}));
  EXPECT_EQ(Bytes(), Expect({"123", "45"}));
  s.SetBlockIndent(2);
  s.IndentBlock();
  EXPECT_EQ(Bytes(), Expect({"11123", "4445"}));
  s.UnindentBlock();
  s.QuoteBlock();
  EXPECT_EQ(Bytes(), Expect({"1123", "445"}));
  UndoAll();
  EXPECT_EQ(StoredLines(s), (Lines{"abc", "de"}));
  EXPECT_EQ(Bytes(), Expect({"123", "45"}));
}

TEST_F(AttributeKeeping, ReplacedBytesAreOneUndoableStepAndEqualBytesNone) {
  Load({{"abcd", "1111"}});
  s.ReplaceStyleBytes(0, 2, B("22"));
  EXPECT_EQ(Bytes(), Expect({"1221"}));
  ASSERT_EQ(s.UndoRecords().Count(), 1);
  EXPECT_EQ(s.UndoRecords()[0].Kind, ukStyleReplaced);
  s.ReplaceStyleBytes(0, 2, B("22"));   // unchanged: no record
  s.ReplaceStyleBytes(0, 4, B("333"));  // cut at the line's end
  s.ReplaceStyleBytes(0, 9, B("3"));    // past the end: nothing
  EXPECT_EQ(Bytes(), Expect({"1223"}));
  EXPECT_EQ(s.UndoRecords().Count(), 2);
  EXPECT_FALSE(s.DocModified());  // attributes alone do not modify
  s.Undo();
  s.Undo();
  EXPECT_EQ(Bytes(), Expect({"1111"}));
  s.Redo();
  s.Redo();
  EXPECT_EQ(Bytes(), Expect({"1223"}));
}

TEST_F(AttributeKeeping, OutsideTheModeBytesAreRebuiltNotCarried) {
  parser.keeps = false;
  Load({{"ab", "34"}});
  s.SetCaretPos(1, 0);
  s.InsertText(U"x");
  EXPECT_EQ(Bytes(), Expect({"000"}));
  const std::int32_t records = s.UndoRecords().Count();
  s.ReplaceStyleBytes(0, 1, B("5"));  // a plain highlighter's bytes are not undoable
  EXPECT_EQ(s.UndoRecords().Count(), records);
}

TEST(WholeLineDeletion, UndoBringsBackTheLinesDataAndStyleBytes) {
  for (const bool keeping : {false, true}) {
    TMemoSource s;
    KeepingParser parser;
    parser.keeps = keeping;
    Fill(s, {"one", "two", "three", "four"});
    s.SetSyntaxParser(&parser);
    s.GetLineItem(1)->SetLineData("data of two");
    s.GetLineItem(2)->StyleBytes = B("12345");
    s.SelectRange(stStreamSel, 1, 0, 1, 3);
    s.DeleteBlock();
    ASSERT_EQ(StoredLines(s), Lines{"oour"});
    s.Undo();
    ASSERT_EQ(StoredLines(s), (Lines{"one", "two", "three", "four"})) << keeping;
    EXPECT_EQ(s.GetLineItem(1)->LineData(), "data of two") << keeping;
    EXPECT_EQ(s.GetLineItem(2)->LineData(), "") << keeping;
    if (keeping) {
      EXPECT_EQ(s.GetStyleBytes(2), B("12345"));
    }
    s.Redo();
    s.Undo();
    EXPECT_EQ(s.GetLineItem(1)->LineData(), "data of two") << keeping;
  }
}

}  // namespace
}  // namespace qs
