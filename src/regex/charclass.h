// The character set of a "[...]" class, and the plain ASCII case folding that
// every comparison of the engine uses when matching case-insensitively.
#pragma once

#include <bitset>
#include <utility>
#include <vector>

#include "support/qschar.h"

namespace qs::rx {

// a..z to A..Z; every other code point is its own fold.
constexpr Char FoldAscii(Char c) {
  return (c >= U'a' && c <= U'z') ? c - (U'a' - U'A') : c;
}

class CharClass {
 public:
  // Adds lo..hi; a range whose end lies before its start adds nothing.
  void AddRange(Char lo, Char hi);
  // For case-insensitive matching, where the text character is folded before
  // the test: gives every lower-case member its upper-case twin. Folding the
  // members instead of the range ends keeps ranges like "_-z" whole.
  void AddUpperCaseTwins();
  void SetNegated(bool negated) { m_negated = negated; }

  // Whether c is a member, before negation.
  bool Contains(Char c) const;
  bool Matches(Char c) const { return Contains(c) != m_negated; }
  bool Negated() const { return m_negated; }

 private:
  std::bitset<256> m_low;                           // members below 256
  std::vector<std::pair<Char, Char>> m_highRanges;  // the rest, as ranges in no order
  bool m_negated = false;
};

}  // namespace qs::rx
