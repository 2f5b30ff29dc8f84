// The gutter images of one row: the images whose bits the line carries, in
// collection order, then the image of the line's bookmark digit.
#include <algorithm>

#include "editor/qsmemo.h"

namespace qs {

namespace {

// A line's image bits cover the first 32 images.
constexpr int kImageBits = 32;

}  // namespace

void TCustomQSMemo::PaintGutterImages(ICanvas& canvas, const TMemoLayout& layout, std::int32_t line,
                                      int top) {
  const TCustomMemoSource& s = Source();
  const TStringItem* item = s.GetLineItem(line);
  if (item == nullptr) return;
  // Images stay off the gutter's two edge lines and its first pixel.
  const int limitLeft = 1;
  const int limitRight = layout.gutter - 2;
  if (limitRight <= limitLeft) return;
  int x = m_gutterImgsAlign == iaRight ? layout.gutter - 4 : 1;
  const int count = std::min(m_gutterImages.Count(), kImageBits);
  for (int n = 0; n < count; ++n)
    if ((item->GutterImages >> n & 1u) != 0)
      PaintGlyph(canvas, m_gutterImages.Items(n), x, top, limitLeft, limitRight);
  if (const TGutterImage* bookmark = m_gutterImages.BookmarkImage(s.BookmarkAtLine(line)))
    PaintGlyph(canvas, *bookmark, x, top, limitLeft, limitRight);
}

void TCustomQSMemo::PaintGlyph(ICanvas& canvas, const TGutterImage& image, int& x, int top,
                               int limitLeft, int limitRight) {
  const Bitmap& glyph = image.Glyph();
  if (!glyph.IsValid()) return;
  const int lh = LineHeight();
  const TSize size = ScaledGlyphSize(glyph.width, glyph.height, lh);
  if (size.cx <= 0) return;
  const bool fromRight = m_gutterImgsAlign == iaRight;
  const int left = fromRight ? x - size.cx : x;
  // An image that does not fit is left out; a narrower one after it may fit.
  if (left < limitLeft || left + size.cx > limitRight) return;
  const int y = top + (lh - size.cy) / 2;
  canvas.DrawBitmap({left, y, left + size.cx, y + size.cy}, glyph);
  x = fromRight ? left - 1 : left + size.cx + 1;
}

}  // namespace qs
