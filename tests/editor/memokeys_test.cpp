#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/keymappings.h"
#include "editor/memocommands.h"
#include "keystrokes.h"
#include "memofixture.h"
#include "platform/headlessplatform.h"
#include "platform/platform.h"
#include "support/utf8.h"

namespace qs {
namespace {

using testing::MemoTest;
using testing::ParseStrokes;
using testing::Stroke;

// Letters and digits typed without Ctrl or Alt come as characters too, as a
// key event with text does; everything else is a key only.
Char CharOf(const Stroke& s) {
  if ((s.shift & (ssCtrl | ssAlt)) != 0) return 0;
  if (s.key >= 'A' && s.key <= 'Z')
    return (s.shift & ssShift) != 0 ? s.key : static_cast<Char>(s.key - 'A' + 'a');
  if (s.key >= '0' && s.key <= '9' && (s.shift & ssShift) == 0) return s.key;
  return 0;
}

class KeysTest : public MemoTest {
 protected:
  KeysTest() {
    memo.OnCommandError = [this](TCustomQSMemo&, const Error& e) { errors.push_back(e.what()); };
  }

  void Press(const std::string& strokes) {
    for (const Stroke& s : ParseStrokes(strokes)) {
      const bool consumed = memo.KeyDown(s.key, s.shift);
      if (!consumed)
        if (const Char c = CharOf(s)) memo.KeyPress(c);
      memo.KeyUp();
    }
  }

  void Type(const String& text) {
    for (const Char c : text) {
      const bool upper = c >= U'A' && c <= U'Z';
      const bool lower = c >= U'a' && c <= U'z';
      const TKey key = lower   ? static_cast<TKey>(c - U'a' + U'A')
                       : upper ? static_cast<TKey>(c)
                               : 0;
      if (!memo.KeyDown(key, upper ? ssShift : 0)) memo.KeyPress(c);
      memo.KeyUp();
    }
  }

  String Line(int n) { return memo.Source().ExpandedLine(n); }
  TPosition Caret() { return memo.Source().Caret(); }

