#include "platform/headlesswindowhost.h"

#include <algorithm>

namespace qs {

void HeadlessWindowHost::ScrollClient(int dx, int dy, const TRect& area) {
  m_scrolls.push_back({dx, dy, area});
  // The strips the moved pixels left behind need repainting; a move as large
  // as the area uncovers all of it.
  if (dx > 0) Invalidate({area.Left, area.Top, std::min(area.Left + dx, area.Right), area.Bottom});
  if (dx < 0) Invalidate({std::max(area.Right + dx, area.Left), area.Top, area.Right, area.Bottom});
  if (dy > 0) Invalidate({area.Left, area.Top, area.Right, std::min(area.Top + dy, area.Bottom)});
  if (dy < 0)
    Invalidate({area.Left, std::max(area.Bottom + dy, area.Top), area.Right, area.Bottom});
}

void HeadlessWindowHost::CreateCaret(int width, int height) {
  m_caret = {};
  m_caret.exists = true;
  m_caret.width = width;
  m_caret.height = height;
}

void HeadlessWindowHost::ShowCaret() {
  // A caret that was never created cannot be shown, as on a real desktop.
  if (m_caret.exists) m_caret.visible = true;
}

ScrollBarState& HeadlessWindowHost::Bar(ScrollBarKind bar) {
  return m_bars[bar == ScrollBarKind::Horizontal ? 0 : 1];
}

ScrollBarState HeadlessWindowHost::ScrollBar(ScrollBarKind bar) const {
  return m_bars[bar == ScrollBarKind::Horizontal ? 0 : 1];
}

void HeadlessWindowHost::SetScrollRange(ScrollBarKind bar, int min, int max, int page) {
  ScrollBarState& state = Bar(bar);
  state.min = min;
  state.max = std::max(min, max);
  state.page = std::max(page, 0);
  state.pos = std::clamp(state.pos, state.min, MaxScrollPos(state));
}

void HeadlessWindowHost::SetScrollPos(ScrollBarKind bar, int pos) {
  ScrollBarState& state = Bar(bar);
  state.pos = std::clamp(pos, state.min, MaxScrollPos(state));
}

void HeadlessWindowHost::SetScrollBarVisible(ScrollBarKind bar, bool visible) {
  Bar(bar).visible = visible;
}

TRect HeadlessWindowHost::InvalidUnion() const {
  TRect all;
  for (const TRect& r : m_invalid) all = all.Union(r);
  return all;
}

}  // namespace qs
