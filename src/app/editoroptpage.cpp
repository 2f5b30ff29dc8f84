// The "Editor" page: editing options of the documents and of the editors,
// block indent, tab stops and key mapping. Applies only when the user changed
// something on it.
#include <array>

#include "app/formrows.h"
#include "app/optionpages.h"
#include "editor/keymappings.h"
#include "support/utf8.h"
#include "textmodel/sourceoptions.h"
#include "textmodel/tabstops.h"

namespace qs {

namespace {

// Block indents beyond this are refused, as the box's hint says.
constexpr int kMaxBlockIndent = 16;

struct OptionBox {
  const char* name;
  StringView caption;
  bool visible;
  bool inverted;  // checked means the option is absent
  StringView hint;
};

struct SourceBox : OptionBox {
  TStringsOption option;
};
struct MemoBox : OptionBox {
  TMemoOption option;
};

// clang-format off
const std::array<SourceBox, 11> kSourceBoxes = {{
    {{"AutoIndentChk", U"&Auto indent mode", true, false, U"Positions the cursor under the first nonblank character of the preceding nonblank line when you press Enter."}, soAutoIndent},
    {{"SmartTabChk", U"S&mart tab", true, false, U"Tabs to the first non-whitespace character in the preceding line. If Use tab character is enabled, this option is off."}, soSmartTab},
    {{"UseTabCharBox", U"&Use tab character", true, false, U"Inserts tab characters when you press tab in the editor. If not checked, inserts space characters instead of a tab character. If Smart tab is enabled, this option is off."}, soUseTabCharacter},
    {{"BackUnindentChk", U"Backspace &unindents", true, false, U"Aligns the insertion point to the previous indentation level (outdents it) when you press Backspace, if the cursor is on the first nonblank character of a line."}, soBackUnindents},
    {{"CursorEofChk", U"Cursor beyond &EOF", true, false, U"Positions the cursor beyond the end-of-file character."}, soBeyondFileEnd},
    {{"BeyondEolChk", U"&Cursor beyond EOL", true, true, U"Allow cursor to move beyond the end of each line."}, soLimitEOL},
    {{"PersistentBlockChk", U"&Persistent blocks", true, false, U"Keeps marked blocks selected even when the cursor is moved using the arrow keys, until a new block is selected."}, soPersistentBlocks},
    {{"OverwriteBlockChk", U"Over&write blocks", true, false, U"Replaces a marked block of text with whatever is typed next. If Persistent Blocks is also selected, text you enter is appended following the currently selected block."}, soOverwriteBlocks},
    {{"FindTextChk", U"Find te&xt at cursor", true, false, U""}, soFindTextAtCursor},
    {{"GroupUndoChk", U"&Group undo", true, false, U"Undoes your last editing command as well as any subsequent editing commands of the same type, if you press Ctrl+Z, Alt+Backspace or choose Edit->Undo."}, soGroupUndo},
    {{"CutCopyEnabledChk", U"&Force cut and copy enabled", false, false, U""}, soForceCutCopy},
}};

const std::array<MemoBox, 8> kMemoBoxes = {{
    {{"SelectEolChk", U"&Selection beyond EOL", true, true, U"Allow selections beyond the end of each line."}, moSelectOnlyText},
    {{"WrapAtMarginChk", U"W&rap at margin", true, false, U"If word wrap is on, wrap at the right margin instead of at the window width."}, moBreakWordAtMargin},
    {{"DblClickEdit", U"&Double click line", true, false, U"Highlights the line when you double-click any character in the line. If disabled, only the selected word is highlighted."}, moDblClickLine},
    {{"OverCaretChk", U"&Overwrite cursor as block", true, false, U"The insert cursor is a block instead of a vertical line character."}, moOverwriteCaret},
    {{"SyntaxHighlightChk", U"Use s&yntax highlight", false, false, U""}, moColorSyntax},
    {{"MemoEnvOptions", U"Show &line numbers", false, false, U""}, moLineNumbers},
    {{"MemoEnvOptions1", U"S&how line numbers on gutter", false, false, U""}, moLineNumbersOnGutter},
    {{"DisDragChk", U"D&isable dragging", false, false, U""}, moDisableDrag},
}};
// clang-format on

constexpr StringView kBlockIndentHint =
    U"Specify the number of spaces to indent a marked block. The default is 2; the upper limit "
    U"is 16. If you enter a value greater than 16, you will receive an error.";
constexpr StringView kTabStopsHint =
    U"Set tabs that the cursor will move to when you press Tab. Enter one or more integers "
    U"separated by commas. When multiple tab stops are entered, the numbers indicate the "
    U"specific columns in which the tab stops are placed. If each successive tab stop is not "
    U"larger than its predecessor, you will receive an error. When only one tab stop is "
    U"specified, it indicates the number of spaces to jump each time you tab.";

class TEditorOptPage final : public TOptionPage {
 public:
  TEditorOptPage(TTabSheet& sheet, TOptionPageContext& context)
      : m_context(context),
        m_group(sheet.Add<TGroupBox>("EditOptGroup")),
        m_blockIndent(AddRow<TEdit>(sheet, "BlockIndentEdit", U"Block i&ndent:")),
        m_tabStops(AddRow<TEdit>(sheet, "TabStopsEdit", U"&Tab stops:")),
        m_keymap(AddRow<TComboBox>(sheet, "KeymapEdit", U"&Keymapping:")),
        m_hintCaption(sheet.Add<TLabel>("HintCaption")),
        m_hint(sheet.Add<TLabel>("HintLabel")) {
    m_group.SetCaption(U"Editor options:");
    m_hintCaption.SetCaption(U"Hint:");
    m_hint.WordWrap = true;
    for (const SourceBox& box : kSourceBoxes) AddBox(box);
    for (const MemoBox& box : kMemoBoxes) AddBox(box);
    m_blockIndent.SetHint(kBlockIndentHint);
    m_tabStops.SetHint(kTabStopsHint);
    m_keymap.Style = ComboStyle::DropDownList;
    m_keymap.Parent()->SetVisible(false);
    for (TControl* edit : {static_cast<TControl*>(&m_blockIndent),
                           static_cast<TControl*>(&m_tabStops), static_cast<TControl*>(&m_keymap)})
      edit->OnChange = [this](TControl&) { m_modified = true; };
    for (TControl* edit :
         {static_cast<TControl*>(&m_blockIndent), static_cast<TControl*>(&m_tabStops)})
      ShowHintOnEnter(*edit);
    Box("SmartTabChk").OnClick = [this](TControl& box) { Exclusive(box, "UseTabCharBox"); };
    Box("UseTabCharBox").OnClick = [this](TControl& box) { Exclusive(box, "SmartTabChk"); };
  }

