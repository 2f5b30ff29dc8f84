#include "app/shortcutspage.h"

#include "app/shortcutdlg.h"

namespace qs {

namespace {

constexpr std::size_t kShortCutColumn = 0;  // of the sub-items

// The long hint: what follows the first "|", or the whole hint without one.
String LongHint(const String& hint) {
  const std::size_t bar = hint.find(U'|');
  return bar == String::npos ? hint : hint.substr(bar + 1);
}

// The caption without its first access-key mark.
String ShownCaption(const String& caption) {
  String shown = caption;
  if (const std::size_t amp = shown.find(U'&'); amp != String::npos) shown.erase(amp, 1);
  return shown;
}

TTabSheet& AddPage(TPageControl& pages) {
  TTabSheet& page = pages.Add<TTabSheet>("ShortcutsPage");
  page.SetCaption(U"Keyboard ShortCuts");
  return page;
}

}  // namespace

TShortcutsPage::TShortcutsPage(TPageControl& pages, IFormHost& host, IDialogs& dialogs,
                               TActionList& actions, std::vector<TShortCut> defaults)
    : Page(AddPage(pages)),
      lvShortcuts(Page.Add<TListView>("lvShortcuts")),
      ResetBtn(Page.Add<TButton>("ResetBtn")),
      m_host(host),
      m_dialogs(dialogs),
      m_actions(actions),
      m_defaults(std::move(defaults)) {
  lvShortcuts.SetColumns({U"Action", U"ShortCut", U"Hint"});
  lvShortcuts.OnDblClick = [this](TControl&) { EditSelectedRow(); };
  // Enter edits the row too, so the list works from the keyboard; the key
  // goes no further, where it would press the preferences' OK.
  lvShortcuts.OnKeyDown = [this](TControl&, TKey& key, TShiftState) {
    if (key != vk::Return) return;
    key = 0;
    EditSelectedRow();
  };
  // Coming to the page puts the keyboard on the list.
  pages.OnChange = [this, &pages, previous = pages.OnChange](TControl& sender) {
    if (previous) previous(sender);
    if (pages.ActivePage() == &Page) lvShortcuts.SetFocus();
  };
  ResetBtn.SetCaption(U"Reset to defaults");
  ResetBtn.OnClick = [this](TControl&) { ResetToDefaults(); };
}

void TShortcutsPage::Fill() {
  std::vector<TListItem> rows;
  for (int i = 0; i < m_actions.Count(); ++i) {
    const TAction& action = m_actions.At(i);
    TListItem row;
    row.caption = ShownCaption(action.Caption());
    row.subItems = {ShortCutToText(action.ShortCut()), LongHint(action.Hint())};
    row.data = i;
    rows.push_back(std::move(row));
  }
  lvShortcuts.SetRows(std::move(rows));
  lvShortcuts.SetItemIndex(0);
}

void TShortcutsPage::EditSelectedRow() {
  if (lvShortcuts.ItemIndex() >= 0) EditRow(lvShortcuts.ItemIndex());
}

void TShortcutsPage::Apply() {
  for (int i = 0; i < m_actions.Count() && i < static_cast<int>(lvShortcuts.Rows().size()); ++i)
    m_actions.At(i).SetShortCut(TextToShortCut(RowText(i)).value_or(TShortCut{}));
}

const String& TShortcutsPage::RowText(int row) const {
  return lvShortcuts.Rows().at(static_cast<std::size_t>(row)).subItems.at(kShortCutColumn);
}

void TShortcutsPage::SetRowText(int row, const String& text) {
  std::vector<TListItem> rows = lvShortcuts.Rows();
  rows.at(static_cast<std::size_t>(row)).subItems.at(kShortCutColumn) = text;
  const int selected = lvShortcuts.ItemIndex();
  lvShortcuts.SetRows(std::move(rows));
  lvShortcuts.SetItemIndex(selected);
}

String TShortcutsPage::CommandHolding(StringView text) const {
  const std::vector<TListItem>& rows = lvShortcuts.Rows();
  for (const TListItem& row : rows)
    if (row.subItems.at(kShortCutColumn) == text) return row.caption;
  const std::optional<TShortCut> shortCut = TextToShortCut(text);
  if (!shortCut) return {};
  for (int i = 0; i < m_actions.Count(); ++i)
    if (m_actions.At(i).AnswersSecondary(*shortCut)) return ShownCaption(m_actions.At(i).Caption());
  return {};
}

void TShortcutsPage::EditRow(int row) {
  TShortcutDlg dialog(m_host, m_dialogs);
  dialog.CommandHolding = [this](StringView text) { return CommandHolding(text); };
  dialog.StartsEditorSequence = [this](StringView text) {
    const std::optional<TShortCut> shortCut = TextToShortCut(text);
    return shortCut && StartsEditorSequence && StartsEditorSequence(*shortCut);
  };
  const TListItem& item = lvShortcuts.Rows().at(static_cast<std::size_t>(row));
  const std::optional<String> chosen = dialog.Edit(item.caption, RowText(row));
  if (!chosen) return;
  // No two commands share a shortcut.
  if (!chosen->empty())
    for (int other = 0; other < static_cast<int>(lvShortcuts.Rows().size()); ++other)
      if (other != row && RowText(other) == *chosen) SetRowText(other, U"");
  SetRowText(row, *chosen);
}

void TShortcutsPage::ResetToDefaults() {
  for (int i = 0;
       i < static_cast<int>(m_defaults.size()) && i < static_cast<int>(lvShortcuts.Rows().size());
       ++i)
    SetRowText(i, ShortCutToText(m_defaults[static_cast<std::size_t>(i)]));
}

}  // namespace qs
