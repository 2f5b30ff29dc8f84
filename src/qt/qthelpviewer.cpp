#include "qt/qthelpviewer.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

#include "platform/helppage.h"
#include "qt/qtconvert.h"
#include "support/errors.h"

namespace qs::qt {

namespace {
constexpr int kHelpWindow = 1;
}  // namespace

QtHelpViewer::~QtHelpViewer() {
  delete m_window.data();
}

int QtHelpViewer::ShowTopic(const std::string& helpFile, const std::string& topic) {
  const HelpPage page = ResolveHelpPage(helpFile, topic);
  const QString path = ToQString(page.path);
  if (!QFileInfo(path).isFile()) throw Error("The help page \"" + page.path + "\" was not found.");
  if (m_window.isNull()) {
    m_window = new QTextBrowser();
    m_window->setObjectName(QStringLiteral("HelpViewer"));
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    m_window->setOpenExternalLinks(true);
    m_window->resize(720, 560);
  }
  QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
  if (!page.anchor.empty()) url.setFragment(ToQString(page.anchor));
  m_window->setSource(url);
  m_window->setWindowTitle(m_window->documentTitle());
  m_window->show();
  m_window->raise();
  m_window->activateWindow();
  return kHelpWindow;
}

bool QtHelpViewer::IsWindowOpen(int window) const {
  return window == kHelpWindow && !m_window.isNull() && m_window->isVisible();
}

void QtHelpViewer::CloseAll() {
  if (!m_window.isNull()) m_window->close();
}

}  // namespace qs::qt
