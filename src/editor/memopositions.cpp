#include "editor/memopositions.h"

#include <algorithm>
#include <functional>

namespace qs {

template <class List>
auto TMemoPostionStore::LowerBound(List& list, const TCustomMemoSource* source) {
  return std::lower_bound(list.begin(), list.end(), source,
                          [](const Entry& e, const TCustomMemoSource* s) {
                            return std::less<const TCustomMemoSource*>()(e.position.source, s);
                          });
}

void TMemoPostionStore::Save(TCustomMemoSource& source, std::int32_t topLine, std::int32_t leftChar,
                             TPosition caret) {
  const TStoredPosition position{&source, topLine, leftChar, caret};
  auto at = LowerBound(m_list, &source);
  if (at != m_list.end() && at->position.source == &source) {
    at->position = position;
    return;
  }
  const TCustomMemoSource* key = &source;
  auto watch = std::make_unique<TSourceWatch>(source, [this, key] { Drop(key); });
  m_list.insert(at, Entry{position, std::move(watch)});
}

std::optional<TStoredPosition> TMemoPostionStore::Find(const TCustomMemoSource& source) const {
  const auto at = LowerBound(m_list, &source);
  if (at == m_list.end() || at->position.source != &source) return std::nullopt;
  return at->position;
}

void TMemoPostionStore::Drop(const TCustomMemoSource* source) {
  const auto at = LowerBound(m_list, source);
  if (at != m_list.end() && at->position.source == source) m_list.erase(at);
}

}  // namespace qs
