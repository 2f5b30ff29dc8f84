// "File Associations Changed": at start, the extensions the user chose to
// associate that another program has taken over since, each offered for
// association again.
#pragma once

#include <string>
#include <vector>

#include "app/formrows.h"
#include "platform/controls.h"
#include "platform/forms.h"

namespace qs {

class TDesktopIntegration;
class TSysOptions;

class TReassociateDlg : public TForm {
 public:
  // One check box per extension (all checked), captioned with the program
  // that has it now.
  TReassociateDlg(IFormHost& host, const std::vector<std::string>& extensions,
                  const TDesktopIntegration& desktop);

  TPanel& ExtList;
  TCheckBox& cbDontVerify;
  TDialogButtons Buttons;

  [[nodiscard]] const std::vector<std::string>& Extensions() const { return m_extensions; }
  [[nodiscard]] TCheckBox& ExtensionBox(std::size_t index) const { return *m_boxes[index]; }

 private:
  std::vector<std::string> m_extensions;
  std::vector<TCheckBox*> m_boxes;
};

// When VerifyAssoc is on and some tracked extension is no longer associated,
// asks; OK associates the checked ones, stops tracking the others and keeps
// the "Don't verify" answer. Cancel changes nothing.
void VerifyAssociations(IFormHost& host, TSysOptions& options, TDesktopIntegration& desktop);

}  // namespace qs
