// "HTML Validator Options": the doctype the checker assumes, its
// accessibility checks, whether warnings are shown and whether proprietary
// attributes are dropped. OK stores them in the options object.
#pragma once

#include "app/formrows.h"

namespace qs {

class TValidatorOptions;

class TValidatorOptionsForm final : public TForm {
 public:
  TValidatorOptionsForm(IFormHost& host, TValidatorOptions& options);

  // Shows the dialog; true when OK stored the choices.
  bool Execute();

  TComboBox& DoctypeBox;
  TComboBox& AccessibilityBox;
  TCheckBox& ShowWarnings;
  TCheckBox& DropProprietary;
  TButton& OKBut;

 private:
  void Load();
  void Store();

  TValidatorOptions& m_options;
};

}  // namespace qs
