// The control's clipboard commands. The source does the plain-text part and
// keeps the process-wide column flag of the last copy.
#include "editor/qsmemo.h"
#include "platform/clipboard.h"
#include "platform/platform.h"

namespace qs {

void TCustomQSMemo::CopyToClipboard() {
  Source().CopyToClipboard();
}

void TCustomQSMemo::CutToClipboard() {
  TCustomMemoSource& s = Source();
  if (!s.HasSelection()) return;
  s.BeginUpdate(upd::kCut);
  try {
    CopyToClipboard();
    s.DeleteBlock();
  } catch (...) {
    s.EndUpdate();
    throw;
  }
  s.EndUpdate();
}

void TCustomQSMemo::PasteFromClipboard() {
  if (Source().GetReadOnly()) return;
  Source().PasteFromClipboard();
}

void TCustomQSMemo::Clear() {
  TCustomMemoSource& s = Source();
  if (s.HasSelection()) s.DeleteBlock();
}

bool TCustomQSMemo::CanPaste() const {
  if (Source().GetReadOnly()) return false;
  const IClipboard& clipboard = ThePlatform().clipboard;
  return clipboard.HasText() || (m_clipboardType == cbRtf && clipboard.HasRtf());
}

}  // namespace qs
