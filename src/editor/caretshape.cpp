#include "editor/caretshape.h"

#include <algorithm>
#include <limits>

#include "editor/qsmemo.h"
#include "platform/platform.h"
#include "platform/screen.h"

namespace qs {

TCaretShape ComputeCaretShape(const TCaretShapeInput& in) {
  if (in.hideCaret) return {1, 1, kHiddenCaretPos};
  TCaretShape shape;
  shape.width = std::max(in.blockInOverwrite ? in.charWidth : in.insertWidth, 1);
  shape.height = std::max(in.fontHeight, 1);
  shape.pos = in.cell;
  // A row taller than the font: the caret sits on the row's bottom.
  if (in.rowHeight > shape.height) shape.pos.Y += in.rowHeight - shape.height;
  if (in.cell.X < in.textLeft || in.cell.Y < 0) shape.pos = {-in.charWidth - 10, -10};
  return shape;
}

namespace {

int ClampToInt(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min() / 2,
                                                   std::numeric_limits<int>::max() / 2));
}

int InsertCaretWidth() {
  return HasPlatform() ? std::max(ThePlatform().screen.CaretWidth(), 1) : 2;
}

}  // namespace

void TCustomQSMemo::SetHideCaret(bool hide) {
  if (hide == m_hideCaret) return;
  m_hideCaret = hide;
  UpdateCaret();
}

void TCustomQSMemo::ShapeCaret() {
  if (!m_focused) return;
  const TMemoLayout layout = Layout();
  const TCustomMemoSource& s = Source();
  const int lh = LineHeight();
  const std::int64_t row = static_cast<std::int64_t>(CaretRow()) - m_topLine;
  TCaretShapeInput in;
  in.hideCaret = m_hideCaret;
  in.blockInOverwrite = HasOption(moOverwriteCaret) && TCustomMemoSource::OverwriteMode();
  in.insertWidth = InsertCaretWidth();
  in.charWidth = CharWidth();
  in.fontHeight = lh;
  in.rowHeight = lh;
  in.cell = {ColumnToX(s.CaretLine(), s.CaretColumn()), ClampToInt(row * lh)};
  in.textLeft = layout.textLeft;
  const TCaretShape shape = ComputeCaretShape(in);
  const TSize size{shape.width, shape.height};
  if (size != m_caretSize) {
    m_host.HideCaret();
    m_host.CreateCaret(size.cx, size.cy);
    m_caretSize = size;
  }
  m_host.SetCaretPos(shape.pos);
  const TRect client = m_host.ClientRect();
  const bool inView = shape.pos.X >= layout.textLeft && shape.pos.X < client.Right &&
                      shape.pos.Y >= 0 && shape.pos.Y < client.Bottom;
  if (inView)
    m_host.ShowCaret();
  else
    m_host.HideCaret();
}

}  // namespace qs
