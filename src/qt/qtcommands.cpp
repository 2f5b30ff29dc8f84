#include "qt/qtcommands.h"

#include <QFile>

#include "qt/qtconvert.h"
#include "support/guardedcall.h"

namespace qs::qt {

QIcon CommandIcon(const std::string& themeName) {
  if (themeName.empty()) return {};
  const QString name = QString::fromStdString(themeName);
  const QString ours = QStringLiteral(":/icons/") + name + QStringLiteral(".png");
  const QIcon fallback = QFile::exists(ours) ? QIcon(ours) : QIcon();
  return QIcon::fromTheme(name, fallback);
}

TShortCut ShortCutFromQt(int key, Qt::KeyboardModifiers modifiers) {
  const TKey code = KeyFromQt(key, modifiers);
  return {code, code == 0 ? TShiftState{0} : ShiftFromQt(modifiers)};
}

QtCommands::QtCommands(TActionList& actions, QObject* parent) : QObject(parent) {
  for (int i = 0; i < actions.Count(); ++i) {
    TAction& action = actions.At(i);
    auto* qaction = new QAction(this);
    qaction->setObjectName(QString::fromStdString(action.Name()));
    qaction->setIcon(CommandIcon(action.ImageName()));
    const String& hint = action.Hint();
    const std::size_t bar = hint.find(U'|');
    qaction->setStatusTip(
        ToQString(bar == String::npos ? StringView(hint) : StringView(hint).substr(bar + 1)));
    qaction->setCheckable(action.Checkable());
    // The window hands keys to the command table itself (its precedence over
    // the editor is decided there), so the action only shows its shortcut.
    connect(qaction, &QAction::triggered, this, [&action, qaction](bool) {
      GuardedCall([&] { action.Execute(); });
      qaction->setChecked(action.Checked());
    });
    m_subscriptions.push_back(
        action.OnChange([this, &action, qaction] { Sync(action, *qaction); }));
    Sync(action, *qaction);
    m_actions[&action] = qaction;
  }
}

void QtCommands::Sync(TAction& action, QAction& qaction) {
  QString text = ToQString(StringView(action.MenuCaption()));
  const String keys = ShortCutToText(action.ShortCut());
  if (!keys.empty()) text += QStringLiteral("\t") + ToQString(StringView(keys));
  qaction.setText(text);
  qaction.setIconText(ToQString(StringView(StripAccelerator(action.Caption()))));
  // The toolbar's tip: the short hint and, when there is one, the shortcut.
  const String& hint = action.Hint();
  QString tip = ToQString(StringView(hint).substr(0, hint.find(U'|')));
  if (!keys.empty()) tip += QStringLiteral(" (") + ToQString(StringView(keys)) + QLatin1Char(')');
  qaction.setToolTip(tip);
  qaction.setEnabled(action.Enabled());
  qaction.setChecked(action.Checked());
}

QAction* QtCommands::ActionFor(const TAction& action) const {
  const auto found = m_actions.find(&action);
  return found == m_actions.end() ? nullptr : found->second;
}

QMenu* QtCommands::MenuFor(TMenuItem& item, QWidget* parent) {
  auto* menu = new QMenu(ToQString(StringView(item.Caption())), parent);
  menu->setObjectName(QString::fromStdString(item.name));
  connect(menu, &QMenu::aboutToShow, this, [this, menu, &item] {
    GuardedCall([&] {
      item.Popup();
      Fill(*menu, item);
    });
  });
  Fill(*menu, item);
  return menu;
}

void QtCommands::Fill(QMenu& menu, TMenuItem& item) {
  menu.clear();
  for (QMenu* old : menu.findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) old->deleteLater();
  for (TMenuItem& child : item.items) AddItem(menu, child);
}

void QtCommands::AddItem(QMenu& menu, TMenuItem& item) {
  if (item.separator) {
    menu.addSeparator();
    return;
  }
  if (item.breakColumn) menu.addSeparator();
  if (item.action != nullptr) {
    if (QAction* qaction = ActionFor(*item.action)) menu.addAction(qaction);
    return;
  }
  if (!item.items.empty() || item.onPopup) {
    QMenu* submenu = MenuFor(item, &menu);
    submenu->setEnabled(item.IsEnabled());
    menu.addMenu(submenu);
    return;
  }
  QAction* plain = menu.addAction(ToQString(StringView(item.Caption())));
  plain->setEnabled(item.IsEnabled());
  plain->setCheckable(item.checkable);
  plain->setChecked(item.IsChecked());
  connect(plain, &QAction::triggered, this, [&item] { GuardedCall([&] { item.Click(); }); });
}

}  // namespace qs::qt
