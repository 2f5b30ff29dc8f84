// The popup menu: the one assigned to the control, or the default edit menu.
#include "editor/qsmemo.h"

namespace qs {

TPopupMenu& TCustomQSMemo::DefaultMenu() {
  if (m_defaultMenu) return *m_defaultMenu;
  m_defaultMenu = std::make_unique<TPopupMenu>();
  // Items look the source up when they run: it may have been replaced.
  m_defaultMenu->Items = {
      {U"&Undo", true, [this] { Source().Undo(); }},
      {U"-", true, {}},
      {U"Cu&t", true, [this] { CutToClipboard(); }},
      {U"&Copy", true, [this] { CopyToClipboard(); }},
      {U"&Paste", true, [this] { PasteFromClipboard(); }},
      {U"&Delete", true, [this] { Source().DeleteBlock(); }},
      {U"-", true, {}},
      {U"Se&lect All", true, [this] { Source().SelectAll(); }},
  };
  m_defaultMenu->OnPopup = [this](TPopupMenu& menu) {
    const TCustomMemoSource& s = Source();
    const bool writable = !s.GetReadOnly();
    menu.Find(U"&Undo")->enabled = s.CanUndo();
    menu.Find(U"Cu&t")->enabled = s.HasSelection() && writable;
    menu.Find(U"&Copy")->enabled = s.HasSelection();
    menu.Find(U"&Paste")->enabled = CanPaste();
    menu.Find(U"&Delete")->enabled = s.HasSelection() && writable;
  };
  return *m_defaultMenu;
}

void TCustomQSMemo::ShowContextMenu(bool byKeyboard, TPoint p) {
  if (m_menuHost == nullptr) return;
  TPopupMenu* menu = m_popupMenu;
  if (menu == nullptr && m_useDefaultMenu) menu = &DefaultMenu();
  if (menu == nullptr) return;
  const TRect client = m_host.ClientRect();
  TPoint at{0, 0};
  if (byKeyboard) {
    const TMemoLayout layout = Layout();
    const TCustomMemoSource& s = Source();
    const std::int64_t row = static_cast<std::int64_t>(s.LineToRow(s.CaretLine())) - m_topLine;
    const std::int64_t y = row * LineHeight();
    const int x = ColumnX(layout, s.CaretColumn());
    if (x >= layout.textLeft && x < client.Right && y >= 0 && y < client.Bottom)
      at = {x + m_caretSize.cx, static_cast<int>(y)};
  } else {
    if (p.X < client.Left || p.X >= client.Right || p.Y < client.Top || p.Y >= client.Bottom)
      return;
    at = p;
  }
  ShowPopupMenu(*m_menuHost, *menu, m_host.ClientToScreen(at));
}

}  // namespace qs
