// Painting one window paint: the gutter, the line numbers and the text rows
// that intersect the area being painted, nothing outside it.
#include <algorithm>
#include <optional>
#include <string>

#include "editor/fontcache.h"
#include "editor/memorow.h"
#include "editor/memowraprow.h"
#include "editor/paintshapes.h"
#include "editor/qsmemo.h"
#include "support/fontcharsets.h"
#include "support/guardedcall.h"
#include "support/unicodecase.h"

namespace qs {

namespace {

TColumnSpan FoundSpan(const TMemoRect& r, std::int32_t line) {
  if (r.Top == r.Bottom && r.Left == r.Right) return {};
  if (line < r.Top || line > r.Bottom) return {};
  return {line == r.Top ? r.Left : 0, line == r.Bottom ? r.Right : kToEnd};
}

}  // namespace

// A paint has no one to show a failure to (a box would ask for another
// paint); what failed to draw is logged and drawn again at the next paint.
void TCustomQSMemo::Paint(ICanvas& canvas, const TRect& clip) noexcept {
  LoggedCall("painting the editor", [&] { PaintParts(canvas, clip); });
}

TLookContext TCustomQSMemo::LookContext(std::int32_t line) const {
  const TCustomMemoSource& s = Source();
  TLookContext c;
  c.styles = &m_styles;
  c.controlFont = &m_font;
  c.controlColor = HasOption(moUseReadOnlyColor) && s.ReadOnly() ? m_readOnlyColor : m_color;
  if (ShowsStyleBytes()) c.attributes = s.SyntaxParser()->AttributeSource();
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

// Formats of rich attribute mode are content, shown whatever the colouring
// option says; a scheme's colours only with it.
bool TCustomQSMemo::ShowsStyleBytes() const {
  const TSimpleParser* parser = Source().SyntaxParser();
  return parser != nullptr && (HasOption(moColorSyntax) || parser->KeepsStyleBytes());
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
  if (m_memoBackground.IsInUse()) {
    PaintTextBackground(canvas, layout, draw);
  } else {
    const int indentLeft = layout.gutter;
    Fill(canvas,
         TRect{indentLeft, draw.Top, indentLeft + layout.indent, draw.Bottom}.Intersect(draw),
         control);
    Fill(
        canvas,
        TRect{layout.textLeft - layout.foldWidth, draw.Top, layout.textLeft, draw.Bottom}.Intersect(
            draw),
        control);
  }
  const bool gutterVisible =
      HasOption(moDrawGutter) && layout.gutter > 0 && draw.Left < layout.gutter;
  if (gutterVisible) PaintGutter(canvas, layout, draw);

  const int firstRow = draw.Top / lh;
  const int lastRow = (draw.Bottom - 1) / lh;
  const TCustomMemoSource& s = Source();
  const std::vector<TRowSpan> rows = DisplayRows(m_topLine + firstRow, lastRow - firstRow + 1);
  EnsureParsed(rows.front().line, rows.back().line);
  const bool numbersVisible =
      layout.showNumbers && draw.Left < layout.textLeft &&
      LineNumberX(layout, m_lineNumAlign == taRightJustify, m_gutterLineIndent) +
              layout.numberWidth >
          draw.Left;
  const bool imagesVisible = gutterVisible && m_gutterImages.Count() > 0;
  const bool foldsVisible = layout.foldWidth > 0 && draw.Left < layout.textLeft &&
                            draw.Right > layout.textLeft - layout.foldWidth;
  for (int r = firstRow; r <= lastRow; ++r) {
    const TRowSpan& row = rows[static_cast<std::size_t>(r - firstRow)];
    const std::int32_t line = row.line;
    const int top = r * lh;
    if (numbersVisible) PaintLineNumber(canvas, layout, row, top);
    // A wrapped line carries its images and fold button on its first row.
    const bool lineStart = line < s.LineCount() && row.IsFirst();
    if (imagesVisible && lineStart) PaintGutterImages(canvas, layout, line, top);
    if (foldsVisible && lineStart) PaintFoldButton(canvas, layout, draw, line, top);
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
  if (m_gutterBackground.IsInUse())
    PaintGutterBackground(canvas, layout, draw);
  else if (m_gutterBrush.Style() != bsClear)
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
  // A wrapped line is numbered on its first row only, and only real lines
  // are numbered (an empty document still has the line the caret is on).
  if (!row.IsFirst() || row.line >= std::max(Source().LineCount(), 1)) return;
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

TDisplayRow TCustomQSMemo::DisplayRow(std::int32_t line) {
  const TCustomMemoSource& s = Source();
  TDisplayRowOptions options;
  options.withStyles = ShowsStyleBytes() || s.HighlightUrls();
  if (HasOption(moDrawSpecialSymbols)) options.symbols = &m_specialSymbols;
  options.markBlanks = m_useMonoFont;
  options.dosCharset = m_font.Charset() == OEM_CHARSET;
  return BuildDisplayRow(s, line, options);
}

TRunOptions TCustomQSMemo::RunOptionsFor(std::int32_t line) const {
  const TCustomMemoSource& s = Source();
  TRunOptions options;
  if ((m_focused || !m_hideSelection) && line < s.LineCount()) {
    const auto [from, to] = s.SelectedRange(line);
    options.selection = {from, to};
  }
  options.found = FoundSpan(s.FoundRect(), line);
  options.urlsOnly = !ShowsStyleBytes();
  return options;
}

TRowGeometry TCustomQSMemo::RowGeometry(const TMemoLayout& layout, const TDisplayRow& row,
                                        const std::vector<TTextRun>& runs,
                                        const TLookContext& context) {
  TRowGeometry geometry;
  const int cw = CharWidth();
  geometry.origin = ColumnX(layout, 0);
  geometry.cellWidth = cw;
  if (m_useMonoFont) return geometry;
  // Each character in its own width, in the font of its run.
  TFontManager& fonts = FontManager();
  const FontSpec controlFont = ToFontSpec(m_font);
  geometry.cellWidth = std::max(fonts.CharWidth(m_measureCanvas, controlFont, U' '), 1);
  geometry.ascent = fonts.Metrics(m_measureCanvas, controlFont).ascent;
  geometry.offsets.assign(row.text.size() + 1, 0);
  std::vector<int> widths;
  int x = 0;
  for (const TTextRun& run : runs) {
    const TRunLook look = RunLook(context, run.style, run.selected, run.found);
    const StringView text = StringView(row.text).substr(static_cast<std::size_t>(run.start),
                                                        static_cast<std::size_t>(run.length));
    fonts.TextWidth(m_measureCanvas, look.font, look.upperCase ? StringView(ToUpper(text)) : text,
                    &widths);
    for (std::size_t i = 0; i < widths.size(); ++i) {
      geometry.offsets[static_cast<std::size_t>(run.start) + i] = x;
      x += widths[i];
    }
    geometry.ascent = std::max(geometry.ascent, fonts.Metrics(m_measureCanvas, look.font).ascent);
  }
  geometry.offsets.back() = x;
  return geometry;
}

int TCustomQSMemo::ColumnToX(std::int32_t line, std::int64_t column) {
  const TMemoLayout layout = Layout();
  // Wrapping needs fixed cells, so only a fixed-cell row can be a wrapped one.
  if (m_useMonoFont)
    return ColumnX(layout, RowColumnOf({line, static_cast<std::int32_t>(std::clamp<std::int64_t>(
                                                  column, 0, kRowToLineEnd))}));
  const TDisplayRow row = DisplayRow(line);
  const std::vector<TTextRun> runs = SplitRuns(row, RunOptionsFor(line));
  return RowGeometry(layout, row, runs, LookContext(line)).X(column);
}

void TCustomQSMemo::PaintTextRow(ICanvas& canvas, const TMemoLayout& layout, const TRect& draw,
                                 const TRowSpan& span, int top) {
  const std::int32_t line = span.line;
  const int lh = LineHeight();
  const TDisplayRow row = RowCells(DisplayRow(line), span);
  TRunOptions runOptions = RunOptionsFor(line);
  runOptions.selection = RowColumns(span, runOptions.selection);
  runOptions.found = RowColumns(span, runOptions.found);
  const std::vector<TTextRun> runs = SplitRuns(row, runOptions);
  const TLookContext context = LookContext(line);

  const TRect rowClip =
      TRect{std::max(layout.textLeft, draw.Left), top, draw.Right, top + lh}.Intersect(draw);
  if (rowClip.IsEmpty()) return;
  const TRowGeometry geometry = RowGeometry(layout, row, runs, context);
  const TColor control = ResolveColor(context.controlColor, clWindow);
  const std::optional<TColor> caretLineFill = CaretLineFill(line);
  canvas.PushClipRect(rowClip);
  const bool spacing = m_useMonoFont && m_metrics.NeedsSpacing(true);
  for (const TTextRun& run : runs) {
    const int x = geometry.X(run.start);
    const int right = geometry.X(static_cast<std::int64_t>(run.start) + run.length);
    if (right <= rowClip.Left) continue;
    if (x >= rowClip.Right) break;
    const TRunLook look = RunLook(context, run.style, run.selected, run.found);
    if (caretLineFill && look.background == control)
      Fill(canvas, {x, top, right, top + lh}, *caretLineFill);
    else if (!ShowsTextBackground(look.background))
      Fill(canvas, {x, top, right, top + lh}, look.background);
    StringView text = StringView(row.text).substr(static_cast<std::size_t>(run.start),
                                                  static_cast<std::size_t>(run.length));
    const String upper = look.upperCase ? ToUpper(text) : String();
    if (look.upperCase) text = upper;
    canvas.SetFont(look.font);
    canvas.SetTextColor(look.foreground);
    canvas.SetTransparent(true);
    // Proportional runs share one baseline whatever their fonts.
    const int y = m_useMonoFont ? top
                                : top + geometry.ascent -
                                      FontManager().Metrics(m_measureCanvas, look.font).ascent;
    if (spacing)
      canvas.TextOut(x, y, text, std::span<const int>(m_metrics.Spacing().data(), text.size()));
    else
      canvas.TextOut(x, y, text);
  }
  PaintRowRest(canvas, rowClip, geometry, span, top, static_cast<std::int32_t>(row.text.size()));
  PaintRowDecorations(canvas, layout, rowClip, geometry, span, top);
  canvas.PopClipRect();
}

void TCustomQSMemo::PaintRowRest(ICanvas& canvas, const TRect& rowClip,
                                 const TRowGeometry& geometry, const TRowSpan& row, int top,
                                 std::int32_t endColumn) {
  const TCustomMemoSource& s = Source();
  const std::int32_t line = row.line;
  const int lh = LineHeight();
  const int from = std::max(geometry.X(endColumn), rowClip.Left);
  if (from >= rowClip.Right) return;
  const TLookContext context = LookContext(line);
  const TColor background = RowBackground(context);
  const std::optional<TColor> caretLineFill = CaretLineFill(line);
  if (caretLineFill && background == ResolveColor(context.controlColor, clWindow))
    Fill(canvas, {from, top, rowClip.Right, top + lh}, *caretLineFill);
  else if (!ShowsTextBackground(background))
    Fill(canvas, {from, top, rowClip.Right, top + lh}, background);
  if (line >= s.LineCount() || (!m_focused && m_hideSelection)) return;
  const bool selectBeyond = s.SelectionType() == stBlockSel ||
                            (s.SelectionType() == stStreamSel && !HasOption(moSelectOnlyText));
  if (!selectBeyond) return;
  const auto [lineFrom, lineTo] = s.SelectedRange(line);
  const auto [selFrom, selTo] = RowColumns(row, {lineFrom, lineTo});
  const std::int32_t first = std::max(selFrom, endColumn);
  if (selTo <= first) return;
  const TRect selected =
      TRect{geometry.X(first), top, geometry.X(selTo), top + lh}.Intersect(rowClip);
  Fill(canvas, selected, RunLook(context, 0, true, false).background);
}

bool TCustomQSMemo::ShowsTextBackground(TColor fill) const {
  return m_memoBackground.IsInUse() && fill == ResolveColor(m_color, clWindow);
}

void TCustomQSMemo::PaintTextBackground(ICanvas& canvas, const TMemoLayout& layout,
                                        const TRect& draw) {
  const TRect client = m_host.ClientRect();
  const TRect area{layout.gutter, client.Top, client.Right, client.Bottom};
  const Bitmap& image =
      m_memoBackgroundCache.Get(m_memoBackground, area.Size(), ResolveColor(m_color, clWindow));
  if (!image.IsValid() || area.Intersect(draw).IsEmpty()) return;
  canvas.PushClipRect(area.Intersect(draw));
  canvas.DrawBitmap(area, image);
  canvas.PopClipRect();
}

void TCustomQSMemo::PaintGutterBackground(ICanvas& canvas, const TMemoLayout& layout,
                                          const TRect& draw) {
  const TRect area{0, 0, layout.gutter, m_host.ClientRect().Height() + 1};
  const Bitmap& image = m_gutterBackgroundCache.Get(m_gutterBackground, area.Size(),
                                                    ResolveColor(m_gutterBrush.Color(), clBtnFace));
  if (!image.IsValid()) return;
  canvas.PushClipRect(area.Intersect(draw));
  canvas.DrawBitmap(area, image);
  canvas.PopClipRect();
}

}  // namespace qs
