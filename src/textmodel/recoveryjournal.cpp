#include "textmodel/recoveryjournal.h"

#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "support/processtoken.h"
#include "textmodel/qsstring.h"

namespace qs {
namespace {

std::int64_t NowUnix() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace

TRecoveryJournal::TRecoveryJournal(TCustomMemoSource& source, std::string folder,
                                   std::string namePrefix)
    : m_source(source), m_folder(std::move(folder)), m_namePrefix(std::move(namePrefix)) {
  m_link = m_source.Listen(
      [this](TCustomMemoSource& s, std::int32_t, std::int32_t) { Followed(s); }, this, false);
  Restart({});
}

// The record stays: a clean end has already saved or discarded the changes,
// and any other end is what the record is for.
TRecoveryJournal::~TRecoveryJournal() = default;

void TRecoveryJournal::Restart(const std::string& path) {
  DeleteRecord();
  m_base = {};
  m_base.documentPath = path;
  m_base.pid = static_cast<int>(::getpid());
  m_base.processToken = ProcessStartToken(m_base.pid);
  m_base.eightBitCodePage = m_source.EightBitCodePage();
  if (const std::optional<TFileStamp> stamp = path.empty() ? std::nullopt : StampOf(path)) {
    m_base.hasBase = true;
    m_base.baseStamp = *stamp;
    m_base.baseDigest = DocumentDigest(m_source);
  }
  m_changed.Clear();
  m_flushedLineCount = m_base.hasBase ? m_source.LineCount() : 0;
  m_wholeText = !m_base.hasBase;
  m_pending = false;
}

void TRecoveryJournal::Discard() {
  DeleteRecord();
  m_changed.Clear();
  m_pending = false;
  // The document still differs from its file, by changes no longer known:
  // a record begun from here holds the whole text.
  m_base.hasBase = false;
  m_wholeText = true;
  m_flushedLineCount = 0;
}

void TRecoveryJournal::Detach() {
  Discard();
  m_pending = true;
}

void TRecoveryJournal::Followed(TCustomMemoSource& source) {
  if (!source.Changes().Has(msEdited)) return;
  if (!source.DocModified()) {
    // Back at the saved text (undone, or just loaded): nothing to keep.
    DeleteRecord();
    m_changed.Clear();
    m_pending = false;
    m_flushedLineCount = m_base.hasBase ? source.LineCount() : 0;
    return;
  }
  if (!m_changed.Follow(source.LineChanges(), source.LineCount())) m_wholeText = true;
  m_pending = true;
  if (OnPending) OnPending();
}

void TRecoveryJournal::StartRecord() {
  std::filesystem::create_directories(m_folder);
  std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::replace);
  // A record an earlier process of the same id left (kept for later) keeps
  // its name.
  while (!m_file)
    m_file = TJournalFile::Create(m_folder + "/" + m_namePrefix + "-" +
                                  std::to_string(++m_recordNumber) + ".recovery");
  // A file changed since it was saved or opened is no base to build on.
  if (m_base.hasBase && StampOf(m_base.documentPath) != m_base.baseStamp) {
    m_base.hasBase = false;
    m_wholeText = true;
  }
  if (m_wholeText) m_flushedLineCount = m_base.hasBase ? m_flushedLineCount : 0;
  m_file->Append(HeaderEntry(m_base));
}

void TRecoveryJournal::Flush() {
  if (!m_pending) return;
  if (!m_file) StartRecord();
  std::string group;
  if (m_wholeText) {
    group = HunkEntry(m_source, {0, m_flushedLineCount, m_source.LineCount()});
  } else {
    for (const TLineHunk& hunk : m_changed.Hunks()) group += HunkEntry(m_source, hunk);
  }
  group += StateEntry(m_source, NowUnix());
  m_file->Append(group);
  m_file->Sync();
  m_bytesWritten += group.size();
  m_changed.Clear();
  m_flushedLineCount = m_source.LineCount();
  m_wholeText = false;
  m_pending = false;
}

void TRecoveryJournal::DeleteRecord() {
  if (!m_file) return;
  m_file->Remove();
  m_file.reset();
  // A record begun later is written against the text it restarts from.
  m_wholeText = !m_base.hasBase;
}

}  // namespace qs
