// The keys every list of the scheme editor (and its block tree) shares.
#pragma once

#include "platform/controls.h"

namespace qs {

// Enter presses edit, Insert add and Delete remove, each only while that
// button is enabled; a key that pressed one is consumed.
void PressListKey(TKey& key, TButton& add, TButton& edit, TButton& remove);

}  // namespace qs
