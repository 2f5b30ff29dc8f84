#include "support/colors.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

TEST(Colors, EveryNamedColourRoundTripsThroughItsName) {
  const TColor named[] = {clBlack,         clMaroon,
                          clGreen,         clOlive,
                          clNavy,          clPurple,
                          clTeal,          clGray,
                          clSilver,        clRed,
                          clLime,          clYellow,
                          clBlue,          clFuchsia,
                          clAqua,          clWhite,
                          clNone,          clDefault,
                          clScrollBar,     clBackground,
                          clActiveCaption, clInactiveCaption,
                          clMenu,          clWindow,
                          clWindowFrame,   clMenuText,
                          clWindowText,    clCaptionText,
                          clActiveBorder,  clInactiveBorder,
                          clAppWorkSpace,  clHighlight,
                          clHighlightText, clBtnFace,
                          clBtnShadow,     clGrayText,
                          clBtnText,       clInactiveCaptionText,
                          clBtnHighlight,  cl3DDkShadow,
                          cl3DLight,       clInfoText,
                          clInfoBk};
  for (TColor c : named) {
    const auto name = ColorToIdent(c);
    ASSERT_TRUE(name) << std::hex << c;
    EXPECT_EQ(IdentToColor(*name), c) << *name;
  }
  EXPECT_EQ(ColorToIdent(clRed), "clRed");
  EXPECT_EQ(ColorToIdent(clWindow), "clWindow");
  EXPECT_EQ(ColorToIdent(clInfoBk), "clInfoBk");
  EXPECT_EQ(ColorToIdent(0x123456), std::nullopt);
  EXPECT_EQ(ColorToIdent(SystemColor(kSystemColorCount)), std::nullopt);
}

TEST(Colors, NamesAreReadWithoutLetterCase) {
  EXPECT_EQ(IdentToColor("CLWINDOWTEXT"), clWindowText);
  EXPECT_EQ(IdentToColor("clbtnface"), clBtnFace);
  EXPECT_EQ(IdentToColor("clReds"), std::nullopt);
  EXPECT_EQ(IdentToColor(""), std::nullopt);
}

TEST(Colors, HtmlIsRedGreenBlueInUpperCaseHex) {
  const struct {
    TColor in;
    const char* out;
  } cases[] = {
      {clRed, "#FF0000"},    {clBlue, "#0000FF"},
      {clMaroon, "#800000"}, {0x00ABCDEF, "#EFCDAB"},
      {clWindow, "#FFFFFF"}, {clHighlight, "#0078D7"},
      {clInfoBk, "#FFFFE1"}, {SystemColor(0x7F), "#000000"},
  };
  for (const auto& c : cases) EXPECT_EQ(ColorToHtml(c.in), c.out) << std::hex << c.in;
}

TEST(Colors, ThePaletteHookSuppliesTheDesktopsSystemColours) {
  SetSystemPalette([](int index) -> std::optional<TColor> {
    if (index == 5) return 0x00202020;  // a dark window background
    return std::nullopt;
  });
  EXPECT_EQ(ColorToRGB(clWindow), 0x202020);
  EXPECT_EQ(ColorToRGB(clBtnFace), 0xF0F0F0);  // not supplied: the built-in theme
  EXPECT_EQ(ColorToRGB(clRed), clRed);
  SetSystemPalette({});
  EXPECT_EQ(ColorToRGB(clWindow), 0xFFFFFF);
}

}  // namespace
}  // namespace qs
