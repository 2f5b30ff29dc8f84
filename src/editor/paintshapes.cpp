#include "editor/paintshapes.h"

#include "editor/runlook.h"

namespace qs {

PenSpec ToPenSpec(const TPen& pen) {
  PenSpec result;
  result.color = ResolveColor(pen.Color(), clBlack);
  result.width = pen.Width();
  const auto style = static_cast<int>(pen.Style());
  result.style =
      style <= static_cast<int>(PenStyle::Clear) ? static_cast<PenStyle>(style) : PenStyle::Solid;
  return result;
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

void HorizontalLine(ICanvas& canvas, int y, int left, int right, const PenSpec& pen) {
  canvas.SetPen(pen);
  canvas.MoveTo({left, y});
  canvas.LineTo({right, y});
}

}  // namespace qs
