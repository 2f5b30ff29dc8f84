// The update protocol: brackets around every change, and the one notification
// the outermost bracket sends with the changed range and the change flags.
#include <algorithm>
#include <utility>

#include "textmodel/qsstring.h"
#include "textmodel/updatebracket.h"

namespace qs {

void TCustomMemoSource::BeginUpdate(int code) {
  if (m_updateDepth > 0) {
    ++m_updateDepth;
    return;
  }
  InitUpdate(code);
}

void TCustomMemoSource::InitUpdate(int code) {
  m_snap.lineCount = LineCount();
  m_changes = {};
  m_snap.foundRect = m_foundRect;
  m_foundRect = {};
  m_firstChanged = kRangeEmptyFirst;
  m_lastChanged = kRangeEmptyLast;
  m_lineChanges.Clear();
  m_undoStepPending = true;
  m_lowestEndStateChange = -1;
  m_updateCode = code;
  m_keepSelection = false;
  m_snap.docModified = m_docModified;
  m_snap.blockBegin = BlockBegin();
  m_snap.blockEnd = BlockEnd();
  m_snap.selType = m_selType;
  m_snap.caret = m_caret;
  m_updateDepth = 1;
  ClearLineHighlight();
}

void TCustomMemoSource::BeginTrackedUpdate(int code) {
  const bool outermost = m_updateDepth == 0;
  BeginUpdate(code);
  if (outermost)
    m_tracked =
        std::make_unique<Tracked>(m_positions, m_selType, BlockBegin(), BlockEnd(), m_caret);
}

void TCustomMemoSource::RestoreTracked() {
  const std::unique_ptr<Tracked> tracked = std::move(m_tracked);
  m_selType = tracked->selType;
  m_blockBegin.Assign(tracked->begin);
  m_blockEnd.Assign(tracked->end);
  // Put back directly: a caret move would cut trailing blanks of the line it
  // left and open folds, and an edit through Lines must change only what it
  // was asked to. The caret stays on its text, which is no move.
  m_caret = tracked->caret.Get();
}

void TCustomMemoSource::WidenRange(std::int32_t first, std::int32_t last) {
  m_firstChanged = std::min(m_firstChanged, first);
  m_lastChanged = std::max(m_lastChanged, last);
}

void TCustomMemoSource::MarkChanged(std::int32_t first, std::int32_t last) {
  m_changes.Include(msEdited);
  WidenRange(first, last);
  // A range to the end says that the lines below moved or need highlighting
  // again; their text is the same, and the moves are logged as they happen.
  m_lineChanges.Edited(first, last == kToEnd ? first : last);
}

void TCustomMemoSource::MarkDirty(std::int32_t first, std::int32_t last) {
  WidenRange(first, last);
}

bool TCustomMemoSource::SelectionIsEmpty() const {
  const TPosition b = BlockBegin();
  const TPosition e = BlockEnd();
  if (m_selType == stStreamSel) return e <= b;
  return e.Line < b.Line || e.Column < b.Column;
}

void TCustomMemoSource::DetectSelectionChange() {
  const TPosition b = BlockBegin();
  const TPosition e = BlockEnd();
  const bool typeChanged = m_selType != m_snap.selType;
  const bool boundsChanged = b != m_snap.blockBegin || e != m_snap.blockEnd;
  if (typeChanged || (HasSelection() && boundsChanged)) {
    m_changes.Include(msBlockChanged);
    if (!typeChanged && b.Column == m_snap.blockBegin.Column &&
        e.Column == m_snap.blockEnd.Column) {
      WidenRange(std::min(b.Line, m_snap.blockBegin.Line),
                 std::max(b.Line, m_snap.blockBegin.Line));
      WidenRange(std::min(e.Line, m_snap.blockEnd.Line), std::max(e.Line, m_snap.blockEnd.Line));
    } else {
      WidenRange(std::min(b.Line, m_snap.blockBegin.Line), std::max(e.Line, m_snap.blockEnd.Line));
    }
    return;
  }
  if (HasSelection() && !HasOption(soPersistentBlocks) && m_changes.Has(msEdited) &&
      !m_keepSelection) {
    m_selType = stNotSelected;
    m_changes.Include(msBlockChanged);
    WidenRange(b.Line, e.Line);
  }
}

void TCustomMemoSource::EndUpdate() {
  if (m_updateDepth <= 0) return;
  if (m_updateDepth == 1 && m_tracked) RestoreTracked();
  if (--m_updateDepth > 0) return;

  if (m_caret != m_snap.caret || m_bookmarkJump) m_changes.Include(msPositionChanged);
  if (HasSelection() && SelectionIsEmpty()) m_selType = stNotSelected;
  DetectSelectionChange();
  if (m_foundRect != m_snap.foundRect) {
    m_changes.Include(msFoundRectChanged);
    WidenRange(std::min(m_foundRect.Top, m_snap.foundRect.Top),
               std::max(m_foundRect.Bottom, m_snap.foundRect.Bottom));
  }
  if (LineCount() != m_snap.lineCount) m_changes.Include(msCountChanged);
  if (m_changes.Has(msEdited)) {
    m_docModified = true;
    m_firstUnparsed = std::min(m_firstUnparsed, std::max(m_firstChanged, 0));
  }
  // After a replay the records decide: back at the saved text is unmodified.
  if (m_replaying && m_docModified) m_docModified = ComputeModified();
  // A move or an edit of its own makes what was undone unreachable.
  if ((m_changes.Has(msPositionChanged) || m_changes.Has(msEdited)) && !m_changes.Has(msUndo))
    m_redo.Clear();
  if (m_changes.Has(msParserChanged)) {
    m_firstUnparsed = 0;
    m_firstChanged = 0;
    m_lastChanged = kToEnd;
  }
  if (m_docModified != m_snap.docModified) m_changes.Include(msModifiedChanged);
  if (!m_changes.Empty()) NotifyListeners(m_firstChanged, m_lastChanged);
}

void TCustomMemoSource::NotifyListeners(std::int32_t first, std::int32_t last) {
  const std::shared_ptr<TListenerList> listeners = m_listeners;  // survives removal of all
  listeners->Notify(*this, first, last);
}

TListenerId TCustomMemoSource::AddListener(TSourceListener listener, const void* owner,
                                           bool notifyNow) {
  const TListenerId id = m_listeners->Add(std::move(listener), owner);
  if (notifyNow) {
    const TUpdateBracket update(*this, upd::kNone);
    m_changes |= kAllViewStates;
    MarkDirty(0, kToEnd);
  }
  return id;
}

TListenerLink TCustomMemoSource::Listen(TSourceListener listener, const void* owner,
                                        bool notifyNow) {
  return TListenerLink(m_listeners, AddListener(std::move(listener), owner, notifyNow));
}

void TCustomMemoSource::SetLineHighlight(std::int32_t line, int style) {
  const TUpdateBracket update(*this, upd::kLineHighlight);
  ClearLineHighlight();
  if (TStringItem* item = GetLineItem(line)) {
    m_highlightLine = line;
    m_highlightSavedStyle = item->LineStyle;
    item->LineStyle = static_cast<std::uint8_t>(std::clamp(style, 0, 255));
    AddChanges({msBlockChanged});
    MarkDirty(line, line);
  }
}

void TCustomMemoSource::ClearLineHighlight() {
  if (m_highlightLine < 0) return;
  if (m_updateDepth == 0) {
    const TUpdateBracket clearing(*this, upd::kLineHighlight);  // opening one clears it
    return;
  }
  const std::int32_t line = std::exchange(m_highlightLine, -1);
  if (TStringItem* item = GetLineItem(line)) {
    item->LineStyle = static_cast<std::uint8_t>(m_highlightSavedStyle);
    AddChanges({msBlockChanged});
    MarkDirty(line, line);
  }
}

}  // namespace qs
