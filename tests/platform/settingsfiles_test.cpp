// The settings file goes through whatever file system the store is given,
// so the memory one and its faults stand in for the disk.
#include <gtest/gtest.h>

#include "platform/memoryfilesystem.h"
#include "support/errors.h"
#include "support/registry.h"

namespace qs {
namespace {

TEST(SettingsThroughTheFileSystem, SaveLoadAndFaultsKeepTheStoredSettings) {
  MemoryFileSystem files;
  SettingsStore store;
  store.SetFiles(files);
  store.SetFileName("/home/u/.config/quillon/settings.ini");
  store.WriteValue(RootKey::CurrentUser, "Software\\Quillon", "Width", RegValue::Int(640));
  store.Save();  // the folder is made through the file system too
  ASSERT_TRUE(files.Exists("/home/u/.config/quillon/settings.ini"));

  store.WriteValue(RootKey::CurrentUser, "Software\\Quillon", "Width", RegValue::Int(800));
  files.FailNext(FileFault::Write);
  EXPECT_THROW(store.Save(), Error);
  SettingsStore back;
  back.SetFiles(files);
  back.SetFileName(store.FileName());
  EXPECT_EQ(back.Load(), std::nullopt);
  EXPECT_EQ(back.ReadValue(RootKey::CurrentUser, "Software\\Quillon", "Width"), RegValue::Int(640));

  files.FailNext(FileFault::Read);  // unreadable: moved aside, defaults in use
  const std::optional<std::string> problem = back.Load();
  ASSERT_TRUE(problem.has_value());
  EXPECT_NE(problem->find("moved to"), std::string::npos) << *problem;
  EXPECT_FALSE(back.ReadValue(RootKey::CurrentUser, "Software\\Quillon", "Width").has_value());
  EXPECT_TRUE(files.Exists("/home/u/.config/quillon/settings.ini.bad"));
  EXPECT_FALSE(files.Exists("/home/u/.config/quillon/settings.ini"));
}

TEST(SettingsThroughTheFileSystem, ATooLargeFileIsRefusedBeforeItIsRead) {
  MemoryFileSystem files;
  files.CreateDirectories("/cfg");
  files.WriteFileAtomic("/cfg/settings.ini", std::string((64u << 20) + 1, ' '));
  SettingsStore store;
  store.SetFiles(files);
  store.SetFileName("/cfg/settings.ini");
  files.FailNext(FileFault::Read);  // a read would fail with another reason
  const std::optional<std::string> problem = store.Load();
  ASSERT_TRUE(problem.has_value());
  EXPECT_NE(problem->find("too large"), std::string::npos) << *problem;
  EXPECT_TRUE(files.Exists("/cfg/settings.ini.bad"));
}

}  // namespace
}  // namespace qs
