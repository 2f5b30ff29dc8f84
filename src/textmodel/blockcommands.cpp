// Block commands: deleting the selection, inserting lines as a stream or a
// column block, copying and moving blocks, and the selected text as stored.
#include <algorithm>

#include "support/guid.h"
#include "support/utf8.h"
#include "textmodel/qsstring.h"
#include "textmodel/savedselection.h"
#include "textmodel/updatebracket.h"

namespace qs {

std::pair<std::int64_t, std::int64_t> TCustomMemoSource::StoredSpan(std::int32_t line,
                                                                    std::int64_t from,
                                                                    std::int64_t to) const {
  const StringView stored = StoredLine(line);
  const auto size = static_cast<std::int64_t>(stored.size());
  const TTabStops::Place a = m_tabStops.Locate(stored, from);
  const TTabStops::Place b = m_tabStops.Locate(stored, to);
  const std::int64_t first = std::min(a.index, size);
  // A TAB the end falls inside is part of the span.
  const std::int64_t last = std::min(to > b.start ? b.index + 1 : b.index, size);
  return {first, std::max(first, last)};
}

void TCustomMemoSource::DeleteColumnSpan(std::int32_t line, std::int64_t from, std::int64_t to) {
  if (line >= LineCount()) return;
  to = std::min<std::int64_t>(to, LineLength(line));
  if (from >= to) return;
  const auto [first, last] = StoredSpan(line, from, to);
  if (last <= first) return;
  PlaceCaret({line, static_cast<std::int32_t>(from)});
  DeleteChars(last - first);
}

void TCustomMemoSource::DeleteBlock() {
  if (!HasSelection()) return;
  const TUpdateBracket update(*this, upd::kDeleteBlock);
  BeginDeferRescan();
  const TPosition b = BlockBegin();
  TPosition e = BlockEnd();
  const std::int32_t lastLine = LineCount() - 1;
  if (m_selType == stStreamSel && b.Line != e.Line) {
    if (e.Line > lastLine) e = {lastLine, LineLength(lastLine)};
    if (e.Line > b.Line && b.Line <= lastLine) {
      DeleteColumnSpan(e.Line, 0, std::min(e.Column, LineLength(e.Line)));
      RawDeleteLines(b.Line + 1, std::int64_t{e.Line} - b.Line - 1);
      PlaceCaret(b);
      DeleteChars(kToEnd);
      PlaceCaret(b);
      JoinLine();
    }
  } else {
    const std::int64_t to = m_selType == stStreamSel ? e.Column : std::int64_t{e.Column} + 1;
    for (std::int32_t l = b.Line; l <= std::min(e.Line, lastLine); ++l)
      DeleteColumnSpan(l, b.Column, to);
  }
  m_selType = stNotSelected;
  PlaceCaret(b);
  EndDeferRescan();
}

std::vector<String> TCustomMemoSource::SelectedStoredLines() const {
  std::vector<String> out;
  if (!HasSelection()) return out;
  const TPosition b = BlockBegin();
  const TPosition e = BlockEnd();
  const std::int32_t last = std::min(e.Line, LineCount() - 1);
  for (std::int32_t l = b.Line; l <= last; ++l) {
    const auto [from, to] = SelectedRange(l);
    const auto [first, end] = StoredSpan(l, from, std::min<std::int64_t>(to, LineLength(l)));
    String part(StoredLine(l).substr(static_cast<std::size_t>(first),
                                     static_cast<std::size_t>(end - first)));
    if (m_selType == stBlockSel) {
      const std::int64_t width = std::int64_t{to} - from;
      const std::int64_t have = m_tabStops.ExpandedLength(part);
      if (have < width) part.append(static_cast<std::size_t>(width - have), U' ');
    }
    out.push_back(std::move(part));
  }
  // A stream ending at column 0 below the text still ends with a break.
  if (m_selType == stStreamSel && e.Line > last && e.Line > b.Line) out.emplace_back();
  return out;
}

void TCustomMemoSource::InsertBlockLines(std::vector<String> lines, TSelectionType mode) {
  if (lines.empty() || !CanEditLine(m_caret.Line)) return;
  for (String& line : lines) line = StoringConversion(line);
  const TUpdateBracket update(*this, upd::kInsertLines);
  BeginDeferRescan();
  const TPosition start = m_caret;
  const auto n = static_cast<std::int32_t>(lines.size());
  if (n == 1 || mode == stBlockSel) {
    std::int32_t firstWidth = 0;
    for (std::int32_t i = 0; i < n; ++i) {
      if (i > 0) {
        if (m_caret.Line + 1 >= LineCount())
          RawAppendLines(std::int64_t{m_caret.Line} + 2 - LineCount());
        PlaceCaret({m_caret.Line + 1, start.Column});
      }
      m_insertedEnd = start.Column;
      InsertText(lines[static_cast<std::size_t>(i)]);
      if (i == 0) firstWidth = m_insertedEnd - start.Column;
    }
    if (n == 1) {
      m_blockBegin.Assign(start);
      m_blockEnd.Assign({start.Line, start.Column + firstWidth});
      m_selType = stStreamSel;
      PlaceCaret(m_blockEnd.Get());
    } else {
      m_blockBegin.Assign(start);
      m_blockEnd.Assign(
          {start.Line + n - 1, std::max(start.Column + firstWidth - 1, start.Column)});
      m_selType = stBlockSel;
      PlaceCaret({std::min(start.Line + n, LineCount() - 1), start.Column});
    }
  } else {
    m_insertedEnd = start.Column;
    InsertText(lines.front());
    PlaceCaret({start.Line, m_insertedEnd});
    InsertLineBreak();
    if (n > 2)
      RawInsertLines(start.Line + 1, std::vector<String>(lines.begin() + 1, lines.end() - 1));
    const TPosition lastAt{start.Line + n - 1, 0};
    PlaceCaret(lastAt);
    m_insertedEnd = 0;
    InsertText(lines.back());
    const std::int32_t endColumn = lines.back().empty() ? 0 : m_insertedEnd;
    m_blockBegin.Assign(start);
    m_blockEnd.Assign({lastAt.Line, endColumn});
    m_selType = stStreamSel;
    PlaceCaret({lastAt.Line, endColumn});
  }
  EndDeferRescan();
}

void TCustomMemoSource::CopyBlock() {
  if (!HasSelection()) return;
  const TUpdateBracket update(*this, upd::kCopyBlock);
  const TSelectionType mode = m_selType;
  std::vector<String> lines = SelectedStoredLines();
  m_selType = stNotSelected;
  InsertBlockLines(std::move(lines), mode);
}

void TCustomMemoSource::MoveBlock() {
  if (!HasSelection() || IsInSelection(m_caret.Column, m_caret.Line)) return;
  const TUpdateBracket update(*this, upd::kMoveBlock);
  const TSelectionType mode = m_selType;
  std::vector<String> lines = SelectedStoredLines();
  TTrackedPosition target(m_positions, m_caret);
  DeleteBlock();
  PlaceCaret(target.Get());
  InsertBlockLines(std::move(lines), mode);
}

void TCustomMemoSource::InsertTextBlock(StringView text) {
  const TUpdateBracket update(*this, upd::kInsertTextBlock);
  SavedSelection saved(*this);
  std::vector<String> lines = SplitLines(text);
  if (!text.empty() && (text.back() == U'\n' || text.back() == U'\r')) lines.emplace_back();
  if (!lines.empty()) InsertBlockLines(std::move(lines), stStreamSel);
  saved.Restore();
}

void TCustomMemoSource::InsertGUID() {
  const TUpdateBracket update(*this, upd::kInsertTextBlock);
  SavedSelection saved(*this);
  InsertBlockLines({U"['{" + FromUtf8(NewGuid()) + U"}']"}, stStreamSel);
  saved.Restore();
}

void TCustomMemoSource::ClearAll() {
  const TUpdateBracket update(*this, upd::kClearAll);
  SelectAll();
  DeleteBlock();
  PlaceCaret({0, 0});
}

bool TCustomMemoSource::OverwriteBlocksApplies() const {
  return m_updateDepth == 0 && HasOption(soOverwriteBlocks) && !HasOption(soPersistentBlocks) &&
         HasSelection();
}

bool TCustomMemoSource::OverwriteBlocksRule() {
  if (!OverwriteBlocksApplies()) return false;
  DeleteBlock();
  return true;
}

}  // namespace qs
