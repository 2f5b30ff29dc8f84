// The search rules around the matcher: which start positions a search may
// report, in which direction, and the line-anchor patterns.
#include "regex/regex.h"

#include <algorithm>
#include <climits>
#include <string>

#include "regex/pikevm.h"
#include "regex/regexprogram.h"
#include "support/utf8.h"

namespace qs {

namespace {

std::string InvalidMaskMessage(StringView pattern, int position) {
  // The pattern is data: it is pasted in, never used as a format.
  return ToUtf8(pattern) + " is invalid mask at (" + std::to_string(position) + ")";
}

}  // namespace

RegexError::RegexError(StringView pattern, int position)
    : Error(InvalidMaskMessage(pattern, position)), m_position(position) {}

TRegExpr::TRegExpr(StringView pattern, bool caseSensitive)
    : m_pattern(pattern),
      m_caseSensitive(caseSensitive),
      m_matchesAtLineEnd(pattern == U"^" || pattern == U"$" || pattern == U"^$"),
      m_program(std::make_shared<const rx::Program>(rx::CompilePattern(pattern, caseSensitive))) {}

std::optional<RegexMatch> TRegExpr::Match(StringView text, int position, bool forward) const {
  return Search(text, position, forward, -1);
}

std::optional<RegexMatch> TRegExpr::MatchFromCaret(StringView text, int caret, bool forward) const {
  // Beyond one past the end a caret means the same as there, and clamping
  // keeps caret + 1 from overflowing.
  caret =
      std::clamp(caret, -1, static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX - 2)) + 1);
  return Search(text, forward ? caret + 1 : caret, forward, caret);
}

std::optional<RegexMatch> TRegExpr::Search(StringView text, int position, bool forward,
                                           int emptyBan) const {
  if (m_pattern.empty()) return std::nullopt;
  if (text.size() > static_cast<std::size_t>(INT_MAX - 2)) {
    throw Error("The line is too long to search");
  }
  const int length = static_cast<int>(text.size());
  // Start indexes are 0-based: 0..length-1 are characters, length is the end
  // of the line, where only the line-anchor patterns may match.
  rx::SearchWindow window;
  window.emptyBan = emptyBan;
  window.rightmost = !forward;
  if (forward) {
    window.first = std::max(position, 1) - 1;
    window.last = m_matchesAtLineEnd ? length : length - 1;
  } else {
    window.first = 0;
    window.last = std::min(position, length) - 1;
    if (m_matchesAtLineEnd && position >= length) window.last = length;
  }
  const std::optional<rx::Found> found = rx::RunProgram(*m_program, text, window);
  if (!found) return std::nullopt;
  return RegexMatch{found->start + 1, found->length};
}

}  // namespace qs
