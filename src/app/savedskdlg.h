// "Save Desktop": a name for the current arrangement of the panels, typed or
// picked from the desktops saved before (picking one replaces it). OK is
// enabled only while the name can be a desktop's, so the dialog never closes
// with OK having nothing to save. The same dialog, with a fixed list, asks
// which desktop to delete.
#pragma once

#include <optional>
#include <vector>

#include "platform/controls.h"
#include "platform/forms.h"

namespace qs {

class TSaveDskDlg : public TForm {
 public:
  enum class Purpose { Save, Delete };

  TSaveDskDlg(IFormHost& host, Purpose purpose, std::vector<String> names);

  TLabel& lbName;
  TComboBox& cbName;
  TButton& OkBtn;
  TButton& CancelBtn;

  // The name chosen (trimmed), or nullopt when cancelled.
  std::optional<String> Execute();

 private:
  void NameChange();
};

}  // namespace qs
