// The platform's web view on the Qt desktop: a Qt WebEngine view with a page
// that reports every navigation before it happens. The view is made when
// first needed (starting the engine costs time and memory the program may
// never need) and shown by the window that asks for it.
#pragma once

#include <QPointer>
#include <memory>

#include "platform/browser.h"

class QWebEngineProfile;
class QWebEngineView;

namespace qs::qt {

class QtWebBrowser final : public IWebBrowser {
 public:
  QtWebBrowser();
  ~QtWebBrowser() override;
  QtWebBrowser(const QtWebBrowser&) = delete;
  QtWebBrowser& operator=(const QtWebBrowser&) = delete;

  // The view, made on the first call; the caller gives it its parent. A view
  // deleted with its parent is made again when asked for.
  QWebEngineView& View();

  void Navigate(const std::string& url, bool bypassCache = false) override;
  void GoBack() override;
  void GoForward() override;
  void Refresh() override;
  void Stop() override;
  bool CanGoBack() const override;
  bool CanGoForward() const override;
  std::string CurrentUrl() const override;

 private:
  std::unique_ptr<QWebEngineProfile> m_profile;
  QPointer<QWebEngineView> m_view;
};

}  // namespace qs::qt
