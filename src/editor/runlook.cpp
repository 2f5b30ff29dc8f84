#include "editor/runlook.h"

#include "editor/canvasfontmeasure.h"
#include "editor/textstyles.h"
#include "textmodel/attributesource.h"

namespace qs {

namespace {

const TTextStyle* StyleAt(const TLookContext& c, int style) {
  if (c.styles == nullptr || style < 0 || style >= c.styles->Count()) return nullptr;
  return &c.styles->Items(style);
}

}  // namespace

TColor ResolveColor(TColor color, TColor fallback) {
  if (color == clNone || color == clDefault || color == static_cast<TColor>(-1)) color = fallback;
  return ColorToRGB(color);
}

TColor RowBackground(const TLookContext& c) {
  if (c.lineStyle != nullptr) return ResolveColor(c.lineStyle->Color(), c.controlColor);
  return ResolveColor(c.controlColor, clWindow);
}

TRunLook RunLook(const TLookContext& c, int style, bool selected, bool found) {
  TRunLook look;
  const TTextStyle* textStyle = StyleAt(c, style);
  TColor foreground = c.controlFont != nullptr ? c.controlFont->Color() : clWindowText;
  TColor background = c.controlColor;
  if (c.controlFont != nullptr) look.font = ToFontSpec(*c.controlFont);
  if (c.attributes != nullptr && style >= 0 && style < 256) {
    TAttributeLook attribute = c.attributes->AttributeLook(style);
    look.font = std::move(attribute.font);
    foreground = attribute.color;
    if (attribute.background) background = *attribute.background;
  } else if (textStyle != nullptr) {
    look.font = ToFontSpec(textStyle->Font());
    foreground = textStyle->Font().Color();
    background = textStyle->Color();
  }
  if (textStyle != nullptr) look.upperCase = textStyle->UpperCase();

  if (c.lineStyle != nullptr) {
    background = c.lineStyle->Color();
    if (!c.coloredLineStyle) foreground = c.lineStyle->Font().Color();
  }
  if (selected) {
    if (c.lineStyle == nullptr || c.disableInvertedSel) {
      foreground = c.selColor;
      background = c.selBackColor;
    } else {
      foreground = c.lineStyle->Color();
      background = c.lineStyle->Font().Color();
    }
  }
  if (found) {
    foreground = c.matchColor;
    background = c.matchBackColor;
  }
  if (c.disabled) foreground = c.disabledColor;
  look.foreground = ResolveColor(foreground, clWindowText);
  look.background = ResolveColor(background, c.controlColor);
  return look;
}

}  // namespace qs
