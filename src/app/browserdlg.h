// The browser window shown inside the main window for the preview: its
// toolbar commands (Back, Forward, Stop, Refresh, Home, Go!), the address
// box with its list, the page size menu and the history of visited pages,
// driving the platform's web view.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/actions.h"
#include "app/menumodel.h"
#include "platform/keys.h"
#include "support/qschar.h"

namespace qs {

class IWebBrowser;

// A fixed page area in pixels; none means the page fills the window.
struct TPageSize {
  int width = 0;
  int height = 0;
  bool operator==(const TPageSize&) const = default;
};

class TBrowserDlg {
 public:
  // The browser outlives the dialog; its events are the dialog's until then.
  explicit TBrowserDlg(IWebBrowser& browser);
  ~TBrowserDlg();
  TBrowserDlg(const TBrowserDlg&) = delete;
  TBrowserDlg& operator=(const TBrowserDlg&) = delete;

  // "BackBtn", "ForwardBtn", "StopBtn", "RefreshBtn", "HomeBtn", "GoBtn".
  TActionList& Actions() noexcept { return m_actions; }
  TAction& Action(std::string_view name) { return m_actions.Get(name); }
  // "320*240" ... "1280*1024", a separator, "Fit to Window".
  TMenuItem& SizeMenu() noexcept { return m_sizeMenu; }
  [[nodiscard]] const std::optional<TPageSize>& PageSize() const noexcept { return m_pageSize; }

  // ---- The address box (URLs) -------------------------------------------
  [[nodiscard]] const String& AddressText() const noexcept { return m_address; }
  // What the user typed; nothing navigates until Enter, a list choice or Go!.
  void SetAddressText(const String& text) { m_address = text; }
  [[nodiscard]] const std::vector<String>& AddressItems() const noexcept { return m_addresses; }
  // Enter in the box, or Go!: the box's text, the cache bypassed.
  void NavigateToAddress();
  // An entry chosen from the list.
  void ChooseAddress(int index);

  // ---- The preview ---------------------------------------------------------
  // Shows the preview copy file at url; a page already showing that copy is
  // refreshed instead when refresh is set.
  void ShowPreviewPage(const std::string& file, const std::string& url, bool refresh);
  [[nodiscard]] const std::string& PreviewFile() const noexcept { return m_previewFile; }
  [[nodiscard]] const std::string& PreviewUrl() const noexcept { return m_previewUrl; }
  // Forgets the copy (it was removed); Home still goes to its address.
  void ForgetPreviewFile() { m_previewFile.clear(); }

  // ---- History -------------------------------------------------------------
  [[nodiscard]] const std::vector<std::string>& History() const noexcept { return m_history; }
  [[nodiscard]] int HistoryIndex() const noexcept { return m_index; }

  // Alt+Left and Alt+Right press Back and Forward; true when taken.
  bool KeyDown(TKey key, TShiftState shift);

  // The main window's status bar: the address being opened, the page's texts.
  std::function<void(const String& text)> OnStatusText;
  // Anything the toolbar shows changed (address, list, page size).
  std::function<void()> OnStateChange;

 private:
  void BuildActions();
  void BuildSizeMenu();
  void SetPageSize(std::optional<TPageSize> size);
  void GoToHistoryEntry(int delta);
  void BeforeNavigate(const std::string& url, bool topLevel, bool& cancel);
  void NavigateComplete();
  void UpdateButtons();
  void Changed();

  IWebBrowser& m_browser;
  TActionList m_actions;
  TMenuItem m_sizeMenu;
  std::optional<TPageSize> m_pageSize;
  String m_address;
  std::vector<String> m_addresses;
  std::vector<std::string> m_history;
  int m_index = -1;
  bool m_fromAddressBox = false;
  std::string m_previewFile;
  std::string m_previewUrl;
};

}  // namespace qs
