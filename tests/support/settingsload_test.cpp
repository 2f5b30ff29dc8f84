// The settings file on disk: loading, moving a bad file aside, atomic saves, and
// where the process-wide store keeps its file.
#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "common/environmentscope.h"
#include "support/atomicfile.h"
#include "support/documentfile.h"
#include "support/errors.h"
#include "support/fileaccess.h"
#include "support/registry.h"
#include "support/settingsfile.h"
#include "support/settingssnapshot.h"

namespace qs {
namespace {

using ::testing::HasSubstr;
using testing::IsEmpty;
using testing::ScratchDir;
using testing::Snapshot;
using Names = std::vector<std::string>;

constexpr RootKey kUser = RootKey::CurrentUser;

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

void FillSample(SettingsStore& store, int variant) {
  store.WriteValue(kUser, "Software\\Q", "n", RegValue::Int(variant));
  store.WriteValue(kUser, "Software\\Q", "s", RegValue::Str(U"line\n\"\u00e9\""));
  store.WriteValue(kUser, "Software\\Q\\Sub", "e", RegValue::Expand(U"$HOME"));
  std::vector<std::uint8_t> bytes(60);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
  store.WriteValue(kUser, "Software\\Q\\Sub", "b", RegValue::Bin(bytes));
  store.CreateKey(RootKey::LocalMachine, "Empty");
}

class SettingsFile : public ::testing::Test {
 protected:
  ScratchDir dir{"settings"};
  std::string path = dir.File("settings.ini");
};

TEST_F(SettingsFile, AMissingFileGivesAnEmptyStoreAndNoMessage) {
  SettingsStore store;
  store.WriteValue(kUser, "Old", "v", RegValue::Int(1));
  store.SetFileName(path);
  EXPECT_EQ(store.Load(), std::nullopt);
  EXPECT_TRUE(IsEmpty(store));
  EXPECT_TRUE(dir.Names().empty());
}

TEST_F(SettingsFile, SaveCreatesTheFolderAndLoadReadsEverythingBack) {
  SettingsStore store;
  FillSample(store, 5);
  store.SetFileName(dir.File("new folder/deeper/settings.ini"));
  store.Save();
  SettingsStore back;
  back.SetFileName(store.FileName());
  EXPECT_EQ(back.Load(), std::nullopt);
  EXPECT_EQ(Snapshot(back), Snapshot(store));
}

TEST_F(SettingsFile, AStoreWithoutAFileIsKeptInMemoryOnly) {
  SettingsStore store;
  FillSample(store, 1);
  EXPECT_NO_THROW(store.Save());
  EXPECT_EQ(store.Load(), std::nullopt);
  EXPECT_TRUE(IsEmpty(store));
  EXPECT_THROW(SaveSettingsFile(HostFiles(), store, ""), Error);
}

// The host's files with every atomic write failing at one chosen step.
class FailingWrites final : public IFileAccess {
 public:
  explicit FailingWrites(AtomicStep step) : m_step(step) {}
  std::string ReadFile(const std::string& p) override { return HostFiles().ReadFile(p); }
  void WriteFileAtomic(const std::string& p, std::string_view bytes) override {
    WriteFileAtomically(p, bytes, [this](AtomicStep s) { return s == m_step; });
  }
  bool Exists(const std::string& p) const override { return HostFiles().Exists(p); }
  bool IsDirectory(const std::string& p) const override { return HostFiles().IsDirectory(p); }
  std::uint64_t FileSize(const std::string& p) const override { return HostFiles().FileSize(p); }
  void Rename(const std::string& from, const std::string& to) override {
    HostFiles().Rename(from, to);
  }
  void CreateDirectories(const std::string& p) override { HostFiles().CreateDirectories(p); }

