// Pointer input: hit testing, presses and releases, mouse selection with its
// 30 ms timer, double and triple clicks, the wheel, the pointer's cursor,
// URL and gutter clicks. Dropping dragged text is memodrag.cpp.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "editor/memomousegutter.h"
#include "editor/memomouseurl.h"
#include "editor/qsmemo.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/timers.h"
#include "support/guardedcall.h"
#include "support/utf8.h"
#include "textmodel/updatebracket.h"

namespace qs {

namespace {

constexpr int kMouseTimerMs = 30;
constexpr int kWheelNotch = 120;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::int32_t ClampToInt32(std::int64_t v) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(v, 0, std::numeric_limits<std::int32_t>::max() - 1));
}

TShiftState ButtonFlag(TMouseButton button) {
  switch (button) {
    case mbLeft:
      return ssLeft;
    case mbRight:
      return ssRight;
    case mbMiddle:
      return ssMiddle;
  }
  return 0;
}

}  // namespace

// ---- Hit testing ------------------------------------------------------------

TCustomQSMemo::THit TCustomQSMemo::HitTest(TPoint p) {
  const TMemoLayout layout = Layout();
  const TCustomMemoSource& s = Source();
  const int lh = LineHeight();
  const int cw = CharWidth();
  THit hit;

  const std::int64_t row = std::max<std::int64_t>(m_topLine + FloorDiv(p.Y, lh), 0);
  const std::int32_t lastLine = std::max(s.LineCount() - 1, 0);
  const std::int64_t lastRow = LastRowOfLine(lastLine);
  if (row > lastRow) {
    hit.belowText = true;
    hit.pos.Line =
        s.HasOption(soBeyondFileEnd) ? ClampToInt32(lastLine + (row - lastRow)) : lastLine;
  } else {
    hit.pos.Line = DisplayRowAt(static_cast<std::int32_t>(row)).line;
  }

  // Left of the text (over the gutter) the arithmetic goes negative: the
  // caret still lands on a real column.
  const std::int64_t dx = static_cast<std::int64_t>(p.X) - layout.textLeft;
  hit.cellColumn = m_leftChar + FloorDiv(dx, cw);
  std::int64_t column = hit.cellColumn;
  const std::int64_t wrapX =
      HasOption(moBreakWordAtMargin)
          ? static_cast<std::int64_t>(cw) * (m_marginPos - m_leftChar) + layout.textLeft
          : m_host.ClientRect().Width();
  if (2 * (dx - FloorDiv(dx, cw) * cw) > cw && p.X < wrapX) ++column;
  hit.pos.Column = ClampToInt32(column);
  // A wrapped row's columns start inside its line.
  if (m_wordWrap && !hit.belowText)
    hit.pos =
        RowColumnToPosition(static_cast<std::int32_t>(row), std::max<std::int64_t>(column, 0));
  return hit;
}

TPosition TCustomQSMemo::PointToPosition(TPoint p) {
  return HitTest(p).pos;
}

// ---- Events -----------------------------------------------------------------

// A failing step is shown and ends the pointer operation where it stands.
void TCustomQSMemo::MouseDown(TMouseButton button, TShiftState shift, TPoint p) noexcept {
  if (!GuardedCall([&] { Press(button, shift, p); })) CancelMouseAction();
}

void TCustomQSMemo::MouseMove(TShiftState shift, TPoint p) noexcept {
  const bool done = GuardedCall([&] {
    if (m_mouse.state == TMouseState::Selecting || m_mouse.state == TMouseState::MayDrag)
      TrackPointer(p, shift);
    else if (m_mouse.state == TMouseState::Idle)
      UpdatePointerCursor(p);
  });
  if (!done) CancelMouseAction();
}

void TCustomQSMemo::MouseUp(TMouseButton button, TShiftState shift, TPoint p) noexcept {
  if (!GuardedCall([&] { Release(button, shift, p); })) CancelMouseAction();
  m_mouse.overUrl = false;
  m_mouse.onGutter = false;
}

void TCustomQSMemo::MouseLeave() noexcept {
  if (m_mouse.state != TMouseState::Idle) return;
  // Whatever the pointer meets next sets its cursor afresh.
  m_pointerCursor = qs::Cursor::Default;
}

void TCustomQSMemo::CancelMouseAction() noexcept {
  // The pointer operation ends whatever the timer or the window say, and
  // this runs where a failure is already being dealt with.
  try {
    StopMouseTimer();
    m_host.ReleaseCapture();
  } catch (...) {
    LogCaughtFailure("ending a mouse action");
  }
  m_mouse.state = TMouseState::Idle;
}

