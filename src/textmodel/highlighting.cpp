// Driving the highlighter over the lines, and the longest-line figures that
// depend on what the view measured.
#include <algorithm>

#include "textmodel/qsstring.h"
#include "textmodel/updatebracket.h"
#include "textmodel/urlmarker.h"

namespace qs {

void TCustomMemoSource::SetSyntaxParser(TSimpleParser* parser) {
  if (parser == m_parser) return;
  if (m_parser) m_parser->RemoveClient(this);
  m_parser = parser;
  if (m_parser) m_parser->AddClient(this);
  ParserChanged();
}

void TCustomMemoSource::ParserGone(TSimpleParser* parser) {
  if (parser != m_parser) return;
  m_parser = nullptr;
  ParserChanged();
}

void TCustomMemoSource::ParserChanged() {
  ResetHighlighting();
}

// Only the scheme highlighter's bytes name attributes of its own that it
// scans for; the bytes of a highlighter that keeps them are formats.
bool TCustomMemoSource::IsSchemeParser() const {
  return m_parser && m_parser->AttributeSource() != nullptr && !m_parser->KeepsStyleBytes();
}

void TCustomMemoSource::ResetHighlighting() {
  const TUpdateBracket update(*this, upd::kNone);
  for (std::int32_t i = 0; i < LineCount(); ++i) {
    TStringItem* item = GetLineItem(i);
    item->SetFlag(kLineParsed, false);
    item->ViewData1 = item->DisplayLen = item->ViewData2 = 0;
  }
  m_firstUnparsed = 0;
  AddChanges({msParserChanged});
}

std::int32_t TCustomMemoSource::ParseLines(std::int32_t first, std::int32_t last, bool force) {
  last = std::min(last, LineCount() - 1);
  first = std::max(first, 0);
  if (first > last) return 0;
  std::int32_t changedTo = 0;
  if (m_parser) {
    std::int32_t state = first == 0 ? m_defaultStartState : GetLineItem(first - 1)->EndState;
    for (std::int32_t l = first; l <= last; ++l) {
      TStringItem& item = *GetLineItem(l);
      if (item.IsParsed() && item.StartState == state) {
        state = item.EndState;
        continue;
      }
      m_parser->PrepareStyleBytes(l, item.Text(), item.StyleBytes);
      m_parser->SetLineIndex(l);
      item.StartState = state;
      state = m_parser->ParseLine(item.Text(), state, false, item.StyleBytes);
      item.SetFlag(kLineParsed, true);
      if (OnParsedLine) OnParsedLine(*this, l, item.Text(), item.StyleBytes);
      if (m_highlightUrls) MarkLineUrls(*this, l);
      if (state != item.EndState) {
        changedTo = l + 1;
        item.EndState = state;
      }
      if (OnMeasureLine) OnMeasureLine(*this, l, item);
    }
  } else if (force || m_highlightUrls) {
    for (std::int32_t l = first; l <= last; ++l) {
      TStringItem& item = *GetLineItem(l);
      if (item.IsParsed()) continue;
      if (m_highlightUrls)
        item.StyleBytes.assign(item.Text().size(), '\0');
      else
        item.StyleBytes.clear();
      item.SetFlag(kLineParsed, true);
      if (OnParsedLine) OnParsedLine(*this, l, item.Text(), item.StyleBytes);
      if (m_highlightUrls) MarkLineUrls(*this, l);
      if (OnMeasureLine) OnMeasureLine(*this, l, item);
    }
  }
  // Parsing a range that starts past the first unparsed line leaves the lines
  // before it unparsed: the mark only advances over what was really parsed.
  if (first <= m_firstUnparsed) m_firstUnparsed = std::max(m_firstUnparsed, last + 1);
  m_parsedChangedTo = changedTo;
  return changedTo;
}

// ---- Longest line ---------------------------------------------------------

void TCustomMemoSource::SetTrackLongestLine(bool track) {
  m_trackLongest = track;
  if (track) RescanLongestLine();
}

std::int32_t TCustomMemoSource::MeasureLine(std::int32_t line) {
  if (OnMeasureLine) return GetLineItem(line)->DisplayLen;
  return LineLength(line);
}

void TCustomMemoSource::RescanLongestLine() {
  if (!m_trackLongest) return;
  if (m_deferRescan > 0) {
    m_rescanPending = true;
    return;
  }
  if (OnMeasureLine) ParseLines(0, LineCount() - 1, true);
  m_longestWidth = 0;
  m_longestIndex = LineCount() > 0 ? 0 : -1;
  for (std::int32_t i = 0; i < LineCount(); ++i) {
    const std::int32_t width = MeasureLine(i);
    if (width >= m_longestWidth) {
      m_longestWidth = width;
      m_longestIndex = i;
    }
  }
}

void TCustomMemoSource::UpdateLongestLine(std::int32_t line) {
  if (!m_trackLongest || line < 0 || line >= LineCount()) return;
  const std::int32_t width = MeasureLine(line);
  if (width > m_longestWidth) {
    m_longestWidth = width;
    m_longestIndex = line;
  } else if (line == m_longestIndex && width < m_longestWidth) {
    RescanLongestLine();
  }
}

void TCustomMemoSource::EndDeferRescan() {
  if (m_deferRescan > 0 && --m_deferRescan == 0 && m_rescanPending) {
    m_rescanPending = false;
    RescanLongestLine();
  }
}

}  // namespace qs
