// The highlighting calls views make on the document: parsing ahead, style
// bytes stored and expanded, the immediate re-parse of an edited line and
// address marking while lines are parsed.
#include <gtest/gtest.h>

#include "sourcefixture.h"
#include "textmodel/urlmarker.h"

namespace qs {
namespace {

using test::Fill;
using test::U;

// Gives the n-th character of a line style byte n + 1, so a byte shows where
// it came from, and carries the count of '{' minus '}' as its state.
class CountingParser : public TSimpleParser {
 public:
  std::string_view ClassName() const override { return "TCountingParser"; }
  std::int32_t ParseLine(StringView text, std::int32_t state, bool,
                         std::string& styleBytes) override {
    ++parsed;
    for (std::size_t i = 0; i < text.size(); ++i) {
      styleBytes[i] = static_cast<char>(i + 1);
      state += text[i] == U'{' ? 1 : text[i] == U'}' ? -1 : 0;
    }
    return state;
  }
  int parsed = 0;
};

void FillNumbered(TCustomMemoSource& source, int count) {
  TStringList list;
  for (int i = 0; i < count; ++i) list.Add(U("line " + std::to_string(i)));
  source.Lines().Assign(list);
}

TEST(ParseAhead, ParsesAHundredLinesPastTheMarkAndNothingBehindIt) {
  TMemoSource source;
  FillNumbered(source, 300);
  CountingParser parser;
  source.SetSyntaxParser(&parser);
  source.ParseAhead(10, false);
  EXPECT_EQ(parser.parsed, 111);
  EXPECT_EQ(source.FirstUnparsed(), 111);
  source.ParseAhead(50, false);  // already parsed: below the mark
  EXPECT_EQ(parser.parsed, 111);
  source.ParseAhead(150, false);  // from the mark on, a hundred past the line
  EXPECT_EQ(parser.parsed, 251);
  EXPECT_EQ(source.FirstUnparsed(), 251);
  // A line so far down that a hundred more would overflow parses to the end.
  source.ParseAhead(kToEnd - 10, false);
  EXPECT_EQ(parser.parsed, 300);
  EXPECT_EQ(source.FirstUnparsed(), 300);
}

TEST(StyleBytes, AreParsedOnDemandAndEmptyOutOfRange) {
  TMemoSource source;
  Fill(source, {"ab", "", "abc"});
  CountingParser parser;
  source.SetSyntaxParser(&parser);
  EXPECT_EQ(source.GetStyleBytes(2), "\1\2\3");
  EXPECT_EQ(parser.parsed, 3);
  EXPECT_EQ(source.GetStyleBytes(0), "\1\2");
  EXPECT_EQ(parser.parsed, 3);  // parsed already
  EXPECT_EQ(source.GetStyleBytes(1), "");
  for (std::int32_t line : {-1, 3, kToEnd}) EXPECT_EQ(source.GetStyleBytes(line), "") << line;
  EXPECT_EQ(source.GetExpandedStyleBytes(3), "");
}

TEST(StyleBytes, ATabsByteCoversItsExpandedWidth) {
  TMemoSource source;
  source.SetOptions(TStringsOptions{soUseTabCharacter});
  Fill(source, {"a\tb\tc", "\t", "x"});
  CountingParser parser;
  source.SetSyntaxParser(&parser);
  // Stops "9,17": the first TAB fills 8 columns, the second 7.
  const std::string expected =
      std::string("\1") + std::string(8, '\2') + "\3" + std::string(7, '\4') + "\5";
  EXPECT_EQ(source.GetExpandedStyleBytes(0), expected);
  EXPECT_EQ(source.GetExpandedStyleBytes(0).size(), source.ExpandedLine(0).size());
  EXPECT_EQ(source.GetExpandedStyleBytes(1), std::string(9, '\1'));
  EXPECT_EQ(source.GetExpandedStyleBytes(2), "\1");
  EXPECT_EQ(source.GetStyleBytes(0), "\1\2\3\4\5");
}

TEST(ReparseLine, AnEditKeepingTheEndStateTouchesOnlyItsLine) {
  TMemoSource source;
  Fill(source, {"a {", "b", "c }", "d"});
  CountingParser parser;
  source.SetSyntaxParser(&parser);
  source.ParseLines(0, 3, false);
  parser.parsed = 0;
  test::Recorder rec(source);

  source.BeginUpdate(0);
  source.Lines().Put(1, U"bbb");
  EXPECT_FALSE(source.ReparseLine(1));
  source.EndUpdate();
  EXPECT_EQ(parser.parsed, 1);
  EXPECT_EQ(source.GetLineItem(1)->StyleBytes, "\1\2\3");
  EXPECT_TRUE(source.GetLineItem(1)->IsParsed());
  EXPECT_EQ(rec.Last().first, 1);
  EXPECT_EQ(rec.Last().last, 1);
  // The mark stays where the edit put it; the lines below need no parse.
  EXPECT_EQ(source.FirstUnparsed(), 1);
  source.ParseLines(0, 3, false);
  EXPECT_EQ(parser.parsed, 1);
}

TEST(ReparseLine, AnEditChangingTheEndStateMarksEverythingBelow) {
  TMemoSource source;
  Fill(source, {"a {", "b", "c }", "d"});
  CountingParser parser;
  source.SetSyntaxParser(&parser);
  source.ParseLines(0, 3, false);
  test::Recorder rec(source);

  source.BeginUpdate(0);
  source.Lines().Put(1, U"b {");
  EXPECT_TRUE(source.ReparseLine(1));
  source.EndUpdate();
  EXPECT_EQ(source.GetLineItem(1)->EndState, 2);
  EXPECT_EQ(rec.Last().first, 1);
  EXPECT_EQ(rec.Last().last, kToEnd);
  // The lines below are parsed again when next asked for.
  parser.parsed = 0;
  source.ParseLines(0, 3, false);
  EXPECT_EQ(parser.parsed, 2);
  EXPECT_EQ(source.GetLineItem(3)->EndState, 1);
  EXPECT_FALSE(source.ReparseLine(4));
  EXPECT_FALSE(source.ReparseLine(-1));
}

TEST(ReparseLine, AViewDataChangeAlsoMarksEverythingBelow) {
  TMemoSource source;
  Fill(source, {"a", "b", "c"});
  CountingParser parser;
  source.SetSyntaxParser(&parser);
  source.ParseLines(0, 2, false);
  // A view that wraps rows reports a new row count for the line.
  source.OnMeasureLine = [](TCustomMemoSource&, std::int32_t, TStringItem& item) {
    item.ViewData1 = static_cast<std::int32_t>(item.Text().size());
  };
  test::Recorder rec(source);
  source.BeginUpdate(0);
  source.Lines().Put(0, U"aaaa");
  EXPECT_FALSE(source.ReparseLine(0));
  source.EndUpdate();
  EXPECT_EQ(rec.Last().last, kToEnd);
}

std::string UrlPattern(const std::string& bytes) {
  std::string out;
  for (char b : bytes) out += b == static_cast<char>(kUrlStyleByte) ? 'U' : '.';
  return out;
}

TEST(UrlHighlighting, AddressesAreMarkedOverTheHighlightersBytes) {
  TMemoSource source;
  Fill(source, {"go www.a.b now", "x"});
  CountingParser parser;
  source.SetSyntaxParser(&parser);
  EXPECT_EQ(UrlPattern(source.GetStyleBytes(0)), "..............");
  source.SetHighlightUrls(true);  // the lines are highlighted again
  const std::string bytes = source.GetStyleBytes(0);
  EXPECT_EQ(UrlPattern(bytes), "...UUUUUUU....");
  EXPECT_EQ(bytes.substr(0, 3), "\1\2\3");  // the rest keeps the highlighter's bytes
  EXPECT_EQ(bytes.substr(10), "\13\14\15\16");
  source.SetHighlightUrls(false);
  EXPECT_EQ(UrlPattern(source.GetStyleBytes(0)), "..............");
}

TEST(UrlHighlighting, WithoutAHighlighterAddressesAreMarkedOverZeros) {
  TMemoSource source;
  Fill(source, {"me@x.org", ""});
  EXPECT_EQ(source.GetStyleBytes(0), "");
  source.SetHighlightUrls(true);
  EXPECT_EQ(source.GetStyleBytes(0), std::string(8, static_cast<char>(kUrlStyleByte)));
  source.Lines().Put(0, U"me at x");
  EXPECT_EQ(source.GetStyleBytes(0), std::string(7, '\0'));
}

}  // namespace
}  // namespace qs
