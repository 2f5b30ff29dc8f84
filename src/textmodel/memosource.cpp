// Construction, options, line access and the program-wide options of a document.
#include <algorithm>

#include "support/errors.h"
#include "textmodel/qsstring.h"
#include "textmodel/sourceoptions.h"
#include "textmodel/textload.h"
#include "textmodel/updatebracket.h"

namespace qs {

TCustomMemoSource::TCustomMemoSource()
    : m_lines(std::make_unique<TExternalStrings>(*this)),
      m_selectionLines(std::make_unique<TSelectionStrings>(*this)) {
  m_strings.SetItemFactory([this] { return GetStringItemClass(); });
  m_strings.SetExpander([this](StringView s) { return m_tabStops.Expand(s); });
  m_strings.SetChangeLog(&m_lineChanges);
  SetDelimeters(U"");
  const auto check = [this](const TTrackedPosition& p, bool& column, bool& line) {
    CheckBlockShift(p, column, line);
  };
  m_blockBegin.OnCheckShift = check;
  m_blockEnd.OnCheckShift = check;
  m_blockBegin.ShiftsAtCaret = true;
  RegisterSource(this);
}

TCustomMemoSource::~TCustomMemoSource() {
  UnregisterSource(this);
  if (m_parser) m_parser->RemoveClient(this);
}

std::unique_ptr<TStringItem> TCustomMemoSource::GetStringItemClass() const {
  return std::make_unique<TStringItem>();
}

void TCustomMemoSource::CheckBlockShift(const TTrackedPosition& p, bool& column, bool& line) const {
  // A column block keeps its rectangle while text moves inside its lines, and
  // moves down or up with its text when lines above it come or go.
  column = m_selType != stBlockSel;
  line = column || p.Line > m_editAt.Line;
}

// ---- Lines ----------------------------------------------------------------

std::int32_t TCustomMemoSource::LineLength(std::int32_t line) const {
  return m_tabStops.ExpandedLength(StoredLine(line));
}

std::int32_t TCustomMemoSource::TrimmedLineLength(std::int32_t line) const {
  const StringView text = StoredLine(line);
  return m_tabStops.IndexToColumn(text, static_cast<std::int64_t>(TrimmedSize(text)));
}

bool TCustomMemoSource::IsLineReadOnly(std::int32_t line) const {
  const TStringItem* item = GetLineItem(line);
  return item && item->IsReadOnly();
}

bool TCustomMemoSource::CanEditLine(std::int32_t line) const {
  return !GetReadOnly() && CanEdit() && !IsLineReadOnly(line);
}

void TCustomMemoSource::SetLineReadOnly(std::int32_t line, bool readOnly) {
  TStringItem* item = GetLineItem(line);
  if (!item || item->IsReadOnly() == readOnly) return;
  const TUpdateBracket update(*this, upd::kRepaintLine);
  item->SetFlag(kLineReadOnly, readOnly);
  AddChanges({msBlockChanged});
  MarkDirty(line, line);
}

int TCustomMemoSource::GetLineStyle(std::int32_t line) const {
  const TStringItem* item = GetLineItem(line);
  return item ? item->LineStyle : 0;
}

void TCustomMemoSource::SetLineStyle(std::int32_t line, int style) {
  TStringItem* item = GetLineItem(line);
  if (!item || item->LineStyle == style) return;
  const TUpdateBracket update(*this, upd::kRepaintLine);
  item->LineStyle = static_cast<std::uint8_t>(std::clamp(style, 0, 255));
  AddChanges({msBlockChanged});
  MarkDirty(line, line);
}

bool TCustomMemoSource::HasGutterImage(std::int32_t line, int n) const {
  const TStringItem* item = GetLineItem(line);
  return item && n >= 0 && n < 32 && (item->GutterImages >> n & 1u) != 0;
}

void TCustomMemoSource::SetGutterImage(std::int32_t line, int n, bool shown) {
  TStringItem* item = GetLineItem(line);
  if (!item || n < 0 || n >= 32 || HasGutterImage(line, n) == shown) return;
  const TUpdateBracket update(*this, upd::kRepaintLine);
  item->GutterImages ^= 1u << n;
  AddChanges({msBlockChanged});
  MarkDirty(line, line);
}

void TCustomMemoSource::CopyTextTo(TStrings& target, bool selectionOnly) const {
  target.BeginUpdate();
  target.Clear();
  const bool exclude = HasOption(soExcludeReadOnlyLines);
  if (selectionOnly) {
    const int count = SelectionLineCount();
    for (int i = 0; i < count; ++i)
      if (!exclude || !IsLineReadOnly(BlockBegin().Line + i)) target.Add(SelectionLine(i));
  } else {
    for (std::int32_t i = 0; i < LineCount(); ++i)
      if (!exclude || !IsLineReadOnly(i)) target.Add(ExpandedLine(i));
  }
  target.EndUpdate();
}

String TCustomMemoSource::StoringConversion(StringView text) const {
  return ConvertForStoring(text, HasOption(soUseTabCharacter), m_spacesInTab);
}

// ---- Options --------------------------------------------------------------

void TCustomMemoSource::SetOptions(TStringsOptions options) {
  const bool hadTabs = m_options.Has(soUseTabCharacter);
  // Storing TABs and the smart tab exclude each other; the newly chosen one wins.
  if (options.Has(soUseTabCharacter) && !hadTabs)
    options.Exclude(soSmartTab);
  else if (hadTabs && options.Has(soSmartTab))
    options.Exclude(soUseTabCharacter);
  const bool beyondOff = m_options.Has(soBeyondFileEnd) && !options.Has(soBeyondFileEnd);
  m_options = options;
  if (beyondOff && m_caret.Line > std::max(LineCount() - 1, 0)) JumpToFileEnd();
}

void TCustomMemoSource::SetSpacesInTab(int n) {
  m_spacesInTab = n <= 0 || n > 10 ? 8 : n;
}

void TCustomMemoSource::SetTabStops(StringView text) {
  const String before = m_tabStops.Text();
  m_tabStops.SetText(text);
  // Stored TABs may exist whatever the options say, so their expansion changed
  // either way. The text itself did not: views rebuild, the document stays unmodified.
  if (m_tabStops.Text() != before) ResetHighlighting();
}

void TCustomMemoSource::SetDelimeters(StringView text) {
  m_delimeters.assign(text);
  m_delimiterSet.reset();
  for (int c = 0; c <= 32; ++c) m_delimiterSet.set(static_cast<std::size_t>(c));
  for (Char c : text)
    if (c < 256) m_delimiterSet.set(c);
}

bool TCustomMemoSource::IsDelimiterChar(Char c) const noexcept {
  if (c < 256) return m_delimiterSet.test(c);
  return m_delimeters.find(c) != String::npos;
}

bool TCustomMemoSource::IsDelimiter(StringView text, std::int64_t pos) const noexcept {
  if (pos < 1 || pos > static_cast<std::int64_t>(text.size())) return false;
  return IsDelimiterChar(text[static_cast<std::size_t>(pos - 1)]);
}

void TCustomMemoSource::SetBlockOption(TBlockOption option) {
  m_blockOption = option;
  if (HasSelection()) SetSelectionType(m_selType);
}

void TCustomMemoSource::SetReadOnly(bool readOnly) {
  if (m_readOnly == readOnly) return;
  const TUpdateBracket update(*this, upd::kReadOnly);
  m_readOnly = readOnly;
  AddChanges({msReadOnlyChanged});
}

void TCustomMemoSource::SetEditedName(StringView name) {
  if (m_editedName == name) return;
  const TUpdateBracket update(*this, upd::kNone);
  m_editedName.assign(name);
  AddChanges({msObjNameChanged});
}

void TCustomMemoSource::SetUseGlobalOptions(bool use) {
  m_useGlobalOptions = use;
  if (use) ApplyGlobalOptions();
}

void TCustomMemoSource::ApplyGlobalOptions() {
  const TMemoSourceOptions& global = TMemoSourceOptions::Instance();
  SetOptions(global.Options());
  try {
    SetTabStops(global.TabStops());
  } catch (const Error&) {
    // A bad rack in the settings leaves this document's stops as they were.
  }
  SetDelimeters(global.Delimeters());
  SetBlockIndent(global.BlockIndent());
  m_keepTrailingBlanks = global.KeepTrailingBlanks();
}

void TCustomMemoSource::Loaded() {
  {
    const TUpdateBracket update(*this, upd::kLoaded);
    m_docModified = false;
    SetCaretPos(0, 0);
  }
  ClearUndo();
  ResetModified();
}

void TCustomMemoSource::SetEncoding(Encoding encoding, bool bom) {
  m_encoding = encoding;
  m_bom = bom;
}

}  // namespace qs
