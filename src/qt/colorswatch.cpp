#include "qt/colorswatch.h"

#include <QPainter>
#include <QPixmap>

#include "qt/qtconvert.h"

namespace qs::qt {

ColorSwatch::ColorSwatch(QWidget* parent) : QToolButton(parent) {
  setObjectName(QStringLiteral("ImgSel"));
  setToolTip(QStringLiteral("Color Selector"));
  setIconSize(QSize(18, 17));
  setAutoRaise(true);
  SetColor(std::nullopt);
}

// Two rectangles of the colour in an 18 x 17 picture, the shape of a brush.
void ColorSwatch::SetColor(std::optional<TColor> color) {
  if (m_painted && color == m_color) return;
  m_color = color;
  m_painted = true;
  QPixmap picture(18, 17);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  const QColor fill = color ? ToQColor(*color) : palette().color(QPalette::Button);
  painter.fillRect(QRect(QPoint(3, 3), QPoint(14, 9)), fill);
  painter.fillRect(QRect(QPoint(3, 10), QPoint(8, 13)), fill);
  painter.end();
  setIcon(QIcon(picture));
}

}  // namespace qs::qt
