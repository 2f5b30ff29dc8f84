#include "platform/checklistbox.h"

namespace qs {

void TCheckListBox::SetCheckedItems(std::vector<String> items, std::vector<bool> checked) {
  checked.resize(items.size(), false);
  m_checked = std::move(checked);
  m_looks.clear();
  m_selected.assign(items.size(), false);
  SetItems(std::move(items));
  Changed(ControlProperty::ItemStates);
}

bool TCheckListBox::ItemChecked(int index) const {
  return index >= 0 && index < static_cast<int>(m_checked.size()) &&
         m_checked[static_cast<std::size_t>(index)];
}

void TCheckListBox::ClickCheck(int index, bool checked) {
  if (!CanReceiveInput() || !InRange(index)) return;
  m_checked.resize(Items().size(), false);
  if (m_checked[static_cast<std::size_t>(index)] == checked) return;
  m_checked[static_cast<std::size_t>(index)] = checked;
  Changed(ControlProperty::ItemStates);
  AsInput([&] {
    if (OnClickCheck) OnClickCheck(*this, index);
  });
}

void TCheckListBox::DragDrop(int from, int to) {
  if (!CanReceiveInput() || !InRange(from) || !InRange(to) || from == to) return;
  AsInput([&] {
    if (OnDragDrop) OnDragDrop(*this, from, to);
  });
}

void TCheckListBox::SetItemLooks(std::vector<TItemLook> looks) {
  m_looks = std::move(looks);
  Changed(ControlProperty::ItemStates);
}

std::optional<TItemLook> TCheckListBox::ItemLook(int index) const {
  if (index < 0 || index >= static_cast<int>(m_looks.size())) return std::nullopt;
  return m_looks[static_cast<std::size_t>(index)];
}

bool TCheckListBox::ItemSelected(int index) const {
  if (index == ItemIndex() && index >= 0) return true;
  return MultiSelect && index >= 0 && index < static_cast<int>(m_selected.size()) &&
         m_selected[static_cast<std::size_t>(index)];
}

int TCheckListBox::SelCount() const {
  int count = 0;
  for (int i = 0; i < static_cast<int>(Items().size()); ++i) count += ItemSelected(i) ? 1 : 0;
  return count;
}

void TCheckListBox::SetSelection(const std::vector<int>& indexes) {
  std::vector<bool> selected(Items().size(), false);
  int first = -1;
  for (int index : indexes) {
    if (!InRange(index)) continue;
    selected[static_cast<std::size_t>(index)] = true;
    if (first < 0 || index < first) first = index;
    if (!MultiSelect) break;
  }
  const bool changed = selected != m_selected;
  m_selected = std::move(selected);
  if (changed) Changed(ControlProperty::ItemStates);
  if (first != ItemIndex())
    SetItemIndex(first);
  else if (changed)
    Fire(OnChange);
}

void TCheckListBox::ItemIndexChanged() {
  const int current = ItemIndex();
  const bool inSelection = current >= 0 && current < static_cast<int>(m_selected.size()) &&
                           m_selected[static_cast<std::size_t>(current)];
  // A current item outside the selection is a single choice: it ends the
  // multiple selection (the user's SetSelection sets the selection first).
  if (!MultiSelect || !inSelection) {
    std::vector<bool> only(Items().size(), false);
    if (InRange(current)) only[static_cast<std::size_t>(current)] = true;
    if (only != m_selected) {
      m_selected = std::move(only);
      Changed(ControlProperty::ItemStates);
    }
  }
  TListBox::ItemIndexChanged();
}

}  // namespace qs
