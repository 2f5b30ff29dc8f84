// The canvas over a QPainter: each call applies the canvas state to the
// painter and makes the matching QPainter call. Reading pixels back works
// when the painter paints on a QImage.
#pragma once

#include <QFontMetrics>
#include <QPainter>
#include <utility>
#include <vector>

#include "platform/canvas.h"

namespace qs::qt {

class QtCanvas final : public ICanvas {
 public:
  // The painter must be active and outlive the canvas.
  explicit QtCanvas(QPainter& painter);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  void FillRect(const TRect& rect) override;
  void FrameRect(const TRect& rect) override;
  void Polyline(std::span<const TPoint> points) override;
  void Polygon(std::span<const TPoint> points) override;
  void TextOut(int x, int y, StringView text, std::span<const int> advances = {}) override;
  void TextRectOut(const TRect& clip, int x, int y, StringView text,
                   std::span<const int> advances = {}) override;
  TSize TextExtent(StringView text) const override;
  int CharWidth(Char c) const override;
  FontMetrics Metrics() const override;
  TSize PixelsPerInch() const override;
  void PushClipRect(const TRect& rect) override;
  void PopClipRect() override;
  void DrawBitmap(const TRect& dest, const Bitmap& bitmap,
                  std::optional<TColor> transparent = {}) override;
  std::optional<TColor> PixelAt(TPoint p) const override;

 protected:
  void FontChanged() override;
  void Line(TPoint from, TPoint to) override;

 private:
  void ApplyPen();
  void DrawText(int x, int y, StringView text, std::span<const int> advances);

  QPainter& m_painter;
  QFont m_font;
  // Metrics of m_font on the painter's device, made once per font change.
  QFontMetrics m_fontMetrics;
  // The fonts met so far: a paint switches between a few of them per row.
  std::vector<std::pair<FontSpec, QFont>> m_fonts;
  int m_clipDepth = 0;
};

}  // namespace qs::qt
