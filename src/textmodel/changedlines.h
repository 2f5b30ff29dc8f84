// Which lines changed since a point in time, as replaced runs: each hunk says
// that the lines now at start..start+newCount stand where oldCount lines
// stood then. Lines outside the hunks are the old lines, moved. Fed with the
// document's change log after each update, it costs what the update changed.
#pragma once

#include <cstdint>
#include <vector>

#include "textmodel/linechangelog.h"

namespace qs {

struct TLineHunk {
  std::int32_t start = 0;     // in today's numbering
  std::int32_t oldCount = 0;  // lines it replaces
  std::int32_t newCount = 0;  // lines it holds now
  bool operator==(const TLineHunk&) const = default;
};

class TChangedLines {
 public:
  // count lines from start (today's numbering) become newCount lines.
  void Replace(std::int32_t start, std::int32_t count, std::int32_t newCount);
  // Follows what one update did, which left linesAfter lines; false when the
  // log does not tell the whole story (the caller must then take everything
  // as changed).
  bool Follow(const TLineChangeLog& log, std::int32_t linesAfter);
  void Clear() noexcept { m_hunks.clear(); }
  [[nodiscard]] bool Empty() const noexcept { return m_hunks.empty(); }
  // In order of start, apart from each other.
  [[nodiscard]] const std::vector<TLineHunk>& Hunks() const noexcept { return m_hunks; }

 private:
  std::vector<TLineHunk> m_hunks;
};

}  // namespace qs
