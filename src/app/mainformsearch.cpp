// The search commands of the main window: Find (seeded from the selection or
// the word at the caret), Replace, Search Again and Go to Line, reached from
// the menus, the window's shortcuts and every key mapping of the editor alike.
#include <array>
#include <utility>

#include "app/mainform.h"
#include "app/schemefolders.h"
#include "app/searchdialog.h"
#include "editor/memocommands.h"
#include "platform/platform.h"
#include "support/registry.h"

namespace qs {

namespace {

// The editor's commands that are the window's search commands.
constexpr std::array<std::pair<TKeyCommand, const char*>, 4> kSearchCommands{{
    {ecShowFindDialog, "FindAct"},
    {ecShowReplaceDialog, "ReplaceAct"},
    {ecSearchAgain, "SearchAgainAct"},
    {ecGotoLine, "GoToLineAct"},
}};

}  // namespace

void TMainForm::AttachSearch() {
  TCustomMemoSource& source = m_editor.Source();
  const auto bind = [this](const char* name, std::function<void()> operation) {
    Action(name).SetOperation([this, operation] { RunCommand(operation); });
  };
  bind("FindAct", [this] { Find(); });
  bind("ReplaceAct", [&source] { source.ShowReplaceDialog(); });
  bind("SearchAgainAct", [&source] { source.SearchAgain(); });
  bind("GoToLineAct", [&source] { source.ShowGotoLine(); });
  source.OnCreateDialog = [this](TCustomMemoSource&, TSearchKind kind,
                                 std::unique_ptr<TForm>& dialog) {
    const TSearchDialogContext context{m_platform, SettingsStore::Instance(),
                                       DefaultShippedFolder(m_platform.files, "help")};
    if (kind == skFind)
      dialog = std::make_unique<TSrchDialog>(context);
    else
      dialog = std::make_unique<TReplDialog>(context);
  };
  m_editor.OnCommand = [this](TCustomQSMemo&, TKeyCommand command, bool& handled) {
    for (const auto& [code, action] : kSearchCommands)
      if (command == code) {
        handled = true;
        Action(action).Execute();
      }
  };
}

// A selection within one line is what to find; without a selection, the word
// at the caret. A selection over several lines is no search text: it is left
// for the scope the dialog offers.
void TMainForm::Find() {
  TCustomMemoSource& source = m_editor.Source();
  String seed;
  if (!source.HasSelection() || source.BlockBegin() == source.BlockEnd())
    seed = source.WordAtCaret();
  else if (source.BlockBegin().Line == source.BlockEnd().Line)
    seed = GetSelText();
  if (!seed.empty()) TSearchOptions::Instance().SetTextToFind(seed);
  source.ShowFindDialog();
}

}  // namespace qs
