#include <gtest/gtest.h>

#include "editor/canvasfontmeasure.h"
#include "editor/charmetrics.h"
#include "editor/defaultstyles.h"
#include "editor/globalstyleresolver.h"
#include "editor/memoenvoptions.h"
#include "platform/headlesscanvas.h"
#include "support/fontcharsets.h"

namespace qs {
namespace {

TEST(CanvasFontMeasure, MeasuresInTheFontAskedForAndRestoresTheCanvasFont) {
  HeadlessCanvas canvas(0, 0, 9, 17);
  FontSpec own;
  own.name = U"Own";
  canvas.SetFont(own);

  TMemoFont font;
  font.SetName(U"Liberation Mono");
  font.SetHeight(-15);
  font.SetStyle(SetBit(fsBold) | SetBit(fsStrikeOut));
  font.SetCharset(RUSSIAN_CHARSET);
  font.SetPitch(fpFixed);
  const FontSpec fontSpec = ToFontSpec(font);
  EXPECT_EQ(fontSpec.name, U"Liberation Mono");
  EXPECT_EQ(fontSpec.height, -15);
  EXPECT_TRUE(fontSpec.bold);
  EXPECT_FALSE(fontSpec.italic);
  EXPECT_FALSE(fontSpec.underline);
  EXPECT_TRUE(fontSpec.strikeOut);
  EXPECT_EQ(fontSpec.charset, RUSSIAN_CHARSET);
  EXPECT_EQ(fontSpec.pitch, FontPitch::Fixed);

  const CanvasFontMeasure measure(canvas);
  const TextExtent extent = measure.Extent(font, U"Wg");
  EXPECT_EQ(extent.cx, 18);
  EXPECT_EQ(extent.cy, 17);
  EXPECT_EQ(measure.AverageCharWidth(font), 9);
  EXPECT_EQ(canvas.Font(), own);

  TTextStyles styles;
  const MetricFonts fonts{font, styles, true};
  EXPECT_EQ(ComputeLineHeight(measure, fonts), 17);
  EXPECT_EQ(ComputeCharWidth(measure, fonts), 9);
}

TEST(GlobalStyleResolver, AnswersFromTheGlobalOptions) {
  TMemoEnvOptions options;
  options.SetColor(TColor{0xF0FBFF});
  options.Font().SetName(U"Mono");
  options.Font().SetHeight(-16);
  options.Font().SetCharset(OEM_CHARSET);
  options.TextStyles().Items(2).Font().SetColor(clTeal);
  const TGlobalStyleResolver resolver(options);

  const TAttrFont font = resolver.GlobalFont();
  EXPECT_EQ(font.Name(), U"Mono");
  EXPECT_EQ(font.Height(), -16);
  EXPECT_EQ(font.Charset(), TFontCharset::OEM_CHARSET);
  EXPECT_EQ(resolver.GlobalBackground(), TColor{0xF0FBFF});

  const auto comment = resolver.FindStyle(U"Comment");
  ASSERT_TRUE(comment);
  EXPECT_EQ(comment->fontColor, clTeal);
  EXPECT_EQ(comment->fontStyle, SetBit(fsItalic));
  EXPECT_TRUE(comment->usesDefaultBackground);
  const auto marked = resolver.FindStyle(U"Marked Block");
  ASSERT_TRUE(marked);
  EXPECT_EQ(marked->background, clNavy);
  EXPECT_FALSE(marked->usesDefaultBackground);
  EXPECT_FALSE(resolver.FindStyle(U"No such style"));
}

TEST(GlobalStyleResolver, CharsetBytesMapToTheAttributeEnumeration) {
  const struct {
    int byte;
    TFontCharset expected;
  } cases[] = {
      {ANSI_CHARSET, TFontCharset::ANSI_CHARSET},
      {DEFAULT_CHARSET, TFontCharset::DEFAULT_CHARSET},
      {77, TFontCharset::MAC_CHARSET},
      {RUSSIAN_CHARSET, TFontCharset::RUSSIAN_CHARSET},
      {238, TFontCharset::EASTEUROPE_CHARSET},
      {OEM_CHARSET, TFontCharset::OEM_CHARSET},
      {99, TFontCharset::DEFAULT_CHARSET},
  };
  for (const auto& c : cases) EXPECT_EQ(ToAttrCharset(c.byte), c.expected) << c.byte;
}

}  // namespace
}  // namespace qs
