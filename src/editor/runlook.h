// The font and colours of a run of text: the highlighter's attribute first,
// then the text style, then the control; a line style, the selection and
// the found text override in that order of strength.
#pragma once

#include "platform/font.h"
#include "support/colors.h"

namespace qs {

class IAttributeSource;
class TMemoFont;
class TTextStyle;
class TTextStyles;

struct TRunLook {
  FontSpec font;
  TColor foreground = clBlack;  // RGB
  TColor background = clWhite;  // RGB
  bool upperCase = false;
};

struct TLookContext {
  const TTextStyles* styles = nullptr;
  const TMemoFont* controlFont = nullptr;
  TColor controlColor = clWindow;                // already the read-only colour where that applies
  const IAttributeSource* attributes = nullptr;  // the highlighter's, when it has them
  const TTextStyle* lineStyle = nullptr;
  TColor selColor = clHighlightText, selBackColor = clHighlight;
  TColor matchColor = clHighlightText, matchBackColor = clHighlight;
  bool coloredLineStyle = false;
  bool disableInvertedSel = false;
  bool disabled = false;
  TColor disabledColor = clGrayText;
};

// A colour of the control or a style as RGB; the "no colour" values give
// fallback instead.
TColor ResolveColor(TColor color, TColor fallback);

TRunLook RunLook(const TLookContext& context, int style, bool selected, bool found);
// The background of a row where no character is: the control colour or the
// line style's background.
TColor RowBackground(const TLookContext& context);

}  // namespace qs
