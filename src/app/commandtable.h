// The main window's command table: every command in its fixed order (the
// order the shortcut list shows and stores them in), with its category,
// caption, built-in shortcut, hint and toolbar image. Operations are attached
// by the window; a command it leaves without one stays disabled.
#pragma once

#include "app/actions.h"

namespace qs {

// Fills list with the commands in their order.
void BuildCommandTable(TActionList& list);

}  // namespace qs
