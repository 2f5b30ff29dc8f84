#include "app/shortcutdlg.h"

#include <algorithm>
#include <string>

#include "app/formrows.h"
#include "app/shortcuttext.h"
#include "platform/dialogs.h"
#include "support/utf8.h"

namespace qs {

namespace {

constexpr StringView kNone = U"None";

std::vector<String> KeyNames() {
  std::vector<String> names{String(kNone)};
  for (Char c = U'A'; c <= U'Z'; ++c) names.emplace_back(1, c);
  for (int n = 1; n <= 12; ++n) names.push_back(U"F" + FromUtf8(std::to_string(n)));
  for (StringView name : {U"Ins", U"Del", U"BkSp", U"Space"}) names.emplace_back(name);
  return names;
}

bool IsFunctionKey(StringView key) {
  const std::optional<TKey> code = KeyFromText(key);
  return key.size() > 1 && code && *code >= vk::F1 && *code < vk::F1 + 12;
}

}  // namespace

TShortcutDlg::TShortcutDlg(IFormHost& host, IDialogs& dialogs)
    : TForm(host, "ShortcutDlg"),
      cbShortCut(Add<TComboBox>("cbShortCut")),
      cbShift(AddCaptioned<TCheckBox>(*this, "cbShift", U"Shift +")),
      cbCtrl(AddCaptioned<TCheckBox>(*this, "cbCtrl", U"Ctrl +")),
      cbAlt(AddCaptioned<TCheckBox>(*this, "cbAlt", U"Alt + ")),
      lbCurrent(AddCaptioned<TLabel>(*this, "lbCurrent", U"Current:")),
      OkBtn(AddCaptioned<TButton>(*this, "OkBtn", U"OK")),
      CancelBtn(AddCaptioned<TButton>(*this, "CancelBtn", U"Cancel")),
      m_dialogs(dialogs) {
  SetCaption(U"Edit ShortCut");
  cbShortCut.Style = ComboStyle::DropDownList;
  cbShortCut.OnChange = [this](TControl&) { KeyChange(); };
  for (TCheckBox* box : {&cbShift, &cbCtrl, &cbAlt})
    box->OnClick = [this](TControl&) { ShowHolder(); };
  OkBtn.Default = true;
  OkBtn.OnClick = [this](TControl&) { OkBtnClick(); };
  CancelBtn.Cancel = true;
  CancelBtn.ModalResult = mrCancel;
}

std::optional<String> TShortcutDlg::Edit(StringView actionCaption, StringView text) {
  SetCaption(U"Edit ShortCut: " + String(actionCaption));
  ShowText(text);
  if (ShowModal() != mrOk) return std::nullopt;
  return ComposedText();
}

// Read from the left: the modifiers, then the key. A key the list does not
// offer (a shortcut stored by hand, or one of the keys the text names beyond
// the list) joins the list for this showing, so OK keeps it as it is.
void TShortcutDlg::ShowText(StringView text) {
  m_showing = true;
  for (TCheckBox* box : {&cbShift, &cbCtrl, &cbAlt}) box->SetChecked(false);
  const std::optional<TShortCut> shortCut = TextToShortCut(text);
  std::vector<String> names = KeyNames();
  String key(kNone);
  if (shortCut && !shortCut->IsEmpty()) {
    cbShift.SetChecked((shortCut->shift & ssShift) != 0);
    cbCtrl.SetChecked((shortCut->shift & ssCtrl) != 0);
    cbAlt.SetChecked((shortCut->shift & ssAlt) != 0);
    key = KeyToText(shortCut->key);
    if (std::find(names.begin(), names.end(), key) == names.end()) names.push_back(key);
  }
  cbShortCut.SetItems(std::move(names));
  cbShortCut.SetText(key);
  m_showing = false;
  ShowHolder();
}

void TShortcutDlg::KeyChange() {
  if (m_showing) return;
  if (cbShortCut.Text() == kNone) {
    m_showing = true;
    for (TCheckBox* box : {&cbShift, &cbCtrl, &cbAlt}) box->SetChecked(false);
    m_showing = false;
  }
  ShowHolder();
}

void TShortcutDlg::ShowHolder() {
  if (m_showing) return;
  lbCurrent.SetCaption(U"Current:");
  const String text = ComposedText();
  if (text.empty() || !CommandHolding) return;
  const String holder = CommandHolding(text);
  if (!holder.empty()) lbCurrent.SetCaption(U"Current: " + holder);
}

String TShortcutDlg::ComposedText() const {
  String text;
  const auto append = [&text](StringView part) {
    if (!text.empty()) text += U'+';
    text += part;
  };
  if (cbShift.Checked()) append(U"Shift");
  if (cbCtrl.Checked()) append(U"Ctrl");
  if (cbAlt.Checked()) append(U"Alt");
  if (cbShortCut.Text() != kNone) append(cbShortCut.Text());
  return text;
}

bool TShortcutDlg::IsValidShortCut(StringView key, bool shift, bool ctrl, bool alt) {
  if (key == kNone) return !shift && !ctrl && !alt;
  return IsFunctionKey(key) || ctrl || alt;
}

void TShortcutDlg::OkBtnClick() {
  const String text = ComposedText();
  if (!IsValidShortCut(cbShortCut.Text(), cbShift.Checked(), cbCtrl.Checked(), cbAlt.Checked())) {
    m_dialogs.ShowError(U"\"" + text + U"\" is not valid ShortCut");
    return;
  }
  // The window hands its command keys out before the editor sees them, so
  // the editor would never get the second stroke.
  if (!text.empty() && StartsEditorSequence && StartsEditorSequence(text) &&
      m_dialogs.Confirm(text + U" starts the editor's two-key commands (such as " + text +
                            U" followed by another key). As a command's shortcut it disables "
                            U"them. Use it anyway?",
                        false) != MsgResult::Yes)
    return;
  SetModalResult(mrOk);
}

}  // namespace qs
