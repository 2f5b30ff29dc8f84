// The application's one document window, apart from any toolkit: the editor
// it drives, the document's name and lifecycle (new, open, save, save as,
// reopen, drop, close), its title and status bar, the command table with its
// menus and toolbar, the scheme selector and the keys the window takes before
// the editor. The Qt window shows this state and feeds it the user's input.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/actions.h"
#include "app/commandline.h"
#include "app/menumodel.h"
#include "editor/globalstyleresolver.h"
#include "editor/qsmemo.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "support/colors.h"
#include "support/guardedcall.h"
#include "syntax/qsparser.h"
#include "textmodel/recoveryrecord.h"

namespace qs {

class ILayoutHost;
class ILocalWebServer;
class TFunctionHints;
class ISchemeCatalogue;
class THtmlInsertion;
class TCodeTools;
class TBrowserDlg;
class TDesktops;
enum class TLayoutLoad;
class TDesktopServices;
class TPreviewFile;
class TRecoveryKeeper;
struct TOrphanRecord;
struct TRecoveryOffer;
class TSysOptions;
struct Platform;

inline constexpr StringView kUntitled = U"Untitled";
inline constexpr StringView kProductName = U"Quillon";

// Open dialog filter indexes, as OpenFile's kind.
enum TOpenKind : int { okText = 1, okImportHtml = 2, okImportRtf = 3 };

// One place on the toolbar, left to right.
struct TToolItem {
  enum Kind { Command, Separator, ColorSwatch, SchemeSelector } kind = Command;
  TAction* action = nullptr;
  std::string dropDownMenu;  // "RecentListMenu" or "QuickSettingsMenu"; empty for none
};

class TMainForm {
 public:
  // Everything passed in outlives the window.
  TMainForm(TQSMemo& editor, ISchemeCatalogue& schemes, Platform& platform, TSysOptions& options,
            std::vector<std::string> args);
  ~TMainForm();
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  // The first showing: opens the command line's file and, for "/p", prints it
  // through the print dialog.
  void FormShow();

  // ---- Documents ------------------------------------------------------
  void OpenFile(const std::string& name, int kind);
  void SetDocumentName(const String& name);
  // The document's file as the system names it (bytes, not always UTF-8);
  // empty for an untitled document.
  void SetDocumentPath(const std::string& path);
  const std::string& DocumentPath() const noexcept { return m_documentPath; }
  // Throws qs::Abort when the caller must not go on.
  void QuerySaveChanges();
  void SetModifiedState(bool modified);
  void FileNew();
  void FileOpen();
  void FileSave();
  void FileSaveAs();
  // The print dialog, then the print; the options chosen are kept for the
  // next print and the next run.
  void FilePrint();
  void Reopen(int index);
  void DropFiles(const std::vector<std::string>& names);
  // Runs a command as the user gives it, through the guarded boundary: a
  // silent Abort ends it, an error is shown in the error box, anything else
  // is shown as an internal error and logged.
  void RunCommand(const std::function<void()>& command);

  // ---- Recovery of unsaved changes (mainformrecovery.cpp) -------------------
  // Keeps the document's recovery record in folder from now on; FormShow
  // then offers the records a program that ended left there.
  void EnableRecovery(const std::string& folder);
  // Asks about each record left behind: Recover, Discard or Later.
  void OfferRecovery();
  // The window got the focus back: a file another program changed is
  // reloaded, or the user asked when the document has unsaved changes.
  void WindowActivated();
  const TRecoveryKeeper* Recovery() const noexcept { return m_recovery.get(); }

  // ---- Desktop integration (mainformintegration.cpp) --------------------
  // The associations, "Open with" entry and editor settings, made on first
  // use for the user's desktop folders; tests put their own in first.
  TDesktopServices& Desktop();
  void SetDesktopServices(std::unique_ptr<TDesktopServices> services);
  // At first show: offers to take back extensions another program took.
  void VerifyAssociations();
  // A web page, or a mail address (with or without "mailto:").
  void OpenUrl(const String& address);

  // ---- Closing --------------------------------------------------------
  // The save question; false refuses the close. A failure is shown.
  bool CloseQuery();
  // CloseQuery, then the window closes (OnClose runs).
  void Close();
  bool IsClosed() const noexcept { return m_closed; }
  std::function<void()> OnClose;

  // ---- State the window shows ------------------------------------------
  const String& DocumentName() const noexcept { return m_documentName; }
  const String& Caption() const noexcept { return m_caption; }
  const String& ApplicationTitle() const noexcept { return m_appTitle; }
  // Panels: caret position, "Modified", insert mode, and the document's line
  // break and encoding.
  const String& StatusPanel(int index) const {
    return m_panels.at(static_cast<std::size_t>(index));
  }
  // Non-empty while a hint takes the whole status bar.
  const String& StatusHint() const noexcept { return m_statusHint; }
  void ShowHint(const String& hint);
  // Tells the backend that something it shows has changed.
  std::function<void()> OnStateChange;

  void RefreshCommandStates();
  void UpdateCaretStatus();
  String GetSelText() const;