  std::vector<std::string> errors;
};

// ---- The schemes -------------------------------------------------------------

struct SchemeCase {
  const char* scheme;
  const char* keys;
  const char* command;  // what the last stroke runs
};

const SchemeCase kSchemeCases[] = {
    {"Default", "Ctrl+K B", "ecMarkBlockBegin"},
    {"Default", "Ctrl+K Ctrl+B", "ecMarkBlockBegin"},
    {"Default", "Ctrl+K Ctrl+E", "ecLowerCaseWord"},
    {"Default", "Ctrl+K 0", "ecToggleBookmark10"},
    {"Default", "Ctrl+Q 5", "ecGotoBookmark5"},
    {"Default", "Ctrl+Q Ctrl+5", "ecGotoBookmark5"},
    {"Default", "Ctrl+Q Ctrl+Shift+0", "ecToggleBookmark10"},
    {"Default", "Ctrl+Q Ctrl+F", "ecShowFindDialog"},
    {"Default", "Ctrl+Q Ctrl+K", "ecJumpToBlockEnd"},
    {"Default", "Ctrl+Q Ctrl+X", "ecCaretToWindowBottom"},
    {"Default", "Ctrl+O Ctrl+G", "ecGotoLine"},
    {"Default", "Ctrl+O Ctrl+U", "ecToggleCaseBlock"},
    {"Default", "Ctrl+K Ctrl+Home", "ecJumpToFileBegin"},
    {"Default", "Ctrl+3", "ecGotoBookmark3"},
    {"Default", "Ctrl+Shift+3", "ecToggleBookmark3"},
    {"Default", "Ctrl+Z", "ecUndo"},
    {"Default", "Ctrl+Shift+Z", "ecRedo"},
    {"Default", "Shift+Alt+BkSp", "ecRedo"},
    {"Default", "F3", "ecSearchAgain"},
    {"Default", "Ctrl+C", "ecCopyToClipboard"},
    {"Default", "Shift+Ins", "ecPasteFromClipboard"},
    {"Default", "Ctrl+[", "ecMatchBracket"},
    {"Default", "Ctrl+Alt+Q", "ecQuoteBlock"},
    {"Default", "Shift+Right", "ecSelectRight"},
    {"Default", "Shift+PgDn", "ecSelect+ecPageDown"},
    {"Default", "Ctrl+Shift+PgUp", "ecSelect+ecCaretToWindowTop"},
    {"Default", "Ctrl+Shift+Alt+Home", "ecColumnSelect+ecCaretToWindowTop"},
    {"Default", "Ctrl+Shift+Alt+PgDn", "ecColumnSelectFileEnd"},
    {"Default", "Shift+Alt+Left", "ecColumnSelectLeft"},
    {"Default", "Ctrl+PgDn", "ecCaretToWindowBottom"},
    {"Default", "Ctrl+Up", "ecScrollLineUp"},
    {"Default", "Esc", "ecCancelMouseAction"},
    {"Default", "Ctrl+J", "ecInsertCodeTemplate"},
    {"Classic", "Ctrl+A", "ecSelectAll"},  // the common group comes later and wins
    {"Classic", "Ctrl+S", "ecCursorLeft"},
    {"Classic", "Ctrl+X", "ecCursorDown"},
    {"Classic", "Ctrl+Home", "ecCaretToWindowTop"},
    {"Classic", "Ctrl+PgDn", "ecJumpToFileEnd"},
    {"Classic", "Ctrl+Shift+S", "ecSearchAgain"},
    {"Classic", "Ctrl+K K", "ecMarkBlockEnd"},
    {"Classic", "Ctrl+Q Ctrl+R", "ecJumpToFileBegin"},
    {"Classic", "Ctrl+Q 7", "ecGotoBookmark7"},
    {"Brief", "Num-", "ecCutToClipboard"},
    {"Brief", "Num*", "ecUndo"},
    {"Brief", "Ins", "ecPasteFromClipboard"},
    {"Brief", "Ctrl+C", "ecCenterCaretLine"},
    {"Brief", "Alt+3", "ecToggleBookmark3"},
    {"Brief", "Alt+J Alt+3", "ecGotoBookmark3"},
    {"Brief", "Alt+J 3", "ecNone"},
    {"Brief", "Home Home", "ecJumpToFileBegin"},
    {"Brief", "End End", "ecJumpToFileEnd"},
    {"Brief", "Home Up", "ecCaretUp"},
    {"Brief", "Alt+A Down", "ecSelectDown"},
    {"Brief", "Alt+A Down Down", "ecSelectDown"},
    {"Brief", "Alt+A PgDn", "ecSelect+ecPageDown"},
    {"Brief", "Alt+A Esc", "ecClearSelection"},
    {"Brief", "Alt+C Left", "ecColumnSelectLeft"},
    {"Brief", "Alt+C PgUp", "ecColumnSelect+ecPageUp"},
    {"Brief", "Alt+L Home", "ecSelectLineBegin"},
    {"Brief", "Ctrl+O Ctrl+O", "ecToggleCaseBlock"},
    {"Brief", "Shift+F5", "ecSearchAgain"},
    {"Brief", "Shift+F6", "ecReplaceText"},
    {"Brief", "Ctrl+F5", "ecToggleCaseSensitive"},
    {"Brief", "Ctrl+F6", "ecToggleRegularExpr"},
    {"Brief", "Shift+Home", "ecSelect+ecRowBegin"},  // the selection group wins in state 0
    {"Brief", "Ctrl+PgUp", "ecJumpToFileBegin"},
    {"Epsilon", "Ctrl+W", "ecCutToClipboard"},
    {"Epsilon", "Alt+W", "ecCopyToClipboard"},
    {"Epsilon", "Ctrl+P", "ecCursorUp"},
    {"Epsilon", "Alt+C", "ecCapitalizeWord"},
    {"Epsilon", "Ctrl+Shift+5", "ecShowFindDialog"},
    {"Epsilon", "Ctrl+Shift+7", "ecShowReplaceDialog"},
    {"Epsilon", "Alt+Num-", "ecCaretToWindowTop"},
    {"Epsilon", "Home", "ecCaretToWindowTop"},
    {"Epsilon", "Ctrl+F10", "ecRedo"},
    {"Epsilon", "Ctrl+X Ctrl+G", "ecGotoLine"},
    {"Epsilon", "Ctrl+X Ctrl+Tab", "ecIndentBlock"},
    {"Epsilon", "Ctrl+X Ctrl+0", "ecNone"},
    {"Epsilon", "Ctrl+K 4", "ecToggleBookmark4"},
    {"Epsilon", "Ctrl+Q Ctrl+Shift+4", "ecToggleBookmark4"},
    {"Visual Studio", "Ctrl+Q [", "ecMatchBracketForward"},
    {"Visual Studio", "Ctrl+Q Ctrl+]", "ecMatchBracketBackward"},
    {"Visual Studio", "Alt+[", "ecMatchBracketForward"},
    {"Visual Studio", "Alt+]", "ecMatchBracketBackward"},
    {"Visual Studio", "Ctrl+Q A", "ecShowReplaceDialog"},
    {"Visual Studio", "Ctrl+Q Y", "ecDeleteToLineEnd"},
    {"Visual Studio", "Ctrl+Q Ctrl+B", "ecJumpToBlockBegin"},
    {"Visual Studio", "Ctrl+K Ctrl+E", "ecLowerCaseWord"},  // the block group wins
    {"Visual Studio", "Ctrl+K 2", "ecToggleBookmark2"},
    {"Visual Studio", "Alt+G", "ecGotoLine"},
    {"Visual Studio", "Ctrl+T", "ecDeleteWordLeft"},
    {"Visual Studio", "Ctrl+H", "ecShowReplaceDialog"},
    {"Visual Studio", "Ctrl+I", "ecSearchAgain"},
    {"Visual Studio", "Alt+F3", "ecShowFindDialog"},
    {"Visual Studio", "Ctrl+PgUp", "ecCaretToWindowTop"},
    {"Visual Studio", "Ctrl+End", "ecJumpToFileEnd"},
};

TEST_F(KeysTest, EverySchemeBindsItsKeysAndSequences) {
  TKeyCommand last = ecNone;
  memo.OnCommand = [&](TCustomQSMemo&, TKeyCommand c, bool& handled) {
    last = c;
    handled = true;
  };
  memo.SetWantTabs(true);  // as in the main window, so Ctrl+Tab is its own key
  for (const SchemeCase& c : kSchemeCases) {
    memo.SetKeyMapping(FromUtf8(c.scheme));
    ASSERT_EQ(memo.KeyState(), 0) << c.scheme << ": " << c.keys;
    const std::vector<Stroke> strokes = ParseStrokes(c.keys);
    for (std::size_t i = 0; i < strokes.size(); ++i) {
      last = ecNone;
      memo.KeyDown(strokes[i].key, strokes[i].shift);
      memo.KeyUp();
    }
    EXPECT_EQ(MemoCommandName(last), c.command) << c.scheme << ": " << c.keys;
    Press("Esc");  // end a marking mode the case left open
    Press("Esc");
  }
}

TEST_F(KeysTest, TheRegistryListsTheFiveSchemesAndAnUnknownNameGivesDefault) {
  EXPECT_EQ(TKeyMappingRegistry::Instance().Names(kMemoKeyboardClass),
            (std::vector<String>{U"Default", U"Classic", U"Brief", U"Epsilon", U"Visual Studio"}));
  TKeyCommand last = ecNone;
  memo.OnCommand = [&](TCustomQSMemo&, TKeyCommand c, bool& handled) {
    last = c;
    handled = true;
  };
  memo.SetKeyMapping(U"Brief");
  memo.SetKeyMapping(U"No such scheme");
  EXPECT_EQ(memo.KeyMapping(), U"No such scheme");
  Press("Ctrl+K B");
  EXPECT_EQ(last, ecMarkBlockBegin);
  memo.SetKeyMapping(U"visual studio");  // names compare as stored
  Press("Alt+[");
  EXPECT_NE(last, ecMatchBracketForward);
}

TEST_F(KeysTest, ASchemeRegisteredLaterIsFoundAndTheBracketKeyFollowsTheLayout) {
  TKeyMappingRegistry& registry = TKeyMappingRegistry::Instance();
  RegisterKeyMapping(kMemoKeyboardClass, U"Mine",
                     [](TKeyList& keys) { keys.AddKey('M', ssCtrl, ecSelectAll); });
  // A layout where "[" needs Shift: the binding must not fire on the plain key.
  registry.SetCharToKey([](Char c) -> std::uint16_t { return c == U'[' ? 0x1DB : 0xFFFF; });
  TKeyCommand last = ecNone;
  memo.OnCommand = [&](TCustomQSMemo&, TKeyCommand c, bool& handled) {
    last = c;
    handled = true;
  };
  memo.SetKeyMapping(U"Mine");
  Press("Ctrl+M");
  EXPECT_EQ(last, ecSelectAll);
  memo.SetKeyMapping(U"Default");
  last = ecNone;
  Press("Ctrl+[");
  EXPECT_EQ(last, ecNone);
  registry.Reset();
  memo.ResetKeys();
  Press("Ctrl+[");
  EXPECT_EQ(last, ecMatchBracket);
  EXPECT_FALSE(registry.Find(kMemoKeyboardClass, U"Mine"));
}

// ---- Key sequences ---------------------------------------------------------

TEST_F(KeysTest, ModifierKeysAloneDoNotEndASequence) {
  SetText(U"one two\n");
  std::vector<TKeyCommand> run;
  memo.OnCommand = [&](TCustomQSMemo&, TKeyCommand c, bool&) { run.push_back(c); };
  memo.KeyDown('K', ssCtrl);
  // The user lets go of Ctrl and presses it again, with Shift and Alt too.
  EXPECT_FALSE(memo.KeyDown(vk::Control, ssCtrl));
  EXPECT_FALSE(memo.KeyDown(vk::Shift, ssShift));
  EXPECT_FALSE(memo.KeyDown(vk::Menu, ssAlt));
  EXPECT_EQ(memo.KeyState(), 1);
  EXPECT_TRUE(memo.KeyDown('B', 0));
  EXPECT_FALSE(memo.KeyPress(U'b'));
  EXPECT_EQ(run, std::vector<TKeyCommand>{ecMarkBlockBegin});
  EXPECT_EQ(memo.KeyState(), 0);
  EXPECT_EQ(Line(0), U"one two");
}

TEST_F(KeysTest, AnUnknownSecondStrokeEndsTheSequenceAndTypes) {
  SetText(U"ab\n");
  Press("Ctrl+K X");
  EXPECT_EQ(memo.KeyState(), 0);
  EXPECT_EQ(Line(0), U"xab");
  Press("Ctrl+K");
  EXPECT_FALSE(memo.KeyPress(U'q')) << "no typing while a sequence waits";
  Press("Ctrl+Home");
  EXPECT_EQ(memo.KeyState(), 0) << "an any-state binding ends the sequence";
  EXPECT_EQ(Caret(), (TPosition{0, 0}));
}

// A command may rebuild the key list (here by switching the scheme from an
// application command); the handler must go on from its own copy of the
// binding and start the new list in state 0.
TEST_F(KeysTest, ACommandThatRebuildsTheKeyListLeavesTheHandlerSound) {
  SetText(U"one\ntwo\nthree\n");
  memo.SetKeyMapping(U"Brief");
  memo.OnCommand = [&](TCustomQSMemo& m, TKeyCommand c, bool&) {
    if (c == ecBeginStreamSelection) m.SetKeyMapping(U"Default");
  };
  EXPECT_TRUE(memo.KeyDown('A', ssAlt));  // enters a marking mode under Brief
  EXPECT_EQ(memo.KeyState(), 0);
  Press("Down");
  EXPECT_EQ(Caret(), (TPosition{1, 0}));
  EXPECT_FALSE(memo.Source().HasSelection()) << "Default's Down only moves";

  memo.OnCommand = [&](TCustomQSMemo& m, TKeyCommand c, bool&) {
    if (c == ecSelectAll) m.KeyList().Clear();
  };
  EXPECT_TRUE(memo.KeyDown('A', ssCtrl));
  EXPECT_EQ(memo.KeyList().Count(), 0);
  EXPECT_FALSE(memo.KeyDown('A', ssCtrl));
  memo.ResetKeys();
  EXPECT_TRUE(memo.KeyDown('A', ssCtrl));
}

TEST_F(KeysTest, NoExceptionLeavesAKeyEvent) {
  SetText(U"text\n");
  memo.OnCommand = [](TCustomQSMemo&, TKeyCommand c, bool&) {
    if (c == ecUndo) throw Error("undo failed");
    if (c == ecRedo) throw std::runtime_error("redo failed");
    if (c == ecSelectAll) throw Abort();
  };
  EXPECT_TRUE(memo.KeyDown('Z', ssCtrl));
  EXPECT_TRUE(memo.KeyDown('Z', ssCtrl | ssShift));
  EXPECT_TRUE(memo.KeyDown('A', ssCtrl));
  EXPECT_EQ(errors, (std::vector<std::string>{"undo failed", "Internal error: redo failed"}));
  EXPECT_EQ(memo.KeyState(), 0);

  // A highlighter that fails while a typed character is parsed.
  testing::KindParser parser;
  memo.SetSyntaxParser(&parser);
  memo.Source().ParseLines(0, 0, true);
  parser.throwOnParse = true;
  memo.KeyUp();
  memo.KeyPress(U'x');
  EXPECT_EQ(errors.back(), "Internal error: parser failure");
  memo.SetSyntaxParser(nullptr);
}

TEST_F(KeysTest, GotoLineAsksForTheLineAndReportsABadAnswer) {
  HeadlessPlatform platform;
  PlatformInstallation installed(platform);
  String text;
  for (int i = 0; i < 60; ++i) text += U"line\n";
  SetText(text);
  platform.dialogs.AnswerInput(U"40");
  Press("Ctrl+O Ctrl+G");
  ASSERT_EQ(platform.dialogs.Prompts().size(), 1u);
  EXPECT_EQ(platform.dialogs.Prompts()[0].caption, U"Go to line Number");
  EXPECT_EQ(platform.dialogs.Prompts()[0].value, U"1");
  EXPECT_EQ(Caret(), (TPosition{39, 0}));
  EXPECT_EQ(memo.TopLine(), 39 - memo.VisibleRows() / 2) << "the line is centred";

  platform.dialogs.AnswerInput(U"abc");
  Press("Ctrl+O Ctrl+G");
  EXPECT_EQ(Caret(), (TPosition{39, 0}));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("is not a line number"), std::string::npos);
}

// ---- Dialog keys -----------------------------------------------------------

TEST_F(KeysTest, TabAndEnterGoToTheDialogUnlessWantedOrWithCtrl) {
  SetText(U"ab\n");
  memo.Source().SetCaretPos(1, 0);
  memo.SetWantTabs(false);
  memo.SetWantReturns(false);
  EXPECT_FALSE(memo.WantsKey(vk::Tab, 0));
  EXPECT_FALSE(memo.KeyDown(vk::Tab, 0));
  EXPECT_FALSE(memo.KeyDown(vk::Return, 0));
  EXPECT_EQ(Line(0), U"ab");
  EXPECT_TRUE(memo.KeyDown(vk::Return, ssCtrl)) << "Ctrl+Enter is a plain Enter";
  EXPECT_EQ(Line(0), U"a");
  EXPECT_EQ(Line(1), U"b");
  EXPECT_TRUE(memo.KeyDown(vk::Tab, ssCtrl)) << "Ctrl+Tab is a plain Tab";
  EXPECT_NE(Line(1), U"b");
  memo.SetWantTabs(true);
  EXPECT_TRUE(memo.WantsKey(vk::Tab, 0));
}

// ---- Typing, caret and selection -------------------------------------------

TEST_F(KeysTest, TypingCaretKeysAndShiftSelection) {
  Type(U"Hello world");
  EXPECT_EQ(Line(0), U"Hello world");
  EXPECT_EQ(Caret(), (TPosition{0, 11}));
  Press("Enter");
  Type(U"second");
  EXPECT_EQ(Line(1), U"second");
  Press("Up Home");
  EXPECT_EQ(Caret(), (TPosition{0, 0}));
  Press("Shift+Right Shift+Right Shift+Right Shift+Right Shift+Right");
  EXPECT_EQ(memo.Source().BlockBegin(), (TPosition{0, 0}));
  EXPECT_EQ(memo.Source().BlockEnd(), (TPosition{0, 5}));
  Press("Shift+Down");
  EXPECT_EQ(memo.Source().BlockEnd(), (TPosition{1, 5}));
  Press("Shift+Home");
  EXPECT_EQ(memo.Source().BlockEnd(), (TPosition{1, 0}));
  Press("Right");
  EXPECT_FALSE(memo.Source().HasSelection());
  Press("End BkSp");
  EXPECT_EQ(Line(1), U"secon");
  Press("Ctrl+Z");
  EXPECT_EQ(Line(1), U"second");
  Press("Ctrl+Home Shift+End Del");
  EXPECT_EQ(Line(0), U"");
}

// Every caret key moves the caret and, as blocks do not persist by default,
// drops a selection made before it, so the next typed character goes where
// the caret went instead of replacing the selection.
TEST_F(KeysTest, CaretKeysDropASelectionAndMove) {
  struct Row {
    const char* key;
    TPosition caret;  // without a selection, from (0, 3) of "line one" / "line two"
  } rows[] = {
      {"Ctrl+End", {1, 8}},   {"Ctrl+Home", {0, 0}}, {"PgDn", {1, 3}},  {"PgUp", {0, 3}},
      {"Ctrl+Right", {0, 5}}, {"Ctrl+Left", {0, 0}}, {"End", {0, 8}},   {"Home", {0, 0}},
      {"Down", {1, 3}},       {"Up", {0, 3}},        {"Right", {0, 4}}, {"Left", {0, 2}},
  };
  for (const Row& row : rows) {
    for (const std::string select : {"", "Ctrl+A", "Shift+Down"}) {
      SCOPED_TRACE(std::string(row.key) + " after \"" + select + "\"");
      memo.Source().LoadFromText(U"line one\nline two");
      memo.Source().SetCaretPos(3, 0);
      if (!select.empty()) Press(select);
      EXPECT_EQ(memo.Source().HasSelection(), !select.empty());
      Press(row.key);
      EXPECT_FALSE(memo.Source().HasSelection());
      if (select.empty()) EXPECT_EQ(Caret(), row.caret);
      Type(U"X");  // goes in at the caret, replacing nothing
      ASSERT_EQ(memo.Source().LineCount(), 2);
      String kept = Line(0) + Line(1);  // all but the X and the blanks a caret past the end adds
      std::erase_if(kept, [](Char c) { return c == U'X' || c == U' '; });
      EXPECT_EQ(kept, U"lineonelinetwo");
    }
  }
}

// A character the document would refuse is not claimed as typed either, so
// the key event goes on to the parent instead of vanishing.
TEST_F(KeysTest, OnlyPrintableCodePointsAreTakenAsTyping) {
  SetText(U"ab\n");
  for (const Char c : {Char{0x7F}, Char{0x85}, Char{0xD800}, Char{0xDFFF}, Char{0x110000}})
    EXPECT_FALSE(memo.KeyPress(c)) << std::hex << static_cast<unsigned>(c);
  EXPECT_EQ(Line(0), U"ab");
  EXPECT_TRUE(memo.KeyPress(U'\U0001F600'));
  EXPECT_EQ(Line(0), U"\U0001F600ab");
}

TEST_F(KeysTest, ColumnSelectionFollowsShiftAltKeys) {
  SetText(U"abcd\nefgh\nijkl\n");
  memo.Source().SetCaretPos(1, 0);
  Press("Shift+Alt+Down Shift+Alt+Right Shift+Alt+Right");
  EXPECT_EQ(memo.Source().SelectionType(), stBlockSel);
  EXPECT_EQ(memo.Source().BlockBegin(), (TPosition{0, 1}));
  EXPECT_EQ(memo.Source().BlockEnd(), (TPosition{1, 3}));
}

TEST_F(KeysTest, PageKeysMoveViewAndCaretAndSelectWithShift) {
  String text;
  for (int i = 0; i < 100; ++i) text += U"row\n";
  SetText(text);
  const int page = memo.VisibleRows();
  ASSERT_GT(page, 1);
  Press("PgDn");
  EXPECT_EQ(Caret().Line, page);
  EXPECT_EQ(memo.TopLine(), page);
  Press("Ctrl+PgDn");
  EXPECT_EQ(Caret().Line, page + page) << "the last fully visible row";
  Press("Ctrl+PgUp");
  EXPECT_EQ(Caret().Line, page);
  Press("Shift+PgDn");
  EXPECT_EQ(memo.Source().BlockBegin(), (TPosition{page, 0}));
  EXPECT_EQ(memo.Source().BlockEnd(), (TPosition{2 * page, 0}));
  Press("Shift+PgUp Shift+PgUp");
  EXPECT_EQ(memo.Source().BlockBegin(), (TPosition{0, 0}));
  EXPECT_EQ(memo.Source().BlockEnd(), (TPosition{page, 0}));
  Press("Ctrl+Down");
  EXPECT_EQ(memo.TopLine(), 1) << "the view scrolls";
  EXPECT_EQ(Caret().Line, 0) << "the caret stays";
}

// Each move of the control runs plain and, from the same place to the same
// place, with a stream or a column selection following; a command that is no
// move does nothing when combined with the selecting bits.
TEST_F(KeysTest, MoveCommandsRunPlainAndWithEitherSelectionFollowing) {
  String text;
  for (int i = 0; i < 60; ++i) text += U"a line of text\n";
  SetText(text);
  const int page = memo.VisibleRows();
  constexpr int top = 20;
  constexpr TPosition start{25, 6};
  struct Case {
    TKeyCommand command;
    TPosition to;
  };
  const Case cases[] = {
      {ecRowBegin, {25, 0}},
      {ecRowEnd, {25, 14}},
      {ecCaretUp, {24, 6}},
      {ecCaretDown, {26, 6}},
      {ecCaretLeft, {25, 5}},
      {ecPageUp, {25 - page, 6}},
      {ecPageDown, {25 + page, 6}},
      {ecCaretToWindowTop, {top, 6}},
      {ecCaretToWindowBottom, {top + page, 6}},
  };
  const std::pair<TKeyCommand, TSelectionType> forms[] = {
      {0, stNotSelected}, {ecSelect, stStreamSel}, {ecColumnSelect, stBlockSel}};
  for (const Case& c : cases) {
    for (const auto& [bits, mode] : forms) {
      SCOPED_TRACE(MemoCommandName(static_cast<TKeyCommand>(bits | c.command)));
      memo.Source().ClearSelection();
      memo.SetTopLine(top);
      memo.Source().SetCaretPos(start.Column, start.Line);
      memo.ExecuteCommand(static_cast<TKeyCommand>(bits | c.command));
      EXPECT_EQ(Caret(), c.to);
      EXPECT_EQ(memo.Source().SelectionType(), mode);
    }
  }

  memo.Source().ClearSelection();
  memo.Source().SetCaretPos(3, 1);
  memo.Source().TypeChar(U'x');
  for (const TKeyCommand other : {TKeyCommand{ecUndo}, GotoBookmarkCommand(1)}) {
    memo.ExecuteCommand(Selecting(other));
    EXPECT_EQ(Line(1), U"a lxine of text") << MemoCommandName(Selecting(other));
    EXPECT_EQ(Caret(), (TPosition{1, 4}));
    EXPECT_FALSE(memo.Source().HasSelection());
  }
}

TEST_F(KeysTest, NotepadStyleLeftAtColumnZeroGoesToThePreviousLineEnd) {
  SetText(U"0\n1\n2\n3\nfour\nfive\n");
  memo.SetOptions(memo.Options() | SetBit(moNotePadCursorStyle));
  memo.Source().SetCaretPos(0, 5);
  Press("Left");
  EXPECT_EQ(Caret(), (TPosition{4, 4}));
  memo.Source().SetCaretPos(0, 5);
  Press("Shift+Left");
  EXPECT_EQ(memo.Source().BlockBegin(), (TPosition{4, 4}));
  EXPECT_EQ(memo.Source().BlockEnd(), (TPosition{5, 0}));
  memo.SetOptions(memo.Options() & ~SetBit(moNotePadCursorStyle));
  memo.Source().ClearSelection();
  memo.Source().SetCaretPos(0, 5);
  Press("Left");
  EXPECT_EQ(Caret(), (TPosition{5, 0}));
}

TEST_F(KeysTest, BriefMarkingModeAndHomeTwice) {
  SetText(U"first line\nsecond line\n");
  memo.SetKeyMapping(U"Brief");
  memo.Source().SetCaretPos(3, 1);
  Press("Home");
  EXPECT_EQ(Caret(), (TPosition{1, 0}));
  Press("Home");
  EXPECT_EQ(Caret(), (TPosition{0, 0}));
  Press("Alt+A Right Right Down");
  EXPECT_EQ(memo.KeyState(), 6);
  EXPECT_EQ(memo.Source().BlockBegin(), (TPosition{0, 0}));
  EXPECT_EQ(memo.Source().BlockEnd(), (TPosition{1, 2}));
  Press("Esc");
  EXPECT_EQ(memo.KeyState(), 0);
  EXPECT_FALSE(memo.Source().HasSelection());
}

TEST_F(KeysTest, BookmarksThroughTwoStrokes) {
  SetText(U"a\nb\nc\nd\n");
  memo.Source().SetCaretPos(0, 2);
  Press("Ctrl+K 3");
  memo.Source().SetCaretPos(0, 0);
  Press("Ctrl+Q 3");
  EXPECT_EQ(Caret(), (TPosition{2, 0}));
  Press("Ctrl+Home Ctrl+3");
  EXPECT_EQ(Caret(), (TPosition{2, 0}));
}

TEST_F(KeysTest, MatchBracketForwardAndBackwardStartOnlyFromTheirOwnBrackets) {
  SetText(U"f(a[1]) x\n");
  memo.SetKeyMapping(U"Visual Studio");
  memo.Source().SetCaretPos(1, 0);
  Press("Alt+]");
  EXPECT_EQ(Caret(), (TPosition{0, 1})) << "not a closing bracket";
  Press("Alt+[");
  EXPECT_EQ(Caret().Column, 6);
  Press("Ctrl+Q ]");
  EXPECT_EQ(Caret().Column, 1);
  memo.Source().SetCaretPos(8, 0);
  Press("Ctrl+Q [");
  EXPECT_EQ(Caret().Column, 8);
}

TEST_F(KeysTest, HiddenCaretKeysScrollTheView) {
  String text;
  for (int i = 0; i < 50; ++i) text += U"a long line of text that goes past the window edge\n";
  SetText(text);
  memo.SetHideCaret(true);
  Press("Down Down Right");
  EXPECT_EQ(memo.TopLine(), 2);
  EXPECT_EQ(memo.LeftChar(), 1);
  EXPECT_EQ(Caret(), (TPosition{0, 0}));
  Press("Home");
  EXPECT_EQ(memo.LeftChar(), 0);
}

}  // namespace
}  // namespace qs
