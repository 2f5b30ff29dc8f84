#include "qt/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPalette>
#include <QSizePolicy>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include "app/htmlinsertion.h"
#include "platform/platform.h"
#include "qt/colorswatch.h"
#include "qt/qtcommands.h"
#include "qt/qtconvert.h"
#include "qt/qtdocking.h"
#include "qt/qthintpopups.h"
#include "qt/qtmemowidget.h"
#include "qt/qtpreviewviews.h"
#include "qt/qttoolpanels.h"
#include "qt/windowplacement.h"
#include "support/guardedcall.h"
#include "support/registry.h"

namespace qs::qt {

namespace {

constexpr int kPanelWidths[] = {140, 75, 75, 50};
constexpr int kSelectorRows = 40;

QString Shown(StringView text) {
  return ToQString(text);
}

}  // namespace

MainWindow::MainWindow(Platform& platform, ISchemeCatalogue& schemes, TSysOptions& options,
                       std::vector<std::string> args, bool formsAvailable, QWidget* parent)
    : QMainWindow(parent), m_editor(new QtMemoWidget(this)) {
  resize(900, 640);
  GuardedCall([&] { RestoreWindowPlacement(*this, SettingsStore::Instance()); });
  setAcceptDrops(true);
  setCentralWidget(m_editor);
  m_form =
      std::make_unique<TMainForm>(m_editor->Memo(), schemes, platform, options, std::move(args));
  m_form->SetFormsAvailable(formsAvailable);
  m_commands = new QtCommands(m_form->Actions(), this);
  BuildMenuBar();
  BuildToolBar();
  BuildStatusBar();
  m_previewViews = new QtPreviewViews(*this, *m_form, *m_toolBar, platform.browser);
  m_docking = new QtDocking(*this);
  m_form->SetLayoutHost(m_docking);
  m_hintPopups = std::make_unique<QtHintPopups>(*this, *m_editor, m_form->Hints());
  m_toolPanels = new QtToolPanels(*this, *m_form, *m_editor);
  m_form->OnStateChange = [this] { ShowState(); };
  m_form->OnClose = [this] { close(); };
  m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_editor, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    GuardedCall([&] { ShowEditorMenu(m_editor->mapToGlobal(at)); });
  });
  qApp->installEventFilter(this);
  m_editor->viewport()->installEventFilter(this);
  ShowState();
  m_editor->setFocus();
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  m_toolPanels->Detach();
  m_form->OnStateChange = nullptr;
  m_form->OnClose = nullptr;
  m_form->SetLayoutHost(nullptr);
}

void MainWindow::BuildMenuBar() {
  for (TMenuItem& top : m_form->MainMenu().items)
    menuBar()->addMenu(m_commands->MenuFor(top, menuBar()));
}

void MainWindow::BuildToolBar() {
  m_toolBar = addToolBar(QStringLiteral("Standard"));
  m_toolBar->setObjectName(QStringLiteral("StandardToolBar"));
  m_toolBar->setMovable(false);
  m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (const TToolItem& item : m_form->ToolBar()) {
    switch (item.kind) {
      case TToolItem::Separator:
        m_toolBar->addSeparator();
        break;
      case TToolItem::Command: {
        QAction* action = m_commands->ActionFor(*item.action);
        m_toolBar->addAction(action);
        if (!item.dropDownMenu.empty()) {
          if (TMenuItem* menu = m_form->MenuNamed(item.dropDownMenu)) {
            auto* button = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(action));
            if (button != nullptr) {
              button->setMenu(m_commands->MenuFor(*menu, button));
              button->setPopupMode(QToolButton::MenuButtonPopup);
            }
          }
        }
        break;
      }
      case TToolItem::ColorSwatch: {
        m_swatch = new ColorSwatch(m_toolBar);
        connect(m_swatch, &QToolButton::clicked, this,
                [this] { m_form->RunCommand([this] { m_form->Html().ChooseSelectorColor(); }); });
        m_toolBar->addWidget(m_swatch);
        break;
      }
      case TToolItem::SchemeSelector: {
        auto* spacer = new QWidget(m_toolBar);
        spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        m_toolBar->addWidget(spacer);
        m_schemeSelector = new QComboBox(m_toolBar);
        m_schemeSelector->setObjectName(QStringLiteral("SyntaxComboBox"));
        m_schemeSelector->setToolTip(QStringLiteral("Select a Syntax Highlighting scheme"));
        m_schemeSelector->setMaxVisibleItems(kSelectorRows);
        m_schemeSelector->setMinimumContentsLength(14);
        m_schemeSelector->setFocusPolicy(Qt::ClickFocus);
        connect(m_schemeSelector, &QComboBox::activated, this, [this](int index) {
          GuardedCall(
              [&] { m_form->RunCommand([this, index] { m_form->SyntaxComboBoxChange(index); }); });
          m_editor->setFocus();
        });
        m_toolBar->addWidget(m_schemeSelector);
        break;
      }
    }
  }
}

