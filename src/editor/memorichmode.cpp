#include "editor/memorichmode.h"

#include <algorithm>
#include <array>

#include "editor/qsmemo.h"
#include "textmodel/updatebracket.h"

namespace qs {

namespace {

inline constexpr int kUrlStyleIndex = 17;

// The fields in which two sets differ, as mask bits; a style both have, or
// both lack, stays consistent even when their style sets differ.
TAttributeMask Differences(const TAttributeSet& a, const TAttributeSet& b) {
  TAttributeMask differ = 0;
  if (a.color != b.color) differ |= amColor;
  if (a.backColor != b.backColor) differ |= amBackColor;
  if (a.name != b.name) differ |= amName;
  if (a.charset != b.charset) differ |= amCharset;
  if (a.pitch != b.pitch) differ |= amPitch;
  if (a.size != b.size) differ |= amSize;
  if (a.style != b.style) {
    differ |= amStyle;
    differ |= StyleMaskBits(a.style ^ b.style);
  }
  return differ;
}

}  // namespace

TStoredSpan StoredSpan(const TCustomMemoSource& source, std::int32_t line, std::int64_t fromColumn,
                       std::int64_t toColumn) {
  const StringView text = source.StoredLine(line);
  TStoredSpan span{text.size(), text.size()};
  std::int64_t column = 0;
  bool started = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!started && column >= fromColumn) {
      span.first = i;
      started = true;
    }
    if (column >= toColumn) {
      span.last = i;
      break;
    }
    column = text[i] == kTab ? source.TabRack().NextStop(column) : column + 1;
  }
  if (!started) span.first = span.last = text.size();
  return span;
}

TMemoRichMode::TMemoRichMode(TCustomQSMemo& memo) : m_memo(memo) {}

// The highlighter leaves the text before it goes, so the text does not tell
// a half-destroyed mode that it changed.
TMemoRichMode::~TMemoRichMode() {
  if (m_parser && m_memo.SyntaxParser() == m_parser.get()) m_memo.SetSyntaxParser(nullptr);
}

TAttributeParser* TMemoRichMode::Parser() const noexcept {
  return m_parser && m_memo.SyntaxParser() == m_parser.get() ? m_parser.get() : nullptr;
}

bool TMemoRichMode::Available() const noexcept {
  return m_memo.SyntaxParser() == nullptr || Parser() != nullptr;
}

void TMemoRichMode::Enter() {
  if (m_memo.SyntaxParser() != nullptr) return;
  if (!m_parser) {
    m_parser = std::make_unique<TAttributeParser>(TAttributeParser::THost{
        [this] { return ControlAttributes(); }, [this] { return UrlAttributes(); },
        [this]() -> const TCustomMemoSource* { return &m_memo.Source(); }});
  }
  m_selection.Assign(ControlAttributes());
  m_memo.SetSyntaxParser(m_parser.get());
}

TAttributeSet TMemoRichMode::ControlAttributes() const {
  return AttributeSetOf(m_memo.Font(), m_memo.Color());
}

std::optional<TAttributeSet> TMemoRichMode::UrlAttributes() const {
  TTextStyles& styles = m_memo.TextStyles();
  if (styles.Count() <= kUrlStyleIndex) return std::nullopt;
  TTextStyle& url = styles.Items(kUrlStyleIndex);
  return AttributeSetOf(url.Font(), url.Color());
}

TAttributeSet TMemoRichMode::AttributesOf(int index) const {
  const TAttributeParser* parser = Parser();
  return parser != nullptr ? parser->Attributes(index) : ControlAttributes();
}

TMemoAttributes& TMemoRichMode::SelectionAttributes() {
  Enter();
  // Inside an update bracket the fields being set must not be read over.
  if (Parser() != nullptr && !m_selection.Updating())
    m_selection.Assign(AttributesOf(FirstSelectedAttribute()));
  return m_selection;
}

void TMemoRichMode::ClearAttributes() {
  TAttributeParser* parser = Parser();
  if (parser == nullptr) return;
  parser->ClearAttributes();
  m_consistency.reset();
  m_memo.Source().ResetHighlighting();
}

std::vector<std::pair<std::int32_t, TStoredSpan>> TMemoRichMode::SelectedSpans() const {
  const TCustomMemoSource& s = m_memo.Source();
  std::vector<std::pair<std::int32_t, TStoredSpan>> spans;
  if (!s.HasSelection()) return spans;
  const std::int32_t last = std::min(s.BlockEnd().Line, s.LineCount() - 1);
  for (std::int32_t line = std::max(s.BlockBegin().Line, 0); line <= last; ++line) {
    const auto [from, to] = s.SelectedRange(line);
    spans.emplace_back(line, StoredSpan(s, line, from, to));
  }
  return spans;
}

