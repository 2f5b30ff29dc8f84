// Menus as plain data: the main menu, the context and gutter menus, the
// recent-file and quick settings drop-downs. An item either stands for a
// command (its caption, enabled and checked state are the action's) or has
// its own caption and click handler. The backend builds its widgets from this.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "support/qschar.h"

namespace qs {

class TAction;

struct TMenuItem {
  std::string name;  // for finding a submenu; may be empty
  String caption;    // ignored when action is set
  TAction* action = nullptr;
  bool separator = false;
  bool enabled = true;  // ignored when action is set
  bool checked = false;
  bool checkable = false;
  bool breakColumn = false;  // starts a new column of its menu
  int tag = 0;
  std::function<void(TMenuItem& item)> onClick;
  // Runs before the submenu shows, so it can rebuild or re-check its items.
  std::function<void(TMenuItem& menu)> onPopup;
  std::vector<TMenuItem> items;

  static TMenuItem Separator();
  static TMenuItem ForAction(TAction& action);
  static TMenuItem Command(String caption, std::function<void(TMenuItem&)> onClick, int tag = 0);
  static TMenuItem Submenu(std::string name, String caption, std::vector<TMenuItem> items = {});

  const String& Caption() const;
  bool IsEnabled() const;
  bool IsChecked() const;
  // The action's, or onClick; nothing when disabled.
  void Click();
  // onPopup, as a backend calls it right before showing the submenu.
  void Popup();
  // The first item of that name at any depth, or nullptr.
  TMenuItem* Find(std::string_view itemName);
};

// The caption as a menu shows it: without the "&" access key marks ("&&"
// stays one "&").
String StripAccelerator(StringView caption);

}  // namespace qs
