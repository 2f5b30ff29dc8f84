// What the commands of key bindings do: source operations by table, the
// control's own commands (caret rows, pages, the window's top and bottom,
// scrolling, centring, going to a line, bracket matching) by name.
#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "editor/memocommands.h"
#include "editor/qsmemo.h"

namespace qs {

namespace {

using SourceOp = void (*)(TCustomMemoSource&);

template <auto Op>
void Call(TCustomMemoSource& s) {
  static_cast<void>((s.*Op)());
}

struct CommandInfo {
  TKeyCommand command;
  std::string_view name;
  SourceOp sourceOp;  // nullptr: a command of the control
};

using M = TCustomMemoSource;

constexpr CommandInfo kCommands[] = {
    {ecCopyToClipboard, "ecCopyToClipboard", nullptr},
    {ecCutToClipboard, "ecCutToClipboard", nullptr},
    {ecPasteFromClipboard, "ecPasteFromClipboard", nullptr},
    {ecRowBegin, "ecRowBegin", nullptr},
    {ecRowEnd, "ecRowEnd", nullptr},
    {ecCaretUp, "ecCaretUp", nullptr},
    {ecCaretDown, "ecCaretDown", nullptr},
    {ecCaretLeft, "ecCaretLeft", nullptr},
    {ecCaretRight, "ecCaretRight", nullptr},
    {ecPageUp, "ecPageUp", nullptr},
    {ecPageDown, "ecPageDown", nullptr},
    {ecCaretToWindowTop, "ecCaretToWindowTop", nullptr},
    {ecCaretToWindowBottom, "ecCaretToWindowBottom", nullptr},
    {ecScrollLineUp, "ecScrollLineUp", nullptr},
    {ecScrollLineDown, "ecScrollLineDown", nullptr},
    {ecCancelMouseAction, "ecCancelMouseAction", nullptr},
    {ecGotoLine, "ecGotoLine", nullptr},
    {ecCenterCaretLine, "ecCenterCaretLine", nullptr},
    {ecInsertCodeTemplate, "ecInsertCodeTemplate", nullptr},
    {ecMatchBracketForward, "ecMatchBracketForward", nullptr},
    {ecMatchBracketBackward, "ecMatchBracketBackward", nullptr},
    {ecSearchAgain, "ecSearchAgain", Call<&M::SearchAgain>},
    {ecShowFindDialog, "ecShowFindDialog", Call<&M::ShowFindDialog>},
    {ecShowReplaceDialog, "ecShowReplaceDialog", Call<&M::ShowReplaceDialog>},
    {ecReplaceText, "ecReplaceText", Call<&M::ReplaceText>},
    {ecToggleCaseSensitive, "ecToggleCaseSensitive", Call<&M::ToggleCaseSensitive>},
    {ecToggleRegularExpr, "ecToggleRegularExpr", Call<&M::ToggleRegularExpr>},
    {ecJumpToFileBegin, "ecJumpToFileBegin", Call<&M::JumpToFileBegin>},
    {ecJumpToFileEnd, "ecJumpToFileEnd", Call<&M::JumpToFileEnd>},
    {ecJumpToBlockBegin, "ecJumpToBlockBegin", Call<&M::JumpToBlockBegin>},
    {ecJumpToBlockEnd, "ecJumpToBlockEnd", Call<&M::JumpToBlockEnd>},
    {ecUndo, "ecUndo", Call<&M::Undo>},
    {ecRedo, "ecRedo", Call<&M::Redo>},
    {ecSelectAll, "ecSelectAll", Call<&M::SelectAll>},
    {ecDeleteLine, "ecDeleteLine", Call<&M::DeleteLine>},
    {ecDeleteToLineBegin, "ecDeleteToLineBegin", Call<&M::DeleteToLineBegin>},
    {ecDeleteToLineEnd, "ecDeleteToLineEnd", Call<&M::DeleteToLineEnd>},
    {ecInsertTab, "ecInsertTab", Call<&M::InsertTab>},
    {ecBackTab, "ecBackTab", Call<&M::BackTab>},
    {ecInsertLineBreak, "ecInsertLineBreak", Call<&M::InsertLineBreak>},
    {ecDeleteWord, "ecDeleteWord", Call<&M::DeleteWord>},
    {ecDeleteWordLeft, "ecDeleteWordLeft", Call<&M::DeleteWordLeft>},
    {ecDeleteWordRight, "ecDeleteWordRight", Call<&M::DeleteWordRight>},
    {ecIndentBlock, "ecIndentBlock", Call<&M::IndentBlock>},
    {ecUnindentBlock, "ecUnindentBlock", Call<&M::UnindentBlock>},
    {ecDeleteBlock, "ecDeleteBlock", Call<&M::DeleteBlock>},
    {ecToggleInsertMode, "ecToggleInsertMode", Call<&M::ToggleInsertMode>},
    {ecInsertGUID, "ecInsertGUID", Call<&M::InsertGUID>},
    {ecMarkLine, "ecMarkLine", Call<&M::MarkLine>},
    {ecMarkWord, "ecMarkWord", Call<&M::MarkWord>},
    {ecMarkBlockBegin, "ecMarkBlockBegin", Call<&M::MarkBlockBegin>},
    {ecMarkBlockEnd, "ecMarkBlockEnd", Call<&M::MarkBlockEnd>},
    {ecToggleCaseBlock, "ecToggleCaseBlock", Call<&M::ToggleCaseBlock>},
    {ecQuoteBlock, "ecQuoteBlock", Call<&M::QuoteBlock>},
    {ecMatchBracket, "ecMatchBracket", Call<&M::MatchBracket>},
    {ecDeleteChar, "ecDeleteChar", Call<&M::DeleteChar>},
    {ecBackSpace, "ecBackSpace", Call<&M::BackSpace>},
    {ecNewLine, "ecNewLine", Call<&M::NewLine>},
    {ecWordLeft, "ecWordLeft", Call<&M::WordLeft>},
    {ecWordRight, "ecWordRight", Call<&M::WordRight>},
    {ecCursorLeft, "ecCursorLeft", Call<&M::CursorLeft>},
    {ecCursorRight, "ecCursorRight", Call<&M::CursorRight>},
    {ecCursorUp, "ecCursorUp", Call<&M::CursorUp>},
    {ecCursorDown, "ecCursorDown", Call<&M::CursorDown>},
    {ecSelectLeft, "ecSelectLeft", Call<&M::SelectLeft>},
    {ecSelectRight, "ecSelectRight", Call<&M::SelectRight>},
    {ecSelectUp, "ecSelectUp", Call<&M::SelectUp>},
    {ecSelectDown, "ecSelectDown", Call<&M::SelectDown>},
    {ecSelectLineBegin, "ecSelectLineBegin", Call<&M::SelectLineBegin>},
    {ecSelectLineEnd, "ecSelectLineEnd", Call<&M::SelectLineEnd>},
    {ecSelectFileBegin, "ecSelectFileBegin", Call<&M::SelectFileBegin>},
    {ecSelectFileEnd, "ecSelectFileEnd", Call<&M::SelectFileEnd>},
    {ecSelectWordLeft, "ecSelectWordLeft", Call<&M::SelectWordLeft>},
    {ecSelectWordRight, "ecSelectWordRight", Call<&M::SelectWordRight>},
    {ecColumnSelectUp, "ecColumnSelectUp", Call<&M::ColumnSelectUp>},
    {ecColumnSelectDown, "ecColumnSelectDown", Call<&M::ColumnSelectDown>},
    {ecColumnSelectLeft, "ecColumnSelectLeft", Call<&M::ColumnSelectLeft>},
    {ecColumnSelectRight, "ecColumnSelectRight", Call<&M::ColumnSelectRight>},
    {ecColumnSelectLineBegin, "ecColumnSelectLineBegin", Call<&M::ColumnSelectLineBegin>},
    {ecColumnSelectLineEnd, "ecColumnSelectLineEnd", Call<&M::ColumnSelectLineEnd>},
    {ecColumnSelectFileBegin, "ecColumnSelectFileBegin", Call<&M::ColumnSelectFileBegin>},
    {ecColumnSelectFileEnd, "ecColumnSelectFileEnd", Call<&M::ColumnSelectFileEnd>},
    {ecColumnSelectWordLeft, "ecColumnSelectWordLeft", Call<&M::ColumnSelectWordLeft>},
    {ecColumnSelectWordRight, "ecColumnSelectWordRight", Call<&M::ColumnSelectWordRight>},
    {ecBeginStreamSelection, "ecBeginStreamSelection", Call<&M::BeginStreamSelection>},
    {ecBeginColumnSelection, "ecBeginColumnSelection", Call<&M::BeginColumnSelection>},
    {ecClearSelection, "ecClearSelection", Call<&M::ClearSelection>},
    {ecCopyBlock, "ecCopyBlock", Call<&M::CopyBlock>},
    {ecMoveBlock, "ecMoveBlock", Call<&M::MoveBlock>},
    {ecUpperCaseBlock, "ecUpperCaseBlock", Call<&M::UpperCaseBlock>},
    {ecLowerCaseBlock, "ecLowerCaseBlock", Call<&M::LowerCaseBlock>},
    {ecUpperCaseWord, "ecUpperCaseWord", Call<&M::UpperCaseWord>},
    {ecLowerCaseWord, "ecLowerCaseWord", Call<&M::LowerCaseWord>},
    {ecCapitalizeWord, "ecCapitalizeWord", Call<&M::CapitalizeWord>},
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

// Restores the source's move hook when a forced move ends, thrown or not.
class ForcedMove {
 public:
  ForcedMove(TCustomMemoSource& s, std::int64_t lines, std::int64_t columns)
      : m_source(s), m_saved(std::move(s.OnMoveQuery)) {
    s.OnMoveQuery = [lines, columns](TCustomMemoSource&, std::int64_t& l, std::int64_t& c) {
      l = lines;
      c = columns;
    };
  }
  ~ForcedMove() { m_source.OnMoveQuery = std::move(m_saved); }
  ForcedMove(const ForcedMove&) = delete;
  ForcedMove& operator=(const ForcedMove&) = delete;

 private:
  TCustomMemoSource& m_source;
  TMoveQueryEvent m_saved;
};

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
  if ((command & ecSelectionMask) != 0) {
    RunSelectingCommand(command);
  } else if (const int n = BookmarkNumber(command, ecGotoBookmark1)) {
    Source().GotoBookmark(n);
  } else if (const int n = BookmarkNumber(command, ecToggleBookmark1)) {
    Source().ToggleBookmark(n);
  } else if (const CommandInfo* info = FindCommand(command); info && info->sourceOp) {
    info->sourceOp(Source());
  } else {
    RunControlCommand(command);
  }
}

bool TCustomQSMemo::RunControlCommand(TKeyCommand command) {
  switch (command) {
    case ecRowBegin:
      RowBegin();
      return true;
    case ecRowEnd:
      RowEnd();
      return true;
    case ecCaretUp:
      CaretUp();
      return true;
    case ecCaretDown:
      CaretDown();
      return true;
    case ecCaretLeft:
      CaretLeft();
      return true;
    case ecCaretRight:
      CaretRight();
      return true;
    case ecPageUp:
      PageUp();
      return true;
    case ecPageDown:
      PageDown();
      return true;
    case ecCaretToWindowTop:
      CaretToWindowTop();
      return true;
    case ecCaretToWindowBottom:
      CaretToWindowBottom();
      return true;
    case ecScrollLineUp:
      ScrollLineUp();
      return true;
    case ecScrollLineDown:
      ScrollLineDown();
      return true;
    case ecGotoLine:
      GotoLine();
      return true;
    case ecCenterCaretLine:
      CenterCaretLine();
      return true;
    case ecMatchBracketForward:
      MatchBracketForward();
      return true;
    case ecMatchBracketBackward:
      MatchBracketBackward();
      return true;
    case ecCopyToClipboard:
      CopyToClipboard();
      return true;
    case ecCutToClipboard:
      CutToClipboard();
      return true;
    case ecPasteFromClipboard:
      PasteFromClipboard();
      return true;
    case ecCancelMouseAction:
      CancelMouseAction();
      return true;
    default:
      // Template completion is answered through OnCommand until the control
      // has it.
      return false;
  }
}

bool TCustomQSMemo::RunSelectingCommand(TKeyCommand command) {
  const TSelectionType mode = (command & ecColumnSelect) != 0 ? stBlockSel : stStreamSel;
  switch (command & ~ecSelectionMask) {
    case ecRowBegin:
      RowBegin(mode);
      return true;
    case ecRowEnd:
      RowEnd(mode);
      return true;
    case ecCaretUp:
      CaretUp(mode);
      return true;
    case ecCaretDown:
      CaretDown(mode);
      return true;
    case ecCaretLeft:
      CaretLeft(mode);
      return true;
    case ecPageUp:
      PageUp(mode);
      return true;
    case ecPageDown:
      PageDown(mode);
      return true;
    case ecCaretToWindowTop:
      CaretToWindowTop(mode);
      return true;
    case ecCaretToWindowBottom:
      CaretToWindowBottom(mode);
      return true;
    default:
      return false;
  }
}

// ---- Caret commands ---------------------------------------------------------

void TCustomQSMemo::MoveOrExtend(TSelectionType extend, std::int64_t lines, std::int64_t columns) {
  TCustomMemoSource& s = Source();
  if (extend == stNotSelected) {
    s.MoveCaret(lines, columns);
    return;
  }
  // The forced move below stands in for the wrap's own move hook, so the
  // wrap turns display rows into the line and column move first.
  if (m_wordWrap && lines != 0) AnswerMoveQuery(s, lines, columns);
  // The selection follows whatever move the source makes inside
  // ExtendSelection; the hook turns its one-line move into this one.
  const ForcedMove forced(s, lines, columns);
  s.ExtendSelection(extend, &TCustomMemoSource::CursorDown);
}

void TCustomQSMemo::MoveLines(TSelectionType extend, std::int64_t lines) {
  if (extend == stNotSelected && !Source().HasOption(soPersistentBlocks)) Source().ClearSelection();
  MoveOrExtend(extend, lines, 0);
}

void TCustomQSMemo::RowBegin(TSelectionType extend) {
  TCustomMemoSource& s = Source();
  // On a continuation row of a wrapped line the row, not the line, begins.
  if (m_wordWrap && RowBeginColumn() > 0) {
    if (extend == stNotSelected && !s.HasOption(soPersistentBlocks)) s.ClearSelection();
    MoveOrExtend(extend, 0, static_cast<std::int64_t>(RowBeginColumn()) - s.CaretColumn());
    return;
  }
  if (extend != stNotSelected) {
    s.ExtendSelection(extend, &TCustomMemoSource::JumpToLineBegin);
  } else {
    if (!s.HasOption(soPersistentBlocks)) s.ClearSelection();
    s.JumpToLineBegin();
  }
  if (m_hideCaret) {
    SetLeftChar(0);
    Repaint();
  }
}

void TCustomQSMemo::RowEnd(TSelectionType extend) {
  TCustomMemoSource& s = Source();
  if (m_wordWrap && !DisplayRowAt(CaretRow()).IsLast()) {
    if (extend == stNotSelected && !s.HasOption(soPersistentBlocks)) s.ClearSelection();
    MoveOrExtend(extend, 0, static_cast<std::int64_t>(RowEndColumn()) - s.CaretColumn());
    return;
  }
  if (extend != stNotSelected) {
    s.ExtendSelection(extend, &TCustomMemoSource::JumpToLineEnd);
    return;
  }
  if (!s.HasOption(soPersistentBlocks)) s.ClearSelection();
  s.JumpToLineEnd();
}

void TCustomQSMemo::CaretUp(TSelectionType extend) {
  if (m_hideCaret && extend == stNotSelected)
    ScrollLineUp();
  else
    MoveLines(extend, -1);
}

void TCustomQSMemo::CaretDown(TSelectionType extend) {
  if (m_hideCaret && extend == stNotSelected)
    ScrollLineDown();
  else
    MoveLines(extend, 1);
}

void TCustomQSMemo::CaretLeft(TSelectionType extend) {
  TCustomMemoSource& s = Source();
  if (m_hideCaret && extend == stNotSelected) {
    ScrollBy(0, -1);
    return;
  }
  // As the vertical moves do, a plain move ends a selection that does not persist.
  if (extend == stNotSelected && !s.HasOption(soPersistentBlocks)) s.ClearSelection();
  if (s.CaretColumn() == 0 && HasOption(moNotePadCursorStyle) && s.CaretLine() > 0)
    MoveOrExtend(extend, -1, s.LineLength(s.CaretLine() - 1));
  else if (extend != stNotSelected)
    s.ExtendSelection(extend, &TCustomMemoSource::CursorLeft);
  else
    s.CursorLeft();
}

void TCustomQSMemo::CaretRight() {
  TCustomMemoSource& s = Source();
  if (m_hideCaret) {
    ScrollBy(0, 1);
    return;
  }
  if (!s.HasOption(soPersistentBlocks)) s.ClearSelection();
  s.CursorRight();
}

std::int32_t TCustomQSMemo::PageRows() {
  return std::max(VisibleRows(), 1);
}

void TCustomQSMemo::PageUp(TSelectionType extend) {
  const std::int32_t rows = PageRows();
  ScrollBy(-rows, 0);
  MoveOrExtend(extend, -rows, 0);
}

void TCustomQSMemo::PageDown(TSelectionType extend) {
  const std::int32_t rows = PageRows();
  ScrollBy(rows, 0);
  MoveOrExtend(extend, rows, 0);
}

void TCustomQSMemo::CaretToWindowTop(TSelectionType extend) {
  const TCustomMemoSource& s = Source();
  MoveOrExtend(extend, s.RowToLine(m_topLine) - s.CaretLine(), 0);
}

void TCustomQSMemo::CaretToWindowBottom(TSelectionType extend) {
  const TCustomMemoSource& s = Source();
  const std::int64_t row = static_cast<std::int64_t>(m_topLine) + VisibleRows();
  std::int64_t line = s.RowToLine(static_cast<std::int32_t>(std::min<std::int64_t>(row, kToEnd)));
  if (!s.HasOption(soBeyondFileEnd)) line = std::min<std::int64_t>(line, s.LineCount() - 1);
  MoveOrExtend(extend, std::max<std::int64_t>(line, 0) - s.CaretLine(), 0);
}

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
