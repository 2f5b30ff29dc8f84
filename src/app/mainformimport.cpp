// Opening HTML and RTF through the import filters: the document becomes the
// formatted text the file holds, shown without a scheme, and keeps the
// file's name without ever being saved back over it as plain text.
#include "app/mainform.h"
#include "app/systopt.h"
#include "editor/attributeparser.h"
#include "platform/filesystem.h"
#include "platform/platform.h"
#include "support/errors.h"
#include "support/filepath.h"
#include "support/utf8.h"

namespace qs {

namespace {

std::string WithoutExtension(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

// The file is read whole first, and the load takes itself back when the
// reader fails, so a failed import leaves the document, its name and its
// scheme as they were.
void TMainForm::ImportFile(const std::string& path, int kind) {
  const std::string input = m_platform.files.ReadFile(path);
  const int schemeBefore = m_schemeIndex;
  // A scheme would colour the text itself: the formats show without one.
  SyntaxComboBoxChange(0);
  int dropped = 0;
  m_loading = true;
  try {
    dropped = kind == okImportHtml ? m_editor.LoadFromHtmlStream(input)
                                   : m_editor.LoadFromRtfStream(input);
  } catch (...) {
    m_loading = false;
    if (schemeBefore != 0) SyntaxComboBoxChange(schemeBefore);
    throw;
  }
  m_loading = false;
  const std::string name = NameOfPath(path);
  SetDialogDefaults(FolderOfPath(path), name);
  // Save asks for a name, offering the text file beside the import.
  m_saveDialog.fileName = WithoutExtension(name);
  SetDocumentPath(path);
  m_imported = true;
  m_options.AddRecentFile(path, m_platform.files);
  SetModifiedState(false);
  // The text is not the file's bytes: a recovery record holds it whole.
  DocumentIsFile({});
  EditorChange();
  ReportDroppedFormats(dropped);
}

void TMainForm::ReportDroppedFormats(int runs) {
  if (runs <= 0) return;
  m_platform.dialogs.MessageBox(
      FromUtf8("The document has more different character formats than the editor can hold; " +
               std::to_string(runs) + " of its parts are shown in the default format."),
      String(kProductName), MsgButtons::OK, MsgIcon::Warning);
}

void TMainForm::LeaveRichMode() {
  if (m_editor.AttributeParser() != nullptr) m_editor.SetSyntaxParser(nullptr);
}

}  // namespace qs
