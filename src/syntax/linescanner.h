// One run of the highlighter over one line: unpacks the line state, keeps the
// block stack up to date at every token boundary, scans the tokens by the
// current block's rules, writes their attribute bytes and packs the end state.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "syntax/compiledscheme.h"

namespace qs {

// The construct a line may leave open (bits 8..15 of the state).
enum TPending : std::uint8_t {
  pdNone = 0,
  pdComment = 1,
  pdSingleLineString = 2,
  pdMultiLineString = 3,
  pdDirective = 4,
};

using TTokenCallback = std::function<void(int tokenId, StringView text)>;

// The fields of a packed line state.
struct TLineState {
  int stack = 0;
  int pending = pdNone;
  int item = 0;
};

class TLineScanner {
 public:
  explicit TLineScanner(TCompiledScheme& scheme) : m_scheme(scheme) {}

  // bytes: text.size() style bytes to fill, or null. last: receives the last
  // token. onToken: told of every token that ends with nothing pending.
  // runs: receives every token with its place, in line order.
  std::uint32_t Run(StringView text, std::uint32_t state, bool reset, char* bytes,
                    TTokenInfo* last = nullptr, const TTokenCallback* onToken = nullptr,
                    std::vector<TTokenRun>* runs = nullptr);

  // A state checked against the compiled tables: a stack index out of range,
  // or one whose recorded opening pair does not match, decodes as the root;
  // a pending construct the current block cannot have is dropped.
  TLineState Decode(std::uint32_t state) const;
  std::uint32_t Encode(const TLineState& s) const;
  // The state an empty line passes on: constructs that end with their line
  // (a continued single-line string, a line directive) do not jump over it.
  std::uint32_t EmptyLineState(std::uint32_t state) const;
  // The block the token last reported to onToken belongs to.
  int BlockIndex() const noexcept { return m_blockIndex; }

 private:
  struct Tok {
    int id = tkText;
    std::int32_t fontId = -1;  // the item's or keyword set's attribute
    int item = -1;
    std::size_t end = 0;
  };

  void SetStack(int stack);
  void SetOuterCloser(int below);
  void Bookkeeping();
  bool TryClose();
  bool TryEndWithParent();
  void PopBlock();
  bool TryOtherStart();
  bool TryPartStart();
  bool Enter(const TChildStart& start, std::size_t from, std::size_t to, int resume = 0);
  bool InString() const {
    return m_pending == pdSingleLineString || m_pending == pdMultiLineString;
  }
  const TChildStart* PartStartAt(std::size_t pos) const;
  // Whether start s matches at pos, whose next character folded as the
  // block's case rule says is `next`.
  bool PartStartMatches(const TChildStart& s, std::size_t pos, Char next) const {
    return (s.left.size() < 2 || s.second == next) && At(pos, s.left) &&
           ForwardBoundaryOk(pos, s.left);
  }
  Char NextFolded(std::size_t pos) const {
    if (pos + 1 >= m_text.size()) return 0;
    return m_block->caseSensitive ? m_text[pos + 1] : FoldCase(m_text[pos + 1]);
  }
  bool TryPartStartInString();
  std::size_t NextPartStart(std::size_t from, std::size_t to) const;
  bool Claim(std::size_t from, std::size_t to);

  Tok Scan();
  Tok Blanks() const {
    std::size_t e = m_pos + 1;
    while (e < m_text.size() && m_text[e] <= U' ') ++e;
    return Tok{tkText, -1, -1, e};
  }
  bool ScanComment(Tok& t, bool inDirective);
  Tok ScanCommentBody();
  bool ScanString(Tok& t);
  Tok ScanStringBody();
  bool ScanNumber(Tok& t);
  bool ScanAffixedNumber(Tok& t);
  std::pair<int, std::size_t> ScanDecimal(std::size_t p) const;
  std::size_t ScanDigits(std::size_t p) const;
  std::size_t ScanHexDigits(std::size_t p) const;
  std::size_t ScanNumSuffixes(std::size_t p) const;
  bool ScanLineDirective(Tok& t);
  bool ScanIdentifier(Tok& t);
  std::size_t IdentEnd(std::size_t p) const;
  Tok Keyword(std::size_t from, std::size_t to) const;
  Tok AffixedWord(std::size_t from, std::size_t to, const TStarter& affix) const;
  Tok DirectiveText();

