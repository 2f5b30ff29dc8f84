#include "app/savedskdlg.h"

#include "app/desktops.h"
#include "app/formrows.h"

namespace qs {

TSaveDskDlg::TSaveDskDlg(IFormHost& host, Purpose purpose, std::vector<String> names)
    : TForm(host, "SaveDskDlg"),
      lbName(AddCaptioned<TLabel>(
          *this, "lbName",
          purpose == Purpose::Save ? U"Save current desktop as:" : U"Delete desktop:")),
      cbName(Add<TComboBox>("cbName")),
      OkBtn(AddCaptioned<TButton>(*this, "OkBtn", U"OK")),
      CancelBtn(AddCaptioned<TButton>(*this, "CancelBtn", U"Cancel")) {
  SetCaption(purpose == Purpose::Save ? U"Save Desktop" : U"Delete Desktop");
  cbName.Style = purpose == Purpose::Save ? ComboStyle::DropDown : ComboStyle::DropDownList;
  cbName.SetItems(std::move(names));
  cbName.OnChange = [this](TControl&) { NameChange(); };
  OkBtn.Default = true;
  OkBtn.ModalResult = mrOk;
  CancelBtn.Cancel = true;
  CancelBtn.ModalResult = mrCancel;
  if (purpose == Purpose::Delete && !cbName.Items().empty()) cbName.SetItemIndex(0);
  NameChange();
}

std::optional<String> TSaveDskDlg::Execute() {
  if (ShowModal() != mrOk) return std::nullopt;
  return TDesktops::TrimmedName(cbName.Text());
}

void TSaveDskDlg::NameChange() {
  OkBtn.SetEnabled(TDesktops::DesktopNameProblem(cbName.Text()).empty());
}

}  // namespace qs
