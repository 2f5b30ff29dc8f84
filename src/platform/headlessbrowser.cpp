#include "platform/headlessbrowser.h"

namespace qs {

bool HeadlessWebBrowser::Before(const std::string& url, bool topLevel) {
  bool cancel = false;
  if (OnBeforeNavigate) OnBeforeNavigate(url, topLevel, cancel);
  return !cancel;
}

void HeadlessWebBrowser::Load(const std::string& url) {
  if (!Before(url, true)) return;
  // A new page drops the pages that were ahead of the current one.
  m_history.resize(static_cast<std::size_t>(m_index + 1));
  m_history.push_back(url);
  m_index = static_cast<int>(m_history.size()) - 1;
  if (OnNavigateComplete) OnNavigateComplete(url);
}

void HeadlessWebBrowser::Navigate(const std::string& url, bool bypassCache) {
  m_calls.push_back({BrowserOp::Navigate, url, bypassCache});
  Load(url);
}

void HeadlessWebBrowser::Step(int delta) {
  const int target = m_index + delta;
  if (target < 0 || target >= static_cast<int>(m_history.size())) return;
  const std::string url = m_history[static_cast<std::size_t>(target)];
  if (!Before(url, true)) return;
  m_index = target;
  if (OnNavigateComplete) OnNavigateComplete(url);
}

void HeadlessWebBrowser::GoBack() {
  m_calls.push_back({BrowserOp::Back, {}, false});
  Step(-1);
}

void HeadlessWebBrowser::GoForward() {
  m_calls.push_back({BrowserOp::Forward, {}, false});
  Step(+1);
}

std::string HeadlessWebBrowser::CurrentUrl() const {
  return m_index < 0 ? std::string() : m_history[static_cast<std::size_t>(m_index)];
}

bool HeadlessWebBrowser::SimulateFrameNavigation(const std::string& url) {
  return !Before(url, false);
}

void HeadlessWebBrowser::SimulateStatusText(const String& text) {
  if (OnStatusText) OnStatusText(text);
}

}  // namespace qs
