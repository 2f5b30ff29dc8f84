// The check list and the tree view realised as Qt widgets by the form host.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QTimer>
#include <QTreeWidget>

#include "platform/checklistbox.h"
#include "platform/treeview.h"
#include "qt/qtformhost.h"

namespace qs::qt {
namespace {

struct ItemsForm : TForm {
  explicit ItemsForm(IFormHost& host)
      : TForm(host, "ItemsForm"), List(Add<TCheckListBox>("List")), Tree(Add<TTreeView>("Tree")) {
    List.CheckBoxes = true;
    List.SetCheckedItems({U"on", U"off"}, {true, false});
    TItemLook red;
    red.color = clRed;
    red.bold = true;
    List.SetItemLooks({red});
    Tree.SetNodes({{U"root", 0, 10}, {U"child", 1, 11}, {U"second", 0, 12}});
  }
  TCheckListBox& List;
  TTreeView& Tree;
};

TEST(QtItemViews, ChecksLooksAndNodesReachTheWidgetsAndTheUsersChoicesComeBack) {
  QtFormHost host;
  ItemsForm form(host);
  std::vector<int> ticked;
  form.List.OnClickCheck = [&](TCheckListBox&, int index) { ticked.push_back(index); };
  QTimer::singleShot(0, [&] {
    QDialog* dialog = host.ActiveDialog();
    ASSERT_NE(dialog, nullptr);
    auto* list = dialog->findChild<QListWidget*>("List");
    auto* tree = dialog->findChild<QTreeWidget*>("Tree");
    ASSERT_TRUE(list && tree);
    EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);
    EXPECT_TRUE(list->item(0)->font().bold());
    EXPECT_EQ(list->item(0)->foreground().color(), QColor(255, 0, 0));
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("child"));
    EXPECT_TRUE(tree->topLevelItem(0)->isExpanded());

    list->item(1)->setCheckState(Qt::Checked);  // the user ticks the second box
    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    dialog->done(0);
  });
  form.ShowModal();
  EXPECT_EQ(ticked, std::vector<int>{1});
  EXPECT_TRUE(form.List.ItemChecked(1));
  EXPECT_EQ(form.Tree.ItemIndex(), 1);
}

}  // namespace
}  // namespace qs::qt
