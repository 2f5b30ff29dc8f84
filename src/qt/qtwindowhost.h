// The window host of an editor control over a Qt scroll area: its viewport
// is the client area, its scroll bars are the control's, and the caret is
// drawn by the widget from the state kept here.
#pragma once

#include <QAbstractScrollArea>

#include "platform/windowhost.h"

namespace qs::qt {

class QtWindowHost final : public IWindowHost {
 public:
  explicit QtWindowHost(QAbstractScrollArea& area) : m_area(area) {}

  TRect ClientRect() const override;
  void Invalidate(const TRect& rect) override;
  void InvalidateAll() override;
  void ScrollClient(int dx, int dy, const TRect& area) override;
  void CreateCaret(int width, int height) override;
  void ShowCaret() override;
  void HideCaret() override;
  void SetCaretPos(TPoint topLeft) override;
  void DestroyCaret() override;
  void SetScrollRange(ScrollBarKind bar, int min, int max, int page) override;
  void SetScrollPos(ScrollBarKind bar, int pos) override;
  void SetScrollBarVisible(ScrollBarKind bar, bool visible) override;
  ScrollBarState ScrollBar(ScrollBarKind bar) const override;
  void SetCursor(Cursor cursor) override;
  void SetCapture() override { m_capture = true; }
  void ReleaseCapture() override { m_capture = false; }
  bool HasCapture() const override { return m_capture; }
  void SetFocus() override { m_area.setFocus(); }
  bool HasFocus() const override { return m_area.hasFocus(); }
  TShiftState KeyState() const override;
  TPoint PointerPos() const override;
  TPoint ClientToScreen(TPoint p) const override;

  // Where the caret is to be drawn, when it is shown.
  [[nodiscard]] bool CaretShown() const { return m_caretExists && m_caretVisible; }
  [[nodiscard]] TRect CaretRect() const;

 private:
  class QScrollBar* Bar(ScrollBarKind bar) const;
  void InvalidateCaret();

  QAbstractScrollArea& m_area;
  bool m_caretExists = false;
  bool m_caretVisible = false;
  int m_caretWidth = 0;
  int m_caretHeight = 0;
  TPoint m_caretPos;
  bool m_capture = false;
};

}  // namespace qs::qt
