// The one form of a failed file operation's message: what failed, the file in
// quotes, and the system's reason.
#pragma once

#include <cstring>
#include <string>

#include "support/errors.h"

namespace qs {

// "what "path": reason"; no reason part when reason is empty.
inline std::string FileErrorMessage(const std::string& what, const std::string& path,
                                    const std::string& reason) {
  std::string message = what + " \"" + path + "\"";
  if (!reason.empty()) message += ": " + reason;
  return message;
}

[[noreturn]] inline void FailOnFile(const std::string& what, const std::string& path,
                                    const std::string& reason) {
  throw Error(FileErrorMessage(what, path, reason));
}

// The reason is the system's text for err (none for 0).
[[noreturn]] inline void FailOnFile(const std::string& what, const std::string& path, int err) {
  FailOnFile(what, path, err != 0 ? std::string(std::strerror(err)) : std::string());
}

}  // namespace qs
