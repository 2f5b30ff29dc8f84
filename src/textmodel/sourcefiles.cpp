// Loading and saving a document: bulk loads, line breaks on save, backups.
#include "platform/filesystem.h"
#include "platform/platform.h"
#include "textmodel/qsstring.h"
#include "textmodel/textload.h"
#include "textmodel/updatebracket.h"

namespace qs {

void TCustomMemoSource::ResetPositions() {
  m_positions.ResetAll();
  m_caret = {};
  m_selType = stNotSelected;
  if (m_tracked) m_tracked->selType = stNotSelected;
}

void TCustomMemoSource::ClearDocumentState() {
  m_bookmarks.Clear();
  m_hidden.Clear();
  m_highlightLine = -1;
  m_firstUnparsed = 0;
  ResetPositions();
}

void TCustomMemoSource::SwapInLoaded(TInternalStrings& loaded, const TLoadResult& how) {
  m_strings.SwapContent(loaded);
  m_encoding = how.encoding;
  m_bom = how.bom;
  m_finalBreak = how.finalBreak;
  SetOutFormat(how.lineBreak);
  m_trimCandidate = -1;
  ClearDocumentState();
  RescanLongestLine();
}

TLoadResult TCustomMemoSource::FileShape() const {
  TLoadResult shape;
  shape.encoding = m_encoding;
  shape.bom = m_bom;
  shape.lineBreak = OutFormat();
  shape.finalBreak = m_finalBreak;
  return shape;
}

void TCustomMemoSource::LoadFromFile(const std::string& fileName) {
  LoadFromSource(*ThePlatform().files.OpenRead(fileName));
}

void TCustomMemoSource::LoadFromBytes(std::string_view bytes) {
  TMemoryByteSource source(bytes);
  LoadFromSource(source);
}

void TCustomMemoSource::LoadFromSource(TByteSource& bytes) {
  // Decode into a list of its own first: a failure leaves the document untouched.
  TInternalStrings fresh;
  fresh.SetItemFactory([this] { return GetStringItemClass(); });
  const TLoadResult loaded = DecodeIntoLines(bytes, TLoadRules{m_eightBitCodePage}, fresh);
  {
    const TUpdateBracket update(*this, upd::kLoad);
    SwapInLoaded(fresh, loaded);
    m_changes |= kAllViewStates;
    MarkDirty(0, kToEnd);
    m_docModified = false;  // what is on disk now
  }
  ClearUndo();
  ResetModified();
}

void TCustomMemoSource::LoadFromText(StringView text) {
  TInternalStrings fresh;
  fresh.SetItemFactory([this] { return GetStringItemClass(); });
  TLoadResult split = SplitIntoLines(text, fresh);
  split.encoding = m_encoding;
  split.bom = m_bom;
  // No break to go by: the document keeps its own.
  if (split.lineBreakCount == 0) split.lineBreak = OutFormat();
  {
    const TUpdateBracket update(*this, upd::kLinesText, TUpdateBracket::Tracked);
    SwapInLoaded(fresh, split);
    MarkChanged(0, kToEnd);
  }
  ClearUndo();
}

String TCustomMemoSource::SavedText() const {
  const bool exclude = HasOption(soExcludeReadOnlyLines);
  const std::int32_t last = LineCount() - 1;
  String out;
  for (std::int32_t i = 0; i <= last; ++i) {
    if (exclude && IsLineReadOnly(i)) continue;
    out += StoredLine(i);
    if (i < last || m_finalBreak) out += LineBreakChars(m_strings.Item(i)->LineBreak);
  }
  return out;
}

std::string TCustomMemoSource::SaveToBytes() const {
  return EncodeText(SavedText(), m_encoding, m_bom);
}

void TCustomMemoSource::SaveToFile(const std::string& fileName) {
  ThePlatform().files.WriteFileAtomic(fileName, SaveToBytes());
}

void TCustomMemoSource::SaveToFileWithBackup(const std::string& fileName) {
  if (!HasOption(soCreateBackups)) {
    SaveToFile(fileName);
    return;
  }
  const std::string bytes = SaveToBytes();
  ThePlatform().files.WriteFileWithBackup(fileName, GetBackupName(fileName), bytes);
}

std::string TCustomMemoSource::GetBackupName(const std::string& fileName) {
  const std::size_t slash = fileName.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = fileName.rfind('.');
  std::string backup;
  if (dot == std::string::npos || dot < nameStart) {
    backup = fileName + ".~";
  } else {
    const std::string extension = ".~" + fileName.substr(dot + 1);
    backup = fileName.substr(0, dot) + extension.substr(0, 4);
  }
  if (OnGetBackupName) OnGetBackupName(*this, fileName, backup);
  return backup;
}

}  // namespace qs
