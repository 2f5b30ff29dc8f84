#include "syntax/keywordtable.h"

namespace qs {

std::uint64_t TKeywordTable::Hash(StringView word) const {
  std::uint64_t h = 1469598103934665603ull;
  for (Char c : word) {
    h ^= m_caseSensitive ? c : FoldCase(c);
    h *= 1099511628211ull;
  }
  return h;
}

bool TKeywordTable::Equal(StringView stored, StringView word) const {
  if (stored.size() != word.size()) return false;
  if (m_caseSensitive) return stored == word;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (stored[i] != FoldCase(word[i])) return false;
  return true;
}

void TKeywordTable::Grow() {
  std::vector<String> old = std::move(m_slots);
  m_slots.assign(old.empty() ? 16 : old.size() * 2, String());
  m_count = 0;
  for (String& w : old)
    if (!w.empty()) Add(w);
}

void TKeywordTable::Add(StringView word) {
  if (word.empty()) return;
  if ((m_count + 1) * 2 > m_slots.size()) Grow();
  String folded(word);
  if (!m_caseSensitive)
    for (Char& c : folded) c = FoldCase(c);
  const std::size_t mask = m_slots.size() - 1;
  for (std::size_t i = Hash(folded) & mask;; i = (i + 1) & mask) {
    if (m_slots[i].empty()) {
      m_slots[i] = std::move(folded);
      ++m_count;
      return;
    }
    if (m_slots[i] == folded) return;
  }
}

bool TKeywordTable::Contains(StringView word) const {
  if (m_count == 0 || word.empty()) return false;
  const std::size_t mask = m_slots.size() - 1;
  for (std::size_t i = Hash(word) & mask;; i = (i + 1) & mask) {
    if (m_slots[i].empty()) return false;
    if (Equal(m_slots[i], word)) return true;
  }
}

}  // namespace qs
