// Numbers: plain decimals and floats, and the prefixed, suffixed and
// prefixed-and-suffixed forms a block's number lists allow.
#include "syntax/linescanner.h"

#include "syntax/linescanner_p.h"

namespace qs {
namespace {

using enum TBlockFlag;
using L = TTokenList;
using namespace scan;

constexpr bool IsDigit(Char c) {
  return c >= U'0' && c <= U'9';
}
constexpr bool IsHexDigit(Char c) {
  return IsDigit(c) || (c >= U'A' && c <= U'F') || (c >= U'a' && c <= U'f');
}

}  // namespace

bool TLineScanner::ScanNumber(Tok& t) {
  if (m_block->Has(UseNumbers)) {
    if (ScanAffixedNumber(t)) return true;
    if (!IsDigit(m_text[m_pos])) return false;
    const auto [id, end] = ScanDecimal(m_pos);
    t = Tok{id, -1, -1, end};
    return true;
  }
  if (!IsDigit(m_text[m_pos])) return false;
  t = Tok{tkInteger, -1, -1, ScanDigits(m_pos)};
  return true;
}

std::size_t TLineScanner::ScanDigits(std::size_t p) const {
  while (p < m_text.size() && IsDigit(m_text[p])) ++p;
  return p;
}

std::size_t TLineScanner::ScanHexDigits(std::size_t p) const {
  while (p < m_text.size() && IsHexDigit(m_text[p])) ++p;
  return p;
}

std::pair<int, std::size_t> TLineScanner::ScanDecimal(std::size_t p) const {
  const std::size_t n = m_text.size();
  int id = tkInteger;
  p = ScanDigits(p);
  if (p < n && m_text[p] == U'.') {
    id = tkFloat;
    p = ScanDigits(p + 1);
  }
  if (p < n && (m_text[p] == U'e' || m_text[p] == U'E')) {
    std::size_t q = p + 1;
    if (q < n && (m_text[q] == U'+' || m_text[q] == U'-')) ++q;
    if (q < n && IsDigit(m_text[q])) {
      id = tkFloat;
      p = ScanDigits(q);
    }
  }
  return {id, p};
}

std::size_t TLineScanner::ScanNumSuffixes(std::size_t p) const {
  const auto& suffixes = m_block->List(L::NumSuffixes);
  const bool many = m_block->Has(UseMultipleNumSuffixes);
  for (bool matched = true; matched;) {
    matched = false;
    if (!MayStart(p, L::NumSuffixes)) break;
    for (const TStarter& s : suffixes)
      if (At(p, s.left)) {
        p += s.left.size();
        matched = true;
        break;
      }
    if (!many) break;
  }
  return p;
}

bool TLineScanner::ScanAffixedNumber(Tok& t) {
  const bool composition = m_block->Has(UsePSNumComposition);
  const std::uint32_t mask = MaskAt(m_pos);
  if (m_block->Has(UsePrefixedSuffixedNumbers) &&
      (mask & (Bit(L::NumPrefixesSuffixes) | Bit(L::NumPrefixes)))) {
    if (!composition) {
      for (const TStarter& s : m_block->List(L::NumPrefixesSuffixes)) {
        if (!At(m_pos, s.left)) continue;
        const std::size_t digits = m_pos + s.left.size();
        const std::size_t e = ScanHexDigits(digits);
        if (e > digits && At(e, s.right)) {
          t = Tok{tkHex, -1, -1, e + s.right.size()};
          return true;
        }
      }
    } else {
      for (const TStarter& s : m_block->List(L::NumPrefixes)) {
        if (!At(m_pos, s.left)) continue;
        const std::size_t digits = m_pos + s.left.size();
        const std::size_t e = ScanHexDigits(digits);
        const std::size_t end = e > digits ? ScanNumSuffixes(e) : e;
        if (end > e) {
          t = Tok{tkHex, -1, -1, end};
          return true;
        }
      }
    }
  }
  if (m_block->Has(UsePrefixedNumbers) && !composition && (mask & Bit(L::NumPrefixes))) {
    for (const TStarter& s : m_block->List(L::NumPrefixes)) {
      if (!At(m_pos, s.left)) continue;
      const std::size_t p = m_pos + s.left.size();
      const std::size_t digits = ScanDigits(p);
      const std::size_t hex = ScanHexDigits(p);
      if (hex > digits) {
        t = Tok{tkHex, -1, -1, hex};
      } else if (digits > p) {
        const auto [id, end] = ScanDecimal(p);
        t = Tok{id, -1, -1, end};
      } else {
        t = Tok{tkSymbol, -1, -1, p};
      }
      return true;
    }
  }
  if (m_block->Has(UseSuffixedNumbers) && IsDigit(m_text[m_pos])) {
    const auto [id, end] = ScanDecimal(m_pos);
    const std::size_t e = ScanNumSuffixes(end);
    if (e > end) {
      t = Tok{id, -1, -1, e};
      return true;
    }
  }
  return false;
}

}  // namespace qs
