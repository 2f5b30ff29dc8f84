// Shows the platform-neutral forms as real Qt dialogs: each control gets a
// widget laid out in the order of the control tree, the two are kept in step
// both ways while the form is shown, and the form's modal loop is the
// dialog's. What a handler of the form throws is shown in an error box and
// never leaves a Qt event handler.
#pragma once

#include <vector>

#include "platform/forms.h"

class QDialog;
class QWidget;

namespace qs::qt {

class QtFormHost final : public IFormHost {
 public:
  // Dialogs are centred over parent (the main window), when there is one.
  explicit QtFormHost(QWidget* parent = nullptr) : m_parent(parent) {}

  void RunModal(TForm& form) override;

  // The dialog of the innermost form being shown, or nullptr.
  [[nodiscard]] QDialog* ActiveDialog() const;

 private:
  QWidget* m_parent;
  std::vector<QDialog*> m_open;
};

}  // namespace qs::qt
