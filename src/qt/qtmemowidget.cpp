#include "qt/qtmemowidget.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QScrollBar>

#include "qt/qtbitmap.h"
#include "qt/qtconvert.h"

namespace qs::qt {

QtMemoWidget::QtMemoWidget(QWidget* parent)
    : QAbstractScrollArea(parent), m_host(*this), m_measurePainter(&m_measureImage) {
  InstallQtBitmapResources();
  m_measureCanvas = std::make_unique<QtCanvas>(m_measurePainter);
  m_memo = std::make_unique<TQSMemo>(m_host, *m_measureCanvas);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setCursor(Qt::IBeamCursor);
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

}  // namespace qs::qt
