// The records a start finds: those whose writer is no longer running, taken
// (locked) by this process while it asks about them, and what each brings
// back, checked against the saved file it was written for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/journalfile.h"
#include "support/qschar.h"
#include "textmodel/recoveryrecord.h"

namespace qs {

struct TOrphanRecord {
  TJournalFile file;
  TRecoveryHeader header;
  std::string bytes;
  std::int64_t writtenUnix = 0;  // its last write, seconds since 1970
};

// The records in folder left by processes that ended, in name order. A record
// another process holds (its writer, or a second instance asking about it)
// is left alone.
[[nodiscard]] std::vector<TOrphanRecord> TakeOrphanRecords(const std::string& folder);

struct TRecoveryOffer {
  TRecoveredText text;
  // The saved file is not what the record was written against any more.
  bool fileChanged = false;
  // The changes can be rebuilt (not when they need a saved file that changed).
  bool recoverable = true;
};

[[nodiscard]] TRecoveryOffer PrepareOffer(const TOrphanRecord& record);

// "Recover the unsaved changes to <name> from <time>?", with what a changed
// file means for them.
[[nodiscard]] String RecoveryQuestion(const TOrphanRecord& record, const TRecoveryOffer& offer);

}  // namespace qs