void MainWindow::BuildStatusBar() {
  for (std::size_t i = 0; i < m_panels.size(); ++i) {
    m_panels[i] = new QLabel(statusBar());
    m_panels[i]->setMinimumWidth(kPanelWidths[i]);
    statusBar()->addWidget(m_panels[i]);
  }
  m_panels[2]->setLayoutDirection(Qt::RightToLeft);
}

void MainWindow::ShowState() {
  if (m_showingState) return;
  m_showingState = true;
  setWindowTitle(Shown(m_form->Caption()));
  for (std::size_t i = 0; i < m_panels.size(); ++i)
    m_panels[i]->setText(Shown(m_form->StatusPanel(static_cast<int>(i))));
  QPalette statusColors = statusBar()->palette();
  statusColors.setColor(QPalette::Window, ToQColor(m_form->StatusBarColor()));
  statusBar()->setPalette(statusColors);
  statusBar()->setAutoFillBackground(true);
  // A message hides the panels: the browser's text while a preview shows.
  if (m_form->StatusSimple())
    statusBar()->showMessage(m_form->StatusSimpleText().empty()
                                 ? QStringLiteral(" ")
                                 : Shown(m_form->StatusSimpleText()));
  else if (m_form->StatusHint().empty())
    statusBar()->clearMessage();
  else
    statusBar()->showMessage(Shown(m_form->StatusHint()));
  m_previewViews->ShowState();
  if (m_schemeSelector != nullptr) {
    QStringList items;
    for (const String& item : m_form->SchemeItems()) items << Shown(item);
    QStringList current;
    for (int i = 0; i < m_schemeSelector->count(); ++i) current << m_schemeSelector->itemText(i);
    if (current != items) {
      m_schemeSelector->clear();
      m_schemeSelector->addItems(items);
    }
    m_schemeSelector->setCurrentIndex(m_form->SchemeIndex());
  }
  if (m_swatch != nullptr) m_swatch->SetColor(m_form->Html().SelectorColor());
  m_editor->viewport()->update();
  m_showingState = false;
}

void MainWindow::ShowEditorMenu(const QPoint& at) {
  QMenu* menu = m_commands->MenuFor(m_form->EditorMenu(), this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(at);
}

void MainWindow::ShowGutterMenu(const QPoint& at) {
  QMenu* menu = m_commands->MenuFor(m_form->GutterMenu(), this);
  menu->setObjectName(QStringLiteral("GutterMenu"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(at);
}

// A left click in the gutter opens the bookmark menu instead of moving the
// caret there.
bool MainWindow::GutterClick(QObject* watched, QEvent* event) {
  if (watched != m_editor->viewport() || event->type() != QEvent::MouseButtonPress) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  TQSMemo& memo = m_editor->Memo();
  if (mouse->button() != Qt::LeftButton || !memo.HasOption(moDrawGutter) ||
      mouse->position().x() >= memo.Layout().gutter)
    return false;
  GuardedCall([&] { ShowGutterMenu(mouse->globalPosition().toPoint()); });
  return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (GutterClick(watched, event)) return true;
  if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
  auto* widget = qobject_cast<QWidget*>(watched);
  // A key reaches the focus widget first and then, unless taken, its
  // parents: only that first delivery is the window's to judge. Keys typed
  // into a menu, a dialog or another window are theirs.
  // While no window is active (a desktop without a window manager, or just
  // after a dialog closed) Qt still hands keys to the window's own focus widget.
  QWidget* first = QApplication::focusWidget();
  if (first == nullptr) first = focusWidget();
  if (first == nullptr) first = this;
  if (widget == nullptr || widget != first || widget->window() != this ||
      QApplication::activePopupWidget() != nullptr)
    return QMainWindow::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const TShortCut pressed = ShortCutFromQt(key->key(), key->modifiers());
  if (pressed.IsEmpty()) return QMainWindow::eventFilter(watched, event);
  bool taken = false;
  GuardedCall([&] { taken = m_form->KeyDown(pressed.key, pressed.shift); });
  return taken || QMainWindow::eventFilter(watched, event);
}

// CloseQuery is a guarded boundary of its own: a failure refuses the close.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (m_form->IsClosed() || m_form->CloseQuery()) {
    GuardedCall([&] { SaveWindowPlacement(*this, SettingsStore::Instance()); });
    GuardedCall([&] { m_form->SaveShortCuts(); });
    event->accept();
  } else {
    event->ignore();
  }
}

// Coming back to the window is when a file changed by another program is
// noticed.
void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow())
    m_form->RunCommand([this] { m_form->WindowActivated(); });
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  event->acceptProposedAction();
  GuardedCall([&] {
    std::vector<std::string> names;
    for (const QUrl& url : event->mimeData()->urls())
      if (url.isLocalFile()) names.push_back(Utf8FromQString(url.toLocalFile()));
    m_form->RunCommand([this, &names] { m_form->DropFiles(names); });
  });
}

}  // namespace qs::qt
