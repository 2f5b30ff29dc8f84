// The look a highlighter gives its style bytes when they name attributes of
// its own (the scheme highlighter's fonts and colours) rather than the
// editor's text styles. A view asks the document's highlighter for this
// source and paints with it; the document asks the same question to know
// whether a scheme highlights it.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/font.h"
#include "support/colors.h"

namespace qs {

struct TAttributeLook {
  FontSpec font;
  TColor color = clWindowText;
  std::optional<TColor> background;  // none: the run keeps the background beneath
};

class IAttributeSource {
 public:
  // The look of style byte id (0..255).
  virtual TAttributeLook AttributeLook(std::int32_t id) const = 0;

 protected:
  ~IAttributeSource() = default;
};

}  // namespace qs
