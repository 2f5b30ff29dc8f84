#include "editor/stylepresets.h"

#include <array>
#include <utility>

#include "editor/textstyles.h"
#include "support/collection.h"
#include "support/scopeexit.h"
#include "support/updatebracket.h"

namespace qs {

namespace {

constexpr TFontStyles B = SetBit(fsBold);
constexpr TFontStyles I = SetBit(fsItalic);
constexpr TFontStyles U = SetBit(fsUnderline);

struct Look {
  TColor fore;
  TColor back;
  TFontStyles style = 0;
};

struct PresetRow {
  StringView style;
  std::array<Look, 4> looks;  // Defaults, Classic, Ocean, Twilight
};

constexpr TColor W = clWindow;

// clang-format off
constexpr std::array<PresetRow, 24> kPresetRows = {{
    {U"Whitespace",        {{{clBlack, W}, {clYellow, clNavy}, {clBlack, clAqua}, {W, clBlack}}}},
    {U"String",            {{{clGreen, W}, {clYellow, clNavy}, {clPurple, clAqua}, {clYellow, clBlack}}}},
    {U"Comment",           {{{clGray, W, I}, {clSilver, clNavy, I}, {clTeal, clAqua, I}, {clSilver, clBlack, I}}}},
    {U"Identifier",        {{{clBlack, W}, {clYellow, clNavy}, {clBlue, clAqua}, {W, clBlack}}}},
    {U"Integer",           {{{clRed, W}, {clYellow, clNavy}, {clOlive, clAqua}, {clFuchsia, clBlack}}}},
    {U"Float",             {{{clRed, W}, {clYellow, clNavy}, {clOlive, clAqua}, {clFuchsia, clBlack}}}},
    {U"Hexadecimal",       {{{clRed, W}, {clGreen, W}, {clOlive, clAqua}, {clFuchsia, clBlack}}}},
    {U"Reserved words 1",  {{{clBlack, W, B}, {clWhite, clNavy, B}, {clBlack, clAqua, B}, {clAqua, clBlack, B}}}},
    {U"Reserved words 2",  {{{clBlue, W, B}, {clWhite, clNavy, B}, {clBlack, clAqua, B}, {clAqua, clBlack, B}}}},
    {U"Reserved words 3",  {{{clNavy, W, I}, {clWhite, clNavy, I}, {clBlack, clAqua, I}, {clAqua, clBlack, I}}}},
    {U"Delimiters",        {{{clBlack, W}, {clYellow, clNavy}, {clBlack, clAqua}, {W, clBlack}}}},
    {U"Defines",           {{{clGreen, W}, {clLime, clNavy}, {clTeal, clAqua}, {clSilver, clBlack}}}},
    {U"Assembler",         {{{clGreen, W}, {clLime, clNavy}, {clBlue, clAqua}, {clLime, clBlack}}}},
    {U"Html tags",         {{{clBlue, W}, {clAqua, clNavy}, {clBlue, clAqua}, {clLime, clBlack}}}},
    {U"Html keywords",     {{{clMaroon, W}, {clBlue, W}, {clBlue, W}, {clBlue, W}}}},
    {U"Html preformatted", {{{clBlack, clGray}, {clBlue, W}, {clBlue, W}, {clBlue, W}}}},
    {U"Html params",       {{{clBlue, W}, {clAqua, clNavy}, {clAqua, clNavy}, {clLime, clBlack}}}},
    {U"Url",               {{{clBlue, W, U}, {clAqua, clNavy, U}, {clBlue, clAqua, U}, {clLime, clBlack, U}}}},
    {U"BreakPoint",        {{{W, clRed}, {W, clRed}, {W, clRed}, {W, clRed}}}},
    {U"Error line",        {{{W, clMaroon}, {W, clMaroon}, {W, clMaroon}, {W, clMaroon}}}},
    {U"Marked Block",      {{{W, clNavy}, {clNavy, clSilver}, {clAqua, clBlue}, {clBlack, W}}}},
    {U"Search Match",      {{{clLime, clBlack}, {clAqua, clBlack}, {clAqua, clGray}, {clBlue, clTeal}}}},
    {U"Emphasis",          {{{clBlack, W, B}, {clYellow, clNavy, B}, {clBlue, clAqua, B}, {clWhite, clBlack, B}}}},
    {U"System Variable",   {{{clBlue, W}, {clWhite, clNavy}, {clBlack, clAqua}, {clAqua, clBlack}}}},
}};
// clang-format on

constexpr std::array<StringView, 4> kBuiltInNames = {U"Defaults", U"Classic", U"Ocean",
                                                     U"Twilight"};

TUpdateMemoColors UpdateMemoColorsOf(StringView style) {
  if (style == U"Marked Block") return mcSelection;
  if (style == U"Search Match") return mcSearchMatch;
  return mcNone;
}

bool UsesMemoColor(StringView style) {
  return style != U"BreakPoint" && style != U"Error line" && style != U"Marked Block" &&
         style != U"Search Match";
}

void ApplyColumn(TTextStyles& styles, std::size_t column) {
  for (const PresetRow& row : kPresetRows) {
    auto* style = static_cast<TTextStyle*>(FindItemByName(styles, row.style));
    if (style == nullptr) continue;
    const Look& look = row.looks[column];
    style->Font().SetColor(look.fore);
    style->Font().SetStyle(look.style);
    style->SetColor(look.back);
    style->SetUpdateMemoColors(UpdateMemoColorsOf(row.style));
    style->SetUseMemoColor(UsesMemoColor(row.style));
    style->SetUseMemoFont(false);
  }
}

std::vector<std::pair<String, TTextStylesPreset>>& Presets() {
  static std::vector<std::pair<String, TTextStylesPreset>> presets = [] {
    std::vector<std::pair<String, TTextStylesPreset>> builtIn;
    for (std::size_t column = 0; column < kBuiltInNames.size(); ++column)
      builtIn.emplace_back(String(kBuiltInNames[column]),
                           [column](TTextStyles& styles) { ApplyColumn(styles, column); });
    return builtIn;
  }();
  return presets;
}

}  // namespace

void RegisterTextStylesPreset(StringView name, TTextStylesPreset preset) {
  for (auto& [known, proc] : Presets())
    if (known == name) {
      proc = std::move(preset);
      return;
    }
  Presets().emplace_back(String(name), std::move(preset));
}

std::vector<String> TextStylesPresetNames() {
  std::vector<String> names;
  for (const auto& entry : Presets()) names.push_back(entry.first);
  return names;
}

bool ApplyTextStylesPreset(StringView name, TTextStyles& styles) {
  for (const auto& [known, proc] : Presets())
    if (known == name) {
      UpdateBracket bracket(styles);
      // Styles that take the editor's colour keep the preset's colour too.
      styles.SetApplyingColorScheme(true);
      const ScopeExit applied([&styles] { styles.SetApplyingColorScheme(false); });
      proc(styles);
      return true;
    }
  return false;
}

}  // namespace qs