int TMemoRichMode::FirstSelectedAttribute() const {
  const TCustomMemoSource& s = m_memo.Source();
  for (const auto& [line, span] : SelectedSpans()) {
    if (span.first == span.last) continue;
    const std::string& bytes = s.GetLineItem(line)->StyleBytes;
    return span.first < bytes.size() ? static_cast<unsigned char>(bytes[span.first]) : 0;
  }
  return s.AttributeAt(s.CaretColumn(), s.CaretLine());
}

std::vector<std::string> TMemoRichMode::SelectedFormats() const {
  const TCustomMemoSource& s = m_memo.Source();
  std::vector<std::string> formats;
  for (const auto& [line, span] : SelectedSpans()) {
    std::string bytes = s.GetLineItem(line)->StyleBytes;
    bytes.resize(std::max(bytes.size(), span.last), '\0');
    formats.push_back(bytes.substr(span.first, span.last - span.first));
  }
  return formats;
}

void TMemoRichMode::RestoreFormats(const std::vector<std::string>& formats) {
  TCustomMemoSource& s = m_memo.Source();
  std::size_t i = 0;
  for (const auto& [line, span] : SelectedSpans()) {
    if (i >= formats.size()) break;
    const std::string& bytes = formats[i++];
    const std::size_t n = std::min(bytes.size(), span.last - span.first);
    if (n > 0)
      s.ReplaceStyleBytes(line, static_cast<std::int32_t>(span.first + 1), bytes.substr(0, n));
  }
}

// Every new byte is worked out before one is written, so a table that has
// no room for a format leaves the text as it was.
void TMemoRichMode::ApplySelectionAttributes(TMemoAttributes& attributes) {
  TAttributeParser* parser = Parser();
  TCustomMemoSource& s = m_memo.Source();
  if (parser == nullptr || s.GetReadOnly()) {
    attributes.SetState(0);
    return;
  }
  if (!s.HasSelection()) {
    s.SetTypingAttribute(parser->FindOrAddAttributes(attributes.Values()));
    s.SetKeepTypingAttribute(true);
    attributes.SetState(0);
    return;
  }
  std::array<int, TAttributeParser::kMaxEntries> merged;
  merged.fill(-1);
  struct Change {
    std::int32_t line;
    std::size_t first;
    std::string bytes;
  };
  std::vector<Change> changes;
  for (const auto& [line, span] : SelectedSpans()) {
    const std::string& old = s.GetLineItem(line)->StyleBytes;
    std::string bytes;
    bytes.reserve(span.last - span.first);
    for (std::size_t i = span.first; i < span.last; ++i) {
      const auto b = i < old.size() ? static_cast<unsigned char>(old[i]) : 0u;
      if (merged[b] < 0)
        merged[b] = parser->FindOrAddAttributes(attributes.MergedInto(parser->Attributes(b)));
      bytes.push_back(static_cast<char>(merged[b]));
    }
    changes.push_back({line, span.first, std::move(bytes)});
  }
  {
    const TUpdateBracket update(s, upd::kApplyFormat);
    for (const Change& c : changes)
      s.ReplaceStyleBytes(c.line, static_cast<std::int32_t>(c.first + 1), c.bytes);
    s.KeepSelection();
  }
  attributes.SetState(0);
  m_consistency.reset();
}

TAttributeMask TMemoRichMode::SelectionConsistency() {
  if (m_consistency) return *m_consistency;
  TAttributeMask mask = amAll;
  const TCustomMemoSource& s = m_memo.Source();
  if (Parser() != nullptr && s.HasSelection()) {
    std::array<bool, TAttributeParser::kMaxEntries> seen{};
    for (const auto& [line, span] : SelectedSpans()) {
      const std::string& bytes = s.GetLineItem(line)->StyleBytes;
      for (std::size_t i = span.first; i < span.last; ++i)
        seen[i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u] = true;
    }
    const int first = FirstSelectedAttribute();
    const TAttributeSet firstSet = AttributesOf(first);
    for (int b = 0; b < TAttributeParser::kMaxEntries; ++b)
      if (seen[static_cast<std::size_t>(b)] && b != first)
        mask &= static_cast<TAttributeMask>(~Differences(firstSet, AttributesOf(b)));
  }
  m_consistency = mask;
  return mask;
}

// Typing takes the attribute of the character before the caret, except right
// after a format was chosen with nothing selected or after a line break,
// when the chosen one holds until the caret moves or the text changes again.
void TMemoRichMode::SourceChanged(TCustomMemoSource& source) {
  m_consistency.reset();
  if (!source.KeepsStyleBytes()) return;
  const TMemoStates changes = source.Changes();
  if (!changes.Has(msPositionChanged) && !changes.Has(msEdited)) return;
  if (source.KeepTypingAttribute())
    source.SetKeepTypingAttribute(false);
  else
    source.SetTypingAttribute(-1);
}

}  // namespace qs
