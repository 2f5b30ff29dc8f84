// The recovery record: what a flush writes replays to exactly the document it
// was written from, a record cut or damaged anywhere gives back one of the
// states it recorded (never anything else), and a record belongs to its
// writer for as long as the writer lives.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <filesystem>
#include <fstream>
#include <random>

#include "sourcefixture.h"
#include "support/journalfile.h"
#include "support/processtoken.h"
#include "textmodel/recoveryjournal.h"

namespace qs {
namespace {

using test::U;
namespace fs = std::filesystem;

struct Snapshot {
  std::vector<TRecoveredLine> lines;
  bool finalBreak = true;
  Encoding encoding = Encoding::Utf8;
  TOutFormatType outFormat = ofUnix;
  bool operator==(const Snapshot&) const = default;
};

Snapshot SnapshotOf(const TCustomMemoSource& source) {
  return {LinesOf(source), source.FinalLineBreak(), source.FileEncoding(), source.OutFormat()};
}

Snapshot SnapshotOf(const TRecoveredText& text) {
  return {text.lines, text.state.finalBreak, text.state.encoding, text.state.outFormat};
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class RecoveryJournal : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("qs_recovery_" + std::to_string(::getpid()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  std::string Folder() const { return (m_dir / "records").string(); }
  std::string WriteDocument(std::string_view bytes) const {
    const std::string path = (m_dir / "doc.txt").string();
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  // The saved text the record's header names, read as the program reads it.
  static std::vector<TRecoveredLine> BaseOf(std::string_view record) {
    const std::optional<TRecoveryHeader> header = ReadRecoveryHeader(record);
    if (!header || !header->hasBase) return {};
    TMemoSource base;
    base.SetEightBitCodePage(header->eightBitCodePage);
    base.LoadFromBytes(ReadFile(header->documentPath));
    return LinesOf(base);
  }
  static TRecoveredText Replayed(std::string_view record) {
    return ReplayRecovery(record, BaseOf(record));
  }

  fs::path m_dir;
};

// Random editing with a flush now and then; after every flush the record
// replays to the document as it is.
class RandomEdits {
 public:
  RandomEdits(TMemoSource& source, std::uint32_t seed) : m_s(source), m_rng(seed) {}
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
  void Step() {
    static constexpr Char kChars[] = {U'a', U' ', U'\t', U'\u00e9', U'\U0001F600', U'z'};
    const int lines = std::max(m_s.LineCount(), 1);
    switch (Pick(14)) {
      case 0:
      case 1:
      case 2:
      case 3:
        m_s.TypeChar(kChars[Pick(6)]);
        break;
      case 4:
        m_s.BackSpace();
        break;
      case 5:
        m_s.NewLine();
        break;
      case 6:
        m_s.DeleteLine();
        break;
      case 7:
        m_s.SetCaretPos(Pick(8), Pick(lines));
        break;
      case 8:
        m_s.InsertText(U"one\ntwo\r\nthree");
        break;
      case 9:
        m_s.SelectRange(stStreamSel, Pick(5), Pick(lines), Pick(5),
                        std::min(lines - 1, Pick(lines) + 3));
        m_s.DeleteBlock();
        break;
      case 10:
        m_s.Undo();
        break;
      case 11:
        m_s.Redo();
        break;
      case 12:
        if (Pick(8) == 0) m_s.ConvertLineBreaks(static_cast<TOutFormatType>(Pick(3)));
        break;
      case 13:
        if (Pick(20) == 0) test::Fill(m_s, {"all", "new", "text"});
        break;
    }
  }

 private:
  TMemoSource& m_s;
  std::mt19937 m_rng;
};

TEST_F(RecoveryJournal, EveryFlushReplaysToTheDocument) {
  struct Case {
    const char* name;
    std::string_view saved;  // nothing: an untitled document
    std::uint32_t seed;
  };
  const Case cases[] = {
      {"untitled", {}, 1},
      {"saved file with LF", "first\nsecond\nthird\n", 2},
      {"saved file with CR LF and no final break", "a\r\nb\r\nc", 3},
      {"saved 8-bit file", "caf\xE9\nna\xEFve\n", 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TMemoSource source;
    std::string path;
    if (c.saved.data() != nullptr) {
      path = WriteDocument(c.saved);
      source.LoadFromFile(path);
    }
    TRecoveryJournal journal(source, Folder(), "test");
    journal.Restart(path);
    RandomEdits edits(source, c.seed);
    int checked = 0;
    for (int step = 0; step < 3000; ++step) {
      edits.Step();
      if (edits.Pick(25) != 0) continue;
      journal.Flush();
      if (journal.RecordPath().empty()) {
        EXPECT_FALSE(source.DocModified()) << "no record while modified, step " << step;
        continue;
      }
      const TRecoveredText replayed = Replayed(ReadFile(journal.RecordPath()));
      ASSERT_EQ(SnapshotOf(replayed), SnapshotOf(source)) << "step " << step;
      ++checked;
    }
    EXPECT_GT(checked, 20);
  }
}

TEST_F(RecoveryJournal, CutOrDamagedRecordGivesAnEarlierStateNeverGarbage) {
  const std::string path = WriteDocument("alpha\nbeta\ngamma\n");
  TMemoSource source;
  source.LoadFromFile(path);
  TRecoveryJournal journal(source, Folder(), "test");
  journal.Restart(path);
  std::vector<Snapshot> states{SnapshotOf(source)};
  for (int group = 0; group < 6; ++group) {
    source.SetCaretPos(group, group % source.LineCount());
    source.InsertText(U"group\nmore \U0001F600");
    if (group % 2 == 1) source.DeleteLine();
    journal.Flush();
    states.push_back(SnapshotOf(source));
  }
  const std::string record = ReadFile(journal.RecordPath());
  const std::vector<TRecoveredLine> base = BaseOf(record);
  // Cut at every byte: the longest prefix of whole groups comes back.
  int lastGroups = 0;
  for (std::size_t cut = 0; cut <= record.size(); ++cut) {
    const TRecoveredText text = ReplayRecovery(record.substr(0, cut), base);
    ASSERT_GE(text.groups, lastGroups) << "cut at " << cut;
    lastGroups = text.groups;
    if (text.groups > 0) {
      ASSERT_EQ(SnapshotOf(text), states[static_cast<std::size_t>(text.groups)])
          << "cut at " << cut;
    }
  }
  EXPECT_EQ(lastGroups, 6);
  // A changed byte anywhere stops the replay before its entry.
  for (std::size_t at = 0; at < record.size(); at += 7) {
    std::string damaged = record;
    damaged[at] = static_cast<char>(damaged[at] ^ 0x5A);
    const TRecoveredText text = ReplayRecovery(damaged, base);
    if (text.groups > 0) {
      ASSERT_EQ(SnapshotOf(text), states[static_cast<std::size_t>(text.groups)]) << "byte " << at;
    }
  }
}

TEST_F(RecoveryJournal, FileChangedBeforeTheFirstFlushIsRecordedWhole) {
  const std::string path = WriteDocument("one\ntwo\n");
  TMemoSource source;
  source.LoadFromFile(path);
  TRecoveryJournal journal(source, Folder(), "test");
  journal.Restart(path);
  source.SetCaretPos(3, 1);
  source.TypeChar(U'!');
  WriteDocument("another program\nwrote this\nand more\n");
  journal.Flush();
  const std::string record = ReadFile(journal.RecordPath());
  const std::optional<TRecoveryHeader> header = ReadRecoveryHeader(record);
  ASSERT_TRUE(header);
  EXPECT_FALSE(header->hasBase);
  EXPECT_EQ(header->documentPath, path);
  EXPECT_EQ(SnapshotOf(ReplayRecovery(record, {})), SnapshotOf(source));
}

TEST_F(RecoveryJournal, RecordLivesOnlyWhileThereAreUnsavedChanges) {
  const std::string path = WriteDocument("text\n");
  TMemoSource source;
  source.LoadFromFile(path);
  auto journal = std::make_unique<TRecoveryJournal>(source, Folder(), "test");
  journal->Restart(path);
  source.TypeChar(U'a');
  journal->Flush();
  const std::string record = journal->RecordPath();
  ASSERT_TRUE(fs::exists(record));
  // Undone back to the saved text.
  source.Undo();
  EXPECT_FALSE(fs::exists(record));
  EXPECT_FALSE(journal->Pending());
  // Saved.
  source.TypeChar(U'b');
  journal->Flush();
  ASSERT_FALSE(journal->RecordPath().empty());
  const std::string second = journal->RecordPath();
  source.SaveToFile(path);
  journal->Restart(path);
  EXPECT_FALSE(fs::exists(second));
  // Discarded; an end with neither keeps the record for the next start.
  source.TypeChar(U'c');
  journal->Flush();
  const std::string third = journal->RecordPath();
  journal->Discard();
  EXPECT_FALSE(fs::exists(third));
  source.TypeChar(U'd');
  journal->Flush();
  const std::string fourth = journal->RecordPath();
  EXPECT_EQ(Replayed(ReadFile(fourth)).lines.front().text, U"bcdtext");
  journal.reset();
  EXPECT_TRUE(fs::exists(fourth));
}

TEST_F(RecoveryJournal, LiveWritersRecordCannotBeTaken) {
  TMemoSource source;
  TRecoveryJournal journal(source, Folder(), "test");
  source.TypeChar(U'a');
  journal.Flush();
  const std::string record = journal.RecordPath();
  // Another process (a second instance) finds it locked.
  const pid_t child = ::fork();
  if (child == 0) _exit(TJournalFile::TryTake(record) ? 1 : 0);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  const std::optional<TRecoveryHeader> header = ReadRecoveryHeader(ReadFile(record));
  ASSERT_TRUE(header);
  EXPECT_EQ(header->pid, ::getpid());
  EXPECT_TRUE(IsProcessAlive(header->pid, header->processToken));
}

TEST_F(RecoveryJournal, DeadWritersRecordCanBeTaken) {
  fs::create_directories(Folder());
  const std::string record = Folder() + "/dead.recovery";
  const pid_t child = ::fork();
  if (child == 0) {
    // Killed without any cleanup: the record stays behind.
    std::optional<TJournalFile> file = TJournalFile::Create(record);
    TRecoveryHeader header;
    header.pid = ::getpid();
    header.processToken = ProcessStartToken(header.pid);
    file->Append(HeaderEntry(header));
    ::kill(::getpid(), SIGKILL);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  const std::optional<TRecoveryHeader> header = ReadRecoveryHeader(ReadFile(record));
  ASSERT_TRUE(header);
  EXPECT_EQ(header->pid, child);
  EXPECT_FALSE(IsProcessAlive(header->pid, header->processToken));
  EXPECT_TRUE(TJournalFile::TryTake(record).has_value());
}

}  // namespace
}  // namespace qs
