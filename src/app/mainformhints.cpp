// The main window's function hints, completion lists and help commands.
#include "app/functionhints.h"
#include "app/mainform.h"
#include "app/schemefolders.h"
#include "editor/memocommands.h"
#include "platform/platform.h"

namespace qs {

void TMainForm::AttachHints() {
  m_hints = std::make_unique<TFunctionHints>(m_editor, m_parser, m_platform,
                                             DefaultShippedFolder(m_platform.files, "data"),
                                             DefaultShippedFolder(m_platform.files, "help"));
  TFunctionHints& hints = *m_hints;
  const auto bind = [this](const char* name, std::function<void()> operation) {
    Action(name).SetOperation([this, operation] { RunCommand(operation); });
  };
  bind("ShowFuncHintAct", [&hints] { hints.ShowFuncHint(); });
  bind("CodeTemplatesAct", [&hints] { hints.InsertCodeTemplate(); });
  bind("TopicSearchAct", [&hints] { hints.TopicSearch(); });
  bind("HelpTopicsAct", [&hints] { hints.ShowHelp({THelpBook::Main, ""}, 1); });
  bind("PHPRefAct", [&hints] { hints.ShowHelp({THelpBook::Php, "en/funcref.html"}, 2); });
  bind("CSSRefAct", [&hints] { hints.ShowHelp({THelpBook::Css, ""}, 3); });
  bind("HTMLRefAct", [&hints] { hints.ShowHelp({THelpBook::Html, ""}, 4); });
  // The editor's own template key runs the window's command.
  auto editorCommand = std::move(m_editor.OnCommand);
  m_editor.OnCommand = [this, editorCommand](TCustomQSMemo& sender, TKeyCommand command,
                                             bool& handled) {
    if (command == ecInsertCodeTemplate) {
      handled = true;
      Action("CodeTemplatesAct").Execute();
      return;
    }
    if (editorCommand) editorCommand(sender, command, handled);
  };
  // "Topic Search" is offered in the editor's menu only where it finds a
  // page; F1 stays bound (and finds nothing elsewhere).
  auto buildMenu = std::move(m_editorMenu.onPopup);
  m_editorMenu.onPopup = [this, buildMenu](TMenuItem& menu) {
    Action("TopicSearchAct").SetEnabled(m_hints->ContextTopic().has_value());
    if (buildMenu) buildMenu(menu);
  };
}

bool TMainForm::HintsKeyDown(TKey key, TShiftState shift) {
  Action("TopicSearchAct").SetEnabled(true);
  bool taken = false;
  RunCommand([&] { taken = m_hints->KeyDown(key, shift); });
  return taken;
}

}  // namespace qs
