#include "qt/qttoolpanels.h"

#include <QDockWidget>
#include <QHeaderView>
#include <QMainWindow>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeWidget>

#include "app/codetools.h"
#include "app/mainform.h"
#include "qt/qtconvert.h"
#include "support/guardedcall.h"

namespace qs::qt {

namespace {

// Long enough for a burst of typing to end, short enough to feel immediate.
constexpr int kExplorerDelayMs = 300;
constexpr int kPlaceRole = Qt::UserRole;

QTreeWidget* NewTree(const QStringList& headers) {
  auto* tree = new QTreeWidget;
  tree->setHeaderLabels(headers);
  tree->setHeaderHidden(headers.size() < 2);
  tree->setRootIsDecorated(true);
  tree->setUniformRowHeights(true);
  tree->setSelectionMode(QAbstractItemView::SingleSelection);
  return tree;
}

QTreeWidgetItem* MessageItem(const TValidationMessage& m, int file, int index) {
  auto* item =
      new QTreeWidgetItem({QString::number(m.line), QString::number(m.column),
                           QString::fromLatin1(SeverityName(m.severity)), ToQString(m.text)});
  item->setData(0, kPlaceRole, QList<QVariant>{file, index});
  return item;
}

void AddNodes(QTreeWidgetItem* parent, QTreeWidget* tree, const std::vector<TExplorerNode>& nodes) {
  for (const TExplorerNode& node : nodes) {
    auto* item = new QTreeWidgetItem({ToQString(NodeCaption(node))});
    item->setData(0, kPlaceRole, QList<QVariant>{node.line, node.column});
    item->setToolTip(0, QStringLiteral("Line %1").arg(node.line + 1));
    if (parent != nullptr)
      parent->addChild(item);
    else
      tree->addTopLevelItem(item);
    AddNodes(item, tree, node.children);
  }
}

}  // namespace

QtToolPanels::QtToolPanels(QMainWindow& window, TMainForm& form, QWidget& editor)
    : QObject(&window),
      m_window(window),
      m_form(form),
      m_editor(editor),
      m_messages(NewTree({QStringLiteral("Line"), QStringLiteral("Column"),
                          QStringLiteral("Severity"), QStringLiteral("Message")})),
      m_explorer(NewTree({QStringLiteral("Structure")})),
      m_validatorDock(AddDock("ValidatorPanel", QStringLiteral("HTML Validator"), m_messages,
                              Qt::BottomDockWidgetArea)),
      m_explorerDock(AddDock("CodeExplorerPanel", QStringLiteral("Code Explorer"), m_explorer,
                             Qt::LeftDockWidgetArea)),
      m_explorerDelay(new QTimer(this)) {
  m_messages->setObjectName(QStringLiteral("ValidatorList"));
  m_explorer->setObjectName(QStringLiteral("CodeExplorerTree"));
  m_messages->header()->setStretchLastSection(true);
  m_explorerDelay->setSingleShot(true);
  m_explorerDelay->setInterval(kExplorerDelayMs);
  TCodeTools& tools = m_form.CodeTools();
  tools.Messages().OnChange = [this] { ShowMessages(); };
  tools.Explorer().OnStale = [this] {
    if (m_explorerDock->isVisible()) m_explorerDelay->start();
  };
  connect(m_explorerDelay, &QTimer::timeout, this,
          [this] { GuardedCall([&] { ShowExplorer(); }); });
  connect(m_explorerDock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible && m_form.CodeTools().Explorer().Stale()) m_explorerDelay->start();
  });
  for (QTreeWidget* tree : {m_messages, m_explorer}) {
    const auto chosen = [this, tree](QTreeWidgetItem* item) {
      GuardedCall([&] { tree == m_messages ? MessageChosen(item) : NodeChosen(item); });
    };
    connect(tree, &QTreeWidget::itemClicked, this, chosen);
    connect(tree, &QTreeWidget::itemActivated, this, chosen);
  }
  tools.SetPanels(this);
}

QDockWidget* QtToolPanels::AddDock(const char* name, const QString& title, QTreeWidget* tree,
                                   Qt::DockWidgetArea area) {
  auto* dock = new QDockWidget(title, &m_window);
  dock->setObjectName(QString::fromLatin1(name));
  dock->setWidget(tree);
  m_window.addDockWidget(area, dock);
  dock->hide();
  return dock;
}