  // ---- Schemes ----------------------------------------------------------
  const std::vector<String>& SchemeItems() const noexcept { return m_schemeItems; }
  int SchemeIndex() const noexcept { return m_schemeIndex; }
  void FillSchemeSelector();
  void AutoParser(const String& name);
  // What choosing an item of the selector does; a scheme that cannot be
  // read is reported and the previous choice stays.
  void SyntaxComboBoxChange(int index);

  // ---- Text conversions ----------------------------------------------------
  // The DOS display: the editor shows each character as DOS reads its
  // Windows byte, the text unchanged; the status bar takes the tool-tip
  // colour and the command's caption names the mode it switches to.
  void Charset(bool dos);
  bool DosCharset() const;
  TColor StatusBarColor() const noexcept { return m_statusBarColor; }
  // Each changes the whole text in one undo step and does nothing to an
  // empty document.
  void DosToWin();
  void WinToDos();
  void KoiToWin();
  void TextToHtml();

  // ---- Commands, menus, keys ---------------------------------------------
  TActionList& Actions() noexcept { return m_actions; }
  TAction& Action(std::string_view name) { return m_actions.Get(name); }
  TMenuItem& MainMenu() noexcept { return m_mainMenu; }
  const std::vector<TToolItem>& ToolBar() const noexcept { return m_toolBar; }
  // The drop-downs and context menus, rebuilt by their Popup().
  TMenuItem& RecentListMenu() noexcept { return m_recentMenu; }
  TMenuItem& QuickSettingsMenu() noexcept { return m_quickSettings; }
  TMenuItem& EditorMenu() noexcept { return m_editorMenu; }
  TMenuItem& GutterMenu() noexcept { return m_gutterMenu; }
  TMenuItem* MenuNamed(std::string_view name);

  // A key before the editor sees it; true when the window took it. The
  // command shortcuts come first unless the editor is in the middle of a
  // key sequence; Esc closes the window only when nothing else takes it.
  bool KeyDown(TKey key, TShiftState shift);
  // What the editor and the popups say about a key the window might take.
  std::function<bool()> EditorKeySequencePending;  // a key prefix or marking mode
  std::function<bool()> HidePopupOnEscape;         // true when a hint or list closed

  // ---- Preview (mainformpreview.cpp) ----------------------------------------
  // The tab strip: 0 "Code", 1 the preview from a file, 2 the preview
  // through a web server. Choosing a tab runs TabSet1Change.
  int TabIndex() const noexcept { return m_tabIndex; }
  const std::array<String, 3>& TabCaptions() const noexcept { return m_tabCaptions; }
  void UpdatePreviewTabCaptions();
  // The preview copy is written before the tab changes: a failure keeps
  // the current view and is raised.
  void TabSet1Change(int tab);
  void ShowCodeView(bool show);
  void ShowPreview(bool show, bool server);
  std::string PreviewFileName(bool server);
  std::string PreviewUrl(const std::string& file, bool server) const;
  // A usable document root, mapped in the settings or served by the
  // program's own server; asks the user when there is none.
  bool CanPreviewOnServer();
  bool CodeViewShown() const noexcept { return m_tabIndex == 0; }
  // Created by the first preview, kept until the window goes.
  TBrowserDlg* BrowserDlg() noexcept { return m_browserDlg.get(); }
  // While a preview shows, the status bar is one text: the browser's.
  bool StatusSimple() const noexcept { return m_tabIndex != 0; }
  const String& StatusSimpleText() const noexcept { return m_statusSimpleText; }
  // The server offered when no document root is mapped; by default PHP's.
  void SetLocalWebServer(ILocalWebServer& server) { m_localServer = &server; }
  // The folder for copies of documents that have no folder of their own.
  std::function<std::string()> PrivateTempFolder;

  // ---- Shortcuts (mainformshortcuts.cpp) -------------------------------------
  // Every command's built-in shortcut in table order, as it was before the
  // stored ones were applied.
  const std::vector<TShortCut>& DefaultShortCuts() const noexcept { return m_defaultShortCuts; }
  // Writes the commands' shortcuts into the settings: the window is closing.
  void SaveShortCuts();
  // Whether the editor reads the keys as the first of two strokes.
  bool StartsEditorSequence(TShortCut shortCut);

  // ---- Dock panels and desktops (mainformdesktops.cpp) ------------------------
  // The toolkit's side of the panels; without one (nullptr) the layout and
  // desktop commands are disabled.
  void SetLayoutHost(ILayoutHost* host);
  TDesktops& Desktops() noexcept { return *m_desktops; }
  void LoadLayout();
  void LoadDesktop(const String& name);
  void SaveDesktopAs();
  void DeleteDesktop();

  // The preferences dialog needs a form host that can show it.
  void SetFormsAvailable(bool available);

  // Function hints, completion lists and context help (mainformhints.cpp).
  TFunctionHints& Hints() noexcept { return *m_hints; }

  // The HTML insertion commands and the toolbar's colour selector.
  THtmlInsertion& Html() noexcept { return *m_html; }
  // HTML validation and the code explorer (codetools.h).
  TCodeTools& CodeTools() noexcept { return *m_codeTools; }

