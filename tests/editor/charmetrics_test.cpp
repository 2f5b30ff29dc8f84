#include <gtest/gtest.h>

#include <algorithm>

#include "editor/charmetrics.h"
#include "editor/textstyles.h"
#include "fakecontrol.h"

namespace qs {
namespace {

using testing::FakeControl;
using testing::FixedMeasure;

// Every style on the control's face and height, without bold, so that the
// fonts differ from the control font in colour only.
void MakeUniform(FakeControl& control) {
  for (int i = 0; i < control.TextStyles().Count(); ++i) control.Style(i).Font().SetStyle(0);
}

TEST(CharMetrics, ALargerStyleFontEnlargesEveryCellInFixedCellsOnly) {
  FakeControl control;
  MakeUniform(control);
  const FixedMeasure measure;
  MetricFonts fonts{control.Font(), control.TextStyles(), true};
  EXPECT_EQ(ComputeLineHeight(measure, fonts), 16);  // |-13| + 3
  EXPECT_EQ(ComputeCharWidth(measure, fonts), 6);

  control.Style(5).Font().SetHeight(-21);
  EXPECT_EQ(ComputeLineHeight(measure, fonts), 24);
  EXPECT_EQ(ComputeCharWidth(measure, fonts), 10);

  fonts.useMonoFont = false;
  EXPECT_EQ(ComputeLineHeight(measure, fonts), 16);
  EXPECT_EQ(ComputeCharWidth(measure, fonts), 6);

  // The highlighter's own font counts in either mode.
  TMemoFont highlighterFont;
  highlighterFont.SetHeight(-30);
  fonts.highlighterFont = &highlighterFont;
  EXPECT_EQ(ComputeLineHeight(measure, fonts), 33);
  EXPECT_EQ(ComputeCharWidth(measure, fonts), 15);
}

TEST(CharMetrics, CachedValuesChangeOnlyAfterAResetAndTheSpacingFollowsTheWidth) {
  FakeControl control;
  const FixedMeasure measure;
  const MetricFonts fonts{control.Font(), control.TextStyles(), true};
  TCharMetrics metrics(measure);
  const int width = metrics.CharWidth(fonts);
  EXPECT_EQ(width, 7);  // the bold default styles are one pixel wider
  EXPECT_TRUE(std::all_of(metrics.Spacing().begin(), metrics.Spacing().end(),
                          [&](int advance) { return advance == width; }));
  const int height = metrics.LineHeight(fonts);

  control.Font().SetHeight(-25);
  EXPECT_EQ(metrics.CharWidth(fonts), width);
  EXPECT_EQ(metrics.LineHeight(fonts), height);
  metrics.ResetCharWidth();
  metrics.ResetLineHeight();
  EXPECT_EQ(metrics.CharWidth(fonts), 13);
  EXPECT_EQ(metrics.Spacing().back(), 13);
  EXPECT_EQ(metrics.LineHeight(fonts), 28);

  // A font of no height still gives cells of at least one pixel.
  TMemoFont empty;
  empty.SetHeight(0);
  TTextStyles none;
  while (none.Count() > 0) none.Delete(0);
  TCharMetrics tiny(measure);
  EXPECT_EQ(tiny.CharWidth({empty, none, true}), 1);
}

TEST(CharMetrics, TheUniformFlagNeedsOneFixedFontResourceThroughout) {
  const FixedMeasure measure;
  const struct {
    const char* name;
    void (*change)(FakeControl&);
    bool uniform;
  } cases[] = {
      {"colours only differ", [](FakeControl&) {}, true},
      {"a bold style", [](FakeControl& c) { c.Style(3).Font().SetStyle(SetBit(fsBold)); }, false},
      {"a style of another charset", [](FakeControl& c) { c.Style(3).Font().SetCharset(204); },
       false},
      {"a proportional control font", [](FakeControl& c) { c.Font().SetName(U"Arial"); }, false},
      {"a short x", [](FakeControl& c) { c.Font().SetName(U"Script"); }, false},
      {"another face and height, synced",
       [](FakeControl& c) {
         c.Font().SetName(U"Mono");
         c.Font().SetHeight(-18);
       },
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeControl control;
    MakeUniform(control);
    c.change(control);
    TCharMetrics metrics(measure);
    metrics.RecomputeUniformFont({control.Font(), control.TextStyles(), true});
    EXPECT_EQ(metrics.UniformFont(), c.uniform);
    EXPECT_EQ(metrics.NeedsSpacing(true), !c.uniform);
    EXPECT_FALSE(metrics.NeedsSpacing(false));
  }
}

}  // namespace
}  // namespace qs
