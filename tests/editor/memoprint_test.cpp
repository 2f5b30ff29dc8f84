// Printing the editor's document on the headless printer (see printfixture.h).
#include <gtest/gtest.h>

#include <string>

#include "editor/memoprint.h"
#include "editor/qsmemo.h"
#include "memofixture.h"
#include "printfixture.h"
#include "support/utf8.h"

namespace qs {
namespace {

using testing::KindParser;

String Numbered(int count, StringView prefix = U"line ") {
  String text;
  for (int i = 1; i <= count; ++i) {
    const std::string n = std::to_string(i);
    text += String(prefix) + String(n.begin(), n.end()) + U"\n";
  }
  return text;
}

std::vector<String> Texts(const PrintedPage& page) {
  std::vector<String> texts;
  for (const CanvasRecord& r : page.records)
    if (r.op == CanvasOp::Text) texts.push_back(r.text);
  return texts;
}

const CanvasRecord& TextRecord(const PrintedPage& page, StringView text) {
  for (const CanvasRecord& r : page.records)
    if (r.op == CanvasOp::Text && r.text == text) return r;
  throw std::runtime_error("not printed: " + ToUtf8(text));
}

class PrintTest : public testing::PrintFixture {
 protected:
  PrintTest() { memo.SetPrintOptions({}); }
};

TEST_F(PrintTest, PagesHoldTheRowsTheGeometrySaysAndTheHeaderNumbersThem) {
  SetText(Numbered(130));
  struct Case {
    const char* name;
    TQSPrintOptions options;
    std::size_t pages;
    StringView firstOnPage2;
  };
  const Case cases[] = {{"no header", {}, 3, U"line 64"},
                        {"header", {poPrintHeader}, 3, U"line 63"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    memo.SetPrintOptions(c.options);
    memo.Print();
    const PrintJob& job = LastJob();
    EXPECT_TRUE(job.finished);
    ASSERT_EQ(job.pages.size(), c.pages);
    EXPECT_EQ(Texts(job.pages[1]).front(), c.firstOnPage2);
    EXPECT_EQ(job.title, U"<Unknown>");
  }
  // Rows start below the header, scaled: row 1 of page 2 ("line 64") lies at
  // 100 + 16 * 6.25.
  const PrintedPage& page2 = LastJob().pages[1];
  EXPECT_EQ(TextRecord(page2, U"line 64").points.at(0), (TPoint{0, 200}));
  // The header: title at the top left, "Page 2/3" ending one average
  // character (8 screen pixels) before the right edge of the paper.
  const CanvasRecord& title = TextRecord(page2, U"<Unknown>");
  EXPECT_EQ(title.points.at(0), (TPoint{0, 0}));
  EXPECT_TRUE(title.font.bold);
  EXPECT_EQ(title.color, 0u);
  const CanvasRecord& number = TextRecord(page2, U"Page 2/3");
  EXPECT_EQ(number.points.at(0), (TPoint{(768 - 8 - 64) * 25 / 4, 0}));
}

TEST_F(PrintTest, AWrappedLongLineContinuesOnTheNextRowAndPage) {
  String longLine;
  for (int i = 0; i < 60; ++i) longLine += U"word ";
  SetText(Numbered(62) + longLine);
  memo.SetPrintOptions({poWrapLines});
  memo.Print();
  const PrintJob& job = LastJob();
  ASSERT_EQ(job.pages.size(), 2u);
  // Row 63 (the last of page 1) starts the long line; page 2 carries on.
  const std::vector<String> page1 = Texts(job.pages[0]);
  const std::vector<String> page2 = Texts(job.pages[1]);
  ASSERT_EQ(page1.size(), 63u);
  String joined = page1.back();
  for (const String& row : page2) joined += row;
  EXPECT_EQ(joined, longLine);
  EXPECT_GE(page2.size(), 2u);
  for (const String& row : page2) EXPECT_LE(row.size(), 96u);  // 95 columns + 1 fit
  EXPECT_LT(page1.back().size(), longLine.size());

  // Without wrapping the long line is one clipped row: everything fits one page.
  memo.SetPrintOptions({});
  memo.Print();
  EXPECT_EQ(LastJob().pages.size(), 1u);
}

TEST_F(PrintTest, TheWholeDocumentIsWrappedBeforeThePagesAreCounted) {
  // Far more lines than a view wraps ahead, each taking three rows.
  const String row(90, U'x');
  String text;
  for (int i = 0; i < 400; ++i) text += row + U" " + row + U" " + row + U"\n";
  SetText(text);
  memo.SetPrintOptions({poWrapLines});
  TMemoPrintJob job(memo, platform.printer);
  EXPECT_EQ(job.PrintEditor().RowCount(), 1200);
  EXPECT_EQ(job.PageCount(), 20);  // 1200 / 63, rounded up
}

TEST_F(PrintTest, ASelectionPrintsOnlyItsTextUnderItsOwnTitle) {
  SetText(U"one\ntwo\nthree\nfour\n");
  memo.Source().SetEditedName(U"/home/u/list.txt");
  memo.SetPrintOptions({poPrintSel, poPrintHeader});

  memo.Print();  // no selection: the document, under its file name
  EXPECT_EQ(LastJob().title, U"/home/u/list.txt");
  EXPECT_EQ(Texts(LastJob().pages.at(0)), (std::vector<String>{U"one", U"two", U"three", U"four",
                                                               U"/home/u/list.txt", U"Page 1/1"}));

  memo.Source().SelectRange(stStreamSel, 1, 1, 3, 2);
  memo.Print();
  EXPECT_EQ(LastJob().title, U"<Selected block>");
  EXPECT_EQ(Texts(LastJob().pages.at(0)),
            (std::vector<String>{U"wo", U"thr", U"<Selected block>", U"Page 1/1"}));
}

TEST_F(PrintTest, BeforePrintMayRewordTheHeader) {
  SetText(U"a\n");
  memo.SetPrintOptions({poPrintHeader});
  std::vector<TPrintType> seen;
  memo.OnBeforePrint = [&](TCustomQSMemo&, String& text, TPrintType type) {
    seen.push_back(type);
    text = type == ptHeader ? U"Report" : text + U" (draft)";
  };
  memo.Print();
  EXPECT_EQ(seen, (std::vector<TPrintType>{ptHeader, ptFooter}));
  const std::vector<String> texts = Texts(LastJob().pages.at(0));
  EXPECT_EQ(texts, (std::vector<String>{U"a", U"Report", U"Page 1/1 (draft)"}));
}

TEST_F(PrintTest, WithoutColourEveryInkIsBlackOnWhiteAndFontStylesStay) {
  SetText(U"ab 12\n");
  KindParser parser;
  memo.SetSyntaxParser(&parser);
  memo.SetColor(clNavy);
  memo.TextStyles().Items(0).SetColor(clYellow);
  memo.TextStyles().Items(1).Font().SetColor(clRed);
  memo.TextStyles().Items(1).Font().SetStyle(SetBit(fsItalic));
  memo.TextStyles().Items(2).Font().SetColor(clGreen);
  memo.TextStyles().Items(2).SetColor(clAqua);
  for (const bool colour : {false, true}) {
    SCOPED_TRACE(colour ? "colour" : "monochrome");
    memo.SetPrintOptions(colour ? TQSPrintOptions{poPrintSyntax, poInColor}
                                : TQSPrintOptions{poPrintSyntax, poLineNumbers});
    memo.Print();
    const PrintedPage& page = LastJob().pages.at(0);
    const CanvasRecord& letters = TextRecord(page, U"ab");
    const CanvasRecord& digits = TextRecord(page, U"12");
    EXPECT_TRUE(letters.font.italic);
    EXPECT_EQ(letters.color, colour ? ColorToRGB(clRed) : 0u);
    EXPECT_EQ(digits.color, colour ? ColorToRGB(clGreen) : 0u);
    bool aqua = false;
    for (const CanvasRecord& r : page.records) {
      if (r.op == CanvasOp::Text && !colour) EXPECT_EQ(r.color, 0u) << ToUtf8(r.text);
      if (r.op == CanvasOp::FillRect && !colour) EXPECT_EQ(r.color, 0xFFFFFFu);
      aqua = aqua || (r.op == CanvasOp::FillRect && r.color == ColorToRGB(clAqua));
    }
    EXPECT_EQ(aqua, colour);
  }
  memo.SetSyntaxParser(nullptr);
}

// Comments run from "/*" to "*/" across lines; comment characters get style 3.
class CommentParser : public TSimpleParser {
 public:
  std::string_view ClassName() const override { return "TCommentParser"; }
  std::int32_t ParseLine(StringView text, std::int32_t state, bool, std::string& bytes) override {
    bytes.assign(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (state == 0 && text.substr(i, 2) == U"/*") state = 1;
      if (state == 1) bytes[i] = 3;
      if (state == 1 && i > 0 && text.substr(i - 1, 2) == U"*/") state = 0;
    }
    return state;
  }
};

TEST_F(PrintTest, PrintedColoursAreTheHighlightingOfTheTextAsItIsNow) {
  SetText(U"a\nb\nc\n");
  CommentParser parser;
  memo.SetSyntaxParser(&parser);
  memo.TextStyles().Items(3).Font().SetColor(clGreen);
  memo.Source().ParseLines(0, 2, true);
  // An edit of the first line opens a comment that runs over the lines below.
  memo.Source().SetCaretPos(0, 0);
  memo.Source().InsertText(U"/* ");
  for (const bool selectionOnly : {false, true}) {
    SCOPED_TRACE(selectionOnly ? "selection" : "document");
    if (selectionOnly) memo.Source().SelectRange(stStreamSel, 0, 2, 1, 2);
    memo.SetPrintOptions(selectionOnly ? TQSPrintOptions{poPrintSyntax, poInColor, poPrintSel}
                                       : TQSPrintOptions{poPrintSyntax, poInColor});
    memo.Print();
    EXPECT_EQ(TextRecord(LastJob().pages.at(0), U"c").color, ColorToRGB(clGreen));
  }
  memo.SetSyntaxParser(nullptr);
}

TEST_F(PrintTest, TheLeftMarginIsBoundedAndUsedOnlyWithoutTheEditorsOwnIndent) {
  SetText(U"text\n");
  struct Case {
    const char* name;
    bool editorIndent;
    int printIndent;
    int expectedIndent;
    int paperX;
  };
  const Case cases[] = {
      {"print indent", false, 20, 20, 125},
      {"editor's indent wins", true, 20, 20, 63},  // its 10 pixels, 62.5 rounded
      {"none", false, 0, 0, 0},
      {"negative", false, -5, 0, 0},
      // Stored bounded; on paper at most half the page (384 of 768 pixels).
      {"beyond any paper", false, 50000, kMaxPrintIndent, 2400},
  };
  memo.SetLeftIndent(10);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    memo.SetOptions(c.editorIndent ? memo.Options() | SetBit(moLeftIndent)
                                   : memo.Options() & ~SetBit(moLeftIndent));
    memo.SetPrintIndent(c.printIndent);
    EXPECT_EQ(memo.PrintIndent(), c.expectedIndent);
    memo.Print();
    EXPECT_EQ(TextRecord(LastJob().pages.at(0), U"text").points.at(0).X, c.paperX);
  }
}

TEST_F(PrintTest, ThePrinterFontReplacesTheEditorsOnlyWhenAskedFor) {
  SetText(U"text\n");
  memo.Font().SetHeight(-13);
  memo.PrinterFont().SetName(U"Printer Mono");
  memo.PrinterFont().SetHeight(-20);
  for (const bool use : {false, true}) {
    SCOPED_TRACE(use ? "printer font" : "editor font");
    memo.SetUsePrinterFont(use);
    memo.Print();
    const FontSpec& font = TextRecord(LastJob().pages.at(0), U"text").font;
    EXPECT_EQ(font.name, use ? U"Printer Mono" : memo.Font().Name());
    EXPECT_EQ(font.height, use ? -125 : -81);  // scaled from the screen's pixels
  }
}

TEST_F(PrintTest, NothingIsPrintedForADocumentWithoutLines) {
  memo.Source().Lines().Clear();
  ASSERT_EQ(memo.Source().LineCount(), 0);
  memo.Print();
  EXPECT_TRUE(platform.printer.Jobs().empty());
}

// Fails the way a printer can halfway through a job.
class JammingPrinter final : public IPrinter {
 public:
  std::vector<String> Printers() const override { return {U"Jammer"}; }
  int PrinterIndex() const override { return 0; }
  TSize PageSize() const override { return {4800, 6300}; }
  TSize Resolution() const override { return {600, 600}; }
  PageMargins Margins() const override { return {}; }
  ICanvas& Canvas() override { return canvas; }

  HeadlessCanvas canvas{0, 0};
  bool aborted = false;
  bool ended = false;

 protected:
  void DoSelectPrinter(int) override {}
  void DoBeginDoc(const String&) override {}
  void DoNewPage() override { throw Error("Paper jam"); }
  void DoEndDoc() override { ended = true; }
  void DoAbort() override { aborted = true; }
};

TEST_F(PrintTest, AFailureHalfwayAbortsTheJob) {
  SetText(Numbered(100));
  JammingPrinter printer;
  {
    TMemoPrintJob job(memo, printer);
    ASSERT_EQ(job.PageCount(), 2);
    EXPECT_THROW(job.PrintAll(), Error);
    EXPECT_TRUE(printer.aborted);
    EXPECT_FALSE(printer.ended);
    EXPECT_FALSE(printer.Printing());
  }
  // A job dropped while its printer still prints aborts it.
  printer.aborted = false;
  {
    TMemoPrintJob job(memo, printer);
    job.PrintNextPage();
    EXPECT_TRUE(printer.Printing());
  }
  EXPECT_TRUE(printer.aborted);
  EXPECT_FALSE(printer.ended);
}

}  // namespace
}  // namespace qs
