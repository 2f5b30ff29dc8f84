#include "qt/qtbitmap.h"

#include <QDir>
#include <QFileInfo>

namespace qs::qt {

Bitmap FromQImage(const QImage& image) {
  if (image.isNull() || image.width() > kMaxBitmapSide || image.height() > kMaxBitmapSide)
    return {};
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  Bitmap bitmap(argb.width(), argb.height());
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x) bitmap.Set(x, y, line[x]);
  }
  return bitmap;
}

std::optional<Bitmap> QtBitmapResources::Load(std::string_view name) const {
  const QString base = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  if (m_folder.isEmpty() || base.isEmpty() || base.contains(QLatin1Char('/')) ||
      base.contains(QStringLiteral("..")))
    return std::nullopt;
  const QDir folder(m_folder);
  for (const char* extension : {".png", ".xpm"}) {
    const QString path = folder.filePath(base + QLatin1String(extension));
    if (!QFileInfo(path).isFile()) continue;
    const Bitmap bitmap = FromQImage(QImage(path));
    if (bitmap.IsValid()) return bitmap;
  }
  return std::nullopt;
}

void InstallQtBitmapResources() {
  static QtBitmapResources resources(QString::fromStdString(FindResourceFolder()));
  static const bool installed = (SetBitmapResources(&resources), true);
  (void)installed;
}

}  // namespace qs::qt
