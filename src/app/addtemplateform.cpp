#include "app/addtemplateform.h"

#include "app/formrows.h"
#include "platform/dialogs.h"

namespace qs {

TAddTemplateForm::TAddTemplateForm(IFormHost& host, IDialogs& dialogs)
    : TForm(host, "AddTemplateForm"),
      edName(AddRow<TEdit>(*this, "edName", U"&Shortcut Name:")),
      edDescr(AddRow<TEdit>(*this, "edDescr", U"&Description:")),
      OKBut(AddDialogButtons(*this).ok),
      CancelBut(FindControl<TButton>("CancelBut")),
      m_dialogs(dialogs) {
  OKBut.OnClick = [this](TControl&) { OKButClick(); };
  OnShow = [this](TForm&) { edName.SetFocus(); };
}

std::optional<TTemplateTitle> TAddTemplateForm::Execute(StringView caption,
                                                        const TTemplateTitle& title) {
  SetCaption(caption);
  edName.SetText(title.name);
  edDescr.SetText(title.description);
  if (ShowModal() != mrOk) return std::nullopt;
  return TTemplateTitle{TrimBlanks(edName.Text()), TrimBlanks(edDescr.Text())};
}

void TAddTemplateForm::OKButClick() {
  if (!TrimBlanks(edName.Text()).empty()) return;
  SetModalResult(mrNone);
  m_dialogs.ShowError(U"The Shortcut name cannot be blank.");
  edName.SetFocus();
}

}  // namespace qs
