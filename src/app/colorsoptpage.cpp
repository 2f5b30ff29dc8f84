// The "Colors" page: the look of each text style, the presets and the colour
// files. Every change goes into the dialog's copy of the options at once.
#include "app/formrows.h"
#include "app/optionpages.h"
#include "editor/colorstyles.h"
#include "editor/stylepresets.h"
#include "platform/dialogs.h"
#include "support/utf8.h"

namespace qs {

namespace {

constexpr StringView kWhitespaceStyle = U"whitespace";

bool IsWhitespaceStyle(StringView name) {
  if (name.size() != kWhitespaceStyle.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const Char c = name[i] >= U'A' && name[i] <= U'Z' ? name[i] + 32 : name[i];
    if (c != kWhitespaceStyle[i]) return false;
  }
  return true;
}

class TColorsOptPage final : public TOptionPage {
 public:
  TColorsOptPage(TTabSheet& sheet, TOptionPageContext& context)
      : m_context(context),
        m_presets(AddRow<TComboBox>(sheet, "ComboBox1", U"Color S&peedSetting:")),
        m_elements(AddRow<TListBox>(sheet, "Elements", U"&Element:")),
        m_foreColor(AddRow<TComboBox>(sheet, "ForeColor", U"&Foreground color:")),
        m_foreButton(
            AddEllipsisButton(*static_cast<TPanel*>(m_foreColor.Parent()), "ForeColorBtn")),
        m_backColor(AddRow<TComboBox>(sheet, "BackColor", U"Ba&ckground color:")),
        m_backButton(
            AddEllipsisButton(*static_cast<TPanel*>(m_backColor.Parent()), "BackColorBtn")),
        m_defaults(sheet.Add<TGroupBox>("DefaultsGroup")),
        m_defFore(AddCaptioned<TCheckBox>(m_defaults, "chkDefFore", U"F&oreground")),
        m_defBack(AddCaptioned<TCheckBox>(m_defaults, "chkDefBack", U"Back&ground")),
        m_attributes(sheet.Add<TGroupBox>("AttributesGroup")),
        m_bold(AddCaptioned<TCheckBox>(m_attributes, "BoldChk", U"&Bold")),
        m_italic(AddCaptioned<TCheckBox>(m_attributes, "ItalicChk", U"&Italic")),
        m_underline(AddCaptioned<TCheckBox>(m_attributes, "UnderLineChk", U"&Underline")),
        m_files(sheet.Add<TPanel>("FilesRow")),
        m_loadButton(AddCaptioned<TButton>(m_files, "LoadBtn", U"&Load...")),
        m_saveButton(AddCaptioned<TButton>(m_files, "SaveBtn", U"Sa&ve...")) {
    m_defaults.SetCaption(U"Use defaults for:");
    m_attributes.SetCaption(U"Text attributes:");
    m_files.Horizontal = true;
    m_presets.Style = ComboStyle::DropDownList;
    m_foreColor.SetItems(ColorBoxItems());
    m_backColor.SetItems(ColorBoxItems());
    m_elements.OnChange = [this](TControl&) { ShowStyle(); };
    m_presets.OnChange = [this](TControl&) { ChoosePreset(); };
    for (TControl* box : {&m_foreColor, &m_backColor})
      box->OnChange = [this](TControl&) { StoreStyle(); };
    for (TControl* box : {&m_defFore, &m_defBack, &m_bold, &m_italic, &m_underline})
      box->OnClick = [this](TControl&) { StoreStyle(); };
    m_foreButton.OnClick = [this](TControl&) { PickColor(m_foreColor); };
    m_backButton.OnClick = [this](TControl&) { PickColor(m_backColor); };
    m_loadButton.OnClick = [this](TControl&) { LoadFile(); };
    m_saveButton.OnClick = [this](TControl&) { SaveFile(); };
  }

  void Load() override {
    m_showing = true;
    m_presets.SetItems(TextStylesPresetNames());
    m_presets.SetText(m_context.env.ColorSchema());
    if (m_presets.ItemIndex() < 0) m_presets.SetItemIndex(0);
    m_showing = false;
    FillElements(0);
  }

  // Everything is in the copy already; the dialog hands it over.
  void Apply() override {}

 private:
  TTextStyles& Styles() { return m_context.env.TextStyles(); }

  TTextStyle* Selected() {
    const int index = m_elements.ItemIndex();
    return index >= 0 && index < Styles().Count() ? &Styles().Items(index) : nullptr;
  }

  void FillElements(int selected) {
    std::vector<String> names;
    for (int i = 0; i < Styles().Count(); ++i) names.push_back(Styles().Items(i).Name());
    m_elements.SetItems(std::move(names));
    m_elements.SetItemIndex(selected);
    ShowStyle();
  }

