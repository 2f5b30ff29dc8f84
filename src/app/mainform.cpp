#include "app/mainform.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "app/binaryprobe.h"
#include "app/browserdlg.h"
#include "app/codetools.h"
#include "app/commandtable.h"
#include "app/desktops.h"
#include "app/desktopservices.h"
#include "app/documentformat.h"
#include "app/functionhints.h"
#include "app/htmlinsertion.h"
#include "app/localwebserver.h"
#include "app/previewfile.h"
#include "app/recoverykeeper.h"
#include "app/schemecatalogue.h"
#include "app/syntaxlist.h"
#include "app/systopt.h"
#include "app/validatoroptions.h"
#include "editor/memoenvoptions.h"
#include "platform/clipboard.h"
#include "platform/filesystem.h"
#include "platform/platform.h"
#include "support/errors.h"
#include "support/guardedcall.h"
#include "support/unicodecase.h"
#include "support/utf8.h"
#include "textmodel/sourceoptions.h"

namespace qs {

namespace {

constexpr const char* kOpenFilter =
    "Open as text (All files)|*|Import HTML (*.HTM, *.HTML)|*.HTM;*.HTML|"
    "Import RTF (*.RTF)|*.RTF";
constexpr const char* kSaveFilter =
    "Save as text (All files)|*|Save HTML (*.HTM, *.HTML)|*.HTM;*.HTML|Save RTF (*.RTF)|*.RTF";
constexpr TMemoOptions kSchemeOptions =
    SetBit(moDrawGutter) | SetBit(moColorSyntax) | SetBit(moLineNumbers);
constexpr TMemoOptions kGutterNumbers = SetBit(moDrawGutter) | SetBit(moLineNumbers);

String FileNamePart(const String& path) {
  const std::size_t slash = path.find_last_of(U"/\\");
  return slash == String::npos ? path : path.substr(slash + 1);
}

std::string FolderPart(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A name has an extension when its file part holds a dot after its first
// character (".profile" is a name, not an extension).
bool HasExtension(const std::string& path) {
  const std::string name = ToUtf8(FileNamePart(FromUtf8(path)));
  const std::size_t dot = name.rfind('.');
  return dot != std::string::npos && dot > 0;
}

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

String Padded(int value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width)
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), ' ');
  return FromUtf8(digits);
}

// A browser cache file is saved under a name of the user's choosing instead.
bool IsBrowserCachePath(const String& name) {
  const String lower = ToLower(name);
  for (const char32_t* cache : {U"\\temporary internet files\\", U"/temporary internet files/"})
    if (lower.find(cache) != String::npos) return true;
  return false;
}

}  // namespace

TMainForm::TMainForm(TQSMemo& editor, ISchemeCatalogue& schemes, Platform& platform,
                     TSysOptions& options, std::vector<std::string> args)
    : m_editor(editor),
      m_schemes(schemes),
      m_platform(platform),
      m_options(options),
      m_args(std::move(args)),
      m_resolver(MemoEnvOptions()) {
  m_loading = true;
  m_parser.SetStyleResolver(&m_resolver);
  m_parser.SetUseGlobalOptions(true);
  m_openDialog.filter = FromUtf8(kOpenFilter);
  m_saveDialog.filter = FromUtf8(kSaveFilter);
  BuildCommandTable(m_actions);
  LoadStoredShortCuts();
  AttachOperations();
  AttachSearch();
  AttachInsertions();
  AttachVendorPages();
  AttachPreviewOperations();
  m_codeTools = std::make_unique<TCodeTools>(*this, platform, TValidatorOptions::Instance());
  m_codeTools->AttachCommands();
  ApplyInitialEditorSettings();
  BuildMenus();
  AttachDesktops();
  AttachHints();
  Charset(false);
  FillSchemeSelector();
  if (auto* catalogue = dynamic_cast<TSyntaxList*>(&m_schemes))
    catalogue->OnSchemeSaved = [this](const std::string& file) { SchemeSaved(file); };
  m_link = m_editor.Source().Listen(
      [this](TCustomMemoSource&, std::int32_t, std::int32_t) { EditorChange(); }, this, false);
  SetDocumentName(String(kUntitled));
  SetModifiedState(false);
  RefreshCommandStates();
  UpdateCaretStatus();
  m_loading = false;
}

