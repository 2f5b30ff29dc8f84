// The hint window and the popup list for tests: they keep what they were
// asked to show, and where.
#pragma once

#include "platform/hintwindow.h"
#include "platform/popuplist.h"

namespace qs {

class HeadlessHintWindow final : public IHintWindow {
 public:
  void ShowHint(const String& text, TPoint at) override;
  void SetHintText(const String& text) override { m_text = text; }
  void HideHint() override { m_visible = false; }
  bool IsHintVisible() const override { return m_visible; }

  [[nodiscard]] const String& Text() const noexcept { return m_text; }
  [[nodiscard]] TPoint Position() const noexcept { return m_at; }
  // Times ShowHint ran (a text change alone does not count).
  [[nodiscard]] int ShowCount() const noexcept { return m_shows; }

 private:
  String m_text;
  TPoint m_at;
  bool m_visible = false;
  int m_shows = 0;
};

class HeadlessPopupList final : public IPopupList {
 public:
  TSize ListSize() const override { return {306, 118}; }
  void SetEntries(std::vector<TPopupEntry> entries) override;
  const std::vector<TPopupEntry>& Entries() const override { return m_entries; }
  int Selected() const override { return m_selected; }
  void SetSelected(int index) override;
  void ShowList(TPoint at) override;
  void HideList() override { m_visible = false; }
  bool IsListVisible() const override { return m_visible; }

  [[nodiscard]] TPoint Position() const noexcept { return m_at; }
  // The names shown, in order.
  [[nodiscard]] std::vector<String> Names() const;

 private:
  std::vector<TPopupEntry> m_entries;
  int m_selected = -1;
  TPoint m_at;
  bool m_visible = false;
};

}  // namespace qs
