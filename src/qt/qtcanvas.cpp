#include "qt/qtcanvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPolygon>
#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "qt/qtconvert.h"

namespace qs::qt {
namespace {

Qt::PenStyle ToQtPenStyle(PenStyle style) {
  switch (style) {
    case PenStyle::Solid:
      return Qt::SolidLine;
    case PenStyle::Dash:
      return Qt::DashLine;
    case PenStyle::Dot:
      return Qt::DotLine;
    case PenStyle::DashDot:
      return Qt::DashDotLine;
    case PenStyle::DashDotDot:
      return Qt::DashDotDotLine;
    case PenStyle::Clear:
      return Qt::NoPen;
  }
  return Qt::SolidLine;
}

QPolygon ToQPolygon(std::span<const TPoint> points) {
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const TPoint& p : points) polygon << ToQPoint(p);
  return polygon;
}

// The last pixel before `to` on the way from `from`: lines here exclude their
// end point, QPainter's include it.
QPoint StopShort(TPoint from, TPoint to) {
  // 64-bit, as the distance between two far ends does not fit an int.
  const long long dx = static_cast<long long>(to.X) - from.X;
  const long long dy = static_cast<long long>(to.Y) - from.Y;
  const long long steps = std::max(std::llabs(dx), std::llabs(dy));
  if (steps <= 1) return ToQPoint(from);
  const auto back = [steps](long long d) {
    // Rounded d / steps, the share of one step along this axis.
    return static_cast<int>((2 * d + (d >= 0 ? steps : -steps)) / (2 * steps));
  };
  return {to.X - back(dx), to.Y - back(dy)};
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter)
    : m_painter(painter), m_font(ToQFont(Font())), m_fontMetrics(m_font, m_painter.device()) {
  m_painter.setFont(m_font);
}

QtCanvas::~QtCanvas() {
  while (m_clipDepth > 0) PopClipRect();
}

void QtCanvas::FontChanged() {
  // A handful of fonts take turns; more than that and the oldest goes.
  constexpr std::size_t kKeptFonts = 16;
  const auto known = std::find_if(m_fonts.begin(), m_fonts.end(),
                                  [&](const auto& entry) { return entry.first == Font(); });
  if (known != m_fonts.end()) {
    m_font = known->second;
  } else {
    m_font = ToQFont(Font());
    if (m_fonts.size() == kKeptFonts) m_fonts.erase(m_fonts.begin());
    m_fonts.emplace_back(Font(), m_font);
  }
  m_fontMetrics = QFontMetrics(m_font, m_painter.device());
  m_painter.setFont(m_font);
}

void QtCanvas::ApplyPen() {
  QPen pen(ToQColor(Pen().color));
  pen.setWidth(std::max(Pen().width, 1));
  pen.setStyle(ToQtPenStyle(Pen().style));
  m_painter.setPen(pen);
}

void QtCanvas::FillRect(const TRect& rect) {
  if (Brush().style == BrushStyle::Solid && !rect.IsEmpty())
    m_painter.fillRect(ToQRect(rect), ToQColor(Brush().color));
}

void QtCanvas::FrameRect(const TRect& rect) {
  if (Brush().style != BrushStyle::Solid || rect.IsEmpty()) return;
  const QColor color = ToQColor(Brush().color);
  m_painter.fillRect(ToQRect({rect.Left, rect.Top, rect.Right, rect.Top + 1}), color);
  m_painter.fillRect(ToQRect({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}), color);
  m_painter.fillRect(ToQRect({rect.Left, rect.Top, rect.Left + 1, rect.Bottom}), color);
  m_painter.fillRect(ToQRect({rect.Right - 1, rect.Top, rect.Right, rect.Bottom}), color);
}

void QtCanvas::Line(TPoint from, TPoint to) {
  if (from == to || Pen().style == PenStyle::Clear) return;
  ApplyPen();
  m_painter.drawLine(ToQPoint(from), StopShort(from, to));
}

void QtCanvas::Polyline(std::span<const TPoint> points) {
  for (std::size_t i = 1; i < points.size(); ++i) Line(points[i - 1], points[i]);
}

void QtCanvas::Polygon(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  ApplyPen();
  if (Brush().style == BrushStyle::Solid)
    m_painter.setBrush(ToQColor(Brush().color));
  else
    m_painter.setBrush(Qt::NoBrush);
  m_painter.drawPolygon(ToQPolygon(points));
  m_painter.setBrush(Qt::NoBrush);
}

void QtCanvas::DrawText(int x, int y, StringView text, std::span<const int> advances) {
  const QFontMetrics& metrics = m_fontMetrics;
  const int baseline = y + metrics.ascent();
  m_painter.setPen(ToQColor(TextColor()));
  if (advances.empty()) {
    const QString s = ToQString(text);
    if (!IsTransparent())
      m_painter.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()),
                         ToQColor(BackColor()));
    m_painter.drawText(QPoint(x, baseline), s);
    return;
  }
  // Glyph by glyph, so each character sits exactly where its advance puts it.
  const std::vector<int> offsets = CharacterOffsets(*this, text, advances);
  if (!IsTransparent())
    m_painter.fillRect(QRect(x, y, offsets.back(), metrics.height()), ToQColor(BackColor()));
  for (std::size_t i = 0; i < text.size(); ++i)
    m_painter.drawText(QPoint(x + offsets[i], baseline), ToQString(text.substr(i, 1)));
}

