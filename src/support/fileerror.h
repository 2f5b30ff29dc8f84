// The one form of a failed file operation's message: what failed, the file in
// quotes, and the system's reason.
#pragma once

#include <cstdint>
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

// The reason given for a file refused by its size: "it is larger than 4 MB"
// for whole megabytes, else the bound in bytes.
inline std::string TooLargeReason(std::uint64_t maxBytes) {
  constexpr std::uint64_t kMB = 1024 * 1024;
  return "it is larger than " + (maxBytes % kMB == 0 ? std::to_string(maxBytes / kMB) + " MB"
                                                     : std::to_string(maxBytes) + " bytes");
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
