// What one outermost update did to the lines, in the order it happened: text
// changed in place over a range of lines, lines inserted or removed at a place,
// or the whole list replaced. A view that keeps data per line (its word-wrap
// rows) replays it when it is notified, so it redoes only the lines that
// changed instead of everything from the first changed line down.
#pragma once

#include <cstdint>
#include <vector>

namespace qs {

class TLineChangeLog {
 public:
  enum class Kind : std::uint8_t { Edited, Inserted, Removed };
  // Edited: lines first..last (numbered as at that moment) got new text.
  // Inserted: count new lines now start at first. Removed: the count lines
  // from first are gone.
  struct Entry {
    Kind kind = Kind::Edited;
    std::int32_t first = 0;
    std::int32_t last = 0;   // Edited only
    std::int32_t count = 0;  // Inserted and Removed only
    bool operator==(const Entry&) const = default;
  };

  void Clear() noexcept;
  void Edited(std::int32_t first, std::int32_t last);
  void Inserted(std::int32_t at, std::int32_t count);
  void Removed(std::int32_t at, std::int32_t count);
  // Every line is new (a load, a clear, an assignment).
  void Replaced() noexcept;

  // Whether the entries tell the whole story: not once the list was replaced
  // or the update did more separate things than are kept.
  [[nodiscard]] bool Complete() const noexcept { return !m_replaced && !m_overflowed; }
  [[nodiscard]] bool WasReplaced() const noexcept { return m_replaced; }
  [[nodiscard]] const std::vector<Entry>& Entries() const noexcept { return m_entries; }

  // An update that does more than this many separate things is cheaper to
  // follow by redoing everything.
  static constexpr std::size_t kMaxEntries = 4096;

 private:
  void Add(const Entry& e);

  std::vector<Entry> m_entries;
  bool m_replaced = false;
  bool m_overflowed = false;
};

}  // namespace qs
