// What a control asks of the window it lives in: its client area, repainting
// and scrolling pixels, the caret, scroll bars, the pointer and the keyboard.
// All coordinates are client pixels unless a name says screen.
#pragma once

#include "platform/geometry.h"
#include "platform/keys.h"

namespace qs {

enum class Cursor {
  Default,
  Arrow,
  IBeam,
  Wait,
  Cross,
  SizeAll,
  SizeNS,
  SizeWE,
  HandPoint,
  Drag,
  NoDrop
};

enum class ScrollBarKind { Horizontal, Vertical };

struct ScrollBarState {
  int min = 0;
  int max = 0;
  int page = 0;
  int pos = 0;
  bool visible = false;
  bool operator==(const ScrollBarState&) const = default;
};

// The highest position a bar of this range and page can take: the thumb's
// top when the page shows the range's end.
[[nodiscard]] constexpr int MaxScrollPos(const ScrollBarState& bar) {
  const int top = bar.max - (bar.page > 0 ? bar.page - 1 : 0);
  return top < bar.min ? bar.min : top;
}

class IWindowHost {
 public:
  virtual ~IWindowHost() = default;

  [[nodiscard]] virtual TRect ClientRect() const = 0;
  // Marks the area for repainting; the paint comes later, once for all marks.
  virtual void Invalidate(const TRect& rect) = 0;
  virtual void InvalidateAll() = 0;
  // Moves the pixels inside area by (dx, dy) and invalidates the part of area
  // that the move uncovered.
  virtual void ScrollClient(int dx, int dy, const TRect& area) = 0;

  // One caret per window; creating it again replaces it (hidden).
  virtual void CreateCaret(int width, int height) = 0;
  virtual void ShowCaret() = 0;
  virtual void HideCaret() = 0;
  virtual void SetCaretPos(TPoint topLeft) = 0;
  virtual void DestroyCaret() = 0;

  // A position is kept within min .. MaxScrollPos.
  virtual void SetScrollRange(ScrollBarKind bar, int min, int max, int page) = 0;
  virtual void SetScrollPos(ScrollBarKind bar, int pos) = 0;
  virtual void SetScrollBarVisible(ScrollBarKind bar, bool visible) = 0;
  [[nodiscard]] virtual ScrollBarState ScrollBar(ScrollBarKind bar) const = 0;

  virtual void SetCursor(Cursor cursor) = 0;
  // While captured, pointer input reaches this window even outside it.
  virtual void SetCapture() = 0;
  virtual void ReleaseCapture() = 0;
  [[nodiscard]] virtual bool HasCapture() const = 0;
  virtual void SetFocus() = 0;
  [[nodiscard]] virtual bool HasFocus() const = 0;

  // Shift, Ctrl and Alt as held at this moment (not as of the last event).
  [[nodiscard]] virtual TShiftState KeyState() const = 0;
  // The pointer now, in client coordinates (it may lie outside the client area).
  [[nodiscard]] virtual TPoint PointerPos() const = 0;
  [[nodiscard]] virtual TPoint ClientToScreen(TPoint p) const = 0;
};

}  // namespace qs
