#include "platform/treeview.h"

#include <algorithm>

namespace qs {

void TTreeView::SetNodes(std::vector<TTreeNode> nodes) {
  int limit = 0;
  for (TTreeNode& node : nodes) {
    node.level = std::clamp(node.level, 0, limit);
    limit = node.level + 1;
  }
  m_nodes = std::move(nodes);
  Changed(ControlProperty::Rows);
  if (ItemIndex() >= ItemCount()) SetItemIndex(-1);
}

const TTreeNode* TTreeView::Selected() const {
  const int index = ItemIndex();
  return index >= 0 && index < ItemCount() ? &m_nodes[static_cast<std::size_t>(index)] : nullptr;
}

int TTreeView::IndexOfData(std::intptr_t data) const {
  for (std::size_t i = 0; i < m_nodes.size(); ++i)
    if (m_nodes[i].data == data) return static_cast<int>(i);
  return -1;
}

void TTreeView::DragDrop(int from, int to, bool asChild) {
  if (!CanReceiveInput() || from < 0 || to < 0 || from >= ItemCount() || to >= ItemCount()) return;
  AsInput([&] {
    if (OnDragDrop) OnDragDrop(*this, from, to, asChild);
  });
}

}  // namespace qs