  TQSMemo& Editor() noexcept { return m_editor; }
  TSyntaxParser& SyntaxParser() noexcept { return m_parser; }
  const FileDialogOptions& OpenDialog() const noexcept { return m_openDialog; }
  const FileDialogOptions& SaveDialog() const noexcept { return m_saveDialog; }

 private:
  // The window's error box, where its commands' failures are shown.
  FailureShower ErrorBox();
  void ApplyInitialEditorSettings();
  void ApplyEditorOptions();
  void AttachOperations();
  void BuildMenus();
  TMenuItem BuildEditorMenu();
  TMenuItem BuildGutterMenu();
  void EditorChange();
  void Changed();
  void SetDialogDefaults(const std::string& folder, const std::string& fileName);
  bool SaveTextTo(const std::string& name);
  void SaveAsAccepted(const FileChoice& choice);
  void ClearDocument();
  // Formatted text read into the document (mainformimport.cpp). The file is
  // the source of the text, not where it is saved: Save asks for a name.
  void ImportFile(const std::string& name, int kind);
  void ReportDroppedFormats(int runs);
  // A document loaded or begun as text leaves the formats of an import.
  void LeaveRichMode();
  void ConfirmOpeningBinary(const std::string& path);
  void ToggleBookmarkShown(int number);
  void ShowPreferences();
  void LoadStoredShortCuts();
  void AttachDesktops();
  void FillDesktopsMenu(TMenuItem& menu);
  void ShowLayoutLoad(TLayoutLoad result, const String& what);
  // "Editor Properties"; the document and the scheme selector follow on OK.
  void ShowEditorProperties();
  void AttachSearch();
  void AttachInsertions();
  void AttachVendorPages();
  void AttachHints();
  bool HintsKeyDown(TKey key, TShiftState shift);
  void Find();
  void ToggleWordWrap();
  void EditSyntaxSchemes();
  // A scheme file was written: the selector follows its name, and the
  // document shows it anew when it uses it.
  void SchemeSaved(const std::string& fileName);
  void ToggleLineNumbers();
  void ToggleMemoOption(TMemoOption option);
  void ToggleHighlightUrls();
  void ToggleAutoIndent();
  TMenuItem BuildFormatMenu();
  // The document is its file now (opened, saved, new).
  void DocumentIsFile(const std::string& path);
  void DocumentDiscarded();
  void OpenRecovered(const TOrphanRecord& record, const TRecoveryOffer& offer);
  void ReloadKeepingView();
  // False for an empty document, which it leaves alone.
  bool ConvertCharset(Char (*convert)(Char));
  void AttachPreviewOperations();
  void CreateBrowserDlg();
  bool StartLocalServer();
  bool ConfigureMapping();
  bool HasMappedServer() const;
  std::string DocumentFolder() const;

  TQSMemo& m_editor;
  ISchemeCatalogue& m_schemes;
  Platform& m_platform;
  TSysOptions& m_options;
  std::vector<std::string> m_args;
  TGlobalStyleResolver m_resolver;
  TSyntaxParser m_parser;
  TListenerLink m_link;

  String m_documentName{kUntitled};
  std::string m_documentPath;
  String m_caption;
  String m_appTitle;
  std::array<String, 4> m_panels;
  String m_statusHint;
  bool m_previewLoaded = false;
  bool m_loading = false;
  bool m_imported = false;  // the document came from an HTML or RTF import
  bool m_closed = false;
  bool m_formsAvailable = true;
  TColor m_statusBarColor = clBtnFace;
  std::string m_recoveryFolder;
  std::unique_ptr<TRecoveryKeeper> m_recovery;
  std::optional<TFileStamp> m_diskStamp;  // the document's file as last read or written

  std::vector<String> m_schemeItems;
  int m_schemeIndex = 0;

  int m_tabIndex = 0;
  std::array<String, 3> m_tabCaptions{U"Code", U"Preview", U"Preview on Server"};
  bool m_readOnlyBeforePreview = false;
  String m_statusSimpleText;
  std::unique_ptr<TPreviewFile> m_previewFile;
  std::unique_ptr<TBrowserDlg> m_browserDlg;
  std::unique_ptr<ILocalWebServer> m_ownServer;
  ILocalWebServer* m_localServer = nullptr;
  bool m_useLocalServer = false;

  FileDialogOptions m_openDialog;
  FileDialogOptions m_saveDialog;

  TActionList m_actions;
  std::vector<TShortCut> m_defaultShortCuts;
  std::unique_ptr<TDesktops> m_desktops;
  TMenuItem m_mainMenu;
  std::vector<TToolItem> m_toolBar;
  TMenuItem m_recentMenu;
  TMenuItem m_quickSettings;
  TMenuItem m_editorMenu;
  TMenuItem m_gutterMenu;
  std::unique_ptr<THtmlInsertion> m_html;
  std::unique_ptr<TDesktopServices> m_desktop;
  std::unique_ptr<TFunctionHints> m_hints;
  std::unique_ptr<TCodeTools> m_codeTools;
};

}  // namespace qs
