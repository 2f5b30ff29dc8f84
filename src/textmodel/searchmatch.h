// Finding a pattern in a sequence of lines, plain or as a regular expression,
// forwards or backwards, optionally as whole words. Matches never span lines.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "regex/regex.h"
#include "support/qschar.h"

namespace qs {

// Gives the text of a 0-based line; the view must stay valid until the next call.
using TLineSource = std::function<StringView(std::int32_t line)>;

struct TSearchPattern {
  String text;
  bool caseSensitive = false;
  bool regularExpr = false;
  bool wholeWords = false;
};

struct TLineHit {
  std::int32_t line = 0;
  std::int32_t column = 0;  // 0-based
  std::int32_t length = 0;
  bool operator==(const TLineHit&) const = default;
};

// Where a search begins: a caret between characters that an earlier search may
// have left (forward the character after it is the first looked at, backward
// the one before it, and an empty match at the caret itself is passed over),
// or the edge of the lines (the first character, or the end of the last line).
struct TSearchStart {
  std::int32_t line = 0;
  std::int32_t caret = 0;
  bool atEdge = false;
};

class TLineMatcher {
 public:
  using Delimiter = std::function<bool(Char)>;
  // Throws RegexError for an invalid regular expression.
  TLineMatcher(const TSearchPattern& pattern, Delimiter isDelimiter);

  // lineText must give the text of lines 0..lineCount-1.
  [[nodiscard]] std::optional<TLineHit> Find(std::int32_t lineCount, const TLineSource& lineText,
                                             TSearchStart start, bool forward) const;

 private:
  struct Hit {
    std::int32_t start;  // 0-based
    std::int32_t length;
  };
  // The first (forward) or last (backward) acceptable match on one line;
  // caret < 0 means the whole line.
  std::optional<Hit> InLine(StringView text, std::int32_t caret, bool forward) const;
  std::optional<Hit> Raw(StringView text, std::int32_t from, bool forward, bool fromCaret) const;
  bool IsWholeWord(StringView text, const Hit& hit) const;
  std::int32_t RetryFrom(StringView text, const Hit& hit, bool forward) const;

  TSearchPattern m_pattern;
  String m_folded;  // the plain pattern, upper-cased when case is ignored
  std::optional<TRegExpr> m_regex;
  Delimiter m_isDelimiter;
};

}  // namespace qs
