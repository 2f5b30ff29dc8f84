// The "Add Scheme" dialog: asks for the display name of a new scheme and
// refuses an empty one or one the catalogue has already.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/forms.h"

namespace qs {

class IDialogs;

class TAddSchemeForm : public TForm {
 public:
  TAddSchemeForm(IFormHost& host, IDialogs& dialogs);

  // Shows the dialog with an empty name; the trimmed name on OK, nothing
  // when the user cancelled. takenNames are the display names in use.
  std::optional<String> Execute(std::vector<String> takenNames);

  TLabel& SchemeNameLabel;
  TEdit& SchemeNameEdit;
  TButton& OKBut;
  TButton& CancelBut;

 private:
  void OKButClick();

  IDialogs& m_dialogs;
  std::vector<String> m_taken;
};

// The file a new scheme goes into: the typed name lower-cased with all but
// ASCII letters and digits removed, "scheme" when nothing is left, and then
// "(n)" with the smallest n >= 1 that taken does not refuse, when it refuses
// the plain name.
std::string DeriveSchemeFileName(StringView typedName,
                                 const std::function<bool(const std::string&)>& taken);

}  // namespace qs
