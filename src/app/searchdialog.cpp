#include "app/searchdialog.h"

#include "app/regexfragments.h"
#include "platform/dialogs.h"
#include "platform/helpviewer.h"
#include "platform/platform.h"

namespace qs {

namespace {

template <class T>
T* AddIf(TControl& parent, bool wanted, std::string name) {
  return wanted ? &parent.Add<T>(std::move(name)) : nullptr;
}

}  // namespace

TSearchDialog::TSearchDialog(const TSearchDialogContext& context, bool replace)
    : TForm(context.platform.forms, replace ? "ReplDialog" : "SrchDialog"),
      SearLabel(Add<TLabel>("SearLabel")),
      SearRow(Add<TPanel>("SearRow")),
      SearText(SearRow.Add<TComboBox>("SearText")),
      FragmentBut(SearRow.Add<TMenuButton>("FragmentBut")),
      ReplLabel(AddIf<TLabel>(*this, replace, "ReplLabel")),
      ReplTextBox(AddIf<TComboBox>(*this, replace, "ReplText")),
      OptionsGroup(Add<TGroupBox>("OptionsGroup")),
      CaseSens(OptionsGroup.Add<TCheckBox>("CaseSens")),
      WholeWord(OptionsGroup.Add<TCheckBox>("WholeWord")),
      RegExpr(OptionsGroup.Add<TCheckBox>("RegExpr")),
      PromptReplBox(AddIf<TCheckBox>(OptionsGroup, replace, "PromptRepl")),
      DirectionGroup(Add<TGroupBox>("DirectionGroup")),
      dirForward(DirectionGroup.Add<TRadioButton>("dirForward")),
      dirBackward(DirectionGroup.Add<TRadioButton>("dirBackward")),
      ScopeGroup(Add<TRadioGroup>("ScopeGroup")),
      OriginGroup(Add<TRadioGroup>("OriginGroup")),
      OKBut(Add<TButton>("OKBut")),
      ReplAllBut(AddIf<TButton>(*this, replace, "ReplBut")),
      CancelBut(Add<TButton>("CancelBut")),
      m_platform(context.platform),
      m_helpFolder(context.helpFolder) {
  SetCaption(replace ? U"Replace Text" : U"Find Text");
  SearLabel.SetCaption(U"&Text to find:");
  SearRow.Horizontal = true;
  FragmentBut.SetCaption(U"\u25B8");
  FragmentBut.SetHint(U"Regular expression fragments");
  std::vector<String> captions;
  for (const TRegexFragment& fragment : RegexFragments()) captions.emplace_back(fragment.caption);
  FragmentBut.SetItems(std::move(captions));
  FragmentBut.OnChoose = [this](TMenuButton&, int index) { FragmentChosen(index); };
  OptionsGroup.SetCaption(U"Options");
  CaseSens.SetCaption(U"&Case sensitive");
  WholeWord.SetCaption(U"&Whole words only");
  RegExpr.SetCaption(U"Regular e&xpressions");
  DirectionGroup.SetCaption(U"Direction");
  dirForward.SetCaption(U"Forwar&d");
  dirBackward.SetCaption(U"&Backward");
  ScopeGroup.SetCaption(U"Scope");
  ScopeGroup.SetItems({U"&Global", U"&Selected text"});
  OriginGroup.SetCaption(U"Origin");
  OriginGroup.SetItems({U"&From cursor", U"&Entire scope"});
  OKBut.SetCaption(U"OK");
  OKBut.Default = true;
  OKBut.ModalResult = mrOk;
  OKBut.OnClick = [this](TControl&) { Accept(false); };
  CancelBut.SetCaption(U"Cancel");
  CancelBut.Cancel = true;
  CancelBut.ModalResult = mrCancel;
  if (replace) {
    ReplLabel->SetCaption(U"&Replace with:");
    PromptReplBox->SetCaption(U"&Prompt on replace");
    ReplAllBut->SetCaption(U"Replace &All");
    ReplAllBut->ModalResult = mrAll;
    ReplAllBut->OnClick = [this](TControl&) { Accept(true); };
  }

  m_options.Assign(TSearchOptions::Instance());
  ShowOptions();
  const std::string prefix = Name();
  m_searchHistory = std::make_unique<TEditHistory>(SearText, context.settings, prefix + "SearText");
  if (replace)
    m_replaceHistory =
        std::make_unique<TEditHistory>(*ReplTextBox, context.settings, prefix + "ReplText");
  // The text starts selected, so typing replaces what the dialog was seeded with.
  OnShow = [this](TForm&) {
    SearText.SetFocus();
    SearText.SetSelection(0, static_cast<int>(SearText.Text().size()));
  };
}

// The histories go first: they write back what the boxes hold.
TSearchDialog::~TSearchDialog() {
  m_replaceHistory.reset();
  m_searchHistory.reset();
}

void TSearchDialog::ShowOptions() {
  SearText.SetText(m_options.TextToFind());
  CaseSens.SetChecked(m_options.CaseSensitive());
  WholeWord.SetChecked(m_options.WholeWordsOnly());
  RegExpr.SetChecked(m_options.RegularExpr());
  (m_options.Direction() == sdBackward ? dirBackward : dirForward).SetChecked(true);
  ScopeGroup.SetItemIndex(m_options.Scope() == ssSelectedText ? 1 : 0);
  OriginGroup.SetItemIndex(m_options.Origin() == soEntireScope ? 1 : 0);
  if (ReplTextBox) {
    ReplTextBox->SetText(m_options.ReplaceWith());
    PromptReplBox->SetChecked(m_options.PromptOnReplace());
  }
}

void TSearchDialog::TakeOptions(bool replaceAll) {
  m_options.SetTextToFind(SearText.Text());
  m_options.SetCaseSensitive(CaseSens.Checked());
  m_options.SetWholeWordsOnly(WholeWord.Checked());
  m_options.SetRegularExpr(RegExpr.Checked());
  m_options.SetDirection(dirBackward.Checked() ? sdBackward : sdForward);
  m_options.SetScope(ScopeGroup.ItemIndex() == 1 ? ssSelectedText : ssGlobal);
  m_options.SetOrigin(OriginGroup.ItemIndex() == 1 ? soEntireScope : soFromCursor);
  if (ReplTextBox) {
    m_options.SetReplaceWith(ReplTextBox->Text());
    m_options.SetPromptOnReplace(PromptReplBox->Checked());
    m_options.SetReplaceAll(replaceAll);
  }
}

void TSearchDialog::Accept(bool replaceAll) {
  if (SearText.Text().empty()) {
    SetModalResult(mrNone);
    m_platform.dialogs.ShowError(String(kBlankSearchMessage));
    SearText.SetFocus();
    return;
  }
  TakeOptions(replaceAll);
  TSearchOptions::Instance().Assign(m_options);
  for (TEditHistory* history : {m_searchHistory.get(), m_replaceHistory.get()}) {
    if (!history) continue;
    history->AddCurrent();
    history->Save();
  }
}

void TSearchDialog::FragmentChosen(int index) {
  const TRegexFragment& fragment = RegexFragments()[static_cast<std::size_t>(index)];
  if (!fragment.text) {
    if (m_platform.help.IsAvailable()) m_platform.help.ShowTopic(m_helpFolder, kRegexHelpTopic);
    return;
  }
  if (SearText.Focused()) {
    SearText.SetSelText(fragment.text);
  } else {
    SearText.SetText(SearText.Text() + fragment.text);
    SearText.SetSelection(static_cast<int>(SearText.Text().size()), 0);
  }
  RegExpr.SetChecked(true);
}

}  // namespace qs
