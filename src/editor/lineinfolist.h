// One record for the last display row of every line that wraps: what
// proportional layout needs to know of that row (its width and height in
// pixels), kept in line order and shifted with the lines like the breaks.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "editor/wordwraptree.h"

namespace qs {

struct TLineInfo {
  std::int32_t column = 0;  // always 0: one record per line
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool operator==(const TLineInfo&) const = default;
};

class TLineInfoList {
 public:
  using Tree = TLineRecordTree<TLineInfo>;

  [[nodiscard]] std::size_t Count() const noexcept { return m_tree.Size(); }
  void Clear() noexcept { m_tree.Clear(); }
  void Assign(const std::vector<Tree::Item>& items) { m_tree.Assign(items); }
  [[nodiscard]] std::vector<Tree::Item> Items() const { return m_tree.Items(); }
  [[nodiscard]] std::optional<TLineInfo> Find(std::int32_t line) const;
  // nullopt removes the line's record.
  void Set(std::int32_t line, const std::optional<TLineInfo>& info);
  void LinesInserted(std::int32_t at, std::int32_t count) { m_tree.LinesInserted(at, count); }
  void LinesRemoved(std::int32_t at, std::int32_t count) { m_tree.LinesRemoved(at, count); }
  void RemoveFrom(std::int32_t line) { m_tree.RemoveFrom(line); }

 private:
  Tree m_tree;
};

}  // namespace qs
