// A surface to paint on and measure text with: the editor, the gutter, the
// dialogs' owner-drawn parts and printing all draw through it. Coordinates
// are device pixels; rectangles exclude their right and bottom edges and a
// line excludes its end point, so adjacent shapes never overlap.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "platform/bitmap.h"
#include "support/colors.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "support/qschar.h"

namespace qs {

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class BrushStyle { Solid, Clear };

struct PenSpec {
  TColor color = 0;
  int width = 1;
  PenStyle style = PenStyle::Solid;
  bool operator==(const PenSpec&) const = default;
};

struct BrushSpec {
  TColor color = 0xFFFFFF;
  BrushStyle style = BrushStyle::Solid;
  bool operator==(const BrushSpec&) const = default;
};

// The drawing state lives here once; an implementation hears of font changes
// through FontChanged and reads the rest when it draws.
class ICanvas {
 public:
  virtual ~ICanvas() = default;

  void SetFont(const FontSpec& font);
  [[nodiscard]] const FontSpec& Font() const { return m_font; }
  void SetPen(const PenSpec& pen) { m_pen = pen; }
  [[nodiscard]] const PenSpec& Pen() const { return m_pen; }
  void SetBrush(const BrushSpec& brush) { m_brush = brush; }
  [[nodiscard]] const BrushSpec& Brush() const { return m_brush; }
  void SetTextColor(TColor color) { m_textColor = color; }
  [[nodiscard]] TColor TextColor() const { return m_textColor; }
  // The colour behind text drawn in opaque mode.
  void SetBackColor(TColor color) { m_backColor = color; }
  [[nodiscard]] TColor BackColor() const { return m_backColor; }
  // Transparent text leaves the pixels behind its glyphs as they are.
  void SetTransparent(bool transparent) { m_transparent = transparent; }
  [[nodiscard]] bool IsTransparent() const { return m_transparent; }

  // With the brush; a clear brush fills nothing.
  virtual void FillRect(const TRect& rect) = 0;
  // A one-pixel border inside the rectangle, in the brush colour.
  virtual void FrameRect(const TRect& rect) = 0;
  void MoveTo(TPoint p) { m_penPos = p; }
  // With the pen, from the pen position up to (not including) p, which becomes
  // the new pen position.
  void LineTo(TPoint p);
  [[nodiscard]] TPoint PenPos() const { return m_penPos; }
  // Connected lines with the pen; each end point is excluded like LineTo's.
  virtual void Polyline(std::span<const TPoint> points) = 0;
  // A closed shape filled with the brush and outlined with the pen.
  virtual void Polygon(std::span<const TPoint> points) = 0;

  // Text with its cell's top-left corner at (x, y). advances, when given,
  // place each character that far right of the previous one instead of its
  // own width; characters past the end of advances use their own widths.
  // In opaque mode the text's cell is first filled with the back colour.
  virtual void TextOut(int x, int y, StringView text, std::span<const int> advances = {}) = 0;
  // Like TextOut but clipped to clip; in opaque mode the whole of clip is
  // filled with the back colour first.
  virtual void TextRectOut(const TRect& clip, int x, int y, StringView text,
                           std::span<const int> advances = {}) = 0;

  // Width of the text and the font's line height.
  [[nodiscard]] virtual TSize TextExtent(StringView text) const = 0;
  [[nodiscard]] int TextWidth(StringView text) const { return TextExtent(text).cx; }
  [[nodiscard]] virtual int CharWidth(Char c) const = 0;
  [[nodiscard]] virtual FontMetrics Metrics() const = 0;
  // Dots per inch of the device, horizontally (cx) and vertically (cy).
  [[nodiscard]] virtual TSize PixelsPerInch() const = 0;

  // Drawing is limited to the intersection of every pushed rectangle.
  virtual void PushClipRect(const TRect& rect) = 0;
  virtual void PopClipRect() = 0;

  // The bitmap stretched into dest; pixels of the transparent colour (and
  // see-through pixels) are not drawn.
  virtual void DrawBitmap(const TRect& dest, const Bitmap& bitmap,
                          std::optional<TColor> transparent = {}) = 0;

  // What is painted at p; empty outside the surface or on a device that
  // cannot be read back.
  [[nodiscard]] virtual std::optional<TColor> PixelAt(TPoint p) const = 0;

 protected:
  virtual void FontChanged() {}
  virtual void Line(TPoint from, TPoint to) = 0;

 private:
  FontSpec m_font;
  PenSpec m_pen;
  BrushSpec m_brush;
  TColor m_textColor = 0;
  TColor m_backColor = 0xFFFFFF;
  bool m_transparent = false;
  TPoint m_penPos;
};

// Where each character of text starts, relative to the text's origin, and the
// total width as the last entry (size + 1 values): the one rule by which
// every canvas spaces text with optional advances.
[[nodiscard]] std::vector<int> CharacterOffsets(const ICanvas& canvas, StringView text,
                                                std::span<const int> advances);

}  // namespace qs