  void ShowStyle() {
    const TTextStyle* style = Selected();
    if (style == nullptr) return;
    m_showing = true;
    m_foreColor.SetText(ColorBoxText(style->Font().Color()));
    m_backColor.SetText(ColorBoxText(style->Color()));
    m_bold.SetChecked(style->Font().HasStyle(fsBold));
    m_italic.SetChecked(style->Font().HasStyle(fsItalic));
    m_underline.SetChecked(style->Font().HasStyle(fsUnderline));
    m_showing = false;
    ShowDefaults(*style);
  }

  void StoreStyle() {
    TTextStyle* style = Selected();
    if (m_showing || style == nullptr) return;
    // A colour of its own ends the default for it; one being typed is
    // stored once it names a colour.
    const std::optional<TColor> fore = TryColorBoxValue(m_foreColor.Text());
    const std::optional<TColor> back = TryColorBoxValue(m_backColor.Text());
    if (fore && *fore != style->Font().Color()) {
      style->Font().SetColor(*fore);
      style->SetUseMemoFont(false);
      ShowDefaults(*style);
    }
    if (back && *back != style->Color()) {
      style->SetColor(*back);
      ShowDefaults(*style);
      if (IsWhitespaceStyle(style->Name())) FollowFirstStyle();
    }
    TFontStyles font =
        style->Font().Style() & ~(SetBit(fsBold) | SetBit(fsItalic) | SetBit(fsUnderline));
    if (m_bold.Checked()) font |= SetBit(fsBold);
    if (m_italic.Checked()) font |= SetBit(fsItalic);
    if (m_underline.Checked()) font |= SetBit(fsUnderline);
    style->Font().SetStyle(font);
    if (m_defFore.Checked() != style->UseMemoFont()) style->SetUseMemoFont(m_defFore.Checked());
    if (m_defBack.Checked() != style->UseMemoColor()) style->SetUseMemoColor(m_defBack.Checked());
    ShowDefaults(*style);
  }

  // Only the boxes: a colour box may hold what the user is still typing.
  void ShowDefaults(const TTextStyle& style) {
    m_showing = true;
    m_defFore.SetChecked(style.UseMemoFont());
    m_defBack.SetChecked(style.UseMemoColor());
    m_showing = false;
  }

  // The editor's background is the first style's.
  void FollowFirstStyle() {
    if (Styles().Count() > 0) m_context.env.SetColor(Styles().Items(0).Color());
  }

  void PickColor(TComboBox& box) {
    TColor color = ColorToRGB(TryColorBoxValue(box.Text()).value_or(clBlack));
    if (m_context.dialogs.ChooseColor(color)) box.SetText(ColorBoxText(color));
  }

  void ChoosePreset() {
    if (m_showing) return;
    const String name = m_presets.Text();
    if (!ApplyTextStylesPreset(name, Styles())) Styles().Assign(TTextStyles());
    m_context.env.SetColorSchema(name);
    FollowFirstStyle();
    FillElements(std::max(m_elements.ItemIndex(), 0));
  }

  void LoadFile() {
    const std::optional<std::string> path = AskColorFile(false);
    if (!path) return;
    LoadColorStyles(Styles(), *path);
    FollowFirstStyle();
    FillElements(std::max(m_elements.ItemIndex(), 0));
  }

  void SaveFile() {
    if (const std::optional<std::string> path = AskColorFile(true))
      SaveColorStyles(Styles(), *path);
  }

  std::optional<std::string> AskColorFile(bool save) {
    FileDialogOptions options;
    options.title = FromUtf8(save ? kSaveColorStylesTitle : kLoadColorStylesTitle);
    options.filter = FromUtf8(kColorStylesFilter);
    options.defaultExt = std::string(kColorStylesExtension.substr(1));
    options.overwritePrompt = save;
    const std::optional<FileChoice> choice =
        save ? m_context.dialogs.SaveFile(options) : m_context.dialogs.OpenFile(options);
    if (!choice || choice->paths.empty()) return std::nullopt;
    return choice->paths.front();
  }

  TOptionPageContext& m_context;
  TComboBox& m_presets;
  TListBox& m_elements;
  TComboBox& m_foreColor;
  TButton& m_foreButton;
  TComboBox& m_backColor;
  TButton& m_backButton;
  TGroupBox& m_defaults;
  TCheckBox& m_defFore;
  TCheckBox& m_defBack;
  TGroupBox& m_attributes;
  TCheckBox& m_bold;
  TCheckBox& m_italic;
  TCheckBox& m_underline;
  TPanel& m_files;
  TButton& m_loadButton;
  TButton& m_saveButton;
  // Set while the controls are filled from the style.
  bool m_showing = false;
};

}  // namespace

std::unique_ptr<TOptionPage> MakeColorsOptPage(TTabSheet& sheet, TOptionPageContext& context) {
  return std::make_unique<TColorsOptPage>(sheet, context);
}

}  // namespace qs
