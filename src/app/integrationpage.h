// The "Integration" page of the preferences: which file types open with the
// program, whether it is offered under "Open with" for text files, and the
// external-editor settings of other programs. Filled from the desktop's
// actual state each time the dialog shows; carried out by OK.
#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"

namespace qs {

class TDesktopServices;
class TSysOptions;

class TIntegrationPage {
 public:
  TIntegrationPage(TTabSheet& page, TDesktopServices& services, TSysOptions& options);

  void Show();
  // Throws qs::Error, before anything changes, when a typed extension is
  // not valid.
  void Validate() const;
  // Carries out the page. When a change fails, the settings track what was
  // done and the error says exactly that.
  void Apply();

  std::vector<TCheckBox*> GroupBoxes;  // in the order of kAssociationGroups
  TButton& SelectAllBtn;
  TEdit& edExts;
  TCheckBox& cbVerify;
  TCheckBox& cbContextMenu;
  TCheckBox& cbViewSource;
  TCheckBox& cbHtmlEditor;
  TCheckBox& cbOperaViewSource;
  TCheckBox& cbTotalCmd;
  TCheckBox& cbWinSCP;

  // A group of which only some extensions are associated: it is left as it
  // is unless the user clicks its box.
  [[nodiscard]] bool IsPartial(std::size_t group) const { return m_partial[group]; }

 private:
  void ShowGroup(std::size_t group);
  void GroupClicked(std::size_t group);
  void ApplyAssociations();
  void TrackAssociations(const std::vector<std::string>& typed, bool completed);

  TDesktopServices& m_services;
  TSysOptions& m_options;
  std::vector<bool> m_partial;
};

}  // namespace qs
