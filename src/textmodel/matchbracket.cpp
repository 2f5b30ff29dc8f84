// Jumping from a bracket to its partner. Only brackets the highlighter left
// as plain code count, so brackets inside strings and comments are passed by.
#include <optional>

#include "textmodel/qsstring.h"
#include "textmodel/updatebracket.h"

namespace qs {
namespace {

// The styles of plain code: whitespace, delimiters and assembler text.
bool IsCodeStyle(unsigned char style) noexcept {
  return style == 0 || style == 10 || style == 12;
}

struct BracketPair {
  Char open;
  Char close;
};
constexpr BracketPair kPairs[] = {{U'(', U')'}, {U'<', U'>'}, {U'[', U']'}, {U'{', U'}'}};

std::optional<BracketPair> PairOf(Char c, bool& opening) noexcept {
  for (const BracketPair& p : kPairs) {
    if (c == p.open || c == p.close) {
      opening = c == p.open;
      return p;
    }
  }
  return std::nullopt;
}

// A line without style bytes is all plain code.
bool IsCodeAt(const std::string& bytes, std::int64_t index) noexcept {
  const auto i = static_cast<std::size_t>(index);
  return i >= bytes.size() || IsCodeStyle(static_cast<unsigned char>(bytes[i]));
}

}  // namespace

std::optional<TPosition> TCustomMemoSource::BracketStart() const {
  TPosition at = m_caret;
  if (HasSelection()) {
    const TPosition b = BlockBegin();
    const TPosition e = BlockEnd();
    if (b.Line == e.Line && b.Line < LineCount()) {
      const auto [from, to] = SelectedRange(b.Line);
      const auto [first, last] = StoredSpan(b.Line, from, std::min(to, LineLength(b.Line)));
      if (last - first == 1) return TPosition{b.Line, static_cast<std::int32_t>(first)};
    }
  }
  if (at.Line >= LineCount()) return std::nullopt;
  const StringView stored = StoredLine(at.Line);
  const TTabStops::Place place = m_tabStops.Locate(stored, at.Column);
  if (place.index >= static_cast<std::int64_t>(stored.size()) || place.start != at.Column)
    return std::nullopt;
  return TPosition{at.Line, static_cast<std::int32_t>(place.index)};
}

void TCustomMemoSource::MatchBracket() {
  // Positions here hold stored indexes in Column until the caret moves.
  const std::optional<TPosition> start = BracketStart();
  if (!start) return;
  bool opening = false;
  const std::optional<BracketPair> pair =
      PairOf(StoredLine(start->Line)[static_cast<std::size_t>(start->Column)], opening);
  if (!pair || !IsCodeAt(GetStyleBytes(start->Line), start->Column)) return;
  const int step = opening ? 1 : -1;
  std::int64_t depth = 0;
  std::int32_t line = start->Line;
  std::int64_t index = start->Column + step;
  while (line >= 0 && line < LineCount()) {
    const std::string bytes = GetStyleBytes(line);
    const StringView text = StoredLine(line);
    for (; index >= 0 && index < static_cast<std::int64_t>(text.size()); index += step) {
      const Char c = text[static_cast<std::size_t>(index)];
      if (c != pair->open && c != pair->close) continue;
      if (!IsCodeAt(bytes, index)) continue;
      if ((c == pair->open) == opening) {
        ++depth;
      } else if (depth > 0) {
        --depth;
      } else {
        const TUpdateBracket update(*this, upd::kCaretMove);
        PlaceCaret({line, m_tabStops.IndexToColumn(text, index)});
        return;
      }
    }
    line += step;
    if (line >= 0 && line < LineCount())
      index = opening ? 0 : static_cast<std::int64_t>(StoredLine(line).size()) - 1;
  }
}

}  // namespace qs
