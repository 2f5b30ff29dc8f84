#include <array>
#include <span>

#include "mousefixture.h"

namespace qs::testing {
namespace {

using ClipboardTest = MouseTest;

TEST_F(ClipboardTest, TheClearRequestDeletesOnlyTheSelection) {
  SetText(U"keep this line\nand this");
  Src().SelectRange(stStreamSel, 5, 0, 10, 0);
  memo.Clear();
  EXPECT_EQ(Text(), U"keep line\r\nand this");
  memo.Clear();  // nothing selected: nothing deleted
  EXPECT_EQ(Text(), U"keep line\r\nand this");
}

TEST_F(ClipboardTest, CutAndPasteGoThroughTheSystemClipboardAsOneUndoStepEach) {
  SetText(U"hello world");
  Src().SelectRange(stStreamSel, 0, 0, 6, 0);
  memo.CutToClipboard();
  EXPECT_EQ(platform.clipboard.GetText(), U"hello ");
  EXPECT_EQ(Text(), U"world");
  memo.PasteFromClipboard();
  EXPECT_EQ(Text(), U"hello world");
  Src().Undo();
  EXPECT_EQ(Text(), U"world");
  Src().Undo();
  EXPECT_EQ(Text(), U"hello world");
}

TEST_F(ClipboardTest, AColumnCopyPastesAsAColumnUntilAnotherProgramTakesTheClipboard) {
  SetText(U"abcd\nefgh\nijkl");
  Src().SelectRange(stBlockSel, 1, 0, 2, 1);
  memo.CopyToClipboard();
  EXPECT_EQ(platform.clipboard.GetText(), U"bc\r\nfg");
  Src().ClearSelection();
  Src().SetCaretPos(0, 1);
  memo.PasteFromClipboard();
  EXPECT_EQ(Text(), U"abcd\r\nbcefgh\r\nfgijkl");

  platform.clipboard.SimulateOtherProgram(U"xy\r\nzw");
  SetText(U"abcd\nefgh");
  Src().SetCaretPos(1, 0);
  memo.PasteFromClipboard();
  EXPECT_EQ(Text(), U"axy\r\nzwbcd\r\nefgh");
}

TEST_F(ClipboardTest, TheClipboardKeysOfEverySchemeReachTheSystemClipboard) {
  struct Case {
    const char32_t* scheme;
    TKey copyKey;
    TShiftState copyShift;
    TKey pasteKey;
    TShiftState pasteShift;
  };
  for (const Case& c : {Case{U"Default", 'C', ssCtrl, vk::Insert, ssShift},
                        Case{U"Default", vk::Insert, ssCtrl, 'V', ssCtrl}}) {
    SCOPED_TRACE(c.copyKey);
    memo.SetKeyMapping(c.scheme);
    SetText(U"copy me");
    Src().SelectRange(stStreamSel, 0, 0, 4, 0);
    EXPECT_TRUE(memo.KeyDown(c.copyKey, c.copyShift));
    memo.KeyUp();
    EXPECT_EQ(platform.clipboard.GetText(), U"copy");
    Src().ClearSelection();
    Src().SetCaretPos(7, 0);
    EXPECT_TRUE(memo.KeyDown(c.pasteKey, c.pasteShift));
    memo.KeyUp();
    EXPECT_EQ(Text(), U"copy mecopy");
  }
}

TEST_F(ClipboardTest, APasteIntoAReadOnlyDocumentDoesNothing) {
  SetText(U"fixed");
  platform.clipboard.SimulateOtherProgram(U"more");
  Src().SetReadOnly(true);
  memo.PasteFromClipboard();
  EXPECT_EQ(Text(), U"fixed");
  EXPECT_FALSE(memo.CanPaste());
}

TEST_F(ClipboardTest, EditQueriesCountLineBreaksAndNeverOverrunTheCallersBuffer) {
  SetText(U"one\n\tx\nlast");
  EXPECT_EQ(memo.GetLineCount(), 3);
  EXPECT_EQ(memo.LineIndex(0), 0);
  EXPECT_EQ(memo.LineIndex(1), 5);
  // The stored TAB counts as its expanded width: 9 columns up to the first stop.
  EXPECT_EQ(memo.LineIndex(2), 5 + 10 + 2);
  EXPECT_EQ(memo.LineIndex(3), -1);
  EXPECT_EQ(memo.LineIndex(-1), -1);
  EXPECT_EQ(memo.GetTextLength(), 17 + 4);

  std::array<Char, 6> buffer;
  buffer.fill(U'#');
  EXPECT_EQ(memo.GetLine(2, std::span(buffer).first(2)), 2u);
  EXPECT_EQ(String(buffer.begin(), buffer.end()), U"la####");
  EXPECT_EQ(memo.GetLine(0, buffer), 3u);
  EXPECT_EQ(memo.GetLine(7, buffer), 0u);
}

// ---- The default menu --------------------------------------------------------

std::vector<std::pair<String, bool>> Items(const ShownMenu& menu) {
  std::vector<std::pair<String, bool>> out;
  for (const TPopupItem& item : menu.items) out.emplace_back(item.caption, item.enabled);
  return out;
}

TEST_F(ClipboardTest, TheDefaultMenuEnablesWhatTheDocumentAllows) {
  SetText(U"hello world");
  platform.clipboard.Clear();
  memo.ContextMenu(false, At(2, 0));
  ASSERT_EQ(menus.Shown().size(), 1u);
  using Row = std::pair<String, bool>;
  EXPECT_EQ(Items(menus.Shown()[0]), (std::vector<Row>{{U"&Undo", false},
                                                       {U"-", true},
                                                       {U"Cu&t", false},
                                                       {U"&Copy", false},
                                                       {U"&Paste", false},
                                                       {U"&Delete", false},
                                                       {U"-", true},
                                                       {U"Se&lect All", true}}));

  platform.clipboard.SimulateOtherProgram(U"text");
  Src().SetCaretPos(11, 0);
  Src().TypeChar(U'x');
  Src().SelectRange(stStreamSel, 0, 0, 5, 0);
  memo.ContextMenu(true, {});
  ASSERT_EQ(menus.Shown().size(), 2u);
  EXPECT_EQ(Items(menus.Shown()[1]), (std::vector<Row>{{U"&Undo", true},
                                                       {U"-", true},
                                                       {U"Cu&t", true},
                                                       {U"&Copy", true},
                                                       {U"&Paste", true},
                                                       {U"&Delete", true},
                                                       {U"-", true},
                                                       {U"Se&lect All", true}}));

  Src().SetReadOnly(true);
  memo.ContextMenu(true, {});
  const auto readOnly = Items(menus.Shown()[2]);
  EXPECT_FALSE(readOnly[2].second);  // cut
  EXPECT_TRUE(readOnly[3].second);   // copy
  EXPECT_FALSE(readOnly[4].second);  // paste
  EXPECT_FALSE(readOnly[5].second);  // delete
}

TEST_F(ClipboardTest, PickingAMenuItemRunsItsCommand) {
  SetText(U"hello world");
  Src().SelectRange(stStreamSel, 6, 0, 11, 0);
  menus.PickNext(U"&Copy");
  memo.ContextMenu(true, {});
  EXPECT_EQ(platform.clipboard.GetText(), U"world");
  menus.PickNext(U"&Delete");
  memo.ContextMenu(true, {});
  EXPECT_EQ(Text(), U"hello ");
  menus.PickNext(U"&Paste");
  memo.ContextMenu(true, {});
  EXPECT_EQ(Text(), U"hello world");
  menus.PickNext(U"Se&lect All");
  memo.ContextMenu(true, {});
  EXPECT_EQ(BlockBegin(), (TPosition{0, 0}));
  menus.PickNext(U"Cu&t");
  memo.ContextMenu(true, {});
  EXPECT_EQ(platform.clipboard.GetText(), U"hello world");
  menus.PickNext(U"&Undo");
  memo.ContextMenu(true, {});
  EXPECT_EQ(Text(), U"hello world");
}

TEST_F(ClipboardTest, TheMenuOpensAtTheCaretByKeyboardAndAtThePointerByMouse) {
  SetText(U"hello world\nline two");
  host.SetScreenOrigin({100, 200});
  Click(At(3, 1));
  memo.ContextMenu(true, {});
  ASSERT_EQ(menus.Shown().size(), 1u);
  EXPECT_EQ(menus.Shown()[0].screen, (TPoint{100 + 3 * kCell + 2, 200 + kRow}));
  // The caret out of view: the control's top-left corner.
  Src().SetCaretPos(0, 0);
  memo.SetTopLine(1);
  memo.ContextMenu(true, {});
  EXPECT_EQ(menus.Shown()[1].screen, (TPoint{100, 200}));
  memo.ContextMenu(false, {40, 50});
  EXPECT_EQ(menus.Shown()[2].screen, (TPoint{140, 250}));
  memo.ContextMenu(false, {-1, 50});  // outside the client area
  EXPECT_EQ(menus.Shown().size(), 3u);
}

TEST_F(ClipboardTest, AnAssignedMenuWinsAndTheDefaultOneCanBeTurnedOff) {
  SetText(U"hello");
  TPopupMenu own;
  int ran = 0;
  own.Items = {{U"Mine", true, [&] { ++ran; }}};
  memo.SetPopupMenu(&own);
  menus.PickNext(U"Mine");
  memo.ContextMenu(true, {});
  EXPECT_EQ(ran, 1);
  memo.SetPopupMenu(nullptr);
  memo.SetUseDefaultMenu(false);
  memo.ContextMenu(true, {});
  EXPECT_EQ(menus.Shown().size(), 1u);
}

}  // namespace
}  // namespace qs::testing
