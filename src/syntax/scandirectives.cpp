// Line directives: the prefix that opens one, and the directive text, which
// runs on to where a comment could start.
#include "syntax/linescanner.h"

#include "syntax/linescanner_p.h"

namespace qs {
namespace {

using enum TBlockFlag;
using L = TTokenList;
using namespace scan;

}  // namespace

bool TLineScanner::ScanLineDirective(Tok& t) {
  if (!m_block->Has(UseLineDirectives) || !m_allowDirective ||
      (MaskAt(m_pos) & TCompiledBlock::kDirectiveBit) == 0)
    return false;
  const StringView prefix = m_block->directivePrefix;
  if (!At(m_pos, prefix)) return false;
  const std::size_t end = m_pos + prefix.size();
  if (end < m_text.size()) {
    m_pending = pdDirective;
    m_item = 0;
  }
  t = Tok{tkDirective, -1, -1, end};
  return true;
}

TLineScanner::Tok TLineScanner::DirectiveText() {
  // Directive text runs on to where a comment could start.
  const auto& b = *m_block;
  constexpr std::uint32_t starts =
      Bit(L::MultiLineCommentDelimiters) | Bit(L::SingleLineCommentDelimiters);
  auto couldStartComment = [&](std::size_t p) {
    if (m_text[p] < 256) return (b.startMask[m_text[p]] & starts) != 0;
    for (L l : {L::MultiLineCommentDelimiters, L::SingleLineCommentDelimiters})
      for (const TStarter& s : b.List(l))
        if (SameChar(m_text[p], s.left.front(), b.caseSensitive)) return true;
    return false;
  };
  std::size_t e = m_pos + 1;
  while (e < m_text.size() && !couldStartComment(e)) ++e;
  return Tok{tkDirective, -1, -1, e};
}

}  // namespace qs
