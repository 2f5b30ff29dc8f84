// Rich attribute mode: the table of formats, the selection's format, typing,
// imported runs, whole-document loads, RTF paste and formatted drops.
#include "common/scriptedimporter.h"
#include "editor/attributeparser.h"
#include "editor/memoattributes.h"
#include "export/htmlexporter.h"
#include "export/outputstream.h"
#include "export/rtfexporter.h"
#include "mousefixture.h"

namespace qs::testing {
namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x00FF00;

TAttributeSet Colored(TColor color) {
  TAttributeSet set;
  set.name = U"Arial";
  set.color = color;
  return set;
}

class RichModeTest : public MouseTest {
 protected:
  RichModeTest() {
    memo.SetRtfImporterClass(&ScriptedImporter::Make);
    memo.SetHtmlImporterClass(&ScriptedImporter::Make);
    memo.SetClipboardType(cbRtf);
  }
  TAttributeParser& Parser() {
    memo.SelectionAttributes();
    return *memo.AttributeParser();
  }
  // The set of the stored character at (index, line).
  TAttributeSet FormatAt(std::size_t index, std::int32_t line = 0) {
    const std::string& bytes = Src().GetLineItem(line)->StyleBytes;
    return Parser().Attributes(index < bytes.size() ? static_cast<unsigned char>(bytes[index]) : 0);
  }
  // Gives the characters [from, to) of line 0 the set.
  void Format(std::int32_t from, std::int32_t to, const TAttributeSet& set) {
    const int index = Parser().FindOrAddAttributes(set);
    Src().ReplaceStyleBytes(
        0, from + 1, std::string(static_cast<std::size_t>(to - from), static_cast<char>(index)));
  }
  // Fills the table up to its 256 entries with sets no text uses.
  void FillTable() {
    for (TColor c = 1; Parser().Count() < TAttributeParser::kMaxEntries; ++c)
      Parser().FindOrAddAttributes(Colored(c));
  }
  void Load(std::vector<ScriptedRun> runs, std::optional<std::string> failure = {}) {
    ScriptedImporter::Script(std::move(runs), std::move(failure));
    memo.LoadFromRtfStream("{\\rtf1 ...}");
  }
};

TEST_F(RichModeTest, EqualSetsShareAnIndexAndTheUrlIndexIsNeverAFormat) {
  TAttributeParser& table = Parser();
  EXPECT_EQ(table.FindOrAddAttributes(table.Attributes(0)), 0);
  const int red = table.FindOrAddAttributes(Colored(kRed));
  EXPECT_EQ(red, 1);
  EXPECT_EQ(table.FindOrAddAttributes(Colored(kRed)), red);
  for (TColor c = 1; table.Count() < 17; ++c) table.FindOrAddAttributes(Colored(c));
  // The 17th format goes to 18: 17 keeps the look of addresses.
  EXPECT_EQ(table.FindOrAddAttributes(Colored(kGreen)), 18);
  const TAttributeSet url = table.Attributes(TAttributeParser::kUrlIndex);
  EXPECT_EQ(url.color, memo.TextStyles().Items(17).Font().Color());
  EXPECT_NE(table.FindOrAddAttributes(url), TAttributeParser::kUrlIndex);
  // Entry 0 follows the control's font.
  memo.Font().SetName(U"Liberation Mono");
  EXPECT_EQ(table.Attributes(0).name, U"Liberation Mono");
}

TEST_F(RichModeTest, AFullTableReportsUnlessAnIndexCanSafelyBeReused) {
  SetText(U"abc");
  Format(0, 1, Colored(kRed));  // index 1 is in use
  FillTable();
  // Undo could still bring back text in any freed format: nothing is reused.
  ASSERT_TRUE(Src().CanUndo());
  EXPECT_THROW(Parser().FindOrAddAttributes(Colored(kGreen)), AttributeTableFull);

  Src().ClearUndo();
  const TAttributeSet old = Parser().Attributes(2);
  const int reused = Parser().FindOrAddAttributes(Colored(kGreen));
  EXPECT_EQ(reused, 2);  // the lowest index no text uses, never 1, 0 or 17
  EXPECT_EQ(Parser().Attributes(2), Colored(kGreen));
  // The set that index held before is not found under it any more.
  const int again = Parser().FindOrAddAttributes(old);
  EXPECT_NE(again, 2);
  EXPECT_EQ(Parser().Attributes(again), old);
  EXPECT_EQ(FormatAt(0).color, kRed);
}

TEST_F(RichModeTest, SettingTheStyleReplacesItAndSettingAColourKeepsEachStyle) {
  SetText(U"abcd");
  TAttributeSet italic = Colored(kRed);
  italic.style = SetBit(fsItalic);
  Format(0, 2, italic);
  Format(2, 4, Colored(kRed));
  Src().SelectRange(stStreamSel, 0, 0, 4, 0);
  memo.SelectionAttributes().SetStyle(SetBit(fsBold));
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(FormatAt(i).style, SetBit(fsBold)) << i;

  Format(0, 2, italic);
  Src().SelectRange(stStreamSel, 0, 0, 4, 0);
  memo.SelectionAttributes().SetColor(kGreen);
  EXPECT_EQ(FormatAt(0).style, SetBit(fsItalic));
  EXPECT_EQ(FormatAt(3).style, SetBit(fsBold));
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(FormatAt(i).color, kGreen) << i;
  // One step takes each change back.
  Src().Undo();
  EXPECT_EQ(FormatAt(3).color, kRed);
}

TEST_F(RichModeTest, TheConsistencyMaskTellsWhatTheWholeSelectionShares) {
  SetText(U"abcd");
  TAttributeSet boldItalic = Colored(kRed);
  boldItalic.style = SetBit(fsBold) | SetBit(fsItalic);
  TAttributeSet italic = Colored(kRed);
  italic.style = SetBit(fsItalic);
  italic.size = 14;
  Format(0, 2, boldItalic);
  Format(2, 4, italic);
  Src().SelectRange(stStreamSel, 1, 0, 3, 0);
  const TAttributeMask mask = memo.SelectionAttributes().ConsistentAttributes();
  EXPECT_EQ(mask, amAll & ~(amStyle | amBold | amSize));
  EXPECT_EQ(memo.SelectionAttributes().Size(), 10);  // the first selected character's

  // A value the whole selection has already changes nothing.
  Src().SelectRange(stStreamSel, 0, 0, 4, 0);
  Src().ClearUndo();
  memo.SelectionAttributes().SetColor(kRed);
  memo.SelectionAttributes().SetName(U"Arial");
  EXPECT_FALSE(Src().CanUndo());
}

TEST_F(RichModeTest, AFormatChosenWithNothingSelectedIsTypedUntilTheCaretMoves) {
  SetText(U"ab");
  Format(0, 2, Colored(kRed));
  Src().SetCaretPos(2, 0);
  memo.SelectionAttributes().SetColor(kGreen);
  Src().TypeChar(U'x');
  Src().TypeChar(U'y');
  EXPECT_EQ(FormatAt(2).color, kGreen);
  EXPECT_EQ(FormatAt(3).color, kGreen);
  Src().SetCaretPos(1, 0);
  Src().TypeChar(U'z');  // takes the character before it
  EXPECT_EQ(FormatAt(1).color, kRed);
}

TEST_F(RichModeTest, ImportedRunsBecomeFormattedTextWithBreaksTabsAndNoControls) {
  Load({ImportRun(U"Hello ", U"Arial", 12), ImportRun(U"red", U"Arial", 12, true, false, kRed),
        ImportRun(U"\r\n"), ImportRun(U"\t"),
        ImportRun(U"x\ny\x01z", U"Courier New", 8, false, true),
        ImportRun(U"hi", U"Arial", 10, false, false, kImportNoColor, kGreen)});
  EXPECT_EQ(Text(), U"Hello red\r\n\tx\r\nyzhi");
  EXPECT_EQ(FormatAt(0).name, U"Arial");
  EXPECT_EQ(FormatAt(0).size, 12);
  EXPECT_EQ(FormatAt(0).color, memo.Font().Color());  // no colour: the control's
  EXPECT_EQ(FormatAt(6).color, kRed);
  EXPECT_EQ(FormatAt(6).style, SetBit(fsBold));
  EXPECT_EQ(FormatAt(1, 1).style, SetBit(fsItalic));
  EXPECT_EQ(FormatAt(1, 2).name, U"Courier New");
  EXPECT_EQ(FormatAt(2, 2).backColor, kGreen);
  EXPECT_EQ(FormatAt(2, 2).color, memo.Font().Color());
  // A load is a fresh document: caret home, nothing to undo, unmodified.
  EXPECT_EQ(Src().Caret(), (TPosition{0, 0}));
  EXPECT_FALSE(Src().CanUndo());
  EXPECT_FALSE(Src().DocModified());
}

TEST_F(RichModeTest, WithASchemeHighlighterOnlyTheTextOfTheRunsArrives) {
  BracketUrlParser scheme;
  memo.SetSyntaxParser(&scheme);
  ScriptedImporter::Script({ImportRun(U"red [u]", U"Arial", 20, true, false, kRed)});
  const int dropped = memo.ImportFromStream("{\\rtf1}", &ScriptedImporter::Make);
  EXPECT_EQ(dropped, 0);
  EXPECT_EQ(Text(), U"red [u]");
  EXPECT_EQ(memo.SyntaxParser(), &scheme);
  EXPECT_EQ(Src().GetStyleBytes(0), std::string("\0\0\0\0\0\x11\0", 7));
}

TEST_F(RichModeTest, InputTheImporterDoesNotKnowGoesInAsLinesOfText) {
  SetText(U"[]");
  Src().SetCaretPos(1, 0);
  ScriptedImporter::Script({ImportRun(U"never")});
  (void)memo.ImportFromStream("plain\r\nwords", &ScriptedImporter::Make);
  EXPECT_EQ(Text(), U"[plain\r\nwords]");
  EXPECT_FALSE(Src().HasSelection());
}

TEST_F(RichModeTest, AFailedLoadLeavesTheDocumentItsFormatsAndItsHistory) {
  SetText(U"keep");
  Format(0, 2, Colored(kRed));
  Src().SetCaretPos(4, 0);
  Src().TypeChar(U'!');
  const std::int32_t entries = Parser().Count();
  ScriptedImporter::Script({ImportRun(U"partial")}, "'x' is not a valid integer value");
  EXPECT_THROW(memo.LoadFromRtfStream("{\\rtf1 bad}"), Error);
  EXPECT_EQ(Text(), U"keep!");
  EXPECT_EQ(FormatAt(0).color, kRed);
  EXPECT_EQ(Parser().Count(), entries);
  EXPECT_TRUE(Src().DocModified());
  EXPECT_FALSE(Src().CanRedo());
  Src().Undo();
  EXPECT_EQ(Text(), U"keep");
}

TEST_F(RichModeTest, RunsBeyondAFullTableKeepTheDefaultFormatAndAreCounted) {
  ScriptedImporter::Script({ImportRun(U"a", U"Arial", 10, false, false, 7),
                            ImportRun(U"b", U"Arial", 10, false, false, 8)});
  SetText(U"");
  FillTable();
  EXPECT_EQ(memo.ImportFromStream("{\\rtf1}", &ScriptedImporter::Make), 0);  // both exist
  ScriptedImporter::Script({ImportRun(U"c", U"Arial", 10, false, false, kRed)});
  EXPECT_EQ(memo.ImportFromStream("{\\rtf1}", &ScriptedImporter::Make), 1);
  EXPECT_EQ(Text(), U"abc");
  EXPECT_EQ(FormatAt(2), Parser().Attributes(0));
}

TEST_F(RichModeTest, RtfOnTheClipboardPastesFormattedOnlyWithoutASchemeHighlighter) {
  ScriptedImporter::Script({ImportRun(U"red", U"Arial", 10, true, false, kRed)});
  platform.clipboard.SimulateOtherProgram(U"red", "{\\rtf1 red}");
  SetText(U"ab");
  Src().SetCaretPos(1, 0);
  memo.PasteFromClipboard();
  EXPECT_EQ(Text(), U"aredb");
  EXPECT_EQ(FormatAt(1).color, kRed);
  EXPECT_EQ(FormatAt(3).style, SetBit(fsBold));
  Src().Undo();
  EXPECT_EQ(Text(), U"ab");

  BracketUrlParser scheme;
  memo.SetSyntaxParser(&scheme);
  ScriptedImporter::Script({ImportRun(U"never")});
  memo.PasteFromClipboard();
  EXPECT_EQ(Text(), U"aredb");  // the plain text of the clipboard
}

TEST_F(RichModeTest, ADraggedSelectionTakesItsFormatsAlong) {
  SetText(U"abcdef");
  Format(0, 2, Colored(kRed));
  Focus();
  Src().SelectRange(stStreamSel, 0, 0, 2, 0);
  Drag(MouseTest::At(0, 0), MouseTest::At(5, 0));
  EXPECT_EQ(Text(), U"cdeabf");
  EXPECT_EQ(FormatAt(3).color, kRed);
  EXPECT_EQ(FormatAt(4).color, kRed);
  EXPECT_NE(FormatAt(0).color, kRed);
  Src().Undo();
  EXPECT_EQ(Text(), U"abcdef");
  EXPECT_EQ(FormatAt(0).color, kRed);
}

TEST_F(RichModeTest, AnAddressInFormattedTextIsMarkedWithoutLosingItsFormat) {
  SetText(U"go www.a.b");
  Format(0, 10, Colored(kRed));
  Src().SetHighlightUrls(true);
  EXPECT_EQ(static_cast<unsigned char>(Src().GetStyleBytes(0)[5]), 17);
  EXPECT_EQ(FormatAt(5).color, kRed);  // the stored format stays
  // Painted: the format where it is text, the "Url" style over the address,
  // whatever the colouring option says.
  memo.SetOptions(memo.Options() & ~SetBit(moColorSyntax));
  HeadlessCanvas canvas(320, 160);
  memo.Paint(canvas, host.ClientRect());
  const auto ink = [&](int column) {
    return canvas.PixelAt({memoTextLeft() + column * kCell + kCell / 2, kRow / 2});
  };
  EXPECT_EQ(ink(0), kRed);
  EXPECT_EQ(ink(5), ColorToRGB(memo.TextStyles().Items(17).Font().Color()));
  Src().SetHighlightUrls(false);
  EXPECT_EQ(static_cast<unsigned char>(Src().GetStyleBytes(0)[5]),
            static_cast<unsigned char>(Src().GetStyleBytes(0)[0]));
}

TEST_F(RichModeTest, OurOwnExportsReadBackToTheSameTextAndColours) {
  struct Case {
    const char* name;
    TExporterClass exporter;
    TImporterClass importer;
  };
  for (const Case& c : {Case{"RTF", &TQSRTFExporter::Create, &MakeRtfImporter},
                        Case{"HTML", &TQSHTMLExporter::Create, &MakeHtmlImporter}}) {
    SetText(U"abcd\nxy");
    Format(0, 2, Colored(kRed));
    Format(2, 4, Colored(kGreen));
    TStringStream exported;
    memo.ExportToStream(exported, c.exporter, false);

    HeadlessWindowHost otherHost({0, 0, 320, 160});
    HeadlessCanvas otherMeasure(320, 160);
    TQSMemo other(otherHost, otherMeasure);
    other.SetRtfImporterClass(c.importer);
    other.SetHtmlImporterClass(c.importer);
    (void)other.LoadFromRtfStream(exported.Bytes());
    EXPECT_EQ(other.Source().Lines().Text(), U"abcd\r\nxy") << c.name;
    const std::string& bytes = other.Source().GetLineItem(0)->StyleBytes;
    ASSERT_EQ(bytes.size(), 4u) << c.name;
    for (std::size_t i = 0; i < 4; ++i)
      EXPECT_EQ(other.AttributeParser()->Attributes(static_cast<unsigned char>(bytes[i])).color,
                i < 2 ? kRed : kGreen)
          << c.name << " " << i;
  }
}

}  // namespace
}  // namespace qs::testing
