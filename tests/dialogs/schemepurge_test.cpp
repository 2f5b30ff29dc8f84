#include "dialogs/schemepurge.h"

#include <gtest/gtest.h>

#include "dialogs/blockedits.h"
#include "schemefixture.h"
#include "support/errors.h"

namespace qs {
namespace {

std::vector<std::int32_t> FontIds(const TSyntaxScheme& scheme) {
  std::vector<std::int32_t> ids;
  for (int i = 0; i < scheme.FontTable().Count(); ++i)
    ids.push_back(scheme.FontTable().Items(i).FontID());
  return ids;
}

TEST(SchemePurgeTest, SwitchesWithNothingToWorkWithGoOff) {
  const auto owned = SchemeOf({{U"Root", 0, -1}});
  TSyntaxBlock& block = owned->SyntaxBlocks().Items(0);
  using F = TBlockFlag;
  for (F flag : {F::UseComments, F::UseSingleLineComments, F::UseMultiLineComments, F::UseStrings,
                 F::UseSingleLineStrings, F::UseMetaSymbol, F::UseLineDirectives, F::UseKeywords,
                 F::UsePrefixedSuffixedNumbers, F::UsePSNumComposition, F::CaseSensitive})
    block.Set(flag, true);
  AddLineToken(block, TTokenList::SingleLineStringDelimiters, U"'");  // a string kind that stays
  PurgeScheme(*owned);
  EXPECT_FALSE(block.Has(F::UseComments)) << "no comment list has an item";
  EXPECT_FALSE(block.Has(F::UseSingleLineComments));
  EXPECT_FALSE(block.Has(F::UseMetaSymbol)) << "no meta symbol";
  EXPECT_FALSE(block.Has(F::UseLineDirectives)) << "no prefix";
  EXPECT_FALSE(block.Has(F::UseKeywords)) << "no keyword set";
  EXPECT_TRUE(block.Has(F::UseStrings));
  EXPECT_TRUE(block.Has(F::UseSingleLineStrings));
  EXPECT_FALSE(block.Has(F::UseMultiLineStrings));
  EXPECT_TRUE(block.Has(F::UsePrefixedSuffixedNumbers)) << "composition needs no list";
  EXPECT_TRUE(block.Has(F::CaseSensitive)) << "not a switch of a rule";
}

TEST(SchemePurgeTest, AttributesOfRemovedBlocksGoAndAnUnusedTableStays) {
  const auto owned = SchemeOf({{U"Root", 0, -1}, {U"Child", 1, 0}});
  TSyntaxScheme& scheme = *owned;
  const std::int32_t rootText = AddAttr(scheme, 0, clRed);
  const std::int32_t childText = AddAttr(scheme, 1, clBlue);
  const std::int32_t keyword = AddAttr(scheme, 1, clGreen);
  scheme.SyntaxBlocks().Items(0).SetAttr(TBlockAttr::FIText, rootText);
  scheme.SyntaxBlocks().Items(1).SetAttr(TBlockAttr::FIText, childText);
  scheme.SyntaxBlocks().Items(1).KeywordSets().Add().SetFontID(keyword);

  PurgeScheme(scheme);
  EXPECT_EQ(FontIds(scheme), (std::vector<std::int32_t>{rootText, childText, keyword}));
  RemoveBlock(scheme, 1);
  PurgeScheme(scheme);
  EXPECT_EQ(FontIds(scheme), (std::vector<std::int32_t>{rootText}));

  // Nothing refers to any attribute: the table is kept whole.
  scheme.SyntaxBlocks().Items(0).SetAttr(TBlockAttr::FIText, kNoAttr);
  AddAttr(scheme, 0, clWhite);
  PurgeScheme(scheme);
  EXPECT_EQ(scheme.FontTable().Count(), 2);
}

TEST(CopyBlockTest, TheCopyGetsItsOwnAttributesWithEveryLookField) {
  const auto source = SchemeOf({{U"Default", 0, -1}}, U"Perl");
  const std::int32_t text = AddAttr(*source, 0, clRed);
  TAttrItem& look = *source->FontTable().FindAttr(text);
  look.SetBackColor(clYellow);
  look.SetUseDefBack(false);
  look.SetUseDefFont(false);
  look.SetGlobalAttrID(U"Keyword");
  TSyntaxBlock& original = source->SyntaxBlocks().Items(0);
  original.SetAttr(TBlockAttr::FIText, text);
  original.SetAttr(TBlockAttr::FIIdentifier, text);  // one attribute, referred to twice
  AddLineToken(original, TTokenList::SingleLineCommentDelimiters, U"#", text);

  const auto target = SchemeOf({{U"Root", 0, -1}});
  AddAttr(*target, 0, clBlack);  // takes ID 0, so the copy's attribute is renumbered
  const std::int32_t id = CopyBlock(*target, *source, 0, 0);
  const TSyntaxBlock& copy = *target->FindBlock(id);
  EXPECT_EQ(copy.Name(), U"Perl") << "a Default block takes the copied scheme's name";
  EXPECT_EQ(copy.ParentID(), 0);
  ASSERT_EQ(target->FontTable().Count(), 2);
  const TAttrItem& made = target->FontTable().Items(1);
  EXPECT_EQ(copy.Attr(TBlockAttr::FIText), made.FontID());
  EXPECT_EQ(copy.Attr(TBlockAttr::FIIdentifier), made.FontID());
  EXPECT_EQ(copy.Token(TTokenList::SingleLineCommentDelimiters, 0).FontID(), made.FontID());
  EXPECT_EQ(made.BlockID(), id);
  EXPECT_EQ(made.Font().Color(), clRed);
  EXPECT_EQ(made.BackColor(), clYellow);
  EXPECT_FALSE(made.UseDefBack());
  EXPECT_FALSE(made.UseDefFont());
  EXPECT_EQ(made.GlobalAttrID(), U"Keyword");
}

TEST(CopyBlockTest, AFullFontTableRefusesAndChangesNothing) {
  const auto source = SchemeOf({{U"Block", 0, -1}});
  source->SyntaxBlocks().Items(0).SetAttr(TBlockAttr::FIText, AddAttr(*source, 0, clRed));
  const auto target = SchemeOf({{U"Root", 0, -1}});
  while (target->FontTable().NewFontID() >= 0) AddAttr(*target, 0, clBlack);
  const int attrs = target->FontTable().Count();
  EXPECT_THROW(CopyBlock(*target, *source, 0, 0), Error);
  EXPECT_EQ(target->FontTable().Count(), attrs);
  EXPECT_EQ(target->SyntaxBlocks().Count(), 1);
}

}  // namespace
}  // namespace qs
