#include "dialogs/syntaxedkeywords.h"

#include "dialogs/listkeys.h"
#include "dialogs/syntaxedform.h"
#include "dialogs/tokenlistbinding.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "support/encoding.h"
#include "support/utf8.h"

namespace qs {

namespace {

constexpr StringView kTextFilter = U"Text files (*.txt)|*.txt|All files (*.*)|*.*";

}  // namespace

TKeywordsPage::TKeywordsPage(TSyntaxEdForm& form, TControl& page, TTokenListBinding& sets)
    : lblKeywords(page.Add<TLabel>("lblKeywords")),
      lbxKeywords(page.Add<TCheckListBox>("lbxKeywords")),
      btnAddKeyword(page.Add<TButton>("btnAddKeyword")),
      btnEditKeyword(page.Add<TButton>("btnEditKeyword")),
      btnRmvKeyword(page.Add<TButton>("btnRmvKeyword")),
      btnLoadKeywords(page.Add<TButton>("btnLoadKeywords")),
      btnSaveKeywords(page.Add<TButton>("btnSaveKeywords")),
      m_form(form),
      m_sets(sets) {
  lblKeywords.SetCaption(U" Current Keywords Set: ");
  lbxKeywords.MultiSelect = true;
  btnAddKeyword.SetCaption(U"Add");
  btnEditKeyword.SetCaption(U"Edit");
  btnRmvKeyword.SetCaption(U"Remove");
  btnLoadKeywords.SetCaption(U"Load...");
  btnSaveKeywords.SetCaption(U"Save...");
  btnAddKeyword.OnClick = [this](TControl&) { AddKeyword(); };
  btnEditKeyword.OnClick = [this](TControl&) { EditKeyword(); };
  btnRmvKeyword.OnClick = [this](TControl&) { RemoveKeywords(); };
  btnLoadKeywords.OnClick = [this](TControl&) { LoadKeywords(); };
  btnSaveKeywords.OnClick = [this](TControl&) { SaveKeywords(); };
  lbxKeywords.OnChange = [this](TControl&) { UpdateButtons(); };
  lbxKeywords.OnDblClick = [this](TControl&) { EditKeyword(); };
  lbxKeywords.OnKeyDown = [this](TControl&, TKey& key, TShiftState) {
    PressListKey(key, btnAddKeyword, btnEditKeyword, btnRmvKeyword);
  };
  TCheckListBox& setList = m_sets.List();
  const TNotifyEvent setChanged = setList.OnChange;
  setList.OnChange = [this, setChanged](TControl& sender) {
    if (setChanged) setChanged(sender);
    Reload();
  };
}

TKeywordSet* TKeywordsPage::CurrentSet() const {
  TSyntaxBlock* block = m_form.CurrentBlock();
  const int index = m_sets.List().ItemIndex();
  if (!block || index < 0 || index >= block->KeywordSets().Count()) return nullptr;
  return &block->KeywordSets().Items(index);
}

void TKeywordsPage::Reload() {
  const TKeywordSet* set = CurrentSet();
  const TKeywordList keywords(set ? set->Keywords() : String());
  lbxKeywords.SetCheckedItems(keywords.Items(), {});
  std::vector<TItemLook> looks(keywords.Items().size(), m_form.LookOf(set ? set->FontID() : -1));
  lbxKeywords.SetItemLooks(std::move(looks));
  UpdateButtons();
}

void TKeywordsPage::Enable(bool enabled) {
  lblKeywords.SetEnabled(enabled);
  lbxKeywords.SetEnabled(enabled);
  m_sets.Enable(enabled);
  UpdateButtons();
}

void TKeywordsPage::UpdateButtons() {
  const bool enabled = lbxKeywords.Enabled() && CurrentSet() != nullptr;
  btnAddKeyword.SetEnabled(enabled);
  btnLoadKeywords.SetEnabled(enabled);
  btnSaveKeywords.SetEnabled(enabled);
  btnRmvKeyword.SetEnabled(enabled && lbxKeywords.SelCount() >= 1);
  btnEditKeyword.SetEnabled(enabled && lbxKeywords.SelCount() == 1);
}

void TKeywordsPage::Store(const TKeywordList& keywords, int selected) {
  if (TKeywordSet* set = CurrentSet()) set->SetKeywords(keywords.CommaText());
  Reload();
  lbxKeywords.SetSelection({selected});
  UpdateButtons();
}

std::optional<String> TKeywordsPage::AskKeyword(const String& start) {
  const std::unique_ptr<TSchemePopupForm> popup = m_form.MakePopup(TPopupKind::Text);
  popup->SetLeftLabel(U"&Keyword:");
  popup->LeftEdit.SetText(start);
  if (popup->ShowModal() != mrOk) return std::nullopt;
  return popup->LeftEdit.Text();
}

void TKeywordsPage::AddKeyword() {
  const TKeywordSet* set = CurrentSet();
  if (!set || !btnAddKeyword.Enabled()) return;
  const std::optional<String> text = AskKeyword({});
  if (!text) return;
  TKeywordList keywords(set->Keywords());
  const int index = keywords.Add(*text);
  if (index >= 0) Store(keywords, index);
}

void TKeywordsPage::EditKeyword() {
  const TKeywordSet* set = CurrentSet();
  const int current = lbxKeywords.ItemIndex();
  if (!set || !btnEditKeyword.Enabled() || current < 0) return;
  const std::optional<String> text =
      AskKeyword(lbxKeywords.Items()[static_cast<std::size_t>(current)]);
  if (!text) return;
  TKeywordList keywords(set->Keywords());
  const int index = keywords.Replace(current, *text);
  if (index >= 0) Store(keywords, index);
}

void TKeywordsPage::RemoveKeywords() {
  const TKeywordSet* set = CurrentSet();
  if (!set || !btnRmvKeyword.Enabled()) return;
  std::vector<int> selected;
  for (int i = 0; i < static_cast<int>(lbxKeywords.Items().size()); ++i)
    if (lbxKeywords.ItemSelected(i)) selected.push_back(i);
  TKeywordList keywords(set->Keywords());
  keywords.Remove(selected);
  Store(keywords, -1);
}

void TKeywordsPage::LoadKeywords() {
  if (!CurrentSet() || !btnLoadKeywords.Enabled()) return;
  FileDialogOptions options;
  options.filter = String(kTextFilter);
  options.defaultExt = "txt";
  const std::optional<FileChoice> choice = m_form.m_dialogs.OpenFile(options);
  if (!choice || choice->paths.empty()) return;
  const DecodedText text = DecodeDocument(m_form.m_files.ReadFile(choice->paths.front()));
  Store(TKeywordList(text.text), -1);
}

void TKeywordsPage::SaveKeywords() {
  const TKeywordSet* set = CurrentSet();
  if (!set || !btnSaveKeywords.Enabled()) return;
  FileDialogOptions options;
  options.filter = String(kTextFilter);
  options.defaultExt = "txt";
  options.overwritePrompt = true;
  const std::optional<FileChoice> choice = m_form.m_dialogs.SaveFile(options);
  if (!choice || choice->paths.empty()) return;
  m_form.m_files.WriteFileAtomic(choice->paths.front(),
                                 ToUtf8(TKeywordList(set->Keywords()).Lines()));
}

}  // namespace qs
