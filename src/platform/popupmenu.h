// Pop-up menus: a list of captioned items shown at a screen point, of which
// the user picks one or none. "-" is a separator; "&" marks the mnemonic.
#pragma once

#include <functional>
#include <vector>

#include "platform/geometry.h"
#include "support/qschar.h"

namespace qs {

struct TPopupItem {
  String caption;
  bool enabled = true;
  std::function<void()> onClick;

  [[nodiscard]] bool IsSeparator() const { return caption == U"-"; }
};

// A menu a control owns and shows on request; OnPopup may update the items
// (their enabled states) right before they are shown.
class TPopupMenu {
 public:
  std::vector<TPopupItem> Items;
  std::function<void(TPopupMenu&)> OnPopup;

  // The item with this caption, or nullptr.
  [[nodiscard]] TPopupItem* Find(StringView caption);
};

class IPopupMenuHost {
 public:
  virtual ~IPopupMenuHost() = default;
  // Shows items at the screen point and returns the index of the item the
  // user picked (only an enabled, non-separator one), or -1. The caller runs
  // the item, after the menu is gone.
  [[nodiscard]] virtual int Popup(const std::vector<TPopupItem>& items, TPoint screen) = 0;
};

// Shows the menu and runs the picked item's handler.
void ShowPopupMenu(IPopupMenuHost& host, TPopupMenu& menu, TPoint screen);

}  // namespace qs
