// The commands a key binding of the editor control can run: operations of the
// text source and of the control, each a TKeyCommand value, so that key lists
// are plain data that can be stored and read back.
#pragma once

#include <string>

#include "support/keylist.h"

namespace qs {

enum TMemoCommand : TKeyCommand {
  ecNone = 0,

  // The control's own commands.
  ecCopyToClipboard = 1,
  ecCutToClipboard,
  ecPasteFromClipboard,
  ecRowBegin,
  ecRowEnd,
  ecCaretUp,
  ecCaretDown,
  ecCaretLeft,
  ecCaretRight,
  ecPageUp,
  ecPageDown,
  ecCaretToWindowTop,
  ecCaretToWindowBottom,
  ecScrollLineUp,
  ecScrollLineDown,
  ecCancelMouseAction,
  ecGotoLine,
  ecCenterCaretLine,
  ecInsertCodeTemplate,
  ecMatchBracketForward,
  ecMatchBracketBackward,

  // Operations of the text source.
  ecSearchAgain = 0x40,
  ecShowFindDialog,
  ecShowReplaceDialog,
  ecReplaceText,
  ecToggleCaseSensitive,
  ecToggleRegularExpr,
  ecJumpToFileBegin,
  ecJumpToFileEnd,
  ecJumpToBlockBegin,
  ecJumpToBlockEnd,
  ecUndo,
  ecRedo,
  ecSelectAll,
  ecDeleteLine,
  ecDeleteToLineBegin,
  ecDeleteToLineEnd,
  ecInsertTab,
  ecBackTab,
  ecInsertLineBreak,
  ecDeleteWord,
  ecDeleteWordLeft,
  ecDeleteWordRight,
  ecIndentBlock,
  ecUnindentBlock,
  ecDeleteBlock,
  ecToggleInsertMode,
  ecInsertGUID,
  ecMarkLine,
  ecMarkWord,
  ecMarkBlockBegin,
  ecMarkBlockEnd,
  ecToggleCaseBlock,
  ecQuoteBlock,
  ecMatchBracket,
  ecDeleteChar,
  ecBackSpace,
  ecNewLine,
  ecWordLeft,
  ecWordRight,
  ecCursorLeft,
  ecCursorRight,
  ecCursorUp,
  ecCursorDown,
  ecSelectLeft,
  ecSelectRight,
  ecSelectUp,
  ecSelectDown,
  ecSelectLineBegin,
  ecSelectLineEnd,
  ecSelectFileBegin,
  ecSelectFileEnd,
  ecSelectWordLeft,
  ecSelectWordRight,
  ecColumnSelectUp,
  ecColumnSelectDown,
  ecColumnSelectLeft,
  ecColumnSelectRight,
  ecColumnSelectLineBegin,
  ecColumnSelectLineEnd,
  ecColumnSelectFileBegin,
  ecColumnSelectFileEnd,
  ecColumnSelectWordLeft,
  ecColumnSelectWordRight,
  ecBeginStreamSelection,
  ecBeginColumnSelection,
  ecClearSelection,
  ecCopyBlock,
  ecMoveBlock,
  ecUpperCaseBlock,
  ecLowerCaseBlock,
  ecUpperCaseWord,
  ecLowerCaseWord,
  ecCapitalizeWord,

  // Bookmarks 1..10 are the ten values from each first one.
  ecGotoBookmark1 = 0x200,
  ecToggleBookmark1 = 0x210,

  // A control command run while the selection follows the caret: in stream
  // mode, or in column mode (ecColumnSelect + ecPageUp).
  ecSelect = 0x1000,
  ecColumnSelect = 0x2000,

  // From here on the commands are the application's, answered through
  // TCustomQSMemo::OnCommand.
  ecUserFirst = 0x8000,
};

inline constexpr TKeyCommand ecSelectionMask = ecSelect | ecColumnSelect;

constexpr TKeyCommand GotoBookmarkCommand(int n) {
  return static_cast<TKeyCommand>(ecGotoBookmark1 + n - 1);
}
constexpr TKeyCommand ToggleBookmarkCommand(int n) {
  return static_cast<TKeyCommand>(ecToggleBookmark1 + n - 1);
}
constexpr TKeyCommand Selecting(TKeyCommand command) {
  return static_cast<TKeyCommand>(ecSelect | command);
}
constexpr TKeyCommand ColumnSelecting(TKeyCommand command) {
  return static_cast<TKeyCommand>(ecColumnSelect | command);
}

// The command's name as code spells it ("ecUndo", "ecSelect+ecPageUp",
// "ecGotoBookmark10"); a number for values no command has.
std::string MemoCommandName(TKeyCommand command);

}  // namespace qs
