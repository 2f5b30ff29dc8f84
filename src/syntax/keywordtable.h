// A set of keywords looked up by a token's text without copying it: an open
// hash table over the words, folded to lower case when the block ignores case.
#pragma once

#include <cstdint>
#include <vector>

#include "support/qschar.h"
#include "support/unicodecase.h"

namespace qs {

// Lower case for comparisons that ignore case; ASCII without a table lookup.
inline Char FoldCase(Char c) {
  if (c < 128) return (c >= U'A' && c <= U'Z') ? c + 32 : c;
  return ToLowerChar(c);
}

class TKeywordTable {
 public:
  explicit TKeywordTable(bool caseSensitive = false) : m_caseSensitive(caseSensitive) {}
  void Add(StringView word);
  bool Contains(StringView word) const;
  bool Empty() const noexcept { return m_count == 0; }

 private:
  std::uint64_t Hash(StringView word) const;
  bool Equal(StringView stored, StringView word) const;
  void Grow();

  bool m_caseSensitive;
  std::vector<String> m_slots;  // empty string: free slot
  std::size_t m_count = 0;
};

}  // namespace qs
