#include "editor/attributeparser.h"

#include <array>

#include "textmodel/qsstring.h"

namespace qs {

AttributeTableFull::AttributeTableFull()
    : Error(
          "The text uses as many different character formats as it can hold (255); "
          "the format was not applied.") {}

TAttributeParser::TAttributeParser(THost host) : m_host(std::move(host)), m_entries(1) {}

void TAttributeParser::PrepareStyleBytes(std::int32_t, StringView text, std::string& styleBytes) {
  styleBytes.resize(text.size(), '\0');
}

std::int32_t TAttributeParser::ParseLine(StringView, std::int32_t startState, bool, std::string&) {
  return startState;
}

TAttributeSet TAttributeParser::UrlAttributes() const {
  if (m_host.urlAttributes)
    if (std::optional<TAttributeSet> url = m_host.urlAttributes()) return *url;
  return Attributes(0);
}

TAttributeSet TAttributeParser::Attributes(int index) const {
  if (index > 0 && index < Count()) return m_entries[static_cast<std::size_t>(index)];
  if (index == kUrlIndex) return UrlAttributes();
  return m_host.controlAttributes ? m_host.controlAttributes() : TAttributeSet{};
}

TAttributeLook TAttributeParser::AttributeLook(std::int32_t id) const {
  const TAttributeSet set = Attributes(id);
  TAttributeLook look;
  look.font = ToFontSpec(set);
  look.color = set.color;
  // The control's own background is left to the row, so the caret line and
  // the background picture show through it.
  if (set.backColor != Attributes(0).backColor) look.background = set.backColor;
  return look;
}

int TAttributeParser::FindOrAddAttributes(const TAttributeSet& set) {
  if (set == Attributes(0)) return 0;
  if (const auto found = m_cache.find(set); found != m_cache.end()) return found->second;
  if (Count() < kMaxEntries) return Append(set);
  const std::optional<int> free = TakeFreeIndex();
  if (!free) throw AttributeTableFull();
  // The old set of a reused index must not be found for it any more.
  if (const auto old = m_cache.find(m_entries[static_cast<std::size_t>(*free)]);
      old != m_cache.end() && old->second == *free)
    m_cache.erase(old);
  m_entries[static_cast<std::size_t>(*free)] = set;
  m_cache.emplace(set, *free);
  return *free;
}

int TAttributeParser::Append(const TAttributeSet& set) {
  // The URL index keeps the look of addresses; it never stands for a format.
  if (Count() == kUrlIndex) m_entries.push_back(UrlAttributes());
  m_entries.push_back(set);
  const int index = Count() - 1;
  m_cache.emplace(set, index);
  return index;
}

// An index may be reused only while nothing to undo or redo can still hold
// it, so the free list is made only then, from the indexes no line uses.
std::optional<int> TAttributeParser::TakeFreeIndex() {
  if (m_free.empty()) {
    const TCustomMemoSource* source = m_host.source ? m_host.source() : nullptr;
    if (source == nullptr || source->CanUndo() || source->CanRedo()) return std::nullopt;
    std::array<bool, kMaxEntries> used{};
    used[0] = used[kUrlIndex] = true;
    for (std::int32_t l = 0; l < source->LineCount(); ++l)
      for (const char b : source->GetLineItem(l)->StyleBytes)
        used[static_cast<unsigned char>(b)] = true;
    for (int i = kMaxEntries - 1; i > 0; --i)
      if (!used[static_cast<std::size_t>(i)]) m_free.push_back(i);
  }
  if (m_free.empty()) return std::nullopt;
  const int index = m_free.back();
  m_free.pop_back();
  return index;
}

void TAttributeParser::ClearAttributes() {
  m_entries.resize(1);
  m_cache.clear();
  m_free.clear();
}

void TAttributeParser::RestoreEntries(std::vector<TAttributeSet> entries) {
  if (entries.empty() || entries.size() > kMaxEntries) return;
  m_entries = std::move(entries);
  m_free.clear();
  RebuildCache();
}

void TAttributeParser::RebuildCache() {
  m_cache.clear();
  for (int i = 1; i < Count(); ++i)
    if (i != kUrlIndex) m_cache.emplace(m_entries[static_cast<std::size_t>(i)], i);
}

}  // namespace qs
