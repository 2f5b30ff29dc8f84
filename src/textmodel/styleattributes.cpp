// Attribute-keeping mode: while the highlighter says style bytes are document
// content, edits carry them with the text and undo restores them.
#include <algorithm>

#include "textmodel/qsstring.h"
#include "textmodel/updatebracket.h"

namespace qs {
namespace {

constexpr unsigned char kUrlStyle = 17;

}  // namespace

bool TCustomMemoSource::KeepsStyleBytes() const {
  return m_parser && m_parser->KeepsStyleBytes();
}

int TCustomMemoSource::AttributeAt(std::int32_t column, std::int32_t line) const {
  const TStringItem* item = GetLineItem(line);
  if (!item) return 0;
  if (m_typingAttribute >= 0) return m_typingAttribute;
  if (item->StyleBytes.empty()) return 0;
  // One byte per column, as a view lays the line out.
  std::string expanded;
  const StringView text = item->Text();
  std::int64_t col = 0;
  for (std::size_t i = 0; i < text.size() && i < item->StyleBytes.size(); ++i) {
    const std::int64_t next = text[i] == kTab ? m_tabStops.NextStop(col) : col + 1;
    expanded.append(static_cast<std::size_t>(next - col), item->StyleBytes[i]);
    col = next;
  }
  if (expanded.empty()) return 0;
  const std::size_t pos =
      column > 0 ? std::min<std::size_t>(static_cast<std::size_t>(column), expanded.size()) : 1;
  std::size_t i = pos - 1;
  while (static_cast<unsigned char>(expanded[i]) == kUrlStyle) {
    if (i == 0) return 0;
    --i;
  }
  return static_cast<unsigned char>(expanded[i]);
}

std::string TCustomMemoSource::SpanStyleBytes(std::int32_t line, std::int64_t index,
                                              std::int64_t count) {
  TStringItem* item = GetLineItem(line);
  if (!KeepsStyleBytes() || !item || index < 0 || count <= 0) return {};
  FitStyleBytes(*item);
  if (index >= static_cast<std::int64_t>(item->StyleBytes.size())) return {};
  return item->StyleBytes.substr(static_cast<std::size_t>(index), static_cast<std::size_t>(count));
}

void TCustomMemoSource::ReplaceStyleBytes(std::int32_t line, std::int32_t from,
                                          const std::string& bytes) {
  TStringItem* item = GetLineItem(line);
  if (!item || from < 1 || bytes.empty()) return;
  const auto at = static_cast<std::size_t>(from - 1);
  if (at >= item->Text().size()) return;
  const std::size_t n = std::min(bytes.size(), item->Text().size() - at);
  item->StyleBytes.resize(item->Text().size(), '\0');
  const std::string old = item->StyleBytes.substr(at, n);
  if (old == bytes.substr(0, n)) return;
  const TUpdateBracket update(*this, upd::kRepaintLine);
  item->StyleBytes.replace(at, n, bytes.substr(0, n));
  AddStyleUndo(old, line, from);
  MarkDirty(line, line);
  AddChanges({msNeedInvalidate});
}

void TCustomMemoSource::AddStyleUndo(const std::string& oldBytes, std::int32_t line,
                                     std::int32_t from) {
  if (!KeepsStyleBytes()) return;
  if (TUndoRecord* r = AddUndoRecord(ukStyleReplaced)) {
    r->DeltaLine = line;
    r->DeltaColumn = from;
    r->Line = line;
    m_active->AttachPayload({}, oldBytes);
  }
}

}  // namespace qs
