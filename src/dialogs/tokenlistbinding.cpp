#include "dialogs/tokenlistbinding.h"

#include "dialogs/listkeys.h"
#include "dialogs/schemeedithost.h"
#include "platform/dialogs.h"
#include "syntax/qsSyntax.h"

namespace qs {

namespace {

// Reads and writes the popup's text fields for each kind of token.
void FillFields(TSchemePopupForm& popup, const TCollectionItem& token) {
  if (const auto* pair = dynamic_cast<const TDelimiters*>(&token)) {
    popup.LeftEdit.SetText(pair->LeftDelimiter());
    popup.RightEdit.SetText(pair->RightDelimiter());
    popup.PartOfBlock.SetChecked(pair->DelimitersArePartOfBlock());
  } else if (const auto* block = dynamic_cast<const TBlockToken*>(&token)) {
    popup.LeftEdit.SetText(block->LeftDelimiter());
    popup.RightEdit.SetText(block->RightDelimiter());
  } else if (const auto* line = dynamic_cast<const TLineToken*>(&token)) {
    popup.LeftEdit.SetText(line->LeftDelimiter());
  } else if (const auto* set = dynamic_cast<const TKeywordSet*>(&token)) {
    popup.LeftEdit.SetText(set->Name());
  }
}

void StoreFields(const TSchemePopupForm& popup, TCollectionItem& token) {
  if (auto* pair = dynamic_cast<TDelimiters*>(&token)) {
    pair->SetLeftDelimiter(popup.LeftEdit.Text());
    pair->SetRightDelimiter(popup.RightEdit.Text());
    pair->SetDelimitersArePartOfBlock(popup.PartOfBlock.Checked());
  } else if (auto* block = dynamic_cast<TBlockToken*>(&token)) {
    block->SetLeftDelimiter(popup.LeftEdit.Text());
    block->SetRightDelimiter(popup.RightEdit.Text());
  } else if (auto* line = dynamic_cast<TLineToken*>(&token)) {
    line->SetLeftDelimiter(popup.LeftEdit.Text());
  } else if (auto* set = dynamic_cast<TKeywordSet*>(&token)) {
    set->SetName(popup.LeftEdit.Text());
  }
}

bool UseTokenOf(const TCollectionItem& token) {
  if (const auto* pair = dynamic_cast<const TDelimiters*>(&token)) return pair->UseToken();
  if (const auto* t = dynamic_cast<const TToken*>(&token)) return t->UseToken();
  return false;
}

void SetUseToken(TCollectionItem& token, bool on) {
  if (auto* pair = dynamic_cast<TDelimiters*>(&token)) pair->SetUseToken(on);
  if (auto* t = dynamic_cast<TToken*>(&token)) t->SetUseToken(on);
}

}  // namespace

String TokenCaption(const TCollectionItem& token) {
  if (const auto* pair = dynamic_cast<const TDelimiters*>(&token))
    return pair->LeftDelimiter() + U" and " + pair->RightDelimiter();
  if (const auto* block = dynamic_cast<const TBlockToken*>(&token))
    return block->LeftDelimiter() + U" and " + block->RightDelimiter();
  if (const auto* line = dynamic_cast<const TLineToken*>(&token)) return line->LeftDelimiter();
  if (const auto* set = dynamic_cast<const TKeywordSet*>(&token)) return set->Name();
  return {};
}

TTokenListBinding::TTokenListBinding(ISchemeEditHost& host, TCheckListBox& list, TButton& add,
                                     TButton& edit, TButton& remove, TTokenListRules rules)
    : m_host(host),
      m_list(list),
      m_add(add),
      m_edit(edit),
      m_remove(remove),
      m_rules(std::move(rules)) {
  m_list.CheckBoxes = true;
  m_add.SetCaption(U"Add");
  m_edit.SetCaption(U"Edit");
  m_remove.SetCaption(U"Remove");
  m_add.OnClick = [this](TControl&) { AddToken(); };
  m_edit.OnClick = [this](TControl&) { EditToken(); };
  m_remove.OnClick = [this](TControl&) { RemoveToken(); };
  m_list.OnChange = [this](TControl&) { UpdateButtons(); };
  m_list.OnDblClick = [this](TControl&) { EditToken(); };
  m_list.OnKeyDown = [this](TControl&, TKey& key, TShiftState) {
    PressListKey(key, m_add, m_edit, m_remove);
  };
  m_list.OnClickCheck = [this](TCheckListBox&, int index) {
    if (TCollection* tokens = m_rules.tokens(); tokens && index < tokens->Count())
      SetUseToken(tokens->Items(index), m_list.ItemChecked(index));
  };
  m_list.OnDragDrop = [this](TCheckListBox&, int from, int to) {
    TCollection* tokens = m_rules.tokens();
    if (!tokens || from >= tokens->Count() || to >= tokens->Count()) return;
    tokens->Move(from, to);
    Reload();
    Select(to);
  };
}

void TTokenListBinding::Reload() {
  const int selected = m_list.ItemIndex();
  std::vector<String> captions;
  std::vector<bool> checked;
  std::vector<TItemLook> looks;
  if (TCollection* tokens = m_rules.tokens()) {
    for (int i = 0; i < tokens->Count(); ++i) {
      const TCollectionItem& token = tokens->Items(i);
      captions.push_back(TokenCaption(token));
      checked.push_back(UseTokenOf(token));
      const auto* styled = dynamic_cast<const TToken*>(&token);
      looks.push_back(m_host.LookOf(m_rules.lookAttr ? m_rules.lookAttr()
                                    : styled         ? styled->FontID()
                                                     : kNoAttr));
    }
  }
  const int count = static_cast<int>(captions.size());
  m_list.SetCheckedItems(std::move(captions), std::move(checked));
  m_list.SetItemLooks(std::move(looks));
  m_list.SetItemIndex(selected < count ? selected : count - 1);
  UpdateButtons();
}

void TTokenListBinding::Enable(bool enabled) {
  m_list.SetEnabled(enabled);
  m_add.SetEnabled(enabled);
  UpdateButtons();
}

void TTokenListBinding::UpdateButtons() {
  const bool selected = m_list.Enabled() && m_list.ItemIndex() >= 0;
  m_edit.SetEnabled(selected);
  m_remove.SetEnabled(selected);
}

void TTokenListBinding::Select(int index) {
  m_list.SetItemIndex(index);
  UpdateButtons();
}

bool TTokenListBinding::RunPopup(TCollectionItem& token) {
  std::unique_ptr<TSchemePopupForm> popup = m_host.MakePopup(m_rules.popup);
  if (!m_rules.leftLabel.empty()) popup->SetLeftLabel(m_rules.leftLabel);
  if (!m_rules.rightLabel.empty()) popup->SetRightLabel(m_rules.rightLabel);
  FillFields(*popup, token);
  TSyntaxScheme& scheme = m_host.Working();
  auto* styled = m_rules.styled ? dynamic_cast<TToken*>(&token) : nullptr;
  if (styled)
    popup->SetStyle(
        StyleFieldsOf(scheme.FontTable().FindAttr(styled->FontID()), m_host.TextStyleNames()));
  if (popup->ShowModal() != mrOk) return false;
  StoreFields(*popup, token);
  if (styled) {
    std::int32_t fontId = styled->FontID();
    const TSyntaxBlock* block = m_host.CurrentBlock();
    StoreStyleFields(scheme.FontTable(), block ? block->ID() : 0, fontId, popup->Style(),
                     m_host.DefaultFont());
    styled->SetFontID(fontId);
  }
  return true;
}

void TTokenListBinding::AddToken() {
  TCollection* tokens = m_rules.tokens();
  if (!tokens || !m_add.Enabled()) return;
  const std::unique_ptr<TCollectionItem> token = tokens->Factory()();
  if (!RunPopup(*token)) return;
  tokens->Add().Assign(*token);
  Reload();
  Select(tokens->Count() - 1);
  if (OnTokensChanged) OnTokensChanged();
}

void TTokenListBinding::EditToken() {
  TCollection* tokens = m_rules.tokens();
  const int index = m_list.ItemIndex();
  if (!tokens || !m_edit.Enabled() || index < 0 || index >= tokens->Count()) return;
  if (!RunPopup(tokens->Items(index))) return;
  Reload();
  if (OnTokensChanged) OnTokensChanged();
}

void TTokenListBinding::RemoveToken() {
  TCollection* tokens = m_rules.tokens();
  const int index = m_list.ItemIndex();
  if (!tokens || !m_remove.Enabled() || index < 0 || index >= tokens->Count()) return;
  if (m_rules.confirmRemove &&
      m_host.Dialogs().Confirm(U"Do you really want to remove keyword set '" +
                                   TokenCaption(tokens->Items(index)) + U"'?",
                               false) != MsgResult::Yes)
    return;
  tokens->Delete(index);
  Reload();
  Select(std::min(index, tokens->Count() - 1));
  if (OnTokensChanged) OnTokensChanged();
}

}  // namespace qs
