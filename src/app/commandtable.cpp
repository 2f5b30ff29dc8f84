#include "app/commandtable.h"

namespace qs {

namespace {

struct CommandRow {
  const char* name;
  const char32_t* category;
  const char32_t* caption;
  TShortCut shortCut;
  const char32_t* hint;
  const char* image;  // an icon theme name; "" for none
  const char32_t* menuCaption = nullptr;
};

constexpr TShortCut Ctrl(TKey key) {
  return {key, ssCtrl};
}
constexpr TShortCut Key(TKey key) {
  return {key, 0};
}
constexpr TKey F(int n) {
  return static_cast<TKey>(vk::F1 + n - 1);
}

// clang-format off
const CommandRow kCommands[] = {
    {"CodeTemplatesAct", U"View", U"Code Templates", Ctrl('J'), U"Code Templates|Insert a code template of the current scheme", ""},
    {"InsertFilesAct", U"View", U"Insert Files...", {}, U"Insert files at cursor position", "insert-text"},
    {"WordWrapAct", U"View", U"Word Wrap", Ctrl('W'), U"Word Wrap|Wrap long lines at the window edge", ""},
    {"AutoIndentAct", U"View", U"Auto Indent", {}, U"Auto Indent|Indent a new line like the one above", ""},
    {"UndoAct", U"Edit", U"&Undo", Ctrl('Z'), U"Undo|Undo the last change", "edit-undo"},
    {"RedoAct", U"Edit", U"&Redo", Ctrl('Y'), U"Redo|Redo the last undone change", "edit-redo"},
    {"CutAct", U"Edit", U"Cu&t", Ctrl('X'), U"Cut|Cut the selection to the clipboard", "edit-cut"},
    {"CopyAct", U"Edit", U"&Copy", Ctrl('C'), U"Copy|Copy the selection to the clipboard", "edit-copy"},
    {"ToggleCodePreviewAct", U"View", U"Toogle Code/Preview", Key(F(11)), U"Toggle Code/Preview|Switch between the code and its preview", ""},
    {"PasteAct", U"Edit", U"&Paste", Ctrl('V'), U"Paste|Paste the clipboard at the cursor", "edit-paste"},
    {"FileNewAct", U"File", U"New", Ctrl('N'), U"New|Start a new document", "document-new"},
    {"SelectAllAct", U"Edit", U"Select &All", Ctrl('A'), U"Select All|Select the whole document", "edit-select-all"},
    {"FileSaveAsAct", U"File", U"Save &As...", {}, U"Save As|Save the document under a new name", "document-save-as"},
    {"IncreaseIndentAct", U"Edit", U"Increase Indent", Ctrl('I'), U"Increase Indent|Indent the selected lines", "format-indent-more"},
    {"DecreaseIndentAct", U"Edit", U"Decrease Indent", Ctrl('D'), U"Decrease Indent|Unindent the selected lines", "format-indent-less"},
    {"FileOpenAct", U"File", U"&Open...", Ctrl('O'), U"Open|Open a document", "document-open"},
    {"FileSaveAct", U"File", U"&Save", Ctrl('S'), U"Save|Save the document", "document-save"},
    {"PrintAct", U"File", U"&Print", Ctrl('P'), U"Print|Print the document", "document-print", U"&Print..."},
    {"LineNumbersAct", U"View", U"Line Numbers", {}, U"Line Numbers|Show or hide the line numbers", ""},
    {"ShowMarginAct", U"View", U"Show Margin", {}, U"Show Margin|Show or hide the right margin", ""},
    {"HighlightURLsAct", U"View", U"Highlight URLs", {}, U"Highlight URLs|Mark web addresses in the text", ""},
    {"TidyAct", U"Tools", U"Validate HTML", {}, U"Validate HTML", ""},
    {"EditorOptionsAct", U"Tools", U"Editor Options...", {}, U"Editor Options|Change the editor options", "preferences-desktop"},
    {"FileExitAct", U"File", U"E&xit", {}, U"Exit|Close the program", "application-exit"},
    {"ToggleCharsetAct", U"Edit", U"DOS Charset", {}, U"DOS Charset|Show the text in the DOS character set", ""},
    {"DosWinAct", U"Convert", U"DOS >> WIN", {}, U"DOS >> WIN", ""},
    {"WinDosAct", U"Convert", U"WIN >> DOS", {}, U"WIN >> DOS", ""},
    {"KoiWinAct", U"Convert", U"KOI >> WIN", {}, U"KOI >> WIN", ""},
    {"UpperCaseAct", U"Convert", U"To Upper Case", Ctrl('U'), U"To Upper Case", ""},
    {"LowerCaseAct", U"Convert", U"To Lower Case", {'U', ssCtrl | ssAlt}, U"To Lower Case", ""},
    {"TextHtmlAct", U"Convert", U"Text to HTML", {}, U"Text to HTML", ""},
    {"FindAct", U"Search", U"&Find...", Ctrl('F'), U"Find|Find text", "edit-find"},
    {"ReplaceAct", U"Search", U"&Replace...", Ctrl('R'), U"Replace|Replace text", "edit-find-replace"},
    {"SearchAgainAct", U"Search", U"Search Again", Key(F(3)), U"Search Again|Repeat the last search", ""},
    {"GoToLineAct", U"Search", U"GoTo Line Number...", Ctrl('G'), U"GoTo Line Number|Jump to a line", "go-jump"},
    {"HTMLValidatorOptionsAct", U"Tools", U"HTML Validator Options...", {}, U"HTML Validator Options", ""},
    {"ConfigurationAct", U"Tools", U"Configuration...", {}, U"Preferences|Change the program's preferences", "preferences-system", U"Preferences..."},
    {"EditSyntaxAct", U"Tools", U"Edit Syntax Schemes...", {}, U"Edit Syntax Schemes|Add, remove and order the syntax schemes", ""},
    {"AboutAct", U"Help", U"&About Quillon...", {}, U"About|About Quillon", "help-about"},
    {"CustomerServiceAct", U"Help", U"Customer Service", {}, U"Customer Service", ""},
    {"InsertFGColorAct", U"Insert", U"Foreground Color...", {}, U"Foreground Color", ""},
    {"InsertBGColorAct", U"Insert", U"Background Color...", {}, U"Background Color", ""},
    {"InsertFontAct", U"Insert", U"Font...", {}, U"Font", ""},
    {"InsertTableAct", U"Insert", U"Table...", {}, U"Table", ""},
    {"InsertBoldAct", U"Insert", U"Bold", Ctrl('B'), U"Bold", "format-text-bold"},
    {"InsertItalicAct", U"Insert", U"Italic", {}, U"Italic", "format-text-italic"},
    {"InsertUnderlineAct", U"Insert", U"Underline", {}, U"Underline", "format-text-underline"},
    {"InsertLinkAct", U"Insert", U"Link...", Ctrl('L'), U"Link", ""},
    {"InsertImageAct", U"Insert", U"Image...", {}, U"Image", ""},
    {"CheckNewVerAct", U"Help", U"Check for new version of Quillon...", {}, U"Check for new version", ""},
    {"PHPRefAct", U"Help", U"&PHP Reference...", {}, U"PHP Reference", ""},
    {"ToggleCodeLocalhostPreviewAct", U"View", U"ToggleCodeLocalhostPreviewAct", Key(F(12)), U"Toggle Code/Preview on Server", ""},
    {"HTMLRefAct", U"Help", U"HT&ML Reference...", {}, U"HTML Reference", ""},
    {"CSSRefAct", U"Help", U"C&SS Reference...", {}, U"CSS Reference", ""},
    {"ShowFuncHintAct", U"View", U"Show Function Hint", {vk::Space, ssShift | ssCtrl}, U"Show Function Hint", ""},
    {"CodeExplorerAct", U"View", U"&Code Explorer", {}, U"Code Explorer", ""},
    {"ReportBugAct", U"Help", U"Report bug", {}, U"Report bug", ""},
    {"TidyBatchAct", U"Tools", U"Batch HTML Validator...", {}, U"Batch HTML Validator", ""},
    {"SaveDesctopAsAct", U"View", U"Save Desktop As...", {}, U"Save Desktop As", ""},
    {"DeleteDesktopAct", U"View", U"Delete...", {}, U"Delete Desktop", ""},
    {"HelpTopicsAct", U"Help", U"Help Topics...", Ctrl(F(1)), U"Help Topics", "help-contents"},
    {"TopicSearchAct", U"Help", U"Topic &Search", Key(F(1)), U"Topic Search|Help on the word at the cursor", ""},
    {"NextMessageAct", U"Tools", U"Next Validator Message", Key(F(4)), U"Next Validator Message|Go to the next message of the HTML validator", ""},
    {"PreviousMessageAct", U"Tools", U"Previous Validator Message", {F(4), ssShift}, U"Previous Validator Message|Go to the previous message of the HTML validator", ""},
};
// clang-format on

}  // namespace

void BuildCommandTable(TActionList& list) {
  for (const CommandRow& row : kCommands) {
    TAction& action = list.Add(row.name, row.category, row.caption);
    action.SetShortCut(row.shortCut);
    action.SetHint(row.hint);
    action.SetImageName(row.image);
    if (row.menuCaption != nullptr) action.SetMenuCaption(row.menuCaption);
  }
  list.Get("FileSaveAct").AddSecondaryShortCut(Key(F(2)));
  for (const char* toggle :
       {"WordWrapAct", "AutoIndentAct", "LineNumbersAct", "ShowMarginAct", "HighlightURLsAct"})
    list.Get(toggle).SetCheckable(true);
}

}  // namespace qs
