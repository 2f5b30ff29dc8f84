#include "qt/qtitemviews.h"

#include <QHeaderView>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <vector>

#include "platform/checklistbox.h"
#include "platform/treeview.h"
#include "qt/qtconvert.h"

namespace qs::qt {

namespace {

constexpr int kIndexRole = Qt::UserRole;

void ApplyLook(QListWidgetItem* item, const TItemLook& look, const QFont& base) {
  QFont font = base;
  if (!look.fontName.empty()) font.setFamily(ToQString(StringView(look.fontName)));
  if (look.fontSize > 0) font.setPointSize(look.fontSize);
  font.setBold(look.bold);
  font.setItalic(look.italic);
  font.setUnderline(look.underline);
  font.setStrikeOut(look.strikeOut);
  item->setFont(font);
  item->setForeground(ToQColor(look.color));
  item->setBackground(ToQColor(look.background));
}

}  // namespace

QListWidget* CreateCheckList(TCheckListBox& list, QWidget* parent, const GuardedStep& guarded) {
  auto* w = new QListWidget(parent);
  if (list.MultiSelect) w->setSelectionMode(QAbstractItemView::ExtendedSelection);
  QObject::connect(w, &QListWidget::currentRowChanged, w,
                   [&list, guarded](int row) { guarded([&] { list.SetItemIndex(row); }); });
  QObject::connect(w, &QListWidget::itemDoubleClicked, w,
                   [&list, guarded](QListWidgetItem*) { guarded([&] { list.DblClick(); }); });
  QObject::connect(w, &QListWidget::itemChanged, w, [&list, w, guarded](QListWidgetItem* item) {
    const int row = w->row(item);
    const bool checked = item->checkState() == Qt::Checked;
    if (list.ItemChecked(row) != checked) guarded([&] { list.ClickCheck(row, checked); });
  });
  if (list.MultiSelect) {
    QObject::connect(w, &QListWidget::itemSelectionChanged, w, [&list, w, guarded] {
      std::vector<int> rows;
      for (QListWidgetItem* item : w->selectedItems()) rows.push_back(w->row(item));
      guarded([&] { list.SetSelection(rows); });
    });
  }
  return w;
}

void ApplyCheckList(TCheckListBox& list, QListWidget* w, ControlProperty what) {
  const QSignalBlocker quiet(w);
  if (what == ControlProperty::Items) {
    w->clear();
    for (const String& caption : list.Items()) w->addItem(ToQString(StringView(caption)));
  }
  if (what == ControlProperty::Items || what == ControlProperty::ItemStates) {
    for (int row = 0; row < w->count(); ++row) {
      QListWidgetItem* item = w->item(row);
      if (list.CheckBoxes) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(list.ItemChecked(row) ? Qt::Checked : Qt::Unchecked);
      }
      if (const std::optional<TItemLook> look = list.ItemLook(row))
        ApplyLook(item, *look, w->font());
      item->setSelected(list.ItemSelected(row));
    }
  }
  if (what == ControlProperty::Items || what == ControlProperty::ItemIndex) {
    w->setCurrentRow(list.ItemIndex(), list.MultiSelect ? QItemSelectionModel::NoUpdate
                                                        : QItemSelectionModel::ClearAndSelect);
  }
}

QTreeWidget* CreateTreeView(TTreeView& tree, QWidget* parent, const GuardedStep& guarded) {
  auto* w = new QTreeWidget(parent);
  w->setHeaderHidden(true);
  w->setColumnCount(1);
  QObject::connect(w, &QTreeWidget::currentItemChanged, w,
                   [&tree, guarded](QTreeWidgetItem* item, QTreeWidgetItem*) {
                     const int index = item ? item->data(0, kIndexRole).toInt() : -1;
                     guarded([&] { tree.SetItemIndex(index); });
                   });
  QObject::connect(w, &QTreeWidget::itemDoubleClicked, w,
                   [&tree, guarded](QTreeWidgetItem*, int) { guarded([&] { tree.DblClick(); }); });
  return w;
}

void ApplyTreeView(TTreeView& tree, QTreeWidget* w, ControlProperty what) {
  const QSignalBlocker quiet(w);
  if (what == ControlProperty::Rows) {
    w->clear();
    // The last item of each level: a node hangs below the one a level up.
    std::vector<QTreeWidgetItem*> levels;
    for (std::size_t i = 0; i < tree.Nodes().size(); ++i) {
      const TTreeNode& node = tree.Nodes()[i];
      const QStringList text{ToQString(StringView(node.caption))};
      levels.resize(static_cast<std::size_t>(node.level));
      auto* item =
          levels.empty() ? new QTreeWidgetItem(w, text) : new QTreeWidgetItem(levels.back(), text);
      item->setData(0, kIndexRole, static_cast<int>(i));
      levels.push_back(item);
    }
    w->expandAll();
  }
  if (what == ControlProperty::Rows || what == ControlProperty::ItemIndex) {
    QTreeWidgetItem* current = nullptr;
    for (QTreeWidgetItemIterator it(w); *it && !current; ++it)
      if ((*it)->data(0, kIndexRole).toInt() == tree.ItemIndex()) current = *it;
    w->setCurrentItem(current);
    if (!current) w->clearSelection();
  }
}

}  // namespace qs::qt
