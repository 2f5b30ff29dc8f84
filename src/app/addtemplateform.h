// The template prompt: a shortcut name that may not be blank and a
// description. The same window serves "Add Template" and "Edit Template".
#pragma once

#include <optional>

#include "platform/controls.h"
#include "platform/forms.h"

namespace qs {

class IDialogs;

struct TTemplateTitle {
  String name;
  String description;
};

class TAddTemplateForm : public TForm {
 public:
  TAddTemplateForm(IFormHost& host, IDialogs& dialogs);

  // Shows the prompt under caption starting from title; on OK the name and
  // description trimmed of surrounding blanks, nothing when cancelled.
  std::optional<TTemplateTitle> Execute(StringView caption, const TTemplateTitle& title);

  TEdit& edName;
  TEdit& edDescr;
  TButton& OKBut;
  TButton& CancelBut;

 private:
  void OKButClick();

  IDialogs& m_dialogs;
};

}  // namespace qs
