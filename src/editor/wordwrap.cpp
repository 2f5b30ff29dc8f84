#include "editor/wordwrap.h"

#include <algorithm>

#include "textmodel/qsstring.h"

namespace qs {
namespace {

// Lines still to be broken while a change log is replayed, as sorted,
// disjoint ranges [first, last] that move with later insertions and removals.
class DirtyLines {
 public:
  void Add(std::int64_t first, std::int64_t last) {
    auto it = std::lower_bound(m_ranges.begin(), m_ranges.end(), Range{first, first},
                               [](const Range& a, const Range& b) { return a.last + 1 < b.first; });
    while (it != m_ranges.end() && it->first <= last + 1) {
      first = std::min(first, it->first);
      last = std::max(last, it->last);
      it = m_ranges.erase(it);
    }
    m_ranges.insert(it, {first, last});
  }

  void Inserted(std::int64_t at, std::int64_t count) {
    for (Range& r : m_ranges) {
      if (r.first >= at)
        r.first += count, r.last += count;
      else if (r.last >= at)
        r.last += count;
    }
    Add(at, at + count - 1);
  }

  void Removed(std::int64_t at, std::int64_t count) {
    const std::int64_t end = at + count;  // first line after the removed ones
    std::vector<Range> kept;
    kept.reserve(m_ranges.size());
    for (const Range& r : m_ranges) {
      const std::int64_t first = r.first < at ? r.first : std::max(r.first - count, at);
      const std::int64_t last = r.last >= end ? r.last - count : std::min(r.last, at - 1);
      if (first <= last) kept.push_back({first, last});
    }
    m_ranges.clear();
    for (const Range& r : kept) Add(r.first, r.last);
  }

  template <class Fn>
  void ForEach(Fn fn) const {
    for (const Range& r : m_ranges) fn(r.first, r.last);
  }

 private:
  struct Range {
    std::int64_t first;
    std::int64_t last;
  };
  std::vector<Range> m_ranges;
};

bool HasTab(StringView text) {
  return std::find(text.begin(), text.end(), kTab) != text.end();
}

}  // namespace

void TWordWrap::AppendBreaksOf(const TCustomMemoSource& source, std::int32_t line,
                               std::vector<std::int32_t>& out) const {
  const StringView stored = source.StoredLine(line);
  const auto room = static_cast<std::size_t>(m_capacity) + 1;
  const bool tabs = HasTab(stored);
  // TABs only widen a line, so a short line without them needs no look.
  if (stored.size() <= room && !tabs) return;
  String expanded;
  if (tabs) expanded = source.ExpandedLine(line);
  const StringView text = tabs ? StringView(expanded) : stored;
  AppendBreakColumns(
      text, m_capacity, [&source](Char c) { return source.IsDelimiterChar(c); }, out);
}

void TWordWrap::WrapAll(const TCustomMemoSource& source, int capacity) {
  m_capacity = std::max(capacity, 1);
  m_lineCount = source.LineCount();
  std::vector<TWordWrapList::Tree::Item> breaks;
  std::vector<TLineInfoList::Tree::Item> infos;
  std::vector<std::int32_t> columns;
  for (std::int32_t line = 0; line < m_lineCount; ++line) {
    columns.clear();
    AppendBreaksOf(source, line, columns);
    if (columns.empty()) continue;
    for (const std::int32_t c : columns) breaks.push_back({line, TWrapBreak{c, 0, 0, 0}});
    infos.push_back({line, TLineInfo{}});
  }
  m_breaks.Assign(breaks);
  m_infos.Assign(infos);
  m_wrappedLines += m_lineCount;
}

bool TWordWrap::WrapLine(const TCustomMemoSource& source, std::int32_t line) {
  std::vector<std::int32_t> columns;
  AppendBreaksOf(source, line, columns);
  ++m_wrappedLines;
  std::vector<TWrapBreak> fresh;
  fresh.reserve(columns.size());
  for (const std::int32_t c : columns) fresh.push_back(TWrapBreak{c, 0, 0, 0});
  const std::vector<TWrapBreak> old = m_breaks.BreaksOf(line);
  if (old == fresh) return false;
  m_breaks.SetBreaks(line, fresh);
  if (old.empty() != fresh.empty())
    m_infos.Set(line, fresh.empty() ? std::nullopt : std::optional<TLineInfo>(TLineInfo{}));
  return old.size() != fresh.size();
}

bool TWordWrap::WrapLines(const TCustomMemoSource& source, std::int32_t first, std::int32_t last) {
  first = std::max(first, 0);
  last = std::min(last, m_lineCount - 1);
  bool rowsChanged = false;
  for (std::int32_t line = first; line <= last; ++line)
    rowsChanged = WrapLine(source, line) || rowsChanged;
  return rowsChanged;
}

bool TWordWrap::Follow(const TCustomMemoSource& source, bool& rowsChanged) {
  rowsChanged = false;
  const TLineChangeLog& log = source.LineChanges();
  if (!IsBuilt() || !log.Complete()) return false;
  DirtyLines dirty;
  for (const TLineChangeLog::Entry& e : log.Entries()) {
    switch (e.kind) {
      case TLineChangeLog::Kind::Edited:
        dirty.Add(e.first, e.last);
        break;
      case TLineChangeLog::Kind::Inserted:
        m_breaks.LinesInserted(e.first, e.count);
        m_infos.LinesInserted(e.first, e.count);
        m_lineCount += e.count;
        dirty.Inserted(e.first, e.count);
        rowsChanged = true;
        break;
      case TLineChangeLog::Kind::Removed:
        m_breaks.LinesRemoved(e.first, e.count);
        m_infos.LinesRemoved(e.first, e.count);
        m_lineCount -= e.count;
        dirty.Removed(e.first, e.count);
        rowsChanged = true;
        break;
    }
  }
  if (m_lineCount != source.LineCount()) return false;
  dirty.ForEach([&](std::int64_t first, std::int64_t last) {
    const auto a = static_cast<std::int32_t>(std::clamp<std::int64_t>(first, 0, m_lineCount));
    const auto b = static_cast<std::int32_t>(std::clamp<std::int64_t>(last, -1, m_lineCount - 1));
    if (WrapLines(source, a, b)) rowsChanged = true;
  });
  return true;
}

void TWordWrap::Clear() noexcept {
  m_breaks.Clear();
  m_infos.Clear();
  m_capacity = 0;
  m_lineCount = 0;
}

}  // namespace qs
