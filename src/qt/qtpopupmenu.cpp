#include "qt/qtpopupmenu.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

#include "qt/qtconvert.h"

namespace qs::qt {

int QtPopupMenuHost::Popup(const std::vector<TPopupItem>& items, TPoint screen) {
  QMenu menu(m_parent);
  std::vector<QAction*> actions;
  for (const TPopupItem& item : items) {
    QAction* action =
        item.IsSeparator() ? menu.addSeparator() : menu.addAction(ToQString(item.caption));
    action->setEnabled(item.enabled && !item.IsSeparator());
    actions.push_back(action);
  }
  QAction* picked = menu.exec(ToQPoint(screen));
  if (picked == nullptr) return -1;
  const auto it = std::find(actions.begin(), actions.end(), picked);
  return it == actions.end() ? -1 : static_cast<int>(it - actions.begin());
}

}  // namespace qs::qt
