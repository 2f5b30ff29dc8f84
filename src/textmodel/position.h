// Places in the document (line and expanded column, both 0-based), and the
// tracked positions that edits at the caret shift so they stay on their text.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

namespace qs {

inline constexpr std::int32_t kMaxIndex = std::numeric_limits<std::int32_t>::max();

// a + delta, kept within 0..INT32_MAX: no move or column can overflow.
constexpr std::int32_t ClampedAdd(std::int64_t a, std::int64_t delta) noexcept {
  const std::int64_t sum = a + delta;  // both operands fit 33 bits in every caller
  return sum < 0 ? 0 : sum > kMaxIndex ? kMaxIndex : static_cast<std::int32_t>(sum);
}

struct TPosition {
  std::int32_t Line = 0;
  std::int32_t Column = 0;
  bool operator==(const TPosition&) const = default;
  bool operator<(const TPosition& o) const noexcept {
    return Line != o.Line ? Line < o.Line : Column < o.Column;
  }
  bool operator<=(const TPosition& o) const noexcept { return !(o < *this); }
};

// How an edit at the caret moved the text after it.
enum class TShiftKind : std::uint8_t {
  skInsertChars = 1,  // count characters inserted at the caret
  skLineBreak = 2,    // the caret line broken at the caret
  skJoinLine = 3,     // the caret line joined with the next (caret at the old end)
  skDeleteChars = 4,  // count characters deleted at the caret
};
using enum TShiftKind;

class TPositionList;

// A position that edits shift. It registers with a list for its lifetime.
class TTrackedPosition : public TPosition {
 public:
  // Decides, before a shift, whether the position may move in column and in line.
  using CheckShift = std::function<void(const TTrackedPosition&, bool& column, bool& line)>;

  explicit TTrackedPosition(TPositionList& list, TPosition at = {});
  ~TTrackedPosition();
  TTrackedPosition(const TTrackedPosition&) = delete;
  TTrackedPosition& operator=(const TTrackedPosition&) = delete;

  void Assign(TPosition p) noexcept { static_cast<TPosition&>(*this) = p; }
  TPosition Get() const noexcept { return *this; }

  CheckShift OnCheckShift;
  // A position exactly at the caret counts as after it (so it moves with text
  // inserted there). Block begin has this, so typing at its edge stays outside.
  bool ShiftsAtCaret = false;

 private:
  TPositionList& m_list;
};

class TPositionList {
 public:
  TPositionList() = default;
  TPositionList(const TPositionList&) = delete;
  TPositionList& operator=(const TPositionList&) = delete;

  // Shifts every tracked position for an edit of kind at caret.
  void Shift(TShiftKind kind, TPosition caret, std::int64_t count) noexcept;
  // A whole line was inserted (delta 1) before line `from`: every position on
  // it or below moves down with its text.
  void ShiftLinesFrom(std::int32_t from, std::int64_t delta) noexcept;
  // count whole lines from line `first` were removed: positions on them go to
  // the start of line first, later ones move up.
  void LinesRemoved(std::int32_t first, std::int64_t count) noexcept;
  // Puts every tracked position at (0, 0).
  void ResetAll() noexcept;
  std::size_t Size() const noexcept { return m_items.size(); }

 private:
  friend class TTrackedPosition;
  void Add(TTrackedPosition* p) { m_items.push_back(p); }
  void Remove(TTrackedPosition* p) noexcept;
  std::vector<TTrackedPosition*> m_items;
};

}  // namespace qs
