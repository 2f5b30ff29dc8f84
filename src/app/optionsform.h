// The "Preferences" dialog: the "Integration" page (integrationpage.h) and
// the "Web Server" page (server URL, document root, quick exit with Esc, the
// code page of files that are not UTF).
// The page for shortcuts joins it with its subsystem.
#pragma once

#include <memory>
#include <vector>

#include "app/actions.h"
#include "app/integrationpage.h"
#include "platform/controls.h"
#include "platform/forms.h"

namespace qs {

class IDialogs;
class IFileSystem;
class TShortcutsPage;
class TSysOptions;

class TOptionsForm : public TForm {
 public:
  TOptionsForm(IFormHost& host, IDialogs& dialogs, const IFileSystem& files, TSysOptions& options,
               TDesktopServices& desktop);
  ~TOptionsForm() override;

  // The "Keyboard ShortCuts" page over the commands, with their built-in
  // shortcuts in table order; OK gives the commands the page's shortcuts.
  TShortcutsPage& AddShortcutsPage(TActionList& actions, std::vector<TShortCut> defaults);
  TShortcutsPage* ShortcutsPage() const noexcept { return m_shortcuts.get(); }

  // Opens on "Web Server" instead of the first page (the preview asks for
  // the server mapping).
  bool OpenOnWebServer = false;

  TPageControl& PageControl;
  TIntegrationPage Integration;
  TEdit& edServerUrl;
  TEdit& edServerPath;
  TButton& BrowseBtn;
  TCheckBox& cbEscExit;
  TComboBox& cbCodePage;
  TButton& OkBtn;
  TButton& CancelBtn;

 private:
  void FormShow();
  void BrowseBtnClick();
  void OkBtnClick();

  IDialogs& m_dialogs;
  const IFileSystem& m_files;
  TSysOptions& m_options;
  std::unique_ptr<TShortcutsPage> m_shortcuts;
};

}  // namespace qs
