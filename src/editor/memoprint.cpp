#include "editor/memoprint.h"

#include <algorithm>
#include <string>

#include "editor/canvasfontmeasure.h"
#include "editor/printcanvas.h"
#include "editor/qsmemo.h"
#include "platform/printer.h"
#include "support/guardedcall.h"

namespace qs {

namespace {

constexpr TMemoOptions kScreenOnlyOptions =
    SetBit(moDrawMargin) | SetBit(moDrawGutter) | SetBit(moLineNumbers) | SetBit(moColorSyntax);

String PageNumberText(std::int32_t page, std::int32_t pages) {
  const std::string text = "Page " + std::to_string(page) + "/" + std::to_string(pages);
  return String(text.begin(), text.end());
}

}  // namespace

TMemoPrintJob::TMemoPrintJob(TCustomQSMemo& editor, IPrinter& printer)
    : m_editor(editor), m_printer(printer) {
  const TCustomMemoSource& source = editor.Source();
  const bool selectionOnly = editor.PrintOptions().Has(poPrintSel) && source.HasSelection();
  if (selectionOnly)
    m_title = String(kSelectionPrintTitle);
  else
    m_title = source.EditedName().empty() ? String(kUnknownPrintTitle) : source.EditedName();
  m_print = std::make_unique<TQSMemo>(m_host, editor.MeasureCanvas());
  CopyLook();
  CopyText(selectionOnly);
  LayOut();
}

TMemoPrintJob::~TMemoPrintJob() {
  AbortJob();
}

void TMemoPrintJob::CopyLook() {
  TQSMemo& p = *m_print;
  const TCustomQSMemo& e = m_editor;
  const TQSPrintOptions o = e.PrintOptions();
  p.Source().SetOptions(e.Source().Options());
  p.Source().SetDelimeters(e.Source().Delimeters());
  p.Source().SetHighlightUrls(e.Source().HighlightUrls());
  p.SetLineNumColor(e.LineNumColor());
  p.SetLineNumBackColor(e.LineNumBackColor());
  p.SetLineNumAlign(e.LineNumAlign());
  p.SetSelColor(e.SelColor());
  p.SetSelBackColor(e.SelBackColor());
  p.SetMatchColor(e.MatchColor());
  p.SetMatchBackColor(e.MatchBackColor());
  p.SetUseMonoFont(e.UseMonoFont());
  p.TextStyles().Assign(m_editor.TextStyles());
  p.SetColor(e.Color());
  p.Font().Assign(e.UsePrinterFont() ? e.PrinterFont() : m_editor.Font());
  // Nothing of the screen's selection belongs on paper.
  p.SetHideSelection(true);

  TMemoOptions options = e.Options() & ~kScreenOnlyOptions;
  if (e.HasOption(moLeftIndent)) {
    p.SetLeftIndent(e.LeftIndent());
  } else if (e.PrintIndent() != 0) {
    options |= SetBit(moLeftIndent);
    p.SetLeftIndent(e.PrintIndent());
  }
  if (o.Has(poPrintSyntax)) options |= SetBit(moColorSyntax);
  if (o.Has(poLineNumbers)) options |= SetBit(moLineNumbers);
  p.SetOptions(options);
}

void TMemoPrintJob::CopyText(bool selectionOnly) {
  TCustomMemoSource& source = m_editor.Source();
  TSimpleParser* parser =
      m_editor.PrintOptions().Has(poPrintSyntax) ? source.SyntaxParser() : nullptr;
  if (selectionOnly && parser != nullptr) {
    // Highlighting is brought up to the selection's first line first, so its
    // start state is that of the text as it is now, also after an edit above.
    const std::int32_t first = source.BlockBegin().Line;
    (void)source.GetStyleBytes(first);
    if (const TStringItem* item = source.GetLineItem(first))
      m_print->Source().SetDefaultStartState(item->StartState);
  }
  source.CopyTextTo(m_print->Lines(), selectionOnly);
  m_print->SetSyntaxParser(parser);
}

void TMemoPrintJob::LayOut() {
  TQSMemo& p = *m_print;
  TPrintGeometryInput in;
  in.printerDpi = m_printer.Resolution();
  in.screenDpi = m_editor.MeasureCanvas().PixelsPerInch();
  in.printerPage = m_printer.PageSize();
  in.lineHeight = p.LineHeight();
  in.charWidth = p.CharWidth();
  in.useMonoFont = p.UseMonoFont();
  in.header = m_editor.PrintOptions().Has(poPrintHeader);
  m_geometry = ComputePrintGeometry(in);
  // A margin takes at most half the page, so every page has room for text.
  if (p.HasOption(moLeftIndent)) p.SetLeftIndent(std::min(p.LeftIndent(), m_geometry.page.cx / 2));
  m_host.SetClientSize(m_geometry.page);
  p.Resized();
  // The copy moved the caret while the window had no size yet, which may
  // have scrolled the view sideways; a page starts at the first column.
  p.SetLeftChar(0);
  if (m_editor.PrintOptions().Has(poWrapLines)) {
    p.SetMarginPos(m_editor.MarginPos());
    // Wrapping breaks every line of the copy, so the rows counted below are
    // all the rows there are.
    p.SetWordWrap(true);
  }
  m_pages = m_geometry.PageCount(p.RowCount());
}

void TMemoPrintJob::PrintNextPage() {
  if (Done()) return;
  try {
    if (m_printed == 0)
      m_printer.BeginDoc(m_title);
    else
      m_printer.NewPage();
    PaintPage(m_printed);
    ++m_printed;
    if (m_printed == m_pages) m_printer.EndDoc();
  } catch (...) {
    AbortJob();
    throw;
  }
}

void TMemoPrintJob::PrintAll() {
  while (!Done()) PrintNextPage();
}

void TMemoPrintJob::Stop() {
  m_stopped = true;
  if (m_printer.Printing()) m_printer.EndDoc();
}

void TMemoPrintJob::PaintPage(std::int32_t index) {
  TQSMemo& p = *m_print;
  p.SetTopLine(index * m_geometry.rowsPerPage);
  TPrintCanvas page(m_printer.Canvas(), m_editor.MeasureCanvas(),
                    {m_geometry.scaleX,
                     m_geometry.scaleY,
                     {0, m_geometry.targetTop},
                     !m_editor.PrintOptions().Has(poInColor)});
  p.PaintTo(page, {0, 0, m_geometry.page.cx, m_geometry.page.cy});
  if (m_editor.PrintOptions().Has(poPrintHeader)) PaintHeader(index);
}

void TMemoPrintJob::PaintHeader(std::int32_t index) {
  String title = m_title;
  String number = PageNumberText(index + 1, m_pages);
  if (m_editor.OnBeforePrint) {
    m_editor.OnBeforePrint(m_editor, title, ptHeader);
    m_editor.OnBeforePrint(m_editor, number, ptFooter);
  }
  // The header is always black, in the text's font made bold.
  TPrintCanvas header(m_printer.Canvas(), m_editor.MeasureCanvas(),
                      {m_geometry.scaleX, m_geometry.scaleY, {0, 0}, true});
  FontSpec font = ToFontSpec(m_print->Font());
  font.bold = true;
  header.SetFont(font);
  header.SetTextColor(clBlack);
  header.SetTransparent(true);
  header.TextOut(0, 0, title);
  const int right = m_geometry.paperWidth - header.Metrics().averageCharWidth;
  header.TextOut(right - header.TextWidth(number), 0, number);
}

void TMemoPrintJob::AbortJob() noexcept {
  if (!m_printer.Printing()) return;
  try {
    m_printer.Abort();
  } catch (...) {
    LogCaughtFailure("aborting a print job");
  }
}

}  // namespace qs
