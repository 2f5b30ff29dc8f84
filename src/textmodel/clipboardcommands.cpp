// Plain-text clipboard commands through the platform's clipboard.
#include "platform/clipboard.h"
#include "platform/platform.h"
#include "textmodel/qsstring.h"
#include "textmodel/sharededitstate.h"
#include "textmodel/updatebracket.h"

namespace qs {
namespace {

bool& ColumnFlag() noexcept {
  return TSharedEditState::Current().columnClipboard;
}

}  // namespace

bool TCustomMemoSource::ColumnClipboard() noexcept {
  return ColumnFlag();
}

void TCustomMemoSource::CopyToClipboard() {
  IClipboard& clipboard = ThePlatform().clipboard;
  if (!HasSelection()) {
    if (HasOption(soForceCutCopy)) {
      clipboard.SetText({});
      ColumnFlag() = false;
    }
    return;
  }
  String text;
  const std::vector<String> lines = SelectedStoredLines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += U"\r\n";
    text += lines[i];
  }
  clipboard.SetText(text);
  ColumnFlag() = m_selType == stBlockSel;
}

void TCustomMemoSource::CutToClipboard() {
  if (!HasSelection()) return;
  const TUpdateBracket update(*this, upd::kCut);
  CopyToClipboard();
  DeleteBlock();
}

void TCustomMemoSource::PasteFromClipboard() {
  IClipboard& clipboard = ThePlatform().clipboard;
  if (!clipboard.HasText()) return;
  const bool rule = OverwriteBlocksApplies();
  const TUpdateBracket update(*this, upd::kInsertLines);
  if (rule) DeleteBlock();
  if (!clipboard.IsOwner()) ColumnFlag() = false;
  const String text = clipboard.GetText();
  TStringList lines;
  for (String& line : SplitLines(text)) lines.Add(line);
  if (!text.empty() && (text.back() == U'\n' || text.back() == U'\r')) lines.Add(U"");
  if (OnPasteFromClipboard) OnPasteFromClipboard(*this, lines);
  std::vector<String> block;
  for (int i = 0; i < lines.Count(); ++i) block.push_back(lines.Get(i));
  if (!block.empty()) InsertBlockLines(std::move(block), ColumnFlag() ? stBlockSel : stStreamSel);
  if (!HasOption(soPersistentBlocks)) m_selType = stNotSelected;
}

}  // namespace qs
