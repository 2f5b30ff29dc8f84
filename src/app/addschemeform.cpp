#include "app/addschemeform.h"

#include "app/formrows.h"
#include "platform/dialogs.h"
#include "support/unicodecase.h"

namespace qs {

TAddSchemeForm::TAddSchemeForm(IFormHost& host, IDialogs& dialogs)
    : TForm(host, "AddSchemeForm"),
      SchemeNameLabel(Add<TLabel>("SchemeNameLabel")),
      SchemeNameEdit(Add<TEdit>("SchemeNameEdit")),
      OKBut(Add<TButton>("OKBut")),
      CancelBut(Add<TButton>("CancelBut")),
      m_dialogs(dialogs) {
  SetCaption(U"Add Scheme");
  SchemeNameLabel.SetCaption(U"Scheme Name:");
  OKBut.SetCaption(U"OK");
  OKBut.Default = true;
  OKBut.ModalResult = mrOk;
  OKBut.OnClick = [this](TControl&) { OKButClick(); };
  CancelBut.SetCaption(U"Cancel");
  CancelBut.Cancel = true;
  CancelBut.ModalResult = mrCancel;
  OnShow = [this](TForm&) { SchemeNameEdit.SetFocus(); };
}

std::optional<String> TAddSchemeForm::Execute(std::vector<String> takenNames) {
  m_taken = std::move(takenNames);
  SchemeNameEdit.SetText(U"");
  if (ShowModal() != mrOk) return std::nullopt;
  return TrimBlanks(SchemeNameEdit.Text());
}

void TAddSchemeForm::OKButClick() {
  const String name = TrimBlanks(SchemeNameEdit.Text());
  String problem;
  if (name.empty()) {
    problem = U"Scheme Name cannot be blank.";
  } else {
    const String lower = ToLower(name);
    for (const String& taken : m_taken)
      if (ToLower(taken) == lower) problem = U"Scheme \"" + name + U"\" allready exists.";
  }
  if (problem.empty()) return;
  SetModalResult(mrNone);
  m_dialogs.ShowError(problem);
  SchemeNameEdit.SetFocus();
}

std::string DeriveSchemeFileName(StringView typedName,
                                 const std::function<bool(const std::string&)>& taken) {
  std::string base;
  for (Char c : typedName) {
    if (c >= U'A' && c <= U'Z') c = c - U'A' + U'a';
    if ((c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9')) base.push_back(static_cast<char>(c));
  }
  // A name of symbols or other scripts alone would give the bare ".sch".
  if (base.empty()) base = "scheme";
  std::string name = base + ".sch";
  for (int n = 1; taken(name); ++n) name = base + "(" + std::to_string(n) + ").sch";
  return name;
}

}  // namespace qs
