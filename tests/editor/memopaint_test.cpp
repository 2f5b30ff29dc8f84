#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "editor/defaultstyles.h"
#include "editor/globalstyleresolver.h"
#include "editor/memoenvoptions.h"
#include "memofixture.h"
#include "support/utf8.h"
#include "syntax/qsparser.h"
#include "textmodel/attributesource.h"

namespace qs {
namespace {

using testing::kCell;
using testing::KindParser;
using testing::kRow;
using testing::MemoTest;

constexpr TMemoOptions kGutterNumbers =
    SetBit(moDrawGutter) | SetBit(moLineNumbers) | SetBit(moLineNumbersOnGutter);

TEST_F(MemoTest, GutterIsFilledAndEdgedAndOnlyRealLinesAreNumbered) {
  SetText(U"a\nb\nc");
  memo.SetOptions(kGutterNumbers);
  memo.GutterBrush().SetColor(clYellow);
  memo.SetGutterBackColor(clWhite);
  memo.SetGutterLineColor(clRed);
  PaintAll();
  const int gw = memo.Layout().gutter;
  ASSERT_EQ(gw, 32);
  EXPECT_EQ(Pixel(0, 5), clYellow);
  EXPECT_EQ(Pixel(gw - 3, 150), clYellow);
  EXPECT_EQ(Pixel(gw - 2, 70), clWhite);
  EXPECT_EQ(Pixel(gw - 1, 70), clRed);
  // Ten rows on the window, three lines: the rows below the text get no number.
  const std::vector<String> texts = TextsDrawn();
  for (const String n : {U" 1", U" 2", U" 3"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), n), texts.end()) << ToUtf8(n);
  for (const String n : {U" 4", U"10"})
    EXPECT_EQ(std::find(texts.begin(), texts.end(), n), texts.end()) << ToUtf8(n);
  // An empty document still numbers the line the caret is on.
  SetText(U"");
  PaintAll();
  const std::vector<String> empty = TextsDrawn();
  EXPECT_NE(std::find(empty.begin(), empty.end(), U" 1"), empty.end());
  EXPECT_EQ(std::find(empty.begin(), empty.end(), U" 2"), empty.end());
}

TEST_F(MemoTest, NumbersInTheirOwnColumnAreRightAlignedOnTheirBackground) {
  SetText(U"x");
  memo.SetOptions(SetBit(moLineNumbers));
  memo.SetLineNumBackColor(clAqua);
  memo.SetLineNumColor(clBlue);
  PaintAll();
  // Two digits in a column of three cells, right-justified: " 1".
  EXPECT_EQ(Pixel(0, 0), clAqua);
  EXPECT_EQ(Pixel(kCell + kCell / 2, kRow / 2), clBlue);
  EXPECT_EQ(Pixel(kCell / 2, kRow / 2), clAqua);  // the pad is blank

  memo.SetLineNumAlign(taLeftJustify);
  PaintAll();
  EXPECT_EQ(Pixel(kCell / 2, kRow / 2), clBlue);
}

TEST_F(MemoTest, StyleBytesChooseEachRunsColoursThroughTheTextStyles) {
  KindParser parser;
  memo.SetSyntaxParser(&parser);
  SetText(U"ab 12");
  memo.TextStyles().Items(0).SetColor(clWhite);
  memo.TextStyles().Items(1).Font().SetColor(clRed);
  memo.TextStyles().Items(2).Font().SetColor(clGreen);
  memo.TextStyles().Items(2).SetColor(clYellow);
  PaintAll();
  EXPECT_EQ(Ink(0, 0, 0), clRed);
  EXPECT_EQ(Ink(0, 1, 0), clRed);
  EXPECT_EQ(Ink(0, 3, 0), clGreen);
  EXPECT_EQ(Back(0, 3, 0), clYellow);
  EXPECT_EQ(Back(0, 2, 0), clWhite);

  // Without syntax colouring every character is drawn in style 0.
  memo.SetOptions(0);
  PaintAll();
  EXPECT_EQ(Ink(0, 0, 0), ColorToRGB(memo.TextStyles().Items(0).Font().Color()));
  EXPECT_EQ(Back(0, 3, 0), clWhite);
}

TEST_F(MemoTest, TabsTakeTheirStyleAcrossEveryCellTheyFill) {
  KindParser parser;
  memo.SetSyntaxParser(&parser);
  SetText(U"\t7");
  memo.TextStyles().Items(2).Font().SetColor(clGreen);
  PaintAll();
  EXPECT_EQ(Ink(0, 9, 0), clGreen);  // the tab filled columns 0..8 (stops "9,17")
  EXPECT_NE(Ink(0, 8, 0), clGreen);
  const std::vector<String> texts = TextsDrawn();
  EXPECT_NE(std::find(texts.begin(), texts.end(), String(9, U' ')), texts.end());
}

TEST_F(MemoTest, ARunScrolledPartlyOutOfViewIsClippedNotCut) {
  SetText(U"abcdefghij");
  memo.SetLeftChar(3);
  PaintAll();
  const std::vector<String> texts = TextsDrawn();
  ASSERT_FALSE(texts.empty());
  // The run starts left of the window and is clipped there, not cut.
  const CanvasRecord first = canvas.RecordsOf(CanvasOp::Text).front();
  EXPECT_EQ(first.points.front().X, -3 * kCell);
}

TEST_F(MemoTest, AHighlighterWithASchemeSuppliesDistinctTokenColours) {
  // The shipped schemes take their colours from the global text styles.
  const TGlobalStyleResolver resolver(MemoEnvOptions());
  TSyntaxParser parser;
  parser.SetStyleResolver(&resolver);
  parser.SetUseGlobalOptions(true);
  TSyntaxScheme scheme;
  scheme.LoadFromFile(std::string(QUILLON_SOURCE_DIR) + "/syntaxschemes/php.sch");
  parser.SetSyntaxScheme(scheme);
  memo.SetSyntaxParser(&parser);
  SetText(U"<?php\n// note\n$name = \"text\";\necho 42;\n?>");
  PaintAll();
  std::set<TColor> inks;
  for (const CanvasRecord& r : canvas.RecordsOf(CanvasOp::Text))
    if (r.text.find_first_not_of(U' ') != String::npos) inks.insert(r.color);
  EXPECT_GE(inks.size(), 3u);
}

// The view paints with whatever attribute source the highlighter names, the
// same answer that tells the document a scheme highlights it.
TEST_F(MemoTest, AHighlightersAttributeSourceGivesItsRunsTheirLook) {
  class AttributedParser : public KindParser, public IAttributeSource {
   public:
    const IAttributeSource* AttributeSource() const noexcept override { return this; }
    TAttributeLook AttributeLook(std::int32_t id) const override {
      TAttributeLook look;
      look.color = id == 1 ? clRed : clBlue;
      if (id == 1) look.background = clYellow;
      return look;
    }
  } parser;
  memo.SetSyntaxParser(&parser);
  memo.SetColor(clWhite);
  memo.TextStyles().Items(1).Font().SetColor(clGreen);  // not used: the source decides
  SetText(U"ab 12");
  PaintAll();
  EXPECT_EQ(Ink(0, 0, 0), clRed);
  EXPECT_EQ(Back(0, 0, 0), clYellow);
  EXPECT_EQ(Ink(0, 3, 0), clBlue);
  EXPECT_EQ(Back(0, 3, 0), clWhite);
  EXPECT_TRUE(memo.Source().IsSchemeParser());
}

struct SelectionCase {
  const char* what;
  TMemoOptions options;
  bool filledPastEnd;
};

TEST_F(MemoTest, AStreamSelectionIsPaintedInTheSelectionColours) {
  SetText(U"abc\ndefgh");
  memo.SetSelColor(clWhite);
  memo.SetSelBackColor(clNavy);
  memo.SetColor(clWhite);
  memo.Source().SelectRange(stStreamSel, 1, 0, 2, 1);
  const SelectionCase cases[] = {{"beyond the line end", 0, true},
                                 {"only over text", SetBit(moSelectOnlyText), false}};
  for (const SelectionCase& c : cases) {
    memo.SetOptions(c.options);
    PaintAll();
    EXPECT_EQ(Back(0, 0, 0), clWhite) << c.what;
    EXPECT_EQ(Back(0, 1, 0), clNavy) << c.what;
    EXPECT_EQ(Ink(0, 1, 0), clWhite) << c.what;
    EXPECT_EQ(Back(0, 5, 0), c.filledPastEnd ? clNavy : clWhite) << c.what;
    EXPECT_EQ(Back(0, 1, 1), clNavy) << c.what;
    EXPECT_EQ(Back(0, 2, 1), clWhite) << c.what;  // the end column is not selected
    EXPECT_EQ(Back(0, 6, 1), clWhite) << c.what;
  }
}

TEST_F(MemoTest, ASelectionOnALineWithALineStyleSwapsThatStylesColours) {
  SetText(U"abcd");
  const int breakPoint = 3;
  memo.TextStyles().Items(breakPoint).SetColor(clRed);
  memo.TextStyles().Items(breakPoint).Font().SetColor(clWhite);
  memo.Source().SetLineStyle(0, breakPoint);
  memo.Source().SelectRange(stStreamSel, 1, 0, 2, 0);
  memo.SetSelBackColor(clNavy);
  PaintAll();
  EXPECT_EQ(Back(0, 0, 0), clRed);
  EXPECT_EQ(Ink(0, 0, 0), clWhite);
  EXPECT_EQ(Back(0, 1, 0), clWhite);
  EXPECT_EQ(Ink(0, 1, 0), clRed);
  memo.SetOptions(memo.Options() | SetBit(moDisableInvertedSel));
  PaintAll();
  EXPECT_EQ(Back(0, 1, 0), clNavy);
}

TEST_F(MemoTest, HiddenSelectionIsNotPaintedWithoutFocus) {
  SetText(U"abcd");
  memo.SetSelBackColor(clNavy);
  memo.Source().SelectRange(stStreamSel, 0, 0, 2, 0);
  memo.SetHideSelection(true);
  PaintAll();
  EXPECT_NE(Back(0, 0, 0), clNavy);
  memo.FocusChanged(true);
  PaintAll();
  EXPECT_EQ(Back(0, 0, 0), clNavy);
}

TEST_F(MemoTest, TheMarginIsDrawnAtItsColumnAndOnlyInView) {
  SetText(U"x");
  memo.SetOptions(SetBit(moDrawMargin));
  memo.MarginPen().SetColor(clRed);
  memo.SetMarginPos(10);
  PaintAll();
  EXPECT_EQ(Pixel(10 * kCell, 100), clRed);
  memo.SetMarginPos(100);  // beyond the window
  PaintAll();
  EXPECT_TRUE(canvas.RecordsOf(CanvasOp::Line).empty());
}

TEST_F(MemoTest, OnlyRowsInsideThePaintedAreaArePainted) {
  String text;
  for (int i = 0; i < 1000; ++i) text += U"line\n";
  KindParser parser;
  memo.SetSyntaxParser(&parser);
  SetText(text);
  memo.SetTopLine(500);
  memo.ResetPaintedRows();
  PaintAll();
  EXPECT_EQ(memo.PaintedRows(), 10);
  // Lines far below the view were never highlighted.
  EXPECT_LT(parser.parsedLines, 520);
  memo.ResetPaintedRows();
  memo.Paint(canvas, {0, 2 * kRow, 320, 3 * kRow});
  EXPECT_EQ(memo.PaintedRows(), 1);
}

TEST_F(MemoTest, AFailingHighlighterDoesNotEscapeThePaint) {
  KindParser parser;
  memo.SetSyntaxParser(&parser);
  SetText(U"abc");
  parser.throwOnParse = true;
  memo.Source().ResetHighlighting();
  EXPECT_NO_THROW(PaintAll());
}

TEST_F(MemoTest, AStyleIndexOutsideTheListUsesTheControlColours) {
  class HighStyles : public KindParser {
    std::int32_t ParseLine(StringView text, std::int32_t, bool, std::string& bytes) override {
      bytes.assign(text.size(), static_cast<char>(200));
      return 0;
    }
  } parser;
  memo.SetSyntaxParser(&parser);
  memo.SetColor(clAqua);
  memo.Font().SetColor(clMaroon);
  SetText(U"abc");
  PaintAll();
  EXPECT_EQ(Back(0, 0, 0), clAqua);
  EXPECT_EQ(Ink(0, 0, 0), clMaroon);
}

// The DOS display reads each windows-1251 byte as CP866 only while the font's
// charset is the OEM one; the document keeps its text.
TEST_F(MemoTest, TheOemCharsetShowsWindowsBytesAsDosTextWithoutChangingIt) {
  // CP866 "\xAF\xE0\xA8\xA2\xA5\xE2" (a Russian greeting) as windows-1251 reads it.
  const String stored = U"\u0407\u0430\u0401\u045e\u0490\u0432 \u20ac";
  SetText(stored);
  memo.Font().SetCharset(OEM_CHARSET);
  PaintAll();
  std::vector<String> texts = TextsDrawn();
  // The euro sign (0x88 in windows-1251) is a capital letter in CP866.
  const String shown = U"\u043f\u0440\u0438\u0432\u0435\u0442 \u0418";
  EXPECT_NE(std::find(texts.begin(), texts.end(), shown), texts.end());
  EXPECT_EQ(ToUtf8(memo.Source().StoredLine(0)), ToUtf8(stored));

  memo.Font().SetCharset(DEFAULT_CHARSET);
  PaintAll();
  texts = TextsDrawn();
  EXPECT_NE(std::find(texts.begin(), texts.end(), stored), texts.end());
}

}  // namespace
}  // namespace qs
