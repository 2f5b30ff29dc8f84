// Whole-file writes keep the file the user's own: links stay links, owner,
// mode and hard links stay, and the temporaries they make are hidden, ours by
// name, and cleared away once their writer is gone.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "common/messageof.h"
#include "common/scratchdir.h"
#include "support/atomicfile.h"
#include "support/documentfile.h"
#include "support/errors.h"
#include "support/hiddentemp.h"

namespace qs {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using Names = std::vector<std::string>;
using Dir = testing::ScratchDir;

struct stat StatOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
  return info;
}

// The id of a process that has certainly ended: a child we started and reaped.
pid_t DeadPid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

class KeepingIdentity : public ::testing::Test {
 protected:
  std::string File(const std::string& name) const { return dir.File(name); }
  std::string Put(const std::string& name, const std::string& bytes) const {
    std::ofstream(File(name), std::ios::binary) << bytes;
    return File(name);
  }
  // The hidden temporaries of ours for target that are in its folder now.
  static Names TemporariesOf(const std::string& target) {
    Names names;
    const fs::path path(target);
    for (const auto& entry : fs::directory_iterator(path.parent_path())) {
      const std::string name = entry.path().filename().string();
      if (WriterOfHiddenTemporary(name, path.filename().string())) names.push_back(name);
    }
    return names;
  }

  Dir dir{"identity"};
};

TEST_F(KeepingIdentity, ALinkStaysALinkAndItsTargetTakesTheBytes) {
  struct Row {
    const char* name;
    std::function<void(const Dir&)> makeLink;  // "links/doc", leading to "real/doc.txt"
    bool targetExists;
  } rows[] = {
      {"absolute",
       [](const Dir& t) { fs::create_symlink(t.File("real/doc.txt"), t.File("links/doc")); }, true},
      {"relative to the link's folder",
       [](const Dir& t) { fs::create_symlink("../real/doc.txt", t.File("links/doc")); }, true},
      {"chain",
       [](const Dir& t) {
         fs::create_symlink("../real/doc.txt", t.File("links/second"));
         fs::create_symlink(t.File("links/second"), t.File("links/first"));
         fs::create_symlink("first", t.File("links/doc"));
       },
       true},
      {"dangling", [](const Dir& t) { fs::create_symlink("../real/doc.txt", t.File("links/doc")); },
       false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(dir.Path());
    fs::create_directories(File("real"));
    fs::create_directories(File("links"));
    if (row.targetExists) Put("real/doc.txt", "old");
    row.makeLink(dir);
    const std::string link = File("links/doc");
    const std::string linkText = fs::read_symlink(link).string();

    Names temporariesAtRename;  // where the temporary lives when it is renamed
    WriteFileAtomically(link, "new", [&](AtomicStep step) {
      if (step == AtomicStep::Rename) temporariesAtRename = TemporariesOf(File("real/doc.txt"));
      return false;
    });

    EXPECT_TRUE(S_ISLNK(StatOf(link).st_mode));
    EXPECT_EQ(fs::read_symlink(link).string(), linkText);
    EXPECT_TRUE(S_ISREG(StatOf(File("real/doc.txt")).st_mode));
    EXPECT_EQ(ReadDocumentFile(File("real/doc.txt")), "new");
    EXPECT_EQ(temporariesAtRename.size(), 1u);
    EXPECT_EQ(TemporariesOf(File("real/doc.txt")), Names{});
  }
}

TEST_F(KeepingIdentity, ALinkCycleFailsAndChangesNothing) {
  fs::create_symlink("b", File("a"));
  fs::create_symlink("a", File("b"));
  EXPECT_THAT(MessageOf([&] { WriteFileAtomically(File("a"), "new"); }), HasSubstr(File("a")));
  EXPECT_TRUE(S_ISLNK(StatOf(File("a")).st_mode));
  EXPECT_EQ(dir.Names(), (Names{"a", "b"}));
}

TEST_F(KeepingIdentity, AnExistingFileKeepsItsMode) {
  for (mode_t mode : {0640, 0755, 0600, 02755, 04750, 01644}) {
    SCOPED_TRACE(mode);
    const std::string path = Put("doc.txt", "old");
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    WriteFileAtomically(path, "new");
    EXPECT_EQ(StatOf(path).st_mode & 07777, mode);
    EXPECT_EQ(ReadDocumentFile(path), "new");
  }
}

TEST_F(KeepingIdentity, AnExistingFileKeepsItsOwnerAndGroup) {
  if (::geteuid() != 0) GTEST_SKIP() << "giving a file away takes root";
  const std::string path = Put("doc.txt", "old");
  ASSERT_EQ(::chown(path.c_str(), 1234, 4321), 0);
  // The owner is set before the mode: a later change of owner would clear setuid.
  ASSERT_EQ(::chmod(path.c_str(), 04755), 0);
  WriteFileAtomically(path, "new");
  const struct stat info = StatOf(path);
  EXPECT_EQ(info.st_uid, 1234u);
  EXPECT_EQ(info.st_gid, 4321u);
  EXPECT_EQ(info.st_mode & 07777, 04755u);
}

TEST_F(KeepingIdentity, ANewFileTakesTheUmask) {
  for (mode_t mask : {022, 077, 002, 027}) {
    SCOPED_TRACE(mask);
    const mode_t previous = ::umask(mask);
    const std::string path = File("new" + std::to_string(mask) + ".txt");
    WriteFileAtomically(path, "x");
    ::umask(previous);
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0666 & ~mask);
  }
}

