#include <gtest/gtest.h>

#include <climits>

#include "editor/memoenvoptions.h"
#include "memofixture.h"
#include "support/optionobject.h"

namespace qs {
namespace {

using testing::MemoTest;

class GlobalOptionsTest : public MemoTest {
 protected:
  GlobalOptionsTest() { OptionRegistry::Reset(); }
  ~GlobalOptionsTest() override { OptionRegistry::Reset(); }
};

TEST_F(GlobalOptionsTest, FollowingTheGlobalOptionsCopiesThemAndEveryLaterChange) {
  TMemoEnvOptions& global = MemoEnvOptions();
  global.SetGutterWidth(44);
  global.SetMarginPos(72);
  global.LineHighlight().SetVisible(true);
  global.SpecialSymbols().SetEOLString(U"<");
  global.TextStyles().Items(1).Font().SetColor(clPurple);
  global.SetColor(clTeal);
  // Not following: nothing reaches the control.
  EXPECT_EQ(memo.GutterWidth(), 32);

  memo.SetUseGlobalOptions(true);
  EXPECT_EQ(memo.Options(), kDefaultEnvMemoOptions);
  EXPECT_EQ(memo.GutterWidth(), 44);
  EXPECT_EQ(memo.MarginPos(), 72);
  EXPECT_TRUE(memo.LineHighlight().Visible());
  EXPECT_EQ(memo.SpecialSymbols().EOLString(), U"<");
  EXPECT_EQ(memo.TextStyles().Items(1).Font().Color(), clPurple);
  EXPECT_EQ(memo.Color(), clTeal);
  EXPECT_TRUE(memo.Source().UseGlobalOptions());

  global.SetMarginPos(100);
  EXPECT_EQ(memo.MarginPos(), 100);
  memo.SetUseGlobalOptions(false);
  global.SetMarginPos(60);
  EXPECT_EQ(memo.MarginPos(), 100);
}

TEST_F(MemoTest, LoadedNumbersAreClampedToWhatTheLayoutCanTake) {
  const struct {
    const char* name;
    std::int64_t value;
    int expected;
  } cases[] = {
      {"GutterWidth", -40, 0},
      {"GutterWidth", INT_MAX, TMemoEnvOptions::kMaxGutterWidth},
      {"MarginPos", -1, 0},
      {"MarginPos", 1 << 30, TMemoEnvOptions::kMaxMarginPos},
      {"LeftIndent", -5, 0},
      {"GutterLineIndent", INT_MAX, TMemoEnvOptions::kMaxGutterWidth},
      {"HorzMaxPos", 1 << 20, 32767},
  };
  for (const auto& c : cases) {
    const PropInfo* prop = memo.GetClassInfo().FindProperty(c.name);
    ASSERT_NE(prop, nullptr) << c.name;
    prop->set(memo, PropValue(c.value));
    EXPECT_EQ(std::get<std::int64_t>(prop->get(memo)), c.expected) << c.name << " " << c.value;
  }
  // The layout is built from the clamped values.
  memo.SetOptions(SetBit(moDrawGutter) | SetBit(moLeftIndent));
  EXPECT_EQ(memo.Layout().gutter, TMemoEnvOptions::kMaxGutterWidth);
  EXPECT_EQ(memo.Layout().textLeft, TMemoEnvOptions::kMaxGutterWidth);
}

TEST_F(MemoTest, ControlsCopyEachOtherThroughTheirPublishedProperties) {
  HeadlessWindowHost otherHost({0, 0, 100, 100});
  TQSMemo other(otherHost, measure);
  memo.SetGutterWidth(50);
  memo.SetLineBookmarkColor(clBlue);
  memo.SetGutterImgsAlign(iaRight);
  memo.LineSeparator().Pen().SetColor(clRed);
  memo.SpecialSymbols().SetTabChar(U'>');
  memo.TextStyles().Items(3).SetColor(clYellow);
  other.Assign(memo);
  EXPECT_EQ(other.GutterWidth(), 50);
  EXPECT_EQ(other.LineBookmarkColor(), clBlue);
  EXPECT_EQ(other.GutterImgsAlign(), iaRight);
  EXPECT_EQ(other.LineSeparator().Pen().Color(), clRed);
  EXPECT_EQ(other.SpecialSymbols().TabChar(), U'>');
  EXPECT_EQ(other.TextStyles().Items(3).Color(), clYellow);
}

TEST_F(MemoTest, WithoutFixedCellsColumnBlocksAreUnavailableUntilTheyComeBack) {
  memo.Source().SetBlockOption(bkBoth);
  memo.SetUseMonoFont(false);
  EXPECT_EQ(memo.Source().BlockOption(), bkStreamSel);
  memo.SetUseMonoFont(true);
  EXPECT_EQ(memo.Source().BlockOption(), bkBoth);
}

}  // namespace
}  // namespace qs
