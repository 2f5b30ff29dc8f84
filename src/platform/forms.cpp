#include "platform/forms.h"

#include "platform/controls.h"

namespace qs {
namespace {

// The first button in the subtree with that flag that the user could press.
TButton* FindButton(const TControl& root, bool TButton::*flag) {
  for (const auto& child : root.Children()) {
    if (auto* button = dynamic_cast<TButton*>(child.get());
        button && button->*flag && button->CanReceiveInput())
      return button;
    if (TButton* found = FindButton(*child, flag)) return found;
  }
  return nullptr;
}

}  // namespace

TForm::TForm(IFormHost& host, std::string name) : TControl(std::move(name)), m_host(host) {
  SetVisible(false);
}

void TForm::Show() {
  if (Visible()) return;
  SetVisible(true);
  if (OnShow) OnShow(*this);
}

TModalResult TForm::ShowModal() {
  if (m_modal || Visible()) throw std::logic_error("form \"" + Name() + "\" is shown already");
  m_modal = true;
  m_modalResult = mrNone;
  m_inputDepth = 0;
  try {
    SetVisible(true);
    if (OnShow) OnShow(*this);
    m_host.RunModal(*this);
  } catch (...) {
    m_modal = false;
    SetVisible(false);
    throw;
  }
  m_modal = false;
  return m_modalResult;
}

void TForm::SetModalResult(TModalResult result) {
  m_modalResult = result;
  if (m_inputDepth == 0) ProcessModalResult();
}

void TForm::Close() {
  if (m_modal) return SetModalResult(mrCancel);
  if (!Visible() || !CloseQuery() || !ConfirmClose()) return;
  SetVisible(false);
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(*this, canClose);
  return canClose;
}

bool TForm::ConfirmClose() {
  TCloseAction action = caHide;
  if (OnClose) OnClose(*this, action);
  return action != caNone;
}

void TForm::ProcessModalResult() {
  if (!m_modal || m_modalResult == mrNone || !Visible()) return;
  if (!CloseQuery() || !ConfirmClose()) {
    m_modalResult = mrNone;
    return;
  }
  SetVisible(false);
}

void TForm::EndInput() {
  if (--m_inputDepth == 0) ProcessModalResult();
}

void TForm::SetActiveControl(TControl* control) {
  if (m_active == control) return;
  TControl* previous = m_active;
  m_active = control;
  if (previous) {
    previous->Changed(ControlProperty::Focus);
    previous->Fire(previous->OnExit);
  }
  if (control) {
    control->Changed(ControlProperty::Focus);
    control->Fire(control->OnEnter);
  }
}

void TForm::Forget(TControl& control) {
  if (m_active == &control) m_active = nullptr;
}

void TForm::PressKey(TKey key, TShiftState shift) {
  TControl& target = m_active ? *m_active : *this;
  target.KeyDown(key, shift);
}

void TForm::DialogKey(TKey& key, TControl& source) {
  TButton* button = nullptr;
  if (key == vk::Return) {
    // Enter on a focused button presses that button, as on every desktop.
    button = dynamic_cast<TButton*>(&source);
    if (!button) button = FindButton(*this, &TButton::Default);
  } else if (key == vk::Escape) {
    button = FindButton(*this, &TButton::Cancel);
  }
  if (!button) return;
  key = 0;
  button->Click();
}

}  // namespace qs
