#include "textmodel/bookmarks.h"

#include <algorithm>
#include <tuple>

#include "textmodel/position.h"

namespace qs {
namespace {

bool Before(const TBookmarkRecord& a, const TBookmarkRecord& b) {
  return std::tie(a.Line, a.Column, a.Number) < std::tie(b.Line, b.Column, b.Number);
}

}  // namespace

void TMemoPositionList::Add(const TBookmarkRecord& r) {
  m_records.insert(std::upper_bound(m_records.begin(), m_records.end(), r, Before), r);
}

void TMemoPositionList::Sort() {
  std::stable_sort(m_records.begin(), m_records.end(), Before);
}

std::vector<TBookmarkRecord> TMemoPositionList::InSpan(std::int32_t line, std::int64_t from,
                                                       std::int64_t to) const {
  std::vector<TBookmarkRecord> found;
  for (const TBookmarkRecord& r : m_records)
    if (r.Line == line && r.Column >= from && r.Column < to) found.push_back(r);
  return found;
}

void TMemoBookMarkList::Set(int n, std::int32_t column, std::int32_t line) {
  if (!IsValidNumber(n)) return;
  Remove(n);
  Add({column, line, n});
}

std::int32_t TMemoBookMarkList::Remove(int n) {
  for (auto it = m_records.rbegin(); it != m_records.rend(); ++it) {
    if (it->Number != n) continue;
    const std::int32_t line = it->Line;
    m_records.erase(std::next(it).base());
    return line;
  }
  return -1;
}

const TBookmarkRecord* TMemoBookMarkList::Find(int n) const noexcept {
  for (const TBookmarkRecord& r : m_records)
    if (r.Number == n) return &r;
  return nullptr;
}

int TMemoBookMarkList::AtLine(std::int32_t line) const noexcept {
  for (const TBookmarkRecord& r : m_records)
    if (r.Line == line) return r.Number;  // sorted: smallest column, then number
  return 0;
}

void TMemoBookMarkList::ShiftColumns(std::int32_t line, std::int32_t column, std::int64_t delta) {
  for (TBookmarkRecord& r : m_records) {
    if (r.Line != line) continue;
    if ((delta > 0 && r.Column >= column) || (delta < 0 && r.Column > column))
      r.Column = ClampedAdd(r.Column, delta);
  }
  Sort();
}

void TMemoBookMarkList::ShiftLines(std::int32_t line, std::int32_t column, std::int64_t delta) {
  for (TBookmarkRecord& r : m_records)
    if (r.Line > line || (r.Line == line && r.Column >= column)) r.Line = ClampedAdd(r.Line, delta);
  Sort();
}

void TMemoBookMarkList::MoveColumnsLeft(std::int32_t line, std::int32_t column, std::int32_t by) {
  for (TBookmarkRecord& r : m_records)
    if (r.Line == line && r.Column >= column) r.Column = ClampedAdd(r.Column, -std::int64_t{by});
  Sort();
}

}  // namespace qs
