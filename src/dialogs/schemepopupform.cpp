#include "dialogs/schemepopupform.h"

#include <array>
#include <charconv>

#include "dialogs/blanks.h"
#include "platform/dialogs.h"
#include "support/utf8.h"

namespace qs {

namespace {

struct NamedColor {
  StringView name;
  TColor color;
};

constexpr std::array<NamedColor, 17> kNamedColors{{
    {U"Black", clBlack},
    {U"Maroon", clMaroon},
    {U"Green", clGreen},
    {U"Olive", clOlive},
    {U"Navy", clNavy},
    {U"Purple", clPurple},
    {U"Teal", clTeal},
    {U"Gray", clGray},
    {U"Silver", clSilver},
    {U"Red", clRed},
    {U"Lime", clLime},
    {U"Yellow", clYellow},
    {U"Blue", clBlue},
    {U"Fuchsia", clFuchsia},
    {U"Aqua", clAqua},
    {U"White", clWhite},
    {U"Window", clWindow},
}};

String SizeText(int size) {
  return FromUtf8(std::to_string(size));
}

}  // namespace

void SetColorBox(TComboBox& box, TColor color) {
  std::vector<String> items;
  int index = -1;
  for (const NamedColor& named : kNamedColors) {
    if (named.color == color) index = static_cast<int>(items.size());
    items.emplace_back(named.name);
  }
  if (index < 0) {
    index = static_cast<int>(items.size());
    items.push_back(FromUtf8(ColorToHtml(color)));
  }
  box.SetItems(std::move(items));
  box.SetItemIndex(index);
}

TColor ColorOfBox(const TComboBox& box) {
  for (const NamedColor& named : kNamedColors)
    if (box.Text() == named.name) return named.color;
  const std::string html = ToUtf8(box.Text());
  unsigned rgb = 0;
  if (html.size() == 7 && html[0] == '#' &&
      std::from_chars(html.data() + 1, html.data() + 7, rgb, 16).ptr == html.data() + 7)
    return static_cast<TColor>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
  return clBlack;
}

TSchemePopupForm::TSchemePopupForm(IFormHost& host, IDialogs& dialogs, TPopupKind kind,
                                   std::vector<String> textStyles)
    : TForm(host, "SchemePopup"),
      BlockLabel(Add<TLabel>("BlockLabel")),
      BlockName(Add<TEdit>("BlockName")),
      SelectLabel(Add<TLabel>("SelectLabel")),
      SelectList(Add<TListBox>("SelectList")),
      ParentLabel(Add<TLabel>("ParentLabel")),
      ParentTree(Add<TTreeView>("ParentTree")),
      LeftLabel(Add<TLabel>("LeftLabel")),
      LeftEdit(Add<TEdit>("LeftEdit")),
      RightLabel(Add<TLabel>("RightLabel")),
      RightEdit(Add<TEdit>("RightEdit")),
      PartOfBlock(Add<TCheckBox>("PartOfBlock")),
      StyleGroup(Add<TGroupBox>("StyleGroup")),
      TextStyleLabel(StyleGroup.Add<TLabel>("TextStyleLabel")),
      TextStyle(StyleGroup.Add<TComboBox>("TextStyle")),
      UseDefFont(StyleGroup.Add<TCheckBox>("UseDefFont")),
      FontNameLabel(StyleGroup.Add<TLabel>("FontNameLabel")),
      FontName(StyleGroup.Add<TComboBox>("FontName")),
      FontSizeLabel(StyleGroup.Add<TLabel>("FontSizeLabel")),
      FontSize(StyleGroup.Add<TComboBox>("FontSize")),
      FontColorLabel(StyleGroup.Add<TLabel>("FontColorLabel")),
      FontColor(StyleGroup.Add<TComboBox>("FontColor")),
      FontColorBut(StyleGroup.Add<TButton>("FontColorBut")),
      Bold(StyleGroup.Add<TCheckBox>("Bold")),
      Italic(StyleGroup.Add<TCheckBox>("Italic")),
      Underline(StyleGroup.Add<TCheckBox>("Underline")),
      StrikeOut(StyleGroup.Add<TCheckBox>("StrikeOut")),
      UseDefBack(StyleGroup.Add<TCheckBox>("UseDefBack")),
      BackColorLabel(StyleGroup.Add<TLabel>("BackColorLabel")),
      BackColor(StyleGroup.Add<TComboBox>("BackColor")),
      BackColorBut(StyleGroup.Add<TButton>("BackColorBut")),
      OKBut(Add<TButton>("OKBut")),
      CancelBut(Add<TButton>("CancelBut")),
      m_dialogs(dialogs),
      m_kind(kind) {
  BlockLabel.SetCaption(U"&Block:");
  SelectLabel.SetCaption(U"&Select block:");
  ParentLabel.SetCaption(U"&Parent:");
  LeftLabel.SetCaption(U"&Left Delimiter:");
  RightLabel.SetCaption(U"&Right Delimiter:");
  PartOfBlock.SetCaption(U"Are &part of block");
  TextStyleLabel.SetCaption(U"Te&xt Style:");
  UseDefFont.SetCaption(U"Use Default Font");
  FontNameLabel.SetCaption(U"Font &Name:");
  FontSizeLabel.SetCaption(U"Font Si&ze:");
  FontColorLabel.SetCaption(U"Font &Color:");
  FontColorBut.SetCaption(U"...");
  Bold.SetCaption(U"&Bold");
  Italic.SetCaption(U"&Italic");
  Underline.SetCaption(U"&Underline");
  StrikeOut.SetCaption(U"&Strikeout");
  UseDefBack.SetCaption(U"Use Default Background");
  BackColorLabel.SetCaption(U"Ba&ckground color:");
  BackColorBut.SetCaption(U"...");
  StyleGroup.SetCaption(U"Font Styles:");
  OKBut.SetCaption(U"OK");
  OKBut.Default = true;
  CancelBut.SetCaption(U"Cancel");
  CancelBut.Cancel = true;
  CancelBut.ModalResult = mrCancel;

  textStyles.insert(textStyles.begin(), String(kCustomTextStyle));
  TextStyle.Style = ComboStyle::DropDownList;
  TextStyle.SetItems(std::move(textStyles));
  FontName.SetItems({U"Courier New", U"DejaVu Sans Mono", U"Liberation Mono", U"Monospace"});
  std::vector<String> sizes;
  for (const int size : StyleFontSizes()) sizes.push_back(SizeText(size));
  FontSize.SetItems(std::move(sizes));
  FontColor.Style = ComboStyle::DropDownList;
  BackColor.Style = ComboStyle::DropDownList;
  SetStyle(TStyleFields{});

  TextStyle.OnChange = [this](TControl&) { UpdateStyleEnabling(); };
  UseDefFont.OnClick = [this](TControl&) { UpdateStyleEnabling(); };
  UseDefBack.OnClick = [this](TControl&) { UpdateStyleEnabling(); };
  FontColorBut.OnClick = [this](TControl&) { PickColor(FontColor); };
  BackColorBut.OnClick = [this](TControl&) { PickColor(BackColor); };
  OKBut.OnClick = [this](TControl&) {
    if (TControl* invalid = FirstInvalidField())
      invalid->SetFocus();
    else
      SetModalResult(mrOk);
  };
  ShowFieldsOfKind();
}

bool TSchemePopupForm::HasStyle() const {
  return m_kind == TPopupKind::Style || m_kind == TPopupKind::Delimiter ||
         m_kind == TPopupKind::Pair;
}

void TSchemePopupForm::ShowFieldsOfKind() {
  using K = TPopupKind;
  const bool block = m_kind == K::Block;
  const bool copy = m_kind == K::CopyBlock;
  const bool left = m_kind == K::Delimiter || m_kind == K::Pair || m_kind == K::Text ||
                    m_kind == K::BlockPair || m_kind == K::PrefixPair;
  const bool right = m_kind == K::Pair || m_kind == K::BlockPair || m_kind == K::PrefixPair;
  BlockLabel.SetVisible(block);
  BlockName.SetVisible(block);
  SelectLabel.SetVisible(copy);
  SelectList.SetVisible(copy);
  ParentLabel.SetVisible(block || copy);
  ParentTree.SetVisible(block || copy);
  LeftLabel.SetVisible(left);
  LeftEdit.SetVisible(left);
  RightLabel.SetVisible(right);
  RightEdit.SetVisible(right);
  PartOfBlock.SetVisible(m_kind == K::BlockPair);
  StyleGroup.SetVisible(HasStyle());
  if (m_kind == K::Delimiter) LeftLabel.SetCaption(U"&Delimiter:");
  if (m_kind == K::PrefixPair) {
    LeftLabel.SetCaption(U"Prefix:");
    RightLabel.SetCaption(U"Suffix:");
  }
  SetCaption(block ? U"Block" : copy ? U"Copy Block" : HasStyle() ? U"Style" : U"Edit");
}

void TSchemePopupForm::SetLeftLabel(StringView caption) {
  LeftLabel.SetCaption(caption);
}

void TSchemePopupForm::SetRightLabel(StringView caption) {
  RightLabel.SetCaption(caption);
}

void TSchemePopupForm::SetStyle(const TStyleFields& fields) {
  TextStyle.SetText(fields.textStyle);
  if (TextStyle.ItemIndex() < 0) TextStyle.SetItemIndex(0);
  UseDefFont.SetChecked(fields.useDefFont);
  FontName.SetText(fields.fontName);
  FontSize.SetText(fields.fontSize > 0 ? SizeText(fields.fontSize) : String());
  SetColorBox(FontColor, fields.fontColor);
  Bold.SetChecked(fields.styles & SetBit(fsBold));
  Italic.SetChecked(fields.styles & SetBit(fsItalic));
  Underline.SetChecked(fields.styles & SetBit(fsUnderline));
  StrikeOut.SetChecked(fields.styles & SetBit(fsStrikeOut));
  UseDefBack.SetChecked(fields.useDefBack);
  SetColorBox(BackColor, fields.backColor);
  UpdateStyleEnabling();
}

TStyleFields TSchemePopupForm::Style() const {
  TStyleFields fields;
  fields.textStyle = TextStyle.Text().empty() ? String(kCustomTextStyle) : TextStyle.Text();
  fields.useDefFont = UseDefFont.Checked();
  fields.fontName = FontName.Text();
  fields.fontSize = 0;
  for (const int size : StyleFontSizes())
    if (FontSize.Text() == SizeText(size)) fields.fontSize = size;
  fields.fontColor = ColorOfBox(FontColor);
  fields.styles = (Bold.Checked() ? SetBit(fsBold) : 0) |
                  (Italic.Checked() ? SetBit(fsItalic) : 0) |
                  (Underline.Checked() ? SetBit(fsUnderline) : 0) |
                  (StrikeOut.Checked() ? SetBit(fsStrikeOut) : 0);
  fields.useDefBack = UseDefBack.Checked();
  fields.backColor = ColorOfBox(BackColor);
  return fields;
}

void TSchemePopupForm::UpdateStyleEnabling() {
  const bool ownFont = !UseDefFont.Checked();
  FontNameLabel.SetEnabled(ownFont);
  FontName.SetEnabled(ownFont);
  FontSizeLabel.SetEnabled(ownFont);
  FontSize.SetEnabled(ownFont);
  const bool custom = TextStyle.ItemIndex() <= 0;
  for (TControl* control :
       {static_cast<TControl*>(&FontColorLabel), static_cast<TControl*>(&FontColor),
        static_cast<TControl*>(&FontColorBut), static_cast<TControl*>(&Bold),
        static_cast<TControl*>(&Italic), static_cast<TControl*>(&Underline),
        static_cast<TControl*>(&StrikeOut)})
    control->SetEnabled(custom);
  const bool ownBack = !UseDefBack.Checked();
  BackColorLabel.SetEnabled(ownBack);
  BackColor.SetEnabled(ownBack);
  BackColorBut.SetEnabled(ownBack);
}

TControl* TSchemePopupForm::FirstInvalidField() const {
  if (BlockName.Visible() && IsBlank(BlockName.Text())) return &BlockName;
  if (SelectList.Visible() && SelectList.ItemIndex() < 0) return &SelectList;
  if (ParentTree.Visible() && ParentTree.Enabled() &&
      (!ParentTree.Selected() || (AcceptParent && !AcceptParent(*ParentTree.Selected()))))
    return &ParentTree;
  if (LeftEdit.Visible() && IsBlank(LeftEdit.Text())) return &LeftEdit;
  if (RightEdit.Visible() && IsBlank(RightEdit.Text())) return &RightEdit;
  if (HasStyle() && !UseDefFont.Checked()) {
    if (IsBlank(FontName.Text())) return &FontName;
    if (Style().fontSize == 0) return &FontSize;
  }
  return nullptr;
}

void TSchemePopupForm::PickColor(TComboBox& box) {
  TColor color = ColorOfBox(box);
  if (m_dialogs.ChooseColor(color)) SetColorBox(box, color);
}

}  // namespace qs
