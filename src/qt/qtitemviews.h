// The Qt widgets of the forms model's item views: a check list (a list whose
// items carry check boxes, looks of their own and a multiple selection) and
// a tree view rebuilt from its nodes. The form host creates them and calls
// the Apply functions when the model changes; user input goes back through
// the controls' own input methods, each step run by the host's guard.
#pragma once

#include <functional>

#include "platform/control.h"

class QListWidget;
class QTreeWidget;
class QWidget;

namespace qs {
class TCheckListBox;
class TTreeView;
}  // namespace qs

namespace qs::qt {

// Runs one step of user input through the form host's guarded boundary.
using GuardedStep = std::function<void(const std::function<void()>& step)>;

QListWidget* CreateCheckList(TCheckListBox& list, QWidget* parent, const GuardedStep& guarded);
void ApplyCheckList(TCheckListBox& list, QListWidget* w, ControlProperty what);

QTreeWidget* CreateTreeView(TTreeView& tree, QWidget* parent, const GuardedStep& guarded);
void ApplyTreeView(TTreeView& tree, QTreeWidget* w, ControlProperty what);

}  // namespace qs::qt
