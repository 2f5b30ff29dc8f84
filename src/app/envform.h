// The "Editor Properties" dialog: one tab per registered option page, in
// ascending order. A page loads its controls the first time its tab shows;
// OK first lets every loaded page validate, then applies them in tab order
// and hands the dialog's copy of the environment options to the registered
// instance in one change, so every editor follows at once. Pages never shown
// apply nothing. Cancel drops the copy, and with it everything the pages
// wrote into it while the dialog ran.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/memoenvoptions.h"
#include "platform/controls.h"
#include "platform/forms.h"

namespace qs {

class IDialogs;
class IFileAccess;
class IScreen;
class TMemoSourceOptions;
class TSyntaxList;

// What the pages work on while the dialog runs.
struct TOptionPageContext {
  TMemoEnvOptions& env;  // the dialog's working copy
  TMemoSourceOptions& source;
  IFormHost& forms;
  IDialogs& dialogs;
  IFileAccess& files;
  TSyntaxList* catalogue = nullptr;  // none: the Source Options page stays empty
  String currentScheme;              // the main window's scheme, by display name
  const IScreen* screen = nullptr;   // lists the fonts; none: only the current one
  // Opens the scheme editor on a scheme file of the catalogue; on true, name
  // and extensions hold the scheme's.
  std::function<bool(const std::string& fileName, String& name, String& extensions)> editScheme;
};

class TOptionPage {
 public:
  virtual ~TOptionPage() = default;
  // Fills the controls from the options; runs when the tab first shows.
  virtual void Load() = 0;
  // Throws qs::Error for a value that cannot be applied, changing nothing.
  virtual void Validate() {}
  virtual void Apply() = 0;
};

// Builds a page's controls on its sheet.
using TOptionPageFactory =
    std::function<std::unique_ptr<TOptionPage>(TTabSheet& sheet, TOptionPageContext& context)>;

// Adds a page; pages are shown in ascending order (equal orders as registered).
void RegisterOptionForm(TOptionPageFactory factory, int order, StringView caption);

class TEnvForm : public TForm {
 public:
  TEnvForm(IFormHost& host, TOptionPageContext& context);

  TPageControl& PageProps;
  TPanel& pnlButtons;
  TButton& OkBut;
  TButton& CancelBut;
  TButton& HelpBut;

  // The page behind tab index; nullptr when its tab never showed.
  [[nodiscard]] TOptionPage* LoadedPage(int index) const;

 private:
  struct Tab {
    std::unique_ptr<TOptionPage> page;
    bool loaded = false;
  };
  void ShowPage(int index);
  void OkButClick();

  TOptionPageContext& m_context;
  std::vector<Tab> m_tabs;
};

// Runs the dialog; context.env must be a fresh copy of the registered options
// (TMemoEnvOptions made while the registered one exists copies it);
// a second call while it runs returns at once (false). True on OK.
bool ShowEditorOptions(TOptionPageContext& context);

}  // namespace qs
