#include "app/htmlinsertion.h"

#include <algorithm>

#include "app/htmlmarkup.h"
#include "app/insertfilesform.h"
#include "app/insertimageform.h"
#include "app/insertlinkform.h"
#include "app/inserttableform.h"
#include "platform/platform.h"
#include "textmodel/qsstring.h"
#include "textmodel/tstrings.h"
#include "textmodel/updatebracket.h"

namespace qs {

namespace {

constexpr int kHexRunLength = 6;

int HexValue(Char c) {
  if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
  if (c >= U'A' && c <= U'F') return static_cast<int>(c - U'A') + 10;
  if (c >= U'a' && c <= U'f') return static_cast<int>(c - U'a') + 10;
  return -1;
}

// The six-digit run of hexadecimal digits touching column, as its first
// column; none when the run is shorter or longer, or column lies past the text.
std::optional<std::size_t> HexRunAt(StringView line, std::int64_t column) {
  if (line.size() < kHexRunLength || column < 0 || static_cast<std::size_t>(column) > line.size())
    return std::nullopt;
  auto start = static_cast<std::size_t>(column);
  while (start > 0 && HexValue(line[start - 1]) >= 0) --start;
  std::size_t end = start;
  while (end < line.size() && HexValue(line[end]) >= 0) ++end;
  if (end - start != kHexRunLength) return std::nullopt;
  return start;
}

TColor ColorOfRun(StringView digits) {
  const auto part = [&digits](std::size_t i) {
    return HexValue(digits[i]) * 16 + HexValue(digits[i + 1]);
  };
  return MakeColor(part(0), part(2), part(4));
}

}  // namespace

THtmlInsertion::THtmlInsertion(TCustomMemoSource& source, Platform& platform)
    : m_source(source), m_platform(platform) {
  PickColor = [this](TColor& color) { return m_platform.dialogs.ChooseColor(color); };
}

THtmlInsertion::~THtmlInsertion() = default;

// ---- Replacing the selection ------------------------------------------------

THtmlInsertion::TSelectedText THtmlInsertion::Selected() const {
  TSelectedText selected;
  const std::vector<String> lines = m_source.SelectedStoredLines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) selected.text += U"\r\n";
    selected.text += lines[i];
  }
  // The selection's last line break belongs after the markup, not inside it.
  if (lines.size() > 1 && lines.back().empty() && m_source.SelectionType() == stStreamSel) {
    selected.text.resize(selected.text.size() - 2);
    selected.trailingBreaks = U"\r\n";
  }
  return selected;
}

// Markup that holds the selected text as it is goes in around it, so the
// selection itself is never rewritten (its TABs stay TABs whatever the
// editing options); anything else replaces the selection.
void THtmlInsertion::Wrap(const std::function<String(StringView selected)>& build) {
  const TSelectedText selected = Selected();
  const String full = build(selected.text);
  if (!selected.text.empty() && m_source.SelectionType() == stStreamSel) {
    const String empty = build(U"");
    const std::size_t common = static_cast<std::size_t>(
        std::mismatch(full.begin(), full.end(), empty.begin(), empty.end()).first - full.begin());
    const std::size_t at = std::min(common, empty.size());
    if (full.size() == empty.size() + selected.text.size() &&
        full == empty.substr(0, at) + selected.text + empty.substr(at)) {
      InsertAround(empty.substr(0, at), empty.substr(at), !selected.trailingBreaks.empty());
      return;
    }
  }
  ReplaceSelection(full + selected.trailingBreaks);
}

void THtmlInsertion::InsertAround(StringView before, StringView after, bool endsWithBreak) {
  if (m_source.ReadOnly()) return;
  const TUpdateBracket update(m_source, upd::kInsertTextBlock);
  const TPosition begin = m_source.BlockBegin();
  TPosition end = m_source.BlockEnd();
  if (endsWithBreak) end = {end.Line - 1, m_source.LineLength(end.Line - 1)};
  m_source.ClearSelection();
  // The end first, so the beginning stays where it was.
  m_source.SetCaretPos(end.Column, end.Line);
  m_source.InsertText(after);
  m_source.SetCaretPos(begin.Column, begin.Line);
  m_source.InsertText(before);
  const std::int32_t shift = begin.Line == end.Line ? m_source.InsertedWidth() : 0;
  m_source.SetCaretPos(std::int64_t{end.Column} + shift + static_cast<std::int64_t>(after.size()),
                       end.Line);
}

void THtmlInsertion::ReplaceSelection(StringView text) {
  if (m_source.ReadOnly()) return;
  const TUpdateBracket update(m_source, upd::kInsertTextBlock);
  if (m_source.HasSelection()) m_source.DeleteBlock();
  std::vector<String> lines = SplitLines(text);
  if (!text.empty() && (text.back() == U'\n' || text.back() == U'\r')) lines.emplace_back();
  if (lines.empty()) return;
  m_source.InsertBlockLines(std::move(lines), stStreamSel);
  const TPosition end = m_source.BlockEnd();
  m_source.ClearSelection();
  m_source.SetCaretPos(end.Column, end.Line);
}

