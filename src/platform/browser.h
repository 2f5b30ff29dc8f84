// An embedded web view: navigation commands, and events for the page that is
// about to load, the page that loaded and the status line.
#pragma once

#include <functional>
#include <string>

#include "support/qschar.h"

namespace qs {

class IWebBrowser {
 public:
  virtual ~IWebBrowser() = default;

  // bypassCache: neither read from nor write to the cache for this page.
  virtual void Navigate(const std::string& url, bool bypassCache = false) = 0;
  virtual void GoBack() = 0;
  virtual void GoForward() = 0;
  virtual void Refresh() = 0;
  virtual void Stop() = 0;
  [[nodiscard]] virtual bool CanGoBack() const = 0;
  [[nodiscard]] virtual bool CanGoForward() const = 0;
  [[nodiscard]] virtual std::string CurrentUrl() const = 0;

  // Before any page or frame loads; setting cancel stops it. topLevel is false
  // for a frame inside the page.
  std::function<void(const std::string& url, bool topLevel, bool& cancel)> OnBeforeNavigate;
  std::function<void(const std::string& url)> OnNavigateComplete;
  std::function<void(const String& text)> OnStatusText;
};

}  // namespace qs
