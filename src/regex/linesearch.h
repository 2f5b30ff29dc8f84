// Searching a sequence of lines (a document) with a compiled pattern, one line
// at a time: matches never span lines, so the lines are never joined.
#pragma once

#include <functional>
#include <optional>

#include "regex/regex.h"
#include "support/qschar.h"

namespace qs {

struct LineMatch {
  int line = 0;  // 0-based
  RegexMatch match;

  bool operator==(const LineMatch&) const = default;
};

// Gives the text of a 0-based line; the view must stay valid until the next call.
using LineText = std::function<StringView(int line)>;

// From a caret (line, 0-based index between characters) that an earlier search
// may have left: the caret's line is searched on from the caret, never stopping
// at the caret itself; each following line (forward) or preceding one
// (backward) is searched whole. Nothing when the caret's line is outside 0..lineCount-1.
std::optional<LineMatch> SearchLines(const TRegExpr& pattern, int lineCount,
                                     const LineText& lineText, int line, int caret, bool forward);

// Where a search that found match leaves the caret: after the match going
// forward, before it going backward. Searching again from there goes on.
constexpr int CaretAfter(const RegexMatch& match, bool forward) {
  return forward ? match.position - 1 + match.length : match.position - 1;
}

}  // namespace qs
