#include "platform/headlesscanvas.h"

#include <cstdio>
#include <stdexcept>

#include "support/utf8.h"

namespace qs {
namespace {

const char* OpName(CanvasOp op) {
  switch (op) {
    case CanvasOp::FillRect:
      return "FillRect";
    case CanvasOp::FrameRect:
      return "FrameRect";
    case CanvasOp::Line:
      return "Line";
    case CanvasOp::Polyline:
      return "Polyline";
    case CanvasOp::Polygon:
      return "Polygon";
    case CanvasOp::Text:
      return "Text";
    case CanvasOp::Bitmap:
      return "Bitmap";
    case CanvasOp::PushClip:
      return "PushClip";
    case CanvasOp::PopClip:
      return "PopClip";
  }
  return "?";
}

std::string Hex(TColor c) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(c) & 0xFFFFFFu);
  return buffer;
}

std::string RectText(const TRect& r) {
  return "(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + ")-(" +
         std::to_string(r.Right) + "," + std::to_string(r.Bottom) + ")";
}

std::string PointsText(const std::vector<TPoint>& points) {
  std::string out;
  for (const TPoint& p : points)
    out += (out.empty() ? "" : " ") + std::to_string(p.X) + "," + std::to_string(p.Y);
  return out;
}

std::string FontText(const FontSpec& f) {
  std::string out = ToUtf8(f.name) + "/" + std::to_string(f.height) + "/" + std::to_string(f.size);
  if (f.bold) out += "/b";
  if (f.italic) out += "/i";
  if (f.underline) out += "/u";
  if (f.strikeOut) out += "/s";
  return out;
}

bool IsBlank(Char c) {
  return c == U' ' || c == U'\t';
}

}  // namespace

std::string CanvasRecord::ToString() const {
  std::string out = OpName(op);
  switch (op) {
    case CanvasOp::FillRect:
    case CanvasOp::FrameRect:
    case CanvasOp::Bitmap:
      return out + " " + RectText(rect) + " " + Hex(color);
    case CanvasOp::PushClip:
      return out + " " + RectText(rect);
    case CanvasOp::PopClip:
      return out;
    case CanvasOp::Line:
    case CanvasOp::Polyline:
    case CanvasOp::Polygon:
      return out + " " + PointsText(points) + " pen " + Hex(pen.color) + "/" +
             std::to_string(pen.width) + (op == CanvasOp::Polygon ? " brush " + Hex(color) : "");
    case CanvasOp::Text:
      out += " " + PointsText(points) + " \"" + ToUtf8(text) + "\" " + Hex(color);
      out += opaque ? " on " + Hex(backColor) : " transparent";
      if (!clip.IsEmpty()) out += " clip " + RectText(clip);
      return out + " " + FontText(font);
  }
  return out;
}

HeadlessCanvas::HeadlessCanvas(int width, int height, int cellWidth, int lineHeight)
    : m_raster(width, height, 0xFFFFFF), m_cellWidth(cellWidth), m_lineHeight(lineHeight) {}

CanvasRecord& HeadlessCanvas::Record(CanvasOp op) {
  CanvasRecord& record = m_records.emplace_back();
  record.op = op;
  return record;
}

TRect HeadlessCanvas::CurrentClip() const {
  TRect clip = m_raster.Bounds();
  for (const TRect& r : m_clips) clip = clip.Intersect(r);
  return clip;
}

void HeadlessCanvas::FillRect(const TRect& rect) {
  CanvasRecord& record = Record(CanvasOp::FillRect);
  record.rect = rect;
  record.color = Brush().color;
  if (Brush().style == BrushStyle::Solid) m_raster.FillRect(rect, Brush().color);
}

