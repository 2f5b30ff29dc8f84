#include "qt/qtscreen.h"

#include <QApplication>
#include <QCursor>
#include <QFontDatabase>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <QStyleHints>
#include <algorithm>

#include "qt/qtconvert.h"

namespace qs::qt {

TSize QtScreen::Size() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? FromQSize(screen->size()) : TSize{};
}

TRect QtScreen::WorkArea() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? FromQRect(screen->availableGeometry()) : TRect{};
}

TPoint QtScreen::CursorPos() const {
  return FromQPoint(QCursor::pos());
}

std::optional<TColor> QtScreen::PixelAt(TPoint p) const {
  QScreen* screen = QGuiApplication::screenAt(ToQPoint(p));
  if (!screen) return std::nullopt;
  const QPoint local = ToQPoint(p) - screen->geometry().topLeft();
  const QImage shot = screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage();
  if (shot.isNull() || shot.width() < 1 || shot.height() < 1) return std::nullopt;
  return FromQColor(shot.pixelColor(0, 0));
}

int QtScreen::DoubleClickTime() const {
  return QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

TSize QtScreen::DoubleClickSize() const {
  const int distance = QGuiApplication::styleHints()->mouseDoubleClickDistance();
  return {distance, distance};
}

int QtScreen::WheelScrollLines() const {
  return std::max(QGuiApplication::styleHints()->wheelScrollLines(), 1);
}

int QtScreen::CaretWidth() const {
  const QStyle* style = QApplication::style();
  return style ? std::max(style->pixelMetric(QStyle::PM_TextCursorWidth), 1) : 1;
}

std::vector<String> QtScreen::FontFamilies(bool fixedPitchOnly) const {
  std::vector<String> families;
  for (const QString& family : QFontDatabase::families())
    if (!fixedPitchOnly || QFontDatabase::isFixedPitch(family))
      families.push_back(FromQString(family));
  std::sort(families.begin(), families.end());
  return families;
}

}  // namespace qs::qt
