// The block stack at a token boundary: a closer pops the innermost block,
// a child's start pushes the child, each delimiter occurrence moving the
// stack at most once.
#include "syntax/linescanner.h"

#include <algorithm>

namespace qs {

// An occurrence is claimed at one of its ends: before it (a forward
// comparison) or after it (a backward one). Once scanned over, the same text
// may move the stack again from its far end, as "</style>" first ends the
// style sheet and then, read as tag text, the tag.
bool TLineScanner::Claim(std::size_t from, std::size_t to) {
  const auto occurrence = Occurrence(from, to);
  if (std::find(m_used.begin(), m_used.end(), occurrence) != m_used.end()) return false;
  m_used.push_back(occurrence);
  return true;
}

void TLineScanner::Bookkeeping() {
  // An occurrence ending before the cursor can never be compared again.
  if (!m_used.empty()) std::erase_if(m_used, [this](const auto& o) { return o.to < m_pos; });
  // Each transition claims a new occurrence near the cursor, of which there
  // are finitely many; the bound is only a second line of defence.
  for (int step = 0; step < 4 * kMaxStacks && m_pending == pdNone; ++step)
    if (!TryClose() && !TryEndWithParent() && !TryOtherStart() && !TryPartStart()) return;
}

bool TLineScanner::TryClose() {
  if (!m_closer) return false;
  const TCloser& closer = *m_closer;
  const StringView right = closer.right;
  std::size_t from = 0, to = 0;
  if (closer.partOfBlock) {
    // The closer lies wholly after the opening delimiter: the end of a tag
    // just left cannot end the next tag that starts where it stops.
    if (m_pos < m_openEnd + right.size() || !EndsAt(m_pos, right, m_block->caseSensitive) ||
        !BackwardBoundaryOk(m_pos, right))
      return false;
    from = m_pos - right.size();
    to = m_pos;
  } else {
    if (!At(m_pos, right, m_rootCase) || !ForwardBoundaryOk(m_pos, right)) return false;
    from = m_pos;
    to = m_pos + right.size();
  }
  if (!Claim(from, to)) return false;
  PopBlock();
  return true;
}

// The parent's closer is not claimed here: it still has to end the parent.
// The block cannot open again at the same start, whose occurrence is used.
bool TLineScanner::TryEndWithParent() {
  if (!m_outerCloser) return false;
  const StringView right = m_outerCloser->right;
  if (!At(m_pos, right, m_outerCase) || !ForwardBoundaryOk(m_pos, right)) return false;
  PopBlock();
  return true;
}

void TLineScanner::PopBlock() {
  const int resume = m_scheme.Stack(m_stack).resume;
  SetStack(m_scheme.Pop(m_stack));
  m_openEnd = 0;      // the outer block opened before anything on this line that is left
  if (resume != 0) {  // back inside the string the block was entered from
    m_pending = resume >> 8;
    m_item = resume & 0xFF;
  }
}

bool TLineScanner::Enter(const TChildStart& start, std::size_t from, std::size_t to, int resume) {
  const Used occurrence = Occurrence(from, to);
  if (std::find(m_used.begin(), m_used.end(), occurrence) != m_used.end()) return false;
  const int stack = m_scheme.Push(m_stack, start.child, start.delimiter, resume);
  if (stack < 0) return false;  // the state has no room for another stack
  m_used.push_back(occurrence);
  SetStack(stack);
  m_openEnd = to;
  return true;
}

bool TLineScanner::TryOtherStart() {
  if (!MayEndChildBefore(m_pos)) return false;
  for (const TChildStart& s : m_block->otherStarts) {
    if (!EndsAt(m_pos, s.left, m_block->caseSensitive) || !BackwardBoundaryOk(m_pos, s.left))
      continue;
    if (Enter(s, m_pos - s.left.size(), m_pos)) return true;
  }
  return false;
}

bool TLineScanner::TryPartStart() {
  if (!MayStartChildAt(m_pos)) return false;
  const Char next = NextFolded(m_pos);
  for (const TChildStart& s : m_block->partStarts) {
    if (!PartStartMatches(s, m_pos, next)) continue;
    if (Enter(s, m_pos, m_pos + s.left.size())) return true;
  }
  return false;
}

// The first child start that is part of its block and matches at pos.
const TChildStart* TLineScanner::PartStartAt(std::size_t pos) const {
  if (!MayStartChildAt(pos)) return nullptr;
  const Char next = NextFolded(pos);
  for (const TChildStart& s : m_block->partStarts)
    if (PartStartMatches(s, pos, next)) return &s;
  return nullptr;
}

// A block whose start is part of it opens inside a string too, as a server
// script opens inside a page's attribute value; the string goes on after it.
bool TLineScanner::TryPartStartInString() {
  const TChildStart* s = PartStartAt(m_pos);
  if (!s || !Enter(*s, m_pos, m_pos + s->left.size(), m_pending << 8 | m_item)) return false;
  m_pending = m_item = 0;
  return true;
}

// Where in [from, to) the next such start is, or to.
std::size_t TLineScanner::NextPartStart(std::size_t from, std::size_t to) const {
  if (m_block->partStarts.empty()) return to;
  for (std::size_t p = from; p < to; ++p)
    if (PartStartAt(p)) return p;
  return to;
}

}  // namespace qs
