// Dropping dragged text: a move (or, with Ctrl, a copy) of the selection to
// where the pointer let go, or text dragged in from another program.
#include "editor/memorichmode.h"
#include "editor/qsmemo.h"
#include "textmodel/tstrings.h"
#include "textmodel/updatebracket.h"

namespace qs {

void TCustomQSMemo::Drop(bool copy) {
  TCustomMemoSource& s = Source();
  const TPosition at = s.Caret();
  if (!s.HasSelection()) return;
  // A drop on the selection itself moves nothing.
  if (s.IsInSelection(at.Column, at.Line)) {
    s.ClearSelection();
    return;
  }
  if (AttributeParser() != nullptr) {
    DropFormatted(copy);
    return;
  }
  // The source keeps the drop point tracked while a move deletes the text
  // before it, so the text lands where it was dropped.
  if (copy)
    s.CopyBlock();
  else
    s.MoveBlock();
}

// The text goes as the source moves or copies any block; its formats follow
// it exactly, read before and written over the block where it landed.
void TCustomQSMemo::DropFormatted(bool copy) {
  TCustomMemoSource& s = Source();
  const std::vector<std::string> formats = m_rich->SelectedFormats();
  const TUpdateBracket update(s, copy ? upd::kCopyBlock : upd::kMoveBlock);
  if (copy)
    s.CopyBlock();
  else
    s.MoveBlock();
  m_rich->RestoreFormats(formats);
}

// Text from another program lands where the pointer let go, selected, as one
// step to undo; a read-only document refuses it.
void TCustomQSMemo::DropText(TPoint p, StringView text) {
  TCustomMemoSource& s = Source();
  if (text.empty() || s.GetReadOnly()) return;
  const TPosition at = HitTest(p).pos;
  std::vector<String> lines = SplitLines(text);
  if (text.back() == U'\n' || text.back() == U'\r') lines.emplace_back();
  const TUpdateBracket update(s, upd::kInsertTextBlock);
  s.ClearSelection();
  s.SetCaretPos(at.Column, at.Line);
  s.InsertBlockLines(std::move(lines), stStreamSel);
}

}  // namespace qs
