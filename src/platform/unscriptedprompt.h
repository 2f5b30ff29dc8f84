// The failure of a headless test whose script did not foresee a prompt or a
// modal form. It is a harness failure, not a qs::Error, so the program's own
// error boundaries (which show what they catch in a message box) let it pass.
#pragma once

#include "support/guardedcall.h"

namespace qs {

class UnscriptedPrompt : public HarnessFailure {
 public:
  using HarnessFailure::HarnessFailure;
};

}  // namespace qs
