#include "qt/qtcommands.h"

#include <QFile>

#include "qt/qtconvert.h"

namespace qs::qt {

QIcon CommandIcon(const std::string& themeName) {
  if (themeName.empty()) return {};
  const QString name = QString::fromStdString(themeName);
  const QString ours = QStringLiteral(":/icons/") + name + QStringLiteral(".png");
  const QIcon fallback = QFile::exists(ours) ? QIcon(ours) : QIcon();
  return QIcon::fromTheme(name, fallback);
}

TShortCut ShortCutFromQt(int key, Qt::KeyboardModifiers modifiers) {
  TShiftState shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  TKey code = 0;
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
    code = static_cast<TKey>(key);
  } else if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
    code = static_cast<TKey>(vk::F1 + (key - Qt::Key_F1));
  } else {
    switch (key) {
      case Qt::Key_Escape:
        code = vk::Escape;
        break;
      case Qt::Key_Space:
        code = vk::Space;
        break;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        code = vk::Return;
        break;
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
        code = vk::Tab;
        break;
      case Qt::Key_Backspace:
        code = vk::Back;
        break;
      case Qt::Key_Insert:
        code = vk::Insert;
        break;
      case Qt::Key_Delete:
        code = vk::Delete;
        break;
      case Qt::Key_Home:
        code = vk::Home;
        break;
      case Qt::Key_End:
        code = vk::End;
        break;
      case Qt::Key_PageUp:
        code = vk::Prior;
        break;
      case Qt::Key_PageDown:
        code = vk::Next;
        break;
      case Qt::Key_Left:
        code = vk::Left;
        break;
      case Qt::Key_Right:
        code = vk::Right;
        break;
      case Qt::Key_Up:
        code = vk::Up;
        break;
      case Qt::Key_Down:
        code = vk::Down;
        break;
      default:
        break;
    }
  }
  return {code, code == 0 ? TShiftState{0} : shift};
}

QtCommands::QtCommands(TActionList& actions, QObject* parent) : QObject(parent) {
  for (int i = 0; i < actions.Count(); ++i) {
    TAction& action = actions.At(i);
    auto* qaction = new QAction(this);
    qaction->setObjectName(QString::fromStdString(action.Name()));
    qaction->setIcon(CommandIcon(action.ImageName()));
    const String& hint = action.Hint();
    const std::size_t bar = hint.find(U'|');
    qaction->setToolTip(ToQString(StringView(hint).substr(0, bar)));
    qaction->setStatusTip(
        ToQString(bar == String::npos ? StringView(hint) : StringView(hint).substr(bar + 1)));
    qaction->setCheckable(action.Checkable());
    // The window hands keys to the command table itself (its precedence over
    // the editor is decided there), so the action only shows its shortcut.
    connect(qaction, &QAction::triggered, this, [&action, qaction](bool) {
      action.Execute();
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
    item.Popup();
    Fill(*menu, item);
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
  connect(plain, &QAction::triggered, this, [&item] { item.Click(); });
}

}  // namespace qs::qt
