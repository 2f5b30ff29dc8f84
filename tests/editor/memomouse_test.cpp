#include <climits>

#include "mousefixture.h"

namespace qs::testing {
namespace {

// ---- Hit testing ------------------------------------------------------------

TEST_F(MouseTest, PointToPositionRoundsToTheNearerCellEdgeAndStaysInsideTheText) {
  SetText(U"alpha\nbeta\ngamma");
  memo.SetOptions(memo.Options() | SetBit(moDrawGutter));
  const int tl = memo.Layout().textLeft;
  ASSERT_EQ(tl, 32);
  struct Case {
    TPoint p;
    TPosition expected;
  } cases[] = {
      {{tl + 1, 4}, {0, 0}},           // left half of the first cell
      {{tl + 5, 4}, {0, 1}},           // right half rounds up
      {{tl + 8 * 3 + 4, 20}, {1, 3}},  // exactly the middle stays
      {{5, 20}, {1, 0}},               // gutter: column 0, never negative
      {{-40, 20}, {1, 0}},             // left of the window
      {{tl + 1, -30}, {0, 0}},         // above the window
      {{tl + 8 * 40, 40}, {2, 40}},    // past the line end: the column anyway
      {{tl + 1, 16 * 7 + 3}, {2, 0}},  // below the text: the last line
  };
  for (const Case& c : cases) {
    const TPosition got = memo.PointToPosition(c.p);
    EXPECT_EQ(got.Line, c.expected.Line) << "x=" << c.p.X << " y=" << c.p.Y;
    EXPECT_EQ(got.Column, c.expected.Column) << "x=" << c.p.X << " y=" << c.p.Y;
  }
}

TEST_F(MouseTest, PointToPositionFollowsTheViewOriginAndBeyondFileEnd) {
  String text;
  for (int i = 0; i < 30; ++i) text += U"line\n";
  SetText(text);
  memo.SetTopLine(10);
  memo.SetLeftChar(5);
  EXPECT_EQ(memo.PointToPosition({1, 2 * kRow + 1}), (TPosition{12, 5}));
  // Left of the text while scrolled sideways: the arithmetic would give a
  // column before the view; it is still a real column.
  memo.SetLeftChar(0);
  EXPECT_EQ(memo.PointToPosition({-20, 1}).Column, 0);
  memo.SetTopLine(0);

  SetText(U"a\nb");
  Src().SetOptions(Src().Options() | TStringsOptions{soBeyondFileEnd});
  EXPECT_EQ(memo.PointToPosition({1, 5 * kRow + 1}).Line, 5);
}

// ---- Clicks and mouse selection ---------------------------------------------

TEST_F(MouseTest, AClickPlacesTheCaretTakesTheFocusAndDropsTheSelection) {
  SetText(U"hello world\nsecond");
  Src().SelectAll();
  Click(At(3, 1));
  EXPECT_TRUE(host.HasFocus());
  EXPECT_EQ(Src().Caret(), (TPosition{1, 3}));
  EXPECT_FALSE(Src().HasSelection());
  EXPECT_EQ(memo.MouseState(), TMouseState::Idle);
  EXPECT_FALSE(host.HasCapture());
  EXPECT_EQ(platform.clock.RunningCount(), 0u);
}

TEST_F(MouseTest, DraggingSelectsThroughTheTimerAndAnEmptySelectionIsDropped) {
  SetText(U"hello world\nsecond line");
  Press(At(2, 0));
  EXPECT_EQ(memo.MouseState(), TMouseState::Selecting);
  EXPECT_TRUE(host.HasCapture());
  // Nothing happens until the timer fires.
  host.SimulatePointer(At(4, 1));
  EXPECT_FALSE(Src().HasSelection());
  platform.clock.Advance(kTick);
  ASSERT_EQ(Src().SelectionType(), stStreamSel);
  EXPECT_EQ(BlockBegin(), (TPosition{0, 2}));
  EXPECT_EQ(BlockEnd(), (TPosition{1, 4}));
  EXPECT_EQ(Src().Caret(), (TPosition{1, 4}));
  // Back before the anchor: the selection turns round.
  MoveTo(At(0, 0));
  EXPECT_EQ(BlockBegin(), (TPosition{0, 0}));
  EXPECT_EQ(BlockEnd(), (TPosition{0, 2}));
  // Back onto the anchor: empty, so nothing stays selected after release.
  MoveTo(At(2, 0));
  Release(At(2, 0));
  EXPECT_FALSE(Src().HasSelection());
  EXPECT_EQ(platform.clock.RunningCount(), 0u);
}

TEST_F(MouseTest, ShiftClickExtendsFromThePreviousCaretOrTheSelectionsFarEnd) {
  SetText(U"hello world\nsecond line");
  Click(At(2, 0));
  Click(At(3, 1), ssShift);
  EXPECT_EQ(BlockBegin(), (TPosition{0, 2}));
  EXPECT_EQ(BlockEnd(), (TPosition{1, 3}));
  // The caret is at the selection's end: a second shift-click moves that end.
  Click(At(1, 0), ssShift);
  EXPECT_EQ(BlockBegin(), (TPosition{0, 1}));
  EXPECT_EQ(BlockEnd(), (TPosition{0, 2}));
}

TEST_F(MouseTest, AltSelectsAColumnBlockOnlyWhereTheBlockOptionAllowsIt) {
  SetText(U"abcdef\nabcdef\nabcdef");
  Drag(At(1, 0), At(4, 2), ssAlt);
  ASSERT_EQ(Src().SelectionType(), stBlockSel);
  EXPECT_EQ(BlockBegin(), (TPosition{0, 1}));
  EXPECT_EQ(BlockEnd(), (TPosition{2, 3}));  // the block's last column
  EXPECT_EQ(Src().SelectedRange(1), std::make_pair(1, 4));

  // Dragging up and left still gives a top-left first corner.
  Drag(At(4, 2), At(1, 0), ssAlt);
  EXPECT_EQ(BlockBegin(), (TPosition{0, 1}));
  EXPECT_EQ(BlockEnd(), (TPosition{2, 3}));

  // Where column blocks are masked (word wrap, proportional layout), the
  // stream option stays in force even with Alt held.
  Src().SetBlockOption(bkStreamSel);
  Src().ClearSelection();
  Drag(At(1, 0), At(4, 2), ssAlt);
  EXPECT_EQ(Src().SelectionType(), stStreamSel);
  Src().SetBlockOption(bkNone);
  Src().ClearSelection();
  Drag(At(1, 0), At(4, 2), ssAlt);
  EXPECT_FALSE(Src().HasSelection());
}

TEST_F(MouseTest, ExtendedSelectionGrowsByWholeWords) {
  SetText(U"one two three four");
  memo.SetOptions(memo.Options() | SetBit(moExtendedSel));
  Press(At(5, 0));    // inside "two"
  MoveTo(At(10, 0));  // inside "three": to its end
  EXPECT_EQ(Src().Caret().Column, 13);
  MoveTo(At(1, 0));  // moving left, inside "one": to its start
  EXPECT_EQ(Src().Caret().Column, 0);
  Release(At(1, 0));
  EXPECT_EQ(BlockBegin().Column, 0);
  EXPECT_EQ(BlockEnd().Column, 5);
}

TEST_F(MouseTest, HoldingThePointerBelowTheWindowScrollsOnEveryTick) {
  String text;
  for (int i = 0; i < 100; ++i) text += U"row\n";
  SetText(text);
  const int visible = memo.VisibleRows();
  Press(At(0, 0));
  const TPoint below{At(1, 0).X, 160 + 20};
  host.SimulatePointer(below);
  platform.clock.Advance(kTick);
  const std::int32_t first = memo.TopLine();
  EXPECT_GT(first, 0);
  EXPECT_EQ(Src().CaretLine(), first + visible);
  platform.clock.Advance(kTick * 4);
  EXPECT_GT(memo.TopLine(), first);
  EXPECT_EQ(Src().CaretLine(), memo.TopLine() + visible);
  Release(below);
  const std::int32_t stopped = memo.TopLine();
  platform.clock.Advance(kTick * 10);
  EXPECT_EQ(memo.TopLine(), stopped);
  EXPECT_EQ(BlockBegin(), (TPosition{0, 0}));
  EXPECT_EQ(BlockEnd().Line, Src().CaretLine());
}

TEST_F(MouseTest, DoubleClickSelectsAWordByTheSelectionTypeOrTheLine) {
  SetText(U"alpha beta  gamma\nnext");
  struct Case {
    TWordSelectionType type;
    std::int32_t begin, end;
  } cases[] = {{wsWordOnly, 6, 10}, {wsWordWithSpace, 6, 11}};
  for (const Case& c : cases) {
    memo.SetWordSelectionType(c.type);
    DoubleClick(At(7, 0));
    EXPECT_EQ(BlockBegin(), (TPosition{0, c.begin})) << int(c.type);
    EXPECT_EQ(BlockEnd(), (TPosition{0, c.end})) << int(c.type);
    EXPECT_EQ(memo.MouseState(), TMouseState::Idle);
  }
  memo.SetOptions(memo.Options() | SetBit(moDblClickLine));
  DoubleClick(At(7, 0));
  EXPECT_EQ(BlockBegin(), (TPosition{0, 0}));
  EXPECT_EQ(BlockEnd(), (TPosition{1, 0}));
}

TEST_F(MouseTest, ATripleClickSelectsTheLineOnlyWhenAskedForAndInTime) {
  SetText(U"alpha beta\nnext");
  struct Case {
    TMemoOptions extra;
    std::int64_t wait;
    int dx;
    bool line;
  } cases[] = {
      {SetBit(moTripleClick), 100, 0, true},
      {SetBit(moTripleClick), 501, 0, false},  // too late
      {SetBit(moTripleClick), 100, 8, false},  // too far away
      {0, 100, 0, false},                      // not asked for
      {SetBit(moTripleClick) | SetBit(moDblClickLine), 100, 0, false},
  };
  for (const Case& c : cases) {
    memo.SetOptions(kDefaultMemoOptions | c.extra);
    DoubleClick(At(7, 0));
    platform.clock.Advance(c.wait);
    Click({At(7, 0).X + c.dx, At(7, 0).Y});
    const bool wholeLine = Src().HasSelection() && BlockBegin() == (TPosition{0, 0}) &&
                           BlockEnd() == (TPosition{1, 0});
    EXPECT_EQ(wholeLine, c.line) << "options " << c.extra << " wait " << c.wait << " dx " << c.dx;
  }
}

TEST_F(MouseTest, ARightPressCancelsAMouseSelectionAndOpensTheMenu) {
  SetText(U"hello world");
  Press(At(1, 0));
  MoveTo(At(4, 0));
  Press(At(6, 0), 0, mbRight);
  EXPECT_EQ(memo.MouseState(), TMouseState::Idle);
  EXPECT_EQ(platform.clock.RunningCount(), 0u);
  Release(At(6, 0), 0, mbRight);
  EXPECT_EQ(menus.Shown().size(), 1u);
  // A right click moves the caret unless told not to.
  Click(At(8, 0), 0, mbRight);
  EXPECT_EQ(Src().CaretColumn(), 8);
  memo.SetOptions(memo.Options() | SetBit(moDisableRightClickMove));
  Click(At(2, 0), 0, mbRight);
  EXPECT_EQ(Src().CaretColumn(), 8);
}

// The context menu acts where the user points: outside the selection the caret
// moves there and a non-persistent selection ends; inside, both stay.
TEST_F(MouseTest, ARightClickOutsideTheSelectionMovesTheCaretThere) {
  struct Case {
    int column;
    bool persistent;
    bool keepsSelection;
    int caret;
  };
  for (const Case c : {Case{2, false, true, 5}, Case{5, false, true, 5}, Case{8, false, false, 8},
                       Case{8, true, true, 8}}) {
    SetText(U"hello world");
    TStringsOptions options = Src().Options();
    options.Set(soPersistentBlocks, c.persistent);
    Src().SetOptions(options);
    Src().SelectRange(stStreamSel, 0, 0, 5, 0);
    Src().SetCaretPos(5, 0);
    Click(At(c.column, 0), 0, mbRight);
    EXPECT_EQ(Src().HasSelection(), c.keepsSelection) << c.column << " " << c.persistent;
    EXPECT_EQ(Src().CaretColumn(), c.caret) << c.column << " " << c.persistent;
  }
}

// Text dragged in from another program goes in where it was let go, selected,
// and one undo takes it out again; a read-only document refuses it.
TEST_F(MouseTest, TextDroppedFromAnotherProgramGoesInAtTheDropPointAsOneStep) {
  SetText(U"hello world\nsecond");
  Src().SelectRange(stStreamSel, 0, 1, 3, 1);
  memo.DropText(At(6, 0), U"big\nnew ");
  EXPECT_EQ(Text(), U"hello big\r\nnew world\r\nsecond");
  EXPECT_EQ(BlockBegin(), (TPosition{0, 6}));
  EXPECT_EQ(BlockEnd(), (TPosition{1, 4}));
  Src().Undo();
  EXPECT_EQ(Text(), U"hello world\r\nsecond");
  Src().SetReadOnly(true);
  memo.DropText(At(0, 0), U"x");
  EXPECT_EQ(Text(), U"hello world\r\nsecond");
}

TEST_F(MouseTest, LosingTheFocusEndsAMouseSelection) {
  SetText(U"hello world");
  Press(At(1, 0));
  memo.FocusChanged(false);
  EXPECT_EQ(memo.MouseState(), TMouseState::Idle);
  EXPECT_EQ(platform.clock.RunningCount(), 0u);
  EXPECT_FALSE(host.HasCapture());
}

// ---- Wheel ------------------------------------------------------------------

TEST_F(MouseTest, TheWheelKeepsItsRemainderAndLeavesTheCaret) {
  String text;
  for (int i = 0; i < 100; ++i) text += U"row\n";
  SetText(text);
  memo.SetTopLine(50);
  platform.screen.wheelScrollLines = 3;
  EXPECT_TRUE(memo.MouseWheel(-60));
  EXPECT_EQ(memo.TopLine(), 50);
  EXPECT_TRUE(memo.MouseWheel(-60));
  EXPECT_EQ(memo.TopLine(), 53);
  memo.MouseWheel(240);
  EXPECT_EQ(memo.TopLine(), 47);
  // Mixed directions cancel out through the remainder.
  memo.MouseWheel(-100);
  memo.MouseWheel(100);
  memo.MouseWheel(-20);
  EXPECT_EQ(memo.TopLine(), 47);
  EXPECT_EQ(Src().Caret(), (TPosition{0, 0}));
}

TEST_F(MouseTest, TheOnePageWheelSettingScrollsAPageWithoutOverflow) {
  String text;
  for (int i = 0; i < 1000; ++i) text += U"row\n";
  SetText(text);
  memo.SetTopLine(500);
  const int page = memo.VisibleRows() + 1;
  platform.screen.wheelScrollLines = INT_MAX;
  memo.MouseWheel(-120);
  EXPECT_EQ(memo.TopLine(), 500 + page);
  memo.MouseWheel(240);
  EXPECT_EQ(memo.TopLine(), 500 - page);
  // Huge deltas clamp at the ends instead of wrapping round.
  memo.MouseWheel(INT_MAX);
  memo.MouseWheel(INT_MAX);
  EXPECT_EQ(memo.TopLine(), 0);
  memo.MouseWheel(INT_MIN);
  memo.MouseWheel(INT_MIN);
  EXPECT_EQ(memo.TopLine(), memo.LastRow());
}

// ---- Cursor -----------------------------------------------------------------

TEST_F(MouseTest, ThePointerCursorFollowsWhatIsUnderIt) {
  BracketUrlParser parser;
  Src().SetSyntaxParser(&parser);
  Src().SetHighlightUrls(true);
  SetText(U"text [www.example.org] tail\nplain");
  memo.SetOptions(memo.Options() | SetBit(moDrawGutter));
  Src().SelectRange(stStreamSel, 0, 1, 3, 1);
  struct Case {
    TPoint p;
    Cursor expected;
  } cases[] = {
      {{4, 8}, Cursor::Arrow},        // gutter
      {At(1, 0), Cursor::IBeam},      // text
      {At(8, 0), Cursor::HandPoint},  // URL
      {At(1, 1), Cursor::Arrow},      // a selection that can be dragged
      {At(4, 1), Cursor::IBeam},      // past it
  };
  for (const Case& c : cases) {
    memo.MouseMove(0, c.p);
    EXPECT_EQ(host.CurrentCursor(), c.expected) << "x=" << c.p.X << " y=" << c.p.Y;
  }
  Src().SetReadOnly(true);
  memo.MouseMove(0, At(1, 1));
  EXPECT_EQ(host.CurrentCursor(), Cursor::IBeam);
}

// ---- Faults ------------------------------------------------------------------

TEST_F(MouseTest, NoExceptionLeavesAMouseEvent) {
  BracketUrlParser parser;
  Src().SetSyntaxParser(&parser);
  Src().SetHighlightUrls(true);
  SetText(U"go [www.example.org] now");
  memo.OnJumpToUrl = [](TCustomQSMemo&, const String&, bool&) {
    throw std::runtime_error("handler failure");
  };
  memo.OnClickGutter = [](TCustomQSMemo&, std::int32_t, int, TShiftState) {
    throw std::runtime_error("handler failure");
  };
  memo.SetOptions(memo.Options() | SetBit(moDrawGutter));
  // Each failure is shown in the error box as an internal error.
  for (int i = 0; i < 3; ++i) platform.dialogs.AnswerMessage(MsgResult::OK);
  Click(At(6, 0));
  Click({3, 3});
  EXPECT_EQ(memo.MouseState(), TMouseState::Idle);
  EXPECT_FALSE(host.HasCapture());
  TPopupMenu failing;
  failing.Items = {{U"Boom", true, [] { throw std::runtime_error("menu failure"); }}};
  memo.SetPopupMenu(&failing);
  menus.PickNext(U"Boom");
  Click(At(1, 0), 0, mbRight);
  EXPECT_EQ(menus.Shown().size(), 1u);
  EXPECT_EQ(memo.MouseState(), TMouseState::Idle);
  std::vector<String> shown;
  for (const Prompt& p : platform.dialogs.Prompts()) shown.push_back(p.text);
  EXPECT_EQ(shown, (std::vector<String>{U"Internal error: handler failure",
                                        U"Internal error: handler failure",
                                        U"Internal error: menu failure"}));
}

}  // namespace
}  // namespace qs::testing
