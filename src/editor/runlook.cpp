#include "editor/runlook.h"

#include "editor/canvasfontmeasure.h"
#include "editor/textstyles.h"
#include "syntax/qsparser.h"

namespace qs {

namespace {

FontSpec ToFontSpec(const TAttrFont& font) {
  FontSpec fontSpec;
  fontSpec.name = font.Name();
  fontSpec.height = font.Height();
  fontSpec.bold = (font.Style() & SetBit(fsBold)) != 0;
  fontSpec.italic = (font.Style() & SetBit(fsItalic)) != 0;
  fontSpec.underline = (font.Style() & SetBit(fsUnderline)) != 0;
  fontSpec.strikeOut = (font.Style() & SetBit(fsStrikeOut)) != 0;
  return fontSpec;
}

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
  if (c.controlFont != nullptr) look.font = qs::ToFontSpec(*c.controlFont);
  if (c.highlighter != nullptr && style >= 0 && style < 256) {
    const TAttrFont& font = c.highlighter->GetAttrFont(style);
    look.font = ToFontSpec(font);
    foreground = font.Color();
    TColor back = clNone;
    if (c.highlighter->GetAttrBackColor(style, back)) background = back;
  } else if (textStyle != nullptr) {
    look.font = qs::ToFontSpec(textStyle->Font());
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
