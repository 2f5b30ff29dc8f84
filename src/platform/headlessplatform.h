// One of each headless implementation, for tests: files in memory, a fake
// clock, scripted dialogs and forms, recording shell, printer, browser and
// help viewer. Each part is a public member a test arranges and inspects.
#pragma once

#include "platform/fakeclock.h"
#include "platform/headlessbrowser.h"
#include "platform/headlessclipboard.h"
#include "platform/headlessformhost.h"
#include "platform/headlesshelpviewer.h"
#include "platform/headlessprinter.h"
#include "platform/headlessscreen.h"
#include "platform/headlessshell.h"
#include "platform/memoryfilesystem.h"
#include "platform/platform.h"
#include "platform/scripteddialogs.h"

namespace qs {

class HeadlessPlatform {
 public:
  HeadlessPlatform() = default;
  HeadlessPlatform(const HeadlessPlatform&) = delete;
  HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

  MemoryFileSystem files;
  HeadlessClipboard clipboard;
  FakeClock clock;
  ScriptedDialogs dialogs;
  HeadlessFormHost forms;
  HeadlessShell shell;
  HeadlessPrinter printer;
  HeadlessWebBrowser browser;
  HeadlessHelpViewer help;
  HeadlessScreen screen;

  Platform& Get() { return m_platform; }
  operator Platform&() { return m_platform; }

 private:
  Platform m_platform{files, clipboard, clock,   clock, dialogs, forms,
                      shell, printer,   browser, help,  screen};
};

}  // namespace qs
