// Keeps the main window's document recoverable: its recovery record is
// written shortly after typing stops (2 s) and at least every 30 s while it
// goes on, so a flush, with its wait for the disk, never falls on a
// keystroke. A failed write is logged and tried again at the next change.
#pragma once

#include <memory>
#include <string>

#include "platform/timers.h"
#include "textmodel/recoveryjournal.h"

namespace qs {

class TCustomMemoSource;

inline constexpr int kRecoveryIdleMs = 2000;
inline constexpr int kRecoveryMaxDelayMs = 30000;

// $XDG_STATE_HOME/quillon/recovery; empty when no home folder is known.
[[nodiscard]] std::string RecoveryFolder();

class TRecoveryKeeper {
 public:
  TRecoveryKeeper(TCustomMemoSource& source, ITimers& timers, const std::string& folder);
  TRecoveryKeeper(const TRecoveryKeeper&) = delete;
  TRecoveryKeeper& operator=(const TRecoveryKeeper&) = delete;

  // The document is its file again (opened, saved, new).
  void DocumentReset(const std::string& path);
  // Its changes were thrown away.
  void DocumentDiscarded();
  // The saved file changed under unsaved changes the user keeps.
  void FileChangedOnDisk();
  // Writes what waits now.
  void FlushNow();
  [[nodiscard]] const TRecoveryJournal& Journal() const noexcept { return m_journal; }

 private:
  void ChangePending();
  void TimerFired();

  TRecoveryJournal m_journal;
  ScopedTimer m_idle;
  ScopedTimer m_deadline;
};

}  // namespace qs
