// The document's bookmark commands.
#include <algorithm>
#include <utility>

#include "textmodel/qsstring.h"
#include "textmodel/updatebracket.h"

namespace qs {

void TCustomMemoSource::SetBookmark(int n) {
  if (!TMemoBookMarkList::IsValidNumber(n)) return;
  const TUpdateBracket update(*this, upd::kSetBookmark);
  ClearBookmark(n);
  m_bookmarks.Set(n, m_caret.Column, m_caret.Line);
  AddChanges({msBlockChanged});
  MarkDirty(m_caret.Line, m_caret.Line);
}

void TCustomMemoSource::ClearBookmark(int n) {
  if (!TMemoBookMarkList::IsValidNumber(n)) return;
  const TUpdateBracket update(*this, upd::kClearBookmark);
  const std::int32_t line = m_bookmarks.Remove(n);
  if (line >= 0) {
    AddChanges({msBlockChanged});
    MarkDirty(line, line);
  }
}

void TCustomMemoSource::ToggleBookmark(int n) {
  if (!TMemoBookMarkList::IsValidNumber(n)) return;
  const TBookmarkRecord* r = m_bookmarks.Find(n);
  if (r && r->Line == m_caret.Line)
    ClearBookmark(n);
  else
    SetBookmark(n);
}

void TCustomMemoSource::GotoBookmark(int n) {
  const TBookmarkRecord* r = m_bookmarks.Find(n);
  if (!r) return;
  // Lines may have been cut or removed since the bookmark was set: land on text.
  const std::int32_t line = std::min(r->Line, std::max(LineCount() - 1, 0));
  const std::int32_t column = std::min(r->Column, LineLength(line));
  const bool was = std::exchange(m_bookmarkJump, true);
  try {
    SetCaretPos(column, line);
  } catch (...) {
    m_bookmarkJump = was;
    throw;
  }
  m_bookmarkJump = was;
}

bool TCustomMemoSource::GetBookmark(int n, TPosition& at) const {
  if (const TBookmarkRecord* r = m_bookmarks.Find(n)) {
    at = {r->Line, r->Column};
    return true;
  }
  at = {-1, -1};
  return false;
}

int TCustomMemoSource::BookmarkAtLine(std::int32_t line) const {
  if (line < 0 || line >= LineCount()) return 0;
  return m_bookmarks.AtLine(line);
}

int TCustomMemoSource::BookmarkInSpan(std::int32_t line, std::int32_t fromColumn,
                                      std::int32_t toColumn) const {
  const auto found = m_bookmarks.InSpan(line, fromColumn, toColumn);
  return found.empty() ? 0 : found.front().Number;
}

std::vector<TBookmarkRecord> TCustomMemoSource::BookmarksInSpan(std::int32_t line,
                                                                std::int32_t fromColumn,
                                                                std::int32_t toColumn) const {
  return m_bookmarks.InSpan(line, fromColumn, toColumn);
}

}  // namespace qs
