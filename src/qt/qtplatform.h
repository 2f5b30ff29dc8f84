// The platform services of the desktop program, one of each, for as long as
// the program runs; help pages open in a help window of its own.
#pragma once

#include "platform/forms.h"
#include "platform/localfilesystem.h"
#include "platform/localshell.h"
#include "platform/platform.h"
#include "qt/qtclipboard.h"
#include "qt/qtdialogs.h"
#include "qt/qtformhost.h"
#include "qt/qthelpviewer.h"
#include "qt/qtprinter.h"
#include "qt/qtscreen.h"
#include "qt/qttimers.h"
#include "qt/qtwebbrowser.h"

namespace qs::qt {

class QtPlatform {
 public:
  QtPlatform();
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  Platform& Get() noexcept { return m_platform; }
  bool FormsAvailable() const noexcept { return true; }
  QtPrinter& Printer() noexcept { return m_printer; }

 private:
  LocalFileSystem m_files;
  QtClipboard m_clipboard;
  SteadyClock m_clock;
  QtTimers m_timers;
  QtDialogs m_dialogs;
  QtFormHost m_forms;
  LocalShell m_shell;
  QtPrinter m_printer;
  QtWebBrowser m_browser;
  QtHelpViewer m_help;
  QtScreen m_screen;
  Platform m_platform;
};

}  // namespace qs::qt
