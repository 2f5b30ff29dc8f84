// The one form of a failed file operation's message: what failed, the file in
// quotes, and the system's reason.
#pragma once

#include <cstring>
#include <string>

#include "support/errors.h"

namespace qs {

[[noreturn]] inline void FailOnFile(const std::string& what, const std::string& path, int err) {
  std::string message = what + " \"" + path + "\"";
  if (err != 0) message += ": " + std::string(std::strerror(err));
  throw Error(message);
}

}  // namespace qs
