// Lines and the selection seen as string lists.
#include <algorithm>

#include "textmodel/qsstring.h"
#include "textmodel/textload.h"
#include "textmodel/updatebracket.h"

namespace qs {

int TExternalStrings::Count() const {
  return m_source.LineCount();
}

String TExternalStrings::Get(int index) const {
  return m_source.ExpandedLine(index);
}

void* TExternalStrings::GetObject(int index) const {
  const TStringItem* item = m_source.GetLineItem(index);
  return item ? item->Obj : nullptr;
}

void TExternalStrings::Put(int index, StringView text) {
  if (index < 0 || index >= Count()) return;
  {
    const TUpdateBracket update(m_source, upd::kLinesPut, TUpdateBracket::Tracked);
    m_source.m_strings.Put(index, m_source.StoringConversion(text));
    m_source.MarkChanged(index, index);
    m_source.UpdateLongestLine(index);
  }
  m_source.ClearUndo();
}

void TExternalStrings::PutObject(int index, void* obj) {
  m_source.m_strings.PutObject(index, obj);
}

void TExternalStrings::Insert(int index, StringView text) {
  TCustomMemoSource& s = m_source;
  index = std::clamp(index, 0, Count());
  {
    const TUpdateBracket update(s, upd::kLinesInsert, TUpdateBracket::Tracked);
    s.m_caret = {index, 0};
    // A whole new line: everything from line index down moves with its text, a
    // position at column 0 included (a break at the caret would leave it behind).
    s.m_editAt = {index - 1, 0};
    s.m_positions.ShiftLinesFrom(index, 1);
    s.m_strings.Insert(index, s.StoringConversion(text));
    s.m_hidden.LineInserted(index - 1);
    // Bookmarks stay on their text, as for a line break at the start of the line.
    s.m_bookmarks.ShiftLines(index, 0, 1);
    s.MarkChanged(index, kToEnd);
    if (s.m_longestIndex >= index) ++s.m_longestIndex;
    s.UpdateLongestLine(index);
  }
  s.ClearUndo();
}

void TExternalStrings::Delete(int index) {
  TCustomMemoSource& s = m_source;
  if (index < 0 || index >= Count()) return;
  {
    const TUpdateBracket update(s, upd::kLinesDelete, TUpdateBracket::Tracked);
    s.m_caret = {index, 0};
    s.ShiftPositions(skDeleteChars, static_cast<std::int64_t>(s.StoredLine(index).size()));
    s.ShiftPositions(skJoinLine, 0);
    s.m_strings.Delete(index);
    s.m_hidden.LineDeleted(index);
    s.m_bookmarks.ShiftLines(index + 1, 0, -1);
    s.MarkChanged(index, kToEnd);
    if (index == s.m_longestIndex)
      s.RescanLongestLine();
    else if (index < s.m_longestIndex)
      --s.m_longestIndex;
  }
  s.ClearUndo();
}

void TExternalStrings::Clear() {
  TCustomMemoSource& s = m_source;
  {
    const TUpdateBracket update(s, upd::kLinesClear, TUpdateBracket::Tracked);
    TInternalStrings empty;
    s.SwapInLoaded(empty, s.FileShape());
    s.MarkChanged(0, kToEnd);
  }
  s.ClearUndo();
}

String TExternalStrings::Text() const {
  String out;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) out += U"\r\n";
    out += m_source.StoredLine(i);
  }
  return out;
}

void TExternalStrings::SetText(StringView text) {
  m_source.LoadFromText(text);
}

void TExternalStrings::Assign(const TStrings& other) {
  if (&other == this) return;
  TCustomMemoSource& s = m_source;
  TInternalStrings fresh;
  fresh.SetItemFactory([&s] { return s.GetStringItemClass(); });
  fresh.SetNewLineBreak(s.OutFormat());
  for (int i = 0; i < other.Count(); ++i) {
    fresh.Insert(i, s.StoringConversion(other.Get(i)));
    fresh.PutObject(i, other.GetObject(i));
  }
  {
    const TUpdateBracket update(s, upd::kLinesAssign, TUpdateBracket::Tracked);
    s.SwapInLoaded(fresh, s.FileShape());
    s.MarkChanged(0, kToEnd);
  }
  s.ClearUndo();
}

int TSelectionStrings::Count() const {
  return m_source.SelectionLineCount();
}

String TSelectionStrings::Get(int index) const {
  return m_source.SelectionLine(index);
}

}  // namespace qs
