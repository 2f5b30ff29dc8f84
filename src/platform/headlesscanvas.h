// A canvas for tests: it records every drawing call as a structured record
// (and as readable text), paints into a Raster so colours can be read back,
// and measures with fixed metrics: every character is cellWidth wide, every
// line lineHeight high, whatever the font (bold included).
//
// A canvas made with a size of 0 x 0 only records (PixelAt is then empty),
// which suits surfaces too large to hold, such as printer pages.
//
// Glyphs are painted as solid blocks in the text colour, inset by one pixel
// left and right and two pixels top and bottom of the character's cell, so a
// test can tell background (cell corners) from ink (cell centre). Blanks
// (space, tab) paint no ink.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/raster.h"

namespace qs {

enum class CanvasOp {
  FillRect,
  FrameRect,
  Line,
  Polyline,
  Polygon,
  Text,
  Bitmap,
  PushClip,
  PopClip
};

struct CanvasRecord {
  CanvasOp op = CanvasOp::FillRect;
  // Fills, frames, bitmaps and clips: the rectangle asked for. Text: the cell
  // box the characters take (origin to origin + extent); for TextRectOut the
  // clip rectangle is in clip.
  TRect rect;
  TRect clip;                  // TextRectOut's clip rectangle
  std::vector<TPoint> points;  // lines (from, to), polylines, polygons; text origin
  String text;
  std::vector<int> advances;  // as passed to the text call
  TColor color = 0;      // brush colour (fills, frames, polygons), pen colour (lines), text colour
  TColor backColor = 0;  // text in opaque mode
  bool opaque = false;   // text
  FontSpec font;         // text
  PenSpec pen;           // lines, polylines, polygons

  [[nodiscard]] std::string ToString() const;
};

class HeadlessCanvas final : public ICanvas {
 public:
  explicit HeadlessCanvas(int width = 640, int height = 480, int cellWidth = 8,
                          int lineHeight = 16);

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
  TSize PixelsPerInch() const override { return m_dpi; }
  void PushClipRect(const TRect& rect) override;
  void PopClipRect() override;
  void DrawBitmap(const TRect& dest, const Bitmap& bitmap,
                  std::optional<TColor> transparent = {}) override;
  std::optional<TColor> PixelAt(TPoint p) const override { return m_raster.Pixel(p); }

  [[nodiscard]] const std::vector<CanvasRecord>& Records() const { return m_records; }
  // The records of one kind, in order.
  [[nodiscard]] std::vector<CanvasRecord> RecordsOf(CanvasOp op) const;
  // One line per record.
  [[nodiscard]] std::string Dump() const;
  // Forgets the records (the pixels stay).
  void ClearRecords() { m_records.clear(); }
  [[nodiscard]] TSize SurfaceSize() const { return m_raster.Bounds().Size(); }
  void SetPixelsPerInch(TSize dpi) { m_dpi = dpi; }

 protected:
  void Line(TPoint from, TPoint to) override;

 private:
  void PaintText(int x, int y, StringView text, std::span<const int> advances);
  CanvasRecord& Record(CanvasOp op);
  CanvasRecord& RecordText(int x, int y, StringView text, std::span<const int> advances);
  TRect CurrentClip() const;

  Raster m_raster;
  int m_cellWidth;
  int m_lineHeight;
  TSize m_dpi{96, 96};
  std::vector<TRect> m_clips;
  std::vector<CanvasRecord> m_records;
};

}  // namespace qs
