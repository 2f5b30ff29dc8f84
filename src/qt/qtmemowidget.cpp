#include "qt/qtmemowidget.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>

#include "qt/qtbitmap.h"
#include "qt/qtconvert.h"
#include "qt/qtmouseinput.h"
#include "support/guardedcall.h"

namespace qs::qt {

QtMemoWidget::QtMemoWidget(QWidget* parent)
    : QAbstractScrollArea(parent), m_host(*this), m_measurePainter(&m_measureImage) {
  InstallQtBitmapResources();
  m_measureCanvas = std::make_unique<QtCanvas>(m_measurePainter);
  m_memo = std::make_unique<TQSMemo>(m_host, *m_measureCanvas);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setMouseTracking(true);
  viewport()->setAcceptDrops(true);
  m_memo->SetMenuHost(&m_menuHost);
  m_memo->UpdateScrollBars();
}

QtMemoWidget::~QtMemoWidget() {
  m_memo.reset();
  m_measureCanvas.reset();
  m_measurePainter.end();
}

// Every handler here is a boundary: what the control throws stops in the
// guarded call (support/guardedcall.h), never in Qt.
void QtMemoWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  LoggedCall("painting the editor window", [&] {
    QtCanvas canvas(painter);
    m_memo->Paint(canvas, FromQRect(event->rect()));
    if (m_host.CaretShown() && hasFocus())
      painter.fillRect(ToQRect(m_host.CaretRect()), palette().color(QPalette::Text));
  });
}

void QtMemoWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  GuardedCall([this] { m_memo->Resized(); });
}

void QtMemoWidget::scrollContentsBy(int, int) {
  GuardedCall([this] {
    m_memo->SetTopLine(verticalScrollBar()->value());
    m_memo->SetLeftChar(horizontalScrollBar()->value());
  });
}

void QtMemoWidget::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  GuardedCall([this] { m_memo->FocusChanged(true); });
}

void QtMemoWidget::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  GuardedCall([this] { m_memo->FocusChanged(false); });
}

void QtMemoWidget::keyPressEvent(QKeyEvent* event) {
  bool taken = false;
  GuardedCall([&] { taken = TakeKey(*event); });
  // What the control left alone goes on to the parent (a dialog's Enter).
  if (taken)
    event->accept();
  else
    event->ignore();
}

bool QtMemoWidget::TakeKey(const QKeyEvent& event) {
  const TShiftState shift = ShiftFromQt(event.modifiers());
  if (m_memo->KeyDown(KeyFromQt(event.key(), event.modifiers()), shift)) return true;
  // Ctrl and Alt chords type nothing, whatever text the platform attached.
  bool typed = false;
  if ((shift & (ssCtrl | ssAlt)) == 0)
    for (const Char c : event.text().toStdU32String()) typed = m_memo->KeyPress(c) || typed;
  return typed;
}

void QtMemoWidget::keyReleaseEvent(QKeyEvent* event) {
  m_memo->KeyUp();
  QAbstractScrollArea::keyReleaseEvent(event);
}

bool QtMemoWidget::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    const TShiftState shift = ShiftFromQt(key->modifiers());
    const TKey code = KeyFromQt(key->key(), key->modifiers());
    // The second stroke of a sequence, and a bound Alt chord, go to the
    // control before any menu shortcut.
    bool ours = m_memo->SequencePending();
    GuardedCall([&] { ours = ours || ((shift & ssAlt) != 0 && m_memo->HasBinding(code, shift)); });
    if (ours) {
      event->accept();
      return true;
    }
  } else if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    // With WantTabs the Tab key edits instead of moving the focus.
    if (tab && m_memo->WantTabs()) {
      keyPressEvent(key);
      return true;
    }
  }
  return QAbstractScrollArea::event(event);
}

// Pointer input goes to the control, which never throws out of it.
void QtMemoWidget::mousePressEvent(QMouseEvent* event) {
  if (const auto button = ToMouseButton(event->button()))
    m_memo->MouseDown(*button, ToShiftState(*event), FromQPoint(event->position().toPoint()));
  event->accept();
}

namespace {

// Text from another program is ours to insert; dropped files are left to the
// window, which opens them.
bool IsTextDrop(const QMimeData* data) {
  return data != nullptr && data->hasText() && !data->hasUrls();
}

}  // namespace

void QtMemoWidget::dragEnterEvent(QDragEnterEvent* event) {
  if (IsTextDrop(event->mimeData()) && !m_memo->Source().GetReadOnly())
    event->acceptProposedAction();
  else
    event->ignore();
}

void QtMemoWidget::dragMoveEvent(QDragMoveEvent* event) {
  if (IsTextDrop(event->mimeData()) && !m_memo->Source().GetReadOnly())
    event->acceptProposedAction();
  else
    event->ignore();
}

void QtMemoWidget::dropEvent(QDropEvent* event) {
  if (!IsTextDrop(event->mimeData())) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  const String text = FromQString(event->mimeData()->text());
  const TPoint at = FromQPoint(event->position().toPoint());
  GuardedCall([&] { m_memo->DropText(at, text); });
  setFocus();
}

void QtMemoWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
}

void QtMemoWidget::mouseMoveEvent(QMouseEvent* event) {
  m_memo->MouseMove(ToShiftState(*event), FromQPoint(event->position().toPoint()));
  event->accept();
}

void QtMemoWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (const auto button = ToMouseButton(event->button()))
    m_memo->MouseUp(*button, ToShiftState(*event), FromQPoint(event->position().toPoint()));
  event->accept();
}

void QtMemoWidget::wheelEvent(QWheelEvent* event) {
  const int delta = WheelDelta(*event);
  if (delta != 0 && m_memo->MouseWheel(delta))
    event->accept();
  else
    QAbstractScrollArea::wheelEvent(event);
}

void QtMemoWidget::contextMenuEvent(QContextMenuEvent* event) {
  // A mouse-invoked menu comes from the right release already.
  if (event->reason() == QContextMenuEvent::Keyboard) m_memo->ContextMenu(true, {});
  event->accept();
}

void QtMemoWidget::leaveEvent(QEvent* event) {
  m_memo->MouseLeave();
  QAbstractScrollArea::leaveEvent(event);
}

}  // namespace qs::qt