void QtCanvas::TextOut(int x, int y, StringView text, std::span<const int> advances) {
  DrawText(x, y, text, advances);
}

void QtCanvas::TextRectOut(const TRect& clip, int x, int y, StringView text,
                           std::span<const int> advances) {
  PushClipRect(clip);
  if (!IsTransparent()) m_painter.fillRect(ToQRect(clip), ToQColor(BackColor()));
  DrawText(x, y, text, advances);
  PopClipRect();
}

TSize QtCanvas::TextExtent(StringView text) const {
  const QFontMetrics& metrics = m_fontMetrics;
  return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

int QtCanvas::CharWidth(Char c) const {
  const QFontMetrics& metrics = m_fontMetrics;
  return metrics.horizontalAdvance(ToQString(StringView(&c, 1)));
}

FontMetrics QtCanvas::Metrics() const {
  const QFontMetrics& q = m_fontMetrics;
  FontMetrics m;
  m.height = q.height();
  m.ascent = q.ascent();
  m.descent = q.descent();
  m.averageCharWidth = q.averageCharWidth();
  m.maxCharWidth = q.maxWidth();
  m.fixedPitch = QFontInfo(m_font).fixedPitch();
  return m;
}

TSize QtCanvas::PixelsPerInch() const {
  const QPaintDevice* device = m_painter.device();
  return device ? TSize{device->logicalDpiX(), device->logicalDpiY()} : TSize{96, 96};
}

void QtCanvas::PushClipRect(const TRect& rect) {
  // The saved state holds the clip to return to; pen, brush and font are set
  // afresh by every drawing call, so restoring them is harmless.
  const bool clipped = m_painter.hasClipping();
  m_painter.save();
  m_painter.setClipRect(ToQRect(rect), clipped ? Qt::IntersectClip : Qt::ReplaceClip);
  ++m_clipDepth;
}

void QtCanvas::PopClipRect() {
  if (m_clipDepth == 0) throw std::logic_error("PopClipRect without PushClipRect");
  m_painter.restore();
  m_painter.setFont(m_font);
  --m_clipDepth;
}

void QtCanvas::DrawBitmap(const TRect& dest, const Bitmap& bitmap,
                          std::optional<TColor> transparent) {
  QImage image = ToQImage(bitmap);
  if (image.isNull() || dest.IsEmpty()) return;
  if (transparent) {
    const QRgb key = ToQColor(*transparent).rgb() & 0x00FFFFFF;
    for (int y = 0; y < image.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x)
        if ((line[x] & 0x00FFFFFF) == key) line[x] = 0;
    }
  }
  m_painter.drawImage(ToQRect(dest), image);
}

std::optional<TColor> QtCanvas::PixelAt(TPoint p) const {
  const auto* image = dynamic_cast<const QImage*>(m_painter.device());
  if (!image || !image->rect().contains(ToQPoint(p))) return std::nullopt;
  return FromQColor(image->pixelColor(ToQPoint(p)));
}

}  // namespace qs::qt
