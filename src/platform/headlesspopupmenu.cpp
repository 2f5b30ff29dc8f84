#include "platform/headlesspopupmenu.h"

#include <utility>

namespace qs {

int HeadlessPopupMenuHost::Popup(const std::vector<TPopupItem>& items, TPoint screen) {
  m_shown.push_back({items, screen});
  const std::optional<String> pick = std::exchange(m_pick, std::nullopt);
  if (!pick) return -1;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].caption == *pick && items[i].enabled && !items[i].IsSeparator())
      return static_cast<int>(i);
  return -1;
}

}  // namespace qs
