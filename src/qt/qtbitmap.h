// The shipped pictures read through Qt's image readers (PNG, XPM and the
// rest Qt knows), from the same resource folder the headless reader uses.
#pragma once

#include <QImage>

#include "platform/bitmapresources.h"

namespace qs::qt {

// Pixels as 0xAARRGGBB; an empty bitmap for a null image or one larger than
// kMaxBitmapSide on a side.
Bitmap FromQImage(const QImage& image);

class QtBitmapResources final : public IBitmapResources {
 public:
  explicit QtBitmapResources(QString folder) : m_folder(std::move(folder)) {}
  // "<name>.png", else "<name>.xpm".
  [[nodiscard]] std::optional<Bitmap> Load(std::string_view name) const override;

 private:
  QString m_folder;
};

// Installs one QtBitmapResources over FindResourceFolder() as the program's
// bitmap resources; later calls do nothing.
void InstallQtBitmapResources();

}  // namespace qs::qt
