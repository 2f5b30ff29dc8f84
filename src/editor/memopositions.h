// The view positions an editor control remembers, one per text source it
// has shown: first visible row and column and the caret, restored when the
// source is shown again. A source's record goes when the source is destroyed.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "editor/sourcewatch.h"
#include "textmodel/position.h"

namespace qs {

class TCustomMemoSource;

struct TStoredPosition {
  const TCustomMemoSource* source = nullptr;
  std::int32_t topLine = 0;
  std::int32_t leftChar = 0;
  TPosition caret;
};

class TMemoPostionStore {
 public:
  TMemoPostionStore() = default;
  TMemoPostionStore(const TMemoPostionStore&) = delete;
  TMemoPostionStore& operator=(const TMemoPostionStore&) = delete;

  // Replaces the record of source; the store watches source from now on.
  void Save(TCustomMemoSource& source, std::int32_t topLine, std::int32_t leftChar,
            TPosition caret);
  [[nodiscard]] std::optional<TStoredPosition> Find(const TCustomMemoSource& source) const;
  void Drop(const TCustomMemoSource* source);
  [[nodiscard]] std::size_t Count() const noexcept { return m_list.size(); }

 private:
  struct Entry {
    TStoredPosition position;
    std::unique_ptr<TSourceWatch> watch;
  };
  // Sorted by source address.
  template <class List>
  static auto LowerBound(List& list, const TCustomMemoSource* source);
  std::vector<Entry> m_list;
};

}  // namespace qs
