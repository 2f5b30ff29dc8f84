// What resolving a scheme's attributes needs from the editor's global text
// styles. The syntax layer sits below the editor, so it owns this interface
// and the editor's global options implement it.
#pragma once

#include <cstdint>
#include <optional>

#include "support/colors.h"
#include "support/qschar.h"
#include "syntax/attrfont.h"

namespace qs {

// One named global text style as the highlighter uses it.
struct TGlobalStyle {
  TColor fontColor = clWindowText;
  TFontStyles fontStyle = 0;
  TColor background = clWindow;
  // The style is painted over the editor's global background, not its own.
  bool usesDefaultBackground = true;
};

class IStyleResolver {
 public:
  virtual ~IStyleResolver() = default;
  // The editor's global font: its name and height are what every attribute
  // that follows the global options takes.
  virtual TAttrFont GlobalFont() const = 0;
  virtual TColor GlobalBackground() const = 0;
  // The style of that name ("Whitespace", "Comment", ...), or nothing.
  virtual std::optional<TGlobalStyle> FindStyle(StringView name) const = 0;
};

}  // namespace qs
