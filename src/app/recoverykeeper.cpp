#include "app/recoverykeeper.h"

#include <unistd.h>

#include "support/guardedcall.h"
#include "support/xdgfolders.h"

namespace qs {

std::string RecoveryFolder() {
  const std::string state = UserFolder(XdgFolder::State);
  return state.empty() ? std::string() : state + "/recovery";
}

TRecoveryKeeper::TRecoveryKeeper(TCustomMemoSource& source, ITimers& timers,
                                 const std::string& folder)
    : m_journal(source, folder, std::to_string(::getpid())), m_idle(timers), m_deadline(timers) {
  m_journal.OnPending = [this] { ChangePending(); };
}

void TRecoveryKeeper::DocumentReset(const std::string& path) {
  m_idle.Stop();
  m_deadline.Stop();
  m_journal.Restart(path);
}

void TRecoveryKeeper::DocumentDiscarded() {
  m_idle.Stop();
  m_deadline.Stop();
  m_journal.Discard();
}

void TRecoveryKeeper::FileChangedOnDisk() {
  m_journal.Detach();
  FlushNow();
}

void TRecoveryKeeper::FlushNow() {
  m_idle.Stop();
  m_deadline.Stop();
  m_journal.Flush();
}

void TRecoveryKeeper::ChangePending() {
  // Each change moves the idle point on; the deadline holds from the first.
  m_idle.Start(kRecoveryIdleMs, [this] { TimerFired(); });
  if (!m_deadline.IsRunning()) m_deadline.Start(kRecoveryMaxDelayMs, [this] { TimerFired(); });
}

void TRecoveryKeeper::TimerFired() {
  // A timer is an event boundary; a failed write (a full disk) is logged, not
  // shown at every pause, and the changes wait for the next try.
  if (!LoggedCall("writing the recovery record", [this] { FlushNow(); })) ChangePending();
}

}  // namespace qs
