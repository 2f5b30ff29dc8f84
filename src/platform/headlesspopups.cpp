#include "platform/headlesspopups.h"

namespace qs {

void HeadlessHintWindow::ShowHint(const String& text, TPoint at) {
  m_text = text;
  m_at = at;
  m_visible = true;
  ++m_shows;
}

void HeadlessPopupList::SetEntries(std::vector<TPopupEntry> entries) {
  m_entries = std::move(entries);
  m_selected = m_entries.empty() ? -1 : 0;
}

void HeadlessPopupList::SetSelected(int index) {
  m_selected = index >= 0 && index < static_cast<int>(m_entries.size()) ? index : -1;
}

void HeadlessPopupList::ShowList(TPoint at) {
  m_at = at;
  m_visible = true;
}

std::vector<String> HeadlessPopupList::Names() const {
  std::vector<String> names;
  for (const TPopupEntry& e : m_entries) names.push_back(e.name);
  return names;
}

}  // namespace qs