TEST_F(KeepingIdentity, HardLinksKeepSharingTheNewBytes) {
  const std::string first = Put("first.txt", "a longer old content");
  const std::string second = File("second.txt");
  fs::create_hard_link(first, second);
  const ino_t inode = StatOf(first).st_ino;

  WriteFileAtomically(second, "new");

  EXPECT_EQ(ReadDocumentFile(first), "new");
  EXPECT_EQ(ReadDocumentFile(second), "new");
  EXPECT_EQ(StatOf(first).st_nlink, 2u);
  EXPECT_EQ(StatOf(first).st_ino, inode);
  EXPECT_EQ(dir.Names(), (Names{"first.txt", "second.txt"}));
}

TEST_F(KeepingIdentity, AFailedInPlaceWriteRestoresTheOldBytes) {
  const std::string first = Put("first.txt", "old");
  const std::string second = File("second.txt");
  fs::create_hard_link(first, second);
  for (AtomicStep failing : {AtomicStep::Create, AtomicStep::Write, AtomicStep::Flush}) {
    SCOPED_TRACE(static_cast<int>(failing));
    EXPECT_THROW(WriteFileAtomically(first, "new", [&](AtomicStep s) { return s == failing; }),
                 Error);
    EXPECT_EQ(ReadDocumentFile(first), "old");
    EXPECT_EQ(ReadDocumentFile(second), "old");
    EXPECT_EQ(StatOf(first).st_nlink, 2u);
    EXPECT_EQ(dir.Names(), (Names{"first.txt", "second.txt"}));
  }
}

TEST_F(KeepingIdentity, WhenTheOldBytesCannotBeWrittenBackTheErrorNamesTheirCopy) {
  const std::string first = Put("first.txt", "old");
  fs::create_hard_link(first, File("second.txt"));
  const std::string message = MessageOf([&] {
    WriteFileAtomically(first, "new", [](AtomicStep s) {
      return s == AtomicStep::Write || s == AtomicStep::Restore;
    });
  });
  const Names kept = TemporariesOf(first);
  ASSERT_EQ(kept.size(), 1u) << message;
  EXPECT_THAT(message, HasSubstr(first));
  EXPECT_THAT(message, HasSubstr(File(kept[0])));
  EXPECT_EQ(ReadDocumentFile(File(kept[0])), "old");
  EXPECT_EQ(StatOf(File(kept[0])).st_mode & 0777, 0600u);  // the old bytes stay private
}

TEST_F(KeepingIdentity, StaleTemporariesOfDeadWritersAreRemovedAndNothingElse) {
  const std::string target = Put("doc.txt", "old");
  const pid_t dead = DeadPid();
  const std::string stale = HiddenTemporaryName("doc.txt", dead, "AbC123");
  const std::string staleFolder = HiddenTemporaryName("doc.txt", dead, "folder");
  const Names kept = {
      HiddenTemporaryName("doc.txt", ::getpid(), "AbC123"),  // a save still running
      HiddenTemporaryName("other.txt", dead, "AbC123"),      // another file's
      ".doc.txt.quillon-" + std::to_string(dead) + "-AbC12.tmp",
      "doc.txt.quillon-" + std::to_string(dead) + "-AbC123.tmp",
      ".foo.tmp",
  };
  Put(stale, "x");
  fs::create_directory(File(staleFolder));
  for (const std::string& name : kept) Put(name, "x");

  WriteFileAtomically(target, "new");

  Names expected = kept;
  expected.push_back("doc.txt");
  expected.push_back(staleFolder);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(dir.Names(), expected);
}

TEST(HiddenTemporaryNames, OnlyOurExactPatternNamesAWriter) {
  struct Row {
    std::string entry;
    std::optional<pid_t> writer;
  } rows[] = {
      {".doc.txt.quillon-4242-x7Qe0b.tmp", 4242},
      {HiddenTemporaryName("doc.txt", 2147483647, "ZZZZZZ"), 2147483647},
      {"doc.txt.quillon-4242-x7Qe0b.tmp", {}},         // not hidden
      {".doc.txt.quillon-04242-x7Qe0b.tmp", {}},       // leading zero
      {".doc.txt.quillon--x7Qe0b.tmp", {}},            // no pid
      {".doc.txt.quillon-42a2-x7Qe0b.tmp", {}},        // not a number
      {".doc.txt.quillon-2147483648-x7Qe0b.tmp", {}},  // beyond any pid
      {".doc.txt.quillon-4242-x7Qe0.tmp", {}},         // short tag
      {".doc.txt.quillon-4242-x7Qe0bb.tmp", {}},       // long tag
      {".doc.txt.quillon-4242-x7Q_0b.tmp", {}},        // tag character
      {".doc.txt.quillon-4242-x7Qe0b.tmp~", {}},
      {".doc.txt.quillon-4242-x7Qe0b", {}},
      {".doc.txt.bak.quillon-4242-x7Qe0b.tmp", {}},  // another target
      {".doc.quillon-4242-x7Qe0b.tmp", {}},
  };
  for (const Row& row : rows)
    EXPECT_EQ(WriterOfHiddenTemporary(row.entry, "doc.txt"), row.writer) << row.entry;
}

TEST_F(KeepingIdentity, ALongNameStillGetsATemporaryThatIsRecognised) {
  std::string name = "a";  // puts a character across the point where the name is cut
  while (name.size() < 247) name += "\xC3\xA9";
  name += ".txt";
  const std::string temporary = HiddenTemporaryName(name, 2147483647, "AbC123");
  EXPECT_LE(temporary.size(), 255u);
  EXPECT_NE(temporary[temporary.find(".quillon-") - 1], '\xC3') << "a character was cut";
  EXPECT_EQ(WriterOfHiddenTemporary(temporary, name), 2147483647);

  const std::string path = Put(name, "old");
  WriteFileAtomically(path, "new");
  EXPECT_EQ(ReadDocumentFile(path), "new");
  EXPECT_EQ(dir.Names(), Names{name});
}

}  // namespace
}  // namespace qs
