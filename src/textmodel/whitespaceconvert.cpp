// TABs to spaces and back, on the user's request only: loading and saving
// keep a file's TABs and blanks as they are.
#include "textmodel/qsstring.h"
#include "textmodel/updatebracket.h"

namespace qs {

std::pair<std::int32_t, std::int32_t> TCustomMemoSource::ConversionLines() const {
  return HasSelection() ? TransformLines() : std::pair{0, LineCount() - 1};
}

void TCustomMemoSource::ReplaceStored(std::int32_t line, std::int64_t index, std::int64_t count,
                                      StringView with) {
  std::string style = SpanStyleBytes(line, index, count);
  if (KeepsStyleBytes()) style.resize(with.size(), style.empty() ? '\0' : style.front());
  RawDelete(line, index, count, false);
  if (!with.empty()) RawInsert(line, index, with, KeepsStyleBytes() ? &style : nullptr);
}

void TCustomMemoSource::TabsToSpaces() {
  const auto [first, last] = ConversionLines();
  const TUpdateBracket update(*this, upd::kTabsToSpaces);
  for (std::int32_t l = first; l <= last; ++l) {
    // Left to right: a TAB's width depends only on what stands before it.
    for (std::size_t at = StoredLine(l).find(kTab); at != StringView::npos;
         at = StoredLine(l).find(kTab, at)) {
      const std::int64_t index = static_cast<std::int64_t>(at);
      const std::int64_t column = m_tabStops.IndexToColumn(StoredLine(l), index);
      const auto width = static_cast<std::size_t>(m_tabStops.NextStop(column) - column);
      ReplaceStored(l, index, 1, String(width, U' '));
      at += width;
    }
  }
  KeepSelection();
}

void TCustomMemoSource::SpacesToTabs() {
  const auto [first, last] = ConversionLines();
  const TUpdateBracket update(*this, upd::kSpacesToTabs);
  for (std::int32_t l = first; l <= last; ++l) {
    // Only the indentation: blanks inside the text may be part of a string.
    const StringView text = StoredLine(l);
    const std::size_t end = text.find_first_not_of(U" \t");
    const std::size_t indentEnd = end == StringView::npos ? text.size() : end;
    if (indentEnd == 0 || indentEnd == text.size()) continue;
    const std::int64_t width = m_tabStops.IndexToColumn(text, static_cast<std::int64_t>(indentEnd));
    String indent;
    std::int64_t column = 0;
    for (std::int64_t stop = m_tabStops.NextStop(0); stop <= width;
         stop = m_tabStops.NextStop(column)) {
      indent.push_back(kTab);
      column = stop;
    }
    indent.append(static_cast<std::size_t>(width - column), U' ');
    if (indent != text.substr(0, indentEnd))
      ReplaceStored(l, 0, static_cast<std::int64_t>(indentEnd), indent);
  }
  KeepSelection();
}

}  // namespace qs
