// The operations behind the commands of the main window, the quick
// settings, and the keys the window takes before the editor.
#include <memory>

#include "app/browserdlg.h"
#include "app/mainform.h"
#include "app/optionsform.h"
#include "app/shortcutspage.h"
#include "app/syntaxlist.h"
#include "app/syntaxschemesform.h"
#include "app/systopt.h"
#include "editor/memoenvoptions.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "textmodel/sourceoptions.h"

namespace qs {

void TMainForm::AttachOperations() {
  TCustomMemoSource& source = m_editor.Source();
  const auto bind = [this](const char* name, std::function<void()> operation) {
    Action(name).SetOperation([this, operation] { RunCommand(operation); });
  };
  bind("FileNewAct", [this] { FileNew(); });
  bind("FileOpenAct", [this] { FileOpen(); });
  bind("FileSaveAct", [this] { FileSave(); });
  bind("FileSaveAsAct", [this] { FileSaveAs(); });
  bind("PrintAct", [this] { FilePrint(); });
  bind("FileExitAct", [this] { Close(); });
  bind("UndoAct", [&source] { source.Undo(); });
  bind("RedoAct", [&source] { source.Redo(); });
  // The control's clipboard keeps the column flag and the rich-text choice.
  bind("CutAct", [this] { m_editor.CutToClipboard(); });
  bind("CopyAct", [this] { m_editor.CopyToClipboard(); });
  bind("PasteAct", [this] { m_editor.PasteFromClipboard(); });
  bind("SelectAllAct", [&source] { source.SelectAll(); });
  bind("IncreaseIndentAct", [&source] { source.IndentBlock(); });
  bind("DecreaseIndentAct", [&source] { source.UnindentBlock(); });
  bind("UpperCaseAct", [&source] { source.UpperCaseBlock(); });
  bind("LowerCaseAct", [&source] { source.LowerCaseBlock(); });
  bind("ToggleCharsetAct", [this] { Charset(!DosCharset()); });
  bind("DosWinAct", [this] { DosToWin(); });
  bind("WinDosAct", [this] { WinToDos(); });
  bind("KoiWinAct", [this] { KoiToWin(); });
  bind("TextHtmlAct", [this] { TextToHtml(); });
  bind("WordWrapAct", [this] { ToggleWordWrap(); });
  bind("AutoIndentAct", [this] { ToggleAutoIndent(); });
  bind("LineNumbersAct", [this] { ToggleLineNumbers(); });
  bind("ShowMarginAct", [this] { ToggleMemoOption(moDrawMargin); });
  bind("HighlightURLsAct", [this] { ToggleHighlightUrls(); });
  bind("ConfigurationAct", [this] { ShowPreferences(); });
  bind("EditorOptionsAct", [this] { ShowEditorProperties(); });
  // Only a catalogue kept in step with the scheme folders can be edited.
  if (dynamic_cast<TSyntaxList*>(&m_schemes) != nullptr)
    bind("EditSyntaxAct", [this] { EditSyntaxSchemes(); });
  bind("AboutAct", [this] {
    m_platform.dialogs.MessageBox(U"Quillon\nAn editor for web pages and scripts.",
                                  U"About Quillon", MsgButtons::OK, MsgIcon::Information);
  });
}

void TMainForm::FilePrint() {
  const auto remember = [this] {
    m_options.SetPrintOptions(static_cast<int>(m_editor.PrintOptions().ToBits()));
    m_options.SetPrintIndent(m_editor.PrintIndent());
  };
  try {
    m_editor.PrintWithDialog();
  } catch (...) {
    remember();
    throw;
  }
  remember();
}

void TMainForm::SetFormsAvailable(bool available) {
  m_formsAvailable = available;
  Action("ConfigurationAct").SetEnabled(available);
  Action("EditorOptionsAct").SetEnabled(available);
  Action("TidyBatchAct").SetEnabled(available);
  Action("HTMLValidatorOptionsAct").SetEnabled(available);
  if (dynamic_cast<TSyntaxList*>(&m_schemes) != nullptr)
    Action("EditSyntaxAct").SetEnabled(available);
}

void TMainForm::EditSyntaxSchemes() {
  auto& catalogue = dynamic_cast<TSyntaxList&>(m_schemes);
  {
    TSyntaxSchemesForm form(m_platform.forms, m_platform.dialogs, catalogue);
    form.ShowModal();
  }
  FillSchemeSelector();
}

void TMainForm::SchemeSaved(const std::string& fileName) {
  auto& catalogue = dynamic_cast<TSyntaxList&>(m_schemes);
  const bool shown = m_schemeIndex > 0 && m_schemeIndex <= catalogue.Count() &&
                     catalogue.Items(m_schemeIndex - 1).FileName() == fileName;
  FillSchemeSelector();
  if (const int entry = catalogue.IndexOfFile(fileName); shown && entry >= 0)
    SyntaxComboBoxChange(entry + 1);
}

void TMainForm::ShowPreferences() {
  TOptionsForm form(m_platform.forms, m_platform.dialogs, m_platform.files, m_options, Desktop());
  form.AddShortcutsPage(m_actions, m_defaultShortCuts).StartsEditorSequence =
      [this](TShortCut shortCut) { return StartsEditorSequence(shortCut); };
  form.ShowModal();
  UpdatePreviewTabCaptions();
}

// ---- Quick settings ---------------------------------------------------------

void TMainForm::ToggleWordWrap() {
  const bool wrap = !m_options.WordWrap();
  m_options.SetWordWrap(wrap);
  m_editor.SetWordWrap(wrap);
  m_editor.SetScrollBars(wrap ? ssVertical : ssBoth);
  Action("WordWrapAct").SetChecked(wrap);
  ApplyEditorOptions();
}

void TMainForm::ToggleLineNumbers() {
  TMemoEnvOptions& env = MemoEnvOptions();
  constexpr TMemoOptions both = SetBit(moDrawGutter) | SetBit(moLineNumbers);
  env.SetOptions(HasOption(env.Options(), moLineNumbers) ? env.Options() & ~both
                                                         : env.Options() | both);
  ApplyEditorOptions();
}

void TMainForm::ToggleMemoOption(TMemoOption option) {
  TMemoEnvOptions& env = MemoEnvOptions();
  env.SetOptions(env.Options() ^ SetBit(option));
  ApplyEditorOptions();
}

void TMainForm::ToggleHighlightUrls() {
  TCustomMemoSource& source = m_editor.Source();
  source.SetHighlightUrls(!source.HighlightUrls());
  m_options.SetHighlightUrls(source.HighlightUrls());
  ApplyEditorOptions();
}

void TMainForm::ToggleAutoIndent() {
  TMemoSourceOptions& editing = TMemoSourceOptions::Instance();
  TStringsOptions options = editing.Options();
  options.Set(soAutoIndent, !options.Has(soAutoIndent));
  editing.SetOptions(options);
  Action("AutoIndentAct").SetChecked(options.Has(soAutoIndent));
}

void TMainForm::ToggleBookmarkShown(int number) {
  m_editor.Source().ToggleBookmark(number);
  TMemoEnvOptions& env = MemoEnvOptions();
  env.SetOptions(env.Options() | SetBit(moDrawGutter) | SetBit(moLineNumbers));
  ApplyEditorOptions();
}

// ---- Keys -----------------------------------------------------------------

bool TMainForm::KeyDown(TKey key, TShiftState shift) {
  const bool sequencePending = EditorKeySequencePending && EditorKeySequencePending();
  if (!sequencePending && HintsKeyDown(key, shift)) return true;
  if (key == vk::Escape) {
    if (HidePopupOnEscape && HidePopupOnEscape()) return true;
    if (!m_options.UseEscKey() || (shift & ssCtrl) != 0 || sequencePending) return false;
    RunCommand([this] { Close(); });
    return true;
  }
  if (sequencePending) return false;
  // The browser's own keys while it shows (Alt+Left, Alt+Right).
  if (!CodeViewShown() && m_browserDlg && m_browserDlg->KeyDown(key, shift)) return true;
  const TShortCut pressed{key, static_cast<TShiftState>(shift & (ssShift | ssCtrl | ssAlt))};
  TAction* action = m_actions.ForShortCut(pressed);
  if (action == nullptr) return false;
  // The command's key stays the command's even while it is disabled, so
  // the editor never runs its own meaning of it instead. The states are
  // brought up to date first: another program may have filled the clipboard
  // since they were last set.
  RefreshCommandStates();
  action->Execute();
  return true;
}

}  // namespace qs
