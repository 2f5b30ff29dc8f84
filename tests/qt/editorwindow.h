// The main window with headless dialogs and the shipped schemes, for tests
// that need the editor inside its real window.
#pragma once

#include <memory>
#include <string>

#include "app/folderschemecatalogue.h"
#include "app/systopt.h"
#include "common/localfilesplatform.h"
#include "platform/headlessplatform.h"
#include "platform/localfilesystem.h"
#include "qt/mainwindow.h"
#include "qt/qtconvert.h"

namespace qs::qt {

class EditorWindow {
 public:
  explicit EditorWindow(const QString& schemeFolder)
      : m_schemes(m_env.files, Utf8FromQString(schemeFolder)),
        m_window(m_env.platform, m_schemes, m_options, {}, false) {}

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
  ScriptedDialogs& Dialogs() { return m_env.headless.dialogs; }

 private:
  testing::LocalFilesPlatform m_env;
  TFolderSchemeCatalogue m_schemes;
  TSysOptions m_options;
  MainWindow m_window;
};

}  // namespace qs::qt
