// The main window's two dockable panels as the application sees them: the
// validator's message list and the code explorer. The toolkit's window
// implements it; the panels' contents are models the window shows
// (TValidationList, TCodeExplorer).
#pragma once

namespace qs {

class IToolPanels {
 public:
  virtual ~IToolPanels() = default;
  virtual void ShowValidatorPanel() = 0;
  virtual void ShowCodeExplorerPanel() = 0;
};

}  // namespace qs
