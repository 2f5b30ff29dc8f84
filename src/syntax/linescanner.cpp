#include "syntax/linescanner.h"

#include <algorithm>
#include <cstring>

namespace qs {
namespace {

using enum TBlockFlag;
using L = TTokenList;

constexpr bool IsDigit(Char c) {
  return c >= U'0' && c <= U'9';
}
constexpr bool IsHexDigit(Char c) {
  return IsDigit(c) || (c >= U'A' && c <= U'F') || (c >= U'a' && c <= U'f');
}

const CharSet& Punctuation() {
  static const CharSet set = PunctuationChars();
  return set;
}

constexpr std::uint32_t Bit(TTokenList l) {
  return TCompiledBlock::Bit(l);
}
constexpr std::uint32_t kCommentBits = Bit(L::MultiLineCommentDelimiters) |
                                       Bit(L::FullLineCommentDelimiters) |
                                       Bit(L::SingleLineCommentDelimiters);
constexpr std::uint32_t kStringBits =
    Bit(L::MultiLineStringDelimiters) | Bit(L::SingleLineStringDelimiters);

constexpr std::uint32_t kNumberBits =
    TCompiledBlock::kDigitBit | Bit(L::NumPrefixes) | Bit(L::NumPrefixesSuffixes);
constexpr std::uint32_t kIdentBits =
    TCompiledBlock::kIdentBit | Bit(L::IdentPrefixes) | Bit(L::IdentPrefixesSuffixes);

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
  if (m_closer) {
    m_closeFolds = !(m_closer->partOfBlock ? m_block->caseSensitive : m_rootCase);
    const Char c = m_closer->partOfBlock ? m_closer->right.back() : m_closer->right.front();
    m_closeChar = m_closeFolds ? FoldCase(c) : c;
    m_closeCharOther = m_closeFolds ? OtherAsciiCase(m_closeChar) : c;
  }
}

// ---- The line --------------------------------------------------------------

std::uint32_t TLineScanner::Run(StringView text, std::uint32_t state, bool reset, char* bytes,
                                TTokenInfo* last, const TTokenCallback* onToken) {
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

// ---- Comparisons -----------------------------------------------------------

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

// ---- Block bookkeeping -----------------------------------------------------

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
    if (!TryClose() && !TryOtherStart() && !TryPartStart()) return;
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
  const int resume = m_scheme.Stack(m_stack).resume;
  SetStack(m_scheme.Pop(m_stack));
  m_openEnd = 0;      // the outer block opened before anything on this line that is left
  if (resume != 0) {  // back inside the string the block was entered from
    m_pending = resume >> 8;
    m_item = resume & 0xFF;
  }
  return true;
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
        t = Keyword(m_pos, e + s.right.size());
        return true;
      }
    }
  if (m_block->Has(UsePrefixedIdentifiers) && (mask & Bit(L::IdentPrefixes)))
    for (const TStarter& s : m_block->List(L::IdentPrefixes)) {
      if (!At(m_pos, s.left)) continue;
      const std::size_t p = m_pos + s.left.size();
      const std::size_t e = IdentEnd(p);
      t = e > p ? Keyword(m_pos, e) : Tok{tkSymbol, -1, -1, p};
      return true;
    }
  std::size_t e = IdentEnd(m_pos);
  if (e == m_pos) return false;
  if (m_block->Has(UseSuffixedIdentifiers) && MayStart(e, L::IdentSuffixes))
    for (const TStarter& s : m_block->List(L::IdentSuffixes))
      if (At(e, s.left)) {
        e += s.left.size();
        break;
      }
  t = Keyword(m_pos, e);
  return true;
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
