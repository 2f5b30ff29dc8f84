#include "editor/defaultstyles.h"

#include <array>

#include "support/updatebracket.h"

namespace qs {

namespace {

constexpr TFontStyles kPlain = 0;
constexpr TFontStyles kBold = SetBit(fsBold);
constexpr TFontStyles kItalic = SetBit(fsItalic);
constexpr TFontStyles kUnderline = SetBit(fsUnderline);

constexpr std::array<DefaultStyleRow, kDefaultStyleCount> kRows = {{
    {U"Whitespace", clBlack, kPlain, clNone, true, mcNone},
    {U"String", clGreen, kPlain, clNone, true, mcNone},
    {U"Comment", clGray, kItalic, clNone, true, mcNone},
    {U"Identifier", clBlack, kPlain, clNone, true, mcNone},
    {U"Integer", clRed, kPlain, clNone, true, mcNone},
    {U"Float", clRed, kPlain, clNone, true, mcNone},
    {U"Hexadecimal", clRed, kPlain, clNone, true, mcNone},
    {U"Reserved words 1", clBlack, kBold, clNone, true, mcNone},
    {U"Reserved words 2", clBlue, kBold, clNone, true, mcNone},
    {U"Reserved words 3", clNavy, kItalic, clNone, true, mcNone},
    {U"Delimiters", clBlack, kPlain, clNone, true, mcNone},
    {U"Defines", clGreen, kPlain, clNone, true, mcNone},
    {U"Assembler", clGreen, kPlain, clNone, true, mcNone},
    {U"Html tags", clBlue, kPlain, clNone, true, mcNone},
    {U"Html keywords", clMaroon, kPlain, clNone, true, mcNone},
    // Given a background of its own that following the control replaces.
    {U"Html preformatted", clBlack, kPlain, clSilver, true, mcNone},
    {U"Html params", clBlue, kPlain, clNone, true, mcNone},
    {U"Url", clBlue, kUnderline, clNone, true, mcNone},
    {U"BreakPoint", clWindow, kPlain, clRed, false, mcNone},
    {U"Error line", clWindow, kPlain, clMaroon, false, mcNone},
    {U"Marked Block", clWindow, kPlain, clNavy, false, mcSelection},
    {U"Search Match", clLime, kPlain, clBlack, false, mcSearchMatch},
    {U"Emphasis", clBlack, kBold, clNone, true, mcNone},
    {U"System Variable", clBlue, kPlain, clNone, true, mcNone},
}};

void AddRow(TTextStyles& styles, const DefaultStyleRow& row) {
  TTextStyle& style = styles.Add();
  style.SetName(String(row.name));
  style.Font().SetColor(row.fontColor);
  style.Font().SetStyle(row.fontStyle);
  if (row.background != clNone) style.SetColor(row.background);
  if (row.useMemoColor) style.SetUseMemoColor(true);
  // Set explicitly: a row whose font equals the default font never changed it.
  style.SetUseMemoFont(false);
  // Last, so that it cannot refuse the UseMemoColor above.
  style.SetUpdateMemoColors(row.updateMemoColors);
}

}  // namespace

std::span<const DefaultStyleRow> DefaultStyleRows() {
  return kRows;
}

void AddMissingDefaultStyles(TTextStyles& styles) {
  if (styles.Count() >= kDefaultStyleCount) return;
  UpdateBracket bracket(styles);
  for (int i = styles.Count(); i < kDefaultStyleCount; ++i)
    AddRow(styles, kRows[static_cast<std::size_t>(i)]);
}

}  // namespace qs
