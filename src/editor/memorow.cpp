#include "editor/memorow.h"

#include "textmodel/qsstring.h"

namespace qs {

TDisplayRow BuildDisplayRow(const TCustomMemoSource& source, std::int32_t line, bool withStyles) {
  TDisplayRow row;
  if (line < 0 || line >= source.LineCount()) return row;
  const StringView stored = source.StoredLine(line);
  const TStringItem* item = source.GetLineItem(line);
  const std::string& bytes = item->StyleBytes;
  row.text.reserve(stored.size());
  if (withStyles) row.styles.reserve(stored.size());
  for (std::size_t i = 0; i < stored.size(); ++i) {
    const char style = i < bytes.size() ? bytes[i] : '\0';
    std::size_t cells = 1;
    Char shown = stored[i];
    if (shown == kTab) {
      const auto column = static_cast<std::int64_t>(row.text.size());
      cells = static_cast<std::size_t>(source.TabRack().NextStop(column) - column);
      shown = U' ';
    }
    row.text.append(cells, shown);
    if (withStyles) row.styles.append(cells, style);
  }
  return row;
}

namespace {

int StyleAt(const TDisplayRow& row, std::size_t i, const TRunOptions& options) {
  if (i >= row.styles.size()) return 0;
  const int style = static_cast<unsigned char>(row.styles[i]);
  return options.urlsOnly && style != options.urlStyle ? 0 : style;
}

}  // namespace

std::vector<TTextRun> SplitRuns(const TDisplayRow& row, const TRunOptions& options) {
  std::vector<TTextRun> runs;
  const auto size = static_cast<std::int32_t>(row.text.size());
  for (std::int32_t i = 0; i < size; ++i) {
    const int style = StyleAt(row, static_cast<std::size_t>(i), options);
    const bool selected = options.selection.Contains(i);
    const bool found = options.found.Contains(i);
    if (!runs.empty()) {
      TTextRun& last = runs.back();
      if (last.style == style && last.selected == selected && last.found == found &&
          last.length < kMaxRunLength) {
        ++last.length;
        continue;
      }
    }
    runs.push_back({i, 1, style, selected, found});
  }
  return runs;
}

}  // namespace qs
