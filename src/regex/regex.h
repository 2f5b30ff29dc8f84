// Our regular-expression engine: a pattern compiled once into a program and
// matched against one line at a time, in time linear in the line whatever the
// pattern. There is no alternation, no capture and no matching across lines.
#pragma once

#include <memory>
#include <optional>

#include "support/errors.h"
#include "support/qschar.h"

namespace qs {

namespace rx {
struct Program;
}

// A match: the 1-based position of its first character and its length. An
// empty match at the end of a line has position length + 1.
struct RegexMatch {
  int position = 0;
  int length = 0;

  bool operator==(const RegexMatch&) const = default;
};

// A pattern that does not compile. what() is the user's message, naming the
// pattern and the 1-based position of the offending character.
class RegexError : public Error {
 public:
  RegexError(StringView pattern, int position);
  int Position() const { return m_position; }

 private:
  int m_position;
};

// An immutable compiled pattern; copies share the program, and one object may
// be matched from several threads at once.
//
// Among the matches a search may report, the leftmost (forward) or rightmost
// (backward) start wins; from one start, the match is the first that greedy
// repetition reaches, trying more repetitions before fewer. Each repetition of
// a "*" group, and each after the first of a "+" group, must consume text.
class TRegExpr {
 public:
  // Throws RegexError when the pattern is invalid. ASCII letters compare
  // without regard to case unless caseSensitive.
  TRegExpr(StringView pattern, bool caseSensitive);

  const String& Pattern() const { return m_pattern; }
  bool CaseSensitive() const { return m_caseSensitive; }

  // Searches text from the 1-based position, forward for the first match that
  // starts at or after it, backward for the last one that starts at or before
  // it (a position past the end counts as the end). Only the patterns "^", "$"
  // and "^$" match at the end of a line (so on an empty line): going backward
  // they find it only from a position at or past the line's length. The empty
  // pattern finds nothing.
  [[nodiscard]] std::optional<RegexMatch> Match(StringView text, int position, bool forward) const;

  // The search that goes on from a caret (a 0-based index between characters)
  // left where an earlier search stopped: forward from the character after the
  // caret, backward from the one before it, passing over an empty match at the
  // caret itself so that repeated searches never stop twice at one place.
  [[nodiscard]] std::optional<RegexMatch> MatchFromCaret(StringView text, int caret,
                                                         bool forward) const;

 private:
  std::optional<RegexMatch> Search(StringView text, int position, bool forward, int emptyBan) const;

  String m_pattern;
  bool m_caseSensitive;
  bool m_matchesAtLineEnd;  // the pattern is "^", "$" or "^$"
  std::shared_ptr<const rx::Program> m_program;
};

}  // namespace qs
