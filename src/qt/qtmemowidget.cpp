#include "qt/qtmemowidget.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>

#include "qt/qtbitmap.h"
#include "qt/qtconvert.h"
#include "qt/qtmouseinput.h"

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
  m_memo->SetMenuHost(&m_menuHost);
  m_memo->UpdateScrollBars();
}

QtMemoWidget::~QtMemoWidget() {
  m_memo.reset();
  m_measureCanvas.reset();
  m_measurePainter.end();
}

void QtMemoWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  QtCanvas canvas(painter);
  m_memo->Paint(canvas, FromQRect(event->rect()));
  if (m_host.CaretShown() && hasFocus())
    painter.fillRect(ToQRect(m_host.CaretRect()), palette().color(QPalette::Text));
}

void QtMemoWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  try {
    m_memo->Resized();
  } catch (...) {
    // The next resize or paint lays the view out again.
  }
}

void QtMemoWidget::scrollContentsBy(int, int) {
  try {
    m_memo->SetTopLine(verticalScrollBar()->value());
    m_memo->SetLeftChar(horizontalScrollBar()->value());
  } catch (...) {
  }
}

void QtMemoWidget::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  m_memo->FocusChanged(true);
}

void QtMemoWidget::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  m_memo->FocusChanged(false);
}

bool QtMemoWidget::CaretKey(int key, Qt::KeyboardModifiers modifiers) {
  TCustomMemoSource& s = m_memo->Source();
  const bool shift = (modifiers & Qt::ShiftModifier) != 0;
  const bool ctrl = (modifiers & Qt::ControlModifier) != 0;
  using Move = TCustomMemoSource::MoveOperation;
  Move move = nullptr;
  switch (key) {
    case Qt::Key_Left:
      move = ctrl ? &TCustomMemoSource::WordLeft : &TCustomMemoSource::CursorLeft;
      break;
    case Qt::Key_Right:
      move = ctrl ? &TCustomMemoSource::WordRight : &TCustomMemoSource::CursorRight;
      break;
    case Qt::Key_Up:
      move = &TCustomMemoSource::CursorUp;
      break;
    case Qt::Key_Down:
      move = &TCustomMemoSource::CursorDown;
      break;
    case Qt::Key_Home:
      move = ctrl ? &TCustomMemoSource::JumpToFileBegin : &TCustomMemoSource::JumpToLineBegin;
      break;
    case Qt::Key_End:
      move = ctrl ? &TCustomMemoSource::JumpToFileEnd : &TCustomMemoSource::JumpToLineEnd;
      break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
      const int rows = m_memo->VisibleRows() + 1;
      const int delta = key == Qt::Key_PageUp ? -rows : rows;
      // Page keys do not extend a selection yet.
      s.ClearSelection();
      m_memo->ScrollBy(delta, 0);
      s.MoveCaret(delta, 0);
      return true;
    }
    default:
      return false;
  }
  if (shift)
    s.ExtendSelection(stStreamSel, move);
  else {
    s.ClearSelection();
    (s.*move)();
  }
  return true;
}

void QtMemoWidget::keyPressEvent(QKeyEvent* event) {
  try {
    if (CaretKey(event->key(), event->modifiers())) {
      event->accept();
      return;
    }
  } catch (...) {
    // A refused move leaves the caret where it was.
    event->accept();
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

// Pointer input goes to the control, which never throws out of it.
void QtMemoWidget::mousePressEvent(QMouseEvent* event) {
  if (const auto button = ToMouseButton(event->button()))
    m_memo->MouseDown(*button, ToShiftState(*event), FromQPoint(event->position().toPoint()));
  event->accept();
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
