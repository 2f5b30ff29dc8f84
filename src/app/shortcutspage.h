// The "Keyboard ShortCuts" page of the preferences: one row per command in
// table order (caption, shortcut text, long hint). A double click or Enter
// edits a row's shortcut in "Edit ShortCut", taking the keys away from any other row
// that had them; "Reset to defaults" brings back the built-in shortcuts. The
// commands change only when the preferences close with OK.
#pragma once

#include <functional>
#include <vector>

#include "app/actions.h"
#include "platform/controls.h"

namespace qs {

class IDialogs;

class TShortcutsPage {
 public:
  // defaults: each command's built-in shortcut, in table order.
  TShortcutsPage(TPageControl& pages, IFormHost& host, IDialogs& dialogs, TActionList& actions,
                 std::vector<TShortCut> defaults);

  TTabSheet& Page;
  TListView& lvShortcuts;
  TButton& ResetBtn;

  // Whether the editor reads a shortcut as the first of two strokes.
  std::function<bool(TShortCut)> StartsEditorSequence;

  // The rows from the commands' current shortcuts.
  void Fill();
  // Every command takes its row's shortcut.
  void Apply();
  // "Edit ShortCut" for the row; OK gives it the text chosen.
  void EditRow(int row);
  void ResetToDefaults();

  const String& RowText(int row) const;

 private:
  void EditSelectedRow();
  void SetRowText(int row, const String& text);
  // The caption of the command that has text: a row's, else a command whose
  // fixed further key it is (Save's F2); empty for none.
  String CommandHolding(StringView text) const;

  IFormHost& m_host;
  IDialogs& m_dialogs;
  TActionList& m_actions;
  std::vector<TShortCut> m_defaults;
};

}  // namespace qs
