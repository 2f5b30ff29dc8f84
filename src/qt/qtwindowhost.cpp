#include "qt/qtwindowhost.h"

#include <QApplication>
#include <QCursor>
#include <QScrollBar>
#include <QSignalBlocker>

#include "qt/qtconvert.h"
#include "qt/qtcursors.h"

namespace qs::qt {

TRect QtWindowHost::ClientRect() const {
  return FromQRect(m_area.viewport()->rect());
}

void QtWindowHost::Invalidate(const TRect& rect) {
  m_area.viewport()->update(ToQRect(rect));
}

void QtWindowHost::InvalidateAll() {
  m_area.viewport()->update();
}

void QtWindowHost::ScrollClient(int dx, int dy, const TRect& area) {
  // The caret moves with the pixels: take it off first.
  InvalidateCaret();
  m_area.viewport()->scroll(dx, dy, ToQRect(area));
}

TRect QtWindowHost::CaretRect() const {
  return {m_caretPos.X, m_caretPos.Y, m_caretPos.X + m_caretWidth, m_caretPos.Y + m_caretHeight};
}

void QtWindowHost::InvalidateCaret() {
  if (m_caretExists) Invalidate(CaretRect());
}

void QtWindowHost::CreateCaret(int width, int height) {
  InvalidateCaret();
  m_caretExists = true;
  m_caretVisible = false;
  m_caretWidth = width;
  m_caretHeight = height;
}

void QtWindowHost::ShowCaret() {
  if (!m_caretExists || m_caretVisible) return;
  m_caretVisible = true;
  InvalidateCaret();
}

void QtWindowHost::HideCaret() {
  if (!m_caretVisible) return;
  InvalidateCaret();
  m_caretVisible = false;
}

void QtWindowHost::SetCaretPos(TPoint topLeft) {
  if (topLeft == m_caretPos) return;
  InvalidateCaret();
  m_caretPos = topLeft;
  InvalidateCaret();
}

void QtWindowHost::DestroyCaret() {
  InvalidateCaret();
  m_caretExists = m_caretVisible = false;
}

QScrollBar* QtWindowHost::Bar(ScrollBarKind bar) const {
  return bar == ScrollBarKind::Vertical ? m_area.verticalScrollBar() : m_area.horizontalScrollBar();
}

void QtWindowHost::SetScrollRange(ScrollBarKind bar, int min, int max, int page) {
  QScrollBar* b = Bar(bar);
  const ScrollBarState state{min, max, page, 0, true};
  // A narrower range clamps the bar's old position; that clamp is no scroll
  // of the user's and must not reach the control, which sets the position
  // it wants next.
  const QSignalBlocker quiet(b);
  b->setRange(min, MaxScrollPos(state));
  b->setPageStep(page > 0 ? page : 1);
  b->setSingleStep(1);
}

void QtWindowHost::SetScrollPos(ScrollBarKind bar, int pos) {
  Bar(bar)->setValue(pos);
}

void QtWindowHost::SetScrollBarVisible(ScrollBarKind bar, bool visible) {
  const Qt::ScrollBarPolicy policy = visible ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
  if (bar == ScrollBarKind::Vertical) {
    if (m_area.verticalScrollBarPolicy() != policy) m_area.setVerticalScrollBarPolicy(policy);
  } else if (m_area.horizontalScrollBarPolicy() != policy) {
    m_area.setHorizontalScrollBarPolicy(policy);
  }
}

ScrollBarState QtWindowHost::ScrollBar(ScrollBarKind bar) const {
  const QScrollBar* b = Bar(bar);
  const bool visible = (bar == ScrollBarKind::Vertical
                            ? m_area.verticalScrollBarPolicy()
                            : m_area.horizontalScrollBarPolicy()) == Qt::ScrollBarAlwaysOn;
  return {b->minimum(), b->maximum() + b->pageStep() - 1, b->pageStep(), b->value(), visible};
}

void QtWindowHost::SetCursor(Cursor cursor) {
  m_area.viewport()->setCursor(ToQCursor(cursor));
}

TShiftState QtWindowHost::KeyState() const {
  return ShiftFromQt(QApplication::queryKeyboardModifiers());
}

TPoint QtWindowHost::PointerPos() const {
  return FromQPoint(m_area.viewport()->mapFromGlobal(QCursor::pos()));
}

TPoint QtWindowHost::ClientToScreen(TPoint p) const {
  return FromQPoint(m_area.viewport()->mapToGlobal(ToQPoint(p)));
}

}  // namespace qs::qt
