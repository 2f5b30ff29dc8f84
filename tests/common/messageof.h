// The message of the qs::Error an action raises, or "(no error)", so a test
// can compare the exact text the user would see.
#pragma once

#include <functional>
#include <string>

#include "support/errors.h"

namespace qs {

inline std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& e) {
    return e.what();
  }
  return "(no error)";
}

}  // namespace qs
