// The failure of a headless test whose script did not foresee a prompt or a
// modal form. It is a logic error, not a qs::Error, so the program's own error
// handling (which shows qs::Error in a message box) cannot swallow it.
#pragma once

#include <stdexcept>

namespace qs {

class UnscriptedPrompt : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

}  // namespace qs
