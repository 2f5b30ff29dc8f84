// The platform services of the desktop program, one of each, for as long as
// the program runs. Services without a desktop backend yet (the embedded
// browser, the help viewer, a form host for the program's own dialogs) are
// the headless ones or refuse, and the window disables what needs them.
#pragma once

#include "platform/forms.h"
#include "platform/headlessbrowser.h"
#include "platform/headlesshelpviewer.h"
#include "platform/localfilesystem.h"
#include "platform/localshell.h"
#include "platform/platform.h"
#include "qt/qtclipboard.h"
#include "qt/qtdialogs.h"
#include "qt/qtprinter.h"
#include "qt/qtscreen.h"
#include "qt/qttimers.h"

namespace qs::qt {

// Until the Qt form host exists: showing a form is an error the user sees,
// never a dialog that silently does nothing.
class UnavailableFormHost final : public IFormHost {
 public:
  void RunModal(TForm& form) override;
};

class QtPlatform {
 public:
  QtPlatform();
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  Platform& Get() noexcept { return m_platform; }
  // False while forms cannot be shown.
  bool FormsAvailable() const noexcept { return false; }

 private:
  LocalFileSystem m_files;
  QtClipboard m_clipboard;
  SteadyClock m_clock;
  QtTimers m_timers;
  QtDialogs m_dialogs;
  UnavailableFormHost m_forms;
  LocalShell m_shell;
  QtPrinter m_printer;
  HeadlessWebBrowser m_browser;
  HeadlessHelpViewer m_help;
  QtScreen m_screen;
  Platform m_platform;
};

}  // namespace qs::qt
