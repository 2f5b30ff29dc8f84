#include "editor/caretshape.h"
#include "mousefixture.h"
#include "textmodel/sharededitstate.h"

namespace qs::testing {
namespace {

TEST(CaretShape, SizeAndPlaceFollowModeRowAndView) {
  TCaretShapeInput base;
  base.insertWidth = 2;
  base.charWidth = 8;
  base.fontHeight = 16;
  base.rowHeight = 16;
  base.cell = {40, 32};
  base.textLeft = 32;
  struct Case {
    const char* name;
    TCaretShapeInput in;
    TCaretShape expected;
  };
  auto with = [&](auto change) {
    TCaretShapeInput in = base;
    change(in);
    return in;
  };
  const Case cases[] = {
      {"insert", base, {2, 16, {40, 32}}},
      {"overwrite block", with([](auto& in) { in.blockInOverwrite = true; }), {8, 16, {40, 32}}},
      {"tall row: at its bottom", with([](auto& in) { in.rowHeight = 22; }), {2, 16, {40, 38}}},
      {"left of the text",
       with([](auto& in) {
         in.cell = {24, 32};
       }),
       {2, 16, {-18, -10}}},
      {"above the window",
       with([](auto& in) {
         in.cell = {40, -16};
       }),
       {2, 16, {-18, -10}}},
      {"hidden", with([](auto& in) { in.hideCaret = true; }), {1, 1, {-5, -5}}},
  };
  for (const Case& c : cases) EXPECT_EQ(ComputeCaretShape(c.in), c.expected) << c.name;
}

class CaretTest : public MouseTest {
 protected:
  SharedEditStateInstallation editState;  // the insert mode this test toggles
};

TEST_F(CaretTest, TheControlRecreatesTheCaretWhenModeOrOptionsChangeItsShape) {
  SetText(U"hello");
  platform.screen.caretWidth = 3;
  memo.FocusChanged(true);
  EXPECT_EQ(host.Caret().width, 3);
  EXPECT_EQ(host.Caret().height, kRow);
  EXPECT_TRUE(host.Caret().visible);

  Src().ToggleInsertMode();  // overwrite, but no block caret asked for
  EXPECT_EQ(host.Caret().width, 3);
  memo.SetOptions(memo.Options() | SetBit(moOverwriteCaret));
  EXPECT_EQ(host.Caret().width, kCell);
  Src().ToggleInsertMode();
  EXPECT_EQ(host.Caret().width, 3);

  memo.SetHideCaret(true);
  EXPECT_EQ(host.Caret().width, 1);
  EXPECT_EQ(host.Caret().pos, (TPoint{-5, -5}));
  EXPECT_FALSE(host.Caret().visible);
}

}  // namespace
}  // namespace qs::testing
