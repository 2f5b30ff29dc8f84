// What the commands of key bindings do: one table gives every command its
// name and the member of the source or of the control that runs it. The
// view commands (centring, going to a line, bracket matching) are here; the
// caret and page moves have their own file.
#include <algorithm>
#include <optional>
#include <string_view>

#include "editor/memocommands.h"
#include "editor/qsmemo.h"

namespace qs {

namespace {

// How a row runs its command: extend is the selection mode of an ecSelect or
// ecColumnSelect combination, stNotSelected for the plain command.
using CommandRunner = void (*)(TCustomQSMemo& memo, TSelectionType extend);

template <auto Op>
void OnSource(TCustomQSMemo& memo, TSelectionType) {
  static_cast<void>((memo.Source().*Op)());
}

template <auto Op>
void OnControl(TCustomQSMemo& memo, TSelectionType) {
  (memo.*Op)();
}

template <auto Op>
void Moving(TCustomQSMemo& memo, TSelectionType extend) {
  (memo.*Op)(extend);
}

// The command also runs with the selection following the caret.
constexpr std::uint8_t kAlsoSelecting = 1;
// A caret move: run plain, it ends a selection that does not persist first,
// so what is typed next goes in where the caret went.
constexpr std::uint8_t kCaretMove = 2;

struct CommandInfo {
  TKeyCommand command;
  std::string_view name;
  CommandRunner run;  // nullptr: the command does nothing of its own
  std::uint8_t flags = 0;
};

using M = TCustomMemoSource;
using C = TCustomQSMemo;

constexpr CommandInfo kCommands[] = {
    {ecCopyToClipboard, "ecCopyToClipboard", OnControl<&C::CopyToClipboard>},
    {ecCutToClipboard, "ecCutToClipboard", OnControl<&C::CutToClipboard>},
    {ecPasteFromClipboard, "ecPasteFromClipboard", OnControl<&C::PasteFromClipboard>},
    {ecRowBegin, "ecRowBegin", Moving<&C::RowBegin>, kAlsoSelecting | kCaretMove},
    {ecRowEnd, "ecRowEnd", Moving<&C::RowEnd>, kAlsoSelecting | kCaretMove},
    {ecCaretUp, "ecCaretUp", Moving<&C::CaretUp>, kAlsoSelecting | kCaretMove},
    {ecCaretDown, "ecCaretDown", Moving<&C::CaretDown>, kAlsoSelecting | kCaretMove},
    {ecCaretLeft, "ecCaretLeft", Moving<&C::CaretLeft>, kAlsoSelecting | kCaretMove},
    {ecCaretRight, "ecCaretRight", OnControl<&C::CaretRight>, kCaretMove},
    {ecPageUp, "ecPageUp", Moving<&C::PageUp>, kAlsoSelecting | kCaretMove},
    {ecPageDown, "ecPageDown", Moving<&C::PageDown>, kAlsoSelecting | kCaretMove},
    {ecCaretToWindowTop, "ecCaretToWindowTop", Moving<&C::CaretToWindowTop>,
     kAlsoSelecting | kCaretMove},
    {ecCaretToWindowBottom, "ecCaretToWindowBottom", Moving<&C::CaretToWindowBottom>,
     kAlsoSelecting | kCaretMove},
    {ecScrollLineUp, "ecScrollLineUp", OnControl<&C::ScrollLineUp>},
    {ecScrollLineDown, "ecScrollLineDown", OnControl<&C::ScrollLineDown>},
    {ecCancelMouseAction, "ecCancelMouseAction", OnControl<&C::CancelMouseAction>},
    {ecGotoLine, "ecGotoLine", OnControl<&C::GotoLine>},
    {ecCenterCaretLine, "ecCenterCaretLine", OnControl<&C::CenterCaretLine>},
    // Answered through OnCommand until the control has template completion.
    {ecInsertCodeTemplate, "ecInsertCodeTemplate", nullptr},
    {ecMatchBracketForward, "ecMatchBracketForward", OnControl<&C::MatchBracketForward>},
    {ecMatchBracketBackward, "ecMatchBracketBackward", OnControl<&C::MatchBracketBackward>},
    {ecSearchAgain, "ecSearchAgain", OnSource<&M::SearchAgain>},
    {ecShowFindDialog, "ecShowFindDialog", OnSource<&M::ShowFindDialog>},
    {ecShowReplaceDialog, "ecShowReplaceDialog", OnSource<&M::ShowReplaceDialog>},
    {ecReplaceText, "ecReplaceText", OnSource<&M::ReplaceText>},
    {ecToggleCaseSensitive, "ecToggleCaseSensitive", OnSource<&M::ToggleCaseSensitive>},
    {ecToggleRegularExpr, "ecToggleRegularExpr", OnSource<&M::ToggleRegularExpr>},
    {ecJumpToFileBegin, "ecJumpToFileBegin", OnSource<&M::JumpToFileBegin>, kCaretMove},
    {ecJumpToFileEnd, "ecJumpToFileEnd", OnSource<&M::JumpToFileEnd>, kCaretMove},
    {ecJumpToBlockBegin, "ecJumpToBlockBegin", OnSource<&M::JumpToBlockBegin>},
    {ecJumpToBlockEnd, "ecJumpToBlockEnd", OnSource<&M::JumpToBlockEnd>},
    {ecUndo, "ecUndo", OnSource<&M::Undo>},
    {ecRedo, "ecRedo", OnSource<&M::Redo>},
    {ecSelectAll, "ecSelectAll", OnSource<&M::SelectAll>},
    {ecDeleteLine, "ecDeleteLine", OnSource<&M::DeleteLine>},
    {ecDeleteToLineBegin, "ecDeleteToLineBegin", OnSource<&M::DeleteToLineBegin>},
    {ecDeleteToLineEnd, "ecDeleteToLineEnd", OnSource<&M::DeleteToLineEnd>},
    {ecInsertTab, "ecInsertTab", OnSource<&M::InsertTab>},
    {ecBackTab, "ecBackTab", OnSource<&M::BackTab>},
    {ecInsertLineBreak, "ecInsertLineBreak", OnSource<&M::InsertLineBreak>},
    {ecDeleteWord, "ecDeleteWord", OnSource<&M::DeleteWord>},
    {ecDeleteWordLeft, "ecDeleteWordLeft", OnSource<&M::DeleteWordLeft>},
    {ecDeleteWordRight, "ecDeleteWordRight", OnSource<&M::DeleteWordRight>},
    {ecIndentBlock, "ecIndentBlock", OnSource<&M::IndentBlock>},
    {ecUnindentBlock, "ecUnindentBlock", OnSource<&M::UnindentBlock>},
    {ecDeleteBlock, "ecDeleteBlock", OnSource<&M::DeleteBlock>},
    {ecToggleInsertMode, "ecToggleInsertMode", OnSource<&M::ToggleInsertMode>},
    {ecInsertGUID, "ecInsertGUID", OnSource<&M::InsertGUID>},
    {ecMarkLine, "ecMarkLine", OnSource<&M::MarkLine>},
    {ecMarkWord, "ecMarkWord", OnSource<&M::MarkWord>},
    {ecMarkBlockBegin, "ecMarkBlockBegin", OnSource<&M::MarkBlockBegin>},
    {ecMarkBlockEnd, "ecMarkBlockEnd", OnSource<&M::MarkBlockEnd>},
    {ecToggleCaseBlock, "ecToggleCaseBlock", OnSource<&M::ToggleCaseBlock>},
    {ecQuoteBlock, "ecQuoteBlock", OnSource<&M::QuoteBlock>},
    {ecMatchBracket, "ecMatchBracket", OnSource<&M::MatchBracket>},
    {ecDeleteChar, "ecDeleteChar", OnSource<&M::DeleteChar>},
    {ecBackSpace, "ecBackSpace", OnSource<&M::BackSpace>},
    {ecNewLine, "ecNewLine", OnSource<&M::NewLine>},
    {ecWordLeft, "ecWordLeft", OnSource<&M::WordLeft>, kCaretMove},
    {ecWordRight, "ecWordRight", OnSource<&M::WordRight>, kCaretMove},
    {ecCursorLeft, "ecCursorLeft", OnSource<&M::CursorLeft>, kCaretMove},
    {ecCursorRight, "ecCursorRight", OnSource<&M::CursorRight>, kCaretMove},
    {ecCursorUp, "ecCursorUp", OnSource<&M::CursorUp>, kCaretMove},
    {ecCursorDown, "ecCursorDown", OnSource<&M::CursorDown>, kCaretMove},
    {ecSelectLeft, "ecSelectLeft", OnSource<&M::SelectLeft>},
    {ecSelectRight, "ecSelectRight", OnSource<&M::SelectRight>},
    {ecSelectUp, "ecSelectUp", OnSource<&M::SelectUp>},
    {ecSelectDown, "ecSelectDown", OnSource<&M::SelectDown>},
    {ecSelectLineBegin, "ecSelectLineBegin", OnSource<&M::SelectLineBegin>},
    {ecSelectLineEnd, "ecSelectLineEnd", OnSource<&M::SelectLineEnd>},
    {ecSelectFileBegin, "ecSelectFileBegin", OnSource<&M::SelectFileBegin>},
    {ecSelectFileEnd, "ecSelectFileEnd", OnSource<&M::SelectFileEnd>},
    {ecSelectWordLeft, "ecSelectWordLeft", OnSource<&M::SelectWordLeft>},
    {ecSelectWordRight, "ecSelectWordRight", OnSource<&M::SelectWordRight>},
    {ecColumnSelectUp, "ecColumnSelectUp", OnSource<&M::ColumnSelectUp>},
    {ecColumnSelectDown, "ecColumnSelectDown", OnSource<&M::ColumnSelectDown>},
    {ecColumnSelectLeft, "ecColumnSelectLeft", OnSource<&M::ColumnSelectLeft>},
    {ecColumnSelectRight, "ecColumnSelectRight", OnSource<&M::ColumnSelectRight>},
    {ecColumnSelectLineBegin, "ecColumnSelectLineBegin", OnSource<&M::ColumnSelectLineBegin>},
    {ecColumnSelectLineEnd, "ecColumnSelectLineEnd", OnSource<&M::ColumnSelectLineEnd>},
    {ecColumnSelectFileBegin, "ecColumnSelectFileBegin", OnSource<&M::ColumnSelectFileBegin>},
    {ecColumnSelectFileEnd, "ecColumnSelectFileEnd", OnSource<&M::ColumnSelectFileEnd>},
    {ecColumnSelectWordLeft, "ecColumnSelectWordLeft", OnSource<&M::ColumnSelectWordLeft>},
    {ecColumnSelectWordRight, "ecColumnSelectWordRight", OnSource<&M::ColumnSelectWordRight>},
    {ecBeginStreamSelection, "ecBeginStreamSelection", OnSource<&M::BeginStreamSelection>},
    {ecBeginColumnSelection, "ecBeginColumnSelection", OnSource<&M::BeginColumnSelection>},
    {ecClearSelection, "ecClearSelection", OnSource<&M::ClearSelection>},
    {ecCopyBlock, "ecCopyBlock", OnSource<&M::CopyBlock>},
    {ecMoveBlock, "ecMoveBlock", OnSource<&M::MoveBlock>},
    {ecUpperCaseBlock, "ecUpperCaseBlock", OnSource<&M::UpperCaseBlock>},
    {ecLowerCaseBlock, "ecLowerCaseBlock", OnSource<&M::LowerCaseBlock>},
    {ecUpperCaseWord, "ecUpperCaseWord", OnSource<&M::UpperCaseWord>},
    {ecLowerCaseWord, "ecLowerCaseWord", OnSource<&M::LowerCaseWord>},
    {ecCapitalizeWord, "ecCapitalizeWord", OnSource<&M::CapitalizeWord>},
};

const CommandInfo* FindCommand(TKeyCommand command) {
  for (const CommandInfo& c : kCommands)
    if (c.command == command) return &c;
  return nullptr;
}

// 1..10 for a bookmark command of the group starting at first, else 0.
int BookmarkNumber(TKeyCommand command, TKeyCommand first) {
  return command >= first && command < first + 10 ? command - first + 1 : 0;
}

// The character a bracket match would start from: the one selected
// character, or the one starting at the caret.
std::optional<Char> BracketCandidate(const TCustomMemoSource& s) {
  if (s.HasSelection() && s.BlockBegin().Line == s.BlockEnd().Line &&
      s.BlockBegin().Line < s.LineCount()) {
    const std::int32_t line = s.BlockBegin().Line;
    auto [from, to] = s.SelectedRange(line);
    to = std::min(to, s.LineLength(line));
    const StringView stored = s.StoredLine(line);
    if (to > from) {
      const std::int64_t first = s.TabRack().Locate(stored, from).index;
      const std::int64_t last = s.TabRack().Locate(stored, to - 1).index;
      if (first == last && first < static_cast<std::int64_t>(stored.size()))
        return stored[static_cast<std::size_t>(first)];
    }
  }
  const TPosition c = s.Caret();
  if (c.Line >= s.LineCount()) return std::nullopt;
  const StringView stored = s.StoredLine(c.Line);
  const TTabStops::Place place = s.TabRack().Locate(stored, c.Column);
  if (place.index >= static_cast<std::int64_t>(stored.size()) || place.start != c.Column)
    return std::nullopt;
  return stored[static_cast<std::size_t>(place.index)];
}

}  // namespace

std::string MemoCommandName(TKeyCommand command) {
  if (const int n = BookmarkNumber(command, ecGotoBookmark1))
    return "ecGotoBookmark" + std::to_string(n);
  if (const int n = BookmarkNumber(command, ecToggleBookmark1))
    return "ecToggleBookmark" + std::to_string(n);
  if ((command & ecSelectionMask) != 0 && command < ecUserFirst) {
    const char* prefix = (command & ecColumnSelect) != 0 ? "ecColumnSelect+" : "ecSelect+";
    return prefix + MemoCommandName(static_cast<TKeyCommand>(command & ~ecSelectionMask));
  }
  if (command == ecNone) return "ecNone";
  if (const CommandInfo* info = FindCommand(command)) return std::string(info->name);
  return std::to_string(command);
}

void TCustomQSMemo::ExecuteCommand(TKeyCommand command) {
  bool handled = false;
  if (OnCommand) OnCommand(*this, command, handled);
  if (handled || command == ecNone || command >= ecUserFirst) return;
  const auto base = static_cast<TKeyCommand>(command & ~ecSelectionMask);
  const bool selecting = base != command;
  if (const int n = selecting ? 0 : BookmarkNumber(command, ecGotoBookmark1)) {
    Source().GotoBookmark(n);
    return;
  }
  if (const int n = selecting ? 0 : BookmarkNumber(command, ecToggleBookmark1)) {
    Source().ToggleBookmark(n);
    return;
  }
  const CommandInfo* info = FindCommand(base);
  if (info == nullptr || info->run == nullptr || (selecting && (info->flags & kAlsoSelecting) == 0))
    return;
  const TSelectionType extend = !selecting                        ? stNotSelected
                                : (command & ecColumnSelect) != 0 ? stBlockSel
                                                                  : stStreamSel;
  if (!selecting && (info->flags & kCaretMove) != 0 && !Source().HasOption(soPersistentBlocks))
    Source().ClearSelection();
  info->run(*this, extend);
}

// ---- View commands ----------------------------------------------------------

void TCustomQSMemo::CenterCaretLine() {
  MakeCaretVisible();
  const std::int32_t row = Source().LineToRow(Source().CaretLine());
  const std::int32_t top = row - VisibleRows() / 2;
  SetTopLine(top < 1 ? 0 : top);
}

void TCustomQSMemo::GotoLine() {
  const TPosition before = Source().Caret();
  Source().ShowGotoLine();
  // A cancelled dialog leaves the view where it was.
  if (Source().Caret() != before) CenterCaretLine();
}

void TCustomQSMemo::MatchBracketFrom(bool opening) {
  static constexpr std::u32string_view kOpening = U"(<[{";
  static constexpr std::u32string_view kClosing = U")>]}";
  const std::optional<Char> c = BracketCandidate(Source());
  if (!c) return;
  if ((opening ? kOpening : kClosing).find(*c) == std::u32string_view::npos) return;
  Source().MatchBracket();
}

void TCustomQSMemo::MatchBracketForward() {
  MatchBracketFrom(true);
}

void TCustomQSMemo::MatchBracketBackward() {
  MatchBracketFrom(false);
}

}  // namespace qs