void TCustomQSMemo::ContextMenu(bool byKeyboard, TPoint p) noexcept {
  GuardedCall([&] { ShowContextMenu(byKeyboard, p); });
}

// ---- Press ------------------------------------------------------------------

void TCustomQSMemo::Press(TMouseButton button, TShiftState shift, TPoint p) {
  TCustomMemoSource& s = Source();
  if (button == mbRight &&
      (m_mouse.state == TMouseState::Selecting || m_mouse.state == TMouseState::MayDrag)) {
    CancelMouseAction();
    return;
  }
  if (!m_focused) {
    if (button == mbLeft) s.ClearSelection();
    const std::int32_t top = m_topLine;
    const std::int32_t left = m_leftChar;
    if (!m_host.HasFocus()) m_host.SetFocus();
    // Another control took the focus on the way: the press is not ours.
    if (!m_host.HasFocus()) return;
    FocusChanged(true);
    ApplyView(top, left);
  }
  const TMemoLayout layout = Layout();
  const TPosition before = s.Caret();
  const THit hit = HitTest(p);
  if (button == mbRight)
    PointContextMenu(hit);
  else
    s.SetCaretPos(hit.pos.Column, hit.pos.Line);
  if (button == mbLeft) {
    if ((shift & ssDouble) != 0)
      DoubleClick(p, layout);
    else if (IsTripleClick(p, layout)) {
      m_mouse.state = TMouseState::AfterMultiClick;
      s.MarkLine();
    } else if (m_mouse.state == TMouseState::Idle) {
      BeginSelectOrDrag(shift, hit, before);
    }
  }
  m_mouse.overUrl = OverUrl(hit);
  m_mouse.onGutter = p.X >= 0 && p.X < layout.gutter;
}

// The context menu's Cut, Copy and Paste act where the user points: a right click
// outside the selection takes the caret there and, unless blocks persist, ends the
// selection; inside the selection both stay, so the menu acts on it.
void TCustomQSMemo::PointContextMenu(const THit& hit) {
  TCustomMemoSource& s = Source();
  // The selection's end counts as on it: that is where a mouse selection leaves the pointer.
  const bool onSelection = s.IsInSelection(hit.pos.Column, hit.pos.Line) ||
                           (s.HasSelection() && hit.pos == s.BlockEnd());
  if (HasOption(moDisableRightClickMove) || onSelection) return;
  const TUpdateBracket update(s, upd::kCaretMove);
  if (!s.HasOption(soPersistentBlocks)) s.ClearSelection();
  s.SetCaretPos(hit.pos.Column, hit.pos.Line);
}

void TCustomQSMemo::DoubleClick(TPoint p, const TMemoLayout& layout) {
  m_mouse.doubleClickTime = ThePlatform().clock.Now();
  m_mouse.doubleClickPoint = p;
  if (p.X < layout.textLeft) return;
  m_mouse.state = TMouseState::AfterMultiClick;
  TCustomMemoSource& s = Source();
  if (HasOption(moDblClickLine)) {
    s.MarkLine();
    return;
  }
  const TPosition caret = s.Caret();
  const auto word = s.WordBounds(caret.Column, caret.Line, m_wordSelectionType);
  if (!word) return;
  TSelectionType mode = stStreamSel;
  s.AdjustSelectionType(mode);
  if (mode == stNotSelected) return;
  const TUpdateBracket update(s, upd::kMarkWord);
  s.SelectRange(stStreamSel, word->first, caret.Line, word->second + 1, caret.Line);
  s.SetCaretPos(word->second + 1, caret.Line);
}

bool TCustomQSMemo::IsTripleClick(TPoint p, const TMemoLayout& layout) const {
  if (!HasOption(moTripleClick) || HasOption(moDblClickLine) || m_mouse.doubleClickTime < 0)
    return false;
  const Platform& platform = ThePlatform();
  const TSize box = platform.screen.DoubleClickSize();
  return platform.clock.Now() - m_mouse.doubleClickTime <= platform.screen.DoubleClickTime() &&
         p.X >= layout.textLeft && std::abs(p.X - m_mouse.doubleClickPoint.X) <= box.cx / 2 &&
         std::abs(p.Y - m_mouse.doubleClickPoint.Y) <= box.cy / 2;
}

