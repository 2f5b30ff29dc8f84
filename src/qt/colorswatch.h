// The toolbar's colour selector: a small button showing the colour under the
// caret (the button face when there is none); a click chooses a new one.
#pragma once

#include <optional>

#include <QToolButton>

#include "support/colors.h"

namespace qs::qt {

class ColorSwatch : public QToolButton {
 public:
  explicit ColorSwatch(QWidget* parent);
  void SetColor(std::optional<TColor> color);

 private:
  std::optional<TColor> m_color;
  bool m_painted = false;
};

}  // namespace qs::qt
