#include "qt/qtwebbrowser.h"

#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "support/guardedcall.h"

namespace qs::qt {

namespace {

std::string Utf8Url(const QUrl& url) {
  return url.toString(QUrl::FullyEncoded).toStdString();
}

// Asks the browser's owner before the page or one of its frames loads.
class ReportingPage final : public QWebEnginePage {
 public:
  ReportingPage(QWebEngineProfile* profile, IWebBrowser& browser, QObject* parent)
      : QWebEnginePage(profile, parent), m_browser(browser) {}

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
    bool cancel = false;
    GuardedCall([&] {
      if (m_browser.OnBeforeNavigate) m_browser.OnBeforeNavigate(Utf8Url(url), isMainFrame, cancel);
    });
    return !cancel;
  }

 private:
  IWebBrowser& m_browser;
};

}  // namespace

QtWebBrowser::QtWebBrowser() = default;

QtWebBrowser::~QtWebBrowser() {
  // The page must go before its profile.
  delete m_view.data();
}

QWebEngineView& QtWebBrowser::View() {
  if (m_view) return *m_view;
  // A profile of our own that keeps nothing on disk and caches nothing: a
  // preview copy is rewritten under the same address, so a cached page
  // would be a stale one.
  if (!m_profile) {
    m_profile = std::make_unique<QWebEngineProfile>();
    m_profile->setHttpCacheType(QWebEngineProfile::NoCache);
  }
  m_view = new QWebEngineView();
  auto* page = new ReportingPage(m_profile.get(), *this, m_view);
  m_view->setPage(page);
  QObject::connect(page, &QWebEnginePage::loadFinished, m_view, [this](bool) {
    GuardedCall([this] {
      if (OnNavigateComplete) OnNavigateComplete(CurrentUrl());
    });
  });
  QObject::connect(page, &QWebEnginePage::linkHovered, m_view, [this](const QString& url) {
    GuardedCall([&] {
      if (OnStatusText) OnStatusText(url.toStdU32String());
    });
  });
  return *m_view;
}

void QtWebBrowser::Navigate(const std::string& url, bool) {
  // Typed addresses may lack their scheme ("example.org", "/tmp/a.html").
  View().load(QUrl::fromUserInput(QString::fromStdString(url)));
}

void QtWebBrowser::GoBack() {
  View().back();
}

void QtWebBrowser::GoForward() {
  View().forward();
}

void QtWebBrowser::Refresh() {
  View().reload();
}

void QtWebBrowser::Stop() {
  View().stop();
}

bool QtWebBrowser::CanGoBack() const {
  return m_view && m_view->history()->canGoBack();
}

bool QtWebBrowser::CanGoForward() const {
  return m_view && m_view->history()->canGoForward();
}

std::string QtWebBrowser::CurrentUrl() const {
  return m_view ? Utf8Url(m_view->url()) : std::string();
}

}  // namespace qs::qt
