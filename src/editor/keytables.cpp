// The built-in key-mapping schemes as tables. Each scheme lists its own rows
// and then the shared groups in its order; a later row overrides an earlier
// one for the same key, shift and state, because lookups start at the end.
#include <span>

#include "editor/keymappings.h"
#include "editor/memocommands.h"
#include "platform/keys.h"

namespace qs {

namespace {

// Key states of the two-stroke and marking sequences.
constexpr std::uint8_t kCtrlK = 1;
constexpr std::uint8_t kCtrlQ = 2;
constexpr std::uint8_t kAltJ = 3;
constexpr std::uint8_t kCtrlX = 4;
constexpr std::uint8_t kCtrlO = 5;
constexpr std::uint8_t kStreamMarking = 6;
constexpr std::uint8_t kColumnMarking = 7;
constexpr std::uint8_t kAfterHomeEnd = 8;

constexpr TShiftState N = 0;
constexpr TShiftState S = ssShift;
constexpr TShiftState A = ssAlt;
constexpr TShiftState C = ssCtrl;
constexpr TShiftState CS = ssCtrl | ssShift;
constexpr TShiftState SA = ssShift | ssAlt;
constexpr TShiftState CA = ssCtrl | ssAlt;
constexpr TShiftState CSA = ssCtrl | ssShift | ssAlt;
// A second stroke that works with or without Ctrl: registered both ways.
constexpr TShiftState kEitherCtrl = 0x80;
constexpr TShiftState E = kEitherCtrl;

// A key code standing for the layout's "[" or "]" key, resolved when the
// table is built.
constexpr TKey kOpenBracketKey = 0xF001;
constexpr TKey kCloseBracketKey = 0xF002;

struct KeyRow {
  TKey key;
  TShiftState shift;
  std::uint8_t required;
  std::uint8_t next;
  TKeyCommand command;
};

// State 0 back to 0.
constexpr KeyRow K(TKey key, TShiftState shift, TKeyCommand command) {
  return {key, shift, 0, 0, command};
}
// Any state back to 0.
constexpr KeyRow Any(TKey key, TShiftState shift, TKeyCommand command) {
  return {key, shift, kAnyKeyState, 0, command};
}
// In state, then next.
constexpr KeyRow In(std::uint8_t state, TKey key, TShiftState shift, TKeyCommand command,
                    std::uint8_t next = 0) {
  return {key, shift, state, next, command};
}
// The first stroke of a sequence.
constexpr KeyRow Prefix(TKey key, TShiftState shift, std::uint8_t next) {
  return {key, shift, 0, next, ecNone};
}

TKey ResolveKey(TKey key) {
  const TKeyMappingRegistry& registry = TKeyMappingRegistry::Instance();
  // Stored whole, shift bits included, so a layout that needs Shift for the
  // character gives a code no key event carries.
  if (key == kOpenBracketKey) return registry.CharToKey(U'[');
  if (key == kCloseBracketKey) return registry.CharToKey(U']');
  return key;
}

void AddRows(TKeyList& keys, std::span<const KeyRow> rows) {
  for (const KeyRow& r : rows) {
    const TKey key = ResolveKey(r.key);
    if ((r.shift & kEitherCtrl) != 0) {
      const auto shift = static_cast<TShiftState>(r.shift & ~kEitherCtrl);
      keys.AddBinding(key, shift, r.required, r.next, r.command);
      keys.AddBinding(key, shift | ssCtrl, r.required, r.next, r.command);
    } else {
      keys.AddBinding(key, r.shift, r.required, r.next, r.command);
    }
  }
}

// Digit d types bookmark d, and 0 bookmark 10.
int BookmarkOfDigit(int digit) {
  return digit == 0 ? 10 : digit;
}

TKey DigitKey(int digit) {
  return static_cast<TKey>(U'0' + digit);
}

constexpr KeyRow kCommonKeys[] = {
    K(vk::Delete, S, ecCutToClipboard),
    K(vk::Insert, C, ecCopyToClipboard),
    K(vk::Insert, S, ecPasteFromClipboard),
    K(vk::Delete, C, ecDeleteBlock),
    Any(vk::Home, N, ecRowBegin),
    Any(vk::End, N, ecRowEnd),
    K(vk::Back, C, ecDeleteWordLeft),
    K(vk::Back, A, ecUndo),
    K(vk::Back, SA, ecRedo),
    K(vk::Insert, N, ecToggleInsertMode),
    K('A', C, ecSelectAll),
    K('G', CS, ecInsertGUID),
    Prefix('Q', C, kCtrlQ),
    In(kCtrlQ, 'A', C, ecShowReplaceDialog),
    In(kCtrlQ, 'F', C, ecShowFindDialog),
    In(kCtrlQ, 'Y', C, ecDeleteToLineEnd),
    Prefix('O', C, kCtrlO),
    In(kCtrlO, 'G', C, ecGotoLine),
    In(kCtrlO, 'U', C, ecToggleCaseBlock),
    In(kCtrlO, 'L', C, ecMarkLine),
    K('Q', CA, ecQuoteBlock),
    K(kOpenBracketKey, C, ecMatchBracket),
};

constexpr KeyRow kCaretKeys[] = {
    Any(vk::Up, N, ecCaretUp),       Any(vk::Down, N, ecCaretDown),
    Any(vk::Left, N, ecCaretLeft),   Any(vk::Right, N, ecCaretRight),
    Any(vk::Prior, N, ecPageUp),     Any(vk::Next, N, ecPageDown),
    K(vk::Delete, N, ecDeleteChar),  K(vk::Back, N, ecBackSpace),
    K(vk::Back, S, ecBackSpace),     K(vk::Return, N, ecNewLine),
    K(vk::Return, S, ecNewLine),     K(vk::Escape, N, ecCancelMouseAction),
    K(vk::Tab, N, ecInsertTab),      K(vk::Tab, S, ecBackTab),
    K(vk::Left, C, ecWordLeft),      K(vk::Right, C, ecWordRight),
    K('J', C, ecInsertCodeTemplate),
};

constexpr KeyRow kSelectionKeys[] = {
    K(vk::Up, S, Selecting(ecCaretUp)),
    K(vk::Down, S, Selecting(ecCaretDown)),
    K(vk::Left, S, Selecting(ecCaretLeft)),
    K(vk::Right, S, ecSelectRight),
    K(vk::Home, S, Selecting(ecRowBegin)),
    K(vk::End, S, Selecting(ecRowEnd)),
    K(vk::Prior, S, Selecting(ecPageUp)),
    K(vk::Next, S, Selecting(ecPageDown)),
    K(vk::Prior, CS, Selecting(ecCaretToWindowTop)),
    K(vk::Next, CS, Selecting(ecCaretToWindowBottom)),
    K(vk::Home, CS, ecSelectFileBegin),
    K(vk::End, CS, ecSelectFileEnd),
    K(vk::Left, CS, ecSelectWordLeft),
    K(vk::Right, CS, ecSelectWordRight),
    K(vk::Up, SA, ecColumnSelectUp),
    K(vk::Down, SA, ecColumnSelectDown),
    K(vk::Left, SA, ecColumnSelectLeft),
    K(vk::Right, SA, ecColumnSelectRight),
    K(vk::Home, SA, ecColumnSelectLineBegin),
    K(vk::End, SA, ecColumnSelectLineEnd),
    K(vk::Prior, SA, ColumnSelecting(ecPageUp)),
    K(vk::Next, SA, ColumnSelecting(ecPageDown)),
    K(vk::Home, CSA, ColumnSelecting(ecCaretToWindowTop)),
    K(vk::End, CSA, ColumnSelecting(ecCaretToWindowBottom)),
    K(vk::Prior, CSA, ecColumnSelectFileBegin),
    K(vk::Next, CSA, ecColumnSelectFileEnd),
    K(vk::Left, CSA, ecColumnSelectWordLeft),
    K(vk::Right, CSA, ecColumnSelectWordRight),
};

constexpr KeyRow kBlockKeys[] = {
    Prefix('K', C, kCtrlK),
    Prefix('Q', C, kCtrlQ),
    In(kCtrlK, 'B', E, ecMarkBlockBegin),
    In(kCtrlK, 'K', E, ecMarkBlockEnd),
    In(kCtrlK, 'C', E, ecCopyBlock),
    In(kCtrlK, 'V', E, ecMoveBlock),
    In(kCtrlK, 'Y', E, ecDeleteBlock),
    In(kCtrlK, 'I', E, ecIndentBlock),
    In(kCtrlK, 'U', E, ecUnindentBlock),
    In(kCtrlK, 'L', E, ecMarkLine),
    In(kCtrlK, 'T', E, ecMarkWord),
    In(kCtrlK, 'N', E, ecUpperCaseBlock),
    In(kCtrlK, 'O', E, ecLowerCaseBlock),
    In(kCtrlK, 'E', E, ecLowerCaseWord),
    In(kCtrlK, 'F', E, ecUpperCaseWord),
};

constexpr KeyRow kQuickKeys[] = {
    Prefix('Q', C, kCtrlQ),
    In(kCtrlQ, 'B', C, ecJumpToBlockBegin),
    In(kCtrlQ, 'K', C, ecJumpToBlockEnd),
    In(kCtrlQ, 'R', C, ecJumpToFileBegin),
    In(kCtrlQ, 'C', C, ecJumpToFileEnd),
    In(kCtrlQ, 'S', C, ecRowBegin),
    In(kCtrlQ, 'D', C, ecRowEnd),
    In(kCtrlQ, 'E', C, ecCaretToWindowTop),
    In(kCtrlQ, 'T', C, ecCaretToWindowTop),
    In(kCtrlQ, 'U', C, ecCaretToWindowBottom),
    In(kCtrlQ, 'X', C, ecCaretToWindowBottom),
};

void AddCommonKeys(TKeyList& keys) {
  AddRows(keys, kCommonKeys);
}
void AddCaretKeys(TKeyList& keys) {
  AddRows(keys, kCaretKeys);
}
void AddSelectionKeys(TKeyList& keys) {
  AddRows(keys, kSelectionKeys);
}
void AddBlockKeys(TKeyList& keys) {
  AddRows(keys, kBlockKeys);
}
void AddQuickKeys(TKeyList& keys) {
  AddRows(keys, kQuickKeys);
}

void AddBookmarkKeys(TKeyList& keys) {
  keys.AddBinding('K', C, 0, kCtrlK, ecNone);
  keys.AddBinding('Q', C, 0, kCtrlQ, ecNone);
  for (int d = 0; d <= 9; ++d) {
    const TKey key = DigitKey(d);
    const int n = BookmarkOfDigit(d);
    keys.AddBinding(key, N, kCtrlK, 0, ToggleBookmarkCommand(n));
    keys.AddBinding(key, C, kCtrlK, 0, ToggleBookmarkCommand(n));
    keys.AddBinding(key, N, kCtrlQ, 0, GotoBookmarkCommand(n));
    keys.AddBinding(key, C, kCtrlQ, 0, GotoBookmarkCommand(n));
    keys.AddBinding(key, CS, kCtrlQ, 0, ToggleBookmarkCommand(n));
  }
}

// One binding per digit: shift+digit in state required runs command n.
void AddDigitRows(TKeyList& keys, TShiftState shift, std::uint8_t required,
                  TKeyCommand (*command)(int)) {
  for (int d = 0; d <= 9; ++d)
    keys.AddBinding(DigitKey(d), shift, required, 0, command(BookmarkOfDigit(d)));
}

constexpr KeyRow kDefaultRows[] = {
    K('X', C, ecCutToClipboard),
    K('C', C, ecCopyToClipboard),
    K('V', C, ecPasteFromClipboard),
    K(vk::F1 + 2, N, ecSearchAgain),
    K('E', C, ecSearchAgain),
    K('L', C, ecSearchAgain),
    K('F', C, ecShowFindDialog),
    K('R', C, ecShowReplaceDialog),
    Any(vk::Home, C, ecJumpToFileBegin),
    Any(vk::End, C, ecJumpToFileEnd),
    Any(vk::Prior, C, ecCaretToWindowTop),
    Any(vk::Next, C, ecCaretToWindowBottom),
    K(vk::Up, C, ecScrollLineUp),
    K(vk::Down, C, ecScrollLineDown),
    K('Z', C, ecUndo),
    K('Z', CS, ecRedo),
    K('A', C, ecSelectAll),
    K('Y', C, ecDeleteLine),
    K('Y', CS, ecDeleteToLineEnd),
    K('I', C, ecInsertTab),
    K('N', C, ecInsertLineBreak),
    K('T', C, ecDeleteWord),
    K('I', CS, ecIndentBlock),
    K('U', CS, ecUnindentBlock),
};

constexpr KeyRow kClassicRows[] = {
    K('A', C, ecWordLeft),
    K('F', C, ecWordRight),
    K('S', C, ecCursorLeft),
    K('D', C, ecCursorRight),
    K('E', C, ecCursorUp),
    K('Z', C, ecCursorUp),
    K('X', C, ecCursorDown),
    K('R', C, ecPageUp),
    K('W', C, ecPageDown),
    K('C', C, ecCaretToWindowBottom),
    K('G', C, ecDeleteChar),
    K('H', C, ecBackSpace),
    K(vk::Back, S, ecBackSpace),
    K('I', C, ecInsertTab),
    K('N', C, ecNewLine),
    K('T', C, ecDeleteWord),
    K('V', C, ecToggleInsertMode),
    K('Y', C, ecDeleteLine),
    K('L', C, ecSearchAgain),
    K('S', CS, ecSearchAgain),
    Any(vk::Home, C, ecCaretToWindowTop),
    Any(vk::End, C, ecCaretToWindowBottom),
    Any(vk::Prior, C, ecJumpToFileBegin),
    Any(vk::Next, C, ecJumpToFileEnd),
};

constexpr KeyRow kVisualStudioRows[] = {
    Prefix('K', C, kCtrlK),
    Prefix('Q', C, kCtrlQ),
    K(vk::Delete, S, ecCutToClipboard),
    K('X', C, ecCutToClipboard),
    K(vk::Insert, C, ecCopyToClipboard),
    K('C', C, ecCopyToClipboard),
    K(vk::Insert, S, ecPasteFromClipboard),
    K('V', C, ecPasteFromClipboard),
    K(vk::F1 + 2, N, ecSearchAgain),
    K('I', C, ecSearchAgain),
    K('F', C, ecShowFindDialog),
    K(vk::F1 + 2, A, ecShowFindDialog),
    K('H', C, ecShowReplaceDialog),
    K('G', A, ecGotoLine),
    K('L', C, ecDeleteLine),
    K('Y', C, ecDeleteLine),
    K('T', C, ecDeleteWordLeft),
    K(vk::Back, C, ecDeleteWordLeft),
    K('Y', CS, ecDeleteToLineEnd),
    K('Z', C, ecUndo),
    K(vk::Back, A, ecUndo),
    K('Z', CS, ecRedo),
    K(vk::Back, SA, ecRedo),
    In(kCtrlK, 'E', C, ecLowerCaseBlock),
    In(kCtrlK, 'F', C, ecUpperCaseBlock),
    In(kCtrlQ, 'A', N, ecShowReplaceDialog),
    In(kCtrlQ, 'F', N, ecShowFindDialog),
    In(kCtrlQ, 'Y', N, ecDeleteToLineEnd),
    In(kCtrlQ, kOpenBracketKey, E, ecMatchBracketForward),
    In(kCtrlQ, kCloseBracketKey, E, ecMatchBracketBackward),
    K(kOpenBracketKey, A, ecMatchBracketForward),
    K(kCloseBracketKey, A, ecMatchBracketBackward),
    K(vk::Insert, N, ecToggleInsertMode),
    K('I', CS, ecIndentBlock),
    K('U', CS, ecUnindentBlock),
    K(vk::Delete, C, ecDeleteBlock),
    Any(vk::Home, N, ecRowBegin),
    Any(vk::End, N, ecRowEnd),
    Any(vk::Home, C, ecJumpToFileBegin),
    Any(vk::End, C, ecJumpToFileEnd),
    Any(vk::Prior, C, ecCaretToWindowTop),
    Any(vk::Next, C, ecCaretToWindowBottom),
};

constexpr KeyRow kBriefRows[] = {
    K(vk::Subtract, N, ecCutToClipboard),
    K(vk::Add, N, ecCopyToClipboard),
    K(vk::Multiply, N, ecUndo),
    K(vk::Insert, N, ecPasteFromClipboard),
    K('A', C, ecSelectLineEnd),
    K('B', C, ecCaretToWindowBottom),
    K('C', C, ecCenterCaretLine),
    K('D', C, ecPageDown),
    K('E', C, ecPageUp),
    K('K', C, ecDeleteToLineBegin),
    K('M', C, ecNewLine),
    K('T', C, ecCaretToWindowTop),
    K('U', C, ecRedo),
    K(vk::Back, C, ecDeleteWordLeft),
    K(vk::Return, C, ecInsertLineBreak),
    K('D', A, ecDeleteLine),
    K('G', A, ecGotoLine),
    K('I', A, ecToggleInsertMode),
    K('K', A, ecDeleteToLineEnd),
    K('U', A, ecUndo),
    K(vk::Back, A, ecDeleteWordRight),
    Prefix('O', C, kCtrlO),
    In(kCtrlO, 'O', C, ecToggleCaseBlock),
    K(vk::F1 + 4, N, ecShowFindDialog),
    K(vk::F1 + 4, A, ecShowFindDialog),
    K('S', A, ecShowFindDialog),
    K(vk::F1 + 5, N, ecShowReplaceDialog),
    K(vk::F1 + 5, A, ecShowReplaceDialog),
    K('T', A, ecShowReplaceDialog),
    K(vk::F1 + 4, S, ecSearchAgain),
    K('S', C, ecSearchAgain),
    K(vk::F1 + 5, S, ecReplaceText),
    K(vk::F1 + 4, C, ecToggleCaseSensitive),
    K(vk::F1 + 5, C, ecToggleRegularExpr),
    Any(vk::Home, S, ecRowBegin),
    Any(vk::End, S, ecRowEnd),
    Any(vk::Home, C, ecCaretToWindowTop),
    Any(vk::End, C, ecCaretToWindowBottom),
    Any(vk::Prior, C, ecJumpToFileBegin),
    Any(vk::Next, C, ecJumpToFileEnd),
};

// Marking modes: a stroke enters a state in which the caret keys extend the
// selection until Esc.
constexpr KeyRow kBriefMarkingRows[] = {
    {'A', A, 0, kStreamMarking, ecBeginStreamSelection},
    {'L', A, 0, kStreamMarking, ecMarkLine},
    {'M', A, 0, kStreamMarking, ecSelectLineEnd},
    {'C', A, 0, kColumnMarking, ecBeginColumnSelection},
    In(kStreamMarking, vk::Up, N, ecSelectUp, kStreamMarking),
    In(kStreamMarking, vk::Down, N, ecSelectDown, kStreamMarking),
    In(kStreamMarking, vk::Left, N, ecSelectLeft, kStreamMarking),
    In(kStreamMarking, vk::Right, N, ecSelectRight, kStreamMarking),
    In(kStreamMarking, vk::Home, N, ecSelectLineBegin, kStreamMarking),
    In(kStreamMarking, vk::End, N, ecSelectLineEnd, kStreamMarking),
    In(kStreamMarking, vk::Prior, N, Selecting(ecPageUp), kStreamMarking),
    In(kStreamMarking, vk::Next, N, Selecting(ecPageDown), kStreamMarking),
    In(kColumnMarking, vk::Up, N, ecColumnSelectUp, kColumnMarking),
    In(kColumnMarking, vk::Down, N, ecColumnSelectDown, kColumnMarking),
    In(kColumnMarking, vk::Left, N, ecColumnSelectLeft, kColumnMarking),
    In(kColumnMarking, vk::Right, N, ecColumnSelectRight, kColumnMarking),
    In(kColumnMarking, vk::Home, N, ecColumnSelectLineBegin, kColumnMarking),
    In(kColumnMarking, vk::End, N, ecColumnSelectLineEnd, kColumnMarking),
    In(kColumnMarking, vk::Prior, N, ColumnSelecting(ecPageUp), kColumnMarking),
    In(kColumnMarking, vk::Next, N, ColumnSelecting(ecPageDown), kColumnMarking),
    In(kStreamMarking, vk::Escape, N, ecClearSelection),
    In(kColumnMarking, vk::Escape, N, ecClearSelection),
    {vk::Home, N, 0, kAfterHomeEnd, ecRowBegin},
    {vk::End, N, 0, kAfterHomeEnd, ecRowEnd},
    In(kAfterHomeEnd, vk::Home, N, ecJumpToFileBegin),
    In(kAfterHomeEnd, vk::End, N, ecJumpToFileEnd),
};

// Emptying the key list (Ctrl+X then Ctrl+0) and a binding to a key code no
// key produces are left out: the first strands the user without keyboard
// commands, the second can never fire.
constexpr KeyRow kEpsilonRows[] = {
    K('W', C, ecCutToClipboard),
    K('W', A, ecCopyToClipboard),
    K('Y', C, ecPasteFromClipboard),
    K('H', C, ecBackSpace),
    K('H', CA, ecDeleteWordLeft),
    K(vk::Back, A, ecDeleteWordLeft),
    K('D', C, ecDeleteChar),
    K('D', A, ecDeleteWordRight),
    K('C', A, ecCapitalizeWord),
    K('L', A, ecLowerCaseWord),
    K('U', A, ecUpperCaseWord),
    K('M', C, ecNewLine),
    K('O', C, ecInsertLineBreak),
    K('B', C, ecCursorLeft),
    K('F', C, ecCursorRight),
    K('B', A, ecWordLeft),
    K('F', A, ecWordRight),
    K('A', C, ecRowBegin),
    K('E', C, ecRowEnd),
    K('P', C, ecCursorUp),
    K('N', C, ecCursorDown),
    K('V', C, ecPageDown),
    K(vk::F1 + 5, C, ecPageDown),
    K(vk::F1 + 5, CS, ecPageDown),
    K('V', A, ecPageUp),
    K('Z', C, ecScrollLineUp),
    K('Z', A, ecScrollLineDown),
    K('S', CA, ecShowFindDialog),
    K('5', CS, ecShowFindDialog),
    K('R', CA, ecShowReplaceDialog),
    K('7', CS, ecShowReplaceDialog),
    K(vk::Home, N, ecCaretToWindowTop),
    K(vk::End, N, ecCaretToWindowBottom),
    K(vk::Home, C, ecJumpToFileBegin),
    K(vk::End, C, ecJumpToFileEnd),
    K(vk::Subtract, A, ecCaretToWindowTop),
    K(vk::F1 + 8, C, ecUndo),
    K(vk::F1 + 9, C, ecRedo),
    K(vk::Insert, N, ecToggleInsertMode),
    Prefix('X', C, kCtrlX),
    In(kCtrlX, 'G', C, ecGotoLine),
    In(kCtrlX, 'R', C, ecRedo),
    In(kCtrlX, 'U', C, ecUndo),
    In(kCtrlX, vk::Tab, C, ecIndentBlock),
};

}  // namespace

void DefaultKeyMapping(TKeyList& keys) {
  AddRows(keys, kDefaultRows);
  AddDigitRows(keys, C, 0, GotoBookmarkCommand);
  AddDigitRows(keys, CS, 0, ToggleBookmarkCommand);
  AddCommonKeys(keys);
  AddCaretKeys(keys);
  AddSelectionKeys(keys);
  AddBlockKeys(keys);
  AddBookmarkKeys(keys);
  AddQuickKeys(keys);
}

void ClassicKeyMapping(TKeyList& keys) {
  AddRows(keys, kClassicRows);
  AddCommonKeys(keys);
  AddCaretKeys(keys);
  AddSelectionKeys(keys);
  AddBlockKeys(keys);
  AddQuickKeys(keys);
  AddBookmarkKeys(keys);
}

void VisualStudioKeyMapping(TKeyList& keys) {
  AddRows(keys, kVisualStudioRows);
  AddCaretKeys(keys);
  AddSelectionKeys(keys);
  AddBlockKeys(keys);
  AddBookmarkKeys(keys);
  AddQuickKeys(keys);
}

void BriefKeyMapping(TKeyList& keys) {
  AddRows(keys, kBriefRows);
  AddDigitRows(keys, A, 0, ToggleBookmarkCommand);
  keys.AddBinding('J', A, 0, kAltJ, ecNone);
  AddDigitRows(keys, A, kAltJ, GotoBookmarkCommand);
  AddCaretKeys(keys);
  AddSelectionKeys(keys);
  AddRows(keys, kBriefMarkingRows);
}

void EpsilonKeyMapping(TKeyList& keys) {
  AddRows(keys, kEpsilonRows);
  AddCaretKeys(keys);
  AddSelectionKeys(keys);
  AddBookmarkKeys(keys);
}

}  // namespace qs