 private:
  AtomicStep m_step;
};

TEST_F(SettingsFile, AFailedSaveAtAnyStepKeepsThePreviousFile) {
  for (AtomicStep failing :
       {AtomicStep::Create, AtomicStep::Write, AtomicStep::Flush, AtomicStep::Rename}) {
    SCOPED_TRACE(static_cast<int>(failing));
    SettingsStore previous;
    FillSample(previous, 1);
    SaveSettingsFile(HostFiles(), previous, path);
    SettingsStore changed;
    FillSample(changed, 2);
    changed.WriteValue(kUser, "More", "x", RegValue::Int(3));
    FailingWrites files(failing);
    changed.SetFiles(files);
    changed.SetFileName(path);
    EXPECT_THROW(changed.Save(), Error);
    SettingsStore back;
    EXPECT_EQ(LoadSettingsFile(HostFiles(), back, path), std::nullopt);
    EXPECT_EQ(Snapshot(back), Snapshot(previous));
    EXPECT_EQ(dir.Names(), Names{"settings.ini"});
  }
}

TEST_F(SettingsFile, SaveFailsWhenTheFolderCannotBeMade) {
  WriteBytes(dir.File("plain"), "x");
  SettingsStore store;
  FillSample(store, 1);
  store.SetFileName(dir.File("plain/settings.ini"));
  EXPECT_THROW(store.Save(), Error);
  EXPECT_EQ(ReadDocumentFile(dir.File("plain")), "x");
}

// Cut anywhere before the end line, a file is bad; cut after it, it is whole.
TEST_F(SettingsFile, EveryTruncationOfAValidFileIsRecognised) {
  SettingsStore full;
  FillSample(full, 7);
  const std::string text = FormatSettings(full);
  const std::size_t endLineEnds = text.size() - 1;  // before its line break
  for (std::size_t cut = 0; cut <= text.size(); ++cut) {
    SCOPED_TRACE(cut);
    const std::string bytes = text.substr(0, cut);
    WriteBytes(path, bytes);
    SettingsStore store;
    const std::optional<std::string> message = LoadSettingsFile(HostFiles(), store, path);
    if (cut >= endLineEnds) {
      EXPECT_EQ(message, std::nullopt);
      EXPECT_EQ(Snapshot(store), Snapshot(full));
      EXPECT_EQ(dir.Names(), Names{"settings.ini"});
    } else {
      ASSERT_TRUE(message);
      EXPECT_TRUE(IsEmpty(store));
      ASSERT_EQ(dir.Names(), Names{"settings.ini.bad"});
      EXPECT_EQ(ReadDocumentFile(path + ".bad"), bytes);
    }
    std::filesystem::remove(path);
    std::filesystem::remove(path + ".bad");
  }
}

TEST_F(SettingsFile, ABadFileIsKeptUnchangedUnderAFreeName) {
  const std::string bad[] = {"; Quillon settings 1\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"\\q\"\n; end\n",
                             std::string("\0\xFF\xFEgarbage", 10), ""};
  const std::string kept[] = {path + ".bad", path + ".bad.1", path + ".bad.2"};
  for (int i = 0; i < 3; ++i) {
    WriteBytes(path, bad[i]);
    SettingsStore store;
    store.WriteValue(kUser, "Old", "v", RegValue::Int(1));
    store.SetFileName(path);
    const std::optional<std::string> message = store.Load();
    ASSERT_TRUE(message);
    EXPECT_THAT(*message, HasSubstr("\"" + path + "\""));
    EXPECT_THAT(*message, HasSubstr("moved to \"" + kept[i] + "\""));
    EXPECT_TRUE(IsEmpty(store));
    EXPECT_FALSE(std::filesystem::exists(path));
  }
  for (int i = 0; i < 3; ++i) EXPECT_EQ(ReadDocumentFile(kept[i]), bad[i]);
  EXPECT_THAT(ReadDocumentFile(kept[0]), HasSubstr("\\q"));
  // The message says what was wrong, and where.
  WriteBytes(path, bad[0]);
  SettingsStore store;
  EXPECT_THAT(LoadSettingsFile(HostFiles(), store, path).value(), HasSubstr("line 3: bad escape"));
}

TEST_F(SettingsFile, AFileTooLargeToBeSettingsIsMovedAsideUnread) {
  WriteBytes(path, "; Quillon settings 1\n");
  std::filesystem::resize_file(path, kMaxSettingsFileBytes + 1);  // sparse: no disk used
  SettingsStore store;
  EXPECT_THAT(LoadSettingsFile(HostFiles(), store, path).value(), HasSubstr("too large"));
  EXPECT_EQ(dir.Names(), Names{"settings.ini.bad"});
}

// The store keeps what its load found wrong until the program has told the
// user, once.
TEST_F(SettingsFile, TheStoreKeepsItsLoadProblemUntilTaken) {
  WriteBytes(path, "; Quillon settings 1\n[broken\n");
  SettingsStore store;
  store.SetFileName(path);
  ASSERT_TRUE(store.Load().has_value());
  const std::optional<std::string> problem = store.TakeLoadProblem();
  ASSERT_TRUE(problem.has_value());
  EXPECT_THAT(*problem, HasSubstr("moved to"));
  EXPECT_FALSE(store.TakeLoadProblem().has_value());
  EXPECT_FALSE(store.Load().has_value());  // nothing there now: nothing to say
  EXPECT_FALSE(store.TakeLoadProblem().has_value());
}

TEST_F(SettingsFile, SomethingOtherThanAFileIsLeftAlone) {
  std::filesystem::create_directory(path);
  SettingsStore store;
  store.WriteValue(kUser, "Old", "v", RegValue::Int(1));
  EXPECT_THAT(LoadSettingsFile(HostFiles(), store, path).value(), HasSubstr("not a file"));
  EXPECT_TRUE(IsEmpty(store));
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_EQ(dir.Names(), Names{"settings.ini"});
}

TEST_F(SettingsFile, AnUnreadableFileIsMovedAside) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads any file";
  SettingsStore good;
  FillSample(good, 1);
  SaveSettingsFile(HostFiles(), good, path);
  ::chmod(path.c_str(), 0);
  SettingsStore store;
  EXPECT_THAT(LoadSettingsFile(HostFiles(), store, path).value(), HasSubstr("moved to"));
  EXPECT_TRUE(IsEmpty(store));
  EXPECT_EQ(dir.Names(), Names{"settings.ini.bad"});
}

TEST(SettingsFileLocation, ComesFromTheEnvironment) {
  const struct {
    const char* file;
    const char* config;
    const char* home;
    const char* expected;
  } cases[] = {
      {"/x/own.ini", "/cfg", "/home/u", "/x/own.ini"},
      {"", "/cfg", "/home/u", "/cfg/quillon/settings.ini"},
      {nullptr, "/cfg", "/home/u", "/cfg/quillon/settings.ini"},
      {nullptr, nullptr, "/home/u", "/home/u/.config/quillon/settings.ini"},
      {nullptr, "", "/home/u", "/home/u/.config/quillon/settings.ini"},
      {nullptr, "relative/cfg", "/home/u", "/home/u/.config/quillon/settings.ini"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    testing::EnvironmentScope env;
    env.Set("QUILLON_SETTINGS_FILE", c.file);
    env.Set("XDG_CONFIG_HOME", c.config);
    env.Set("HOME", c.home);
    EXPECT_EQ(SettingsFileFromEnvironment(), c.expected);
  }
}

// The process-wide store is made once per process, so each case runs in a
// fresh copy of the test program.
class SettingsInstance : public ::testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(SettingsInstance, LoadsItsFileOnFirstUse) {
  const auto body = [] {
    bool ok = false;
    {
      const ScratchDir dir("instance_good");
      SettingsStore seed;
      seed.WriteValue(kUser, "K", "v", RegValue::Int(42));
      SaveSettingsFile(HostFiles(), seed, dir.File("s.ini"));
      ::setenv("QUILLON_SETTINGS_FILE", dir.File("s.ini").c_str(), 1);
      SettingsStore& store = SettingsStore::Instance();
      ok = &store == &SettingsStore::Instance() && store.FileName() == dir.File("s.ini") &&
           store.ReadValue(kUser, "k", "V") == RegValue::Int(42);
    }
    std::exit(ok ? 0 : 1);
  };
  EXPECT_EXIT(body(), ::testing::ExitedWithCode(0), "");
}

TEST_F(SettingsInstance, ReportsABadFileOnTheErrorStream) {
  const auto body = [] {
    bool ok = false;
    {
      const ScratchDir dir("instance_bad");
      WriteBytes(dir.File("s.ini"), "not settings");
      ::setenv("QUILLON_SETTINGS_FILE", dir.File("s.ini").c_str(), 1);
      ok = IsEmpty(SettingsStore::Instance()) &&
           ReadDocumentFile(dir.File("s.ini.bad")) == "not settings";
    }
    std::exit(ok ? 0 : 1);
  };
  EXPECT_EXIT(body(), ::testing::ExitedWithCode(0), "s\\.ini\" could not be read.*moved to");
}

}  // namespace
}  // namespace qs
