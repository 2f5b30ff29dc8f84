// The editing commands built from the primitives: typing, the delete
// commands, Enter with its indentation and the Tab keys.
#include <algorithm>

#include "support/typable.h"
#include "textmodel/qsstring.h"
#include "textmodel/savedselection.h"
#include "textmodel/sharededitstate.h"
#include "textmodel/textload.h"
#include "textmodel/updatebracket.h"

namespace qs {
namespace {

bool& Overwrite() noexcept {
  return TSharedEditState::Current().overwrite;
}

// The first non-blank column of an expanded line, or its length.
std::int32_t FirstNonBlank(StringView expanded) {
  std::size_t i = 0;
  while (i < expanded.size() && expanded[i] <= U' ') ++i;
  return static_cast<std::int32_t>(i);
}

}  // namespace

bool TCustomMemoSource::OverwriteMode() noexcept {
  return Overwrite();
}

void TCustomMemoSource::ToggleInsertMode() {
  const TUpdateBracket update(*this, upd::kInsState);
  Overwrite() = !Overwrite();
  AddChanges({msInsState});
}

void TCustomMemoSource::TypeChar(Char c) {
  if (!IsTypable(c)) return;
  const bool rule = OverwriteBlocksApplies();
  const int savedAttribute = m_typingAttribute;
  const TUpdateBracket update(*this, upd::kInsertText);
  if (rule) {
    // What the caret had before the selection went, usually its last character.
    const int before = AttributeAt(m_caret.Column, m_caret.Line);
    DeleteBlock();
    if (KeepsStyleBytes()) m_typingAttribute = before;
  }
  const TSelectionType type = m_selType;
  const TPosition b = BlockBegin();
  const TPosition e = BlockEnd();
  if (Overwrite()) DeleteChars(1);
  if (InsertText(String(1, c))) CursorRight();
  if (HasOption(soPersistentBlocks) && Overwrite()) {
    m_selType = type;
    m_blockBegin.Assign(b);
    m_blockEnd.Assign(e);
  } else if (!HasOption(soPersistentBlocks) && !HasOption(soOverwriteBlocks)) {
    m_selType = stNotSelected;
  }
  m_typingAttribute = savedAttribute;
}

void TCustomMemoSource::DeleteChar() {
  if (OverwriteBlocksRule()) return;
  if (m_caret.Column < LineLength(m_caret.Line))
    DeleteChars(1);
  else
    JoinLine();
}

void TCustomMemoSource::DeleteLine() {
  if (m_caret.Line >= LineCount() || !CanEditLine(m_caret.Line)) return;
  const TUpdateBracket update(*this, upd::kDeleteLine);
  PlaceCaret({m_caret.Line, 0});
  DeleteChars(kToEnd);
  JoinLine();
}

void TCustomMemoSource::DeleteToLineBegin() {
  if (m_caret.Line >= LineCount() || m_caret.Column == 0) return;
  const TUpdateBracket update(*this, upd::kDeleteToLineBegin);
  const TPosition at = m_caret;
  const StringView stored = StoredLine(at.Line);
  const std::int64_t width = std::min<std::int64_t>(at.Column, LineLength(at.Line));
  // Stored characters wholly before the caret: a TAB the caret is inside stays.
  const TTabStops::Place place = m_tabStops.Locate(stored, width);
  const std::int64_t count =
      std::min<std::int64_t>(place.index, static_cast<std::int64_t>(stored.size()));
  if (count > 0) {
    PlaceCaret({at.Line, 0});
    DeleteChars(count);
  }
}

void TCustomMemoSource::DeleteToLineEnd() {
  DeleteChars(kToEnd);
}

void TCustomMemoSource::DeleteSelectedWord(int code, TWordSelectionType kind, bool left) {
  const TUpdateBracket update(*this, code);
  SavedSelection saved(*this);
  if (kind == wsWordOnly) {
    m_selType = stNotSelected;
    ExtendSelection(stStreamSel,
                    left ? &TCustomMemoSource::WordLeft : &TCustomMemoSource::WordRight);
  } else {
    const String text = ExpandedLine(m_caret.Line);
    const auto size = static_cast<std::int32_t>(text.size());
    std::int32_t end = m_caret.Column;
    if (end < size && IsDelimiterChar(text[static_cast<std::size_t>(end)])) {
      while (end < size && IsDelimiterChar(text[static_cast<std::size_t>(end)])) ++end;
    } else if (const auto word = WordBounds(m_caret.Column, m_caret.Line, kind)) {
      end = word->second + 1;
    }
    SelectRange(stStreamSel, m_caret.Column, m_caret.Line, end, m_caret.Line);
  }
  if (HasSelection()) DeleteBlock();
  saved.Restore();
}

void TCustomMemoSource::DeleteWordRight() {
  DeleteSelectedWord(upd::kDeleteWordRight, wsWordOnly, false);
}

void TCustomMemoSource::DeleteWordLeft() {
  DeleteSelectedWord(upd::kDeleteWordLeft, wsWordOnly, true);
}

void TCustomMemoSource::DeleteWord() {
  if (m_caret.Column < TrimmedLineLength(m_caret.Line))
    DeleteSelectedWord(upd::kDeleteWordRight, wsWordWithSpace, false);
  else
    JoinLine();
}

void TCustomMemoSource::BackSpace() {
  if (OverwriteBlocksRule()) return;
  const TPosition at = m_caret;
  if (at.Column == 0 && at.Line == 0) return;
  if (!CanEditLine(at.Line)) return;
  const TUpdateBracket update(*this, upd::kBackSpace);
  if (at.Column == 0) {
    if (at.Line < LineCount()) {
      // The true end of the line above, so the join takes place even where
      // blanks were kept at its end.
      PlaceCaret({at.Line - 1, LineLength(at.Line - 1)});
      JoinLine();
    } else {
      CursorLeft();
    }
    return;
  }
  if (at.Line >= LineCount() || at.Column > LineLength(at.Line)) {
    CursorLeft();
    return;
  }
  const String text = ExpandedLine(at.Line);
  const std::int32_t indent = FirstNonBlank(text);
  if (HasOption(soBackUnindents) &&
      at.Column == std::min<std::int32_t>(indent, LineLength(at.Line))) {
    // The unindent column: from the nearest line above indented no deeper, walk
    // left over blanks and then over text.
    std::int32_t a = 0;
    for (std::int32_t l = at.Line - 1; l >= 0; --l) {
      const String above = ExpandedLine(l);
      if (TrimmedSize(above) == 0) continue;
      if (FirstNonBlank(above) > at.Column) continue;
      std::int32_t i = std::min<std::int32_t>(at.Column, static_cast<std::int32_t>(above.size()));
      while (i > 0 && above[static_cast<std::size_t>(i - 1)] == U' ') --i;
      while (i > 0 && above[static_cast<std::size_t>(i - 1)] != U' ') --i;
      a = i;
      break;
    }
    if (a < at.Column) {
      DeleteColumnSpan(at.Line, a, at.Column);
      const std::int32_t now = FirstNonBlank(ExpandedLine(at.Line));
      if (now < a && TrimmedLineLength(at.Line) > 0) {
        PlaceCaret({at.Line, now});
        InsertText(String(static_cast<std::size_t>(a - now), U' '));
      }
      PlaceCaret({at.Line, a});
      return;
    }
  }
  CursorLeft();
  if (m_caret.Column < at.Column) DeleteChars(1);
}

void TCustomMemoSource::InsertIndent(std::int32_t line, std::int32_t a) {
  if (a <= 0) return;
  String indent;
  if (HasOption(soUseTabCharacter) && HasOption(soUsePrevIndent) && line > 0) {
    for (Char c : StoredLine(line - 1)) {
      if (m_tabStops.ExpandedLength(indent) >= a) break;
      indent.push_back(c == kTab ? kTab : U' ');
    }
    const std::int32_t have = m_tabStops.ExpandedLength(indent);
    if (have < a) indent.append(static_cast<std::size_t>(a - have), U' ');
  } else if (HasOption(soUseTabCharacter) && HasOption(soOptimalFill)) {
    std::int64_t column = 0;
    for (std::int64_t stop = m_tabStops.NextStop(0); stop <= a; stop = m_tabStops.NextStop(stop)) {
      indent.push_back(kTab);
      column = stop;
    }
    indent.append(static_cast<std::size_t>(a - column), U' ');
  } else {
    indent.assign(static_cast<std::size_t>(a), U' ');
  }
  InsertText(indent);
}

void TCustomMemoSource::NewLine() {
  if (Overwrite()) {
    const TUpdateBracket update(*this, upd::kNewLine);
    const String text = ExpandedLine(m_caret.Line);
    std::int32_t target = 0;
    if (m_caret.Column <= FirstNonBlank(text))
      target = m_caret.Column;
    else if (HasOption(soAutoIndent))
      target = FirstNonBlank(ExpandedLine(m_caret.Line + 1));
    MoveCaret(1, 0);
    if (OnNewLineIndent) OnNewLineIndent(*this, target);
    PlaceCaret({m_caret.Line, target});
    return;
  }
  const bool rule = OverwriteBlocksApplies();
  const TUpdateBracket update(*this, upd::kNewLine);
  if (rule) DeleteBlock();
  const TPosition at = m_caret;
  if (!CanEditLine(at.Line)) {
    return;
  }
  const String text = ExpandedLine(at.Line);
  const std::int32_t lines = LineCount();
  InsertLineBreak();
  if (LineCount() == lines) {  // refused (below the text or read-only)
    return;
  }
  std::int32_t a = 0;
  if (HasOption(soAutoIndent)) {
    const bool empty = TrimmedSize(text) == 0;
    if (!empty && at.Column == 0 && text[0] == U' ') {
      a = 0;
    } else if (!empty && at.Column > 0 && at.Column <= FirstNonBlank(text)) {
      a = at.Column;
    } else {
      for (std::int32_t l = at.Line; l >= 0; --l) {
        const String s = l == at.Line ? text : ExpandedLine(l);
        if (TrimmedSize(s) == 0) continue;
        a = FirstNonBlank(s);
        break;
      }
    }
  }
  PlaceCaret({at.Line + 1, 0});
  if (HasOption(soAutoIndent)) {
    InsertIndent(at.Line + 1, a);
    PlaceCaret({at.Line + 1, a});
  }
}

std::int32_t TCustomMemoSource::SmartTabColumn(std::int32_t line, std::int32_t column) const {
  for (std::int32_t l = std::min(line, LineCount()) - 1; l >= 0; --l) {
    const String above = ExpandedLine(l);
    if (static_cast<std::int32_t>(above.size()) <= column) continue;
    const std::int32_t blanks = FirstNonBlank(above);
    if (blanks > column) return blanks;
    std::int64_t i = column;
    const auto size = static_cast<std::int64_t>(above.size());
    while (i < size && !IsDelimiterChar(above[static_cast<std::size_t>(i)])) ++i;
    while (i < size && IsDelimiterChar(above[static_cast<std::size_t>(i)])) ++i;
    if (i < size) return static_cast<std::int32_t>(i);
    break;
  }
  return static_cast<std::int32_t>(std::min<std::int64_t>(m_tabStops.NextStop(column), kMaxIndex));
}

void TCustomMemoSource::InsertTab() {
  const TUpdateBracket update(*this, upd::kTab);
  BeginUndoBlock();
  if (HasSelection() && BlockBegin().Line == BlockEnd().Line) DeleteBlock();
  const std::int32_t column = m_caret.Column;
  const std::int32_t d = HasOption(soSmartTab) ? SmartTabColumn(m_caret.Line, column)
                                               : static_cast<std::int32_t>(std::min<std::int64_t>(
                                                     m_tabStops.NextStop(column), kMaxIndex));
  const String tab = HasOption(soUseTabCharacter)
                         ? String(1, kTab)
                         : String(static_cast<std::size_t>(std::max(d - column, 1)), U' ');
  if (HasSelection() && BlockEnd().Line > BlockBegin().Line) {
    m_tabText = tab;
    IndentBlock();
    m_tabText.clear();
  } else if (Overwrite()) {
    PlaceCaret({m_caret.Line, d});
  } else if (InsertText(tab)) {
    PlaceCaret({m_caret.Line, column + std::max(m_insertedWidth, 1)});
  }
  EndUndoBlock();
}

void TCustomMemoSource::BackTab() {
  if (HasSelection() && BlockEnd().Line > BlockBegin().Line) {
    const std::int32_t from = BlockBegin().Column;
    const std::int32_t to = SmartTabColumn(BlockBegin().Line, from);
    UnindentBy(std::max(to - from, 1));
    return;
  }
  PlaceCaret({m_caret.Line, static_cast<std::int32_t>(m_tabStops.PrevStop(m_caret.Column))});
}

}  // namespace qs
