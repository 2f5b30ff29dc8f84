// Painting one window paint: the gutter, the line numbers and the text rows
// that intersect the area being painted, nothing outside it.
#include <algorithm>
#include <string>

#include "editor/memorow.h"
#include "editor/memowraprow.h"
#include "editor/qsmemo.h"
#include "support/unicodecase.h"
#include "syntax/qsparser.h"

namespace qs {

namespace {

PenSpec ToPenSpec(const TPen& pen) {
  PenSpec fontSpec;
  fontSpec.color = ResolveColor(pen.Color(), clBlack);
  fontSpec.width = pen.Width();
  const auto style = static_cast<int>(pen.Style());
  fontSpec.style =
      style <= static_cast<int>(PenStyle::Clear) ? static_cast<PenStyle>(style) : PenStyle::Solid;
  return fontSpec;
}

void Fill(ICanvas& canvas, const TRect& rect, TColor rgb) {
  if (rect.IsEmpty()) return;
  canvas.SetBrush({rgb, BrushStyle::Solid});
  canvas.FillRect(rect);
}

void VerticalLine(ICanvas& canvas, int x, int top, int bottom, const PenSpec& pen) {
  canvas.SetPen(pen);
  canvas.MoveTo({x, top});
  canvas.LineTo({x, bottom});
}

TColumnSpan FoundSpan(const TMemoRect& r, std::int32_t line) {
  if (r.Top == r.Bottom && r.Left == r.Right) return {};
  if (line < r.Top || line > r.Bottom) return {};
  return {line == r.Top ? r.Left : 0, line == r.Bottom ? r.Right : kToEnd};
}

}  // namespace

void TCustomQSMemo::Paint(ICanvas& canvas, const TRect& clip) noexcept {
  try {
    PaintParts(canvas, clip);
  } catch (...) {
    // A paint has no one to report to; what failed to draw is drawn again
    // at the next paint.
  }
}

TLookContext TCustomQSMemo::LookContext(std::int32_t line) const {
  const TCustomMemoSource& s = Source();
  TLookContext c;
  c.styles = &m_styles;
  c.controlFont = &m_font;
  c.controlColor = HasOption(moUseReadOnlyColor) && s.ReadOnly() ? m_readOnlyColor : m_color;
  if (HasOption(moColorSyntax))
    c.highlighter = dynamic_cast<const TSyntaxParser*>(s.SyntaxParser());
  if (line >= 0 && line < s.LineCount()) {
    const int lineStyle = s.GetLineStyle(line);
    if (lineStyle > 0 && lineStyle < m_styles.Count()) c.lineStyle = &m_styles.Items(lineStyle);
  }
  c.selColor = m_selColor;
  c.selBackColor = m_selBackColor;
  c.matchColor = m_matchColor;
  c.matchBackColor = m_matchBackColor;
  c.coloredLineStyle = HasOption(moColoredLineStyle);
  c.disableInvertedSel = HasOption(moDisableInvertedSel);
  c.disabled = !m_enabled;
  c.disabledColor = m_disabledColor;
  return c;
}

void TCustomQSMemo::EnsureParsed(std::int32_t firstLine, std::int32_t lastLine) {
  TCustomMemoSource& s = Source();
  if (s.SyntaxParser() == nullptr || lastLine < firstLine) return;
  s.ParseLines(std::min(s.FirstUnparsed(), firstLine), lastLine, false);
}

void TCustomQSMemo::PaintParts(ICanvas& canvas, const TRect& clip) {
  const TRect draw = clip.Intersect(m_host.ClientRect());
  if (draw.IsEmpty()) return;
  const TMemoLayout layout = Layout();
  const int lh = LineHeight();
  canvas.SetFont(ToFontSpec(m_font));
  const TColor control = ResolveColor(m_color, clWindow);
  const int indentLeft = layout.gutter;
  Fill(canvas, TRect{indentLeft, draw.Top, indentLeft + layout.indent, draw.Bottom}.Intersect(draw),
       control);
  Fill(canvas,
       TRect{layout.textLeft - layout.foldWidth, draw.Top, layout.textLeft, draw.Bottom}.Intersect(
           draw),
       control);
  if (HasOption(moDrawGutter) && layout.gutter > 0 && draw.Left < layout.gutter)
    PaintGutter(canvas, layout, draw);

  const int firstRow = draw.Top / lh;
  const int lastRow = (draw.Bottom - 1) / lh;
  const std::vector<TRowSpan> rows = DisplayRows(m_topLine + firstRow, lastRow - firstRow + 1);
  EnsureParsed(rows.front().line, rows.back().line);
  const bool numbersVisible =
      layout.showNumbers && draw.Left < layout.textLeft &&
      LineNumberX(layout, m_lineNumAlign == taRightJustify, m_gutterLineIndent) +
              layout.numberWidth >
          draw.Left;
  for (int r = firstRow; r <= lastRow; ++r) {
    const TRowSpan& row = rows[static_cast<std::size_t>(r - firstRow)];
    const int top = r * lh;
    if (numbersVisible) PaintLineNumber(canvas, layout, row, top);
    if (draw.Right > layout.textLeft) {
      PaintTextRow(canvas, layout, draw, row, top);
      ++m_paintedRows;
    }
  }
  if (HasOption(moDrawMargin)) {
    const int x = ColumnX(layout, m_marginPos);
    if (x >= layout.textLeft && x >= draw.Left && x < draw.Right)
      VerticalLine(canvas, x, draw.Top, draw.Bottom, ToPenSpec(m_marginPen));
  }
}

void TCustomQSMemo::PaintGutter(ICanvas& canvas, const TMemoLayout& layout, const TRect& draw) {
  const int gw = layout.gutter;
  if (m_gutterBrush.Style() != bsClear)
    Fill(canvas, TRect{0, draw.Top, std::max(gw - 2, 0), draw.Bottom}.Intersect(draw),
         ResolveColor(m_gutterBrush.Color(), clBtnFace));
  if (gw >= 2)
    VerticalLine(canvas, gw - 2, draw.Top, draw.Bottom,
                 {ResolveColor(m_gutterBackColor, m_color), 1, PenStyle::Solid});
  if (gw >= 1)
    VerticalLine(canvas, gw - 1, draw.Top, draw.Bottom,
                 {ResolveColor(m_gutterLineColor, clGray), 1, PenStyle::Solid});
}

void TCustomQSMemo::PaintLineNumber(ICanvas& canvas, const TMemoLayout& layout, const TRowSpan& row,
                                    int top) {
  const int x = LineNumberX(layout, m_lineNumAlign == taRightJustify, m_gutterLineIndent);
  const int lh = LineHeight();
  if (!layout.numbersOnGutter)
    Fill(canvas, {x, top, x + layout.numberWidth, top + lh},
         ResolveColor(m_lineNumBackColor, m_color));
  // A wrapped line is numbered on its first row only.
  if (!row.IsFirst()) return;
  std::string digits = std::to_string(static_cast<std::int64_t>(row.line) + 1);
  const auto width = static_cast<std::size_t>(layout.numberDigits);
  String text(digits.begin(), digits.end());
  if (text.size() < width) {
    if (m_lineNumAlign == taLeftJustify)
      text.append(width - text.size(), U' ');
    else
      text.insert(0, width - text.size(), U' ');
  }
  canvas.SetFont(ToFontSpec(m_font));
  canvas.SetTextColor(ResolveColor(m_lineNumColor, clWindowText));
  canvas.SetTransparent(true);
  canvas.TextOut(x, top, text);
}

void TCustomQSMemo::PaintTextRow(ICanvas& canvas, const TMemoLayout& layout, const TRect& draw,
                                 const TRowSpan& span, int top) {
  const std::int32_t line = span.line;
  const TCustomMemoSource& s = Source();
  const int lh = LineHeight();
  const int cw = CharWidth();
  const bool colouring =
      (s.SyntaxParser() != nullptr && HasOption(moColorSyntax)) || s.HighlightUrls();
  const TDisplayRow row = RowCells(BuildDisplayRow(s, line, colouring), span);
  const bool showSelection = m_focused || !m_hideSelection;
  TRunOptions runOptions;
  if (showSelection && line < s.LineCount()) {
    const auto [from, to] = s.SelectedRange(line);
    runOptions.selection = RowColumns(span, {from, to});
  }
  runOptions.found = RowColumns(span, FoundSpan(s.FoundRect(), line));
  runOptions.urlsOnly = !HasOption(moColorSyntax);
  const TLookContext context = LookContext(line);

  const TRect rowClip =
      TRect{std::max(layout.textLeft, draw.Left), top, draw.Right, top + lh}.Intersect(draw);
  if (rowClip.IsEmpty()) return;
  canvas.PushClipRect(rowClip);
  const bool spacing = m_metrics.NeedsSpacing(true);
  for (const TTextRun& run : SplitRuns(row, runOptions)) {
    const int x = ColumnX(layout, run.start);
    const int right = x + run.length * cw;
    if (right <= rowClip.Left) continue;
    if (x >= rowClip.Right) break;
    const TRunLook look = RunLook(context, run.style, run.selected, run.found);
    Fill(canvas, {x, top, right, top + lh}, look.background);
    StringView text = StringView(row.text).substr(static_cast<std::size_t>(run.start),
                                                  static_cast<std::size_t>(run.length));
    const String upper = look.upperCase ? ToUpper(text) : String();
    if (look.upperCase) text = upper;
    canvas.SetFont(look.font);
    canvas.SetTextColor(look.foreground);
    canvas.SetTransparent(true);
    if (spacing)
      canvas.TextOut(x, top, text, std::span<const int>(m_metrics.Spacing().data(), text.size()));
    else
      canvas.TextOut(x, top, text);
  }
  PaintRowRest(canvas, layout, rowClip, span, top, static_cast<std::int32_t>(row.text.size()));
  canvas.PopClipRect();
}

void TCustomQSMemo::PaintRowRest(ICanvas& canvas, const TMemoLayout& layout, const TRect& rowClip,
                                 const TRowSpan& row, int top, std::int32_t endColumn) {
  const TCustomMemoSource& s = Source();
  const std::int32_t line = row.line;
  const int lh = LineHeight();
  const int from = std::max(ColumnX(layout, endColumn), rowClip.Left);
  if (from >= rowClip.Right) return;
  const TLookContext context = LookContext(line);
  Fill(canvas, {from, top, rowClip.Right, top + lh}, RowBackground(context));
  if (line >= s.LineCount() || (!m_focused && m_hideSelection)) return;
  const bool selectBeyond = s.SelectionType() == stBlockSel ||
                            (s.SelectionType() == stStreamSel && !HasOption(moSelectOnlyText));
  if (!selectBeyond) return;
  const auto [lineFrom, lineTo] = s.SelectedRange(line);
  const auto [selFrom, selTo] = RowColumns(row, {lineFrom, lineTo});
  const std::int32_t first = std::max(selFrom, endColumn);
  if (selTo <= first) return;
  const TRect selected =
      TRect{ColumnX(layout, first), top, ColumnX(layout, selTo), top + lh}.Intersect(rowClip);
  Fill(canvas, selected, RunLook(context, 0, true, false).background);
}

}  // namespace qs
