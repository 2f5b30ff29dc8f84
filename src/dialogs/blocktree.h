// The block tree of a scheme as the scheme editor shows it: the first block
// is the first root, every other block hangs below the block its ParentID
// names, and the collection is kept in the tree's top-down order.
#pragma once

#include <cstdint>
#include <vector>

namespace qs {

class TSyntaxScheme;

struct TBlockNode {
  std::int32_t id = -1;
  int level = 0;
  bool operator==(const TBlockNode&) const = default;
};

// Builds the tree in top-down order. A block whose parent is missing, is the
// block itself or lies on a cycle of parents would never be placed; such a
// block becomes a root and its ParentID is cleared, so that the tree shown
// is the tree the scheme holds.
std::vector<TBlockNode> BuildBlockTree(TSyntaxScheme& scheme);

// Builds the tree and moves the blocks so that the collection order is the
// tree's top-down order; returns the tree.
std::vector<TBlockNode> PutBlocksInTreeOrder(TSyntaxScheme& scheme);

// Whether block id is ancestor or lies below it.
[[nodiscard]] bool IsInSubtree(const TSyntaxScheme& scheme, std::int32_t id, std::int32_t ancestor);

}  // namespace qs
