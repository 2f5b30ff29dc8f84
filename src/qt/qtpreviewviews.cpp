#include "qt/qtpreviewviews.h"

#include <QMainWindow>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QWebEngineView>

#include "app/mainform.h"
#include "qt/qtbrowserpanel.h"
#include "qt/qtconvert.h"
#include "qt/qtwebbrowser.h"
#include "support/guardedcall.h"

namespace qs::qt {

QtPreviewViews::QtPreviewViews(QMainWindow& window, TMainForm& form, QToolBar& toolBar,
                               IWebBrowser& browser)
    : QObject(&window),
      m_window(window),
      m_form(form),
      m_toolBar(toolBar),
      m_browser(dynamic_cast<QtWebBrowser*>(&browser)),
      m_stack(new QStackedWidget(&window)),
      m_editor(window.takeCentralWidget()),
      m_tabs(new QTabBar(window.statusBar())) {
  m_stack->addWidget(m_editor);
  window.setCentralWidget(m_stack);
  m_tabs->setObjectName(QStringLiteral("TabSet1"));
  m_tabs->setShape(QTabBar::RoundedSouth);
  m_tabs->setDrawBase(false);
  m_tabs->setExpanding(false);
  m_tabs->setFocusPolicy(Qt::NoFocus);
  for (int i = 0; i < 3; ++i) m_tabs->addTab(QString());
  window.statusBar()->addPermanentWidget(m_tabs);
  connect(m_tabs, &QTabBar::currentChanged, this, [this](int tab) {
    GuardedCall([&] { m_form.RunCommand([this, tab] { m_form.TabSet1Change(tab); }); });
    ShowState();
  });
}

void QtPreviewViews::BuildBrowserPanel() {
  if (m_browser == nullptr) {
    m_placeholder = new QWidget(m_stack);
    m_stack->addWidget(m_placeholder);
    return;
  }
  m_panel = new QtBrowserPanel(*m_form.BrowserDlg(), m_browser->View(), m_stack);
  m_stack->addWidget(m_panel);
}

void QtPreviewViews::ShowState() {
  {
    const QSignalBlocker blocker(m_tabs);
    for (int i = 0; i < 3; ++i)
      m_tabs->setTabText(i, ToQString(m_form.TabCaptions()[static_cast<std::size_t>(i)]));
    m_tabs->setCurrentIndex(m_form.TabIndex());
  }
  if (m_form.BrowserDlg() != nullptr && m_panel == nullptr && m_placeholder == nullptr)
    BuildBrowserPanel();
  QWidget* wanted = m_form.CodeViewShown() || m_stack->count() < 2 ? m_editor : m_stack->widget(1);
  if (m_stack->currentWidget() != wanted) {
    m_stack->setCurrentWidget(wanted);
    m_toolBar.setVisible(m_form.CodeViewShown());
    if (wanted == m_editor)
      m_editor->setFocus();
    else if (m_browser != nullptr)
      m_browser->View().setFocus();
  }
  if (m_panel != nullptr) m_panel->ShowState();
}

}  // namespace qs::qt
