#include "dialogs/schemepurge.h"

#include <bitset>

#include "dialogs/blocktree.h"
#include "syntax/qsSyntax.h"

namespace qs {

namespace {

bool HasItems(const TSyntaxBlock& block, TTokenList list) {
  return block.List(list).Count() > 0;
}

// The flag stays on only while the condition holds.
void Keep(TSyntaxBlock& block, TBlockFlag flag, bool condition) {
  block.Set(flag, block.Has(flag) && condition);
}

void Use(std::bitset<256>& used, bool& any, std::int32_t id) {
  if (id < 0 || id > 255) return;
  used.set(static_cast<std::size_t>(id));
  any = true;
}

}  // namespace

void PurgeBlockSwitches(TSyntaxBlock& block) {
  using F = TBlockFlag;
  using L = TTokenList;
  Keep(block, F::UseMetaSymbol, block.MetaSymbol() != 0);
  Keep(block, F::UseLineDirectives, !block.LineDirectivePrefix().empty());
  Keep(block, F::UseSingleLineComments, HasItems(block, L::SingleLineCommentDelimiters));
  Keep(block, F::UseMultiLineComments, HasItems(block, L::MultiLineCommentDelimiters));
  Keep(block, F::UseFullLineComments, HasItems(block, L::FullLineCommentDelimiters));
  Keep(block, F::UseSingleLineStrings, HasItems(block, L::SingleLineStringDelimiters));
  Keep(block, F::UseMultiLineStrings, HasItems(block, L::MultiLineStringDelimiters));
  Keep(block, F::UsePrefixedNumbers, HasItems(block, L::NumPrefixes));
  Keep(block, F::UseSuffixedNumbers, HasItems(block, L::NumSuffixes));
  Keep(block, F::UsePrefixedIdentifiers, HasItems(block, L::IdentPrefixes));
  Keep(block, F::UseSuffixedIdentifiers, HasItems(block, L::IdentSuffixes));
  Keep(block, F::UsePrefixedSuffixedIdentifiers, HasItems(block, L::IdentPrefixesSuffixes));
  Keep(block, F::UseKeywords, block.KeywordSets().Count() > 0);
  Keep(block, F::UsePrefixedSuffixedNumbers,
       block.Has(F::UsePSNumComposition) || HasItems(block, L::NumPrefixesSuffixes));
  Keep(block, F::UseComments,
       block.Has(F::UseSingleLineComments) || block.Has(F::UseMultiLineComments) ||
           block.Has(F::UseFullLineComments));
  Keep(block, F::UseStrings,
       block.Has(F::UseSingleLineStrings) || block.Has(F::UseMultiLineStrings));
}

void PurgeScheme(TSyntaxScheme& scheme) {
  TSyntaxBlockList& blocks = scheme.SyntaxBlocks();
  std::bitset<256> used;
  bool any = false;
  for (int b = 0; b < blocks.Count(); ++b) {
    TSyntaxBlock& block = blocks.Items(b);
    PurgeBlockSwitches(block);
    for (std::size_t a = 0; a < static_cast<std::size_t>(TBlockAttr::Count); ++a)
      Use(used, any, block.Attr(static_cast<TBlockAttr>(a)));
    for (std::size_t l = 0; l < static_cast<std::size_t>(TTokenList::Count); ++l) {
      const TCollection& list = block.List(static_cast<TTokenList>(l));
      for (int i = 0; i < list.Count(); ++i)
        Use(used, any, static_cast<const TToken&>(list.Items(i)).FontID());
    }
    for (int i = 0; i < block.KeywordSets().Count(); ++i)
      Use(used, any, block.KeywordSets().Items(i).FontID());
  }
  if (any) {
    TFontList& fonts = scheme.FontTable();
    fonts.BeginUpdate();
    for (int i = fonts.Count() - 1; i >= 0; --i) {
      const std::int32_t id = fonts.Items(i).FontID();
      if (id < 0 || id > 255 || !used.test(static_cast<std::size_t>(id))) fonts.Delete(i);
    }
    fonts.EndUpdate();
  }
  PutBlocksInTreeOrder(scheme);
}

}  // namespace qs
