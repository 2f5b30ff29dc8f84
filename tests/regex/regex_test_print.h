// Readable failure output for the engine's result types.
#pragma once

#include <optional>
#include <ostream>

#include "regex/regex.h"
#include "support/utf8.h"

namespace qs {

inline void PrintTo(const RegexMatch& m, std::ostream* os) {
  *os << "(" << m.position << ", " << m.length << ")";
}

inline std::string Show(StringView text) {
  return "\"" + ToUtf8(text) + "\"";
}

}  // namespace qs
