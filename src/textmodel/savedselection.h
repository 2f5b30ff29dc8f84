// The selection's type and bounds, tracked through an edit and put back after
// it, so they stay on their text rather than on the columns they had.
#pragma once

#include "textmodel/qsstring.h"

namespace qs {

class SavedSelection {
 public:
  explicit SavedSelection(TCustomMemoSource& s)
      : m_source(s),
        m_type(s.SelectionType()),
        m_begin(s.Positions(), s.BlockBegin()),
        m_end(s.Positions(), s.BlockEnd()) {
    m_begin.ShiftsAtCaret = true;
  }
  SavedSelection(const SavedSelection&) = delete;
  SavedSelection& operator=(const SavedSelection&) = delete;

  void Restore() {
    if (m_type == stNotSelected) {
      m_source.ClearSelection();
      return;
    }
    m_source.SelectRange(m_type, m_begin.Column, m_begin.Line, m_end.Column, m_end.Line);
  }

 private:
  TCustomMemoSource& m_source;
  TSelectionType m_type;
  TTrackedPosition m_begin;
  TTrackedPosition m_end;
};

}  // namespace qs
