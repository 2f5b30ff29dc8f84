// The main window's part in keeping unsaved work: the recovery record of its
// document, the records a program that ended left behind, and a file changed
// on disk by another program while it is open.
#include <algorithm>

#include "app/mainform.h"
#include "app/recoverykeeper.h"
#include "app/recoveryoffers.h"
#include "platform/platform.h"
#include "support/utf8.h"

namespace qs {

void TMainForm::EnableRecovery(const std::string& folder) {
  m_recoveryFolder = folder;
  m_recovery = std::make_unique<TRecoveryKeeper>(m_editor.Source(), m_platform.timers, folder);
  m_recovery->DocumentReset(m_documentPath);
}

void TMainForm::DocumentIsFile(const std::string& path) {
  m_diskStamp = path.empty() ? std::nullopt : StampOf(path);
  if (m_recovery) m_recovery->DocumentReset(path);
}

void TMainForm::DocumentDiscarded() {
  if (m_recovery) m_recovery->DocumentDiscarded();
}

void TMainForm::OfferRecovery() {
  const std::vector<String> recoverButtons{U"Recover", U"Discard", U"Later"};
  const std::vector<String> discardButtons{U"Discard", U"Later"};
  for (TOrphanRecord& record : TakeOrphanRecords(m_recoveryFolder)) {
    const TRecoveryOffer offer = PrepareOffer(record);
    if (offer.recoverable && offer.text.groups == 0) {
      // Cut short before its first complete write: it holds nothing.
      record.file.Remove();
      continue;
    }
    const std::vector<String>& buttons = offer.recoverable ? recoverButtons : discardButtons;
    const int choice = m_platform.dialogs.AskChoice(
        RecoveryQuestion(record, offer), String(kProductName), buttons, MsgIcon::Question);
    if (choice < 0 || buttons[static_cast<std::size_t>(choice)] == U"Later") continue;
    if (buttons[static_cast<std::size_t>(choice)] == U"Recover") {
      // The text in hand now has a record of its own before the old one goes.
      QuerySaveChanges();
      OpenRecovered(record, offer);
      m_recovery->FlushNow();
    }
    record.file.Remove();
  }
}

// The recovered text opens modified; the file on disk is left as it is
// until the user saves.
void TMainForm::OpenRecovered(const TOrphanRecord& record, const TRecoveryOffer& offer) {
  if (record.header.documentPath.empty() || offer.fileChanged) {
    m_openDialog.fileName.clear();
    m_saveDialog.fileName.clear();
    SetDocumentName(String(kUntitled));
    ClearDocument();
    DocumentIsFile({});
  } else {
    OpenFile(record.header.documentPath, okText);
  }
  TCustomMemoSource& source = m_editor.Source();
  source.LoadFromText(JoinedText(offer.text));
  source.SetEncoding(offer.text.state.encoding, offer.text.state.bom);
  source.SetOutFormat(offer.text.state.outFormat);
  SetModifiedState(true);
  EditorChange();
}

void TMainForm::WindowActivated() {
  if (m_documentPath.empty() || !m_diskStamp) return;
  const std::optional<TFileStamp> now = StampOf(m_documentPath);
  // A file that went away is written again by the next save.
  if (!now || *now == *m_diskStamp) return;
  m_diskStamp = now;  // asked once for each change
  if (m_editor.Source().DocModified()) {
    const String question = m_documentName +
                            U" has been changed by another program.\n\nReload it and lose "
                            U"your changes?";
    if (m_platform.dialogs.Confirm(question, false) != MsgResult::Yes) {
      // Kept: the record can no longer lean on the file.
      if (m_recovery) m_recovery->FileChangedOnDisk();
      return;
    }
  }
  ReloadKeepingView();
}

void TMainForm::ReloadKeepingView() {
  TCustomMemoSource& source = m_editor.Source();
  const TPosition caret = source.Caret();
  const std::int32_t topLine = m_editor.TopLine();
  const std::int32_t leftChar = m_editor.LeftChar();
  m_loading = true;
  try {
    source.LoadFromFile(m_documentPath);
  } catch (...) {
    m_loading = false;
    throw;
  }
  m_loading = false;
  const std::int32_t lastLine = std::max(source.LineCount() - 1, 0);
  source.SetCaretPos(caret.Column, std::min(caret.Line, lastLine));
  m_editor.SetTopLine(std::min(topLine, lastLine));
  m_editor.SetLeftChar(leftChar);
  SetModifiedState(false);
  DocumentIsFile(m_documentPath);
  EditorChange();
}

}  // namespace qs
