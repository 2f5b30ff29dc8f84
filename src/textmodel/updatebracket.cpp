#include "textmodel/updatebracket.h"

#include "support/guardedcall.h"
#include "textmodel/qsstring.h"

namespace qs {

TUpdateBracket::TUpdateBracket(TCustomMemoSource& source, int code, Kind kind)
    : m_source(source), m_exceptions(std::uncaught_exceptions()) {
  if (kind == Tracked)
    source.BeginTrackedUpdate(code);
  else
    source.BeginUpdate(code);
}

TUpdateBracket::~TUpdateBracket() noexcept(false) {
  if (std::uncaught_exceptions() == m_exceptions) {
    m_source.EndUpdate();
    return;
  }
  try {
    m_source.EndUpdate();
  } catch (...) {
    // The exception already under way is the one the user is shown; this
    // one is kept in the log.
    LogCaughtFailure("telling the views of an edit that failed");
  }
}

}  // namespace qs
