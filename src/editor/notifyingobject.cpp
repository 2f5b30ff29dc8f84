#include "editor/notifyingobject.h"

#include "support/updatebracket.h"

namespace qs {

void TNotifyingPersistent::Assign(const TPersistent& source) {
  UpdateBracket bracket(*this);
  TPersistent::Assign(source);
}

void TNotifyingPersistent::EndUpdate() {
  if (m_updateCount == 0) return;
  if (--m_updateCount == 0 && m_pending) {
    m_pending = false;
    if (m_onChange) m_onChange();
  }
}

void TNotifyingPersistent::Changed() {
  if (m_updateCount > 0) {
    m_pending = true;
    return;
  }
  if (m_onChange) m_onChange();
}

}  // namespace qs
