// The line scanner's run over one line: the packed line state in and out,
// the loop that keeps the block stack current at every token boundary and
// writes each token's style bytes, and the choice of token scanner at the
// cursor. The scanners and the matching they share live in scan*.cpp.
#include "syntax/linescanner.h"

#include <algorithm>
#include <cstring>

#include "syntax/linescanner_p.h"

namespace qs {
namespace {

using enum TBlockFlag;
using L = TTokenList;
using namespace scan;

const CharSet& Punctuation() {
  static const CharSet set = PunctuationChars();
  return set;
}

// Most tokens are a few characters long: plain stores beat a call to memset.
void FillBytes(char* from, char* to, char value) {
  const std::size_t n = static_cast<std::size_t>(to - from);
  if (n >= 8) {
    const std::uint64_t word = 0x0101010101010101ull * static_cast<unsigned char>(value);
    for (char* p = from; p + 8 < to; p += 8) std::memcpy(p, &word, 8);
    std::memcpy(to - 8, &word, 8);  // the tail, overlapping what came before
  } else if (n >= 4) {              // two stores that may overlap, as for every size below
    const std::uint32_t word = 0x01010101u * static_cast<unsigned char>(value);
    std::memcpy(from, &word, 4);
    std::memcpy(to - 4, &word, 4);
  } else if (n >= 2) {
    const auto word = static_cast<std::uint16_t>(0x0101u * static_cast<unsigned char>(value));
    std::memcpy(from, &word, 2);
    std::memcpy(to - 2, &word, 2);
  } else if (n == 1) {
    *from = value;
  }
}

constexpr std::uint32_t kPartBit = 1u << 23;
constexpr std::uint32_t kCaseBit = 1u << 22;

}  // namespace

// ---- States ----------------------------------------------------------------

TLineState TLineScanner::Decode(std::uint32_t state) const {
  TLineState s{static_cast<int>(state >> 24), static_cast<int>((state >> 8) & 0xFF),
               static_cast<int>(state & 0xFF)};
  if (s.stack >= m_scheme.StackCount()) s = TLineState{};
  if (s.stack != 0) {
    const TBlockInfo& top = m_scheme.Stack(s.stack);
    const std::vector<TCompiledBlock>& blocks = m_scheme.Blocks();
    bool ok = top.block >= 0 && top.block < static_cast<int>(blocks.size());
    if (ok) {
      const TCompiledBlock& b = blocks[static_cast<std::size_t>(top.block)];
      ok = top.delimiter >= 0 && top.delimiter < static_cast<int>(b.closers.size()) &&
           ((state >> 16) & 0x3F) == (static_cast<std::uint32_t>(top.delimiter) & 0x3F) &&
           ((state & kPartBit) != 0) ==
               b.closers[static_cast<std::size_t>(top.delimiter)].partOfBlock &&
           ((state & kCaseBit) != 0) == b.caseSensitive;
    }
    if (!ok) s = TLineState{};
  }
  const TCompiledBlock& b =
      m_scheme.Blocks()[static_cast<std::size_t>(m_scheme.Stack(s.stack).block)];
  auto fits = [&](L list) { return s.item < static_cast<int>(b.List(list).size()); };
  bool pendingOk = false;
  switch (s.pending) {
    case pdNone:
      pendingOk = s.item == 0;
      break;
    case pdComment:
      pendingOk = fits(L::MultiLineCommentDelimiters);
      break;
    case pdSingleLineString:
      pendingOk = fits(L::SingleLineStringDelimiters);
      break;
    case pdMultiLineString:
      pendingOk = fits(L::MultiLineStringDelimiters);
      break;
    case pdDirective:
      pendingOk = b.Has(UseLineDirectives) && s.item == 0;
      break;
    default:
      break;
  }
  if (!pendingOk) s.pending = s.item = 0;
  return s;
}

std::uint32_t TLineScanner::Encode(const TLineState& s) const {
  std::uint32_t state = (static_cast<std::uint32_t>(s.stack) << 24) |
                        (static_cast<std::uint32_t>(s.pending) << 8) |
                        static_cast<std::uint32_t>(s.item);
  if (s.stack != 0) {
    const TBlockInfo& top = m_scheme.Stack(s.stack);
    const TCompiledBlock& b = m_scheme.Blocks()[static_cast<std::size_t>(top.block)];
    if (b.closers[static_cast<std::size_t>(top.delimiter)].partOfBlock) state |= kPartBit;
    if (b.caseSensitive) state |= kCaseBit;
    state |= (static_cast<std::uint32_t>(top.delimiter) & 0x3F) << 16;
  }
  return state;
}

std::uint32_t TLineScanner::EmptyLineState(std::uint32_t state) const {
  TLineState s = Decode(state);
  if (s.pending == pdSingleLineString || s.pending == pdDirective) s.pending = s.item = 0;
  return Encode(s);
}

void TLineScanner::SetStack(int stack) {
  m_stack = stack;
  const TBlockInfo& top = m_scheme.Stack(stack);
  m_blockIndex = top.block;
  m_delimiter = top.delimiter;
  m_block = &m_scheme.Blocks()[static_cast<std::size_t>(top.block)];
  m_closer = m_parentCloser = nullptr;
  if (stack != 0 && m_delimiter >= 0) {
    const TCloser& closer = m_block->closers[static_cast<std::size_t>(m_delimiter)];
    if (!closer.right.empty()) m_closer = &closer;
    if (m_closer && !closer.partOfBlock) m_parentCloser = m_closer;
  }
  m_outerCloser = nullptr;
  if (stack != 0 && m_block->Has(EndsWithParent)) SetOuterCloser(top.next);
  if (m_closer) {
    m_closeFolds = !(m_closer->partOfBlock ? m_block->caseSensitive : m_rootCase);
    const Char c = m_closer->partOfBlock ? m_closer->right.back() : m_closer->right.front();
    m_closeChar = m_closeFolds ? FoldCase(c) : c;
    m_closeCharOther = m_closeFolds ? OtherAsciiCase(m_closeChar) : c;
  }
}

// The closer of the block on stack `below`, read with the case rule that
// ends that block, for a block on top of it that ends with it.
void TLineScanner::SetOuterCloser(int below) {
  if (below <= 0) return;
  const TBlockInfo& parent = m_scheme.Stack(below);
  const TCompiledBlock& b = m_scheme.Blocks()[static_cast<std::size_t>(parent.block)];
  if (parent.delimiter < 0 || parent.delimiter >= static_cast<int>(b.closers.size())) return;
  const TCloser& closer = b.closers[static_cast<std::size_t>(parent.delimiter)];
  if (closer.right.empty()) return;
  m_outerCloser = &closer;
  m_outerCase = closer.partOfBlock ? b.caseSensitive : m_rootCase;
}

// ---- The line --------------------------------------------------------------

std::uint32_t TLineScanner::Run(StringView text, std::uint32_t state, bool reset, char* bytes,
                                TTokenInfo* last, const TTokenCallback* onToken,
                                std::vector<TTokenRun>* runs) {
  if (onToken && !*onToken) onToken = nullptr;  // tested once, not at every token
  m_text = text;
  m_rootCase = m_scheme.Blocks().front().caseSensitive;
  const TLineState s = Decode(state);
  SetStack(s.stack);
  m_pending = reset ? pdNone : s.pending;
  m_item = reset ? 0 : s.item;
  m_pos = 0;
  m_commentInDirective = false;
  m_allowDirective = m_allowFullLine = true;
  m_used.clear();
  m_openEnd = 0;
  ++m_run;
  if (last) *last = TTokenInfo{m_blockIndex, 0, tkText, -1};

  const std::size_t n = text.size();
  std::size_t reported = 0;
  int lastId = tkText;
  while (true) {
    // A closer that belongs to the enclosing language ends whatever the
    // embedded one has open, as markup ends a script inside its strings.
    if (m_pending != pdNone && ParentCut() == m_pos) m_pending = m_item = 0;
    if (m_pending == pdNone && MayMove()) {
      Bookkeeping();
    } else if (InString() && TryPartStartInString()) {
      Bookkeeping();
    }
    if (m_pos >= n) break;
    const std::size_t cut = ParentCut();
    // Blanks are the commonest token: read without the full dispatch.
    Tok t = m_pending == pdNone && text[m_pos] <= U' ' ? Blanks() : Scan();
    if (t.end <= m_pos) t.end = m_pos + 1;  // every step moves on
    t.end = std::min(t.end, n);
    if (cut > m_pos && t.end > cut) {
      t.end = cut;
      m_pending = m_item = 0;
    }
    const int attr = AttrOf(t);
    if (bytes) FillBytes(bytes + m_pos, bytes + t.end, static_cast<char>(attr));
    if (last) *last = TTokenInfo{m_blockIndex, attr, t.id, t.item};
    if (runs)
      runs->push_back(TTokenRun{m_pos, t.end, TTokenInfo{m_blockIndex, attr, t.id, t.item}});
    if (t.id >= tkDirective) m_allowDirective = false;
    if (t.id != tkText) m_allowFullLine = false;
    lastId = t.id;
    m_pos = t.end;
    if (m_pending == pdNone) {
      if (onToken) (*onToken)(t.id, text.substr(reported, m_pos - reported));
      reported = m_pos;
    }
  }
  if (m_pending == pdDirective) {
    const bool wraps =
        m_block->Has(UseMetaSymbol) && m_block->Has(UseMetaToWrapLines) && EndsWithOddMetas(0);
    if (!wraps) {
      m_pending = pdNone;
      m_item = 0;
      if (onToken && reported < n) (*onToken)(lastId, text.substr(reported));
    }
  }
  return Encode(TLineState{m_stack, m_pending, m_pending == pdNone ? 0 : m_item});
}

// ---- Tokens ----------------------------------------------------------------

TLineScanner::Tok TLineScanner::Scan() {
  switch (m_pending) {
    case pdComment:
      return ScanCommentBody();
    case pdSingleLineString:
    case pdMultiLineString:
      return ScanStringBody();
    case pdDirective: {
      Tok t;
      if (m_block->Has(UseComments) && ScanComment(t, true)) return t;
      return DirectiveText();
    }
    default:
      break;
  }
  const std::size_t n = m_text.size();
  const Char c = m_text[m_pos];
  Tok t;
  if (c <= U' ') return Blanks();
  if (m_scheme.Symbols().Contains(c)) {
    std::size_t e = m_pos;
    while (e < n && m_scheme.Symbols().Contains(m_text[e])) ++e;
    return Tok{tkSymbol, -1, -1, e};
  }
  // One look-up says which rules could start here; only those are tried,
  // still in their order.
  const std::uint32_t mask = MaskAt(m_pos);
  if ((mask & kCommentBits) && m_block->Has(UseComments) && ScanComment(t, false)) return t;
  if ((mask & kStringBits) && m_block->Has(UseStrings) && ScanString(t)) return t;
  if ((mask & kNumberBits) && ScanNumber(t)) return t;
  if ((mask & TCompiledBlock::kDirectiveBit) && ScanLineDirective(t)) return t;
  if ((mask & kIdentBits) && ScanIdentifier(t)) return t;
  return Tok{Punctuation().Contains(c) ? tkSymbol : tkText, -1, -1, m_pos + 1};
}

}  // namespace qs
