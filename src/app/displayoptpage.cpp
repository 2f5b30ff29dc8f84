// The "Display" page: the editor font, the margin and the special symbols.
#include <algorithm>
#include <array>

#include "app/formrows.h"
#include "app/optionpages.h"
#include "app/propcheck.h"
#include "platform/screen.h"
#include "support/errors.h"
#include "support/utf8.h"

namespace qs {

namespace {

constexpr std::array<int, 16> kFontSizes = {8,  9,  10, 11, 12, 14, 16, 18,
                                            20, 22, 24, 26, 28, 36, 48, 72};
// Beyond this a font's pixel height would pass what the editor keeps.
constexpr int kMaxFontSize = 720;

String Decimal(int value) {
  return FromUtf8(std::to_string(value));
}

// A marker box holds one character or none (no marker).
Char MarkerChar(StringView text) {
  if (text.size() > 1) throw Error("'" + ToUtf8(text) + "' is more than one character");
  return text.empty() ? Char(0) : text.front();
}

class TDisplayOptPage final : public TOptionPage {
 public:
  TDisplayOptPage(TTabSheet& sheet, TOptionPageContext& context)
      : m_context(context),
        m_fontName(AddRow<TComboBox>(sheet, "FontNameEdit", U"Editor &font:")),
        m_fontSize(AddRow<TComboBox>(sheet, "FontSizeEdit", U"Si&ze:")),
        m_sample(sheet.Add<TLabel>("SamplePnl")),
        m_useMonoFont(sheet.Add<TQSPropCheck>("pcbUseMonoFont")),
        m_marginGroup(sheet.Add<TGroupBox>("EditMarginGroup")),
        m_marginColor(AddRow<TComboBox>(m_marginGroup, "MarginColorEdit", U"C&olor:")),
        m_marginStyle(AddRow<TComboBox>(m_marginGroup, "MarginStyleEdit", U"S&tyle:")),
        m_marginPos(AddRow<TEdit>(m_marginGroup, "MarginPosEdit", U"&Position:")),
        m_symbolsGroup(sheet.Add<TGroupBox>("SpecSymbsGroup")),
        m_useSymbols(m_symbolsGroup.Add<TQSPropCheck>("pcbUseSpecSymbs")),
        m_eof(AddRow<TEdit>(m_symbolsGroup, "edtSSEOF", U"EOF:")),
        m_eol(AddRow<TEdit>(m_symbolsGroup, "edtSSEOL", U"EOL:")),
        m_space(AddRow<TEdit>(m_symbolsGroup, "edtSSSpace", U"Space:")),
        m_tab(AddRow<TEdit>(m_symbolsGroup, "edtSSTab", U"Tab:")) {
    std::vector<String> sizes;
    for (int size : kFontSizes) sizes.push_back(Decimal(size));
    m_fontSize.SetItems(std::move(sizes));
    m_marginGroup.SetCaption(U"Editor margin:");
    m_symbolsGroup.SetCaption(U"Special Symbols:");
    m_marginColor.SetItems(ColorBoxItems());
    m_marginStyle.Style = ComboStyle::DropDownList;
    std::vector<String> styles;
    for (std::string_view name : kPenStyleNames) styles.push_back(FromUtf8(name));
    m_marginStyle.SetItems(std::move(styles));
    m_useMonoFont.SetCaption(U"&Use mono font");
    m_useSymbols.SetCaption(U"Draw &Special Symbols");
    m_fontName.OnChange = [this](TControl&) { ShowSample(); };
    m_fontSize.OnChange = [this](TControl&) { ShowSample(); };
    m_useSymbols.OnClick = [this](TControl&) { EnableSymbols(); };
    m_useMonoFont.OnClick = [this](TControl&) { FillFonts(); };
  }

