// Runs a compiled program over one line: every thread of the search advances
// in step, one text position at a time, so the time is linear in the line.
#pragma once

#include <optional>

#include "regex/regexprogram.h"
#include "support/qschar.h"

namespace qs::rx {

// Which 0-based start indexes may begin a match, and which one wins.
struct SearchWindow {
  int first = 0;
  int last = -1;           // inclusive; may be the text length (an empty match at the end)
  bool rightmost = false;  // backward: the last start with a match wins, else the first
  int emptyBan = -1;       // an empty match at this index is passed over
};

struct Found {
  int start = 0;  // 0-based
  int length = 0;
};

std::optional<Found> RunProgram(const Program& program, StringView text,
                                const SearchWindow& window);

}  // namespace qs::rx
