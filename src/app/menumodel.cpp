#include "app/menumodel.h"

#include "app/actions.h"

namespace qs {

TMenuItem TMenuItem::Separator() {
  TMenuItem item;
  item.separator = true;
  return item;
}

TMenuItem TMenuItem::ForAction(TAction& action) {
  TMenuItem item;
  item.name = action.Name();
  item.action = &action;
  return item;
}

TMenuItem TMenuItem::Command(String caption, std::function<void(TMenuItem&)> onClick, int tag) {
  TMenuItem item;
  item.caption = std::move(caption);
  item.onClick = std::move(onClick);
  item.tag = tag;
  return item;
}

TMenuItem TMenuItem::Submenu(std::string name, String caption, std::vector<TMenuItem> items) {
  TMenuItem item;
  item.name = std::move(name);
  item.caption = std::move(caption);
  item.items = std::move(items);
  return item;
}

const String& TMenuItem::Caption() const {
  return action ? action->MenuCaption() : caption;
}

bool TMenuItem::IsEnabled() const {
  if (separator) return false;
  return action ? action->Enabled() : enabled;
}

bool TMenuItem::IsChecked() const {
  return action ? action->Checked() : checked;
}

void TMenuItem::Click() {
  if (!IsEnabled()) return;
  if (action) {
    action->Execute();
  } else if (onClick) {
    // A copy: the handler may rebuild the menu this item lives in.
    const auto run = onClick;
    run(*this);
  }
}

void TMenuItem::Popup() {
  if (onPopup) {
    const auto run = onPopup;
    run(*this);
  }
}

TMenuItem* TMenuItem::Find(std::string_view itemName) {
  for (TMenuItem& item : items) {
    if (item.name == itemName) return &item;
    if (TMenuItem* found = item.Find(itemName)) return found;
  }
  return nullptr;
}

String StripAccelerator(StringView caption) {
  String shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != U'&') {
      shown += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == U'&') {
      shown += U'&';
      ++i;
    }
  }
  return shown;
}

}  // namespace qs
