#include "textmodel/internalstrings.h"

#include <algorithm>
#include <limits>

#include "support/errors.h"

namespace qs {

Char* TextBlocks::Reserve(std::size_t n) {
  if (m_blocks.empty() || m_size - m_used < n) {
    const std::size_t size = std::max(n, kBlockChars);
    // for_overwrite: the loader fills what it keeps, so zeroing would only cost page faults twice.
    m_blocks.push_back(std::make_unique_for_overwrite<Char[]>(size));
    m_used = 0;
    m_size = size;
  }
  return m_blocks.back().get() + m_used;
}

void TextBlocks::Clear() {
  m_blocks.clear();
  m_used = 0;
  m_size = 0;
}

TInternalStrings::TInternalStrings() : m_factory([] { return std::make_unique<TStringItem>(); }) {}

TInternalStrings::~TInternalStrings() = default;

String TInternalStrings::Get(int index) const {
  if (!Valid(index)) return {};
  const StringView text = m_items[index]->Text();
  return m_raw || !m_expander ? String(text) : m_expander(text);
}

StringView TInternalStrings::Stored(int index) const {
  return Valid(index) ? m_items[index]->Text() : StringView();
}

void* TInternalStrings::GetObject(int index) const {
  return Valid(index) ? m_items[index]->Obj : nullptr;
}

void TInternalStrings::Put(int index, StringView text) {
  if (!Valid(index)) return;
  m_items[index]->SetText(text);
  m_items[index]->SetFlag(kLineParsed, false);
}

void TInternalStrings::PutObject(int index, void* obj) {
  if (Valid(index)) m_items[index]->Obj = obj;
}

void TInternalStrings::Insert(int index, StringView text) {
  InsertItem(index).SetText(text);
}

void TInternalStrings::Delete(int index) {
  if (!Valid(index)) return;
  m_items.erase(m_items.begin() + index);
  if (m_log) m_log->Removed(index, 1);
}

void TInternalStrings::Clear() {
  std::vector<std::unique_ptr<TStringItem>>().swap(m_items);
  m_blocks.Clear();
  if (m_log) m_log->Replaced();
}

TStringItem* TInternalStrings::Item(int index) noexcept {
  return Valid(index) ? m_items[index].get() : nullptr;
}

const TStringItem* TInternalStrings::Item(int index) const noexcept {
  return Valid(index) ? m_items[index].get() : nullptr;
}

void TInternalStrings::Grow() {
  if (m_items.size() < m_items.capacity()) return;
  if (m_items.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max()))
    throw Error("Too many lines");
  const std::size_t capacity = m_items.capacity();
  m_items.reserve(capacity + std::max<std::size_t>(capacity / 2, 64));
}

TStringItem& TInternalStrings::InsertItem(int index) {
  index = std::clamp(index, 0, Count());
  std::unique_ptr<TStringItem> item = m_factory();
  item->LineBreak = m_newBreak;
  Grow();
  TStringItem& ref = *item;
  m_items.insert(m_items.begin() + index, std::move(item));
  if (m_log) m_log->Inserted(index, 1);
  return ref;
}

void TInternalStrings::InsertRange(int index, const std::vector<String>& texts) {
  index = std::clamp(index, 0, Count());
  if (m_items.size() + texts.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
    throw Error("Too many lines");
  std::vector<std::unique_ptr<TStringItem>> fresh;
  fresh.reserve(texts.size());
  for (const String& text : texts) {
    fresh.push_back(m_factory());
    fresh.back()->SetText(text);
    fresh.back()->LineBreak = m_newBreak;
  }
  m_items.insert(m_items.begin() + index, std::make_move_iterator(fresh.begin()),
                 std::make_move_iterator(fresh.end()));
  if (m_log) m_log->Inserted(index, static_cast<std::int32_t>(texts.size()));
}

void TInternalStrings::DeleteRange(int index, int count) {
  if (!Valid(index) || count <= 0) return;
  count = std::min(count, Count() - index);
  m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
  if (m_log) m_log->Removed(index, count);
}

void TInternalStrings::SwapContent(TInternalStrings& other) noexcept {
  m_items.swap(other.m_items);
  std::swap(m_blocks, other.m_blocks);
  if (m_log) m_log->Replaced();
  if (other.m_log) other.m_log->Replaced();
}

}  // namespace qs