TMainForm::~TMainForm() {
  // The browser goes before the copy it shows, the server after both.
  m_browserDlg.reset();
  m_previewFile.reset();
  m_recovery.reset();
  m_link.Reset();
  if (auto* catalogue = dynamic_cast<TSyntaxList*>(&m_schemes)) catalogue->OnSchemeSaved = nullptr;
  if (m_editor.SyntaxParser() == &m_parser) m_editor.SetSyntaxParser(nullptr);
}

void TMainForm::ApplyInitialEditorSettings() {
  TCustomMemoSource& source = m_editor.Source();
  // The editor and its document follow the options of "Editor Properties".
  m_editor.SetUseGlobalOptions(true);
  source.SetBlockOption(bkBoth);
  m_editor.SetLeftIndent(10);
  TMemoEnvOptions& env = MemoEnvOptions();
  env.SetOptions((env.Options() | SetBit(moLeftIndent) | SetBit(moLineNumbersOnGutter)) &
                 ~kGutterNumbers);
  TMemoSourceOptions& editing = TMemoSourceOptions::Instance();
  TStringsOptions editingOptions = editing.Options();
  editingOptions.Exclude(soFindTextAtCursor);
  editing.SetOptions(editingOptions);
  source.SetHighlightUrls(m_options.HighlightUrls());
  m_editor.SetScrollBars(m_options.WordWrap() ? ssVertical : ssBoth);
  m_editor.SetWordWrap(m_options.WordWrap());
  // Tab indents in the editor; it does not move the focus out of it.
  m_editor.SetWantTabs(true);
  // Copy offers RTF beside the text, so a paste into a word processor keeps
  // the colours.
  m_editor.SetClipboardType(cbRtf);
  if (!EditorKeySequencePending)
    EditorKeySequencePending = [this] { return m_editor.SequencePending(); };
  ApplyEditorOptions();
  m_editor.SetPrintOptions(
      TQSPrintOptions::FromBits(static_cast<unsigned>(m_options.PrintOptions())));
  m_editor.SetPrintIndent(m_options.PrintIndent());
  Action("WordWrapAct").SetChecked(m_options.WordWrap());
  Action("AutoIndentAct").SetChecked(editing.Options().Has(soAutoIndent));
}

// The control does not follow the global options by itself yet, so the
// window copies what it needs of them whenever it changes them.
void TMainForm::ApplyEditorOptions() {
  const TMemoEnvOptions& env = MemoEnvOptions();
  m_editor.SetOptions(env.Options());
  m_editor.SetMarginPos(env.MarginPos());
  m_editor.SetGutterWidth(env.GutterWidth());
  Action("LineNumbersAct").SetChecked(HasOption(env.Options(), moLineNumbers));
  Action("ShowMarginAct").SetChecked(HasOption(env.Options(), moDrawMargin));
  Action("HighlightURLsAct").SetChecked(m_editor.Source().HighlightUrls());
}

void TMainForm::FormShow() {
  UpdateCaretStatus();
  const TCommandLine command = ParseCommandLine(m_args, m_platform.files);
  RunCommand([this] { VerifyAssociations(); });
  RunCommand([&] { OpenFile(command.fileName, okText); });
  if (command.print) RunCommand([this] { FilePrint(); });
  if (m_recovery) RunCommand([this] { OfferRecovery(); });
}

// ---- Documents --------------------------------------------------------------