void TCustomQSMemo::BeginSelectOrDrag(TShiftState shift, const THit& hit, TPosition before) {
  TCustomMemoSource& s = Source();
  const TPosition caret = s.Caret();
  const bool placedExactly = caret.Line == hit.pos.Line &&
                             (!hit.belowText || s.HasOption(soBeyondFileEnd)) &&
                             (caret.Column == hit.pos.Column ||
                              (s.HasOption(soLimitEOL) && caret.Column < hit.pos.Column));
  bool onSelection = s.IsInSelection(caret.Column, caret.Line);
  if (onSelection && s.SelectionType() == stStreamSel && HasOption(moSelectOnlyText))
    onSelection = caret.Column < s.LineLength(caret.Line);
  if (placedExactly && onSelection && !HasOption(moDisableDrag) && !s.GetReadOnly()) {
    m_mouse.state = TMouseState::MayDrag;
  } else {
    m_mouse.state = TMouseState::Selecting;
    m_mouse.anchor = caret;
    if ((shift & ssShift) != 0) {
      // The selection keeps its far end when the press was at one of its ends.
      if (s.HasSelection() && (before == s.BlockBegin() || before == s.BlockEnd()))
        m_mouse.anchor = before == s.BlockBegin() ? s.BlockEnd() : s.BlockBegin();
      else
        m_mouse.anchor = before;
      const TSelectionType mode = s.SelectionType() == stBlockSel ? stBlockSel : stStreamSel;
      const TUpdateBracket update(s, upd::kExtendSelection);
      SelectFromAnchor(caret, mode);
    } else {
      s.ClearSelection();
    }
  }
  m_mouse.last = caret;
  m_host.SetCapture();
  StartMouseTimer();
}

// ---- Tracking ---------------------------------------------------------------

void TCustomQSMemo::StartMouseTimer() {
  if (!m_mouseTimer) m_mouseTimer = std::make_unique<ScopedTimer>(ThePlatform().timers);
  m_mouseTimer->Start(kMouseTimerMs, [this] { MouseTimerTick(); });
}

void TCustomQSMemo::StopMouseTimer() {
  if (m_mouseTimer) m_mouseTimer->Stop();
}

void TCustomQSMemo::MouseTimerTick() noexcept {
  if (!GuardedCall([&] { TrackPointer(m_host.PointerPos(), m_host.KeyState()); }))
    CancelMouseAction();
}

void TCustomQSMemo::TrackPointer(TPoint p, TShiftState keys) {
  TCustomMemoSource& s = Source();
  const TPosition pos = HitTest(p).pos;
  if (pos == m_mouse.last) return;
  if (m_mouse.state == TMouseState::Selecting) {
    const bool right = m_mouse.last <= pos;
    const TSelectionType mode = (keys & ssAlt) != 0 ? stBlockSel : stStreamSel;
    const TPosition to =
        HasOption(moExtendedSel) && mode == stStreamSel ? WordEdge(pos, right) : pos;
    const TUpdateBracket update(s, upd::kExtendSelection);
    // Placing the caret first keeps it visible, which scrolls the view
    // while the pointer is outside it.
    s.SetCaretPos(to.Column, to.Line);
    SelectFromAnchor(s.Caret(), mode);
  } else if (m_mouse.state == TMouseState::MayDrag) {
    s.SetCaretPos(pos.Column, pos.Line);
    const TPosition caret = s.Caret();
    m_pointerCursor = s.IsInSelection(caret.Column, caret.Line) ? qs::Cursor::NoDrop : m_dragCursor;
    m_host.SetCursor(m_pointerCursor);
  }
  m_mouse.last = pos;
}

void TCustomQSMemo::SelectFromAnchor(TPosition to, TSelectionType mode) {
  TCustomMemoSource& s = Source();
  // The block option (masked where column blocks cannot be shown) decides
  // whether Alt gives a column block.
  s.AdjustSelectionType(mode);
  TPosition b = m_mouse.anchor;
  TPosition e = to;
  if (mode == stBlockSel) {
    if (e.Line < b.Line) std::swap(b.Line, e.Line);
    if (e.Column < b.Column) std::swap(b.Column, e.Column);
  } else if (e < b) {
    std::swap(b, e);
  }
  const bool empty = mode == stBlockSel ? b.Column == e.Column : b == e;
  if (mode == stNotSelected || empty) {
    s.ClearSelection();
    return;
  }
  // The pointer gives cell edges; a column block names its last column.
  if (mode == stBlockSel) --e.Column;
  s.SelectRange(mode, b.Column, b.Line, e.Column, e.Line);
}

TPosition TCustomQSMemo::WordEdge(TPosition pos, bool movingRight) const {
  const TCustomMemoSource& s = Source();
  if (pos.Line >= s.LineCount()) return pos;
  const auto word = s.WordBounds(pos.Column, pos.Line, wsWordOnly);
  if (!word || pos.Column < word->first || pos.Column > word->second) return pos;
  return {pos.Line, movingRight ? word->second + 1 : word->first};
}

// ---- Release ----------------------------------------------------------------

