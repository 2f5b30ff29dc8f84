#include "app/validatoroptionsform.h"

#include <algorithm>
#include <iterator>

#include "app/validatoroptions.h"

namespace qs {

TValidatorOptionsForm::TValidatorOptionsForm(IFormHost& host, TValidatorOptions& options)
    : TForm(host, "ValidatorOptionsForm"),
      DoctypeBox(AddRow<TComboBox>(*this, "DoctypeBox", U"Doctype:")),
      AccessibilityBox(AddRow<TComboBox>(*this, "AccessibilityBox", U"Accessibility checks:")),
      ShowWarnings(Add<TCheckBox>("ShowWarnings")),
      DropProprietary(Add<TCheckBox>("DropProprietary")),
      OKBut(AddDialogButtons(*this).ok),
      m_options(options) {
  SetCaption(U"HTML Validator Options");
  DoctypeBox.Style = ComboStyle::DropDownList;
  DoctypeBox.SetItems({std::begin(kValidatorDoctypes), std::end(kValidatorDoctypes)});
  AccessibilityBox.Style = ComboStyle::DropDownList;
  AccessibilityBox.SetItems({U"0 - none", U"1 - priority 1", U"2 - priority 2", U"3 - priority 3"});
  ShowWarnings.SetCaption(U"Show warnings");
  DropProprietary.SetCaption(U"Drop proprietary attributes");
}

bool TValidatorOptionsForm::Execute() {
  Load();
  if (ShowModal() != mrOk) return false;
  Store();
  return true;
}

void TValidatorOptionsForm::Load() {
  const auto* found = std::find(std::begin(kValidatorDoctypes), std::end(kValidatorDoctypes),
                                StringView(m_options.Doctype()));
  DoctypeBox.SetItemIndex(static_cast<int>(found - std::begin(kValidatorDoctypes)) %
                          static_cast<int>(std::size(kValidatorDoctypes)));
  AccessibilityBox.SetItemIndex(m_options.AccessibilityLevel());
  ShowWarnings.SetChecked(m_options.ShowWarnings());
  DropProprietary.SetChecked(m_options.DropProprietaryAttributes());
}

void TValidatorOptionsForm::Store() {
  m_options.BeginUpdate();
  m_options.SetDoctype(
      String(kValidatorDoctypes[static_cast<std::size_t>(std::max(0, DoctypeBox.ItemIndex()))]));
  m_options.SetAccessibilityLevel(std::max(0, AccessibilityBox.ItemIndex()));
  m_options.SetShowWarnings(ShowWarnings.Checked());
  m_options.SetDropProprietaryAttributes(DropProprietary.Checked());
  m_options.EndUpdate();
}

}  // namespace qs
