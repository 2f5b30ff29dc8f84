// The command table and menus on the Qt desktop: one QAction per command,
// kept in step with it, and QMenus rebuilt from the neutral menus each time
// they open.
#pragma once

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <map>
#include <string>
#include <vector>

#include "app/actions.h"
#include "app/menumodel.h"
#include "support/notifier.h"

namespace qs::qt {

// The desktop theme's icon of that name, else our own, else none.
QIcon CommandIcon(const std::string& themeName);

// A Qt key event's key and modifiers as a shortcut, by the same translation
// the editor's keys get; key 0 (and no shift) for a key that has no code.
TShortCut ShortCutFromQt(int key, Qt::KeyboardModifiers modifiers);

class QtCommands : public QObject {
  Q_OBJECT

 public:
  QtCommands(TActionList& actions, QObject* parent);

  QAction* ActionFor(const TAction& action) const;
  // Fills menu from item's children; every submenu rebuilds itself from its
  // item (after the item's Popup) right before it shows.
  void Fill(QMenu& menu, TMenuItem& item);
  // A menu that rebuilds itself from item each time it opens.
  QMenu* MenuFor(TMenuItem& item, QWidget* parent);

 private:
  void Sync(TAction& action, QAction& qaction);
  void AddItem(QMenu& menu, TMenuItem& item);

  std::map<const TAction*, QAction*> m_actions;
  std::vector<Subscription> m_subscriptions;
};

}  // namespace qs::qt
