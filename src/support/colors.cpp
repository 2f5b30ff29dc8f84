#include "support/colors.h"

#include <array>
#include <utility>

#include "support/asciicase.h"

namespace qs {

namespace {

struct NamedColor {
  TColor value;
  std::string_view name;
  TColor lightRgb;  // a system colour's RGB in a light desktop theme; else the value itself
};

constexpr NamedColor Plain(TColor c, std::string_view name) {
  return {c, name, c};
}

// The one table of colour names; system colours in index order.
constexpr std::array kColors{
    Plain(clBlack, "clBlack"),
    Plain(clMaroon, "clMaroon"),
    Plain(clGreen, "clGreen"),
    Plain(clOlive, "clOlive"),
    Plain(clNavy, "clNavy"),
    Plain(clPurple, "clPurple"),
    Plain(clTeal, "clTeal"),
    Plain(clGray, "clGray"),
    Plain(clSilver, "clSilver"),
    Plain(clRed, "clRed"),
    Plain(clLime, "clLime"),
    Plain(clYellow, "clYellow"),
    Plain(clBlue, "clBlue"),
    Plain(clFuchsia, "clFuchsia"),
    Plain(clAqua, "clAqua"),
    Plain(clWhite, "clWhite"),
    Plain(clNone, "clNone"),
    Plain(clDefault, "clDefault"),
    NamedColor{clScrollBar, "clScrollBar", 0xC8C8C8},
    NamedColor{clBackground, "clBackground", 0xA56E3A},
    NamedColor{clActiveCaption, "clActiveCaption", 0xD1B499},
    NamedColor{clInactiveCaption, "clInactiveCaption", 0xDBCDBF},
    NamedColor{clMenu, "clMenu", 0xF0F0F0},
    NamedColor{clWindow, "clWindow", 0xFFFFFF},
    NamedColor{clWindowFrame, "clWindowFrame", 0x646464},
    NamedColor{clMenuText, "clMenuText", 0x000000},
    NamedColor{clWindowText, "clWindowText", 0x000000},
    NamedColor{clCaptionText, "clCaptionText", 0x000000},
    NamedColor{clActiveBorder, "clActiveBorder", 0xB4B4B4},
    NamedColor{clInactiveBorder, "clInactiveBorder", 0xFCF7F4},
    NamedColor{clAppWorkSpace, "clAppWorkSpace", 0xABABAB},
    NamedColor{clHighlight, "clHighlight", 0xD77800},
    NamedColor{clHighlightText, "clHighlightText", 0xFFFFFF},
    NamedColor{clBtnFace, "clBtnFace", 0xF0F0F0},
    NamedColor{clBtnShadow, "clBtnShadow", 0xA0A0A0},
    NamedColor{clGrayText, "clGrayText", 0x6D6D6D},
    NamedColor{clBtnText, "clBtnText", 0x000000},
    NamedColor{clInactiveCaptionText, "clInactiveCaptionText", 0x000000},
    NamedColor{clBtnHighlight, "clBtnHighlight", 0xFFFFFF},
    NamedColor{cl3DDkShadow, "cl3DDkShadow", 0x696969},
    NamedColor{cl3DLight, "cl3DLight", 0xE3E3E3},
    NamedColor{clInfoText, "clInfoText", 0x000000},
    NamedColor{clInfoBk, "clInfoBk", 0xE1FFFF},
};

constexpr std::size_t kFirstSystem = 18;
static_assert(kColors.size() == kFirstSystem + kSystemColorCount);

SystemPalette& Palette() {
  static SystemPalette palette;
  return palette;
}

}  // namespace

std::optional<std::string_view> ColorToIdent(TColor color) {
  for (const NamedColor& c : kColors)
    if (c.value == color) return c.name;
  return std::nullopt;
}

std::optional<TColor> IdentToColor(std::string_view ident) {
  for (const NamedColor& c : kColors)
    if (EqualsIgnoringAsciiCase(c.name, ident)) return c.value;
  return std::nullopt;
}

void SetSystemPalette(SystemPalette palette) {
  Palette() = std::move(palette);
}

TColor ColorToRGB(TColor color) {
  if (!IsSystemColor(color)) return color & 0x00FFFFFF;
  const int index = color & 0xFF;
  if ((color & 0x00FFFF00) != 0 || index >= kSystemColorCount) return clBlack;
  if (const SystemPalette& palette = Palette()) {
    if (auto rgb = palette(index)) return *rgb & 0x00FFFFFF;
  }
  return kColors[kFirstSystem + static_cast<std::size_t>(index)].lightRgb;
}

std::string ColorToHtml(TColor color) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const auto rgb = static_cast<std::uint32_t>(ColorToRGB(color));
  std::string out = "#";
  for (int shift : {0, 8, 16}) {  // red is the low byte
    const std::uint32_t byte = (rgb >> shift) & 0xFF;
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
  }
  return out;
}

}  // namespace qs