void QtToolPanels::Detach() {
  TCodeTools& tools = m_form.CodeTools();
  tools.SetPanels(nullptr);
  tools.Messages().OnChange = nullptr;
  tools.Explorer().OnStale = nullptr;
  m_explorerDelay->stop();
}

void QtToolPanels::ShowValidatorPanel() {
  ShowMessages();
  m_validatorDock->show();
  m_validatorDock->raise();
  // The list takes the keys, standing on the first message, so Enter goes
  // there and Down on to the next.
  if (m_messages->currentItem() == nullptr && m_messages->topLevelItemCount() > 0)
    m_messages->setCurrentItem(m_messages->topLevelItem(0));
  m_messages->setFocus();
}

void QtToolPanels::ShowCodeExplorerPanel() {
  ShowExplorer();
  m_explorerDock->show();
  m_explorerDock->raise();
  m_explorer->setFocus();
}

// Filled again only when the list's contents changed; a choice of a message
// only moves the current row.
void QtToolPanels::ShowMessages() {
  const TValidationList& list = m_form.CodeTools().Messages();
  const auto files = static_cast<int>(list.Files().size());
  if (files != m_shownFileCount || list.MessageCount() != m_shownMessageCount) {
    const QSignalBlocker blocker(m_messages);
    m_messages->clear();
    // One file (the document) is a plain list; a batch is grouped by file.
    const bool grouped = files > 1 || (files == 1 && !list.Files()[0].file.empty());
    for (int f = 0; f < files; ++f) {
      const TFileMessages& file = list.Files()[static_cast<std::size_t>(f)];
      QTreeWidgetItem* group = nullptr;
      if (grouped) {
        group = new QTreeWidgetItem({QString::fromStdString(file.file)});
        group->setFirstColumnSpanned(false);
        m_messages->addTopLevelItem(group);
      }
      for (std::size_t i = 0; i < file.messages.size(); ++i) {
        QTreeWidgetItem* item = MessageItem(file.messages[i], f, static_cast<int>(i));
        grouped ? group->addChild(item) : m_messages->addTopLevelItem(item);
      }
    }
    m_messages->expandAll();
    m_messages->setRootIsDecorated(grouped);
    for (int c = 0; c < 3; ++c) m_messages->resizeColumnToContents(c);
    m_shownFileCount = files;
    m_shownMessageCount = list.MessageCount();
  }
  ShowCurrentMessage();
}

void QtToolPanels::ShowCurrentMessage() {
  const TValidationList::Place current = m_form.CodeTools().Messages().Current();
  if (current.file < 0) return;
  const QList<QVariant> wanted{current.file, current.message};
  for (QTreeWidgetItemIterator it(m_messages); *it != nullptr; ++it) {
    if ((*it)->data(0, kPlaceRole).toList() == wanted) {
      const QSignalBlocker blocker(m_messages);
      m_messages->setCurrentItem(*it);
      m_messages->scrollToItem(*it);
      return;
    }
  }
}

void QtToolPanels::ShowExplorer() {
  TCodeExplorer& explorer = m_form.CodeTools().Explorer();
  explorer.Update();
  const QSignalBlocker blocker(m_explorer);
  m_explorer->setUpdatesEnabled(false);
  m_explorer->clear();
  AddNodes(nullptr, m_explorer, explorer.Nodes());
  m_explorer->expandAll();
  if (m_explorer->topLevelItemCount() > 0) m_explorer->setCurrentItem(m_explorer->topLevelItem(0));
  m_explorer->setUpdatesEnabled(true);
}

void QtToolPanels::MessageChosen(QTreeWidgetItem* item) {
  const QList<QVariant> place = item->data(0, kPlaceRole).toList();
  if (place.size() != 2) return;
  m_form.RunCommand([&] {
    m_form.CodeTools().Messages().Select({place[0].toInt(), place[1].toInt()});
  });
  m_editor.setFocus();
}

void QtToolPanels::NodeChosen(QTreeWidgetItem* item) {
  const QList<QVariant> place = item->data(0, kPlaceRole).toList();
  if (place.size() != 2) return;
  TExplorerNode node;
  node.line = place[0].toInt();
  node.column = place[1].toInt();
  m_form.RunCommand([&] { m_form.CodeTools().GoToNode(node); });
  m_editor.setFocus();
}

}  // namespace qs::qt
