// The few shapes every part of an editor paint draws: filled rectangles and
// one-pixel lines, with the control's pens turned into canvas pens.
#pragma once

#include "editor/penbrush.h"
#include "platform/canvas.h"

namespace qs {

PenSpec ToPenSpec(const TPen& pen);
void Fill(ICanvas& canvas, const TRect& rect, TColor rgb);
// From top down to bottom (excluded).
void VerticalLine(ICanvas& canvas, int x, int top, int bottom, const PenSpec& pen);
// From left right to right (excluded).
void HorizontalLine(ICanvas& canvas, int y, int left, int right, const PenSpec& pen);

}  // namespace qs
