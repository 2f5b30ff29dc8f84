#include "qt/qtconvert.h"

#include <QGuiApplication>
#include <QPalette>

namespace qs::qt {
namespace {

QPalette::ColorRole RoleOfSystemColor(int index, QPalette::ColorGroup& group) {
  group = QPalette::Active;
  switch (index) {
    case 5:
      return QPalette::Base;  // window background
    case 8:
      return QPalette::Text;  // window text
    case 0x0D:
      return QPalette::Highlight;
    case 0x0E:
      return QPalette::HighlightedText;
    case 0x11:
      group = QPalette::Disabled;
      return QPalette::Text;  // grey text
    case 0x12:
      return QPalette::ButtonText;
    case 0x17:
      return QPalette::ToolTipText;
    case 0x18:
      return QPalette::ToolTipBase;
    case 0x14:
      return QPalette::Light;  // 3-D highlight
    case 0x10:
      return QPalette::Mid;  // button shadow
    case 0x15:
      return QPalette::Dark;  // 3-D dark shadow
    case 0x07:
      return QPalette::WindowText;  // menu text
    default:
      return QPalette::Button;  // faces, frames and the rest
  }
}

}  // namespace

QColor ToQColor(TColor color) {
  const auto value = static_cast<std::uint32_t>(color);
  if ((value & 0xFF000000u) == 0xFF000000u) {
    QPalette::ColorGroup group;
    const QPalette::ColorRole role = RoleOfSystemColor(static_cast<int>(value & 0xFF), group);
    return QGuiApplication::palette().color(group, role);
  }
  return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QFont ToQFont(const FontSpec& font) {
  QFont q;
  if (!font.name.empty()) q.setFamily(ToQString(font.name));
  // A cell height (positive) is taken as the character height: Qt has no
  // cell-height request, and the two differ only by the font's leading.
  if (font.height != 0)
    q.setPixelSize(font.height < 0 ? -font.height : font.height);
  else if (font.size > 0)
    q.setPointSize(font.size);
  q.setBold(font.bold);
  q.setItalic(font.italic);
  q.setUnderline(font.underline);
  q.setStrikeOut(font.strikeOut);
  if (font.pitch == FontPitch::Fixed) {
    q.setFixedPitch(true);
    q.setStyleHint(QFont::TypeWriter);
  }
  return q;
}

FontSpec FromQFont(const QFont& q) {
  FontSpec font;
  font.name = FromQString(q.family());
  if (q.pointSize() > 0) {
    font.size = q.pointSize();
  } else {
    font.height = -q.pixelSize();
    font.size = PointsFromHeight(font.height, 96);
  }
  font.bold = q.bold();
  font.italic = q.italic();
  font.underline = q.underline();
  font.strikeOut = q.strikeOut();
  font.pitch = q.fixedPitch() ? FontPitch::Fixed : FontPitch::Default;
  return font;
}

QImage ToQImage(const Bitmap& bitmap) {
  if (!bitmap.IsValid()) return {};
  QImage image(bitmap.width, bitmap.height, QImage::Format_ARGB32);
  for (int y = 0; y < bitmap.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < bitmap.width; ++x) line[x] = bitmap.At(x, y);
  }
  return image;
}

}  // namespace qs::qt