void TMainForm::OpenFile(const std::string& name, int kind) {
  if (!name.empty() && m_platform.files.IsDirectory(name))
    throw Error("\"" + name + "\" is a folder");
  if (kind == okImportHtml || kind == okImportRtf) {
    ImportFile(AbsolutePath(name), kind);
    return;
  }
  if (name.empty()) {
    SetDocumentName(String(kUntitled));
    ClearDocument();
    m_openDialog.fileName.clear();
    m_saveDialog.fileName.clear();
  } else {
    const std::string path = AbsolutePath(name);
    const bool exists = m_platform.files.Exists(path);
    if (exists) ConfirmOpeningBinary(path);
    m_editor.Source().SetEightBitCodePage(m_options.CodePageEncoding());
    m_loading = true;
    try {
      // A name that is not there yet starts a new document, written there
      // on the first save.
      if (exists)
        m_editor.Source().LoadFromFile(path);
      else
        m_editor.Source().LoadFromBytes({});
    } catch (...) {
      m_loading = false;
      throw;
    }
    m_loading = false;
    LeaveRichMode();
    SetDialogDefaults(FolderPart(path), ToUtf8(FileNamePart(FromUtf8(path))));
    SetDocumentPath(path);
    if (exists) m_options.AddRecentFile(path, m_platform.files);
  }
  m_imported = false;
  SetModifiedState(false);
  DocumentIsFile(m_documentPath);
  AutoParser(FromUtf8(name));
  EditorChange();
}

// A file with NUL bytes opens as text only when the user says so (its bytes
// survive an open and save either way); No leaves the current document.
void TMainForm::ConfirmOpeningBinary(const std::string& path) {
  if (!LooksBinary(*m_platform.files.OpenRead(path))) return;
  const String text = U"\"" + FileNamePart(FromUtf8(path)) +
                      U"\" contains NUL bytes and may be a binary file.\n\nOpen it as text anyway?";
  if (m_platform.dialogs.MessageBox(text, String(kProductName), MsgButtons::YesNo,
                                    MsgIcon::Warning) != MsgResult::Yes)
    throw Abort();
}

void TMainForm::SetDialogDefaults(const std::string& folder, const std::string& fileName) {
  m_openDialog.initialDir = folder;
  m_saveDialog.initialDir = folder;
  m_openDialog.fileName = fileName;
  m_saveDialog.fileName = fileName;
}

void TMainForm::ClearDocument() {
  m_loading = true;
  // An empty load: a new document in UTF-8 with LF breaks.
  m_editor.Source().LoadFromBytes({});
  m_loading = false;
  LeaveRichMode();
  m_imported = false;
}

void TMainForm::SetDocumentName(const String& name) {
  SetDocumentPath(name == kUntitled ? std::string() : ToUtf8(name));
}

void TMainForm::SetDocumentPath(const std::string& path) {
  // The path stays the bytes the system gave: a name that is not valid UTF-8
  // is shown decoded but saved to the file it came from.
  m_documentPath = path;
  const String name = path.empty() ? String(kUntitled) : FromUtf8(path);
  m_documentName = name;
  // What a print names as its file.
  m_editor.Source().SetEditedName(path.empty() ? String() : name);
  const String shown = FileNamePart(name);
  m_caption = shown + U" - " + String(kProductName);
  m_appTitle = shown;
  m_previewLoaded = false;
  Changed();
}

void TMainForm::QuerySaveChanges() {
  if (!m_editor.Source().DocModified()) return;
  switch (m_platform.dialogs.Confirm(U"Save changes to " + m_documentName + U"?", true)) {
    case MsgResult::Yes:
      FileSave();
      if (m_editor.Source().DocModified()) throw Abort();
      return;
    case MsgResult::No:
      DocumentDiscarded();
      return;
    default:
      throw Abort();
  }
}

void TMainForm::SetModifiedState(bool modified) {
  TCustomMemoSource& source = m_editor.Source();
  if (source.DocModified() != modified) source.SetDocModified(modified);
  m_panels[1] = modified ? U"Modified" : U"";
  Changed();
}

void TMainForm::FileNew() {
  QuerySaveChanges();
  m_openDialog.fileName.clear();
  m_saveDialog.fileName.clear();
  SetDocumentName(String(kUntitled));
  ClearDocument();
  SetModifiedState(false);
  DocumentIsFile({});
  EditorChange();
}

void TMainForm::FileOpen() {
  QuerySaveChanges();
  const std::optional<FileChoice> choice = m_platform.dialogs.OpenFile(m_openDialog);
  if (!choice || choice->paths.empty()) return;
  m_openDialog.filterIndex = choice->filterIndex;
  OpenFile(choice->paths.front(), choice->filterIndex);
}

