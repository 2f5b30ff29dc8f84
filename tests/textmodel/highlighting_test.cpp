#include <gtest/gtest.h>

#include "sourcefixture.h"
#include "textmodel/attributesource.h"

namespace qs {
namespace {

using test::Fill;
using test::U;

// A highlighter that styles every character 1 and carries a count of '{' minus
// '}' over lines as its state.
class BraceParser : public TSimpleParser {
 public:
  std::string_view ClassName() const override { return name; }
  std::int32_t ParseLine(StringView text, std::int32_t state, bool,
                         std::string& styleBytes) override {
    ++parsed;
    for (std::size_t i = 0; i < text.size(); ++i) {
      styleBytes[i] = 1;
      state += text[i] == U'{' ? 1 : text[i] == U'}' ? -1 : 0;
    }
    return state;
  }
  int parsed = 0;
  std::string_view name = "TNullParser";
};

// A reader that asks for a line's bytes gets them as they are after every
// edit, without a view having parsed ahead for it first.
TEST(Highlighting, StyleBytesOfALineBelowAnEditAreCurrent) {
  TMemoSource source;
  Fill(source, {"a", "b", "c"});
  BraceParser parser;
  source.SetSyntaxParser(&parser);
  source.ParseLines(0, 2, false);
  source.SetCaretPos(1, 0);
  source.InsertText(U"{");  // line 0 now ends in state 1: the lines below start in it
  ASSERT_TRUE(source.GetLineItem(2)->IsParsed());
  source.GetStyleBytes(2);
  EXPECT_EQ(source.GetLineItem(1)->StartState, 1);
  EXPECT_EQ(source.GetLineItem(2)->StartState, 1);
}

TEST(Highlighting, LinesAreParsedOnceAndStatesRippleDown) {
  TMemoSource source;
  Fill(source, {"a {", "b", "}"});
  BraceParser parser;
  source.SetSyntaxParser(&parser);
  EXPECT_EQ(source.ParseLines(0, 10, false), 2);  // line 2 ends in its old state, 0
  EXPECT_EQ(parser.parsed, 3);
  EXPECT_EQ(source.GetLineItem(1)->StartState, 1);
  EXPECT_EQ(source.GetLineItem(2)->EndState, 0);
  EXPECT_EQ(source.GetLineItem(0)->StyleBytes, std::string(3, '\1'));
  EXPECT_EQ(source.ParseLines(0, 2, false), 0);  // nothing to do
  EXPECT_EQ(parser.parsed, 3);
  EXPECT_EQ(source.FirstUnparsed(), 3);
  source.Lines().Put(0, U"a");  // the state after line 0 changes: the rest is reparsed
  EXPECT_EQ(source.ParseLines(0, 2, false), 3);
  EXPECT_EQ(source.GetLineItem(2)->EndState, -1);
}

TEST(Highlighting, AParsingRangeAheadOfTheMarkDoesNotSkipLines) {
  TMemoSource source;
  Fill(source, {"a", "b", "c", "d"});
  BraceParser parser;
  source.SetSyntaxParser(&parser);
  source.ParseLines(2, 3, false);
  EXPECT_EQ(source.FirstUnparsed(), 0);
}

// Bytes that name attributes of their own, as the scheme highlighter's do.
class AttributedParser : public BraceParser, public IAttributeSource {
 public:
  const IAttributeSource* AttributeSource() const noexcept override { return this; }
  TAttributeLook AttributeLook(std::int32_t) const override { return {}; }
};

TEST(Highlighting, ADestroyedHighlighterIsDropped) {
  TMemoSource source;
  Fill(source, {"x"});
  test::Recorder rec(source);
  {
    AttributedParser parser;
    source.SetSyntaxParser(&parser);
    EXPECT_TRUE(source.IsSchemeParser());
    EXPECT_TRUE(rec.Last().changes.Has(msParserChanged));
  }
  EXPECT_EQ(source.SyntaxParser(), nullptr);
  EXPECT_FALSE(source.IsSchemeParser());
  EXPECT_EQ(source.ParseLines(0, 0, false), 0);
}

// The views paint with the attribute source, so the document asks the same
// question: a highlighter's name decides nothing.
TEST(Highlighting, TheSchemeHighlighterIsTheOneWithAnAttributeSource) {
  TMemoSource source;
  BraceParser named;
  named.name = "TSyntaxParser";
  source.SetSyntaxParser(&named);
  EXPECT_FALSE(source.IsSchemeParser());
  AttributedParser attributed;
  source.SetSyntaxParser(&attributed);
  EXPECT_TRUE(source.IsSchemeParser());
}

TEST(Highlighting, ASchemeChangeResetsEveryLine) {
  TMemoSource source;
  Fill(source, {"a", "b"});
  BraceParser parser;
  source.SetSyntaxParser(&parser);
  source.ParseLines(0, 1, false);
  source.GetLineItem(1)->DisplayLen = 7;
  parser.NotifyClients();
  EXPECT_FALSE(source.GetLineItem(0)->IsParsed());
  EXPECT_EQ(source.GetLineItem(1)->DisplayLen, 0);
  EXPECT_EQ(source.FirstUnparsed(), 0);
}

TEST(Highlighting, WithoutAHighlighterOnlyAForcedPassRunsTheHooks) {
  TMemoSource source;
  Fill(source, {"ab", "c"});
  std::vector<std::int32_t> measured;
  source.OnMeasureLine = [&](TCustomMemoSource&, std::int32_t line, TStringItem& item) {
    measured.push_back(line);
    item.DisplayLen = static_cast<std::int32_t>(item.Text().size()) * 10;
  };
  source.ParseLines(0, 1, false);
  EXPECT_TRUE(measured.empty());
  source.ParseLines(0, 1, true);
  EXPECT_EQ(measured, (std::vector<std::int32_t>{0, 1}));
  EXPECT_TRUE(source.GetLineItem(0)->IsParsed());
}

TEST(LongestLine, FullScanThenIncrementalUpdates) {
  TMemoSource source;
  Fill(source, {"abc", "abcde", "ab", "abcde"});
  source.SetTrackLongestLine(true);
  EXPECT_EQ(source.LongestLineWidth(), 5);
  EXPECT_EQ(source.LongestLineIndex(), 3);  // the last of the widest
  source.Lines().Put(2, U"abcdefg");
  EXPECT_EQ(source.LongestLineIndex(), 2);
  source.Lines().Put(2, U"a");
  EXPECT_EQ(source.LongestLineWidth(), 5);
  EXPECT_EQ(source.LongestLineIndex(), 3);
  source.Lines().Insert(0, U"z");
  EXPECT_EQ(source.LongestLineIndex(), 4);
  source.Lines().Delete(4);
  EXPECT_EQ(source.LongestLineIndex(), 2);
  source.BeginDeferRescan();
  source.Lines().Delete(2);
  EXPECT_EQ(source.LongestLineIndex(), 2);  // deferred
  source.EndDeferRescan();
  EXPECT_EQ(source.LongestLineWidth(), 3);
  EXPECT_EQ(source.LongestLineIndex(), 1);
}

TEST(LongestLine, UsesTheViewsMeasureWhenItHasOne) {
  TMemoSource source;
  Fill(source, {"wide", "iiiiiiii"});
  source.OnMeasureLine = [](TCustomMemoSource&, std::int32_t, TStringItem& item) {
    std::int32_t width = 0;
    for (Char c : item.Text()) width += c == U'i' ? 1 : 5;
    item.DisplayLen = width;
  };
  source.SetTrackLongestLine(true);
  EXPECT_EQ(source.LongestLineIndex(), 0);
  EXPECT_EQ(source.LongestLineWidth(), 16);
}

}  // namespace
}  // namespace qs
