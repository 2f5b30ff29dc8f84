// The document's line breaks: the break new lines get, and converting every
// line to one break as a single undoable step.
#include "textmodel/qsstring.h"
#include "textmodel/updatebracket.h"

namespace qs {

// The line list is where the break lives: every record it creates takes it.
void TCustomMemoSource::SetOutFormat(TOutFormatType f) {
  m_strings.SetNewLineBreak(f);
}

std::array<std::int32_t, 3> TCustomMemoSource::CountLineBreaks() const {
  std::array<std::int32_t, 3> counts{};
  const std::int32_t written = m_finalBreak ? LineCount() : LineCount() - 1;
  for (std::int32_t l = 0; l < written; ++l)
    ++counts[static_cast<std::size_t>(m_strings.Item(l)->LineBreak)];
  return counts;
}

bool TCustomMemoSource::RawSetLineBreaks(std::int32_t first, std::string_view breaks,
                                         TOutFormatType format) {
  const auto count = static_cast<std::int32_t>(breaks.size());
  if (first < 0 || first + count > LineCount() || GetReadOnly() || !CanEdit()) return false;
  const std::string old = LineBreaksOf(first, count);
  const TOutFormatType oldFormat = OutFormat();
  SetLineBreaks(first, breaks);
  SetOutFormat(format);
  if (TUndoRecord* r = Record(ukBreaksChanged, first, 0)) {
    r->DeltaLine = count;
    r->DeltaColumn = static_cast<std::int32_t>(oldFormat);
    m_active->AttachPayload({}, old);
  }
  // No line looks different, but the text to be saved is.
  if (count > 0) MarkChanged(first, first + count - 1);
  return true;
}

void TCustomMemoSource::ConvertLineBreaks(TOutFormatType f) {
  const std::array<std::int32_t, 3> counts = CountLineBreaks();
  const std::int32_t others =
      counts[0] + counts[1] + counts[2] - counts[static_cast<std::size_t>(f)];
  if (others == 0) {
    SetOutFormat(f);
    return;
  }
  const TUpdateBracket update(*this, upd::kLineBreaks);
  RawSetLineBreaks(0, std::string(static_cast<std::size_t>(LineCount()), static_cast<char>(f)), f);
}

}  // namespace qs
