// Line transforms over the selection (indent, unindent, quote, case) and the
// word case commands. They change the stored text in place, so TABs stay
// TABs and text outside the selected columns is left alone.
#include <algorithm>

#include "support/unicodecase.h"
#include "textmodel/qsstring.h"
#include "textmodel/savedselection.h"
#include "textmodel/updatebracket.h"

namespace qs {
namespace {

String ToggleCase(StringView text) {
  String out(text);
  for (Char& c : out) {
    const Char upper = ToUpperChar(c);
    c = upper != c ? upper : ToLowerChar(c);
  }
  return out;
}

}  // namespace

std::pair<std::int32_t, std::int32_t> TCustomMemoSource::TransformLines() const {
  const TPosition b = BlockBegin();
  const TPosition e = BlockEnd();
  std::int32_t last = std::min(e.Line, LineCount() - 1);
  // A stream that ends at the start of a line does not take that line.
  if (m_selType == stStreamSel && e.Column == 0 && e.Line > b.Line && last == e.Line) --last;
  return {b.Line, last};
}

void TCustomMemoSource::TransformBlock(int code,
                                       const std::function<String(StringView)>& transform) {
  if (!HasSelection()) return;
  const TUpdateBracket update(*this, code);
  const auto [first, last] = TransformLines();
  const TPosition begin = BlockBegin();
  const TPosition end = BlockEnd();
  bool sameWidths = true;
  for (std::int32_t l = first; l <= last; ++l) {
    const auto [from, to] = SelectedRange(l);
    const auto [a, z] = StoredSpan(l, from, std::min<std::int64_t>(to, LineLength(l)));
    if (z <= a) continue;
    const StringView part =
        StoredLine(l).substr(static_cast<std::size_t>(a), static_cast<std::size_t>(z - a));
    const String changed = transform(part);
    if (changed == part) continue;
    // Attributes stay with the characters they belong to; a character the
    // transform adds takes the last one.
    std::string style = SpanStyleBytes(l, a, z - a);
    if (!style.empty()) style.resize(changed.size(), style.back());
    const std::int32_t width = LineLength(l);
    RawDelete(l, a, z - a, false);
    RawInsert(l, a, changed, KeepsStyleBytes() ? &style : nullptr);
    sameWidths = sameWidths && LineLength(l) == width;
  }
  // The replacement pulled the bounds to the span's start; where no width
  // changed, the selection still covers the same columns.
  if (sameWidths) {
    m_blockBegin.Assign(begin);
    m_blockEnd.Assign(end);
  }
  KeepSelection();
}

void TCustomMemoSource::UpperCaseBlock() {
  TransformBlock(upd::kUpperCase, [](StringView s) { return ToUpper(s); });
}

void TCustomMemoSource::LowerCaseBlock() {
  TransformBlock(upd::kLowerCase, [](StringView s) { return ToLower(s); });
}

void TCustomMemoSource::ToggleCaseBlock() {
  TransformBlock(upd::kToggleCase, ToggleCase);
}

void TCustomMemoSource::CapitalizeBlock() {
  TransformBlock(upd::kCapitalizeBlock, [this](StringView s) {
    String out = ToLower(s);
    for (std::size_t i = 0; i < out.size(); ++i)
      if (!IsDelimiterChar(out[i]) && (i == 0 || IsDelimiterChar(out[i - 1])))
        out[i] = ToUpperChar(out[i]);
    return out;
  });
}

void TCustomMemoSource::IndentLines(int code, StringView indent, bool quote) {
  if (!HasSelection() || indent.empty()) return;
  const TUpdateBracket update(*this, code);
  const auto [first, last] = TransformLines();
  for (std::int32_t l = first; l <= last; ++l) {
    if (!quote && StoredLine(l).empty()) continue;
    // The indent looks like the text it precedes.
    const std::string first = SpanStyleBytes(l, 0, 1);
    const std::string style(indent.size(), first.empty() ? '\0' : first.front());
    RawInsert(l, 0, indent, KeepsStyleBytes() ? &style : nullptr);
  }
  KeepSelection();
}

void TCustomMemoSource::IndentBlock() {
  const String indent =
      m_tabText.empty() ? String(static_cast<std::size_t>(m_blockIndent), U' ') : m_tabText;
  IndentLines(upd::kIndentBlock, indent, false);
}

void TCustomMemoSource::QuoteBlock() {
  IndentLines(upd::kQuoteBlock, U">", true);
}

void TCustomMemoSource::UnindentBy(std::int64_t count) {
  if (!HasSelection() || count <= 0) return;
  const TUpdateBracket update(*this, upd::kUnindentBlock);
  const auto [first, last] = TransformLines();
  for (std::int32_t l = first; l <= last; ++l) {
    const StringView text = StoredLine(l);
    std::int64_t n = 0;
    while (n < count && n < static_cast<std::int64_t>(text.size()) &&
           (text[static_cast<std::size_t>(n)] == U' ' || text[static_cast<std::size_t>(n)] == kTab))
      ++n;
    if (n > 0) RawDelete(l, 0, n, false);
  }
  KeepSelection();
}

void TCustomMemoSource::UnindentBlock() {
  UnindentBy(m_blockIndent);
}

void TCustomMemoSource::TransformWord(int code,
                                      const std::function<String(StringView)>& transform) {
  const TUpdateBracket update(*this, code);
  const TPosition caret = m_caret;
  SavedSelection saved(*this);
  MarkWord();
  if (HasSelection()) TransformBlock(code, transform);
  saved.Restore();
  PlaceCaret(caret);
}

void TCustomMemoSource::UpperCaseWord() {
  TransformWord(upd::kUpperCaseWord, [](StringView s) { return ToUpper(s); });
}

void TCustomMemoSource::LowerCaseWord() {
  TransformWord(upd::kLowerCaseWord, [](StringView s) { return ToLower(s); });
}

void TCustomMemoSource::CapitalizeWord() {
  TransformWord(upd::kCapitalizeWord, [this](StringView s) {
    String out = ToLower(s);
    for (std::size_t i = 0; i < out.size(); ++i)
      if (!IsDelimiterChar(out[i]) && (i == 0 || IsDelimiterChar(out[i - 1])))
        out[i] = ToUpperChar(out[i]);
    return out;
  });
}

}  // namespace qs
