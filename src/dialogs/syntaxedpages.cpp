// The seven pages of the scheme editor: their controls, how they load from
// the current block and write back to it, and which of them are enabled.
#include "dialogs/syntaxedform.h"

#include <array>

#include "dialogs/syntaxedkeywords.h"
#include "support/charset.h"
#include "support/utf8.h"

namespace qs {

namespace {

// The three special modes of numbers and identifiers, in the group's order.
enum SpecialMode { kPrefix, kSuffix, kPrefixSuffix };

// What each mode switches and lists, for numbers and for identifiers.
struct SpecialRules {
  TBlockFlag numberFlag, identFlag;
  TTokenList numberList, identList;
};
constexpr std::array<SpecialRules, 3> kSpecialRules{{
    {TBlockFlag::UsePrefixedNumbers, TBlockFlag::UsePrefixedIdentifiers, TTokenList::NumPrefixes,
     TTokenList::IdentPrefixes},
    {TBlockFlag::UseSuffixedNumbers, TBlockFlag::UseSuffixedIdentifiers, TTokenList::NumSuffixes,
     TTokenList::IdentSuffixes},
    {TBlockFlag::UsePrefixedSuffixedNumbers, TBlockFlag::UsePrefixedSuffixedIdentifiers,
     TTokenList::NumPrefixesSuffixes, TTokenList::IdentPrefixesSuffixes},
}};

TBlockFlag SpecialFlag(bool numbers, int mode) {
  const SpecialRules& rules = kSpecialRules[static_cast<std::size_t>(mode)];
  return numbers ? rules.numberFlag : rules.identFlag;
}

TTokenList SpecialList(bool numbers, int mode) {
  const SpecialRules& rules = kSpecialRules[static_cast<std::size_t>(mode)];
  return numbers ? rules.numberList : rules.identList;
}

int ModeOf(const TControl& group) {
  return group.ItemIndex() < 0 || group.ItemIndex() > kPrefixSuffix ? kPrefix : group.ItemIndex();
}

}  // namespace

TTabSheet& TSyntaxEdForm::AddPage(std::string name, StringView caption) {
  TTabSheet& page = pgcBlockElems.Add<TTabSheet>(std::move(name));
  page.SetCaption(caption);
  return page;
}

TCheckBox& TSyntaxEdForm::AddFlagBox(TControl& parent, std::string name, StringView caption,
                                     TBlockFlag flag) {
  auto& box = parent.Add<TCheckBox>(std::move(name));
  box.SetCaption(caption);
  box.OnClick = [this, &box, flag](TControl&) {
    if (m_loading) return;
    if (TSyntaxBlock* block = CurrentBlock()) block->Set(flag, box.Checked());
    UpdateEnabling();
  };
  m_flagBoxes.emplace_back(&box, flag);
  return box;
}

TTokenListBinding& TSyntaxEdForm::AddTokenList(TControl& parent, std::string suffix,
                                               StringView caption, TTokenListRules rules) {
  if (!caption.empty()) parent.Add<TLabel>("lbl" + suffix).SetCaption(caption);
  auto& list = parent.Add<TCheckListBox>("lbx" + suffix);
  auto& add = parent.Add<TButton>("btnAdd" + suffix);
  auto& edit = parent.Add<TButton>("btnEdit" + suffix);
  auto& remove = parent.Add<TButton>("btnRmv" + suffix);
  auto binding =
      std::make_unique<TTokenListBinding>(*this, list, add, edit, remove, std::move(rules));
  TTokenListBinding& ref = *binding;
  m_lists.emplace_back("lbx" + suffix, std::move(binding));
  return ref;
}

TButton& TSyntaxEdForm::AddStyleButton(TControl& parent, std::string name, StringView caption,
                                       TBlockAttr attr) {
  if (!caption.empty()) parent.Add<TLabel>("lbl" + name.substr(3)).SetCaption(caption);
  auto& button = parent.Add<TButton>(std::move(name));
  button.SetCaption(U"Style...");
  button.OnClick = [this, attr](TControl&) { EditAttribute(attr); };
  return button;
}

void TSyntaxEdForm::BuildPages() {
  using F = TBlockFlag;
  using L = TTokenList;
  const auto listOf = [this](L list) {
    return [this, list]() -> TCollection* {
      TSyntaxBlock* block = CurrentBlock();
      return block ? &block->List(list) : nullptr;
    };
  };
  const auto styled = [&](L list, TPopupKind popup) {
    TTokenListRules rules;
    rules.tokens = listOf(list);
    rules.popup = popup;
    rules.styled = true;
    return rules;
  };

  TTabSheet& common = AddPage("tshCommon", U"&1. Common");
  TTokenListRules delimiters;
  delimiters.tokens = [this]() -> TCollection* {
    TSyntaxBlock* block = CurrentBlock();
    return block ? &block->BlockDelimiters() : nullptr;
  };
  delimiters.popup = TPopupKind::BlockPair;
  AddTokenList(common, "BlkDlmtrs", U"Block &Delimiters:", std::move(delimiters));
  AddFlagBox(common, "chxCaseSens", U"&Case Sensitive", F::CaseSensitive);
  AddFlagBox(common, "chxUseMeta", U"Use &MetaSymbol", F::UseMetaSymbol);
  auto& metaSymbol = common.Add<TEdit>("edtMetaSymbol");
  metaSymbol.OnChange = [this, &metaSymbol](TControl&) {
    if (m_loading) return;
    if (TSyntaxBlock* block = CurrentBlock())
      block->SetMetaSymbol(metaSymbol.Text().empty() ? 0 : metaSymbol.Text().front());
  };
  auto& metaEscape = common.Add<TCheckBox>("chxMetaEscape");
  metaEscape.SetCaption(U"for &Escapes");
  // It only shows the switch: a click puts it back.
  metaEscape.OnClick = [this, &metaEscape](TControl&) {
    if (const TSyntaxBlock* block = CurrentBlock(); block && !m_loading)
      metaEscape.SetChecked(block->Has(F::UseMetaSymbol));
  };
  AddFlagBox(common, "chxMetaWrapLines", U"to &Wrap Long Lines", F::UseMetaToWrapLines);
  AddStyleButton(common, "btnStyleText", U"Plain &Text:", TBlockAttr::FIText);
  AddFlagBox(common, "chxUseSymbols", U"Highlight S&ymbols", F::UseSymbols);
  AddStyleButton(common, "btnStyleSymbols", {}, TBlockAttr::FISymbol);

  TTabSheet& comments = AddPage("tshComments", U"&2. Comments");
  AddFlagBox(comments, "chxUseComments", U"Highlight &Comments", F::UseComments);
  AddFlagBox(comments, "chxUseCommentsSL", U"S&ingle-line Comments", F::UseSingleLineComments);
  AddTokenList(comments, "DlmtrsSC", {},
               styled(L::SingleLineCommentDelimiters, TPopupKind::Delimiter));
  AddFlagBox(comments, "chxUseCommentsML", U"&Multi-line Comments", F::UseMultiLineComments);
  AddTokenList(comments, "DlmtrsMC", {}, styled(L::MultiLineCommentDelimiters, TPopupKind::Pair));

  TTabSheet& fullLine = AddPage("tshFullLine", U"&3. FullLine");
  AddFlagBox(fullLine, "chxUseCommentsFL", U"&Full-line Comments", F::UseFullLineComments);
  AddTokenList(fullLine, "DlmtrsFC", {},
               styled(L::FullLineCommentDelimiters, TPopupKind::Delimiter));
  AddFlagBox(fullLine, "chxUseDirectives", U"Highlight &Directives", F::UseLineDirectives);
  fullLine.Add<TLabel>("lblDrctvPrefix").SetCaption(U"Prefix:");
  auto& prefix = fullLine.Add<TEdit>("edtDrctvPrefix");
  prefix.OnChange = [this, &prefix](TControl&) {
    if (TSyntaxBlock* block = CurrentBlock(); block && !m_loading)
      block->SetLineDirectivePrefix(prefix.Text());
  };
  AddStyleButton(fullLine, "btnStyleDrctv", {}, TBlockAttr::FIDirective);

  TTabSheet& strings = AddPage("tshStrings", U"&4. Strings");
  AddFlagBox(strings, "chxUseStrings", U"Highlight Strin&gs", F::UseStrings);
  AddFlagBox(strings, "chxUseStringsSL", U"S&ingle-line Strings", F::UseSingleLineStrings);
  AddTokenList(strings, "DlmtrsSS", {}, styled(L::SingleLineStringDelimiters, TPopupKind::Pair));
  AddFlagBox(strings, "chxUseStringsML", U"&Multi-line Strings", F::UseMultiLineStrings);
  AddTokenList(strings, "DlmtrsMS", {}, styled(L::MultiLineStringDelimiters, TPopupKind::Pair));

  TTabSheet& numbers = AddPage("tshNumbers", U"&5. Numbers");
  AddFlagBox(numbers, "chxUseNumbers", U"Highlight N&umbers", F::UseNumbers);
  AddStyleButton(numbers, "btnStyleIntNum", U"Inte&gers:", TBlockAttr::FIIntNum);
  AddStyleButton(numbers, "btnStyleFloatNum", U"Floa&ts:", TBlockAttr::FIFloatNum);
  AddStyleButton(numbers, "btnStyleHexNum", U"&Hexadecimal:", TBlockAttr::FIHexNum);
  BuildSpecialMode(numbers, true);

  TTabSheet& identifiers = AddPage("tshIdentifiers", U"&6. Identifiers");
  AddFlagBox(identifiers, "chxUseIdentifiers", U"Highlight Iden&tifiers", F::UseIdentifiers);
  AddStyleButton(identifiers, "btnStyleIdent", {}, TBlockAttr::FIIdentifier);
  identifiers.Add<TLabel>("lblFirstChar").SetCaption(U"First Symbol CharSet:");
  auto& first = identifiers.Add<TButton>("btnFirstChar");
  first.SetCaption(U"...");
  first.OnClick = [this](TControl&) { EditCharSet(true); };
  identifiers.Add<TLabel>("lblOtherChar").SetCaption(U"Other Symbols CharSet:");
  auto& other = identifiers.Add<TButton>("btnOtherChar");
  other.SetCaption(U"...");
  other.OnClick = [this](TControl&) { EditCharSet(false); };
  BuildSpecialMode(identifiers, false);

  TTabSheet& keywords = AddPage("tshKeywords", U"&7. Keywords");
  AddFlagBox(keywords, "chxUseKeywords", U"Highlight &Keywords:", F::UseKeywords);
  TTokenListRules sets;
  sets.popup = TPopupKind::Delimiter;
  sets.styled = true;
  sets.tokens = [this]() -> TCollection* {
    TSyntaxBlock* block = CurrentBlock();
    return block ? &block->KeywordSets() : nullptr;
  };
  sets.leftLabel = U"Set:";
  sets.confirmRemove = true;
  TTokenListBinding& setList = AddTokenList(keywords, "KWSets", U" Sets: ", std::move(sets));
  m_keywords = std::make_unique<TKeywordsPage>(*this, keywords, setList);

  for (auto& [name, binding] : m_lists) binding->OnTokensChanged = [this] { UpdateEnabling(); };
}

void TSyntaxEdForm::BuildSpecialMode(TControl& page, bool numbers) {
  const std::string suffix = numbers ? "Numbers" : "Idents";
  auto& group = page.Add<TRadioGroup>("rgpPS" + suffix);
  group.SetCaption(U" Special: ");
  group.SetItems({U"with &prefix", U"with su&ffix", U"w&ith prefix && suffix"});
  group.SetItemIndex(kPrefix);
  auto& box = page.Add<TCheckBox>("chxPS" + suffix);
  box.OnClick = [this, &box, &group, numbers](TControl&) {
    if (TSyntaxBlock* block = CurrentBlock(); block && !m_loading)
      block->Set(SpecialFlag(numbers, ModeOf(group)), box.Checked());
    UpdateEnabling();
  };
  if (numbers) {
    auto& option = page.Add<TCheckBox>("chxPSNumOption");
    option.OnClick = [this, &option, &group](TControl&) {
      if (TSyntaxBlock* block = CurrentBlock(); block && !m_loading)
        block->Set(ModeOf(group) == kSuffix ? TBlockFlag::UseMultipleNumSuffixes
                                            : TBlockFlag::UsePSNumComposition,
                   option.Checked());
      UpdateEnabling();
    };
  }
  TTokenListRules rules;
  rules.tokens = [this, &group, numbers]() -> TCollection* {
    TSyntaxBlock* block = CurrentBlock();
    return block ? &block->List(SpecialList(numbers, ModeOf(group))) : nullptr;
  };
  rules.lookAttr = [this, numbers] {
    const TSyntaxBlock* block = CurrentBlock();
    return block ? block->Attr(numbers ? TBlockAttr::FIIntNum : TBlockAttr::FIIdentifier) : kNoAttr;
  };
  AddTokenList(page, numbers ? "DlmtrsPSNum" : "DlmtrsPSIdent", {}, std::move(rules));
  group.OnClick = [this](TControl&) {
    if (m_loading) return;
    m_loading = true;
    UpdateSpecialModes();
    m_loading = false;
    UpdateEnabling();
  };
}

// ---- Loading the current block ------------------------------------------------------

void TSyntaxEdForm::LoadBlock() {
  const TSyntaxBlock* block = CurrentBlock();
  m_loading = true;
  pgcBlockElems.SetEnabled(block != nullptr);
  for (auto& [box, flag] : m_flagBoxes) box->SetChecked(block && block->Has(flag));
  FindControl<TCheckBox>("chxMetaEscape")
      .SetChecked(block && block->Has(TBlockFlag::UseMetaSymbol));
  const Char meta = block ? block->MetaSymbol() : 0;
  FindControl<TEdit>("edtMetaSymbol").SetText(meta ? String(1, meta) : String());
  FindControl<TEdit>("edtDrctvPrefix").SetText(block ? block->LineDirectivePrefix() : String());
  UpdateSpecialModes();
  m_loading = false;
  for (auto& [name, binding] : m_lists) binding->Reload();
  m_keywords->Reload();
  UpdateEnabling();
}

void TSyntaxEdForm::UpdateSpecialModes() {
  const TSyntaxBlock* block = CurrentBlock();
  static constexpr std::array<StringView, 3> kBoxCaptions{U"with prefix&es", U"with suffix&es",
                                                          U"with prefix&es and suffixes"};
  for (const bool numbers : {true, false}) {
    const std::string suffix = numbers ? "Numbers" : "Idents";
    const int mode = ModeOf(FindControl<TRadioGroup>("rgpPS" + suffix));
    auto& box = FindControl<TCheckBox>("chxPS" + suffix);
    box.SetCaption(kBoxCaptions[static_cast<std::size_t>(mode)]);
    box.SetChecked(block && block->Has(SpecialFlag(numbers, mode)));
    TTokenListBinding& list = TokenList(numbers ? "lbxDlmtrsPSNum" : "lbxDlmtrsPSIdent");
    list.Rules().popup = mode == kPrefixSuffix ? TPopupKind::PrefixPair : TPopupKind::Text;
    list.Rules().leftLabel = mode == kSuffix ? U"Suffix:" : U"Prefix:";
    list.Reload();
  }
  auto& option = FindControl<TCheckBox>("chxPSNumOption");
  const int mode = ModeOf(FindControl<TRadioGroup>("rgpPSNumbers"));
  option.SetVisible(mode != kPrefix);
  option.SetCaption(mode == kSuffix ? U"multiple suffixes allo&wed"
                                    : U"use &composition of P && S");
  option.SetChecked(block && block->Has(mode == kSuffix ? TBlockFlag::UseMultipleNumSuffixes
                                                        : TBlockFlag::UsePSNumComposition));
}

// ---- Enabling -------------------------------------------------------------------------

void TSyntaxEdForm::UpdateEnabling() {
  const auto checked = [this](std::string_view name) {
    const auto& box = FindControl<TCheckBox>(name);
    return box.Enabled() && box.Checked();
  };
  const auto enable = [this](std::initializer_list<std::string_view> names, bool on) {
    for (const std::string_view name : names) FindControl<TControl>(name).SetEnabled(on);
  };
  const bool comments = checked("chxUseComments");
  enable({"chxUseCommentsSL", "chxUseCommentsML", "chxUseCommentsFL"}, comments);
  const bool strings = checked("chxUseStrings");
  enable({"chxUseStringsSL", "chxUseStringsML"}, strings);
  TokenList("lbxDlmtrsSC").Enable(checked("chxUseCommentsSL"));
  TokenList("lbxDlmtrsMC").Enable(checked("chxUseCommentsML"));
  TokenList("lbxDlmtrsFC").Enable(checked("chxUseCommentsFL"));
  TokenList("lbxDlmtrsSS").Enable(checked("chxUseStringsSL"));
  TokenList("lbxDlmtrsMS").Enable(checked("chxUseStringsML"));
  // The first block has no delimiters of its own.
  TokenList("lbxBlkDlmtrs").Enable(trvBlocks.ItemIndex() > 0);
  enable({"edtMetaSymbol", "chxMetaEscape", "chxMetaWrapLines"}, checked("chxUseMeta"));
  enable({"lblDrctvPrefix", "edtDrctvPrefix", "btnStyleDrctv"}, checked("chxUseDirectives"));
  enable({"btnStyleSymbols"}, checked("chxUseSymbols"));
  enable({"btnStyleIdent"}, checked("chxUseIdentifiers"));
  enable({"chxPSNumbers", "lblStyleIntNum", "lblStyleFloatNum", "lblStyleHexNum", "btnStyleIntNum",
          "btnStyleFloatNum", "btnStyleHexNum", "rgpPSNumbers"},
         checked("chxUseNumbers"));
  const bool numberOption = checked("chxPSNumbers");
  FindControl<TCheckBox>("chxPSNumOption").SetEnabled(numberOption);
  const bool composition = ModeOf(FindControl<TRadioGroup>("rgpPSNumbers")) == kPrefixSuffix &&
                           FindControl<TCheckBox>("chxPSNumOption").Checked();
  TokenList("lbxDlmtrsPSNum").Enable(numberOption && !composition);
  TokenList("lbxDlmtrsPSIdent").Enable(FindControl<TCheckBox>("chxPSIdents").Checked());
  m_keywords->Enable(checked("chxUseKeywords"));
}

// ---- Attributes and character sets ------------------------------------------------------

void TSyntaxEdForm::EditAttribute(TBlockAttr attr) {
  TSyntaxBlock* block = CurrentBlock();
  if (!block) return;
  const std::unique_ptr<TSchemePopupForm> popup = MakePopup(TPopupKind::Style);
  popup->SetStyle(StyleFieldsOf(m_working.FontTable().FindAttr(block->Attr(attr)), m_textStyles));
  if (popup->ShowModal() != mrOk) return;
  std::int32_t fontId = block->Attr(attr);
  StoreStyleFields(m_working.FontTable(), block->ID(), fontId, popup->Style(), m_defaultFont);
  block->SetAttr(attr, fontId);
  for (auto& [name, binding] : m_lists) binding->Reload();
}

void TSyntaxEdForm::EditCharSet(bool first) {
  TSyntaxBlock* block = CurrentBlock();
  if (!block) return;
  const std::unique_ptr<TSchemePopupForm> popup = MakePopup(TPopupKind::Text);
  popup->SetLeftLabel(U"&CharSet:");
  popup->LeftEdit.SetText(
      FromUtf8(CharSetToText(first ? block->FirstIdentChars() : block->OtherIdentChars())));
  if (popup->ShowModal() != mrOk) return;
  const CharSet set = CharSetFromText(popup->LeftEdit.Text());
  if (first)
    block->SetFirstIdentChars(set);
  else
    block->SetOtherIdentChars(set);
}

}  // namespace qs
