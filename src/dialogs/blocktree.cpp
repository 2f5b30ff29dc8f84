#include "dialogs/blocktree.h"

#include <deque>

#include "syntax/qsSyntax.h"

namespace qs {

namespace {

struct Node {
  int block = 0;  // index in the collection
  std::vector<int> children;
};

class TreeBuilder {
 public:
  explicit TreeBuilder(TSyntaxScheme& scheme) : m_blocks(scheme.SyntaxBlocks()) {}

  std::vector<int> TopDown() {
    const int count = m_blocks.Count();
    if (count == 0) return {};
    m_nodes.reserve(static_cast<std::size_t>(count));
    AddRoot(0);
    std::deque<int> queue;
    for (int i = 1; i < count; ++i) queue.push_back(i);
    std::size_t unplacedRun = 0;
    while (!queue.empty()) {
      const int block = queue.front();
      queue.pop_front();
      if (Place(block)) {
        unplacedRun = 0;
      } else if (++unplacedRun > queue.size()) {
        // A whole round placed nothing: the block has no parent to go to.
        m_blocks.Items(block).SetParentID(-1);
        AddRoot(block);
        unplacedRun = 0;
      } else {
        queue.push_back(block);
      }
    }
    std::vector<int> order;
    for (int root : m_roots) Walk(root, 0, order);
    return order;
  }

  const std::vector<int>& Levels() const { return m_levels; }

 private:
  bool Place(int block) {
    const TSyntaxBlock& b = m_blocks.Items(block);
    if (b.ParentID() < 0) {
      AddRoot(block);
      return true;
    }
    if (b.ParentID() == b.ID()) return false;
    for (std::size_t n = 0; n < m_nodes.size(); ++n) {
      if (m_blocks.Items(m_nodes[n].block).ID() != b.ParentID()) continue;
      m_nodes.push_back({block, {}});
      m_nodes[n].children.push_back(static_cast<int>(m_nodes.size()) - 1);
      return true;
    }
    return false;
  }
  void AddRoot(int block) {
    m_nodes.push_back({block, {}});
    m_roots.push_back(static_cast<int>(m_nodes.size()) - 1);
  }
  void Walk(int node, int level, std::vector<int>& order) {
    order.push_back(m_nodes[static_cast<std::size_t>(node)].block);
    m_levels.push_back(level);
    for (int child : m_nodes[static_cast<std::size_t>(node)].children)
      Walk(child, level + 1, order);
  }

  TSyntaxBlockList& m_blocks;
  std::vector<Node> m_nodes;
  std::vector<int> m_roots;
  std::vector<int> m_levels;
};

std::vector<TBlockNode> Tree(TSyntaxScheme& scheme, bool reorder) {
  TreeBuilder builder(scheme);
  const std::vector<int> order = builder.TopDown();
  TSyntaxBlockList& blocks = scheme.SyntaxBlocks();
  std::vector<TBlockNode> tree;
  tree.reserve(order.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    tree.push_back({blocks.Items(order[i]).ID(), builder.Levels()[i]});
  if (reorder) {
    // Blocks are moved by identity, since each move shifts the indexes after it.
    std::vector<const TSyntaxBlock*> wanted;
    for (int index : order) wanted.push_back(&blocks.Items(index));
    blocks.BeginUpdate();
    for (std::size_t i = 0; i < wanted.size(); ++i)
      if (wanted[i]->Index() != static_cast<int>(i))
        blocks.Move(wanted[i]->Index(), static_cast<int>(i));
    blocks.EndUpdate();
  }
  return tree;
}

}  // namespace

std::vector<TBlockNode> BuildBlockTree(TSyntaxScheme& scheme) {
  return Tree(scheme, false);
}

std::vector<TBlockNode> PutBlocksInTreeOrder(TSyntaxScheme& scheme) {
  return Tree(scheme, true);
}

bool IsInSubtree(const TSyntaxScheme& scheme, std::int32_t id, std::int32_t ancestor) {
  const TSyntaxBlock* block = scheme.FindBlock(id);
  // Each step climbs one block, so a cycle of parents ends after every block.
  for (int steps = 0; block && steps <= scheme.SyntaxBlocks().Count(); ++steps) {
    if (block->ID() == ancestor) return true;
    if (block->ParentID() < 0) return false;
    block = scheme.FindBlock(block->ParentID());
  }
  return false;
}

}  // namespace qs
