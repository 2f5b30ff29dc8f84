// Folding bookkeeping: region starts and bodies on the line records, and the
// list of lines their collapsed regions hide.
#include "textmodel/qsstring.h"
#include "textmodel/updatebracket.h"

namespace qs {

void TCustomMemoSource::SetRegionState(std::int32_t line, TRegionState state) {
  TStringItem* start = GetLineItem(line);
  if (!start) return;
  const TUpdateBracket update(*this, upd::kFolding);
  start->SetFlag(kLineFoldExpanded, state == rsExpanded);
  start->SetFlag(kLineFoldCollapsed, state == rsCollapsed);
  std::int32_t last = line;
  for (std::int32_t l = line + 1; l < LineCount(); ++l) {
    TStringItem* body = GetLineItem(l);
    if ((body->Flags & kLineFoldBody) == 0) break;
    last = l;
    if (state == rsCollapsed) {
      m_hidden.Hide(l);
      continue;
    }
    // Opening (or dissolving) a region shows its whole body, nested regions opened too.
    m_hidden.Show(l);
    if (body->Flags & kLineFoldCollapsed) {
      body->SetFlag(kLineFoldCollapsed, false);
      body->SetFlag(kLineFoldExpanded, true);
    }
  }
  AddChanges({msBlockChanged, msCountChanged});
  MarkDirty(line, last);
}

void TCustomMemoSource::SetBodyLine(std::int32_t line, bool body) {
  TStringItem* item = GetLineItem(line);
  if (!item) return;
  const TUpdateBracket update(*this, upd::kFolding);
  item->SetFlag(kLineFoldBody, body);
  if (!body) {
    m_hidden.Show(line);
  } else if (line > 0) {
    const TStringItem* above = GetLineItem(line - 1);
    if (m_hidden.IsHidden(line - 1) || (above->Flags & kLineFoldCollapsed)) m_hidden.Hide(line);
  }
  AddChanges({msBlockChanged, msCountChanged});
  MarkDirty(line, line);
}

void TCustomMemoSource::ExpandRegionAbove(std::int32_t line) {
  // Nested collapsed regions: open outward until the line shows.
  while (line < LineCount() && m_hidden.IsHidden(line)) {
    std::int32_t start = line - 1;
    while (start >= 0 && (GetLineItem(start)->Flags & kLineFoldCollapsed) == 0) --start;
    if (start < 0) {
      m_hidden.Show(line);  // hidden without a collapsed start: show it rather than trap the caret
      return;
    }
    SetRegionState(start, rsExpanded);
  }
}

}  // namespace qs
