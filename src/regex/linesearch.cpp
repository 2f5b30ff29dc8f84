#include "regex/linesearch.h"

namespace qs {

std::optional<LineMatch> SearchLines(const TRegExpr& pattern, int lineCount,
                                     const LineText& lineText, int line, int caret, bool forward) {
  if (line < 0 || line >= lineCount) return std::nullopt;
  if (auto found = pattern.MatchFromCaret(lineText(line), caret, forward)) {
    return LineMatch{line, *found};
  }
  const int step = forward ? 1 : -1;
  for (line += step; line >= 0 && line < lineCount; line += step) {
    const StringView text = lineText(line);
    const int from = forward ? 1 : static_cast<int>(text.size());
    if (auto found = pattern.Match(text, from, forward)) return LineMatch{line, *found};
  }
  return std::nullopt;
}

}  // namespace qs
