// Rewrites of the whole text that the application's conversions are built
// on: a character-for-character mapping and a replacement of everything.
#include "textmodel/qsstring.h"
#include "textmodel/updatebracket.h"

namespace qs {

namespace {

// The stored span [first, last) where mapped differs from text; empty when equal.
std::pair<std::size_t, std::size_t> ChangedSpan(StringView text, StringView mapped) {
  std::size_t first = 0;
  while (first < text.size() && text[first] == mapped[first]) ++first;
  std::size_t last = text.size();
  while (last > first && text[last - 1] == mapped[last - 1]) --last;
  return {first, last};
}

}  // namespace

void TCustomMemoSource::MapCharacters(int code, const std::function<Char(Char)>& map) {
  const TUpdateBracket update(*this, code);
  const TPosition caret = m_caret;
  const TPosition begin = BlockBegin();
  const TPosition end = BlockEnd();
  for (std::int32_t l = 0; l < LineCount(); ++l) {
    if (!CanEditLine(l)) continue;
    String mapped(StoredLine(l));
    for (Char& c : mapped)
      if (c != kTab) c = map(c);
    const auto [first, last] = ChangedSpan(StoredLine(l), mapped);
    if (first == last) continue;
    ReplaceStored(l, static_cast<std::int64_t>(first), static_cast<std::int64_t>(last - first),
                  StringView(mapped).substr(first, last - first));
  }
  // No width changed, so the same columns hold the same text.
  m_blockBegin.Assign(begin);
  m_blockEnd.Assign(end);
  PlaceCaret(caret);
  KeepSelection();
}

bool TCustomMemoSource::ReplaceAllText(int code, StringView text) {
  if (GetReadOnly()) return false;
  for (std::int32_t l = 0; l < LineCount(); ++l)
    if (!CanEditLine(l)) return false;
  const TUpdateBracket update(*this, code);
  const std::int32_t last = LineCount() - 1;
  if (last >= 0) {
    SelectRange(stStreamSel, 0, 0, LineLength(last), last);
    DeleteBlock();
  }
  PlaceCaret({0, 0});
  InsertText(text);
  return true;
}

}  // namespace qs
