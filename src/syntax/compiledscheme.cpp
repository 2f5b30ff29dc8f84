#include "syntax/compiledscheme.h"

#include <algorithm>

#include "syntax/qsSyntax.h"

namespace qs {
namespace {

void AddChars(CharSet& set, StringView text) {
  for (Char c : text) set.Add(c);
}

void AddBothCases(CharSet& set, Char c) {
  set.Add(c);
  set.Add(FoldCase(c));
  if (c < 128 && c >= U'a' && c <= U'z') set.Add(c - 32);
}

// Which switch (besides the group switch) enables each token list, and the
// group switch itself (Count when there is none).
struct ListSwitch {
  TBlockFlag group;
  TBlockFlag own;
};

ListSwitch SwitchOf(TTokenList list) {
  using enum TBlockFlag;
  switch (list) {
    case TTokenList::SingleLineCommentDelimiters:
      return {UseComments, UseSingleLineComments};
    case TTokenList::MultiLineCommentDelimiters:
      return {UseComments, UseMultiLineComments};
    case TTokenList::FullLineCommentDelimiters:
      return {UseComments, UseFullLineComments};
    case TTokenList::SingleLineStringDelimiters:
      return {UseStrings, UseSingleLineStrings};
    case TTokenList::MultiLineStringDelimiters:
      return {UseStrings, UseMultiLineStrings};
    case TTokenList::NumPrefixes:
      return {UseNumbers, UsePrefixedNumbers};
    case TTokenList::NumSuffixes:
      return {UseNumbers, UseSuffixedNumbers};
    case TTokenList::NumPrefixesSuffixes:
      return {UseNumbers, UsePrefixedSuffixedNumbers};
    case TTokenList::IdentPrefixes:
      return {Count, UsePrefixedIdentifiers};
    case TTokenList::IdentSuffixes:
      return {Count, UseSuffixedIdentifiers};
    case TTokenList::IdentPrefixesSuffixes:
      return {Count, UsePrefixedSuffixedIdentifiers};
    case TTokenList::Count:
      break;
  }
  return {Count, Count};
}

void CompileLists(const TSyntaxBlock& block, TCompiledBlock& out, CharSet& running) {
  for (std::size_t l = 0; l < out.lists.size(); ++l) {
    const TTokenList list = static_cast<TTokenList>(l);
    const ListSwitch sw = SwitchOf(list);
    const bool on = block.Has(sw.own) && (sw.group == TBlockFlag::Count || block.Has(sw.group));
    const TCollection& items = block.List(list);
    for (int i = 0; i < items.Count(); ++i) {
      const TLineToken& token = static_cast<const TLineToken&>(items.Items(i));
      if (!token.UseToken()) continue;
      TStarter s;
      s.left = token.LeftDelimiter();
      if (IsPairList(list)) s.right = static_cast<const TBlockToken&>(token).RightDelimiter();
      if (on) {
        AddChars(running, s.left);
        AddChars(running, s.right);
      }
      // An empty starter would match everywhere and consume nothing.
      if (s.left.empty() || out.lists[l].size() >= kMaxListItems) continue;
      s.fontId = token.FontID();
      s.item = i;
      out.lists[l].push_back(std::move(s));
    }
    if (!on) out.lists[l].clear();
  }
}

void CompileKeywords(const TSyntaxBlock& block, TCompiledBlock& out) {
  out.keywordIndex = TKeywordTable(out.caseSensitive);
  if (!block.Has(TBlockFlag::UseKeywords)) return;
  const TKeywordSetList& sets = block.KeywordSets();
  for (int i = 0; i < sets.Count(); ++i) {
    const TKeywordSet& set = sets.Items(i);
    if (!set.UseToken()) continue;
    const int index = static_cast<int>(out.keywords.size());
    out.keywords.push_back(TCompiledKeywords{set.FontID(), i});
    for (const String& word : SplitCommaText(set.Keywords())) out.keywordIndex.Add(word, index);
  }
}

void CompileClosers(const TSyntaxBlock& block, TCompiledBlock& out, CharSet& running) {
  const TDelimitersList& pairs = block.BlockDelimiters();
  const int count = std::min(pairs.Count(), kMaxDelimiters);
  for (int i = 0; i < count; ++i) {
    const TDelimiters& d = pairs.Items(i);
    TCloser c{d.RightDelimiter(), d.DelimitersArePartOfBlock(), d.UseToken()};
    if (c.enabled) {
      AddChars(running, d.LeftDelimiter());
      AddChars(running, d.RightDelimiter());
    }
    out.closers.push_back(std::move(c));
  }
}

void CompileChildren(const TSyntaxScheme& scheme, int self, TCompiledBlock& out) {
  const TSyntaxBlockList& blocks = scheme.SyntaxBlocks();
  const std::int32_t id = blocks.Items(self).ID();
  if (id < 0) return;
  const int count = std::min(blocks.Count(), kMaxBlocks);
  for (int c = 0; c < count; ++c) {
    // A block inside itself would re-enter at every one of its own starts.
    if (c == self) continue;
    const TSyntaxBlock& child = blocks.Items(c);
    if (child.ParentID() != id) continue;
    const int pairs = std::min(child.BlockDelimiters().Count(), kMaxDelimiters);
    for (int d = 0; d < pairs; ++d) {
      const TDelimiters& pair = child.BlockDelimiters().Items(d);
      if (!pair.UseToken() || pair.LeftDelimiter().empty()) continue;
      const String& left = pair.LeftDelimiter();
      const Char second = left.size() < 2 ? 0 : out.caseSensitive ? left[1] : FoldCase(left[1]);
      TChildStart s{
          left, second, pair.DelimitersArePartOfBlock(), child.Has(TBlockFlag::CaseSensitive),
          c,    d};
      if (s.partOfBlock)
        AddBothCases(out.childStartChars, s.left.front());
      else
        AddBothCases(out.childEndChars, s.left.back());
      (s.partOfBlock ? out.partStarts : out.otherStarts).push_back(std::move(s));
    }
  }
}

void AddStartBit(TCompiledBlock& out, StringView starter, std::uint32_t bit) {
  if (starter.empty()) return;
  const Char first = starter.front();
  for (Char c = 0; c < 256; ++c)
    if (c == first || (!out.caseSensitive && FoldCase(c) == FoldCase(first)))
      out.startMask[c] |= bit;
}

void CompileStartMask(TCompiledBlock& out) {
  out.startMask.fill(0);
  for (std::size_t l = 0; l < out.lists.size(); ++l)
    for (const TStarter& s : out.lists[l])
      AddStartBit(out, s.left, TCompiledBlock::Bit(static_cast<TTokenList>(l)));
  for (const TChildStart& s : out.partStarts)
    AddStartBit(out, s.left, TCompiledBlock::kPartStartBit);
  AddStartBit(out, out.directivePrefix, TCompiledBlock::kDirectiveBit);
  for (Char c = U'0'; c <= U'9'; ++c) out.startMask[c] |= TCompiledBlock::kDigitBit;
  for (Char c = 0; c < 256; ++c)
    if (out.firstIdent.Contains(c)) out.startMask[c] |= TCompiledBlock::kIdentBit;
}

// Any pair of the parent may have opened it, so every closer of the parent counts.
void CompileParentEnds(const TSyntaxScheme& scheme, int self, std::vector<TCompiledBlock>& blocks) {
  TCompiledBlock& out = blocks[static_cast<std::size_t>(self)];
  if (!out.Has(TBlockFlag::EndsWithParent)) return;
  const int parent = scheme.IndexOfBlock(out.block->ParentID());
  if (parent < 0 || parent == self || parent >= static_cast<int>(blocks.size())) return;
  for (const TCloser& closer : blocks[static_cast<std::size_t>(parent)].closers)
    if (!closer.right.empty()) AddBothCases(out.parentEndChars, closer.right.front());
}

void CompileChildClass(TCompiledBlock& out) {
  for (Char c = 0; c < 256; ++c) {
    const bool starts =
        out.childStartChars.Contains(c) && (out.startMask[c] & TCompiledBlock::kPartStartBit) != 0;
    out.childClass[c] = (out.childEndChars.Contains(c) ? TCompiledBlock::kMayEndChild : 0) |
                        (starts ? TCompiledBlock::kMayStartChild : 0) |
                        (out.parentEndChars.Contains(c) ? TCompiledBlock::kMayEndParent : 0);
  }
}

// What the scanner's old per-token switch decided, once per block: a kind
// whose rule is switched off, or that has no attribute, takes the text one.
void CompileTokenAttrs(TCompiledBlock& out) {
  using enum TBlockFlag;
  auto own = [&](TBlockFlag use, TBlockAttr a) { return out.Has(use) ? out.Attr(a) : kNoAttr; };
  std::array<std::int32_t, kTokenKinds> ids;
  ids.fill(kNoAttr);
  ids[tkDirective] = own(UseLineDirectives, TBlockAttr::FIDirective);
  ids[tkInteger] = own(UseNumbers, TBlockAttr::FIIntNum);
  ids[tkFloat] = own(UseNumbers, TBlockAttr::FIFloatNum);
  ids[tkHex] = own(UseNumbers, TBlockAttr::FIHexNum);
  ids[tkIdentifier] = own(UseIdentifiers, TBlockAttr::FIIdentifier);
  ids[tkSymbol] = own(UseSymbols, TBlockAttr::FISymbol);
  const std::int32_t text = out.Attr(TBlockAttr::FIText);
  for (int k = 0; k < kTokenKinds; ++k) {
    const std::int32_t id =
        ids[static_cast<std::size_t>(k)] < 0 ? text : ids[static_cast<std::size_t>(k)];
    out.tokenAttr[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(id < 0 ? 255 : id);
  }
}

}  // namespace

CharSet PunctuationChars() {
  CharSet p = CharSet::Range(U'!', U'/');
  p.AddRange(U':', U'@');
  p.AddRange(U'[', U'^');
  p.Add(U'`');
  p.AddRange(U'{', 127);
  return p;
}

void TCompiledScheme::Clear() {
  m_blocks.clear();
  m_stacks.assign(1, TBlockInfo{0, -1, -1});
  m_stackIndex.clear();
  m_recentPushes.fill(RecentPush{});
  m_symbols = PunctuationChars();
}

void TCompiledScheme::Compile(const TSyntaxScheme& scheme) {
  Clear();
  CharSet running;
  const TSyntaxBlockList& blocks = scheme.SyntaxBlocks();
  const int count = std::min(blocks.Count(), kMaxBlocks);
  m_blocks.resize(static_cast<std::size_t>(count));
  for (int b = 0; b < count; ++b) {
    const TSyntaxBlock& block = blocks.Items(b);
    TCompiledBlock& out = m_blocks[static_cast<std::size_t>(b)];
    out.block = &block;
    out.caseSensitive = block.Has(TBlockFlag::CaseSensitive);
    for (std::size_t f = 0; f < out.flags.size(); ++f)
      out.flags.set(f, block.Has(static_cast<TBlockFlag>(f)));
    out.metaSymbol = block.MetaSymbol();
    for (std::size_t a = 0; a < out.attrs.size(); ++a)
      out.attrs[a] = block.Attr(static_cast<TBlockAttr>(a));
    out.firstIdent = block.FirstIdentChars();
    out.otherIdent = block.OtherIdentChars();
    for (Char c = 0; c < 256; ++c) {
      out.identClass[c] = (out.firstIdent.Contains(c) ? TCompiledBlock::kFirstIdent : 0) |
                          (out.otherIdent.Contains(c) ? TCompiledBlock::kOtherIdent : 0);
      if (out.identClass[c] != 0) running.Add(c);
    }
    if (out.Has(TBlockFlag::UseMetaSymbol)) running.Add(out.metaSymbol);
    if (out.Has(TBlockFlag::UseLineDirectives)) {
      out.directivePrefix = block.LineDirectivePrefix();
      AddChars(running, out.directivePrefix);
    }
    CompileClosers(block, out, running);
    CompileLists(block, out, running);
    CompileKeywords(block, out);
    CompileTokenAttrs(out);
  }
  for (int b = 0; b < count; ++b) {
    CompileChildren(scheme, b, m_blocks[static_cast<std::size_t>(b)]);
    CompileStartMask(m_blocks[static_cast<std::size_t>(b)]);
    CompileParentEnds(scheme, b, m_blocks);
    CompileChildClass(m_blocks[static_cast<std::size_t>(b)]);
  }
  for (Char c = 0; c < 256; ++c)
    if (running.Contains(c)) m_symbols.Remove(c);
}

int TCompiledScheme::Push(int under, int block, int delimiter, int resume) {
  const std::uint64_t key = (static_cast<std::uint64_t>(resume & 0xFFFF) << 32) |
                            (static_cast<std::uint64_t>(under) << 16) |
                            (static_cast<std::uint64_t>(block) << 8) |
                            static_cast<std::uint64_t>(delimiter & 0xFF);
  RecentPush& recent = m_recentPushes[((key * 0x9E3779B97F4A7C15ull) >> 58) & 63];
  if (recent.key == key) return recent.stack;
  int index = -1;
  if (const auto it = m_stackIndex.find(key); it != m_stackIndex.end()) {
    index = it->second;
  } else {
    if (StackCount() >= kMaxStacks) return -1;
    m_stacks.push_back(TBlockInfo{block, delimiter, under, resume & 0xFFFF});
    index = StackCount() - 1;
    m_stackIndex.emplace(key, index);
  }
  recent = RecentPush{key, index};
  return index;
}

int TCompiledScheme::Pop(int stack) const {
  if (stack <= 0 || stack >= StackCount()) return 0;
  return std::max(0, Stack(stack).next);
}

}  // namespace qs
