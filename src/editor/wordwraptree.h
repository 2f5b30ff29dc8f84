// An ordered list of records that belong to lines, sorted by line and then by
// column, kept as a treap in one node pool. A node stores its line as the
// distance from the record before it, so inserting or removing lines shifts
// every later record by changing one number; lookups by position, by line and
// by display row, and every edit, take O(log n).
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace qs {

// Record needs an std::int32_t column (its order inside a line) and ==.
template <class Record>
class TLineRecordTree {
 public:
  struct Item {
    std::int32_t line = 0;
    Record record{};
    bool operator==(const Item&) const = default;
  };
  struct Found {
    std::size_t index = 0;
    Item item;
  };

  [[nodiscard]] std::size_t Size() const noexcept { return Count(m_root); }
  [[nodiscard]] bool Empty() const noexcept { return m_root < 0; }
  void Clear() noexcept {
    m_nodes.clear();
    m_free.clear();
    m_root = -1;
  }

  // Replaces everything with items sorted by line, then column; O(n).
  void Assign(const std::vector<Item>& items);
  // Every item in order.
  [[nodiscard]] std::vector<Item> Items() const;
  [[nodiscard]] Item At(std::size_t index) const;

  // Records of lines before line.
  [[nodiscard]] std::size_t CountBeforeLine(std::int64_t line) const noexcept;
  // Records before or at (line, column).
  [[nodiscard]] std::size_t CountUpTo(std::int64_t line, std::int64_t column) const noexcept;
  // The last record i with line_i + i + 1 <= row: records numbered so that
  // record i stands for one display row after the first row of its line.
  [[nodiscard]] std::optional<Found> LastWithRowAtMost(std::int64_t row) const noexcept;

  [[nodiscard]] std::vector<Record> RecordsOf(std::int32_t line) const;
  // records sorted by column; an empty list removes the line's records.
  void ReplaceLine(std::int32_t line, const std::vector<Record>& records);
  // count new lines start at line at: later records move down.
  void LinesInserted(std::int32_t at, std::int32_t count);
  // Lines at .. at + count - 1 are gone with their records; later ones move up.
  void LinesRemoved(std::int32_t at, std::int32_t count);
  void RemoveFrom(std::int32_t line);

 private:
  struct Node {
    std::int32_t left = -1;
    std::int32_t right = -1;
    std::uint32_t priority = 0;
    std::int32_t delta = 0;  // line minus the line of the record before
    std::int32_t count = 1;  // nodes in this subtree
    std::int64_t sum = 0;    // deltas in this subtree
    Record record{};
  };

  // Every tree handed around is "rooted": its first node's delta is its
  // absolute line, so its sum is the line of its last node.
  [[nodiscard]] std::int32_t Count(std::int32_t n) const noexcept {
    return n < 0 ? 0 : m_nodes[static_cast<std::size_t>(n)].count;
  }
  [[nodiscard]] std::int64_t Sum(std::int32_t n) const noexcept {
    return n < 0 ? 0 : m_nodes[static_cast<std::size_t>(n)].sum;
  }
  Node& N(std::int32_t n) noexcept { return m_nodes[static_cast<std::size_t>(n)]; }
  const Node& N(std::int32_t n) const noexcept { return m_nodes[static_cast<std::size_t>(n)]; }
  void Update(std::int32_t n) noexcept {
    Node& node = N(n);
    node.count = 1 + Count(node.left) + Count(node.right);
    node.sum = node.delta + Sum(node.left) + Sum(node.right);
  }
  std::uint32_t NextPriority() noexcept {
    m_seed ^= m_seed << 13;
    m_seed ^= m_seed >> 17;
    m_seed ^= m_seed << 5;
    return m_seed;
  }
  std::int32_t NewNode(std::int32_t delta, const Record& record);
  void FreeTree(std::int32_t t);
  void AddToFirst(std::int32_t t, std::int64_t x) noexcept;
  void RawSplit(std::int32_t t, std::size_t k, std::int32_t& a, std::int32_t& b) noexcept;
  std::int32_t RawMerge(std::int32_t a, std::int32_t b) noexcept;
  // Rooted pieces in, rooted pieces out.
  std::pair<std::int32_t, std::int32_t> Split(std::int32_t t, std::size_t k) noexcept;
  std::int32_t Merge(std::int32_t a, std::int32_t b) noexcept;

  std::vector<Node> m_nodes;
  std::vector<std::int32_t> m_free;
  std::int32_t m_root = -1;
  std::uint32_t m_seed = 0x9E3779B9u;
};

template <class Record>
std::int32_t TLineRecordTree<Record>::NewNode(std::int32_t delta, const Record& record) {
  Node node;
  node.priority = NextPriority();
  node.delta = delta;
  node.sum = delta;
  node.record = record;
  if (!m_free.empty()) {
    const std::int32_t n = m_free.back();
    m_free.pop_back();
    N(n) = node;
    return n;
  }
  m_nodes.push_back(node);
  return static_cast<std::int32_t>(m_nodes.size() - 1);
}

template <class Record>
void TLineRecordTree<Record>::FreeTree(std::int32_t t) {
  std::vector<std::int32_t> stack;
  if (t >= 0) stack.push_back(t);
  while (!stack.empty()) {
    const std::int32_t n = stack.back();
    stack.pop_back();
    if (N(n).left >= 0) stack.push_back(N(n).left);
    if (N(n).right >= 0) stack.push_back(N(n).right);
    m_free.push_back(n);
  }
  if (m_free.size() == m_nodes.size()) Clear();
}

template <class Record>
void TLineRecordTree<Record>::AddToFirst(std::int32_t t, std::int64_t x) noexcept {
  for (std::int32_t n = t; n >= 0; n = N(n).left) {
    N(n).sum += x;
    if (N(n).left < 0) N(n).delta = static_cast<std::int32_t>(N(n).delta + x);
  }
}

template <class Record>
void TLineRecordTree<Record>::RawSplit(std::int32_t t, std::size_t k, std::int32_t& a,
                                       std::int32_t& b) noexcept {
  if (t < 0) {
    a = b = -1;
    return;
  }
  const auto leftCount = static_cast<std::size_t>(Count(N(t).left));
  if (leftCount < k) {
    std::int32_t rightA = -1;
    RawSplit(N(t).right, k - leftCount - 1, rightA, b);
    N(t).right = rightA;
    a = t;
  } else {
    std::int32_t leftB = -1;
    RawSplit(N(t).left, k, a, leftB);
    N(t).left = leftB;
    b = t;
  }
  Update(t);
}

template <class Record>
std::int32_t TLineRecordTree<Record>::RawMerge(std::int32_t a, std::int32_t b) noexcept {
  if (a < 0) return b;
  if (b < 0) return a;
  if (N(a).priority > N(b).priority) {
    N(a).right = RawMerge(N(a).right, b);
    Update(a);
    return a;
  }
  N(b).left = RawMerge(a, N(b).left);
  Update(b);
  return b;
}

template <class Record>
std::pair<std::int32_t, std::int32_t> TLineRecordTree<Record>::Split(std::int32_t t,
                                                                     std::size_t k) noexcept {
  std::int32_t a = -1;
  std::int32_t b = -1;
  RawSplit(t, k, a, b);
  AddToFirst(b, Sum(a));
  return {a, b};
}

template <class Record>
std::int32_t TLineRecordTree<Record>::Merge(std::int32_t a, std::int32_t b) noexcept {
  AddToFirst(b, -Sum(a));
  return RawMerge(a, b);
}

template <class Record>
void TLineRecordTree<Record>::Assign(const std::vector<Item>& items) {
  Clear();
  m_nodes.reserve(items.size());
  // A Cartesian tree over the items in order, built along its right spine.
  std::vector<std::int32_t> spine;
  std::int32_t previousLine = 0;
  for (const Item& item : items) {
    const std::int32_t n = NewNode(item.line - previousLine, item.record);
    previousLine = item.line;
    std::int32_t last = -1;
    while (!spine.empty() && N(spine.back()).priority < N(n).priority) {
      last = spine.back();
      spine.pop_back();
    }
    N(n).left = last;
    if (!spine.empty()) N(spine.back()).right = n;
    spine.push_back(n);
  }
  if (spine.empty()) return;
  m_root = spine.front();
  // Counts and sums bottom-up: a node after both of its children.
  std::vector<std::pair<std::int32_t, bool>> stack{{m_root, false}};
  while (!stack.empty()) {
    auto [n, childrenDone] = stack.back();
    stack.pop_back();
    if (childrenDone) {
      Update(n);
      continue;
    }
    stack.push_back({n, true});
    if (N(n).left >= 0) stack.push_back({N(n).left, false});
    if (N(n).right >= 0) stack.push_back({N(n).right, false});
  }
}

template <class Record>
std::vector<typename TLineRecordTree<Record>::Item> TLineRecordTree<Record>::Items() const {
  std::vector<Item> out;
  out.reserve(Size());
  std::vector<std::int32_t> stack;
  std::int64_t line = 0;
  std::int32_t n = m_root;
  while (n >= 0 || !stack.empty()) {
    while (n >= 0) {
      stack.push_back(n);
      n = N(n).left;
    }
    n = stack.back();
    stack.pop_back();
    line += N(n).delta;
    out.push_back({static_cast<std::int32_t>(line), N(n).record});
    n = N(n).right;
  }
  return out;
}

template <class Record>
typename TLineRecordTree<Record>::Item TLineRecordTree<Record>::At(std::size_t index) const {
  std::int64_t base = 0;
  std::int32_t n = m_root;
  while (n >= 0) {
    const auto leftCount = static_cast<std::size_t>(Count(N(n).left));
    const std::int64_t line = base + Sum(N(n).left) + N(n).delta;
    if (index < leftCount) {
      n = N(n).left;
    } else if (index == leftCount) {
      return {static_cast<std::int32_t>(line), N(n).record};
    } else {
      index -= leftCount + 1;
      base = line;
      n = N(n).right;
    }
  }
  return {};
}

template <class Record>
std::size_t TLineRecordTree<Record>::CountBeforeLine(std::int64_t line) const noexcept {
  // Record columns are never negative, so none on the line itself counts.
  return CountUpTo(line, -1);
}

template <class Record>
std::size_t TLineRecordTree<Record>::CountUpTo(std::int64_t line,
                                               std::int64_t column) const noexcept {
  std::size_t count = 0;
  std::int64_t base = 0;
  for (std::int32_t n = m_root; n >= 0;) {
    const std::int64_t nodeLine = base + Sum(N(n).left) + N(n).delta;
    if (nodeLine < line || (nodeLine == line && N(n).record.column <= column)) {
      count += static_cast<std::size_t>(Count(N(n).left)) + 1;
      base = nodeLine;
      n = N(n).right;
    } else {
      n = N(n).left;
    }
  }
  return count;
}

template <class Record>
auto TLineRecordTree<Record>::LastWithRowAtMost(std::int64_t row) const noexcept
    -> std::optional<Found> {
  std::optional<Found> best;
  std::size_t before = 0;
  std::int64_t base = 0;
  for (std::int32_t n = m_root; n >= 0;) {
    const std::int64_t nodeLine = base + Sum(N(n).left) + N(n).delta;
    const std::size_t index = before + static_cast<std::size_t>(Count(N(n).left));
    if (nodeLine + static_cast<std::int64_t>(index) + 1 <= row) {
      best = Found{index, {static_cast<std::int32_t>(nodeLine), N(n).record}};
      before = index + 1;
      base = nodeLine;
      n = N(n).right;
    } else {
      n = N(n).left;
    }
  }
  return best;
}

template <class Record>
std::vector<Record> TLineRecordTree<Record>::RecordsOf(std::int32_t line) const {
  const std::size_t first = CountBeforeLine(line);
  const std::size_t end = CountBeforeLine(std::int64_t{line} + 1);
  std::vector<Record> out;
  out.reserve(end - first);
  for (std::size_t i = first; i < end; ++i) out.push_back(At(i).record);
  return out;
}

template <class Record>
void TLineRecordTree<Record>::ReplaceLine(std::int32_t line, const std::vector<Record>& records) {
  const std::size_t first = CountBeforeLine(line);
  const std::size_t end = CountBeforeLine(std::int64_t{line} + 1);
  if (first == end && records.empty()) return;
  auto [before, rest] = Split(m_root, first);
  auto [old, after] = Split(rest, end - first);
  FreeTree(old);
  std::int32_t fresh = -1;
  for (const Record& r : records) {
    const std::int32_t n = NewNode(0, r);
    fresh = RawMerge(fresh, n);
  }
  AddToFirst(fresh, line);
  m_root = Merge(Merge(before, fresh), after);
}

template <class Record>
void TLineRecordTree<Record>::LinesInserted(std::int32_t at, std::int32_t count) {
  std::size_t k = CountBeforeLine(at);
  if (count <= 0 || k >= Size()) return;
  // Only the first moved record's distance from the one before grows.
  for (std::int32_t n = m_root; n >= 0;) {
    N(n).sum += count;
    const auto leftCount = static_cast<std::size_t>(Count(N(n).left));
    if (k < leftCount) {
      n = N(n).left;
    } else if (k == leftCount) {
      N(n).delta += count;
      return;
    } else {
      k -= leftCount + 1;
      n = N(n).right;
    }
  }
}

template <class Record>
void TLineRecordTree<Record>::LinesRemoved(std::int32_t at, std::int32_t count) {
  if (count <= 0) return;
  const std::size_t first = CountBeforeLine(at);
  const std::size_t end = CountBeforeLine(std::int64_t{at} + count);
  auto [before, rest] = Split(m_root, first);
  auto [gone, after] = Split(rest, end - first);
  FreeTree(gone);
  AddToFirst(after, -std::int64_t{count});
  m_root = Merge(before, after);
}

template <class Record>
void TLineRecordTree<Record>::RemoveFrom(std::int32_t line) {
  auto [before, gone] = Split(m_root, CountBeforeLine(line));
  FreeTree(gone);
  m_root = before;
}

}  // namespace qs
