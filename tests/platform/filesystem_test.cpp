// The same contract run over the real file system (in a temporary folder) and
// the in-memory one, so the fake cannot drift from what the program meets.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "platform/filetime.h"
#include "platform/localfilesystem.h"
#include "platform/memoryfilesystem.h"
#include "common/messageof.h"
#include "support/errors.h"

namespace qs {
namespace {

struct LocalRoot {
  LocalFileSystem fs;
  std::string root;
  LocalRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qs_fs_XXXXXX").string();
    root = ::mkdtemp(pattern.data());
  }
  ~LocalRoot() {
    // Read-only files must not stop the clean-up.
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root, ec))
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(root, ec);
  }
};

struct MemoryRoot {
  MemoryFileSystem fs;
  std::string root = "/work";
  MemoryRoot() { fs.CreateDirectories(root); }
};

template <class Root>
class FileSystemContract : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return JoinPath(r.root, name); }
  Root r;
};

using Roots = ::testing::Types<LocalRoot, MemoryRoot>;
TYPED_TEST_SUITE(FileSystemContract, Roots);

TYPED_TEST(FileSystemContract, WritesReplaceWholeFilesAndReadBackExactBytes) {
  IFileSystem& fs = this->r.fs;
  const std::string file = this->Path("doc.txt");
  fs.WriteFileAtomic(file, "a much longer first version");
  const std::string bytes("x\0y\r\n", 5);
  fs.WriteFileAtomic(file, bytes);
  EXPECT_EQ(fs.ReadFile(file), bytes);
  EXPECT_TRUE(fs.Exists(file));
  EXPECT_FALSE(fs.IsDirectory(file));
  EXPECT_TRUE(fs.IsDirectory(this->r.root));
}

TYPED_TEST(FileSystemContract, FailuresNameTheFile) {
  IFileSystem& fs = this->r.fs;
  const std::string missing = this->Path("missing.txt");
  EXPECT_NE(MessageOf([&] { (void)fs.ReadFile(missing); }).find(missing), std::string::npos);
  EXPECT_NE(MessageOf([&] { (void)fs.ReadFile(this->r.root); }).find(this->r.root),
            std::string::npos);
  const std::string orphan = this->Path("no/such/folder.txt");
  EXPECT_NE(MessageOf([&] { fs.WriteFileAtomic(orphan, "x"); }).find("folder.txt"),
            std::string::npos);
  const std::string renamed = this->Path("other.txt");
  const std::string message = MessageOf([&] { fs.Rename(missing, renamed); });
  EXPECT_NE(message.find("Can't rename file"), std::string::npos) << message;
  EXPECT_NE(message.find(renamed), std::string::npos) << message;
}

TYPED_TEST(FileSystemContract, ListingFiltersByPatternAndSortsIgnoringCase) {
  IFileSystem& fs = this->r.fs;
  for (const char* name : {"b.scm", "A.scm", "c.txt", "a.SCM.bak"})
    fs.WriteFileAtomic(this->Path(name), "x");
  fs.CreateDirectories(this->Path("sub/deeper"));
  fs.WriteFileAtomic(this->Path("sub/inner.scm"), "x");

  EXPECT_EQ(fs.ListDirectory(this->r.root, "*.scm"), (std::vector<std::string>{"A.scm", "b.scm"}));
  EXPECT_EQ(fs.ListDirectory(this->r.root, "*.*"),
            (std::vector<std::string>{"A.scm", "a.SCM.bak", "b.scm", "c.txt", "sub"}));
  EXPECT_EQ(fs.ListDirectory(this->Path("sub"), "*"),
            (std::vector<std::string>{"deeper", "inner.scm"}));
  EXPECT_THROW((void)fs.ListDirectory(this->Path("nowhere"), "*"), Error);
}

TYPED_TEST(FileSystemContract, DeleteRenameAndFolders) {
  IFileSystem& fs = this->r.fs;
  const std::string a = this->Path("a.txt"), b = this->Path("b.txt");
  fs.WriteFileAtomic(a, "A");
  fs.WriteFileAtomic(b, "B");
  fs.Rename(a, b);  // replaces the target
  EXPECT_FALSE(fs.Exists(a));
  EXPECT_EQ(fs.ReadFile(b), "A");
  EXPECT_TRUE(fs.Delete(b));
  EXPECT_FALSE(fs.Delete(b));

  fs.CreateDirectories(this->Path("x/y/z"));
  fs.CreateDirectories(this->Path("x/y"));  // existing is fine
  EXPECT_TRUE(fs.IsDirectory(this->Path("x/y/z")));
  fs.WriteFileAtomic(this->Path("x/y/z/f.txt"), "F");
  fs.Rename(this->Path("x/y"), this->Path("moved"));
  EXPECT_EQ(fs.ReadFile(this->Path("moved/z/f.txt")), "F");
  EXPECT_FALSE(fs.Exists(this->Path("x/y")));

  fs.WriteFileAtomic(this->Path("plain"), "");
  EXPECT_THROW(fs.CreateDirectories(this->Path("plain/sub")), Error);
}

