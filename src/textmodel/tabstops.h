// Tab stops and the conversions between stored text (where a TAB is one
// character) and expanded columns (where it fills up to the next stop).
// Every conversion here honours stored TABs whatever the TAB options say: a
// document may hold TABs that arrived while storing them was allowed.
#pragma once

#include <cstdint>
#include <vector>

#include "support/qschar.h"

namespace qs {

inline constexpr Char kTab = U'\t';
// The largest column a tab stop may name. Far beyond any real indentation, and
// small enough that expanded widths of long lines stay countable.
inline constexpr std::int32_t kMaxTabStop = 4096;

class TTabStops {
 public:
  TTabStops();  // "9,17"

  // Parses comma text of ascending positive columns. Throws qs::Error
  // "Invalid Tab Rack" (keeping the previous stops) on anything else; an
  // empty text changes nothing.
  void SetText(StringView text);
  const String& Text() const { return m_text; }
  const std::vector<std::int32_t>& Stops() const { return m_stops; }

  // Stop n (0-based); beyond the list the last step repeats. Saturates at INT32_MAX.
  std::int32_t TabStopColumn(std::int64_t n) const;
  // The first stop greater than column.
  std::int64_t NextStop(std::int64_t column) const;
  // The last stop smaller than column, or 0.
  std::int64_t PrevStop(std::int64_t column) const;

  // The stored text with every TAB replaced by spaces up to the next stop.
  String Expand(StringView stored) const;
  // Width of the expanded text (saturated at INT32_MAX).
  std::int32_t ExpandedLength(StringView stored) const;
  // The expanded column where stored character index (0-based) starts; an
  // index past the end counts one column per missing character.
  std::int32_t IndexToColumn(StringView stored, std::int64_t index) const;
  // The 1-based stored position of the character covering expanded column;
  // a column inside a TAB's fill gives the TAB; past the end, one position per column.
  std::int64_t ColumnToIndex(StringView stored, std::int64_t column) const;

  struct Place {
    std::int64_t index;  // 0-based stored index of the character covering the column
    std::int64_t start;  // the column where that character starts
    std::int64_t width;  // its width (1, or the TAB's fill; 1 past the end)
  };
  // Finds the stored character that covers an expanded column.
  Place Locate(StringView stored, std::int64_t column) const;

 private:
  std::vector<std::int32_t> m_stops;
  std::int32_t m_step = 8;
  String m_text;
};

}  // namespace qs
