// The check list and the tree view of the forms model: what the user's
// ticks, selections and drops do, and what the peer hears.
#include <gtest/gtest.h>

#include "platform/checklistbox.h"
#include "platform/headlessformhost.h"
#include "platform/treeview.h"

namespace qs {
namespace {

struct ShownForm {
  HeadlessFormHost host;
  TForm form{host, "Form"};
  ShownForm() { form.Show(); }
};

TEST(CheckListBoxTest, TicksReachTheOwnerOnlyWhenTheyChangeAndTheListTakesInput) {
  ShownForm shown;
  auto& list = shown.form.Add<TCheckListBox>("List");
  list.CheckBoxes = true;
  list.SetCheckedItems({U"a", U"b"}, {true});
  std::vector<int> told;
  list.OnClickCheck = [&](TCheckListBox&, int index) { told.push_back(index); };
  list.ClickCheck(0, true);  // no change
  list.ClickCheck(1, true);
  list.ClickCheck(5, true);  // no such item
  list.SetEnabled(false);
  list.ClickCheck(0, false);  // a disabled list takes no input
  EXPECT_EQ(told, std::vector<int>{1});
  EXPECT_TRUE(list.ItemChecked(0));
  EXPECT_TRUE(list.ItemChecked(1));
}

TEST(CheckListBoxTest, AMultipleSelectionKeepsItsFirstItemCurrent) {
  ShownForm shown;
  auto& list = shown.form.Add<TCheckListBox>("List");
  list.MultiSelect = true;
  list.SetCheckedItems({U"a", U"b", U"c"}, {});
  list.SetSelection({2, 0, 7});
  EXPECT_EQ(list.ItemIndex(), 0);
  EXPECT_EQ(list.SelCount(), 2);
  EXPECT_TRUE(list.ItemSelected(2));
  list.SetItemIndex(1);  // a plain click ends the multiple selection
  EXPECT_EQ(list.SelCount(), 1);
  EXPECT_FALSE(list.ItemSelected(2));
  list.SetCheckedItems({U"x"}, {});
  EXPECT_EQ(list.SelCount(), 0) << "new items start unselected";
}

TEST(TreeViewTest, LevelsAreMadeConsistentAndDropsNameTheirNodes) {
  ShownForm shown;
  auto& tree = shown.form.Add<TTreeView>("Tree");
  tree.SetNodes({{U"a", 3, 10}, {U"b", 5, 11}, {U"c", -1, 12}});
  EXPECT_EQ(tree.Nodes()[0].level, 0);
  EXPECT_EQ(tree.Nodes()[1].level, 1);
  EXPECT_EQ(tree.Nodes()[2].level, 0);
  EXPECT_EQ(tree.IndexOfData(12), 2);
  tree.SetItemIndex(2);
  tree.SetNodes({{U"only", 0, 1}});
  EXPECT_EQ(tree.ItemIndex(), -1) << "a selection past the nodes goes";

  std::vector<std::tuple<int, int, bool>> drops;
  tree.OnDragDrop = [&](TTreeView&, int from, int to, bool child) {
    drops.emplace_back(from, to, child);
  };
  tree.SetNodes({{U"a", 0, 1}, {U"b", 1, 2}});
  tree.DragDrop(1, 0, true);
  tree.DragDrop(1, 9, false);  // no such node
  EXPECT_EQ(drops, (std::vector<std::tuple<int, int, bool>>{{1, 0, true}}));
}

}  // namespace
}  // namespace qs
