// The highlighting calls views and exporters make: parsing ahead of what is
// shown, the style bytes of a line (stored or expanded), and the immediate
// re-highlight of an edited line.
#include <algorithm>

#include "textmodel/qsstring.h"
#include "textmodel/urlmarker.h"

namespace qs {
namespace {

// How far past the line a view asks for the parse runs ahead.
constexpr std::int32_t kParseAheadLines = 100;
// Lines at or past this one cannot have kParseAheadLines added.
constexpr std::int32_t kParseAheadLimit = 2147483647 - kParseAheadLines;

}  // namespace

void TCustomMemoSource::SetHighlightUrls(bool on) {
  if (on == m_highlightUrls) return;
  m_highlightUrls = on;
  ResetHighlighting();
}

void TCustomMemoSource::ParseAhead(std::int32_t line, bool force) {
  if (line >= m_firstUnparsed && line < kParseAheadLimit)
    ParseLines(m_firstUnparsed, line + kParseAheadLines, force);
  else
    ParseLines(m_firstUnparsed, line, force);
}

std::string TCustomMemoSource::GetStyleBytes(std::int32_t line) {
  if (line < 0 || line >= LineCount()) return {};
  // A line at or below the first unparsed one may keep its parsed mark with
  // bytes from before an edit above changed the state it starts in.
  if (!GetLineItem(line)->IsParsed() || line >= m_firstUnparsed) ParseAhead(line, false);
  const TStringItem& item = *GetLineItem(line);
  if (MarksUrlsOnRead(*this)) return WithUrlMarks(item.Text(), item.StyleBytes);
  return item.StyleBytes;
}

std::string TCustomMemoSource::GetExpandedStyleBytes(std::int32_t line) {
  std::string bytes = GetStyleBytes(line);
  const StringView text = StoredLine(line);
  if (bytes.empty() || text.find(kTab) == StringView::npos) return bytes;
  std::string out;
  out.reserve(bytes.size() + 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char b = i < bytes.size() ? bytes[i] : '\0';
    if (text[i] != kTab) {
      out.push_back(b);
      continue;
    }
    const auto column = static_cast<std::int64_t>(out.size());
    out.append(static_cast<std::size_t>(m_tabStops.NextStop(column) - column), b);
  }
  return out;
}

bool TCustomMemoSource::ReparseLine(std::int32_t line) {
  if (line < 0 || line >= LineCount()) return false;
  TStringItem& item = *GetLineItem(line);
  const std::int32_t oldEnd = item.EndState;
  const std::int32_t oldView = item.ViewData1;
  const std::int32_t mark = m_firstUnparsed;
  item.SetFlag(kLineParsed, false);
  ParseLines(line, line, true);
  m_firstUnparsed = mark;
  MarkDirty(line, line);
  const bool endChanged = item.EndState != oldEnd;
  if (endChanged || item.ViewData1 != oldView) MarkDirty(line, kToEnd);
  return endChanged;
}

}  // namespace qs
