#include "qt/qtbrowserpanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/browserdlg.h"
#include "qt/qtcommands.h"
#include "qt/qtconvert.h"
#include "support/guardedcall.h"

namespace qs::qt {

QtBrowserPanel::QtBrowserPanel(TBrowserDlg& dialog, QWidget& view, QWidget* parent)
    : QWidget(parent),
      m_dialog(dialog),
      m_view(view),
      m_commands(new QtCommands(dialog.Actions(), this)) {
  setObjectName(QStringLiteral("BrowserDlg"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  BuildToolBar();
  m_area = new QScrollArea(this);
  m_area->setFrameShape(QFrame::NoFrame);
  m_area->setWidget(&m_view);
  layout->addWidget(m_area, 1);
  m_dialog.OnStateChange = [this] { ShowState(); };
  ShowState();
}

void QtBrowserPanel::BuildToolBar() {
  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("BrowserToolBar"));
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  for (const char* name : {"BackBtn", "ForwardBtn", "StopBtn", "RefreshBtn", "HomeBtn"})
    bar->addAction(m_commands->ActionFor(m_dialog.Action(name)));
  m_address = new QComboBox(bar);
  m_address->setObjectName(QStringLiteral("URLs"));
  m_address->setEditable(true);
  m_address->setInsertPolicy(QComboBox::NoInsert);
  m_address->setCompleter(nullptr);
  m_address->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  bar->addWidget(m_address);
  connect(m_address->lineEdit(), &QLineEdit::returnPressed, this,
          [this] { GuardedCall([this] { NavigateToTypedAddress(); }); });
  connect(m_address->lineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& text) { m_dialog.SetAddressText(text.toStdU32String()); });
  connect(m_address, &QComboBox::activated, this,
          [this](int index) { GuardedCall([&] { m_dialog.ChooseAddress(index); }); });
  bar->addAction(m_commands->ActionFor(m_dialog.Action("GoBtn")));
  auto* size = new QToolButton(bar);
  size->setObjectName(QStringLiteral("SizeBtn"));
  size->setText(QStringLiteral("Size"));
  size->setMenu(m_commands->MenuFor(m_dialog.SizeMenu(), size));
  size->setPopupMode(QToolButton::InstantPopup);
  bar->addWidget(size);
  layout()->addWidget(bar);
}

void QtBrowserPanel::NavigateToTypedAddress() {
  const QString text = m_address->currentText();
  // An Enter over text that names a list entry would make the box report
  // that entry as chosen as well; it is current already, so it does not.
  if (const int index = m_address->findText(text); index >= 0) {
    const QSignalBlocker blocker(m_address);
    m_address->setCurrentIndex(index);
  }
  m_dialog.SetAddressText(text.toStdU32String());
  m_dialog.NavigateToAddress();
  m_view.setFocus();
}

void QtBrowserPanel::ShowState() {
  const QSignalBlocker blocker(m_address);
  QStringList items;
  for (const String& item : m_dialog.AddressItems()) items << ToQString(item);
  QStringList shown;
  for (int i = 0; i < m_address->count(); ++i) shown << m_address->itemText(i);
  if (shown != items) {
    m_address->clear();
    m_address->addItems(items);
  }
  m_address->setEditText(ToQString(m_dialog.AddressText()));
  if (const auto& size = m_dialog.PageSize()) {
    m_area->setWidgetResizable(false);
    m_view.setFixedSize(size->width, size->height);
  } else {
    m_view.setMinimumSize(0, 0);
    m_view.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_area->setWidgetResizable(true);
  }
}

}  // namespace qs::qt
