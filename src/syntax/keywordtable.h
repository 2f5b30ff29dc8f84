// A set of keywords looked up by a token's text without copying it: an open
// hash table over the words, folded to lower case when the block ignores case,
// each word carrying a value (the first one it was added with).
#pragma once

#include <cstdint>
#include <vector>

#include "support/charset.h"
#include "support/qschar.h"
#include "support/unicodecase.h"

namespace qs {

// Lower case for comparisons that ignore case; ASCII without a table lookup.
inline Char FoldCase(Char c) {
  if (c < 128) return c - U'A' < 26u ? c + 32 : c;
  return ToLowerChar(c);
}

// The other case of an ASCII letter; any other character stays as it is.
inline Char OtherAsciiCase(Char c) {
  if (c - U'a' < 26u) return c - 32;
  if (c - U'A' < 26u) return c + 32;
  return c;
}

class TKeywordTable {
 public:
  explicit TKeywordTable(bool caseSensitive = false) : m_caseSensitive(caseSensitive) {}
  // A word already present keeps its first value.
  void Add(StringView word, int value = 0);
  // The word's value, or -1 when it is not in the table.
  int Find(StringView word) const;
  bool Contains(StringView word) const { return Find(word) >= 0; }
  bool Empty() const noexcept { return m_count == 0; }

 private:
  struct Slot {
    String word;  // empty: free slot
    std::uint64_t hash = 0;
    int value = 0;
  };
  std::uint64_t Hash(StringView word) const;
  bool Equal(StringView stored, StringView word) const;
  void Grow();
  void Insert(String folded, std::uint64_t hash, int value);

  bool m_caseSensitive;
  std::vector<Slot> m_slots;
  // Lengths of the stored words (bit n for length n, the last bit for any
  // longer): most identifiers are ruled out before hashing.
  std::uint64_t m_lengths = 0;
  // First characters below 256 of the stored words, in every case that
  // folds to them: most identifiers are ruled out by their first character.
  CharSet m_firsts;
  std::size_t m_count = 0;
};

}  // namespace qs
