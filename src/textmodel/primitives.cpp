// The four primitive edits. Each public one works at the caret and turns the
// caret column into a stored index; the raw ones work at absolute places, do
// the bookkeeping and write the undo record, so undo can replay them exactly.
#include <algorithm>
#include <utility>

#include "textmodel/qsstring.h"
#include "textmodel/textload.h"
#include "textmodel/updatebracket.h"

namespace qs {
namespace {

bool IsBreak(Char c) noexcept {
  return c == U'\r' || c == U'\n';
}

// Where text typed at a column lands in a stored line: the stored index, and
// the blanks needed first when the column lies past the end or inside a TAB.
struct InsertionPoint {
  std::int64_t index = 0;
  String padding;
  bool insideText = false;
};

InsertionPoint LocateInsertion(const TTabStops& tabStops, StringView stored, std::int64_t width,
                               std::int64_t column) {
  InsertionPoint point;
  if (column > width) {
    point.padding.assign(static_cast<std::size_t>(column - width), U' ');
    point.index = static_cast<std::int64_t>(stored.size());
    return point;
  }
  const TTabStops::Place place = tabStops.Locate(stored, column);
  point.index = place.index;
  point.insideText = true;
  if (column > place.start)
    point.padding.assign(static_cast<std::size_t>(column - place.start), U' ');
  return point;
}

}  // namespace

TUndoRecord* TCustomMemoSource::Record(TUndoKind kind, std::int32_t line, std::int64_t index) {
  TUndoRecord* r = AddUndoRecord(kind);
  if (!r) {
    NoteUnrecordedChange();
    return nullptr;
  }
  r->Line = line;
  r->Index = static_cast<std::int32_t>(index);
  return r;
}

void TCustomMemoSource::ShiftAt(TShiftKind kind, TPosition at, std::int64_t count) {
  m_editAt = at;
  m_positions.Shift(kind, at, count);
}

void TCustomMemoSource::LineEdited(std::int32_t line, bool toEnd) {
  m_trimCandidate = m_replaying ? -1 : line;
  TStringItem* item = GetLineItem(line);
  item->SetFlag(kLineParsed, false);
  bool endChanged = false;
  // Lines above parsed: highlight this one now, so a changed end state is known.
  if (m_parser && line < m_firstUnparsed) endChanged = ParseLines(line, line, false) > 0;
  MarkChanged(line, toEnd || endChanged ? kToEnd : line);
  if (endChanged)
    RescanLongestLine();
  else
    UpdateLongestLine(line);
}

bool TCustomMemoSource::RawInsert(std::int32_t line, std::int64_t index, StringView text,
                                  const std::string* style) {
  TStringItem* item = GetLineItem(line);
  if (!item || text.empty() || !CanEditLine(line)) return false;
  const StringView old = item->Text();
  if (index < 0 || index > static_cast<std::int64_t>(old.size())) return false;
  const std::int32_t column = m_tabStops.IndexToColumn(old, index);
  const std::int32_t oldWidth = LineLength(line);
  String s(old);
  s.insert(static_cast<std::size_t>(index), text);
  if (KeepsStyleBytes()) {
    std::string bytes = style ? *style : std::string();
    bytes.resize(text.size(), style ? '\0' : static_cast<char>(AttributeAt(column, line)));
    item->StyleBytes.resize(old.size(), '\0');
    item->StyleBytes.insert(static_cast<std::size_t>(index), bytes);
  }
  item->SetText(s);
  const std::int64_t growth = std::int64_t{LineLength(line)} - oldWidth;
  RecordInsertion(line, index, static_cast<std::int64_t>(text.size()));
  if (growth > 0) {
    m_bookmarks.ShiftColumns(line, column, growth);
    ShiftAt(skInsertChars, {line, column}, growth);
  }
  LineEdited(line, false);
  return true;
}

bool TCustomMemoSource::RawDelete(std::int32_t line, std::int64_t index, std::int64_t count,
                                  bool emptyRule) {
  TStringItem* item = GetLineItem(line);
  if (!item || count <= 0 || !CanEditLine(line)) return false;
  const StringView old = item->Text();
  const auto size = static_cast<std::int64_t>(old.size());
  if (index < 0 || index >= size) return false;
  count = std::min(count, size - index);
  const std::int32_t column = m_tabStops.IndexToColumn(old, index);
  const std::int32_t oldWidth = LineLength(line);
  const auto at = static_cast<std::size_t>(index);
  const auto n = static_cast<std::size_t>(count);
  String deleted(old.substr(at, n));
  String s(old);
  s.erase(at, n);
  std::string deletedStyle;
  if (KeepsStyleBytes()) {
    item->StyleBytes.resize(old.size(), '\0');
    deletedStyle = item->StyleBytes.substr(at, n);
    item->StyleBytes.erase(at, n);
  }
  item->SetText(s);
  const std::int64_t width = oldWidth - std::int64_t{LineLength(line)};
  if (Record(ukDeleted, line, index)) m_active->AttachPayload(deleted, deletedStyle);
  if (width > 0) {
    ShiftAt(skDeleteChars, {line, column}, width);
    m_bookmarks.MoveColumnsLeft(line, ClampedAdd(column, width), static_cast<std::int32_t>(width));
  }
  LineEdited(line, false);
  if (emptyRule) EmptyDocumentRule();
  return true;
}

bool TCustomMemoSource::RawBreak(std::int32_t line, std::int64_t index, TOutFormatType firstBreak) {
  TStringItem* item = GetLineItem(line);
  if (!item || !CanEditLine(line)) return false;
  const auto size = static_cast<std::int64_t>(item->Text().size());
  if (index < 0 || index > size) return false;
  if (item->Flags & kLineFoldCollapsed) SetRegionState(line, rsExpanded);
  const std::int32_t column = m_tabStops.IndexToColumn(item->Text(), index);
  const bool wasEmpty = size == 0;
  TStringItem& fresh = m_strings.InsertItem(line + 1);
  item = GetLineItem(line);
  if (item->Flags & (kLineFoldStart | kLineFoldBody)) fresh.SetFlag(kLineFoldBody, true);
  if (index == 0 && !item->LineData().empty()) {
    fresh.SetLineData(item->LineData());
    item->SetLineData({});
  }
  const auto at = static_cast<std::size_t>(index);
  // The second half ends as the line did; the first gets the new break.
  fresh.LineBreak = std::exchange(item->LineBreak, firstBreak);
  fresh.SetText(item->Text().substr(at));
  item->SetText(String(item->Text().substr(0, at)));
  if (KeepsStyleBytes()) {
    item->StyleBytes.resize(static_cast<std::size_t>(size), '\0');
    fresh.StyleBytes = item->StyleBytes.substr(at);
    item->StyleBytes.resize(at);
    if (!m_replaying) {
      m_typingAttribute = fresh.StyleBytes.empty()
                              ? (item->StyleBytes.empty() ? 0 : item->StyleBytes.back())
                              : static_cast<unsigned char>(fresh.StyleBytes.front());
      m_keepTypingAttribute = true;
    }
  }
  m_bookmarks.ShiftLines(line, column, 1);
  m_bookmarks.MoveColumnsLeft(line + 1, 0, column);
  m_hidden.LineInserted(line);
  if (index == 0 || wasEmpty) {
    fresh.GutterImages |= std::exchange(item->GutterImages, 0u);
    if (!fresh.LineStyle) fresh.LineStyle = std::exchange(item->LineStyle, 0);
    if (!fresh.Obj) fresh.Obj = std::exchange(item->Obj, nullptr);
  }
  if (m_longestIndex > line) ++m_longestIndex;
  if (TUndoRecord* r = Record(ukLineBroken, line, index))
    r->DeltaColumn = static_cast<std::int32_t>(firstBreak);
  ShiftAt(skLineBreak, {line, column}, 0);
  if (m_longestIndex == line) RescanLongestLine();
  LineEdited(line, true);
  UpdateLongestLine(line + 1);
  return true;
}

bool TCustomMemoSource::RawJoin(std::int32_t line) {
  TStringItem* item = GetLineItem(line);
  TStringItem* next = GetLineItem(line + 1);
  if (!item || !next || !CanEditLine(line) || !CanEditLine(line + 1)) return false;
  if (item->Flags & kLineFoldCollapsed) SetRegionState(line, rsExpanded);
  if (next->Flags & kLineFoldCollapsed) SetRegionState(line + 1, rsExpanded);
  item = GetLineItem(line);
  next = GetLineItem(line + 1);
  const auto index = static_cast<std::int64_t>(item->Text().size());
  const std::int32_t column = LineLength(line);
  if (index == 0 && item->LineData().empty()) item->SetLineData(next->LineData());
  item->GutterImages |= next->GutterImages;
  if (!item->LineStyle) item->LineStyle = next->LineStyle;
  if (!item->Obj) item->Obj = next->Obj;
  if (KeepsStyleBytes()) {
    item->StyleBytes.resize(static_cast<std::size_t>(index), '\0');
    std::string tail = next->StyleBytes;
    tail.resize(next->Text().size(), '\0');
    item->StyleBytes += tail;
  }
  String joined(item->Text());
  joined += next->Text();
  item->SetText(joined);
  const TOutFormatType ownBreak = std::exchange(item->LineBreak, next->LineBreak);
  m_strings.Delete(line + 1);
  m_bookmarks.ShiftColumns(line + 1, 0, column);
  m_bookmarks.ShiftLines(line + 1, 0, -1);
  m_hidden.LineDeleted(line + 1);
  // Splitting the line again gives it back its own break.
  if (TUndoRecord* r = Record(ukLinesJoined, line, index))
    r->DeltaColumn = static_cast<std::int32_t>(ownBreak);
  ShiftAt(skJoinLine, {line, column}, 0);
  if (m_longestIndex == line + 1 || m_longestIndex == line)
    RescanLongestLine();
  else if (m_longestIndex > line + 1)
    --m_longestIndex;
  LineEdited(line, true);
  EmptyDocumentRule();
  return true;
}

bool TCustomMemoSource::RawAppendLines(std::int64_t count, std::string_view breaks) {
  if (count <= 0 || GetReadOnly() || !CanEdit()) return false;
  const std::int32_t first = LineCount();
  m_strings.InsertRange(first, std::vector<String>(static_cast<std::size_t>(count)));
  SetLineBreaks(first, breaks);
  if (TUndoRecord* r = Record(ukLinesAppended, first, 0))
    r->DeltaLine = static_cast<std::int32_t>(count);
  MarkChanged(first, kToEnd);
  if (m_longestIndex < 0) RescanLongestLine();
  return true;
}

bool TCustomMemoSource::RawRemoveLastLines(std::int64_t count) {
  const std::int32_t first = LineCount() - static_cast<std::int32_t>(count);
  if (count <= 0 || first < 0) return false;
  for (std::int32_t l = first; l < LineCount(); ++l)
    if (!StoredLine(l).empty() || !CanEditLine(l)) return false;
  const std::string breaks = LineBreaksOf(first, static_cast<std::int32_t>(count));
  m_strings.DeleteRange(first, static_cast<int>(count));
  for (std::int32_t l = LineCount() + static_cast<std::int32_t>(count) - 1; l >= first; --l)
    m_hidden.LineDeleted(l);
  if (TUndoRecord* r = Record(ukLinesRemoved, first, 0)) {
    r->DeltaLine = static_cast<std::int32_t>(count);
    m_active->AttachPayload({}, breaks);
  }
  MarkChanged(std::max(first - 1, 0), kToEnd);
  RescanLongestLine();
  return true;
}

bool TCustomMemoSource::RawInsertLines(std::int32_t at, const std::vector<String>& lines,
                                       const std::string* style,
                                       const std::vector<std::string>* lineData,
                                       std::string_view breaks) {
  if (lines.empty() || at < 0 || at > LineCount() || GetReadOnly() || !CanEdit()) return false;
  const auto count = static_cast<std::int32_t>(lines.size());
  m_strings.InsertRange(at, lines);
  SetLineBreaks(at, breaks);
  if (lineData && lineData->size() == lines.size())
    for (std::int32_t i = 0; i < count; ++i)
      GetLineItem(at + i)->SetLineData((*lineData)[static_cast<std::size_t>(i)]);
  if (KeepsStyleBytes()) {
    // Without saved bytes the lines take what text typed on an empty line would.
    const char fill = static_cast<char>(std::max(m_typingAttribute, 0));
    std::size_t from = 0;
    for (std::int32_t i = 0; i < count; ++i) {
      TStringItem& item = *GetLineItem(at + i);
      const std::size_t n = item.Text().size();
      if (style && from < style->size()) item.StyleBytes = style->substr(from, n);
      item.StyleBytes.resize(n, style ? '\0' : fill);
      from += n;
    }
  }
  for (std::int32_t i = 0; i < count; ++i) m_hidden.LineInserted(at - 1);
  m_bookmarks.ShiftLines(at, 0, count);
  m_editAt = {at - 1, 0};
  m_positions.ShiftLinesFrom(at, count);
  if (TUndoRecord* r = Record(ukLinesInserted, at, 0)) r->DeltaLine = count;
  if (m_longestIndex >= at) m_longestIndex += count;
  for (std::int32_t l = at; l < at + count; ++l) UpdateLongestLine(l);
  MarkChanged(at, kToEnd);
  return true;
}

bool TCustomMemoSource::RawDeleteLines(std::int32_t first, std::int64_t count) {
  if (count <= 0 || first < 0 || first + count > LineCount()) return false;
  const auto n = static_cast<std::int32_t>(count);
  for (std::int32_t l = first; l < first + n; ++l)
    if (!CanEditLine(l)) return false;
  String text;
  std::string style;
  std::vector<std::string> lineData;
  const bool keep = KeepsStyleBytes();
  for (std::int32_t l = first; l < first + n; ++l) {
    if (l > first) text.push_back(U'\n');
    text += StoredLine(l);
    TStringItem& item = *GetLineItem(l);
    if (keep) {
      FitStyleBytes(item);
      style += item.StyleBytes;
    }
    if (!item.LineData().empty()) lineData.resize(static_cast<std::size_t>(n));
    if (!lineData.empty()) lineData[static_cast<std::size_t>(l - first)] = item.LineData();
  }
  // Their breaks ride after the style bytes, one byte a line.
  style += LineBreaksOf(first, n);
  m_strings.DeleteRange(first, n);
  for (std::int32_t l = first + n - 1; l >= first; --l) m_hidden.LineDeleted(l);
  m_bookmarks.ShiftLines(first + n, 0, -count);
  m_editAt = {first - 1, 0};
  m_positions.LinesRemoved(first, count);
  if (TUndoRecord* r = Record(ukLinesDeleted, first, 0)) {
    r->DeltaLine = n;
    m_active->AttachPayload(text, style, lineData);
  }
  if (m_longestIndex >= first + n)
    m_longestIndex -= n;
  else if (m_longestIndex >= first)
    RescanLongestLine();
  MarkChanged(std::max(first - 1, 0), kToEnd);
  return true;
}

std::string TCustomMemoSource::LineBreaksOf(std::int32_t first, std::int32_t count) const {
  std::string breaks;
  breaks.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (std::int32_t l = first; l < first + count; ++l)
    breaks.push_back(static_cast<char>(m_strings.Item(l)->LineBreak));
  return breaks;
}

void TCustomMemoSource::SetLineBreaks(std::int32_t first, std::string_view breaks) {
  for (std::size_t i = 0; i < breaks.size(); ++i)
    if (TStringItem* item = m_strings.Item(first + static_cast<std::int32_t>(i)))
      item->LineBreak = ToLineBreak(breaks[i]);
}

void TCustomMemoSource::FitStyleBytes(TStringItem& item) const {
  if (KeepsStyleBytes()) item.StyleBytes.resize(item.Text().size(), '\0');
}

void TCustomMemoSource::EmptyDocumentRule() {
  // Undo replays the record of the removal itself, so it does not apply then.
  if (!m_replaying && LineCount() == 1 && StoredLine(0).empty()) RawRemoveLastLines(1);
}

// ---- The primitives at the caret ---------------------------------------------

bool TCustomMemoSource::InsertText(StringView text) {
  if (text.empty() || !CanEditLine(m_caret.Line)) return false;
  const TUpdateBracket update(*this, upd::kInsertText);
  const std::int32_t line = m_caret.Line;
  if (line >= LineCount()) RawAppendLines(std::int64_t{line} + 1 - LineCount());
  const StringView stored = StoredLine(line);
  const std::int64_t column = m_caret.Column;
  const std::int64_t width = LineLength(line);
  InsertionPoint point = LocateInsertion(m_tabStops, stored, width, column);
  String& prefix = point.padding;
  std::int64_t index = point.index;
  // A line record never holds a break: the text's own breaks break the line.
  std::size_t from = 0;
  std::int32_t at = line;
  bool done = false;
  const std::int32_t before = LineLength(line);
  while (true) {
    std::size_t end = from;
    while (end < text.size() && !IsBreak(text[end])) ++end;
    String piece = prefix + String(text.substr(from, end - from));
    prefix.clear();
    if (!piece.empty()) done = RawInsert(at, index, piece, nullptr) || done;
    index += static_cast<std::int64_t>(piece.size());
    if (end >= text.size()) break;
    from = end + (text[end] == U'\r' && end + 1 < text.size() && text[end + 1] == U'\n' ? 2 : 1);
    if (!RawBreak(at, index, OutFormat())) break;
    done = true;
    ++at;
    index = 0;
    if (from >= text.size()) break;
  }
  m_insertedEnd = m_tabStops.IndexToColumn(StoredLine(at), index);
  m_insertedWidth = at == line && text.find(kTab) == StringView::npos
                        ? static_cast<std::int32_t>(text.size())
                        : (at == line ? LineLength(line) - before : m_insertedEnd);
  return done;
}

std::int32_t TCustomMemoSource::InsertTextWithStyle(StringView text,
                                                    const std::string& styleBytes) {
  if (!KeepsStyleBytes()) return InsertText(text) ? m_insertedWidth : 0;
  // Only single-line text carries bytes; the bytes go in with the text.
  if (text.empty() || !CanEditLine(m_caret.Line)) return 0;
  for (Char c : text)
    if (IsBreak(c)) return InsertText(text) ? m_insertedWidth : 0;
  const TUpdateBracket update(*this, upd::kInsertText);
  const std::int32_t line = m_caret.Line;
  if (line >= LineCount()) RawAppendLines(std::int64_t{line} + 1 - LineCount());
  const StringView stored = StoredLine(line);
  const std::int64_t column = m_caret.Column;
  const std::int64_t width = LineLength(line);
  const int a = AttributeAt(m_caret.Column, line);
  std::string bytes = styleBytes;
  bytes.resize(text.size(), '\0');
  const InsertionPoint point = LocateInsertion(m_tabStops, stored, width, column);
  const String& prefix = point.padding;
  const std::int64_t index = point.index;
  const char prefixByte = point.insideText && !bytes.empty() ? bytes.front() : static_cast<char>(a);
  const std::int32_t before = LineLength(line);
  const std::string all = std::string(prefix.size(), prefixByte) + bytes;
  RawInsert(line, index, prefix + String(text), &all);
  m_insertedEnd = m_tabStops.IndexToColumn(
      StoredLine(line), index + static_cast<std::int64_t>(prefix.size() + text.size()));
  m_insertedWidth = LineLength(line) - before;
  return m_insertedWidth;
}

void TCustomMemoSource::DeleteChars(std::int64_t count) {
  const std::int32_t line = m_caret.Line;
  if (count <= 0 || line >= LineCount() || !CanEditLine(line) || m_caret.Column >= LineLength(line))
    return;
  const TUpdateBracket update(*this, upd::kDeleteChars);
  const TTabStops::Place place = m_tabStops.Locate(StoredLine(line), m_caret.Column);
  std::int64_t index = place.index;
  if (m_caret.Column > place.start) {
    // Inside a TAB's fill: the part left of the caret becomes spaces, and the
    // deletion starts at the TAB that remains.
    const String fill(static_cast<std::size_t>(m_caret.Column - place.start), U' ');
    const std::string style(fill.size(), static_cast<char>(AttributeAt(m_caret.Column, line)));
    RawInsert(line, index, fill, &style);
    index += static_cast<std::int64_t>(fill.size());
  }
  RawDelete(line, index, count);
}

void TCustomMemoSource::InsertLineBreak() {
  const std::int32_t line = m_caret.Line;
  if (line > std::max(LineCount() - 1, 0) || !CanEditLine(line)) return;
  const TUpdateBracket update(*this, upd::kLineBreak);
  if (LineCount() == 0) RawAppendLines(1);
  const StringView stored = StoredLine(line);
  const std::int64_t index = std::min<std::int64_t>(ColumnToIndex(stored, m_caret.Column) - 1,
                                                    static_cast<std::int64_t>(stored.size()));
  if (RawBreak(line, index, OutFormat()) && !m_keepTrailingBlanks) {
    const StringView first = StoredLine(line);
    const std::size_t kept = TrimmedSize(first);
    if (kept < first.size())
      RawDelete(line, static_cast<std::int64_t>(kept),
                static_cast<std::int64_t>(first.size() - kept), false);
  }
}

void TCustomMemoSource::JoinLine() {
  const std::int32_t line = m_caret.Line;
  if (line + 1 >= LineCount() || !CanEditLine(line) || !CanEditLine(line + 1)) return;
  const StringView stored = StoredLine(line);
  if (ColumnToIndex(stored, m_caret.Column) - 1 < static_cast<std::int64_t>(stored.size())) return;
  const TUpdateBracket update(*this, upd::kJoin);
  const std::int64_t pad = std::int64_t{m_caret.Column} - LineLength(line);
  if (pad > 0) {
    TStringItem* item = GetLineItem(line);
    FitStyleBytes(*item);
    const std::string style(static_cast<std::size_t>(pad),
                            item->StyleBytes.empty() ? '\0' : item->StyleBytes.back());
    RawInsert(line, static_cast<std::int64_t>(stored.size()),
              String(static_cast<std::size_t>(pad), U' '), &style);
  }
  RawJoin(line);
}

}  // namespace qs
