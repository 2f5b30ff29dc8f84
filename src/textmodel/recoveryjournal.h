// Keeps the recovery record of one document: it follows every update of the
// document and, when asked to flush, appends what changed since the last
// flush (the changed line runs and the document's state) to a record file
// that only this process holds. The record starts at the first flush after
// the document was last saved or opened, against that saved text; an
// untitled document, or a file that changed or went away since, starts with
// the whole text instead.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "support/journalfile.h"
#include "textmodel/changedlines.h"
#include "textmodel/listeners.h"
#include "textmodel/recoveryrecord.h"

namespace qs {

class TCustomMemoSource;

class TRecoveryJournal {
 public:
  // Records go to folder (made when missing); name is a prefix unique to
  // this process.
  TRecoveryJournal(TCustomMemoSource& source, std::string folder, std::string namePrefix);
  // Keeps the record: an end without a save or a discard is what it is for.
  ~TRecoveryJournal();
  TRecoveryJournal(const TRecoveryJournal&) = delete;
  TRecoveryJournal& operator=(const TRecoveryJournal&) = delete;

  // The document now is its file at path as saved or opened (or a new
  // document, path empty or no file there): its record is deleted, and what
  // follows is recorded against this text.
  void Restart(const std::string& path);
  // The changes were dropped (a close without saving): the record goes.
  // What follows is recorded with the whole text, the changes being unknown.
  void Discard();
  // The saved file changed under the unsaved changes: the record starts
  // again with the whole text.
  void Detach();
  // Whether changes wait to be written.
  [[nodiscard]] bool Pending() const noexcept { return m_pending; }
  // Writes what changed since the last flush and brings it to the disk.
  void Flush();
  // The record file, empty while there is none.
  [[nodiscard]] std::string RecordPath() const { return m_file ? m_file->Path() : std::string(); }
  // Called after each update that left changes to write.
  std::function<void()> OnPending;
  // Bytes appended to records so far (for the benchmark).
  [[nodiscard]] std::uint64_t BytesWritten() const noexcept { return m_bytesWritten; }

 private:
  void Followed(TCustomMemoSource& source);
  void StartRecord();
  void DeleteRecord();

  TCustomMemoSource& m_source;
  std::string m_folder;
  std::string m_namePrefix;
  int m_recordNumber = 0;
  TListenerLink m_link;

  std::string m_path;
  TRecoveryHeader m_base;  // what the next record will be written against
  std::optional<TJournalFile> m_file;
  TChangedLines m_changed;
  std::int32_t m_flushedLineCount = 0;  // lines at the last flush (or restart)
  bool m_wholeText = false;             // the next flush writes every line
  bool m_pending = false;
  std::uint64_t m_bytesWritten = 0;
};

}  // namespace qs