bool TMainForm::SaveTextTo(const std::string& name) {
  TCustomMemoSource& source = m_editor.Source();
  source.SaveToFileWithBackup(name);
  source.ResetModified();
  DocumentIsFile(name);
  return true;
}

void TMainForm::FileSave() {
  if (m_documentPath.empty() || m_imported || IsBrowserCachePath(m_documentName)) {
    FileSaveAs();
    return;
  }
  const std::string& path = m_documentPath;
  // A file marked read-only is not replaced behind its mark, not even by
  // someone who may; saving under another name is offered instead.
  if (m_platform.files.Exists(path) && m_platform.files.IsReadOnly(path)) {
    if (m_platform.dialogs.Confirm(m_documentName + U" is read-only. Save it under another name?",
                                   false) != MsgResult::Yes)
      throw Abort();
    FileSaveAs();
    return;
  }
  SaveTextTo(path);
  SetModifiedState(false);
}

void TMainForm::FileSaveAs() {
  const std::optional<FileChoice> choice = m_platform.dialogs.SaveFile(m_saveDialog);
  if (!choice || choice->paths.empty()) return;
  m_saveDialog.filterIndex = choice->filterIndex;
  SaveAsAccepted(*choice);
}

// The overwrite question is asked for the name that will be written, after
// the extension is added, so an existing file is never replaced unasked.
// HTML and RTF are exports: the document stays on its text file (or stays
// untitled), so a later Save never writes plain text over the export.
void TMainForm::SaveAsAccepted(const FileChoice& choice) {
  const bool html = choice.filterIndex == 2;
  const bool exported = html || choice.filterIndex == 3;
  std::string name = AbsolutePath(choice.paths.front());
  if (!m_platform.files.Exists(name) && !HasExtension(name))
    name += exported ? (html ? ".html" : ".rtf") : ".txt";
  if (m_platform.files.Exists(name) &&
      m_platform.dialogs.Confirm(U"OK to overwrite " + FromUtf8(name), true) != MsgResult::Yes)
    return;
  if (exported) {
    html ? m_editor.SaveToHtml(name) : m_editor.SaveToRtf(name);
    return;
  }
  SaveTextTo(name);
  m_imported = false;
  SetDocumentPath(name);
  m_saveDialog.initialDir = FolderPart(name);
  m_saveDialog.fileName = ToUtf8(FileNamePart(FromUtf8(name)));
  SetModifiedState(false);
}

void TMainForm::Reopen(int index) {
  QuerySaveChanges();
  const std::vector<std::string>& recent = m_options.RecentFiles();
  if (index < 0 || index >= static_cast<int>(recent.size())) return;
  const std::string path = recent[static_cast<std::size_t>(index)];
  OpenFile(path, okText);
}

void TMainForm::DropFiles(const std::vector<std::string>& names) {
  if (names.empty()) return;
  QuerySaveChanges();
  OpenFile(names.front(), okText);
}

void TMainForm::RunCommand(const std::function<void()>& command) {
  GuardedCall(ErrorBox(), command);
  RefreshCommandStates();
  Changed();
}

FailureShower TMainForm::ErrorBox() {
  return [this](const std::string& text) { m_platform.dialogs.ShowError(FromUtf8(text)); };
}

// ---- Closing ----------------------------------------------------------------

bool TMainForm::CloseQuery() {
  // Unlike a silent refusal, the user learns why the program stays open.
  return GuardedCall(ErrorBox(), [this] { QuerySaveChanges(); });
}

void TMainForm::Close() {
  if (m_closed || !CloseQuery()) return;
  m_closed = true;
  if (OnClose) OnClose();
}

// ---- Status -------------------------------------------------------------------

void TMainForm::Changed() {
  if (OnStateChange) OnStateChange();
}

void TMainForm::EditorChange() {
  if (m_loading) return;
  m_panels[1] = m_editor.Source().DocModified() ? U"Modified" : U"";
  RefreshCommandStates();
  UpdateCaretStatus();
  Changed();
}