TYPED_TEST(FileSystemContract, LastWriteTimeRoundTripsInFileTimeUnits) {
  IFileSystem& fs = this->r.fs;
  const std::string file = this->Path("t.txt");
  fs.WriteFileAtomic(file, "t");
  // 2001-09-09 01:46:40.1234567 UTC
  const TFileTime when = FileTimeFromUnix({1000000000, 123456700});
  fs.SetLastWriteTime(file, when);
  EXPECT_EQ(fs.LastWriteTime(file), when);
  EXPECT_THROW((void)fs.LastWriteTime(this->Path("gone")), Error);
}

TYPED_TEST(FileSystemContract, ReadOnlyFilesAreNotReplaced) {
  IFileSystem& fs = this->r.fs;
  const std::string file = this->Path("ro.txt");
  fs.WriteFileAtomic(file, "keep");
  EXPECT_FALSE(fs.IsReadOnly(file));
  fs.SetReadOnly(file, true);
  EXPECT_TRUE(fs.IsReadOnly(file));
  EXPECT_THROW(fs.WriteFileAtomic(file, "lost"), Error);
  EXPECT_EQ(fs.ReadFile(file), "keep");
  fs.SetReadOnly(file, false);
  fs.WriteFileAtomic(file, "new");
  EXPECT_EQ(fs.ReadFile(file), "new");
}

TYPED_TEST(FileSystemContract, UniqueTempNamesAreCreatedAndDistinct) {
  IFileSystem& fs = this->r.fs;
  const std::string first = fs.UniqueTempName(this->r.root, "qs");
  const std::string second = fs.UniqueTempName(this->r.root, "qs");
  EXPECT_NE(first, second);
  EXPECT_TRUE(fs.Exists(first));
  EXPECT_TRUE(fs.Exists(second));
  EXPECT_EQ(first.rfind(JoinPath(this->r.root, "qs"), 0), 0u) << first;
  EXPECT_TRUE(fs.IsDirectory(fs.TempDirectory()));
  EXPECT_THROW((void)fs.UniqueTempName(this->Path("nowhere"), "qs"), Error);
}

TEST(FileTime, ConvertsAtTheEpochsAndBeforeThem) {
  EXPECT_EQ(FileTimeFromUnix({0, 0}), 116444736000000000LL);
  EXPECT_EQ(UnixFromFileTime(0), (UnixTime{-11644473600LL, 0}));
  // Half a second before 1970 keeps a positive fraction of the second before.
  const TFileTime before = kUnixEpochAsFileTime - 5000000;
  EXPECT_EQ(UnixFromFileTime(before), (UnixTime{-1, 500000000}));
  EXPECT_EQ(FileTimeFromUnix(UnixFromFileTime(before)), before);
}

TEST(LocalFileSystem, AFreshFileCarriesTheCurrentTime) {
  LocalRoot r;
  const std::string file = JoinPath(r.root, "now.txt");
  r.fs.WriteFileAtomic(file, "n");
  const TFileTime now = FileTimeFromUnix({static_cast<std::int64_t>(std::time(nullptr)), 0});
  EXPECT_LT(std::llabs(r.fs.LastWriteTime(file) - now), 120 * kFileTicksPerSecond);
}

TEST(MemoryFileSystem, ArmedFaultsFailOnceAndChangeNothing) {
  MemoryFileSystem fs;
  fs.WriteFileAtomic("/tmp/a", "old");
  fs.WriteFileAtomic("/tmp/b", "other");
  const TFileTime stamped = fs.LastWriteTime("/tmp/a");

  fs.FailNext(FileFault::Write);
  EXPECT_THROW(fs.WriteFileAtomic("/tmp/a", "new"), Error);
  EXPECT_EQ(fs.ReadFile("/tmp/a"), "old");
  EXPECT_EQ(fs.LastWriteTime("/tmp/a"), stamped);
  fs.FailNext(FileFault::Write);
  EXPECT_THROW(fs.WriteFileAtomic("/tmp/fresh", "new"), Error);
  EXPECT_FALSE(fs.Exists("/tmp/fresh"));

  fs.FailNext(FileFault::Rename);
  EXPECT_THROW(fs.Rename("/tmp/a", "/tmp/b"), Error);
  EXPECT_EQ(fs.ReadFile("/tmp/b"), "other");

  fs.FailNext(FileFault::Delete);
  EXPECT_THROW(fs.Delete("/tmp/a"), Error);
  fs.FailNext(FileFault::Read);
  EXPECT_THROW((void)fs.ReadFile("/tmp/a"), Error);

  EXPECT_EQ(fs.ReadFile("/tmp/a"), "old");  // every fault was one-shot
  fs.WriteFileAtomic("/tmp/a", "new");
  EXPECT_GT(fs.LastWriteTime("/tmp/a"), stamped);
  EXPECT_TRUE(fs.Delete("/tmp/a"));
  EXPECT_EQ(fs.AllFiles(), (std::vector<std::string>{"/tmp/b"}));
}

TEST(MemoryFileSystem, PathsAreNormalised) {
  MemoryFileSystem fs;
  fs.WriteFileAtomic("/tmp//x/../y.txt", "y");
  EXPECT_EQ(fs.ReadFile("/tmp/./y.txt"), "y");
  EXPECT_EQ(fs.ListDirectory("/tmp/", "*"), (std::vector<std::string>{"y.txt"}));
  EXPECT_THROW(fs.Rename("/tmp", "/tmp/inside"), Error);
}

}  // namespace
}  // namespace qs
