// A plain pixel surface with a clip rectangle: what the headless canvas paints
// into so that tests can read back colours at points.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "platform/bitmap.h"
#include "support/colors.h"
#include "platform/geometry.h"

namespace qs {

class Raster {
 public:
  Raster(int width, int height, TColor fill);

  [[nodiscard]] TRect Bounds() const { return {0, 0, m_width, m_height}; }
  // Drawing is limited to clip (within the bounds).
  void SetClip(const TRect& clip) { m_clip = clip.Intersect(Bounds()); }
  [[nodiscard]] const TRect& Clip() const { return m_clip; }

  void Plot(int x, int y, TColor color);
  void FillRect(const TRect& rect, TColor color);
  // Excludes the end point; a pen wider than 1 paints a square of that size
  // centred on each point.
  void Line(TPoint from, TPoint to, TColor color, int width);
  // Even-odd fill of the pixels whose centres lie inside the outline.
  void FillPolygon(std::span<const TPoint> points, TColor color);
  // Nearest-neighbour stretch of bitmap into dest.
  void Blit(const TRect& dest, const Bitmap& bitmap, std::optional<TColor> transparent);

  [[nodiscard]] std::optional<TColor> Pixel(TPoint p) const;

 private:
  int m_width;
  int m_height;
  TRect m_clip;
  std::vector<TColor> m_pixels;
};

}  // namespace qs
