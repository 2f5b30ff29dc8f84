#include "syntax/keywordtable.h"

namespace qs {
namespace {

std::uint64_t LengthBit(std::size_t length) {
  return std::uint64_t{1} << (length < 63 ? length : 63);
}

}  // namespace

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
  std::vector<Slot> old = std::move(m_slots);
  m_slots.assign(old.empty() ? 16 : old.size() * 2, Slot());
  m_count = 0;
  for (Slot& s : old)
    if (!s.word.empty()) Insert(std::move(s.word), s.hash, s.value);
}

void TKeywordTable::Insert(String folded, std::uint64_t hash, int value) {
  const std::size_t mask = m_slots.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    Slot& slot = m_slots[i];
    if (slot.word.empty()) {
      m_lengths |= LengthBit(folded.size());
      slot = Slot{std::move(folded), hash, value};
      ++m_count;
      return;
    }
    if (slot.hash == hash && slot.word == folded) return;
  }
}

void TKeywordTable::Add(StringView word, int value) {
  if (word.empty()) return;
  if ((m_count + 1) * 2 > m_slots.size()) Grow();
  String folded(word);
  if (!m_caseSensitive)
    for (Char& c : folded) c = FoldCase(c);
  const std::uint64_t hash = Hash(folded);
  if (m_caseSensitive)
    m_firsts.Add(folded.front());
  else
    for (Char c = 0; c < 256; ++c)
      if (FoldCase(c) == folded.front()) m_firsts.Add(c);
  Insert(std::move(folded), hash, value);
}

int TKeywordTable::Find(StringView word) const {
  if (m_count == 0 || word.empty() || (m_lengths & LengthBit(word.size())) == 0) return -1;
  if (word.front() < 256 && !m_firsts.Contains(word.front())) return -1;
  const std::uint64_t hash = Hash(word);
  const std::size_t mask = m_slots.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = m_slots[i];
    if (slot.word.empty()) return -1;
    if (slot.hash == hash && Equal(slot.word, word)) return slot.value;
  }
}

}  // namespace qs
