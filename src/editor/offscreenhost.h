// The window of an editor control that is never shown, such as the one that
// paints printed pages: a client area of a fixed size and nothing else. What
// a visible window would do (repaint, scroll, caret, bars, pointer) has no
// one to see it and is dropped.
#pragma once

#include "platform/windowhost.h"

namespace qs {

class TOffscreenHost final : public IWindowHost {
 public:
  explicit TOffscreenHost(TSize client = {0, 0}) : m_client{0, 0, client.cx, client.cy} {}
  void SetClientSize(TSize client) { m_client = {0, 0, client.cx, client.cy}; }

  TRect ClientRect() const override { return m_client; }
  void Invalidate(const TRect&) override {}
  void InvalidateAll() override {}
  void ScrollClient(int, int, const TRect&) override {}
  void CreateCaret(int, int) override {}
  void ShowCaret() override {}
  void HideCaret() override {}
  void SetCaretPos(TPoint) override {}
  void DestroyCaret() override {}
  void SetScrollRange(ScrollBarKind, int, int, int) override {}
  void SetScrollPos(ScrollBarKind, int) override {}
  void SetScrollBarVisible(ScrollBarKind, bool) override {}
  ScrollBarState ScrollBar(ScrollBarKind) const override { return {}; }
  void SetCursor(Cursor) override {}
  void SetCapture() override {}
  void ReleaseCapture() override {}
  bool HasCapture() const override { return false; }
  void SetFocus() override {}
  bool HasFocus() const override { return false; }
  TShiftState KeyState() const override { return 0; }
  TPoint PointerPos() const override { return {}; }
  TPoint ClientToScreen(TPoint p) const override { return p; }

 private:
  TRect m_client;
};

}  // namespace qs
