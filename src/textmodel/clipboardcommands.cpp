// Plain-text clipboard commands through the platform's clipboard.
#include "platform/clipboard.h"
#include "platform/platform.h"
#include "textmodel/qsstring.h"
#include "textmodel/updatebracket.h"

namespace qs {
namespace {

// Whether the last copy this program made was a column block. It is trusted
// only while the clipboard still holds what this program put there.
bool g_columnClipboard = false;

}  // namespace

bool TCustomMemoSource::ColumnClipboard() noexcept {
  return g_columnClipboard;
}

void TCustomMemoSource::CopyToClipboard() {
  IClipboard& clipboard = ThePlatform().clipboard;
  if (!HasSelection()) {
    if (HasOption(soForceCutCopy)) {
      clipboard.SetText({});
      g_columnClipboard = false;
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
  g_columnClipboard = m_selType == stBlockSel;
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
  if (!clipboard.IsOwner()) g_columnClipboard = false;
  const String text = clipboard.GetText();
  TStringList lines;
  for (String& line : SplitLines(text)) lines.Add(line);
  if (!text.empty() && (text.back() == U'\n' || text.back() == U'\r')) lines.Add(U"");
  if (OnPasteFromClipboard) OnPasteFromClipboard(*this, lines);
  std::vector<String> block;
  for (int i = 0; i < lines.Count(); ++i) block.push_back(lines.Get(i));
  if (!block.empty())
    InsertBlockLines(std::move(block), g_columnClipboard ? stBlockSel : stStreamSel);
  if (!HasOption(soPersistentBlocks)) m_selType = stNotSelected;
}

}  // namespace qs
