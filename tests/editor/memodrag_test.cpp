#include "mousefixture.h"

namespace qs::testing {
namespace {

class DragTest : public MouseTest {
 protected:
  DragTest() { Focus(); }
  // Selects columns [from, to) of line 0 and drags the selection from its
  // first cell to the cell edge at column target of row targetRow.
  void DragSelection(int from, int to, int target, int targetRow, TShiftState release) {
    Src().SelectRange(stStreamSel, from, 0, to, 0);
    Press(At(from, 0));
    ASSERT_EQ(memo.MouseState(), TMouseState::MayDrag);
    MoveTo(At(target, targetRow));
    Release(At(target, targetRow), release);
  }
};

TEST_F(DragTest, AMoveDropsTheTextWhereItWasDropped) {
  struct Case {
    const char32_t* name;
    int from, to, target, row;
    const char32_t* expected;
  } cases[] = {
      {U"right, same line", 0, 4, 8, 0, U"def abc ghi\r\nnext"},
      {U"left, same line", 4, 8, 0, 0, U"def abc ghi\r\nnext"},
      {U"to the next line", 0, 4, 2, 1, U"def ghi\r\nneabc xt"},
  };
  for (const Case& c : cases) {
    SetText(U"abc def ghi\nnext");
    DragSelection(c.from, c.to, c.target, c.row, 0);
    EXPECT_EQ(Text(), c.expected) << ToUtf8(c.name);
    EXPECT_EQ(memo.MouseState(), TMouseState::Idle);
    EXPECT_EQ(platform.clock.RunningCount(), 0u);
  }
}

TEST_F(DragTest, CtrlAtTheDropCopiesAndLeavesTheOriginal) {
  SetText(U"abc def ghi\nnext");
  DragSelection(0, 4, 8, 0, ssCtrl);
  EXPECT_EQ(Text(), U"abc def abc ghi\r\nnext");
  Src().Undo();
  EXPECT_EQ(Text(), U"abc def ghi\r\nnext");
}

TEST_F(DragTest, ADropOnTheSelectionMovesNothingAndRemovesTheSelection) {
  SetText(U"abc def ghi");
  DragSelection(0, 4, 2, 0, 0);
  EXPECT_EQ(Text(), U"abc def ghi");
  EXPECT_FALSE(Src().HasSelection());
  EXPECT_EQ(Src().Caret(), (TPosition{0, 2}));
}

TEST_F(DragTest, WhileDraggingTheCaretFollowsAndTheCursorTellsWhereADropWouldGo) {
  SetText(U"abc def ghi");
  memo.SetDragCursor(Cursor::SizeAll);
  Src().SelectRange(stStreamSel, 0, 0, 4, 0);
  Press(At(1, 0));
  MoveTo(At(2, 0));
  EXPECT_EQ(host.CurrentCursor(), Cursor::NoDrop);
  MoveTo(At(9, 0));
  EXPECT_EQ(host.CurrentCursor(), Cursor::SizeAll);
  EXPECT_EQ(Src().Caret(), (TPosition{0, 9}));
  EXPECT_TRUE(Src().HasSelection());
  memo.CancelMouseAction();
  EXPECT_EQ(Text(), U"abc def ghi");
}

TEST_F(DragTest, APressOnTheSelectionSelectsAnewWhereDraggingIsNotAllowed) {
  struct Case {
    const char* name;
    TMemoOptions options;
    bool readOnly;
  } cases[] = {{"drag disabled", kDefaultMemoOptions | SetBit(moDisableDrag), false},
               {"read-only", kDefaultMemoOptions, true}};
  for (const Case& c : cases) {
    SetText(U"abc def ghi");
    memo.SetOptions(c.options);
    Src().SetReadOnly(c.readOnly);
    Src().SelectRange(stStreamSel, 0, 0, 4, 0);
    Press(At(1, 0));
    EXPECT_EQ(memo.MouseState(), TMouseState::Selecting) << c.name;
    EXPECT_FALSE(Src().HasSelection()) << c.name;
    MoveTo(At(9, 0));
    Release(At(9, 0));
    EXPECT_EQ(Text(), U"abc def ghi") << c.name;
    EXPECT_EQ(BlockBegin(), (TPosition{0, 1})) << c.name;
    Src().SetReadOnly(false);
  }
}

TEST_F(DragTest, OnlyTextCountsAsTheSelectionWithSelectOnlyText) {
  SetText(U"ab\ncd");
  memo.SetOptions(memo.Options() | SetBit(moSelectOnlyText));
  Src().SelectRange(stStreamSel, 0, 0, 1, 1);
  Press(At(6, 0));  // past the end of "ab", inside the selected range
  EXPECT_EQ(memo.MouseState(), TMouseState::Selecting);
  Release(At(6, 0));
}

}  // namespace
}  // namespace qs::testing
