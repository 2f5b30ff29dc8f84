// The form of a scheme the highlighter runs: per block the starters of every
// enabled rule, the child blocks' start delimiters, keyword tables and the
// identifier sets; per scheme the symbol characters and the interned block
// stacks that a line state refers to by index.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "support/charset.h"
#include "syntax/keywordtable.h"
#include "syntax/syntaxblock.h"
#include "syntax/tokeninfo.h"

namespace qs {

class TSyntaxScheme;

// Limits that the 32-bit line state and a stack entry impose.
inline constexpr int kMaxBlocks = 256;
inline constexpr int kMaxDelimiters = 256;
inline constexpr int kMaxStacks = 256;
inline constexpr int kMaxListItems = 256;

struct TStarter {
  String left;
  String right;  // pair lists only
  std::int32_t fontId = -1;
  int item = 0;  // index in the block's collection
};

struct TChildStart {
  String left;
  // The second character of left, folded when the parent ignores case (0
  // for a one-character start): most starts of a block share their first.
  Char second = 0;
  bool partOfBlock = false;
  bool childCaseSensitive = false;
  int child = 0;  // index in SyntaxBlocks
  int delimiter = 0;
};

struct TCompiledKeywords {
  std::int32_t fontId = -1;
  int set = 0;
};

// A closing delimiter of a block, by the index of the pair that opened it.
struct TCloser {
  String right;
  bool partOfBlock = false;
  bool enabled = false;
};

struct TCompiledBlock {
  const TSyntaxBlock* block = nullptr;
  bool caseSensitive = false;
  std::bitset<static_cast<std::size_t>(TBlockFlag::Count)> flags;
  Char metaSymbol = 0;
  std::array<std::int32_t, static_cast<std::size_t>(TBlockAttr::Count)> attrs{};
  CharSet firstIdent;
  CharSet otherIdent;
  // The same two sets as one byte per character, for the identifier loop.
  static constexpr std::uint8_t kFirstIdent = 1, kOtherIdent = 2;
  std::array<std::uint8_t, 256> identClass{};
  bool IsIdent(Char c, std::uint8_t which) const noexcept {
    return c < 256 && (identClass[c] & which) != 0;
  }
  std::array<std::vector<TStarter>, static_cast<std::size_t>(TTokenList::Count)> lists;
  std::vector<TChildStart> partStarts;
  std::vector<TChildStart> otherStarts;
  std::vector<TCompiledKeywords> keywords;
  // Every word of the keyword sets, mapped to the first set (in `keywords`)
  // that holds it: one probe answers what trying the sets in order would.
  TKeywordTable keywordIndex;
  std::vector<TCloser> closers;
  String directivePrefix;
  // For a quick miss: first characters (both cases) of the child starts that
  // are part of their block, last characters of the others.
  CharSet childStartChars;
  CharSet childEndChars;
  // For a block that ends with its parent: first characters (both cases) of
  // the parent's closers.
  CharSet parentEndChars;
  // The tests per character below 256, the start one only where the start
  // mask agrees: what the scanner asks at every token boundary.
  static constexpr std::uint8_t kMayEndChild = 1, kMayStartChild = 2, kMayEndParent = 4;
  std::array<std::uint8_t, 256> childClass{};
  bool IsChildChar(Char c, std::uint8_t which) const noexcept {
    return c < 256 && (childClass[c] & which) != 0;
  }
  // Per character below 256, the rules whose starter may begin with it under
  // the block's case rule: bit l for token list l, and the bits below. A
  // character above 255 has every bit, so it takes the full comparisons.
  static_assert(static_cast<int>(TTokenList::Count) <= 24);
  static constexpr std::uint32_t kPartStartBit = 1u << 24;
  static constexpr std::uint32_t kDirectiveBit = 1u << 25;
  // Characters a plain number or identifier starts with.
  static constexpr std::uint32_t kDigitBit = 1u << 26;
  static constexpr std::uint32_t kIdentBit = 1u << 27;
  std::array<std::uint32_t, 256> startMask{};
  // The style byte of each token kind when the token brings no attribute of
  // its own: what the block's switches and attributes make of it.
  std::array<std::uint8_t, kTokenKinds> tokenAttr{};

  static constexpr std::uint32_t Bit(TTokenList l) noexcept {
    return 1u << static_cast<unsigned>(l);
  }
  std::uint32_t StartMask(Char c) const noexcept { return c < 256 ? startMask[c] : ~0u; }

  bool Has(TBlockFlag f) const noexcept { return flags.test(static_cast<std::size_t>(f)); }
  const std::vector<TStarter>& List(TTokenList l) const {
    return lists[static_cast<std::size_t>(l)];
  }
  std::int32_t Attr(TBlockAttr a) const noexcept { return attrs[static_cast<std::size_t>(a)]; }
};

// One interned block stack: its innermost block and opening pair, the index
// of the stack beneath it (-1 for the root) and, for a block entered inside a
// string of the block beneath, that string (TPending << 8 | item; 0 for none),
// which goes on where the block ends.
struct TBlockInfo {
  int block = 0;
  int delimiter = -1;
  int next = -1;
  int resume = 0;
};

class TCompiledScheme {
 public:
  TCompiledScheme() { Clear(); }
  void Compile(const TSyntaxScheme& scheme);
  void Clear();

  const std::vector<TCompiledBlock>& Blocks() const noexcept { return m_blocks; }
  const CharSet& Symbols() const noexcept { return m_symbols; }

  int StackCount() const noexcept { return static_cast<int>(m_stacks.size()); }
  const TBlockInfo& Stack(int index) const { return m_stacks[static_cast<std::size_t>(index)]; }
  // The stack with (block, delimiter) on top of stack `under`; -1 when the
  // list is full, so the caller stays where it is.
  int Push(int under, int block, int delimiter, int resume = 0);
  // The stack beneath; the root stays the root.
  int Pop(int stack) const;

 private:
  std::vector<TCompiledBlock> m_blocks;
  CharSet m_symbols;
  std::vector<TBlockInfo> m_stacks;
  std::unordered_map<std::uint64_t, int> m_stackIndex;
  // The same answers for the few transitions a text repeats at every tag.
  struct RecentPush {
    std::uint64_t key = ~std::uint64_t{0};
    int stack = 0;
  };
  std::array<RecentPush, 64> m_recentPushes{};
};

// The punctuation characters a scheme's symbol set is cut from.
CharSet PunctuationChars();

}  // namespace qs
