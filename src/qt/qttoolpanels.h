// The validator's message list and the code explorer as dock panels of the
// main window ("ValidatorPanel", "CodeExplorerPanel"), shown from the models
// of the window's code tools. A click, or Enter, on a row goes to its place;
// the explorer follows edits a moment after the typing stops.
#pragma once

#include <QObject>

#include "app/toolpanels.h"

class QDockWidget;
class QMainWindow;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace qs {
class TMainForm;
}

namespace qs::qt {

class QtToolPanels final : public QObject, public IToolPanels {
  Q_OBJECT

 public:
  // editor: where the focus goes after a jump.
  QtToolPanels(QMainWindow& window, TMainForm& form, QWidget& editor);
  // The models stop calling the panels (the window is going).
  void Detach();

  void ShowValidatorPanel() override;
  void ShowCodeExplorerPanel() override;

  QDockWidget& ValidatorDock() noexcept { return *m_validatorDock; }
  QDockWidget& ExplorerDock() noexcept { return *m_explorerDock; }
  QTreeWidget& ValidatorTree() noexcept { return *m_messages; }
  QTreeWidget& ExplorerTree() noexcept { return *m_explorer; }

 private:
  QDockWidget* AddDock(const char* name, const QString& title, QTreeWidget* tree,
                       Qt::DockWidgetArea area);
  void ShowMessages();
  void ShowCurrentMessage();
  void ShowExplorer();
  void MessageChosen(QTreeWidgetItem* item);
  void NodeChosen(QTreeWidgetItem* item);

  QMainWindow& m_window;
  TMainForm& m_form;
  QWidget& m_editor;
  QTreeWidget* m_messages;
  QTreeWidget* m_explorer;
  QDockWidget* m_validatorDock;
  QDockWidget* m_explorerDock;
  QTimer* m_explorerDelay;
  int m_shownMessageCount = -1;
  int m_shownFileCount = -1;
};

}  // namespace qs::qt
