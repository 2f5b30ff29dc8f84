// Comments and strings: their starters at the cursor and the rest of their
// body on this line, which a closer, a meta symbol or a block opening inside
// the string may end or interrupt.
#include "syntax/linescanner.h"

#include <algorithm>

#include "syntax/linescanner_p.h"

namespace qs {
namespace {

using enum TBlockFlag;
using L = TTokenList;
using namespace scan;

}  // namespace

bool TLineScanner::ScanComment(Tok& t, bool inDirective) {
  const std::uint32_t mask = MaskAt(m_pos);
  if ((mask & kCommentBits) == 0) return false;
  const auto& multi = m_block->List(L::MultiLineCommentDelimiters);
  for (std::size_t i = 0; i < multi.size() && (mask & Bit(L::MultiLineCommentDelimiters)); ++i) {
    const TStarter& s = multi[i];
    if (!At(m_pos, s.left) || !StarterOk(m_pos, s.left)) continue;
    m_pending = pdComment;
    m_item = static_cast<int>(i);
    m_commentInDirective = inDirective;
    t = Tok{tkMultiLineComment, s.fontId, s.item, m_pos + s.left.size()};
    return true;
  }
  if (m_allowFullLine && (mask & Bit(L::FullLineCommentDelimiters)))
    for (const TStarter& s : m_block->List(L::FullLineCommentDelimiters))
      if (At(m_pos, s.left) && StarterOk(m_pos, s.left)) {
        if (inDirective) m_pending = pdNone;
        t = Tok{tkFullLineComment, s.fontId, s.item, LineCommentEnd(m_pos + s.left.size())};
        return true;
      }
  if ((mask & Bit(L::SingleLineCommentDelimiters)) == 0) return false;
  for (const TStarter& s : m_block->List(L::SingleLineCommentDelimiters))
    if (At(m_pos, s.left) && StarterOk(m_pos, s.left)) {
      // The comment takes the rest of the line, directive included.
      if (inDirective) m_pending = pdNone;
      t = Tok{tkSingleLineComment, s.fontId, s.item, LineCommentEnd(m_pos + s.left.size())};
      return true;
    }
  return false;
}

TLineScanner::Tok TLineScanner::ScanCommentBody() {
  const TStarter& s =
      m_block->List(L::MultiLineCommentDelimiters)[static_cast<std::size_t>(m_item)];
  const std::size_t n = m_text.size();
  for (std::size_t from = m_pos;;) {
    const std::size_t q = Find(s.right, from);
    if (q == StringView::npos) return Tok{tkMultiLineComment, s.fontId, s.item, n};
    if (CloserTouchesIdent(q, s.right)) {  // not this one: a later one may do
      from = q + 1;
      continue;
    }
    const std::size_t end = q + s.right.size();
    m_pending = m_commentInDirective && end < n ? pdDirective : pdNone;
    m_item = 0;
    return Tok{tkMultiLineComment, s.fontId, s.item, end};
  }
}

bool TLineScanner::ScanString(Tok& t) {
  const std::size_t n = m_text.size();
  const CharSet& first = m_block->firstIdent;
  const CharSet& other = m_block->otherIdent;
  // A starter such as q' is not taken inside a word like abq'.
  auto rejected = [&](const TStarter& s) {
    const std::size_t after = m_pos + s.left.size();
    return first.Contains(s.left.front()) && other.Contains(s.left.back()) && after < n &&
           other.Contains(m_text[after]);
  };
  const std::uint32_t mask = MaskAt(m_pos);
  if ((mask & kStringBits) == 0) return false;
  const auto& multi = m_block->List(L::MultiLineStringDelimiters);
  for (std::size_t i = 0; i < multi.size() && (mask & Bit(L::MultiLineStringDelimiters)); ++i) {
    const TStarter& s = multi[i];
    if (!At(m_pos, s.left) || rejected(s)) continue;
    m_pending = pdMultiLineString;
    m_item = static_cast<int>(i);
    t = Tok{tkMultiLineString, s.fontId, s.item, m_pos + s.left.size()};
    return true;
  }
  const auto& single = m_block->List(L::SingleLineStringDelimiters);
  for (std::size_t i = 0; i < single.size() && (mask & Bit(L::SingleLineStringDelimiters)); ++i) {
    const TStarter& s = single[i];
    if (!At(m_pos, s.left) || rejected(s)) continue;
    const std::size_t end = m_pos + s.left.size();
    if (end < n) {
      m_pending = pdSingleLineString;
      m_item = static_cast<int>(i);
    }
    t = Tok{tkSingleLineString, s.fontId, s.item, end};
    return true;
  }
  return false;
}

TLineScanner::Tok TLineScanner::ScanStringBody() {
  const bool single = m_pending == pdSingleLineString;
  const auto& list =
      m_block->List(single ? L::SingleLineStringDelimiters : L::MultiLineStringDelimiters);
  const TStarter& s = list[static_cast<std::size_t>(m_item)];
  const Tok rest{single ? tkSingleLineString : tkMultiLineString, s.fontId, s.item, m_text.size()};
  const bool meta = m_block->Has(UseMetaSymbol);
  const std::size_t start = m_pos;
  // The cursor itself was tried for a block start before the scan.
  std::size_t unchecked = start + 1;
  for (std::size_t from = m_pos;;) {
    const std::size_t q = Find(s.right, from);
    // A block opening inside the string first: the string stops there for now.
    const std::size_t limit = q == StringView::npos ? m_text.size() : q;
    const std::size_t inner = NextPartStart(unchecked, limit);
    if (inner < limit) return Tok{rest.id, s.fontId, s.item, inner};
    unchecked = std::max(unchecked, limit);
    if (q == StringView::npos) {
      // A single-line string ends with its line unless an unescaped meta
      // symbol at the end continues it; a multi-line one goes on.
      if (single && !(meta && m_block->Has(UseMetaToWrapLines) && EndsWithOddMetas(start)))
        m_pending = m_item = 0;
      return rest;
    }
    if (CloserTouchesIdent(q, s.right) || (meta && MetasBefore(q, start) % 2 == 1)) {
      from = q + 1;
      continue;
    }
    m_pending = m_item = 0;
    return Tok{rest.id, s.fontId, s.item, q + s.right.size()};
  }
}

}  // namespace qs
