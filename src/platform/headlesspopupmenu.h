// A menu host for tests: it records every menu shown (captions, enabled
// states, place) and picks the item a test named beforehand, if any.
#pragma once

#include <optional>
#include <utility>

#include "platform/popupmenu.h"

namespace qs {

struct ShownMenu {
  std::vector<TPopupItem> items;
  TPoint screen;
};

class HeadlessPopupMenuHost final : public IPopupMenuHost {
 public:
  int Popup(const std::vector<TPopupItem>& items, TPoint screen) override;

  // The caption the next menu is answered with; without one the menu is
  // dismissed. A caption that is missing or disabled picks nothing.
  void PickNext(String caption) { m_pick = std::move(caption); }
  [[nodiscard]] const std::vector<ShownMenu>& Shown() const { return m_shown; }

 private:
  std::optional<String> m_pick;
  std::vector<ShownMenu> m_shown;
};

}  // namespace qs