void TMainForm::RefreshCommandStates() {
  const TCustomMemoSource& source = m_editor.Source();
  const bool selected = source.HasSelection() && source.BlockBegin() != source.BlockEnd();
  for (const char* name : {"CutAct", "CopyAct", "UpperCaseAct", "LowerCaseAct", "IncreaseIndentAct",
                           "DecreaseIndentAct"})
    Action(name).SetEnabled(selected);
  Action("UndoAct").SetEnabled(source.CanUndo());
  Action("RedoAct").SetEnabled(source.CanRedo());
  // With RTF offered beside text, rich text alone on the clipboard pastes too.
  Action("PasteAct").SetEnabled(m_editor.CanPaste());
  m_panels[2] = TCustomMemoSource::OverwriteMode() ? U"Overwrite" : U"Insert";
}

void TMainForm::UpdateCaretStatus() {
  const TCustomMemoSource& source = m_editor.Source();
  m_panels[0] =
      U"Line: " + Padded(source.CaretLine() + 1, 3) + U"   Col: " + Padded(source.CaretColumn(), 3);
  m_panels[3] = DocumentFormatText(source);
  if (m_html) m_html->FindSelectorColor();
}

void TMainForm::ShowHint(const String& hint) {
  const String shortHint = hint.substr(0, hint.find(U'|'));
  if (m_statusHint == shortHint) return;
  m_statusHint = shortHint;
  Changed();
}

String TMainForm::GetSelText() const {
  const TCustomMemoSource& source = m_editor.Source();
  if (!source.HasSelection()) return {};
  String text;
  const int count = source.SelectionLineCount();
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += U"\r\n";
    text += source.SelectionLine(i);
  }
  for (int removed = 0; removed < 2 && !text.empty(); ++removed) {
    if (text.back() != U'\r' && text.back() != U'\n') break;
    text.pop_back();
  }
  return text;
}

// ---- Schemes --------------------------------------------------------------------

void TMainForm::FillSchemeSelector() {
  const String current = m_schemeIndex < static_cast<int>(m_schemeItems.size())
                             ? m_schemeItems[static_cast<std::size_t>(m_schemeIndex)]
                             : String();
  m_schemeItems = m_schemes.SelectorItems();
  if (m_schemeItems.empty()) m_schemeItems.push_back(U"None");
  m_schemeIndex = 0;
  const String wanted = ToLower(current);
  for (std::size_t i = 0; i < m_schemeItems.size(); ++i) {
    if (ToLower(m_schemeItems[i]) == wanted) {
      m_schemeIndex = static_cast<int>(i);
      break;
    }
  }
  Changed();
}

void TMainForm::AutoParser(const String& name) {
  SyntaxComboBoxChange(m_schemes.IndexForDocument(name, m_editor.Source()));
}

void TMainForm::SyntaxComboBoxChange(int index) {
  Charset(false);
  TCustomMemoSource& source = m_editor.Source();
  TMemoEnvOptions& env = MemoEnvOptions();
  if (index <= 0 || index >= static_cast<int>(m_schemeItems.size())) {
    // Formats of imported or pasted text stay without a scheme.
    if (m_editor.AttributeParser() == nullptr) m_editor.SetSyntaxParser(nullptr);
    source.SetTemplatesType(kTemplatesNone);
    source.CodeTemplates().Clear();
    env.SetOptions(env.Options() & ~kSchemeOptions);
    m_schemeIndex = 0;
  } else {
    try {
      m_schemes.LoadScheme(index, m_parser);
    } catch (const Error& error) {
      // The document keeps the highlighter it had.
      m_platform.dialogs.ShowError(FromUtf8(error.what()));
      Changed();
      return;
    }
    source.SetTemplatesType(kTemplatesNone);
    env.SetOptions(env.Options() | kSchemeOptions);
    m_editor.SetSyntaxParser(nullptr);
    m_editor.SetSyntaxParser(&m_parser);
    source.CodeTemplates().Assign(m_parser.SyntaxScheme().CodeTemplates());
    source.SetTemplatesType(kTemplatesCustom);
    m_schemeIndex = index;
  }
  ApplyEditorOptions();
  Action("CodeTemplatesAct").SetEnabled(source.CodeTemplates().Count() > 0);
  Changed();
}

}  // namespace qs