  void Load() override {
    TMemoEnvOptions& env = m_context.env;
    m_fontName.SetText(env.Font().Name());
    // A size the list lacks is shown as it is, and kept unless changed.
    m_fontSize.SetText(Decimal(env.Font().Size()));
    m_marginColor.SetText(ColorBoxText(env.MarginPen().Color()));
    m_marginStyle.SetItemIndex(static_cast<int>(env.MarginPen().Style()));
    m_marginPos.SetText(Decimal(env.MarginPos()));
    m_useMonoFont.SetPropName("UseMonoFont");
    m_useMonoFont.SetComponent(&env);
    FillFonts();
    m_useSymbols.SetPropName("Options.moDrawSpecialSymbols");
    m_useSymbols.SetComponent(&env);
    TSpecialSymbols& symbols = env.SpecialSymbols();
    m_eof.SetText(symbols.EOFString());
    m_eol.SetText(symbols.EOLString());
    m_space.SetText(symbols.SpaceChar() == 0 ? String() : String(1, symbols.SpaceChar()));
    m_tab.SetText(symbols.TabChar() == 0 ? String() : String(1, symbols.TabChar()));
    EnableSymbols();
    ShowSample();
  }

  void Validate() override {
    ColorBoxValue(m_marginColor.Text());
    BoxInteger(m_marginPos.Text(), 0, TMemoEnvOptions::kMaxMarginPos, "Margin position");
    BoxInteger(m_fontSize.Text(), 1, kMaxFontSize, "Font size");
    if (m_fontName.Text().empty()) throw Error("The font name cannot be blank.");
    TSpecialSymbols trial;
    trial.SetEOFString(m_eof.Text());
    trial.SetEOLString(m_eol.Text());
    MarkerChar(m_space.Text());
    MarkerChar(m_tab.Text());
  }

  void Apply() override {
    TMemoEnvOptions& env = m_context.env;
    env.MarginPen().SetColor(ColorBoxValue(m_marginColor.Text()));
    if (m_marginStyle.ItemIndex() >= 0)
      env.MarginPen().SetStyle(static_cast<TPenStyle>(m_marginStyle.ItemIndex()));
    env.SetMarginPos(
        BoxInteger(m_marginPos.Text(), 0, TMemoEnvOptions::kMaxMarginPos, "Margin position"));
    env.Font().SetName(m_fontName.Text());
    env.Font().SetSize(BoxInteger(m_fontSize.Text(), 1, kMaxFontSize, "Font size"));
    TSpecialSymbols& symbols = env.SpecialSymbols();
    symbols.SetEOFString(m_eof.Text());
    symbols.SetEOLString(m_eol.Text());
    symbols.SetSpaceChar(MarkerChar(m_space.Text()));
    symbols.SetTabChar(MarkerChar(m_tab.Text()));
  }

 private:
  // The installed fonts (fixed-pitch ones while "Use mono font" is on). The
  // name in the box stays, listed or not, so an untouched name is kept.
  void FillFonts() {
    const String current = m_fontName.Text();
    std::vector<String> names;
    if (m_context.screen) names = m_context.screen->FontFamilies(m_useMonoFont.Checked());
    if (std::find(names.begin(), names.end(), current) == names.end()) names.push_back(current);
    std::sort(names.begin(), names.end());
    m_fontName.SetItems(std::move(names));
    m_fontName.SetText(current);
  }

  void EnableSymbols() {
    for (TControl* row : {m_eof.Parent(), m_eol.Parent(), m_space.Parent(), m_tab.Parent()})
      row->SetEnabled(m_useSymbols.Checked());
  }
  void ShowSample() {
    m_sample.SetCaption(U"AaBbYyZz (" + m_fontName.Text() + U", " + m_fontSize.Text() + U")");
  }

  TOptionPageContext& m_context;
  TComboBox& m_fontName;
  TComboBox& m_fontSize;
  TLabel& m_sample;
  TQSPropCheck& m_useMonoFont;
  TGroupBox& m_marginGroup;
  TComboBox& m_marginColor;
  TComboBox& m_marginStyle;
  TEdit& m_marginPos;
  TGroupBox& m_symbolsGroup;
  TQSPropCheck& m_useSymbols;
  TEdit& m_eof;
  TEdit& m_eol;
  TEdit& m_space;
  TEdit& m_tab;
};

}  // namespace

std::unique_ptr<TOptionPage> MakeDisplayOptPage(TTabSheet& sheet, TOptionPageContext& context) {
  return std::make_unique<TDisplayOptPage>(sheet, context);
}

}  // namespace qs
