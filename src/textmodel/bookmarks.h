// The ten numbered bookmarks of a document, kept sorted by place. There are
// never more than ten, so every shift after an edit costs the same whatever
// the size of the document.
#pragma once

#include <cstdint>
#include <vector>

namespace qs {

inline constexpr int kBookmarkCount = 10;

struct TBookmarkRecord {
  std::int32_t Column = 0;
  std::int32_t Line = 0;
  std::int32_t Number = 0;  // 1..10
  bool operator==(const TBookmarkRecord&) const = default;
};

// Records ordered by line, then column, then number.
class TMemoPositionList {
 public:
  const std::vector<TBookmarkRecord>& Records() const noexcept { return m_records; }
  bool Empty() const noexcept { return m_records.empty(); }
  void Clear() noexcept { m_records.clear(); }

  // Every record on line with from <= column < to, in order.
  std::vector<TBookmarkRecord> InSpan(std::int32_t line, std::int64_t from, std::int64_t to) const;

 protected:
  void Add(const TBookmarkRecord& r);
  void Sort();
  std::vector<TBookmarkRecord> m_records;
};

class TMemoBookMarkList : public TMemoPositionList {
 public:
  static bool IsValidNumber(int n) noexcept { return n >= 1 && n <= kBookmarkCount; }

  // Sets bookmark n at (column, line), replacing its old record.
  void Set(int n, std::int32_t column, std::int32_t line);
  // Removes bookmark n; returns its record's line, or -1 when it was not set.
  std::int32_t Remove(int n);
  const TBookmarkRecord* Find(int n) const noexcept;
  // The number of the first bookmark on line, or 0.
  int AtLine(std::int32_t line) const noexcept;

  // For every bookmark on line: delta > 0 moves those at column >= column,
  // delta < 0 those at column > column.
  void ShiftColumns(std::int32_t line, std::int32_t column, std::int64_t delta);
  // Every bookmark on a later line, or on line at column >= column, moves by delta lines.
  void ShiftLines(std::int32_t line, std::int32_t column, std::int64_t delta);
  // Bookmarks on line at column >= column get their column reduced by by.
  void MoveColumnsLeft(std::int32_t line, std::int32_t column, std::int32_t by);
};

}  // namespace qs
