// Rule matching for the line scanner: whether a delimiter stands at a place
// under a case rule, where it next occurs, whether it may start or end there
// without cutting a word, and where a closer cuts the tokens short.
#include "syntax/linescanner.h"

#include <cstddef>

namespace qs {

bool TLineScanner::RestAt(std::size_t pos, StringView d, bool caseSensitive) const {
  for (std::size_t i = 1; i < d.size(); ++i)
    if (!SameChar(m_text[pos + i], d[i], caseSensitive)) return false;
  return true;
}

bool TLineScanner::EndsAt(std::size_t end, StringView d, bool caseSensitive) const {
  return !d.empty() && end >= d.size() && At(end - d.size(), d, caseSensitive);
}

std::size_t TLineScanner::Search(StringView d, std::size_t from, bool caseSensitive) const {
  if (d.empty() || m_text.size() < d.size()) return StringView::npos;
  const std::size_t last = m_text.size() - d.size();
  const Char first = d.front();
  if (!caseSensitive && first >= 128) {
    const Char folded = FoldCase(first);
    for (std::size_t q = from; q <= last; ++q)
      if (FoldCase(m_text[q]) == folded && RestAt(q, d, false)) return q;
    return StringView::npos;
  }
  // Both cases of an ASCII first character, without folding every one read;
  // a character beyond ASCII may still fold to it.
  const Char lower = caseSensitive ? first : FoldCase(first);
  const Char upper = caseSensitive ? first : OtherAsciiCase(lower);
  for (std::size_t q = from; q <= last; ++q) {
    const Char c = m_text[q];
    if (c != lower && c != upper && (caseSensitive || c < 128 || FoldCase(c) != lower)) continue;
    if (RestAt(q, d, caseSensitive)) return q;
  }
  return StringView::npos;
}

// A starter made of identifier characters does not start inside a word.
bool TLineScanner::StarterOk(std::size_t pos, StringView d) const {
  const std::size_t after = pos + d.size();
  return !(m_block->firstIdent.Contains(d.front()) && after < m_text.size() &&
           m_block->otherIdent.Contains(m_text[after]));
}

bool TLineScanner::ForwardBoundaryOk(std::size_t pos, StringView d) const {
  return StarterOk(pos, d);
}

bool TLineScanner::BackwardBoundaryOk(std::size_t end, StringView d) const {
  const std::size_t start = end - d.size();
  return !(m_block->firstIdent.Contains(d.front()) && start > 0 &&
           m_block->otherIdent.Contains(m_text[start - 1]));
}

bool TLineScanner::CloserTouchesIdent(std::size_t q, StringView d) const {
  if (!m_block->firstIdent.Contains(d.front())) return false;
  const CharSet& other = m_block->otherIdent;
  return (q > 0 && other.Contains(m_text[q - 1])) ||
         (q + d.size() < m_text.size() && other.Contains(m_text[q + d.size()]));
}

std::size_t TLineScanner::MetasBefore(std::size_t q, std::size_t floor) const {
  std::size_t count = 0;
  while (q > floor && m_text[q - 1] == m_block->metaSymbol) {
    --q;
    ++count;
  }
  return count;
}

// The line ends in a meta symbol that is not itself escaped.
bool TLineScanner::EndsWithOddMetas(std::size_t from) const {
  return !m_text.empty() && MetasBefore(m_text.size(), from) % 2 == 1;
}

// ---- Closers inside tokens -------------------------------------------------

// Where the innermost block's closer starts, at or after the cursor, when the
// closer is not part of the block: the enclosing language finds it before the
// embedded one reads its tokens. npos when there is none.
std::size_t TLineScanner::FindParentCut() {
  Cut& cut = m_cuts[static_cast<std::size_t>(m_stack)];
  const StringView right = m_parentCloser->right;
  std::size_t at = Search(right, m_pos, m_rootCase);
  while (at != StringView::npos && !ForwardBoundaryOk(at, right))
    at = Search(right, at + 1, m_rootCase);
  cut = Cut{m_run, m_pos, at};
  return at;
}

// A comment that runs to the end of the line stops at the closer of a block
// whose closer is part of it, as a script's line comment ends at the mark
// that ends the script. Strings and comments with their own end do not.
std::size_t TLineScanner::LineCommentEnd(std::size_t from) const {
  const std::size_t n = m_text.size();
  if (!m_closer || !m_closer->partOfBlock) return n;
  const StringView right = m_closer->right;
  for (std::size_t q = Search(right, from, m_block->caseSensitive); q != StringView::npos;
       q = Search(right, q + 1, m_block->caseSensitive))
    if (BackwardBoundaryOk(q + right.size(), right)) return q;
  return n;
}

}  // namespace qs
