// The value types of screen geometry shared by every layer: points, sizes and
// rectangles in device pixels, y growing downwards.
#pragma once

#include <algorithm>

namespace qs {

struct TPoint {
  int X = 0;
  int Y = 0;

  constexpr TPoint() = default;
  constexpr TPoint(int x, int y) : X(x), Y(y) {}
  constexpr bool operator==(const TPoint&) const = default;
  constexpr TPoint operator+(TPoint d) const { return {X + d.X, Y + d.Y}; }
  constexpr TPoint operator-(TPoint d) const { return {X - d.X, Y - d.Y}; }
};

struct TSize {
  int cx = 0;
  int cy = 0;

  constexpr TSize() = default;
  constexpr TSize(int w, int h) : cx(w), cy(h) {}
  constexpr bool operator==(const TSize&) const = default;
};

// Right and Bottom are exclusive: a rectangle covers the pixels
// Left <= x < Right and Top <= y < Bottom, so Width() is Right - Left.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr TRect() = default;
  constexpr TRect(int left, int top, int right, int bottom)
      : Left(left), Top(top), Right(right), Bottom(bottom) {}
  static constexpr TRect FromSize(TPoint origin, TSize size) {
    return {origin.X, origin.Y, origin.X + size.cx, origin.Y + size.cy};
  }
  constexpr bool operator==(const TRect&) const = default;

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr TSize Size() const { return {Width(), Height()}; }
  constexpr TPoint TopLeft() const { return {Left, Top}; }
  constexpr TPoint BottomRight() const { return {Right, Bottom}; }
  // True when the rectangle covers no pixel (also when it is inverted).
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }

  constexpr bool Contains(TPoint p) const {
    return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
  }
  // True when every pixel of r lies inside; an empty r is inside anything.
  constexpr bool Contains(const TRect& r) const {
    return r.IsEmpty() ||
           (r.Left >= Left && r.Right <= Right && r.Top >= Top && r.Bottom <= Bottom);
  }
  constexpr bool Intersects(const TRect& r) const { return !Intersect(r).IsEmpty(); }
  // The common part; an empty result is normalised to all zeros so that two
  // empty intersections compare equal.
  constexpr TRect Intersect(const TRect& r) const {
    const TRect common{std::max(Left, r.Left), std::max(Top, r.Top), std::min(Right, r.Right),
                       std::min(Bottom, r.Bottom)};
    return common.IsEmpty() ? TRect{} : common;
  }
  // The smallest rectangle holding both; an empty side contributes nothing.
  constexpr TRect Union(const TRect& r) const {
    if (IsEmpty()) return r.IsEmpty() ? TRect{} : r;
    if (r.IsEmpty()) return *this;
    return {std::min(Left, r.Left), std::min(Top, r.Top), std::max(Right, r.Right),
            std::max(Bottom, r.Bottom)};
  }
  constexpr TRect Offset(int dx, int dy) const {
    return {Left + dx, Top + dy, Right + dx, Bottom + dy};
  }
  // Grows by dx on the left and right and by dy on the top and bottom (shrinks when negative).
  constexpr TRect Inflate(int dx, int dy) const {
    return {Left - dx, Top - dy, Right + dx, Bottom + dy};
  }
};

}  // namespace qs
