// The search core: where a search starts, what it looks through, and what a
// match or a miss shows.
#include "textmodel/searchengine.h"

#include <algorithm>

#include "platform/dialogs.h"
#include "platform/platform.h"
#include "support/utf8.h"
#include "textmodel/updatebracket.h"

namespace qs {
namespace {

const String kInvalidBlock = U"Tried to search marked block but it is invalid";
const String kCaretOutsideBlock =
    U"Tried to search marked block from cursor but cursor is outside block";

}  // namespace

String DoubleAmpersands(StringView pattern) {
  String out;
  out.reserve(pattern.size());
  for (Char c : pattern) {
    out.push_back(c);
    if (c == U'&') out.push_back(c);
  }
  return out;
}

void TSearchEngine::KeepSelectionIfAsked() {
  if (m_source.m_search.keepSelection > 0) m_source.KeepSelection();
}

void TSearchEngine::RaiseUnhandled(const String& message) {
  if (!m_source.SearchMessage(message)) throw Error(ToUtf8(message));
}

bool TSearchEngine::CaretAtSelection() const {
  const TCustomMemoSource& s = m_source;
  if (!s.HasSelection()) return false;
  const TPosition c = s.Caret();
  if (s.IsInSelection(c.Column, c.Line)) return true;
  const TPosition b = s.BlockBegin();
  const TPosition e = s.BlockEnd();
  if (s.SelectionType() != stBlockSel) return c == b || c == e;
  // A column block's right edge is its last column; the corner lies after it.
  const bool onEdgeLine = c.Line == b.Line || c.Line == e.Line;
  return onEdgeLine && (c.Column == b.Column || c.Column == e.Column + 1);
}

std::optional<TLineHit> TSearchEngine::Search() {
  SelectionKeeper keep(m_source);
  if (m_source.OnSearchStart) m_source.OnSearchStart(m_source, skFind);
  const bool inSelection = m_options.Scope() == ssSelectedText;
  if (inSelection && !m_source.HasSelection()) {
    RaiseUnhandled(kInvalidBlock);
    return std::nullopt;
  }
  const TUpdateBracket update(m_source, upd::kSearch);
  KeepSelectionIfAsked();
  const String& pattern = m_options.TextToFind();
  if (pattern.empty()) return std::nullopt;
  if (m_options.WholeWordsOnly() && !m_options.RegularExpr() &&
      std::any_of(pattern.begin(), pattern.end(),
                  [&](Char c) { return m_source.IsDelimiterChar(c); }))
    m_options.SetWholeWordsOnly(false);
  if (inSelection && m_options.FirstSearch() && m_options.Origin() == soFromCursor &&
      !CaretAtSelection()) {
    RaiseUnhandled(kCaretOutsideBlock);
    return std::nullopt;
  }
  std::optional<TLineHit> hit;
  try {
    hit = Match(inSelection);
  } catch (const Error& e) {
    const String message = FromUtf8(e.what());
    if (!m_source.SearchMessage(message))
      ThePlatform().dialogs.MessageBox(message, U"Information", MsgButtons::OK,
                                       MsgIcon::Information);
    return std::nullopt;
  }
  if (hit)
    ShowFound(*hit);
  else
    ShowNotFound();
  return hit;
}

std::optional<TLineHit> TSearchEngine::Match(bool inSelection) {
  const TCustomMemoSource& s = m_source;
  const TPosition caret = s.Caret();
  const TPosition b = s.BlockBegin();
  const bool block = s.SelectionType() == stBlockSel;
  // Selection coordinates: lines from the block's first, and columns from its
  // left edge on its first line (on every line of a column block).
  const auto leftEdge = [&](std::int32_t relLine) {
    return inSelection && (block || relLine == 0) ? b.Column : 0;
  };
  TSearchStart start;
  start.atEdge = m_options.FirstSearch() && m_options.Origin() == soEntireScope;
  start.line = inSelection ? caret.Line - b.Line : caret.Line;
  start.caret = std::max(caret.Column - leftEdge(start.line), 0);
  m_options.SetFirstSearch(false);

  String buffer;
  const TLineSource lineText = [&](std::int32_t line) -> StringView {
    buffer = inSelection ? s.SelectionLine(line) : s.ExpandedLine(line);
    return buffer;
  };
  const std::int32_t count = inSelection ? s.SelectionLineCount() : s.LineCount();
  const TLineMatcher matcher({m_options.TextToFind(), m_options.CaseSensitive(),
                              m_options.RegularExpr(), m_options.WholeWordsOnly()},
                             [&s](Char c) { return s.IsDelimiterChar(c); });
  std::optional<TLineHit> hit = matcher.Find(count, lineText, start, m_options.Forward());
  if (hit && inSelection) {
    hit->column += leftEdge(hit->line);
    hit->line += b.Line;
  }
  return hit;
}

void TSearchEngine::ShowFound(const TLineHit& hit) {
  TCustomMemoSource& s = m_source;
  const std::int32_t end = hit.column + hit.length;
  s.SetFoundRect({hit.column, hit.line, end, hit.line + 1});
  if (s.HasOption(soSelectFoundText) && (!s.HasSelection() || m_options.Scope() == ssGlobal))
    s.SelectRange(stStreamSel, hit.column, hit.line, end, hit.line);
  // Placed exactly: a caret snapped to a TAB's edge could find the same match again.
  s.PlaceCaret({hit.line, m_options.Forward() ? end : hit.column});
  if (!s.IsLineVisible(hit.line)) s.ExpandRegionAbove(hit.line);
}

void TSearchEngine::ShowNotFound() {
  if (!m_options.ShowNotFound()) return;
  // The pattern is data, pasted in and never read as a format.
  const String message =
      U"Search string '" + DoubleAmpersands(m_options.TextToFind()) + U"' not found";
  if (!m_source.SearchMessage(message))
    ThePlatform().dialogs.MessageBox(message, U"Information", MsgButtons::OK, MsgIcon::Information);
}

bool TCustomMemoSource::SearchMessage(const String& message) {
  bool handled = false;
  if (OnSearchException) OnSearchException(*this, message, handled);
  return handled;
}

bool TCustomMemoSource::FindText() {
  TSearchOptions& o = TSearchOptions::Instance();
  o.SetFirstSearch(true);
  o.SetInReplace(false);
  o.SetShowNotFound(true);
  return TSearchEngine(*this).Search().has_value();
}

bool TCustomMemoSource::ReplaceText() {
  TSearchOptions& o = TSearchOptions::Instance();
  o.SetFirstSearch(true);
  o.SetInReplace(true);
  o.SetShowNotFound(true);
  return TSearchEngine(*this).Replace();
}

bool TCustomMemoSource::SearchAgain() {
  TSearchOptions& o = TSearchOptions::Instance();
  o.SetShowNotFound(true);
  if (!HasSelection()) o.SetScope(ssGlobal);
  if (o.FirstSearch()) return false;
  TSearchEngine engine(*this);
  return o.InReplace() ? engine.Replace() : engine.Search().has_value();
}

}  // namespace qs
