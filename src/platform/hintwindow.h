// A small window of text shown over the editor without taking the focus:
// the function hint under the caret.
#pragma once

#include "platform/geometry.h"
#include "support/qschar.h"

namespace qs {

class IHintWindow {
 public:
  virtual ~IHintWindow() = default;

  // text: lines separated by CR LF; in a line the part between the first
  // two "~" is drawn bold and the "~" are not shown. at: screen pixels of
  // the window's top left corner.
  virtual void ShowHint(const String& text, TPoint at) = 0;
  virtual void SetHintText(const String& text) = 0;
  virtual void HideHint() = 0;
  [[nodiscard]] virtual bool IsHintVisible() const = 0;
};

}  // namespace qs
