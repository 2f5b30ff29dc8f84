#include "textmodel/searchmatch.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "support/unicodecase.h"
#include "textmodel/textload.h"

namespace qs {

TLineMatcher::TLineMatcher(const TSearchPattern& pattern, Delimiter isDelimiter)
    : m_pattern(pattern), m_isDelimiter(std::move(isDelimiter)) {
  if (m_pattern.regularExpr) {
    if (!m_pattern.text.empty()) m_regex.emplace(m_pattern.text, m_pattern.caseSensitive);
  } else {
    m_folded = m_pattern.caseSensitive ? m_pattern.text : ToUpper(m_pattern.text);
  }
}

std::optional<TLineMatcher::Hit> TLineMatcher::Raw(StringView text, std::int32_t from, bool forward,
                                                   bool fromCaret) const {
  // from: the caret (fromCaret), else the first (forward) or last (backward)
  // 0-based index a match may start at.
  if (m_pattern.text.empty()) return std::nullopt;
  if (m_regex) {
    const auto found = fromCaret ? m_regex->MatchFromCaret(text, from, forward)
                                 : m_regex->Match(text, from + 1, forward);
    if (!found) return std::nullopt;
    return Hit{found->position - 1, found->length};
  }
  const auto size = static_cast<std::int64_t>(text.size());
  std::size_t at = String::npos;
  if (forward) {
    if (from <= size) at = text.find(m_folded, static_cast<std::size_t>(std::max(from, 0)));
  } else {
    const std::int64_t last = std::min<std::int64_t>(fromCaret ? from - 1 : from, size - 1);
    if (last >= 0) at = text.rfind(m_folded, static_cast<std::size_t>(last));
  }
  if (at == String::npos) return std::nullopt;
  return Hit{static_cast<std::int32_t>(at), static_cast<std::int32_t>(m_folded.size())};
}

bool TLineMatcher::IsWholeWord(StringView text, const Hit& hit) const {
  const auto end = static_cast<std::size_t>(hit.start) + static_cast<std::size_t>(hit.length);
  const bool startsWord = hit.start == 0 || m_isDelimiter(text[hit.start - 1]);
  const bool endsWord = end >= text.size() || m_isDelimiter(text[end]);
  return startsWord && endsWord;
}

std::int32_t TLineMatcher::RetryFrom(StringView text, const Hit& hit, bool forward) const {
  // No acceptable match starts inside the word the rejected one starts in,
  // except at that word's own start.
  const auto size = static_cast<std::int32_t>(text.size());
  const bool inWord = hit.start < size && !m_isDelimiter(text[hit.start]);
  if (forward) {
    std::int32_t end = hit.start + 1;
    if (inWord)
      while (end < size && !m_isDelimiter(text[end])) ++end;
    return end;
  }
  std::int32_t begin = hit.start;
  if (inWord)
    while (begin > 0 && !m_isDelimiter(text[begin - 1])) --begin;
  return begin < hit.start ? begin : hit.start - 1;
}

std::optional<TLineMatcher::Hit> TLineMatcher::InLine(StringView text, std::int32_t caret,
                                                      bool forward) const {
  const auto size = static_cast<std::int32_t>(std::min<std::size_t>(text.size(), INT_MAX - 2));
  std::optional<Hit> hit =
      caret >= 0 ? Raw(text, caret, forward, true) : Raw(text, forward ? 0 : size, forward, false);
  while (hit && m_pattern.wholeWords && !IsWholeWord(text, *hit)) {
    const std::int32_t from = RetryFrom(text, *hit, forward);
    if (forward ? from > size : from < 0) return std::nullopt;
    hit = Raw(text, from, forward, false);
  }
  return hit;
}

std::optional<TLineHit> TLineMatcher::Find(std::int32_t lineCount, const TLineSource& lineText,
                                           TSearchStart start, bool forward) const {
  if (lineCount <= 0 || m_pattern.text.empty()) return std::nullopt;
  String folded;
  const auto textOf = [&](std::int32_t line) -> StringView {
    StringView text = lineText(line);
    if (!forward) text = text.substr(0, TrimmedSize(text));
    if (m_regex || m_pattern.caseSensitive) return text;
    folded = ToUpper(text);
    return folded;
  };
  const auto hitAt = [](std::int32_t line, const Hit& h) {
    return TLineHit{line, h.start, h.length};
  };
  if (forward) {
    const std::int32_t first = start.atEdge ? 0 : std::max(start.line, 0);
    for (std::int32_t line = first; line < lineCount; ++line) {
      const std::int32_t caret = line == first && !start.atEdge ? start.caret : -1;
      if (auto h = InLine(textOf(line), caret, true)) return hitAt(line, *h);
    }
    return std::nullopt;
  }
  // A caret below the last line searches from the end of the text.
  const bool fromCaret = !start.atEdge && start.line >= 0 && start.line < lineCount;
  const std::int32_t first = fromCaret ? start.line : lineCount - 1;
  if (!start.atEdge && start.line < 0) return std::nullopt;
  for (std::int32_t line = first; line >= 0; --line) {
    const std::int32_t caret = line == first && fromCaret ? start.caret : -1;
    if (auto h = InLine(textOf(line), caret, false)) return hitAt(line, *h);
  }
  return std::nullopt;
}

}  // namespace qs
