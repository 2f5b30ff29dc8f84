#include "dialogs/listkeys.h"

namespace qs {

void PressListKey(TKey& key, TButton& add, TButton& edit, TButton& remove) {
  TButton* button = key == vk::Return   ? &edit
                    : key == vk::Insert ? &add
                    : key == vk::Delete ? &remove
                                        : nullptr;
  if (!button || !button->Enabled()) return;
  key = 0;
  button->Click();
}

}  // namespace qs
