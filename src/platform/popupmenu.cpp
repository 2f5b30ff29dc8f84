#include "platform/popupmenu.h"

namespace qs {

TPopupItem* TPopupMenu::Find(StringView caption) {
  for (TPopupItem& item : Items)
    if (item.caption == caption) return &item;
  return nullptr;
}

void ShowPopupMenu(IPopupMenuHost& host, TPopupMenu& menu, TPoint screen) {
  if (menu.OnPopup) menu.OnPopup(menu);
  const int picked = host.Popup(menu.Items, screen);
  if (picked < 0 || picked >= static_cast<int>(menu.Items.size())) return;
  const TPopupItem item = menu.Items[static_cast<std::size_t>(picked)];
  if (item.enabled && !item.IsSeparator() && item.onClick) item.onClick();
}

}  // namespace qs
