// The canvas a printed page is painted through. The print editor paints in
// its screen pixels; this canvas carries every call onto the printer's canvas,
// scaled by the two devices' resolutions and moved to the page's text area,
// with each character placed where the screen layout put it. In monochrome
// it prints every ink black and every fill as paper, whatever colour the
// painter asked for, so no scheme colour or style reaches the paper.
#pragma once

#include "platform/canvas.h"

namespace qs {

struct TPrintTransform {
  double scaleX = 1;  // printer pixels per screen pixel
  double scaleY = 1;
  TPoint origin;  // printer pixels
  bool monochrome = false;
};

class TPrintCanvas final : public ICanvas {
 public:
  // target: the printer's canvas; measure: the screen canvas the print editor
  // lays out with, which answers every measurement.
  TPrintCanvas(ICanvas& target, ICanvas& measure, const TPrintTransform& transform);

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
  std::optional<TColor> PixelAt(TPoint) const override { return std::nullopt; }

  [[nodiscard]] TPoint Map(TPoint p) const;
  [[nodiscard]] TRect Map(const TRect& r) const;

 protected:
  void Line(TPoint from, TPoint to) override;

 private:
  [[nodiscard]] TColor Ink(TColor color) const;
  [[nodiscard]] TColor Paper(TColor color) const;
  [[nodiscard]] FontSpec PrinterFont() const;
  // The printer's advances for text at x, from the screen layout.
  [[nodiscard]] std::vector<int> PrinterAdvances(int x, StringView text,
                                                 std::span<const int> advances) const;
  void PrepareText();
  template <class Step>
  auto Measured(Step step) const;
  std::vector<TPoint> MapAll(std::span<const TPoint> points) const;

  ICanvas& m_target;
  ICanvas& m_measure;
  TPrintTransform m_transform;
};

}  // namespace qs
