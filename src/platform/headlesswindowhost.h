// A window host for tests: it keeps every request as inspectable state, and
// the test sets what the control would read from the desktop (size, focus,
// keys, pointer).
#pragma once

#include <vector>

#include "platform/windowhost.h"

namespace qs {

struct CaretState {
  bool exists = false;
  bool visible = false;
  int width = 0;
  int height = 0;
  TPoint pos;
  bool operator==(const CaretState&) const = default;
};

struct ClientScroll {
  int dx = 0;
  int dy = 0;
  TRect area;
  bool operator==(const ClientScroll&) const = default;
};

class HeadlessWindowHost final : public IWindowHost {
 public:
  explicit HeadlessWindowHost(TRect client = {0, 0, 640, 480}) : m_client(client) {}

  TRect ClientRect() const override { return m_client; }
  void Invalidate(const TRect& rect) override { m_invalid.push_back(rect); }
  void InvalidateAll() override { m_invalid.push_back(m_client); }
  void ScrollClient(int dx, int dy, const TRect& area) override;
  void CreateCaret(int width, int height) override;
  void ShowCaret() override;
  void HideCaret() override { m_caret.visible = false; }
  void SetCaretPos(TPoint topLeft) override { m_caret.pos = topLeft; }
  void DestroyCaret() override { m_caret = {}; }
  void SetScrollRange(ScrollBarKind bar, int min, int max, int page) override;
  void SetScrollPos(ScrollBarKind bar, int pos) override;
  void SetScrollBarVisible(ScrollBarKind bar, bool visible) override;
  ScrollBarState ScrollBar(ScrollBarKind bar) const override;
  void SetCursor(Cursor cursor) override { m_cursor = cursor; }
  void SetCapture() override { m_capture = true; }
  void ReleaseCapture() override { m_capture = false; }
  bool HasCapture() const override { return m_capture; }
  void SetFocus() override { m_focus = true; }
  bool HasFocus() const override { return m_focus; }
  TShiftState KeyState() const override { return m_keys; }
  TPoint PointerPos() const override { return m_pointer; }
  TPoint ClientToScreen(TPoint p) const override { return p + m_screenOrigin; }

  // What the test arranges.
  void SetClientRect(TRect client) { m_client = client; }
  void SimulateFocusLoss() { m_focus = false; }
  void SimulateKeyState(TShiftState keys) { m_keys = keys; }
  void SimulatePointer(TPoint p) { m_pointer = p; }
  void SetScreenOrigin(TPoint origin) { m_screenOrigin = origin; }

  // What the control asked for.
  [[nodiscard]] const std::vector<TRect>& Invalidated() const { return m_invalid; }
  // The union of everything invalidated since the last ClearInvalidated.
  [[nodiscard]] TRect InvalidUnion() const;
  void ClearInvalidated() { m_invalid.clear(); }
  [[nodiscard]] const std::vector<ClientScroll>& Scrolls() const { return m_scrolls; }
  void ClearScrolls() { m_scrolls.clear(); }
  [[nodiscard]] const CaretState& Caret() const { return m_caret; }
  [[nodiscard]] Cursor CurrentCursor() const { return m_cursor; }

 private:
  ScrollBarState& Bar(ScrollBarKind bar);

  TRect m_client;
  std::vector<TRect> m_invalid;
  std::vector<ClientScroll> m_scrolls;
  CaretState m_caret;
  ScrollBarState m_bars[2];
  Cursor m_cursor = Cursor::Default;
  bool m_capture = false;
  bool m_focus = false;
  TShiftState m_keys = 0;
  TPoint m_pointer;
  TPoint m_screenOrigin;
};

}  // namespace qs
