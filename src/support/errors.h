// The exceptions that carry the system's message texts to the boundary where a
// message box shows them.
#pragma once

#include <stdexcept>
#include <string>

namespace qs {

// An operation failed; what() is the text the user sees (UTF-8).
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Outside data could not be read; line is 1-based, 0 when the reader has no lines.
class ParseError : public Error {
 public:
  ParseError(const std::string& message, int line = 0) : Error(message), line_(line) {}
  int Line() const { return line_; }

 private:
  int line_;
};

// The user cancelled: the pending command ends silently.
class Abort : public std::exception {
 public:
  const char* what() const noexcept override { return "Operation aborted"; }
};

}  // namespace qs
