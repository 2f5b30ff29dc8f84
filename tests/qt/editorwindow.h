// The main window with headless dialogs and the shipped schemes, for tests
// that need the editor inside its real window.
#pragma once

#include <memory>
#include <string>

#include "app/folderschemecatalogue.h"
#include "app/systopt.h"
#include "platform/headlessplatform.h"
#include "platform/localfilesystem.h"
#include "qt/mainwindow.h"
#include "qt/qtconvert.h"

namespace qs::qt {

class EditorWindow {
 public:
  explicit EditorWindow(const QString& schemeFolder)
      : m_schemes(m_files, Utf8FromQString(schemeFolder)),
        m_window(m_platform, m_schemes, m_options, {}, false) {}

  // Opens the file as the Open command does; a missing file gives an empty
  // untitled document.
  void OpenFile(const QString& path) { m_window.Form().OpenFile(Utf8FromQString(path), okText); }
  // The chosen scheme's display name, empty for none.
  QString SchemeName() const {
    TMainForm& form = const_cast<MainWindow&>(m_window).Form();
    if (form.SchemeIndex() == 0) return {};
    return ToQString(StringView(form.SchemeItems().at(form.SchemeIndex())));
  }

  QtMemoWidget& Editor() { return m_window.Editor(); }
  QString windowTitle() const { return m_window.windowTitle(); }
  void resize(int width, int height) { m_window.resize(width, height); }
  void show() { m_window.show(); }
  MainWindow& Window() { return m_window; }
  ScriptedDialogs& Dialogs() { return m_headless.dialogs; }

 private:
  HeadlessPlatform m_headless;
  LocalFileSystem m_files;
  Platform m_platform{m_files,          m_headless.clipboard, m_headless.clock,
                      m_headless.clock, m_headless.dialogs,   m_headless.forms,
                      m_headless.shell, m_headless.printer,   m_headless.browser,
                      m_headless.help,  m_headless.screen};
  PlatformInstallation m_installed{m_platform};
  TFolderSchemeCatalogue m_schemes;
  TSysOptions m_options;
  MainWindow m_window;
};

}  // namespace qs::qt
