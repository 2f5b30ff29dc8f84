// The control's clipboard commands and edit-control queries. The source does
// the plain-text part and keeps the process-wide column flag of the last copy.
#include <algorithm>

#include "editor/qsmemo.h"
#include "export/rtfexporter.h"
#include "platform/clipboard.h"
#include "platform/platform.h"
#include "textmodel/sharededitstate.h"
#include "textmodel/updatebracket.h"

namespace qs {

// In RTF mode the selection goes on the clipboard a second time as RTF, so
// a word processor pastes it with its colours.
void TCustomQSMemo::CopyToClipboard() {
  TCustomMemoSource& s = Source();
  s.CopyToClipboard();
  if (m_clipboardType != cbRtf || !s.HasSelection()) return;
  TStringStream rtf;
  ExportToStream(rtf, &TQSRTFExporter::Create, true);
  IClipboard& clipboard = ThePlatform().clipboard;
  clipboard.SetTextAndRtf(clipboard.GetText(), rtf.Bytes());
}

void TCustomQSMemo::CutToClipboard() {
  TCustomMemoSource& s = Source();
  if (!s.HasSelection()) return;
  const TUpdateBracket update(s, upd::kCut);
  CopyToClipboard();
  s.DeleteBlock();
}

// In RTF mode formatted text from the clipboard keeps its format wherever
// the control has no scheme highlighter to colour it.
void TCustomQSMemo::PasteFromClipboard() {
  TCustomMemoSource& s = Source();
  if (s.GetReadOnly()) return;
  const IClipboard& clipboard = ThePlatform().clipboard;
  if (m_clipboardType != cbRtf || !clipboard.HasRtf() || !RichModeAvailable()) {
    s.PasteFromClipboard();
    return;
  }
  const std::string rtf = clipboard.GetRtf();
  // Made before the selection goes, so a reader that cannot be had changes nothing.
  const std::unique_ptr<TQSImporter> importer = m_rtfImporterClass();
  int dropped = 0;
  {
    const TUpdateBracket update(s, upd::kInsertLines);
    if (!clipboard.IsOwner()) TSharedEditState::Current().columnClipboard = false;
    if (s.HasSelection() && s.HasOption(soOverwriteBlocks) && !s.HasOption(soPersistentBlocks))
      s.DeleteBlock();
    dropped = ImportWith(rtf, *importer);
  }
  if (dropped > 0)
    throw Error(
        "The pasted text has more different character formats than the document can "
        "hold; " +
        std::to_string(dropped) + " of its parts kept the default format.");
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

namespace {

constexpr std::int64_t kLineBreakLength = 2;

}  // namespace

std::int64_t TCustomQSMemo::LineIndex(std::int32_t line) const {
  const TCustomMemoSource& s = Source();
  if (line < 0 || line >= std::max(s.LineCount(), 1)) return -1;
  std::int64_t index = 0;
  for (std::int32_t i = 0; i < line; ++i) index += s.LineLength(i) + kLineBreakLength;
  return index;
}

std::int64_t TCustomQSMemo::GetTextLength() const {
  const TCustomMemoSource& s = Source();
  if (s.LineCount() == 0) return 0;
  return LineIndex(s.LineCount() - 1) + s.LineLength(s.LineCount() - 1);
}

std::size_t TCustomQSMemo::GetLine(std::int32_t line, std::span<Char> buffer) const {
  const TCustomMemoSource& s = Source();
  if (line < 0 || line >= s.LineCount()) return 0;
  const String text = s.ExpandedLine(line);
  const std::size_t count = std::min(text.size(), buffer.size());
  std::copy_n(text.begin(), count, buffer.begin());
  return count;
}

}  // namespace qs
