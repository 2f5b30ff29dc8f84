// An update of the document for the length of a scope: opened with the code
// that names the edit, and closed, with the listeners told, however the scope
// is left. An exception thrown halfway through an edit therefore leaves the
// document's update depth right and its views up to date with what changed.
#pragma once

#include <exception>

namespace qs {

class TCustomMemoSource;

class TUpdateBracket {
 public:
  enum Kind { Plain, Tracked };
  TUpdateBracket(TCustomMemoSource& source, int code, Kind kind = Plain);
  // Closing tells the listeners; what they throw goes on, unless another
  // exception is already leaving the scope: that one is the error to report.
  ~TUpdateBracket() noexcept(false);
  TUpdateBracket(const TUpdateBracket&) = delete;
  TUpdateBracket& operator=(const TUpdateBracket&) = delete;

 private:
  TCustomMemoSource& m_source;
  int m_exceptions;
};

}  // namespace qs
