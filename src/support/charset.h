// A set of 8-bit characters, as the identifier sets of a syntax block use, and
// its compact text form ("A-Z_a-z") in which such sets are stored.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "support/qschar.h"

namespace qs {

class CharSet {
 public:
  CharSet() = default;
  // Every character from first to last inclusive (either order); characters
  // above 255 fall outside the set's reach and are left out.
  static CharSet Range(Char first, Char last);

  // Plain words rather than std::bitset: no range check on the hot path.
  [[nodiscard]] bool Contains(Char c) const noexcept {
    return c < 256 && ((m_words[c >> 6] >> (c & 63)) & 1) != 0;
  }
  // A character above 255 cannot be a member: Add ignores it.
  void Add(Char c) noexcept;
  void AddRange(Char first, Char last) noexcept;
  void Remove(Char c) noexcept;
  [[nodiscard]] bool Empty() const noexcept {
    return (m_words[0] | m_words[1] | m_words[2] | m_words[3]) == 0;
  }

  bool operator==(const CharSet& other) const = default;

 private:
  std::array<std::uint64_t, 4> m_words{};
};

// The members in ascending order; a run of two or more consecutive characters
// is "first-last"; "\" and "-" are escaped with "\" where a reader would take
// them as syntax. The result is UTF-8 (characters 128..255 take two bytes).
std::string CharSetToText(const CharSet& set);

// Reads the text form. Rules beyond the writer's output, so that hand-edited
// text never fails: a "-" with nothing before or after it is a literal "-"; a
// "\" at the end is a literal "\"; a range may be written high to low; a
// character above 255 is ignored, and a range reaching past 255 stops at 255.
CharSet CharSetFromText(StringView text);

}  // namespace qs
