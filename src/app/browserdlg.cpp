#include "app/browserdlg.h"

#include <algorithm>

#include "platform/browser.h"
#include "support/utf8.h"

namespace qs {

namespace {

constexpr TPageSize kPageSizes[] = {{320, 240}, {640, 480}, {800, 600}, {1024, 768}, {1280, 1024}};

String SizeCaption(TPageSize size) {
  return FromUtf8(std::to_string(size.width) + "*" + std::to_string(size.height));
}

}  // namespace

TBrowserDlg::TBrowserDlg(IWebBrowser& browser) : m_browser(browser) {
  BuildActions();
  BuildSizeMenu();
  m_browser.OnBeforeNavigate = [this](const std::string& url, bool topLevel, bool& cancel) {
    BeforeNavigate(url, topLevel, cancel);
  };
  m_browser.OnNavigateComplete = [this](const std::string&) { NavigateComplete(); };
  m_browser.OnStatusText = [this](const String& text) {
    if (OnStatusText) OnStatusText(text);
  };
  UpdateButtons();
}

TBrowserDlg::~TBrowserDlg() {
  m_browser.OnBeforeNavigate = nullptr;
  m_browser.OnNavigateComplete = nullptr;
  m_browser.OnStatusText = nullptr;
}

void TBrowserDlg::BuildActions() {
  const auto add = [this](const char* name, const char32_t* caption, std::function<void()> run) {
    m_actions.Add(name, U"Browser", caption).SetOperation(std::move(run));
  };
  add("BackBtn", U"Back", [this] { GoToHistoryEntry(-1); });
  add("ForwardBtn", U"Forward", [this] { GoToHistoryEntry(+1); });
  add("StopBtn", U"Stop", [this] { m_browser.Stop(); });
  add("RefreshBtn", U"Refresh", [this] { m_browser.Refresh(); });
  add("HomeBtn", U"Home", [this] {
    m_address = FromUtf8(m_previewUrl);
    NavigateToAddress();
  });
  add("GoBtn", U"Go!", [this] { NavigateToAddress(); });
}

void TBrowserDlg::BuildSizeMenu() {
  m_sizeMenu = TMenuItem::Submenu("SizeMenu", U"Size");
  for (const TPageSize size : kPageSizes)
    m_sizeMenu.items.push_back(
        TMenuItem::Command(SizeCaption(size), [this, size](TMenuItem&) { SetPageSize(size); }));
  m_sizeMenu.items.push_back(TMenuItem::Separator());
  m_sizeMenu.items.push_back(
      TMenuItem::Command(U"Fit to Window", [this](TMenuItem&) { SetPageSize(std::nullopt); }));
}

void TBrowserDlg::SetPageSize(std::optional<TPageSize> size) {
  m_pageSize = size;
  Changed();
}

void TBrowserDlg::NavigateToAddress() {
  m_fromAddressBox = true;
  m_browser.Navigate(ToUtf8(m_address), true);
}

void TBrowserDlg::ChooseAddress(int index) {
  if (index < 0 || index >= static_cast<int>(m_addresses.size())) return;
  m_address = m_addresses[static_cast<std::size_t>(index)];
  NavigateToAddress();
}

void TBrowserDlg::ShowPreviewPage(const std::string& file, const std::string& url, bool refresh) {
  if (refresh && file == m_previewFile && url == m_previewUrl) {
    m_browser.Refresh();
    return;
  }
  m_previewFile = file;
  m_previewUrl = url;
  // The copy was just rewritten: a cached page of the same address is stale.
  m_browser.Navigate(url, true);
}

void TBrowserDlg::GoToHistoryEntry(int delta) {
  const int target = m_index + delta;
  if (target < 0 || target >= static_cast<int>(m_history.size())) return;
  m_address = FromUtf8(m_history[static_cast<std::size_t>(target)]);
  NavigateToAddress();
}

// Frames inside a page load as the page wants them; only the page itself
// is a step of the history.
void TBrowserDlg::BeforeNavigate(const std::string& url, bool topLevel, bool&) {
  if (!topLevel) return;
  m_address = FromUtf8(url);
  const auto known = std::find(m_history.begin(), m_history.end(), url);
  if (known != m_history.end()) {
    m_index = static_cast<int>(known - m_history.begin());
  } else {
    m_history.resize(static_cast<std::size_t>(m_index + 1));
    m_history.push_back(url);
    m_index = static_cast<int>(m_history.size()) - 1;
  }
  if (m_fromAddressBox) {
    m_fromAddressBox = false;
    std::erase(m_addresses, m_address);
    m_addresses.insert(m_addresses.begin(), m_address);
  }
  if (OnStatusText) OnStatusText(m_address);
  Changed();
}

void TBrowserDlg::NavigateComplete() {
  UpdateButtons();
  Changed();
}

void TBrowserDlg::UpdateButtons() {
  Action("BackBtn").SetEnabled(!m_history.empty() && m_index > 0);
  Action("ForwardBtn").SetEnabled(m_index < static_cast<int>(m_history.size()) - 1);
}

bool TBrowserDlg::KeyDown(TKey key, TShiftState shift) {
  if ((shift & (ssShift | ssCtrl | ssAlt)) != ssAlt) return false;
  if (key == vk::Left) return Action("BackBtn").Execute();
  if (key == vk::Right) return Action("ForwardBtn").Execute();
  return false;
}

void TBrowserDlg::Changed() {
  if (OnStateChange) OnStateChange();
}

}  // namespace qs
