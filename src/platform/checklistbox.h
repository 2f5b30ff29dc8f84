// A list whose items may each carry a check box and a look of their own (font
// and colours), and which may let the user select several items at once.
// The scheme editor's token lists show each token's switch and attribute.
#pragma once

#include <optional>
#include <vector>

#include "platform/controls.h"
#include "support/colors.h"

namespace qs {

// How one item is drawn; an empty name or size keeps the list's own font.
struct TItemLook {
  String fontName;
  int fontSize = 0;  // points
  TColor color = clWindowText;
  TColor background = clWindow;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool operator==(const TItemLook&) const = default;
};

// Items are TControl's. Check marks, looks and the multiple selection are
// told to the peer as ControlProperty::ItemStates; they follow the items and
// are reset when the items are replaced.
class TCheckListBox : public TListBox {
 public:
  using TListBox::TListBox;
  bool CheckBoxes = false;
  bool MultiSelect = false;

  // Replaces items with their check marks (which may be empty: all clear).
  void SetCheckedItems(std::vector<String> items, std::vector<bool> checked);
  [[nodiscard]] bool ItemChecked(int index) const;
  // The user ticking a box: fires OnClickCheck when it changed. Does nothing
  // on a list that takes no input or an index outside the items.
  void ClickCheck(int index, bool checked);
  std::function<void(TCheckListBox& sender, int index)> OnClickCheck;
  // The user dragging item from onto item to.
  void DragDrop(int from, int to);
  std::function<void(TCheckListBox& sender, int from, int to)> OnDragDrop;

  void SetItemLooks(std::vector<TItemLook> looks);
  [[nodiscard]] std::optional<TItemLook> ItemLook(int index) const;

  // With MultiSelect: the selected items besides the current one (ItemIndex).
  [[nodiscard]] bool ItemSelected(int index) const;
  [[nodiscard]] int SelCount() const;
  // The user's choice of selection; the first selected item becomes current.
  void SetSelection(const std::vector<int>& indexes);

 protected:
  void ItemIndexChanged() override;

 private:
  [[nodiscard]] bool InRange(int index) const {
    return index >= 0 && index < static_cast<int>(Items().size());
  }
  std::vector<bool> m_checked;
  std::vector<TItemLook> m_looks;
  std::vector<bool> m_selected;
};

}  // namespace qs
