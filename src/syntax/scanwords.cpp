// Identifiers, with the affixes a block's identifier lists allow, and the
// keyword sets that turn one into a keyword.
#include "syntax/linescanner.h"

#include "syntax/linescanner_p.h"

namespace qs {
namespace {

using enum TBlockFlag;
using L = TTokenList;
using namespace scan;

}  // namespace

std::size_t TLineScanner::IdentEnd(std::size_t p) const {
  const TCompiledBlock& b = *m_block;
  const std::size_t n = m_text.size();
  if (p >= n || !b.IsIdent(m_text[p], TCompiledBlock::kFirstIdent)) return p;
  ++p;
  while (p < n && b.IsIdent(m_text[p], TCompiledBlock::kOtherIdent)) ++p;
  return p;
}

bool TLineScanner::ScanIdentifier(Tok& t) {
  const std::uint32_t mask = MaskAt(m_pos);
  if (m_block->Has(UsePrefixedSuffixedIdentifiers) && (mask & Bit(L::IdentPrefixesSuffixes)))
    for (const TStarter& s : m_block->List(L::IdentPrefixesSuffixes)) {
      if (!At(m_pos, s.left)) continue;
      const std::size_t p = m_pos + s.left.size();
      const std::size_t e = IdentEnd(p);
      if (e > p && At(e, s.right)) {
        t = AffixedWord(m_pos, e + s.right.size(), s);
        return true;
      }
    }
  if (m_block->Has(UsePrefixedIdentifiers) && (mask & Bit(L::IdentPrefixes)))
    for (const TStarter& s : m_block->List(L::IdentPrefixes)) {
      if (!At(m_pos, s.left)) continue;
      const std::size_t p = m_pos + s.left.size();
      const std::size_t e = IdentEnd(p);
      t = e > p ? AffixedWord(m_pos, e, s) : Tok{tkSymbol, -1, -1, p};
      return true;
    }
  const std::size_t e = IdentEnd(m_pos);
  if (e == m_pos) return false;
  if (m_block->Has(UseSuffixedIdentifiers) && MayStart(e, L::IdentSuffixes))
    for (const TStarter& s : m_block->List(L::IdentSuffixes))
      if (At(e, s.left)) {
        t = AffixedWord(m_pos, e + s.left.size(), s);
        return true;
      }
  t = Keyword(m_pos, e);
  return true;
}

// An identifier that an affix item with an attribute of its own marks (as a
// variable by its sigil) takes that attribute, unless it is a keyword.
TLineScanner::Tok TLineScanner::AffixedWord(std::size_t from, std::size_t to,
                                            const TStarter& affix) const {
  Tok t = Keyword(from, to);
  if (t.id == tkIdentifier && affix.fontId >= 0) t.fontId = affix.fontId;
  return t;
}

TLineScanner::Tok TLineScanner::Keyword(std::size_t from, std::size_t to) const {
  if (m_block->Has(UseKeywords)) {
    const int k = m_block->keywordIndex.Find(m_text.substr(from, to - from));
    if (k >= 0) {
      const TCompiledKeywords& set = m_block->keywords[static_cast<std::size_t>(k)];
      return Tok{tkKeyword, set.fontId, set.set, to};
    }
  }
  return Tok{tkIdentifier, -1, -1, to};
}

}  // namespace qs
