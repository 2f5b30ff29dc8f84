// A form: the root of a tree of controls, shown modeless or modal. A modal
// form closes when a modal result is set (by a button with a ModalResult, by
// Close, or by code) and OnCloseQuery and OnClose agree; otherwise the result
// goes back to mrNone and the form stays open. A result set while an input
// event is being handled takes effect when that event is done, so a button's
// OnClick may still clear it.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/control.h"

namespace qs {

enum TModalResult : int {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
  mrAll = 8,
  mrNoToAll = 9,
  mrYesToAll = 10,
};

// caFree hides the form like caHide: the form's owner frees the object.
enum TCloseAction { caNone, caHide, caFree, caMinimize };

class IFormHost {
 public:
  virtual ~IFormHost() = default;
  // Runs the form's modal loop; returns once the form is no longer visible.
  virtual void RunModal(TForm& form) = 0;
};

class TForm : public TControl {
 public:
  explicit TForm(IFormHost& host, std::string name = {});

  void Show();
  // A modal form: as if Cancel were pressed. A modeless one: asks
  // OnCloseQuery and OnClose, then hides.
  void Close();
  TModalResult ShowModal();
  [[nodiscard]] bool IsModal() const { return m_modal; }
  // What shows the form, for the dialogs it opens in turn.
  [[nodiscard]] IFormHost& Host() const { return m_host; }
  [[nodiscard]] TModalResult ModalResult() const { return m_modalResult; }
  void SetModalResult(TModalResult result);

  bool KeyPreview = false;  // the form's OnKeyDown sees keys before the focused control
  [[nodiscard]] TControl* ActiveControl() const { return m_active; }
  // A key as the user presses it: to the focused control, else to the form.
  void PressKey(TKey key, TShiftState shift = 0);

  // The control of that name and kind; a missing name or another kind is a
  // programming error and throws std::out_of_range.
  template <class T>
  T& FindControl(std::string_view name) const;
  template <class T>
  T* TryFindControl(std::string_view name) const {
    return dynamic_cast<T*>(FindDescendant(name));
  }

  std::function<void(TForm& sender)> OnShow;
  std::function<void(TForm& sender, bool& canClose)> OnCloseQuery;
  std::function<void(TForm& sender, TCloseAction& action)> OnClose;

 private:
  friend class TControl;
  void SetActiveControl(TControl* control);
  // Enter and Esc that no handler consumed: the default and cancel buttons.
  void DialogKey(TKey& key, TControl& source);
  void BeginInput() { ++m_inputDepth; }
  void EndInput();
  void ProcessModalResult();
  bool CloseQuery();
  // OnClose with caHide; false when the handler said caNone.
  bool ConfirmClose();
  // A control is going away; the form must not keep pointing at it.
  void Forget(TControl& control);

  IFormHost& m_host;
  bool m_modal = false;
  TModalResult m_modalResult = mrNone;
  TControl* m_active = nullptr;
  int m_inputDepth = 0;
};

template <class T>
T& TForm::FindControl(std::string_view name) const {
  if (T* control = TryFindControl<T>(name)) return *control;
  throw std::out_of_range("form \"" + Name() + "\" has no control \"" + std::string(name) +
                          "\" of the requested kind");
}

}  // namespace qs
