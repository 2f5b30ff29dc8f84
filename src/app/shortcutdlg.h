// "Edit ShortCut": one command's shortcut picked as a key from a list and the
// Shift, Ctrl and Alt boxes. The label tells which command holds the chosen
// keys now; OK refuses a combination that cannot be a command's shortcut and
// asks before it takes a key that starts the editor's two-key commands.
#pragma once

#include <functional>
#include <optional>

#include "platform/controls.h"
#include "platform/forms.h"

namespace qs {

class IDialogs;

class TShortcutDlg : public TForm {
 public:
  TShortcutDlg(IFormHost& host, IDialogs& dialogs);

  TComboBox& cbShortCut;
  TCheckBox& cbShift;
  TCheckBox& cbCtrl;
  TCheckBox& cbAlt;
  TLabel& lbCurrent;
  TButton& OkBtn;
  TButton& CancelBtn;

  // The caption of the command that has the shortcut text now; empty for none.
  std::function<String(StringView text)> CommandHolding;
  // Whether the editor reads the shortcut as the first of two strokes.
  std::function<bool(StringView text)> StartsEditorSequence;

  // Shows the dialog for the command of that caption and shortcut text; the
  // text chosen (empty for none), or nullopt when cancelled.
  std::optional<String> Edit(StringView actionCaption, StringView text);

  // The checked modifiers, then the key unless it is "None", joined by "+".
  String ComposedText() const;
  // "None" alone, a function key F1..F12 with any modifiers, or any other
  // key with Ctrl or Alt.
  static bool IsValidShortCut(StringView key, bool shift, bool ctrl, bool alt);

 private:
  void ShowText(StringView text);
  void KeyChange();
  void ShowHolder();
  void OkBtnClick();

  IDialogs& m_dialogs;
  bool m_showing = false;  // the boxes are being set from a text
};

}  // namespace qs
