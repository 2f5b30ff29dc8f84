#include "editor/memorow.h"

#include <algorithm>
#include <limits>

#include "editor/specialsymbols.h"
#include "support/codepages.h"
#include "textmodel/qsstring.h"
#include "textmodel/urlmarker.h"

namespace qs {

namespace {

void AppendMarker(TDisplayRow& row, const String& marker, bool withStyles) {
  row.text += marker;
  if (withStyles) row.styles.append(marker.size(), '\0');
}

}  // namespace

TDisplayRow BuildDisplayRow(const TCustomMemoSource& source, std::int32_t line, bool withStyles) {
  return BuildDisplayRow(source, line, TDisplayRowOptions{withStyles, nullptr, false});
}

TDisplayRow BuildDisplayRow(const TCustomMemoSource& source, std::int32_t line,
                            const TDisplayRowOptions& options) {
  TDisplayRow row;
  const bool withStyles = options.withStyles;
  const TSpecialSymbols* symbols = options.symbols;
  if (line == source.LineCount() && symbols != nullptr)
    AppendMarker(row, symbols->EOFString(), withStyles);
  if (line < 0 || line >= source.LineCount()) return row;
  const Char spaceMark = options.markBlanks && symbols != nullptr ? symbols->SpaceChar() : 0;
  const Char tabMark = options.markBlanks && symbols != nullptr ? symbols->TabChar() : 0;
  const StringView stored = source.StoredLine(line);
  const TStringItem* item = source.GetLineItem(line);
  std::string marked;
  if (withStyles && MarksUrlsOnRead(source)) marked = WithUrlMarks(stored, item->StyleBytes);
  const std::string& bytes = marked.empty() ? item->StyleBytes : marked;
  row.text.reserve(stored.size());
  if (withStyles) row.styles.reserve(stored.size());
  for (std::size_t i = 0; i < stored.size(); ++i) {
    const char style = i < bytes.size() ? bytes[i] : '\0';
    Char shown = stored[i];
    if (withStyles) row.styles.push_back(style);
    if (shown == kTab) {
      const auto column = static_cast<std::int64_t>(row.text.size());
      const auto cells = static_cast<std::size_t>(
          std::max<std::int64_t>(source.TabRack().NextStop(column) - column, 1));
      const std::size_t start = row.text.size();
      row.text.append(cells, U' ');
      if (withStyles) row.styles.append(cells - 1, style);
      if (tabMark != 0) row.text[start + (cells >= 4 ? cells / 2 - 1 : 0)] = tabMark;
      continue;
    }
    if (options.dosCharset) shown = Reinterpret(shown, Encoding::Windows1251, Encoding::Cp866);
    if (shown == U' ' && spaceMark != 0) shown = spaceMark;
    row.text.push_back(shown);
  }
  row.lineLength = static_cast<std::int32_t>(row.text.size());
  if (symbols != nullptr) AppendMarker(row, symbols->EOLString(), withStyles);
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

namespace {

int ClampToInt(std::int64_t v) noexcept {
  constexpr std::int64_t kLimit = std::numeric_limits<int>::max() / 2;
  return static_cast<int>(std::clamp<std::int64_t>(v, -kLimit, kLimit));
}

}  // namespace

int TRowGeometry::X(std::int64_t column) const noexcept {
  if (offsets.empty() || column < 0) return ClampToInt(origin + std::int64_t{cellWidth} * column);
  const auto cells = static_cast<std::int64_t>(offsets.size()) - 1;
  if (column <= cells)
    return ClampToInt(std::int64_t{origin} + offsets[static_cast<std::size_t>(column)]);
  return ClampToInt(std::int64_t{origin} + offsets.back() +
                    std::int64_t{cellWidth} * (column - cells));
}

}  // namespace qs
