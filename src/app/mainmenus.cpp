// The main window's menus and toolbar, built from the command table.
#include <string>

#include "app/documentformat.h"
#include "app/mainform.h"
#include "app/systopt.h"
#include "platform/platform.h"

namespace qs {

namespace {

// An item whose subsystem is not there yet: shown, never enabled.
TMenuItem Unavailable(String caption) {
  TMenuItem item;
  item.caption = std::move(caption);
  item.enabled = false;
  return item;
}

// An item the window gives its handler later, found by its name.
TMenuItem NamedItem(std::string name, String caption) {
  TMenuItem item;
  item.name = std::move(name);
  item.caption = std::move(caption);
  return item;
}

String BookmarkCaption(int digit) {
  return U"Bookmark " + String(1, Char(U'0' + digit));
}

// Digit 0 stands for bookmark 10, as on the keyboard.
int BookmarkNumber(int digit) {
  return digit == 0 ? 10 : digit;
}

}  // namespace

void TMainForm::BuildMenus() {
  const auto act = [this](const char* name) { return TMenuItem::ForAction(Action(name)); };
  const TMenuItem sep = TMenuItem::Separator();

  TMenuItem reopen = TMenuItem::Submenu("ReopenMenu", U"Reopen");
  reopen.onPopup = [this](TMenuItem& menu) {
    FillRecentMenu(m_options, m_platform.files, menu,
                   [this](int index) { RunCommand([this, index] { Reopen(index); }); });
  };
  m_recentMenu = reopen;
  m_recentMenu.name = "RecentListMenu";

  m_mainMenu = TMenuItem::Submenu("MainMenu", U"");
  m_mainMenu.items = {
      TMenuItem::Submenu("FileMenu", U"&File",
                         {act("FileNewAct"), act("FileOpenAct"), reopen, sep, act("FileSaveAct"),
                          act("FileSaveAsAct"), sep, act("PrintAct"), sep, act("FileExitAct")}),
      TMenuItem::Submenu("EditMenu", U"&Edit",
                         {act("UndoAct"), act("RedoAct"), sep, act("CutAct"), act("CopyAct"),
                          act("PasteAct"), act("SelectAllAct"), sep, act("IncreaseIndentAct"),
                          act("DecreaseIndentAct"), sep, act("ToggleCharsetAct")}),
      TMenuItem::Submenu(
          "ViewMenu", U"&View",
          {act("CodeExplorerAct"), sep, act("CodeTemplatesAct"), act("InsertFilesAct"),
           act("WordWrapAct"), act("AutoIndentAct"), NamedItem("SaveLayoutItem", U"Save Layout"),
           NamedItem("LoadLayoutItem", U"Load Layout"), sep,
           TMenuItem::Submenu("DesktopsMenu", U"Desktops",
                              {sep, act("SaveDesctopAsAct"), act("DeleteDesktopAct")})}),
      TMenuItem::Submenu(
          "ConvertMenu", U"&Convert",
          {act("DosWinAct"), act("WinDosAct"), act("KoiWinAct"), sep,
           TMenuItem::Submenu("CaseMenu", U"Case", {act("UpperCaseAct"), act("LowerCaseAct")}), sep,
           act("TextHtmlAct"), sep, BuildFormatMenu(),
           TMenuItem::Command(
               U"Tabs to Spaces",
               [this](TMenuItem&) { RunCommand([this] { m_editor.Source().TabsToSpaces(); }); }),
           TMenuItem::Command(
               U"Spaces to Tabs",
               [this](TMenuItem&) { RunCommand([this] { m_editor.Source().SpacesToTabs(); }); })}),
      TMenuItem::Submenu(
          "SearchMenu", U"&Search",
          {act("FindAct"), act("ReplaceAct"), act("SearchAgainAct"), sep, act("GoToLineAct")}),
      TMenuItem::Submenu("InsertMenu", U"&Insert",
                         {act("InsertFGColorAct"), act("InsertBGColorAct"), act("InsertFontAct"),
                          act("InsertTableAct"), act("InsertBoldAct"), act("InsertItalicAct"),
                          act("InsertUnderlineAct"), act("InsertLinkAct"), act("InsertImageAct")}),
      TMenuItem::Submenu("ToolsMenu", U"&Tools",
                         {act("EditorOptionsAct"), act("ConfigurationAct"), act("EditSyntaxAct"),
                          sep, act("TidyAct"), act("TidyBatchAct"), act("HTMLValidatorOptionsAct"),
                          sep, Unavailable(U"Configuration Wizard...")}),
      TMenuItem::Submenu(
          "HelpMenu", U"&Help",
          {act("HelpTopicsAct"), act("PHPRefAct"), act("HTMLRefAct"), act("CSSRefAct"), sep,
           act("AboutAct"), act("CustomerServiceAct"), act("CheckNewVerAct"), act("ReportBugAct")}),
  };

  m_quickSettings = TMenuItem::Submenu(
      "QuickSettingsMenu", U"",
      {act("WordWrapAct"), act("LineNumbersAct"), act("ShowMarginAct"), act("HighlightURLsAct")});
  m_quickSettings.onPopup = [this](TMenuItem&) {
    Action("WordWrapAct").SetChecked(m_options.WordWrap());
    ApplyEditorOptions();
  };

  m_editorMenu = TMenuItem::Submenu("EditorMenu", U"");
  m_editorMenu.onPopup = [this](TMenuItem& menu) { menu.items = BuildEditorMenu().items; };
  m_editorMenu.Popup();
  m_gutterMenu = TMenuItem::Submenu("GutterMenu", U"");
  m_gutterMenu.onPopup = [this](TMenuItem& menu) { menu.items = BuildGutterMenu().items; };
  m_gutterMenu.Popup();

  const auto tool = [this](const char* name, std::string dropDown = {}) {
    return TToolItem{TToolItem::Command, &Action(name), std::move(dropDown)};
  };
  const TToolItem gap{TToolItem::Separator, nullptr, {}};
  m_toolBar = {tool("FileNewAct"),
               tool("FileOpenAct", "RecentListMenu"),
               tool("FileSaveAct"),
               gap,
               tool("PrintAct"),
               gap,
               tool("CutAct"),
               tool("CopyAct"),
               tool("PasteAct"),
               gap,
               tool("UndoAct"),
               tool("RedoAct"),
               gap,
               tool("DecreaseIndentAct"),
               tool("IncreaseIndentAct"),
               gap,
               tool("EditorOptionsAct", "QuickSettingsMenu"),
               gap,
               TToolItem{TToolItem::ColorSwatch, nullptr, {}},
               TToolItem{TToolItem::SchemeSelector, nullptr, {}}};
}

TMenuItem TMainForm::BuildFormatMenu() {
  TMenuItem menu = TMenuItem::Submenu("LineBreaksMenu", U"Line Breaks");
  menu.onPopup = [this](TMenuItem& self) {
    const TCustomMemoSource& source = m_editor.Source();
    const bool mixed = HasMixedLineBreaks(source);
    self.items.clear();
    if (mixed) self.items.push_back(Unavailable(U"Lines end in mixed breaks"));
    for (TOutFormatType format : {ofUnix, ofWindows, ofMac}) {
      TMenuItem item = TMenuItem::Command(LineBreakCaption(format), [this, format](TMenuItem&) {
        RunCommand([this, format] {
          m_editor.Source().ConvertLineBreaks(format);
          UpdateCaretStatus();
          Changed();
        });
      });
      item.checkable = true;
      item.checked = !mixed && source.OutFormat() == format;
      self.items.push_back(std::move(item));
    }
  };
  menu.Popup();
  return menu;
}

TMenuItem TMainForm::BuildEditorMenu() {
  const auto act = [this](const char* name) { return TMenuItem::ForAction(Action(name)); };
  const TMenuItem sep = TMenuItem::Separator();
  TMenuItem toggle = TMenuItem::Submenu("ToggleBookmarksMenu", U"&Toggle Bookmarks");
  TMenuItem go = TMenuItem::Submenu("GotoBookmarksMenu", U"&Goto Bookmarks");
  for (int digit = 0; digit <= 9; ++digit) {
    const int number = BookmarkNumber(digit);
    toggle.items.push_back(TMenuItem::Command(
        BookmarkCaption(digit), [this, number](TMenuItem&) { ToggleBookmarkShown(number); },
        digit));
  }
  // Listed in digit order, 1 to 9 and then 0, like the keys that set them.
  for (int digit : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}) {
    const int number = BookmarkNumber(digit);
    TPosition at;
    if (!m_editor.Source().GetBookmark(number, at)) continue;
    go.items.push_back(TMenuItem::Command(
        BookmarkCaption(digit),
        [this, number](TMenuItem&) { m_editor.Source().GotoBookmark(number); }, digit));
  }
  go.enabled = !go.items.empty();
  TMenuItem menu = TMenuItem::Submenu("EditorMenu", U"");
  menu.items = {act("TopicSearchAct"),
                sep,
                act("UndoAct"),
                act("RedoAct"),
                sep,
                act("CutAct"),
                act("CopyAct"),
                act("PasteAct"),
                sep,
                act("SelectAllAct"),
                sep,
                toggle,
                go,
                sep,
                act("EditorOptionsAct")};
  return menu;
}

