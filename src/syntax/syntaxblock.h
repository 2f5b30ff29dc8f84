// One syntax block of a scheme: its identity and place in the block tree,
// which token rules it uses, their attribute IDs and rule lists, and its
// identifier character sets.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "support/charset.h"
#include "support/collection.h"
#include "syntax/syntaxtokens.h"

namespace qs {

// The switches of a block, named as they are published, in their published order.
enum class TBlockFlag : std::uint8_t {
  CaseSensitive,
  UseMetaSymbol,
  UseMetaToWrapLines,
  UseSymbols,
  UseLineDirectives,
  UseComments,
  UseSingleLineComments,
  UseMultiLineComments,
  UseFullLineComments,
  UseStrings,
  UseSingleLineStrings,
  UseMultiLineStrings,
  UseNumbers,
  UsePrefixedNumbers,
  UseSuffixedNumbers,
  UseMultipleNumSuffixes,
  UsePrefixedSuffixedNumbers,
  UsePSNumComposition,
  UseIdentifiers,
  UsePrefixedIdentifiers,
  UseSuffixedIdentifiers,
  UsePrefixedSuffixedIdentifiers,
  UseKeywords,
  // The block also ends, at a token boundary, where the closer of the block
  // around it starts, so that one closer ends both.
  EndsWithParent,
  Count
};

// The block's own attribute references, in published order.
enum class TBlockAttr : std::uint8_t {
  FIText,
  FIIntNum,
  FIFloatNum,
  FIHexNum,
  FIDirective,
  FISymbol,
  FIIdentifier,
  Count
};

// The token lists a block may have besides its keyword sets, in published order.
enum class TTokenList : std::uint8_t {
  SingleLineCommentDelimiters,
  MultiLineCommentDelimiters,
  FullLineCommentDelimiters,
  SingleLineStringDelimiters,
  MultiLineStringDelimiters,
  NumPrefixes,
  NumSuffixes,
  NumPrefixesSuffixes,
  IdentPrefixes,
  IdentSuffixes,
  IdentPrefixesSuffixes,
  Count
};

// Whether a token list holds pairs (TBlockToken) or starters (TLineToken).
constexpr bool IsPairList(TTokenList list) {
  switch (list) {
    case TTokenList::MultiLineCommentDelimiters:
    case TTokenList::SingleLineStringDelimiters:
    case TTokenList::MultiLineStringDelimiters:
    case TTokenList::NumPrefixesSuffixes:
    case TTokenList::IdentPrefixesSuffixes:
      return true;
    default:
      return false;
  }
}

CharSet DefaultFirstIdentChars();
CharSet DefaultOtherIdentChars();

class TSyntaxBlock : public TCollectionItem {
 public:
  TSyntaxBlock();
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

  const String& Name() const noexcept { return m_name; }
  void SetName(const String& s) { m_name = s; }
  std::int32_t ID() const noexcept { return m_id; }
  void SetID(std::int32_t id) { m_id = CheckedId(id); }
  std::int32_t ParentID() const noexcept { return m_parentId; }
  void SetParentID(std::int32_t id) { m_parentId = CheckedId(id); }

  bool Has(TBlockFlag f) const noexcept { return m_flags.test(static_cast<std::size_t>(f)); }
  void Set(TBlockFlag f, bool on) { m_flags.set(static_cast<std::size_t>(f), on); }
  Char MetaSymbol() const noexcept { return m_metaSymbol; }
  void SetMetaSymbol(Char c) { m_metaSymbol = c; }

  std::int32_t Attr(TBlockAttr a) const noexcept { return m_attrs[static_cast<std::size_t>(a)]; }
  void SetAttr(TBlockAttr a, std::int32_t id) {
    m_attrs[static_cast<std::size_t>(a)] = CheckedId(id);
  }

  // Pair lists hold TBlockToken items, the others TLineToken items.
  TCollection& List(TTokenList l) { return *m_lists[static_cast<std::size_t>(l)]; }
  const TCollection& List(TTokenList l) const { return *m_lists[static_cast<std::size_t>(l)]; }
  const TLineToken& Token(TTokenList l, int i) const {
    return static_cast<const TLineToken&>(List(l).Items(i));
  }
  TDelimitersList& BlockDelimiters() noexcept { return m_delimiters; }
  const TDelimitersList& BlockDelimiters() const noexcept { return m_delimiters; }
  TKeywordSetList& KeywordSets() noexcept { return m_keywordSets; }
  const TKeywordSetList& KeywordSets() const noexcept { return m_keywordSets; }

  const String& LineDirectivePrefix() const noexcept { return m_directivePrefix; }
  void SetLineDirectivePrefix(const String& s) { m_directivePrefix = s; }

  const CharSet& FirstIdentChars() const noexcept { return m_firstIdent; }
  void SetFirstIdentChars(const CharSet& s) { m_firstIdent = s; }
  const CharSet& OtherIdentChars() const noexcept { return m_otherIdent; }
  void SetOtherIdentChars(const CharSet& s) { m_otherIdent = s; }

 private:
  String m_name;
  std::int32_t m_id = -1;
  std::int32_t m_parentId = -1;
  std::bitset<static_cast<std::size_t>(TBlockFlag::Count)> m_flags;
  Char m_metaSymbol = 0;
  std::array<std::int32_t, static_cast<std::size_t>(TBlockAttr::Count)> m_attrs;
  std::array<std::unique_ptr<TCollection>, static_cast<std::size_t>(TTokenList::Count)> m_lists;
  TDelimitersList m_delimiters;
  TKeywordSetList m_keywordSets;
  String m_directivePrefix;
  CharSet m_firstIdent;
  CharSet m_otherIdent;
};

using TSyntaxBlockList = TOwnedCollection<TSyntaxBlock>;

}  // namespace qs
