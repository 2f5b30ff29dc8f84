#include "editor/printcanvas.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qs {

namespace {

constexpr TColor kInk = 0x000000;
constexpr TColor kPaper = 0xFFFFFF;

int Scaled(std::int64_t v, double scale) {
  const double r = std::round(static_cast<double>(v) * scale);
  return static_cast<int>(std::clamp(r, static_cast<double>(std::numeric_limits<int>::min() / 2),
                                     static_cast<double>(std::numeric_limits<int>::max() / 2)));
}

}  // namespace

TPrintCanvas::TPrintCanvas(ICanvas& target, ICanvas& measure, const TPrintTransform& transform)
    : m_target(target), m_measure(measure), m_transform(transform) {}

TPoint TPrintCanvas::Map(TPoint p) const {
  return {m_transform.origin.X + Scaled(p.X, m_transform.scaleX),
          m_transform.origin.Y + Scaled(p.Y, m_transform.scaleY)};
}

TRect TPrintCanvas::Map(const TRect& r) const {
  const TPoint topLeft = Map(TPoint{r.Left, r.Top});
  const TPoint bottomRight = Map(TPoint{r.Right, r.Bottom});
  return {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

std::vector<TPoint> TPrintCanvas::MapAll(std::span<const TPoint> points) const {
  std::vector<TPoint> mapped;
  mapped.reserve(points.size());
  for (const TPoint p : points) mapped.push_back(Map(p));
  return mapped;
}

TColor TPrintCanvas::Ink(TColor color) const {
  return m_transform.monochrome ? kInk : color;
}

TColor TPrintCanvas::Paper(TColor color) const {
  return m_transform.monochrome ? kPaper : color;
}

FontSpec TPrintCanvas::PrinterFont() const {
  FontSpec font = Font();
  // A size in points means the same on every device; a pixel height does not.
  if (font.height != 0) font.height = Scaled(font.height, m_transform.scaleY);
  return font;
}

// Measures on the screen canvas in this canvas's font, and gives the screen
// canvas its own font back, which its other users expect to find there.
template <class Step>
auto TPrintCanvas::Measured(Step step) const {
  const FontSpec previous = m_measure.Font();
  m_measure.SetFont(Font());
  struct Restore {
    ICanvas& canvas;
    const FontSpec& font;
    ~Restore() { canvas.SetFont(font); }
  } restore{m_measure, previous};
  return step(static_cast<const ICanvas&>(m_measure));
}

void TPrintCanvas::FillRect(const TRect& rect) {
  if (Brush().style == BrushStyle::Clear) return;
  m_target.SetBrush({Paper(Brush().color), BrushStyle::Solid});
  m_target.FillRect(Map(rect));
}

void TPrintCanvas::FrameRect(const TRect& rect) {
  m_target.SetBrush({Ink(Brush().color), Brush().style});
  m_target.FrameRect(Map(rect));
}

void TPrintCanvas::Line(TPoint from, TPoint to) {
  PenSpec pen = Pen();
  pen.color = Ink(pen.color);
  pen.width = std::max(Scaled(pen.width, m_transform.scaleX), 1);
  m_target.SetPen(pen);
  m_target.MoveTo(Map(from));
  m_target.LineTo(Map(to));
}

void TPrintCanvas::Polyline(std::span<const TPoint> points) {
  PenSpec pen = Pen();
  pen.color = Ink(pen.color);
  m_target.SetPen(pen);
  m_target.Polyline(MapAll(points));
}

void TPrintCanvas::Polygon(std::span<const TPoint> points) {
  PenSpec pen = Pen();
  pen.color = Ink(pen.color);
  m_target.SetPen(pen);
  m_target.SetBrush({Paper(Brush().color), Brush().style});
  m_target.Polygon(MapAll(points));
}

std::vector<int> TPrintCanvas::PrinterAdvances(int x, StringView text,
                                               std::span<const int> advances) const {
  const std::vector<int> offsets =
      Measured([&](const ICanvas& screen) { return CharacterOffsets(screen, text, advances); });
  std::vector<int> printer;
  printer.reserve(text.size());
  // Each character starts where its screen position scales to, so rounding
  // never accumulates along a line.
  for (std::size_t i = 0; i < text.size(); ++i)
    printer.push_back(Map(TPoint{x + offsets[i + 1], 0}).X - Map(TPoint{x + offsets[i], 0}).X);
  return printer;
}

void TPrintCanvas::PrepareText() {
  m_target.SetFont(PrinterFont());
  m_target.SetTextColor(Ink(TextColor()));
  m_target.SetBackColor(Paper(BackColor()));
  m_target.SetTransparent(IsTransparent());
}

void TPrintCanvas::TextOut(int x, int y, StringView text, std::span<const int> advances) {
  const std::vector<int> printer = PrinterAdvances(x, text, advances);
  PrepareText();
  const TPoint at = Map(TPoint{x, y});
  m_target.TextOut(at.X, at.Y, text, printer);
}

void TPrintCanvas::TextRectOut(const TRect& clip, int x, int y, StringView text,
                               std::span<const int> advances) {
  const std::vector<int> printer = PrinterAdvances(x, text, advances);
  PrepareText();
  const TPoint at = Map(TPoint{x, y});
  m_target.TextRectOut(Map(clip), at.X, at.Y, text, printer);
}

TSize TPrintCanvas::TextExtent(StringView text) const {
  return Measured([&](const ICanvas& screen) { return screen.TextExtent(text); });
}

int TPrintCanvas::CharWidth(Char c) const {
  return Measured([&](const ICanvas& screen) { return screen.CharWidth(c); });
}

FontMetrics TPrintCanvas::Metrics() const {
  return Measured([](const ICanvas& screen) { return screen.Metrics(); });
}

TSize TPrintCanvas::PixelsPerInch() const {
  return m_measure.PixelsPerInch();
}

void TPrintCanvas::PushClipRect(const TRect& rect) {
  m_target.PushClipRect(Map(rect));
}

void TPrintCanvas::PopClipRect() {
  m_target.PopClipRect();
}

void TPrintCanvas::DrawBitmap(const TRect& dest, const Bitmap& bitmap,
                              std::optional<TColor> transparent) {
  m_target.DrawBitmap(Map(dest), bitmap, transparent);
}

}  // namespace qs