void HeadlessCanvas::FrameRect(const TRect& rect) {
  CanvasRecord& record = Record(CanvasOp::FrameRect);
  record.rect = rect;
  record.color = Brush().color;
  if (rect.IsEmpty() || Brush().style == BrushStyle::Clear) return;
  const TColor c = Brush().color;
  m_raster.FillRect({rect.Left, rect.Top, rect.Right, rect.Top + 1}, c);
  m_raster.FillRect({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, c);
  m_raster.FillRect({rect.Left, rect.Top, rect.Left + 1, rect.Bottom}, c);
  m_raster.FillRect({rect.Right - 1, rect.Top, rect.Right, rect.Bottom}, c);
}

void HeadlessCanvas::Line(TPoint from, TPoint to) {
  CanvasRecord& record = Record(CanvasOp::Line);
  record.points = {from, to};
  record.color = Pen().color;
  record.pen = Pen();
  if (Pen().style != PenStyle::Clear) m_raster.Line(from, to, Pen().color, Pen().width);
}

void HeadlessCanvas::Polyline(std::span<const TPoint> points) {
  CanvasRecord& record = Record(CanvasOp::Polyline);
  record.points.assign(points.begin(), points.end());
  record.color = Pen().color;
  record.pen = Pen();
  if (Pen().style == PenStyle::Clear) return;
  for (std::size_t i = 1; i < points.size(); ++i)
    m_raster.Line(points[i - 1], points[i], Pen().color, Pen().width);
}

void HeadlessCanvas::Polygon(std::span<const TPoint> points) {
  CanvasRecord& record = Record(CanvasOp::Polygon);
  record.points.assign(points.begin(), points.end());
  record.color = Brush().color;
  record.pen = Pen();
  if (Brush().style == BrushStyle::Solid) m_raster.FillPolygon(points, Brush().color);
  if (Pen().style == PenStyle::Clear || points.size() < 2) return;
  for (std::size_t i = 0; i < points.size(); ++i)
    m_raster.Line(points[i], points[(i + 1) % points.size()], Pen().color, Pen().width);
}

void HeadlessCanvas::PaintText(int x, int y, StringView text, std::span<const int> advances) {
  const std::vector<int> offsets = CharacterOffsets(*this, text, advances);
  if (!IsTransparent())
    m_raster.FillRect({x, y, x + offsets.back(), y + m_lineHeight}, BackColor());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsBlank(text[i])) continue;
    m_raster.FillRect({x + offsets[i] + 1, y + 2, x + offsets[i + 1] - 1, y + m_lineHeight - 2},
                      TextColor());
  }
}

CanvasRecord& HeadlessCanvas::RecordText(int x, int y, StringView text,
                                         std::span<const int> advances) {
  CanvasRecord& record = Record(CanvasOp::Text);
  record.points = {{x, y}};
  record.text = String(text);
  record.advances.assign(advances.begin(), advances.end());
  record.rect = {x, y, x + CharacterOffsets(*this, text, advances).back(), y + m_lineHeight};
  record.color = TextColor();
  record.backColor = BackColor();
  record.opaque = !IsTransparent();
  record.font = Font();
  return record;
}

void HeadlessCanvas::TextOut(int x, int y, StringView text, std::span<const int> advances) {
  RecordText(x, y, text, advances);
  PaintText(x, y, text, advances);
}

void HeadlessCanvas::TextRectOut(const TRect& clip, int x, int y, StringView text,
                                 std::span<const int> advances) {
  RecordText(x, y, text, advances).clip = clip;
  m_raster.SetClip(CurrentClip().Intersect(clip));
  if (!IsTransparent()) m_raster.FillRect(clip, BackColor());
  PaintText(x, y, text, advances);
  m_raster.SetClip(CurrentClip());
}

TSize HeadlessCanvas::TextExtent(StringView text) const {
  return {m_cellWidth * static_cast<int>(text.size()), m_lineHeight};
}

int HeadlessCanvas::CharWidth(Char) const {
  return m_cellWidth;
}

FontMetrics HeadlessCanvas::Metrics() const {
  FontMetrics m;
  m.height = m_lineHeight;
  m.descent = m_lineHeight / 5;
  m.ascent = m_lineHeight - m.descent;
  m.averageCharWidth = m_cellWidth;
  m.maxCharWidth = m_cellWidth;
  m.fixedPitch = true;
  return m;
}

void HeadlessCanvas::PushClipRect(const TRect& rect) {
  Record(CanvasOp::PushClip).rect = rect;
  m_clips.push_back(rect);
  m_raster.SetClip(CurrentClip());
}

void HeadlessCanvas::PopClipRect() {
  if (m_clips.empty()) throw std::logic_error("PopClipRect without PushClipRect");
  Record(CanvasOp::PopClip);
  m_clips.pop_back();
  m_raster.SetClip(CurrentClip());
}

void HeadlessCanvas::DrawBitmap(const TRect& dest, const Bitmap& bitmap,
                                std::optional<TColor> transparent) {
  CanvasRecord& record = Record(CanvasOp::Bitmap);
  record.rect = dest;
  record.color = transparent.value_or(-1);
  m_raster.Blit(dest, bitmap, transparent);
}

std::vector<CanvasRecord> HeadlessCanvas::RecordsOf(CanvasOp op) const {
  std::vector<CanvasRecord> found;
  for (const CanvasRecord& r : m_records)
    if (r.op == op) found.push_back(r);
  return found;
}

std::string HeadlessCanvas::Dump() const {
  std::string out;
  for (const CanvasRecord& r : m_records) out += r.ToString() + "\n";
  return out;
}

}  // namespace qs
