#include <gtest/gtest.h>

#include "editor/defaultstyles.h"
#include "editor/textstyles.h"
#include "fakecontrol.h"
#include "support/fontcharsets.h"
#include "support/updatebracket.h"
#include "support/utf8.h"

namespace qs {
namespace {

using testing::FakeControl;

TEST(DefaultStyles, EveryRowHasItsNameColoursStyleAndRole) {
  const struct {
    const char* name;
    TColor fontColor;
    TFontStyles fontStyle;
    TColor background;  // clNone: follows the control
    TUpdateMemoColors update;
  } expected[] = {
      {"Whitespace", clBlack, 0, clNone, mcNone},
      {"String", 0x008000, 0, clNone, mcNone},
      {"Comment", 0x808080, SetBit(fsItalic), clNone, mcNone},
      {"Identifier", clBlack, 0, clNone, mcNone},
      {"Integer", 0x0000FF, 0, clNone, mcNone},
      {"Float", 0x0000FF, 0, clNone, mcNone},
      {"Hexadecimal", 0x0000FF, 0, clNone, mcNone},
      {"Reserved words 1", clBlack, SetBit(fsBold), clNone, mcNone},
      {"Reserved words 2", 0xFF0000, SetBit(fsBold), clNone, mcNone},
      {"Reserved words 3", 0x800000, SetBit(fsItalic), clNone, mcNone},
      {"Delimiters", clBlack, 0, clNone, mcNone},
      {"Defines", 0x008000, 0, clNone, mcNone},
      {"Assembler", 0x008000, 0, clNone, mcNone},
      {"Html tags", 0xFF0000, 0, clNone, mcNone},
      {"Html keywords", 0x000080, 0, clNone, mcNone},
      {"Html preformatted", clBlack, 0, clNone, mcNone},
      {"Html params", 0xFF0000, 0, clNone, mcNone},
      {"Url", 0xFF0000, SetBit(fsUnderline), clNone, mcNone},
      {"BreakPoint", static_cast<TColor>(0xFF000005), 0, 0x0000FF, mcNone},
      {"Error line", clWindow, 0, 0x000080, mcNone},
      {"Marked Block", clWindow, 0, 0x800000, mcSelection},
      {"Search Match", 0x00FF00, 0, clBlack, mcSearchMatch},
      {"Emphasis", clBlack, SetBit(fsBold), clNone, mcNone},
      {"System Variable", 0xFF0000, 0, clNone, mcNone},
  };
  // Without a control, following the control colour means clWindow.
  TTextStyles alone;
  ASSERT_EQ(alone.Count(), 24);
  for (int i = 0; i < 24; ++i) {
    const auto& row = expected[i];
    const TTextStyle& style = alone.Items(i);
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ToUtf8(style.Name()), row.name);
    EXPECT_EQ(style.Font().Color(), row.fontColor);
    EXPECT_EQ(style.Font().Style(), row.fontStyle);
    EXPECT_EQ(style.UseMemoColor(), row.background == clNone);
    EXPECT_EQ(style.Color(), row.background == clNone ? clWindow : row.background);
    EXPECT_EQ(style.Brush().Color(), style.Color());
    EXPECT_FALSE(style.UseMemoFont());
    EXPECT_FALSE(style.UpperCase());
    EXPECT_EQ(style.UpdateMemoColors(), row.update);
    EXPECT_EQ(style.Font().Charset(), DEFAULT_CHARSET);
  }
  EXPECT_EQ(ToUtf8(alone.Items(kUrlStyle).Name()), "Url");
  EXPECT_EQ(ToUtf8(alone.Items(kMarkedBlockStyle).Name()), "Marked Block");
  EXPECT_EQ(ToUtf8(alone.Items(kSearchMatchStyle).Name()), "Search Match");
}

TEST(DefaultStyles, AControlsListDrivesItsSelectionAndMatchColours) {
  FakeControl control;
  EXPECT_EQ(control.selColor, clWindow);
  EXPECT_EQ(control.selBackColor, clNavy);
  EXPECT_EQ(control.matchColor, clLime);
  EXPECT_EQ(control.matchBackColor, clBlack);
}

TEST(TextStyle, ColourPairsFollowTheStyleThatDrivesThem) {
  FakeControl control;
  control.Style(kMarkedBlockStyle).SetColor(clGreen);
  EXPECT_EQ(control.selBackColor, clGreen);
  control.Style(kMarkedBlockStyle).Font().SetColor(clYellow);
  EXPECT_EQ(control.selColor, clYellow);

  control.Style(kSearchMatchStyle).SetColor(clTeal);
  EXPECT_EQ(control.matchBackColor, clTeal);

  // A style that drives the text colours sets the control's font colour and
  // background.
  TTextStyle& whitespace = control.Style(0);
  whitespace.SetColor(clAqua);
  whitespace.Font().SetColor(clMaroon);
  EXPECT_EQ(control.Color(), clWindow);
  whitespace.SetUpdateMemoColors(mcText);
  EXPECT_EQ(control.Color(), clAqua);
  EXPECT_EQ(control.Font().Color(), clMaroon);

  // Styles with no role leave the control alone.
  control.Style(1).SetColor(clFuchsia);
  EXPECT_EQ(control.Color(), clAqua);
  EXPECT_EQ(control.selBackColor, clGreen);
}

TEST(TextStyle, FollowingTheControlIsRefusedWhileTheStyleDrivesAColourPair) {
  FakeControl control;
  for (TUpdateMemoColors role : {mcText, mcSelection, mcSearchMatch}) {
    TTextStyle& style = control.Style(3);
    style.SetUpdateMemoColors(role);
    style.SetColor(clGreen);
    style.SetUseMemoColor(true);
    style.SetUseMemoFont(true);
    EXPECT_FALSE(style.UseMemoColor()) << static_cast<int>(role);
    EXPECT_FALSE(style.UseMemoFont()) << static_cast<int>(role);
    EXPECT_EQ(style.Color(), clGreen);
  }
}

TEST(TextStyle, FollowingTheControlCopiesItsColourAndFont) {
  FakeControl control;
  control.SetColor(clYellow);
  control.Font().SetName(U"Lucida");
  control.Font().SetHeight(-20);
  TTextStyle& style = control.Style(kUrlStyle);
  style.SetUseMemoColor(true);
  EXPECT_EQ(style.Color(), clYellow);
  EXPECT_EQ(style.Brush().Color(), clYellow);
  style.SetUseMemoFont(true);
  EXPECT_TRUE(style.UseMemoFont());
  EXPECT_EQ(style.Font().Style(), 0u);
  EXPECT_EQ(style.Font().Color(), control.Font().Color());

  // A colour or font of the style's own ends the following.
  style.SetColor(clYellow);
  EXPECT_FALSE(style.UseMemoColor());
  style.Font().SetStyle(SetBit(fsBold));
  EXPECT_FALSE(style.UseMemoFont());
}

TEST(TextStyle, WithoutAControlFollowingMeansClWindowUnlessASchemeIsBeingApplied) {
  TTextStyles styles;
  TTextStyle& style = styles.Items(kUrlStyle);
  style.SetColor(clGreen);
  style.SetUseMemoColor(true);
  EXPECT_EQ(style.Color(), clWindow);

  style.SetColor(clGreen);
  styles.SetApplyingColorScheme(true);
  style.SetUseMemoColor(true);
  EXPECT_TRUE(style.UseMemoColor());
  EXPECT_EQ(style.Color(), clGreen);
}

TEST(TextStyle, EveryChangeReachesTheControlsStyleHandler) {
  FakeControl control;
  TTextStyle& style = control.Style(2);
  const auto changes = [&](auto&& change) {
    const int before = control.stylesChanged;
    change();
    return control.stylesChanged - before;
  };
  EXPECT_EQ(changes([&] { style.SetColor(clRed); }), 1);
  EXPECT_EQ(changes([&] { style.Font().SetStyle(SetBit(fsBold)); }), 1);
  EXPECT_EQ(changes([&] { style.SetUpperCase(true); }), 1);
  EXPECT_EQ(changes([&] { style.SetName(U"Remark"); }), 1);
  EXPECT_EQ(changes([&] { style.SetColor(clRed); }), 0);
  EXPECT_EQ(changes([&] {
              UpdateBracket bracket(control.TextStyles());
              style.SetColor(clBlue);
              control.Style(3).SetColor(clBlue);
            }),
            1);
}

TEST(TextStyle, RehighlightingIsAskedForOnlyWhenTheLayoutCanChange) {
  FakeControl control;
  // Fixed cells: a font change moves no text, so nothing is re-highlighted...
  control.Style(2).Font().SetStyle(SetBit(fsBold));
  EXPECT_EQ(control.discards, 0);
  // ...but upper case changes the text itself.
  control.Style(2).SetUpperCase(true);
  EXPECT_EQ(control.discards, 1);
  EXPECT_EQ(control.uniformRecomputes, 1);

  control.SetUseMonoFont(false);
  control.Style(2).Font().SetStyle(0);
  EXPECT_EQ(control.discards, 2);

  // Inside a bracket the request waits for the outermost close, and comes once.
  control.metricRecomputes = 0;
  {
    UpdateBracket outer(control.TextStyles());
    {
      UpdateBracket inner(control.TextStyles());
      control.Style(3).Font().SetHeight(-20);
      control.Style(4).SetUpperCase(true);
    }
    EXPECT_EQ(control.discards, 2);
    EXPECT_TRUE(control.TextStyles().RehighlightPending());
  }
  EXPECT_EQ(control.discards, 3);
  EXPECT_EQ(control.caretShapes, 1);
  EXPECT_EQ(control.metricRecomputes, 1);
  EXPECT_FALSE(control.TextStyles().RehighlightPending());
}

TEST(TextStyles, SyncStyleFontsGivesEveryStyleTheControlsFaceAndSizeOnly) {
  FakeControl control;
  control.Font().SetStyle(SetBit(fsStrikeOut));
  control.Font().SetColor(clPurple);
  control.Font().BeginUpdate();
  control.Font().SetName(U"DejaVu Sans Mono");
  control.Font().SetHeight(-17);
  control.Font().EndUpdate();  // the control's font handler syncs the styles

  for (int i = 0; i < control.TextStyles().Count(); ++i) {
    const TTextStyle& style = control.Style(i);
    const DefaultStyleRow& row = DefaultStyleRows()[static_cast<std::size_t>(i)];
    SCOPED_TRACE(ToUtf8(style.Name()));
    EXPECT_EQ(style.Font().Name(), U"DejaVu Sans Mono");
    EXPECT_EQ(style.Font().Height(), -17);
    EXPECT_EQ(style.Font().Color(), row.fontColor);
    EXPECT_EQ(style.Font().Style(), row.fontStyle);
    EXPECT_FALSE(style.UseMemoFont());
  }
}

TEST(TextStyles, SyncKeepsFollowersFollowing) {
  FakeControl control;
  TTextStyle& follower = control.Style(1);
  follower.SetUseMemoFont(true);
  follower.SetUseMemoColor(true);
  control.SetColor(clYellow);
  control.Font().SetColor(clTeal);  // syncs
  EXPECT_TRUE(follower.UseMemoFont());
  EXPECT_TRUE(follower.UseMemoColor());
  EXPECT_EQ(follower.Font().Color(), clTeal);
  EXPECT_EQ(follower.Color(), clYellow);
  // A style with its own font keeps its colour.
  EXPECT_EQ(control.Style(2).Font().Color(), clGray);
}

TEST(TextStyles, AssignCopiesExactlyAndCompletesShortLists) {
  TTextStyles source;
  source.Items(kMarkedBlockStyle).SetColor(clGreen);
  source.Items(3).SetUpperCase(true);
  while (source.Count() > 5) source.Delete(source.Count() - 1);
  source.Items(0).SetName(U"Plain");

  FakeControl control;
  control.TextStyles().Assign(source);
  ASSERT_EQ(control.TextStyles().Count(), kDefaultStyleCount);
  EXPECT_EQ(control.Style(0).Name(), U"Plain");
  EXPECT_TRUE(control.Style(3).UpperCase());
  // The padding brings back the styles whose indices have a fixed meaning.
  EXPECT_EQ(control.Style(kUrlStyle).Name(), U"Url");
  EXPECT_EQ(control.Style(kMarkedBlockStyle).Color(), clNavy);
  EXPECT_EQ(control.selBackColor, clNavy);
  EXPECT_EQ(control.Style(kSearchMatchStyle).UpdateMemoColors(), mcSearchMatch);

  // A longer list is kept whole.
  TTextStyles longer;
  longer.Add().SetName(U"Extra");
  control.TextStyles().Assign(longer);
  EXPECT_EQ(control.TextStyles().Count(), kDefaultStyleCount + 1);
}

TEST(TextStyles, AssignedFollowersTakeTheirControlsColourAndFont) {
  TTextStyles source;
  source.Items(1).SetUseMemoFont(true);  // a list without a control: default font
  FakeControl control;
  control.SetColor(clYellow);
  control.Font().SetHeight(-21);
  control.TextStyles().Assign(source);
  EXPECT_EQ(control.Style(0).Color(), clYellow);
  EXPECT_TRUE(control.Style(1).UseMemoFont());
  EXPECT_EQ(control.Style(1).Font().Height(), -21);
}

}  // namespace
}  // namespace qs
