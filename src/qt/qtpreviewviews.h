// The main window's two views on the Qt desktop: the editor and the browser
// window stacked in the central area, and the tab strip at the right of the
// status bar that switches between them. The browser window is built the
// first time the main window's state has one.
#pragma once

#include <QObject>

class QMainWindow;
class QStackedWidget;
class QTabBar;
class QToolBar;
class QWidget;

namespace qs {
class IWebBrowser;
class TMainForm;
}  // namespace qs

namespace qs::qt {

class QtBrowserPanel;
class QtWebBrowser;

class QtPreviewViews final : public QObject {
  Q_OBJECT

 public:
  // Takes the window's central widget (the editor) into its stack. The
  // browser is a QtWebBrowser on the desktop; any other shows no page.
  QtPreviewViews(QMainWindow& window, TMainForm& form, QToolBar& toolBar, IWebBrowser& browser);

  void ShowState();
  QTabBar& Tabs() noexcept { return *m_tabs; }
  // Null until the first preview.
  QtBrowserPanel* BrowserPanel() noexcept { return m_panel; }

 private:
  void BuildBrowserPanel();

  QMainWindow& m_window;
  TMainForm& m_form;
  QToolBar& m_toolBar;
  QtWebBrowser* m_browser;
  QStackedWidget* m_stack;
  QWidget* m_editor;
  QTabBar* m_tabs;
  QtBrowserPanel* m_panel = nullptr;
  QWidget* m_placeholder = nullptr;
};

}  // namespace qs::qt