// ---- Tags around the selection ----------------------------------------------

void THtmlInsertion::Bold() {
  Wrap([](StringView s) { return TagAround(U"B", s); });
}

void THtmlInsertion::Italic() {
  Wrap([](StringView s) { return TagAround(U"I", s); });
}

void THtmlInsertion::Underline() {
  Wrap([](StringView s) { return TagAround(U"U", s); });
}

void THtmlInsertion::ForegroundColor() {
  TColor color = m_lastColor;
  if (!PickColor(color)) return;
  m_lastColor = color;
  Wrap([color](StringView s) { return ForegroundColorMarkup(color, s); });
}

void THtmlInsertion::BackgroundColor() {
  TColor color = m_lastColor;
  if (!PickColor(color)) return;
  m_lastColor = color;
  Wrap([color](StringView s) { return BackgroundColorMarkup(color, s); });
}

void THtmlInsertion::Font() {
  FontSpec font;
  TColor color = clBlack;
  if (!m_platform.dialogs.ChooseFont(font, color)) return;
  Wrap([&font, color](StringView s) { return FontMarkup(font, color, s); });
}

// ---- Dialogs ----------------------------------------------------------------

TInsertTableForm& THtmlInsertion::TableForm() {
  if (!m_tableForm)
    m_tableForm = std::make_unique<TInsertTableForm>(m_platform.forms, m_platform.dialogs);
  return *m_tableForm;
}

TInsertLinkForm& THtmlInsertion::LinkForm() {
  if (!m_linkForm)
    m_linkForm = std::make_unique<TInsertLinkForm>(m_platform.forms, m_platform.dialogs);
  return *m_linkForm;
}

TInsertImageForm& THtmlInsertion::ImageForm() {
  if (!m_imageForm)
    m_imageForm =
        std::make_unique<TInsertImageForm>(m_platform.forms, m_platform.dialogs, m_platform.files);
  return *m_imageForm;
}

TInsertFilesForm& THtmlInsertion::FilesForm() {
  if (!m_filesForm)
    m_filesForm =
        std::make_unique<TInsertFilesForm>(m_platform.forms, m_platform.dialogs, m_platform.files);
  return *m_filesForm;
}

void THtmlInsertion::Table() {
  TInsertTableForm& form = TableForm();
  if (form.ShowModal() != mrOk) return;
  Wrap([&form](StringView) { return form.TableText(); });
}

void THtmlInsertion::Link() {
  TInsertLinkForm& form = LinkForm();
  form.SetAnchorNames(AnchorNames(m_source.SavedText()));
  if (form.ShowModal() != mrOk) return;
  Wrap([&form](StringView s) { return form.LinkText(s); });
}

void THtmlInsertion::Image() {
  TInsertImageForm& form = ImageForm();
  if (form.ShowModal() != mrOk) return;
  Wrap([&form](StringView s) { return String(s) + form.ImageText(); });
}

void THtmlInsertion::Files(const std::string& folder) {
  TInsertFilesForm& form = FilesForm();
  form.Clear(folder);
  if (form.ShowModal() != mrOk) return;
  const String text = form.FilesText();
  if (!text.empty()) ReplaceSelection(text);
}

// ---- The colour selector ------------------------------------------------------

bool THtmlInsertion::FindSelectorColor() {
  const String line = m_source.ExpandedLine(m_source.CaretLine());
  std::optional<TColor> found;
  if (const auto start = HexRunAt(line, m_source.CaretColumn())) {
    found = ColorOfRun(StringView(line).substr(*start, kHexRunLength));
    m_lastColor = *found;
  }
  if (found == m_selectorColor) return false;
  m_selectorColor = found;
  return true;
}

void THtmlInsertion::ChooseSelectorColor() {
  TColor color = m_lastColor;
  if (!PickColor(color)) return;
  const TColor rgb = ColorToRGB(color);
  const String digits = ColorNotation(rgb).substr(1);
  const std::int32_t line = m_source.CaretLine();
  // Digits are one column each, so the run's columns are its expanded place.
  if (const auto start = HexRunAt(m_source.ExpandedLine(line), m_source.CaretColumn())) {
    const auto column = static_cast<std::int32_t>(*start);
    m_source.SelectRange(stStreamSel, column, line, column + kHexRunLength, line);
  } else if (m_source.HasSelection()) {
    m_source.ClearSelection();
  }
  ReplaceSelection(digits);
  m_lastColor = rgb;
  FindSelectorColor();
}

}  // namespace qs
