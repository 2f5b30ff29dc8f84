// Colour values, their names and their resolution to RGB. A colour is
// 0x00BBGGRR, or a system colour 0xFF0000nn that stands for a colour of the
// desktop and is resolved through a palette the backend may supply.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qs {

using TColor = std::int32_t;

constexpr int RedOf(TColor c) {
  return c & 0xFF;
}
constexpr int GreenOf(TColor c) {
  return (c >> 8) & 0xFF;
}
constexpr int BlueOf(TColor c) {
  return (c >> 16) & 0xFF;
}
constexpr TColor MakeColor(int red, int green, int blue) {
  return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

constexpr TColor SystemColor(int index) {
  return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index));
}

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TColor clScrollBar = SystemColor(0x00);
inline constexpr TColor clBackground = SystemColor(0x01);
inline constexpr TColor clActiveCaption = SystemColor(0x02);
inline constexpr TColor clInactiveCaption = SystemColor(0x03);
inline constexpr TColor clMenu = SystemColor(0x04);
inline constexpr TColor clWindow = SystemColor(0x05);
inline constexpr TColor clWindowFrame = SystemColor(0x06);
inline constexpr TColor clMenuText = SystemColor(0x07);
inline constexpr TColor clWindowText = SystemColor(0x08);
inline constexpr TColor clCaptionText = SystemColor(0x09);
inline constexpr TColor clActiveBorder = SystemColor(0x0A);
inline constexpr TColor clInactiveBorder = SystemColor(0x0B);
inline constexpr TColor clAppWorkSpace = SystemColor(0x0C);
inline constexpr TColor clHighlight = SystemColor(0x0D);
inline constexpr TColor clHighlightText = SystemColor(0x0E);
inline constexpr TColor clBtnFace = SystemColor(0x0F);
inline constexpr TColor clBtnShadow = SystemColor(0x10);
inline constexpr TColor clGrayText = SystemColor(0x11);
inline constexpr TColor clBtnText = SystemColor(0x12);
inline constexpr TColor clInactiveCaptionText = SystemColor(0x13);
inline constexpr TColor clBtnHighlight = SystemColor(0x14);
inline constexpr TColor cl3DDkShadow = SystemColor(0x15);
inline constexpr TColor cl3DLight = SystemColor(0x16);
inline constexpr TColor clInfoText = SystemColor(0x17);
inline constexpr TColor clInfoBk = SystemColor(0x18);

inline constexpr int kSystemColorCount = 25;

constexpr bool IsSystemColor(TColor c) {
  return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0xFF000000u;
}

// The constant's name ("clRed", "clWindow") for a named colour.
std::optional<std::string_view> ColorToIdent(TColor color);
// The colour a name stands for, letter case ignored.
std::optional<TColor> IdentToColor(std::string_view ident);

// The desktop's RGB for a system colour index (0..24), or nothing to fall back
// on the built-in light theme.
using SystemPalette = std::function<std::optional<TColor>(int index)>;
// Installs the palette the backend reads from the desktop; an empty one
// restores the built-in theme.
void SetSystemPalette(SystemPalette palette);

// A plain RGB value (0x00BBGGRR): system colours resolved, an unknown system
// colour index is black, and other values keep their low 24 bits (so clNone
// and clDefault, which name no colour, must be handled before).
TColor ColorToRGB(TColor color);
// "#" and six upper-case hex digits, red then green then blue.
std::string ColorToHtml(TColor color);

}  // namespace qs