TMenuItem TMainForm::BuildGutterMenu() {
  TMenuItem menu = TMenuItem::Submenu("GutterMenu", U"");
  TMenuItem toggleHeader = Unavailable(U"Toggle");
  menu.items.push_back(toggleHeader);
  menu.items.push_back(TMenuItem::Separator());
  for (int digit = 0; digit <= 9; ++digit) {
    const int number = BookmarkNumber(digit);
    menu.items.push_back(TMenuItem::Command(
        BookmarkCaption(digit),
        [this, number](TMenuItem&) { m_editor.Source().ToggleBookmark(number); }, digit));
  }
  TMenuItem goHeader = Unavailable(U"Go To");
  goHeader.breakColumn = true;
  menu.items.push_back(goHeader);
  menu.items.push_back(TMenuItem::Separator());
  for (int digit = 0; digit <= 9; ++digit) {
    const int number = BookmarkNumber(digit);
    TMenuItem item = TMenuItem::Command(
        BookmarkCaption(digit),
        [this, number](TMenuItem&) { m_editor.Source().GotoBookmark(number); }, digit);
    TPosition at;
    item.enabled = m_editor.Source().GetBookmark(number, at);
    menu.items.push_back(item);
  }
  return menu;
}

TMenuItem* TMainForm::MenuNamed(std::string_view name) {
  for (TMenuItem* root :
       {&m_mainMenu, &m_recentMenu, &m_quickSettings, &m_editorMenu, &m_gutterMenu}) {
    if (root->name == name) return root;
    if (TMenuItem* found = root->Find(name)) return found;
  }
  return nullptr;
}

}  // namespace qs
