// A tree of captioned nodes, shown fully expanded. The nodes are kept in
// top-down order with their depth, which is all a tree that is rebuilt after
// every change needs; ItemIndex is the selected node in that order.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/controls.h"

namespace qs {

struct TTreeNode {
  String caption;
  int level = 0;  // 0 for a root; a node is the child of the nearest node above it one level up
  std::intptr_t data = 0;
  bool operator==(const TTreeNode&) const = default;
};

// Nodes are told to the peer as ControlProperty::Rows; a change of the
// selected node fires OnChange.
class TTreeView : public TControl {
 public:
  using TControl::TControl;
  [[nodiscard]] const std::vector<TTreeNode>& Nodes() const { return m_nodes; }
  // Levels are made consistent: a node is at most one level below the one before it.
  void SetNodes(std::vector<TTreeNode> nodes);
  [[nodiscard]] const TTreeNode* Selected() const;
  // The index of the first node carrying data, or -1.
  [[nodiscard]] int IndexOfData(std::intptr_t data) const;
  // The user dropping node from onto node to; Ctrl held is asChild.
  void DragDrop(int from, int to, bool asChild);
  std::function<void(TTreeView& sender, int from, int to, bool asChild)> OnDragDrop;

 protected:
  void ItemIndexChanged() override { Fire(OnChange); }
  [[nodiscard]] int ItemCount() const override { return static_cast<int>(m_nodes.size()); }

 private:
  std::vector<TTreeNode> m_nodes;
};

}  // namespace qs