void TCustomQSMemo::Release(TMouseButton button, TShiftState shift, TPoint p) {
  TCustomMemoSource& s = Source();
  if (button == mbLeft) {
    const TMouseState state = m_mouse.state;
    bool click = false;
    CancelMouseAction();
    switch (state) {
      case TMouseState::Idle:
        s.ClearSelection();
        break;
      case TMouseState::Selecting:
        click = !s.HasSelection();
        break;
      case TMouseState::MayDrag:
        Drop((shift & ssCtrl) != 0);
        break;
      case TMouseState::AfterMultiClick:
        break;
    }
    const THit hit = HitTest(p);
    if (click && m_mouse.overUrl && s.HighlightUrls() && OverUrl(hit)) JumpToUrl(hit);
  }
  if (m_mouse.onGutter) ClickGutter(button, shift, p);
  if (button == mbRight) {
    CancelMouseAction();
    ShowContextMenu(false, p);
  }
}

// ---- URLs and the gutter ----------------------------------------------------

bool TCustomQSMemo::OverUrl(const THit& hit) {
  TCustomMemoSource& s = Source();
  if (!s.HighlightUrls() || hit.belowText || hit.cellColumn < 0 || hit.pos.Line >= s.LineCount())
    return false;
  const std::string bytes = s.GetExpandedStyleBytes(hit.pos.Line);
  return UrlRunAt(s.ExpandedLine(hit.pos.Line), bytes, hit.cellColumn).has_value();
}

void TCustomQSMemo::JumpToUrl(const THit& hit) {
  TCustomMemoSource& s = Source();
  const std::optional<String> run =
      UrlRunAt(s.ExpandedLine(hit.pos.Line), s.GetExpandedStyleBytes(hit.pos.Line), hit.cellColumn);
  if (!run) return;
  const TUrlTarget target = ClassifyUrl(*run);
  bool handled = false;
  if (OnJumpToUrl) OnJumpToUrl(*this, target.url, handled);
  if (handled) return;
  IShell& shell = ThePlatform().shell;
  if (target.mail)
    shell.OpenMail(ToUtf8(target.url));
  else
    shell.OpenUrl(ToUtf8(target.url));
}

void TCustomQSMemo::ClickGutter(TMouseButton button, TShiftState shift, TPoint p) {
  const TMemoLayout layout = Layout();
  if (p.X < 0 || p.X >= layout.gutter) return;
  const THit hit = HitTest(p);
  const TCustomMemoSource& s = Source();
  const TStringItem* item = s.GetLineItem(hit.pos.Line);
  const std::uint32_t bits = item != nullptr && !hit.belowText ? item->GutterImages : 0;
  const TGutterImageLayout images{m_gutterImageSizes, LineHeight(), layout.gutter, false};
  const int image = GutterImageAt(images, bits, p.X);
  if (OnClickGutter) OnClickGutter(*this, hit.pos.Line, image, shift | ButtonFlag(button));
}

// ---- Cursor and wheel -------------------------------------------------------

void TCustomQSMemo::UpdatePointerCursor(TPoint p) {
  const TMemoLayout layout = Layout();
  const TCustomMemoSource& s = Source();
  qs::Cursor cursor = qs::Cursor::IBeam;
  if (p.X < layout.textLeft) {
    cursor = qs::Cursor::Arrow;
  } else {
    const THit hit = HitTest(p);
    const bool draggable = !HasOption(moDisableDrag) && !s.GetReadOnly() && !hit.belowText &&
                           s.IsInSelection(hit.pos.Column, hit.pos.Line);
    if (draggable)
      cursor = qs::Cursor::Arrow;
    else if (OverUrl(hit))
      cursor = crMemoHandPoint;
  }
  if (cursor == m_pointerCursor) return;
  m_pointerCursor = cursor;
  m_host.SetCursor(cursor);
}

bool TCustomQSMemo::MouseWheel(int delta) noexcept {
  return GuardedCall([&] {
    m_mouse.wheelRemainder += delta;
    const std::int64_t notches = m_mouse.wheelRemainder / kWheelNotch;
    if (notches == 0) return;
    m_mouse.wheelRemainder -= notches * kWheelNotch;
    // A setting of a page or more (the desktop's "one page" choice) scrolls
    // one page a notch.
    const std::int64_t page = VisibleRows() + 1;
    const std::int64_t lines =
        std::min<std::int64_t>(std::max(ThePlatform().screen.WheelScrollLines(), 1), page);
    const std::int64_t rows = std::clamp<std::int64_t>(-notches * lines, -kToEnd, kToEnd);
    ScrollBy(static_cast<std::int32_t>(rows), 0);
  });
}

}  // namespace qs
