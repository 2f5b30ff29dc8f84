#include "syntax/syntaxblock.h"

#include <array>
#include <string_view>
#include <utility>

#include "support/utf8.h"

namespace qs {
namespace {

using T = TSyntaxBlock;
using enum TBlockFlag;

PropBuilder<T> FlagProp(std::string_view name, TBlockFlag f, bool def = false) {
  return Prop::Boolean<T>(
      std::string(name), [f](const T& b) { return b.Has(f); }, [f](T& b, bool on) { b.Set(f, on); },
      def);
}

// Switches written only while another switch is on, and then always.
PropBuilder<T> DependentFlagProp(std::string_view name, TBlockFlag f, TBlockFlag condition,
                                 bool def) {
  return FlagProp(name, f, def).NoDefault().StoredWhen([condition](const T& b) {
    return b.Has(condition);
  });
}

PropBuilder<T> AttrProp(std::string_view name, TBlockAttr a) {
  return Prop::Integer<T>(
      std::string(name), [a](const T& b) { return b.Attr(a); },
      [a](T& b, std::int32_t id) { b.SetAttr(a, id); }, -1);
}

// A rule list whose switch is off is still written while it holds items, so
// that switching a rule off and saving loses nothing.
template <class Get>
PropBuilder<T> ListProp(std::string_view name, Get get, TBlockFlag flag) {
  PropBuilder<T> b = Prop::detail::Make<T>(std::string(name), PropKind::Collection, std::nullopt);
  b.collection = [get](TPersistent& o) -> TCollection& { return get(static_cast<T&>(o)); };
  return std::move(b).StoredWhen(
      [get, flag](const T& blk) { return blk.Has(flag) || get(const_cast<T&>(blk)).Count() > 0; });
}

PropBuilder<T> CharSetProp(std::string_view name, const CharSet& (T::*get)() const,
                           void (T::*set)(const CharSet&), const CharSet& def) {
  PropBuilder<T> b = Prop::String<T>(
      std::string(name), [get](const T& blk) { return FromUtf8(CharSetToText((blk.*get)())); },
      [set](T& blk, const String& text) { (blk.*set)(CharSetFromText(text)); });
  b.defaultValue = PropValue(FromUtf8(CharSetToText(def)));
  return b;
}

constexpr std::array<std::pair<std::string_view, TBlockAttr>, 7> kAttrNames = {{
    {"FIText", TBlockAttr::FIText},
    {"FIIntNum", TBlockAttr::FIIntNum},
    {"FIFloatNum", TBlockAttr::FIFloatNum},
    {"FIHexNum", TBlockAttr::FIHexNum},
    {"FIDirective", TBlockAttr::FIDirective},
    {"FISymbol", TBlockAttr::FISymbol},
    {"FIIdentifier", TBlockAttr::FIIdentifier},
}};

// Count as condition: written whenever it differs from false.
struct FlagName {
  std::string_view name;
  TBlockFlag flag;
  TBlockFlag condition;
};

constexpr TBlockFlag kAlways = TBlockFlag::Count;
constexpr std::array<FlagName, 21> kFlagNames = {{
    {"UseSymbols", UseSymbols, kAlways},
    {"UseLineDirectives", UseLineDirectives, kAlways},
    {"UseComments", UseComments, kAlways},
    {"UseSingleLineComments", UseSingleLineComments, kAlways},
    {"UseMultiLineComments", UseMultiLineComments, kAlways},
    {"UseFullLineComments", UseFullLineComments, kAlways},
    {"UseStrings", UseStrings, kAlways},
    {"UseSingleLineStrings", UseSingleLineStrings, kAlways},
    {"UseMultiLineStrings", UseMultiLineStrings, kAlways},
    {"UseNumbers", UseNumbers, kAlways},
    {"UsePrefixedNumbers", UsePrefixedNumbers, kAlways},
    {"UseSuffixedNumbers", UseSuffixedNumbers, kAlways},
    {"UseMultipleNumSuffixes", UseMultipleNumSuffixes, UseSuffixedNumbers},
    {"UsePrefixedSuffixedNumbers", UsePrefixedSuffixedNumbers, kAlways},
    {"UsePSNumComposition", UsePSNumComposition, UsePrefixedSuffixedNumbers},
    {"UseIdentifiers", UseIdentifiers, kAlways},
    {"UsePrefixedIdentifiers", UsePrefixedIdentifiers, kAlways},
    {"UseSuffixedIdentifiers", UseSuffixedIdentifiers, kAlways},
    {"UsePrefixedSuffixedIdentifiers", UsePrefixedSuffixedIdentifiers, kAlways},
    {"UseKeywords", UseKeywords, kAlways},
    {"EndsWithParent", EndsWithParent, kAlways},
}};

struct ListName {
  std::string_view name;
  TTokenList list;
  TBlockFlag flag;
};

constexpr std::array<ListName, 11> kListNames = {{
    {"SingleLineCommentDelimiters", TTokenList::SingleLineCommentDelimiters, UseSingleLineComments},
    {"MultiLineCommentDelimiters", TTokenList::MultiLineCommentDelimiters, UseMultiLineComments},
    {"FullLineCommentDelimiters", TTokenList::FullLineCommentDelimiters, UseFullLineComments},
    {"SingleLineStringDelimiters", TTokenList::SingleLineStringDelimiters, UseSingleLineStrings},
    {"MultiLineStringDelimiters", TTokenList::MultiLineStringDelimiters, UseMultiLineStrings},
    {"NumPrefixes", TTokenList::NumPrefixes, UsePrefixedNumbers},
    {"NumSuffixes", TTokenList::NumSuffixes, UseSuffixedNumbers},
    {"NumPrefixesSuffixes", TTokenList::NumPrefixesSuffixes, UsePrefixedSuffixedNumbers},
    {"IdentPrefixes", TTokenList::IdentPrefixes, UsePrefixedIdentifiers},
    {"IdentSuffixes", TTokenList::IdentSuffixes, UseSuffixedIdentifiers},
    {"IdentPrefixesSuffixes", TTokenList::IdentPrefixesSuffixes, UsePrefixedSuffixedIdentifiers},
}};

std::vector<PropInfo> BlockProperties() {
  std::vector<PropInfo> p;
  p.push_back(Prop::String<T>("Name", &T::Name, &T::SetName));
  p.push_back(Prop::Integer<T>("ID", &T::ID, &T::SetID, -1));
  p.push_back(Prop::Integer<T>("ParentID", &T::ParentID, &T::SetParentID, -1));
  p.push_back(FlagProp("CaseSensitive", CaseSensitive));
  p.push_back(FlagProp("UseMetaSymbol", UseMetaSymbol));
  p.push_back(DependentFlagProp("UseMetaToWrapLines", UseMetaToWrapLines, UseMetaSymbol, true));
  p.push_back(
      Prop::Char<T>("MetaSymbol", &T::MetaSymbol, &T::SetMetaSymbol, 0).StoredWhen([](const T& b) {
        return b.Has(UseMetaSymbol);
      }));
  for (const auto& [name, attr] : kAttrNames) p.push_back(AttrProp(name, attr));
  for (const FlagName& f : kFlagNames) {
    if (f.condition == TBlockFlag::Count)
      p.push_back(FlagProp(f.name, f.flag));
    else
      p.push_back(DependentFlagProp(f.name, f.flag, f.condition, false));
  }
  p.push_back(Prop::Collection<T>("BlockDelimiters",
                                  static_cast<TDelimitersList& (T::*)()>(&T::BlockDelimiters)));
  p.push_back(
      Prop::String<T>("LineDirectivePrefix", &T::LineDirectivePrefix, &T::SetLineDirectivePrefix)
          .StoredWhen([](const T& b) { return b.Has(UseLineDirectives); }));
  for (const ListName& l : kListNames) {
    const TTokenList list = l.list;
    p.push_back(ListProp(
        l.name, [list](T& b) -> TCollection& { return b.List(list); }, l.flag));
  }
  p.push_back(ListProp(
      "KeywordSets", [](T& b) -> TCollection& { return b.KeywordSets(); }, UseKeywords));
  p.push_back(CharSetProp("FirstIdentChars", &T::FirstIdentChars, &T::SetFirstIdentChars,
                          DefaultFirstIdentChars()));
  p.push_back(CharSetProp("OtherIdentChars", &T::OtherIdentChars, &T::SetOtherIdentChars,
                          DefaultOtherIdentChars()));
  return p;
}

}  // namespace

CharSet DefaultFirstIdentChars() {
  CharSet s = CharSet::Range(U'A', U'Z');
  s.AddRange(U'a', U'z');
  s.Add(U'_');
  return s;
}

CharSet DefaultOtherIdentChars() {
  CharSet s = DefaultFirstIdentChars();
  s.AddRange(U'0', U'9');
  return s;
}

TSyntaxBlock::TSyntaxBlock()
    : m_firstIdent(DefaultFirstIdentChars()), m_otherIdent(DefaultOtherIdentChars()) {
  m_attrs.fill(-1);
  Set(UseMetaToWrapLines, true);
  for (std::size_t i = 0; i < m_lists.size(); ++i) {
    if (IsPairList(static_cast<TTokenList>(i)))
      m_lists[i] = std::make_unique<TBlockTokenList>();
    else
      m_lists[i] = std::make_unique<TLineTokenList>();
  }
}

const ClassInfo& TSyntaxBlock::StaticClassInfo() {
  static const ClassInfo info("TSyntaxBlock", &TCollectionItem::StaticClassInfo(),
                              BlockProperties());
  return info;
}

}  // namespace qs
