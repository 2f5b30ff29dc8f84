// What a row shows besides its text: the caret-line highlight, the line
// separator, the bookmark triangles and the fold button.
#include <algorithm>
#include <array>

#include "editor/paintshapes.h"
#include "editor/qsmemo.h"

namespace qs {

bool TCustomQSMemo::CaretLineHighlighted(std::int32_t line) const {
  return m_lineHighlight.Visible() && m_focused && line == Source().CaretLine();
}

std::optional<TColor> TCustomQSMemo::CaretLineFill(std::int32_t line) const {
  if (!CaretLineHighlighted(line) || m_lineHighlight.Brush().Style() == bsClear)
    return std::nullopt;
  return ResolveColor(m_lineHighlight.Brush().Color(), clBtnFace);
}

void TCustomQSMemo::PaintRowDecorations(ICanvas& canvas, const TMemoLayout&, const TRect& rowClip,
                                        const TRowGeometry& geometry, const TRowSpan& row,
                                        int top) {
  const std::int32_t line = row.line;
  const bool isLine = line < Source().LineCount();
  if (CaretLineHighlighted(line)) PaintCaretLineFrameLines(canvas, rowClip, top);
  // A wrapped line is separated from the next below its last row.
  if (isLine && row.IsLast() && (m_lineSeparator.Options() & SetBit(moDrawLineSeparator)) != 0 &&
      m_lineSeparator.Pen().Style() != psClear)
    HorizontalLine(canvas, top + LineHeight() - 1, rowClip.Left, rowClip.Right,
                   {ResolveColor(m_lineSeparator.Pen().Color(), clGrayText), 1, PenStyle::Solid});
  if (isLine && HasOption(moDrawLineBookmarks)) PaintLineBookmarks(canvas, geometry, row, top);
}

void TCustomQSMemo::PaintCaretLineFrameLines(ICanvas& canvas, const TRect& rowClip, int top) {
  const TPen& pen = m_lineHighlight.Pen();
  if (pen.Style() == psClear) return;
  const PenSpec line{ResolveColor(pen.Color(), clGrayText), 1, PenStyle::Solid};
  const int width = std::clamp(pen.Width(), 1, kMaxLinePenWidth);
  const int bottom = top + LineHeight();
  for (int i = 0; i < width; ++i) {
    if (m_lineHighlight.Shape() == shDoubleLine)
      HorizontalLine(canvas, top + i, rowClip.Left, rowClip.Right, line);
    HorizontalLine(canvas, bottom - 1 - i, rowClip.Left, rowClip.Right, line);
  }
}

void TCustomQSMemo::PaintLineBookmarks(ICanvas& canvas, const TRowGeometry& geometry,
                                       const TRowSpan& row, int top) {
  const std::int32_t line = row.line;
  const int h = LineHeight();
  const int bottom = top + h;
  const TColor color = ResolveColor(m_lineBookmarkColor, clRed);
  canvas.SetPen({color, 1, PenStyle::Solid});
  canvas.SetBrush({color, BrushStyle::Solid});
  for (const TBookmarkRecord& mark : Source().BookmarksInSpan(line, 0, kToEnd)) {
    // The row shows columns start..end of its line; marks of other rows are theirs.
    if (mark.Column < row.start || (!row.IsLast() && mark.Column >= row.end)) continue;
    const int x = geometry.X(mark.Column - row.start);
    const std::array<TPoint, 3> corner = {TPoint{x - h / 4, bottom - 1},
                                          TPoint{x + h / 4, bottom - 1},
                                          TPoint{x, bottom - h / 4 - 1}};
    canvas.Polygon(corner);
  }
}

void TCustomQSMemo::PaintFoldButton(ICanvas& canvas, const TMemoLayout& layout, const TRect& draw,
                                    std::int32_t line, int top) {
  const int lh = LineHeight();
  const int cellLeft = layout.textLeft - layout.foldWidth;
  const TRect cell = TRect{cellLeft, top, layout.textLeft, top + lh};
  if (!m_memoBackground.IsInUse())
    Fill(canvas, cell.Intersect(draw), ResolveColor(m_color, clWindow));
  const TStringItem* item = Source().GetLineItem(line);
  if (item == nullptr || (item->Flags & kLineFoldStart) == 0) return;
  const bool collapsed = (item->Flags & kLineFoldCollapsed) != 0;
  // A square box around a minus, or a plus when the region is collapsed.
  const int mark = FoldMarkSize(lh);
  const int side = std::min(2 * mark + 5, std::max(lh - 2, 3));
  const TRect box{cellLeft, top + (lh - side) / 2, cellLeft + side, top + (lh - side) / 2 + side};
  canvas.PushClipRect(cell.Intersect(draw));
  Fill(canvas, box, ResolveColor(m_color, clWindow));
  canvas.SetBrush({ResolveColor(m_gutterLineColor, clGray), BrushStyle::Solid});
  canvas.FrameRect(box);
  const PenSpec ink{ResolveColor(m_font.Color(), clWindowText), 1, PenStyle::Solid};
  const int cx = box.Left + side / 2;
  const int cy = box.Top + side / 2;
  const int arm = std::min(mark, side / 2 - 2);
  if (arm > 0) {
    HorizontalLine(canvas, cy, cx - arm, cx + arm + 1, ink);
    if (collapsed) VerticalLine(canvas, cx, cy - arm, cy + arm + 1, ink);
  }
  canvas.PopClipRect();
}

}  // namespace qs
