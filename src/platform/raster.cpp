#include "platform/raster.h"

#include <algorithm>
#include <cstdlib>

namespace qs {

Raster::Raster(int width, int height, TColor fill)
    : m_width(std::max(width, 0)),
      m_height(std::max(height, 0)),
      m_clip(Bounds()),
      m_pixels(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), fill) {}

void Raster::Plot(int x, int y, TColor color) {
  if (!m_clip.Contains({x, y})) return;
  m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
           static_cast<std::size_t>(x)] = color;
}

void Raster::FillRect(const TRect& rect, TColor color) {
  const TRect area = rect.Intersect(m_clip);
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) Plot(x, y, color);
}

void Raster::Line(TPoint from, TPoint to, TColor color, int width) {
  const int w = std::max(width, 1);
  // A line wholly beside the clip paints nothing, and a straight one is cut
  // to the clip's reach: neither then costs a step per pixel of its length.
  const TRect reach = m_clip.Inflate(w, w);
  if ((from.X < reach.Left && to.X < reach.Left) ||
      (from.X >= reach.Right && to.X >= reach.Right) || (from.Y < reach.Top && to.Y < reach.Top) ||
      (from.Y >= reach.Bottom && to.Y >= reach.Bottom))
    return;
  // Moving an end that lies beyond the reach to its edge changes no visible
  // pixel: both the old and the new end are outside the clip.
  if (from.Y == to.Y) {
    from.X = std::clamp(from.X, reach.Left, reach.Right);
    to.X = std::clamp(to.X, reach.Left, reach.Right);
  } else if (from.X == to.X) {
    from.Y = std::clamp(from.Y, reach.Top, reach.Bottom);
    to.Y = std::clamp(to.Y, reach.Top, reach.Bottom);
  }
  const auto stamp = [&](int x, int y) {
    if (w == 1) return Plot(x, y, color);
    FillRect({x - w / 2, y - w / 2, x - w / 2 + w, y - w / 2 + w}, color);
  };
  // Bresenham, stopping one step short of the end point.
  // 64-bit, as the distance between two far ends does not fit an int.
  const long long dx = std::llabs(static_cast<long long>(to.X) - from.X);
  const long long dy = -std::llabs(static_cast<long long>(to.Y) - from.Y);
  const int sx = from.X < to.X ? 1 : -1, sy = from.Y < to.Y ? 1 : -1;
  long long err = dx + dy;
  int x = from.X, y = from.Y;
  while (x != to.X || y != to.Y) {
    stamp(x, y);
    const long long e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void Raster::FillPolygon(std::span<const TPoint> points, TColor color) {
  if (points.size() < 3) return;
  int top = points[0].Y, bottom = points[0].Y;
  for (const TPoint& p : points) {
    top = std::min(top, p.Y);
    bottom = std::max(bottom, p.Y);
  }
  top = std::max(top, m_clip.Top);
  bottom = std::min(bottom, m_clip.Bottom - 1);
  std::vector<double> crossings;
  for (int y = top; y <= bottom; ++y) {
    const double cy = y + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const TPoint a = points[i], b = points[(i + 1) % points.size()];
      if ((a.Y <= cy) == (b.Y <= cy)) continue;
      crossings.push_back(a.X + (cy - a.Y) * (b.X - a.X) / (b.Y - a.Y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      // Pixels whose centre x + 0.5 lies in [left, right).
      const int left = static_cast<int>(crossings[i] + 0.5);
      const int right = static_cast<int>(crossings[i + 1] + 0.5);
      FillRect({left, y, right, y + 1}, color);
    }
  }
}

void Raster::Blit(const TRect& dest, const Bitmap& bitmap, std::optional<TColor> transparent) {
  if (!bitmap.IsValid() || dest.IsEmpty()) return;
  const TRect area = dest.Intersect(m_clip);
  for (int y = area.Top; y < area.Bottom; ++y) {
    const int by =
        static_cast<int>(static_cast<long long>(y - dest.Top) * bitmap.height / dest.Height());
    for (int x = area.Left; x < area.Right; ++x) {
      const int bx =
          static_cast<int>(static_cast<long long>(x - dest.Left) * bitmap.width / dest.Width());
      const std::uint32_t argb = bitmap.At(bx, by);
      const TColor color = ColorFromArgb(argb);
      if ((argb >> 24) == 0 || (transparent && *transparent == color)) continue;
      Plot(x, y, color);
    }
  }
}

std::optional<TColor> Raster::Pixel(TPoint p) const {
  if (!Bounds().Contains(p)) return std::nullopt;
  return m_pixels[static_cast<std::size_t>(p.Y) * static_cast<std::size_t>(m_width) +
                  static_cast<std::size_t>(p.X)];
}

}  // namespace qs