  void Load() override {
    const TStringsOptions source = m_context.source.Options();
    for (const SourceBox& box : kSourceBoxes)
      Box(box.name).SetChecked(source.Has(box.option) != box.inverted);
    const TMemoOptions memo = m_context.env.Options();
    for (const MemoBox& box : kMemoBoxes)
      Box(box.name).SetChecked(HasOption(memo, box.option) != box.inverted);
    Box("KeepTrailingBlanksChk").SetChecked(m_context.source.KeepTrailingBlanks());
    m_blockIndent.SetText(FromUtf8(std::to_string(m_context.source.BlockIndent())));
    m_tabStops.SetText(m_context.source.TabStops());
    m_keymap.SetItems(TKeyMappingRegistry::Instance().Names(kMemoKeyboardClass));
    m_keymap.SetText(m_context.env.KeyMapping());
    m_modified = false;
  }

  void Validate() override {
    if (!m_modified) return;
    BoxInteger(m_blockIndent.Text(), 0, kMaxBlockIndent, "Block indent");
    TTabStops stops;
    stops.SetText(m_tabStops.Text());
  }

  void Apply() override {
    if (!m_modified) return;
    TMemoOptions memo = m_context.env.Options();
    for (const MemoBox& box : kMemoBoxes)
      memo = (Box(box.name).Checked() != box.inverted) ? memo | SetBit(box.option)
                                                       : memo & ~SetBit(box.option);
    m_context.env.SetOptions(memo);
    if (!m_keymap.Text().empty()) m_context.env.SetKeyMapping(m_keymap.Text());
    TStringsOptions source = m_context.source.Options();
    for (const SourceBox& box : kSourceBoxes)
      source.Set(box.option, Box(box.name).Checked() != box.inverted);
    m_context.source.SetOptions(source);
    m_context.source.SetKeepTrailingBlanks(Box("KeepTrailingBlanksChk").Checked());
    m_context.source.SetBlockIndent(
        BoxInteger(m_blockIndent.Text(), 0, kMaxBlockIndent, "Block indent"));
    if (!m_tabStops.Text().empty()) m_context.source.SetTabStops(m_tabStops.Text());
  }

 private:
  void AddBox(const OptionBox& option) {
    auto& box = m_group.Add<TCheckBox>(option.name);
    box.SetCaption(option.caption);
    box.SetVisible(option.visible);
    box.SetHint(option.hint);
    box.OnClick = [this](TControl&) { m_modified = true; };
    ShowHintOnEnter(box);
    if (std::string_view(option.name) == "BackUnindentChk") AddKeepTrailingBlanks();
  }
  void AddKeepTrailingBlanks() {
    auto& box = m_group.Add<TCheckBox>("KeepTrailingBlanksChk");
    box.SetCaption(U"&Keep trailing blanks");
    box.SetHint(
        U"When saving a file, the spaces at the end of lines are stripped off. This option "
        U"disables that behaviour, i.e. any trailing spaces are also saved to file.");
    box.OnClick = [this](TControl&) { m_modified = true; };
    ShowHintOnEnter(box);
  }
  // The hint of the control the user is in shows below the options.
  void ShowHintOnEnter(TControl& control) {
    control.OnEnter = [this](TControl& entered) { m_hint.SetCaption(entered.Hint()); };
  }
  TCheckBox& Box(std::string_view name) {
    return *dynamic_cast<TCheckBox*>(m_group.FindDescendant(name));
  }
  // Smart tab and a tab character exclude each other.
  void Exclusive(TControl& box, std::string_view other) {
    m_modified = true;
    if (box.Checked()) Box(other).SetChecked(false);
  }

  TOptionPageContext& m_context;
  TGroupBox& m_group;
  TEdit& m_blockIndent;
  TEdit& m_tabStops;
  TComboBox& m_keymap;
  TLabel& m_hintCaption;
  TLabel& m_hint;
  bool m_modified = false;
};

}  // namespace

std::unique_ptr<TOptionPage> MakeEditorOptPage(TTabSheet& sheet, TOptionPageContext& context) {
  return std::make_unique<TEditorOptPage>(sheet, context);
}

}  // namespace qs
