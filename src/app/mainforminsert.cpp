// The HTML insertion commands of the main window.
#include "app/htmlinsertion.h"
#include "app/mainform.h"
#include "support/filepath.h"

namespace qs {

void TMainForm::AttachInsertions() {
  m_html = std::make_unique<THtmlInsertion>(m_editor.Source(), m_platform);
  THtmlInsertion& html = *m_html;
  const auto bind = [this](const char* name, std::function<void()> operation) {
    Action(name).SetOperation([this, operation] { RunCommand(operation); });
  };
  bind("InsertBoldAct", [&html] { html.Bold(); });
  bind("InsertItalicAct", [&html] { html.Italic(); });
  bind("InsertUnderlineAct", [&html] { html.Underline(); });
  bind("InsertFGColorAct", [&html] { html.ForegroundColor(); });
  bind("InsertBGColorAct", [&html] { html.BackgroundColor(); });
  bind("InsertFontAct", [&html] { html.Font(); });
  bind("InsertTableAct", [&html] { html.Table(); });
  bind("InsertLinkAct", [&html] { html.Link(); });
  bind("InsertImageAct", [&html] { html.Image(); });
  bind("InsertFilesAct", [this, &html] { html.Files(FolderOfPath(m_documentPath)); });
}

}  // namespace qs
