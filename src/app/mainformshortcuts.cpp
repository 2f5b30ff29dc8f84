// The main window's side of the shortcut settings: the built-in shortcuts
// kept for "Reset to defaults", the stored ones written when the window
// closes, and the editor's two-key prefixes a command's key would hide.
#include "app/mainform.h"
#include "app/shortcutsoptions.h"
#include "support/keylist.h"
#include "support/optionobject.h"

namespace qs {

void TMainForm::LoadStoredShortCuts() {
  m_defaultShortCuts = LoadShortCuts(m_actions, OptionRegistry::Store());
}

void TMainForm::SaveShortCuts() {
  qs::SaveShortCuts(m_actions, OptionRegistry::Store());
}

bool TMainForm::StartsEditorSequence(TShortCut shortCut) {
  const std::optional<TKeyBinding> binding = m_editor.KeyList().FindBinding(
      shortCut.key, static_cast<TBindingShift>(shortCut.shift & kBindingShiftMask), 0);
  return binding && binding->nextState != 0;
}

}  // namespace qs
