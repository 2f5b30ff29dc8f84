#include "textmodel/undolist.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <type_traits>

namespace qs {

// A long step is millions of records: they stay plain values, owning nothing.
static_assert(std::is_trivially_copyable_v<TUndoRecord>);
static_assert(sizeof(TUndoRecord) <= 56);

namespace {

// Halves a container's storage once under a quarter of it is in use.
template <typename Container>
void ShrinkWhenSparse(Container& c, std::size_t least) {
  if (c.capacity() <= least || c.size() >= c.capacity() / 4) return;
  Container smaller;
  smaller.reserve(c.capacity() / 2);
  smaller.insert(smaller.end(), std::make_move_iterator(c.begin()),
                 std::make_move_iterator(c.end()));
  c.swap(smaller);
}

}  // namespace

TUndoRecord& TUndoList::Append() {
  TUndoRecord& r = m_records.emplace_back();
  r.TextAt = m_text.size();
  r.BytesAt = m_bytes.size();
  return r;
}

void TUndoList::AttachPayload(StringView text, std::string_view style,
                              const std::vector<std::string>& lineData) {
  TUndoRecord& r = m_records.back();
  r.TextSize = static_cast<std::uint32_t>(text.size());
  r.StyleSize = static_cast<std::uint32_t>(style.size());
  r.LineDataCount = static_cast<std::uint32_t>(lineData.size());
  m_text.append(text);
  m_bytes.append(style);
  // Each LineData string goes in after its length.
  for (const std::string& data : lineData) {
    const auto size = static_cast<std::uint32_t>(data.size());
    char length[sizeof size];
    std::memcpy(length, &size, sizeof size);
    m_bytes.append(length, sizeof size);
    m_bytes.append(data);
  }
}

StringView TUndoList::Text(const TUndoRecord& r) const {
  return StringView(m_text).substr(r.TextAt, r.TextSize);
}

std::string_view TUndoList::StyleData(const TUndoRecord& r) const {
  return std::string_view(m_bytes).substr(r.BytesAt, r.StyleSize);
}

std::vector<std::string> TUndoList::LineData(const TUndoRecord& r) const {
  std::vector<std::string> out;
  out.reserve(r.LineDataCount);
  std::size_t at = r.BytesAt + r.StyleSize;
  for (std::uint32_t i = 0; i < r.LineDataCount; ++i) {
    std::uint32_t size = 0;
    std::memcpy(&size, m_bytes.data() + at, sizeof size);
    at += sizeof size;
    out.emplace_back(m_bytes, at, size);
    at += size;
  }
  return out;
}

void TUndoList::FoldCaretMoves() {
  if (m_records.size() < 2) return;
  const TUndoRecord& newest = m_records.back();
  TUndoRecord& before = m_records[m_records.size() - 2];
  if (newest.Kind != ukCaretMoved || before.Kind != ukCaretMoved || newest.First ||
      newest.UpdateCode != before.UpdateCode || newest.InBlock != before.InBlock)
    return;
  before.DeltaLine += newest.DeltaLine;
  before.DeltaColumn += newest.DeltaColumn;
  RemoveLast();
}

void TUndoList::RemoveLast() {
  if (m_records.empty()) return;
  m_text.resize(m_records.back().TextAt);
  m_bytes.resize(m_records.back().BytesAt);
  m_records.pop_back();
  ShrinkWhenSparse(m_records, 64);
  ShrinkWhenSparse(m_text, 1024);
  ShrinkWhenSparse(m_bytes, 1024);
}

void TUndoList::RemoveFirst(std::int32_t n) {
  n = std::clamp<std::int32_t>(n, 0, Count());
  m_records.erase(m_records.begin(), m_records.begin() + n);
  if (m_records.empty()) {
    m_text.clear();
    m_bytes.clear();
    return;
  }
  // The oldest record left starts its payload where the dropped ones' ended.
  const std::uint64_t textCut = m_records.front().TextAt;
  const std::uint64_t bytesCut = m_records.front().BytesAt;
  m_text.erase(0, textCut);
  m_bytes.erase(0, bytesCut);
  for (TUndoRecord& r : m_records) {
    r.TextAt -= textCut;
    r.BytesAt -= bytesCut;
  }
}

void TUndoList::Clear() noexcept {
  std::vector<TUndoRecord>().swap(m_records);
  String().swap(m_text);
  std::string().swap(m_bytes);
}

std::size_t TUndoList::HeldBytes() const noexcept {
  return m_records.capacity() * sizeof(TUndoRecord) + m_text.capacity() * sizeof(Char) +
         m_bytes.capacity();
}

std::int32_t TUndoList::NewestTextChange() const noexcept {
  for (std::int32_t i = Count() - 1; i >= 0; --i)
    if ((*this)[i].ChangesText()) return i;
  return -1;
}

bool TUndoList::TextChangedAfter(std::int32_t index) const noexcept {
  for (std::int32_t i = std::max(index + 1, 0); i < Count(); ++i)
    if ((*this)[i].ChangesText()) return true;
  return false;
}

}  // namespace qs
