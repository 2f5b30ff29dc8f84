// Dropping dragged text: a move (or, with Ctrl, a copy) of the selection to
// where the pointer let go.
#include "editor/qsmemo.h"

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
  // The source keeps the drop point tracked while a move deletes the text
  // before it, so the text lands where it was dropped.
  if (copy)
    s.CopyBlock();
  else
    s.MoveBlock();
}

}  // namespace qs
