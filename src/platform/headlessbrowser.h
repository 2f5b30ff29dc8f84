// A web view for tests: navigation happens at once (before-navigate, then
// complete), with a history of its own, and every command is recorded. The
// Simulate calls stand for what a page does by itself.
#pragma once

#include <vector>

#include "platform/browser.h"

namespace qs {

enum class BrowserOp { Navigate, Back, Forward, Refresh, Stop };

struct BrowserCall {
  BrowserOp op = BrowserOp::Navigate;
  std::string url;  // Navigate
  bool bypassCache = false;
  bool operator==(const BrowserCall&) const = default;
};

class HeadlessWebBrowser final : public IWebBrowser {
 public:
  void Navigate(const std::string& url, bool bypassCache = false) override;
  void GoBack() override;
  void GoForward() override;
  void Refresh() override { m_calls.push_back({BrowserOp::Refresh, {}, false}); }
  void Stop() override { m_calls.push_back({BrowserOp::Stop, {}, false}); }
  bool CanGoBack() const override { return m_index > 0; }
  bool CanGoForward() const override { return m_index + 1 < static_cast<int>(m_history.size()); }
  std::string CurrentUrl() const override;

  // A link followed inside the page: navigates like Navigate but is not recorded as a call.
  void SimulateLinkClick(const std::string& url) { Load(url); }
  // A frame of the page starts loading; returns true when the handler cancelled it.
  bool SimulateFrameNavigation(const std::string& url);
  void SimulateStatusText(const String& text);

  [[nodiscard]] const std::vector<BrowserCall>& Calls() const { return m_calls; }
  [[nodiscard]] const std::vector<std::string>& History() const { return m_history; }

 private:
  // True when the page loaded (the handler did not cancel it).
  bool Before(const std::string& url, bool topLevel);
  void Load(const std::string& url);
  void Step(int delta);

  std::vector<BrowserCall> m_calls;
  std::vector<std::string> m_history;
  int m_index = -1;
};

}  // namespace qs