  bool At(std::size_t pos, StringView d, bool caseSensitive) const {
    // Most comparisons fail at the first character: that one inline.
    if (d.empty() || pos >= m_text.size() || m_text.size() - pos < d.size()) return false;
    const Char c = m_text[pos];
    if (c != d.front() && (caseSensitive || FoldCase(c) != FoldCase(d.front()))) return false;
    return RestAt(pos, d, caseSensitive);
  }
  bool At(std::size_t pos, StringView d) const { return At(pos, d, m_block->caseSensitive); }
  bool RestAt(std::size_t pos, StringView d, bool caseSensitive) const;
  // The rules that may start at pos (none past the end).
  std::uint32_t MaskAt(std::size_t pos) const {
    return pos < m_text.size() ? m_block->StartMask(m_text[pos]) : 0;
  }
  bool MayStart(std::size_t pos, TTokenList l) const {
    return (MaskAt(pos) & TCompiledBlock::Bit(l)) != 0;
  }
  bool EndsAt(std::size_t end, StringView d, bool caseSensitive) const;
  std::size_t Find(StringView d, std::size_t from) const {
    return Search(d, from, m_block->caseSensitive);
  }
  // The first occurrence of d at or after from, or npos.
  std::size_t Search(StringView d, std::size_t from, bool caseSensitive) const;
  bool StarterOk(std::size_t pos, StringView d) const;
  bool ForwardBoundaryOk(std::size_t pos, StringView d) const;
  bool BackwardBoundaryOk(std::size_t end, StringView d) const;
  bool CloserTouchesIdent(std::size_t q, StringView d) const;
  std::size_t ParentCut() {
    if (!m_parentCloser) return StringView::npos;
    // The first occurrence from an earlier point is still the first from
    // here as long as the cursor has not passed it.
    const Cut& cut = m_cuts[static_cast<std::size_t>(m_stack)];
    if (cut.run == m_run && cut.from <= m_pos && cut.at >= m_pos) return cut.at;
    return FindParentCut();
  }
  std::size_t FindParentCut();
  // Whether any transition could happen at the cursor, by a one-character
  // test of each kind; most token boundaries fail all of them.
  bool MayMove() const {
    return MayEndChildBefore(m_pos) ||
           (m_pos < m_text.size() &&
            m_block->IsChildChar(m_text[m_pos],
                                 TCompiledBlock::kMayStartChild | TCompiledBlock::kMayEndParent)) ||
           CloseMayMatch();
  }
  // Whether a child start that is not part of its block may end just before
  // pos, or one that is may begin at pos.
  bool MayEndChildBefore(std::size_t pos) const {
    return pos > 0 && m_block->IsChildChar(m_text[pos - 1], TCompiledBlock::kMayEndChild);
  }
  bool MayStartChildAt(std::size_t pos) const {
    return pos < m_text.size() && m_block->IsChildChar(m_text[pos], TCompiledBlock::kMayStartChild);
  }
  bool CloseMayMatch() const {
    if (!m_closer) return false;
    if (m_closer->partOfBlock)
      return m_pos >= m_closer->right.size() && MayBeCloseChar(m_text[m_pos - 1]);
    return m_pos < m_text.size() && MayBeCloseChar(m_text[m_pos]);
  }
  // A quick test only: any character beyond ASCII passes when case is
  // ignored, and the full comparison decides.
  bool MayBeCloseChar(Char c) const {
    return c == m_closeChar || c == m_closeCharOther || (c >= 128 && m_closeFolds);
  }
  static bool SameChar(Char a, Char b, bool caseSensitive) {
    return a == b || (!caseSensitive && FoldCase(a) == FoldCase(b));
  }
  std::size_t LineCommentEnd(std::size_t from) const;
  bool EndsWithOddMetas(std::size_t from) const;
  std::size_t MetasBefore(std::size_t q, std::size_t floor) const;
  // Comments, strings and keywords bring their item's attribute.
  int AttrOf(const Tok& t) const {
    return t.fontId >= 0 ? t.fontId : m_block->tokenAttr[static_cast<std::size_t>(t.id)];
  }

  TCompiledScheme& m_scheme;
  StringView m_text;
  std::size_t m_pos = 0;
  int m_stack = 0;
  const TCompiledBlock* m_block = nullptr;
  int m_blockIndex = 0;
  int m_delimiter = -1;
  // The innermost block's closer when it can end the block (null at the
  // root or for an empty closer), and the same when it is not part of the
  // block, so the enclosing language cuts the block's tokens at it.
  const TCloser* m_closer = nullptr;
  const TCloser* m_parentCloser = nullptr;
  // For a block that ends with its parent, the parent's closer and its case
  // rule; null otherwise, or when the parent cannot end.
  const TCloser* m_outerCloser = nullptr;
  bool m_outerCase = false;
  bool m_rootCase = false;
  // The closer's character that CloseMayMatch looks at (its last when it is
  // part of the block, else its first), in both cases when case is ignored.
  Char m_closeChar = 0;
  Char m_closeCharOther = 0;
  bool m_closeFolds = false;
  int m_pending = pdNone;
  int m_item = 0;
  bool m_commentInDirective = false;
  bool m_allowDirective = true;
  bool m_allowFullLine = true;
  // Delimiter occurrences already used for a transition: each one moves the
  // block stack at most once, which is what makes the bookkeeping end.
  struct Used {
    std::size_t from, to;
    bool forward;
    bool operator==(const Used&) const = default;
  };
  Used Occurrence(std::size_t from, std::size_t to) const { return Used{from, to, from == m_pos}; }
  std::vector<Used> m_used;
  // Where the opening delimiter of the innermost block ended, if it was
  // entered on this line since the last pop (else 0).
  std::size_t m_openEnd = 0;
  // Per stack, where the parent's closer of the innermost block was last
  // found on this line (runs are told apart by a count, so nothing is reset).
  struct Cut {
    std::uint64_t run = 0;
    std::size_t from = 0;
    std::size_t at = 0;
  };
  std::array<Cut, kMaxStacks> m_cuts{};
  std::uint64_t m_run = 0;
};

}  // namespace qs
