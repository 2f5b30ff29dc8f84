#include "textmodel/tabstops.h"

#include <algorithm>
#include <limits>

#include "support/errors.h"

namespace qs {
namespace {

constexpr std::int64_t kColumnMax = std::numeric_limits<std::int32_t>::max();

std::int32_t Saturate(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, 0, kColumnMax));
}

bool IsBlank(Char c) {
  return c == U' ' || c == kTab;
}

// One comma-separated item; nullopt-like -1 for an empty item.
std::int64_t ParseItem(StringView item) {
  while (!item.empty() && IsBlank(item.front())) item.remove_prefix(1);
  while (!item.empty() && IsBlank(item.back())) item.remove_suffix(1);
  if (item.empty()) return -1;
  std::int64_t value = 0;
  for (Char c : item) {
    if (c < U'0' || c > U'9') throw Error("Invalid Tab Rack");
    value = value * 10 + (c - U'0');
    if (value > kMaxTabStop) throw Error("Invalid Tab Rack");
  }
  return value;
}

}  // namespace

TTabStops::TTabStops() {
  SetText(U"9,17");
}

void TTabStops::SetText(StringView text) {
  if (text.empty()) return;
  std::vector<std::int32_t> stops;
  std::size_t from = 0;
  while (from <= text.size()) {
    std::size_t comma = text.find(U',', from);
    if (comma == StringView::npos) comma = text.size();
    const std::int64_t value = ParseItem(text.substr(from, comma - from));
    if (value >= 0) {
      if (value <= 0 || (!stops.empty() && value <= stops.back())) throw Error("Invalid Tab Rack");
      stops.push_back(static_cast<std::int32_t>(value));
    }
    from = comma + 1;
  }
  if (stops.empty()) stops.push_back(8);
  m_step = stops.size() >= 2 ? stops.back() - stops[stops.size() - 2] : stops.front();
  m_stops = std::move(stops);
  m_text.assign(text);
}

std::int32_t TTabStops::TabStopColumn(std::int64_t n) const {
  if (n < 0) return 0;
  const auto count = static_cast<std::int64_t>(m_stops.size());
  if (n < count) return m_stops[static_cast<std::size_t>(n)];
  // n - count + 1 <= 2^63 / step would still overflow for absurd n; saturate first.
  const std::int64_t beyond = std::min<std::int64_t>(n - count + 1, kColumnMax);
  return Saturate(m_stops.back() + beyond * m_step);
}

std::int64_t TTabStops::NextStop(std::int64_t column) const {
  const auto it = std::upper_bound(m_stops.begin(), m_stops.end(), column);
  if (it != m_stops.end()) return *it;
  const std::int64_t last = m_stops.back();
  return last + ((column - last) / m_step + 1) * m_step;
}

std::int64_t TTabStops::PrevStop(std::int64_t column) const {
  if (column <= m_stops.front()) return 0;
  const std::int64_t last = m_stops.back();
  if (column <= last) {
    const auto it = std::lower_bound(m_stops.begin(), m_stops.end(), column);
    return *(it - 1);
  }
  return last + ((column - last - 1) / m_step) * m_step;
}

String TTabStops::Expand(StringView stored) const {
  if (stored.find(kTab) == StringView::npos) return String(stored);
  String out;
  out.reserve(stored.size() + 16);
  for (Char c : stored) {
    if (c != kTab) {
      out.push_back(c);
      continue;
    }
    const auto column = static_cast<std::int64_t>(out.size());
    out.append(static_cast<std::size_t>(NextStop(column) - column), U' ');
  }
  return out;
}

std::int32_t TTabStops::ExpandedLength(StringView stored) const {
  return IndexToColumn(stored, static_cast<std::int64_t>(stored.size()));
}

std::int32_t TTabStops::IndexToColumn(StringView stored, std::int64_t index) const {
  if (index <= 0) return 0;
  const auto size = static_cast<std::int64_t>(stored.size());
  const std::int64_t within = std::min(index, size);
  std::int64_t column = 0;
  for (std::int64_t i = 0; i < within && column < kColumnMax; ++i)
    column = stored[static_cast<std::size_t>(i)] == kTab ? NextStop(column) : column + 1;
  return Saturate(column + (index - within));
}

TTabStops::Place TTabStops::Locate(StringView stored, std::int64_t column) const {
  if (column < 0) column = 0;
  std::int64_t start = 0;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    const std::int64_t next = stored[i] == kTab ? NextStop(start) : start + 1;
    if (column < next) return {static_cast<std::int64_t>(i), start, next - start};
    start = next;
  }
  const auto size = static_cast<std::int64_t>(stored.size());
  return {size + (column - start), column, 1};
}

std::int64_t TTabStops::ColumnToIndex(StringView stored, std::int64_t column) const {
  return Locate(stored, column).index + 1;
}

}  // namespace qs
