#include <gtest/gtest.h>

#include "app/menumodel.h"
#include "app/systopt.h"
#include "platform/memoryfilesystem.h"
#include "support/registry.h"
#include "support/utf8.h"

namespace qs {
namespace {

TEST(SysOptions, ServerPathAndUrlAreNormalised) {
  const struct {
    const char32_t* typed;
    const char32_t* path;
    const char32_t* url;
  } cases[] = {
      {U"d:/www/site", U"d:/www/site/", U"d:/www/site/"},
      {U"  \\srv\\www\\  ", U"/srv/www/", U"/srv/www/"},
      {U"http://localhost", U"http://localhost/", U"http://localhost/"},
      {U"http:\\\\host\\app\\", U"http://host/app/", U"http://host/app/"},
      {U"", U"", U""},
      {U"   ", U"", U""},
  };
  for (const auto& c : cases) {
    TSysOptions options;
    options.SetServerPath(c.typed);
    options.SetServerUrl(c.typed);
    EXPECT_EQ(options.ServerPath(), c.path) << ToUtf8(c.typed);
    EXPECT_EQ(options.ServerUrl(), c.url) << ToUtf8(c.typed);
  }
}

TEST(SysOptions, TheCodePageTakesKnownNamesOnlyAndStoresTheirOwnName) {
  TSysOptions options;
  EXPECT_EQ(options.CodePageEncoding(), Encoding::Windows1252);
  options.SetCodePage(U" cp1251 ");
  EXPECT_EQ(options.CodePage(), U"windows-1251");
  EXPECT_EQ(options.CodePageEncoding(), Encoding::Windows1251);
  for (const char32_t* refused : {U"UTF-8", U"latin-9", U""})
    EXPECT_THROW(options.SetCodePage(refused), Error) << ToUtf8(refused);
  EXPECT_EQ(options.CodePage(), U"windows-1251");
}

TEST(SysOptions, LimitsReadFromTheSettingsAreKeptUsable) {
  SettingsStore store;
  const std::string key = std::string(kApplicationKey) + "\\System";
  store.WriteValue(RootKey::CurrentUser, key, "MaxRecent", RegValue::Int(-3));
  store.WriteValue(RootKey::CurrentUser, key, "MsgWindowHeight", RegValue::Int(5));
  TSysOptions options;
  options.LoadFromRegistry(store);
  EXPECT_EQ(options.MaxRecent(), 1);
  EXPECT_EQ(options.MsgWindowHeight(), 20);

  MemoryFileSystem files;
  files.WriteFileAtomic("/a", "");
  files.WriteFileAtomic("/b", "");
  options.AddRecentFile("/a", files);
  options.AddRecentFile("/b", files);
  EXPECT_EQ(options.RecentFiles(), std::vector<std::string>{"/b"});
}

TEST(SysOptions, TheRecentListKeepsOneEntryPerFileMostRecentFirstAndCutsToTheLimit) {
  MemoryFileSystem files;
  files.CreateDirectories("/docs/sub");
  TSysOptions options;
  for (int i = 0; i < 16; ++i) {
    const std::string path = "/docs/f" + std::to_string(i);
    files.WriteFileAtomic(path, "");
    options.AddRecentFile(path, files);
  }
  ASSERT_EQ(options.RecentFiles().size(), 15u);
  EXPECT_EQ(options.RecentFiles().front(), "/docs/f15");
  EXPECT_EQ(options.RecentFiles().back(), "/docs/f1");

  // Names differing in case are different files here; the same name moves up.
  files.WriteFileAtomic("/docs/F3", "");
  options.AddRecentFile("/docs/F3", files);
  options.AddRecentFile("/docs/f3", files);
  EXPECT_EQ(options.RecentFiles()[0], "/docs/f3");
  EXPECT_EQ(options.RecentFiles()[1], "/docs/F3");
  EXPECT_EQ(std::count(options.RecentFiles().begin(), options.RecentFiles().end(), "/docs/f3"), 1);

  // Paths are kept absolute, and entries whose files are gone are dropped.
  files.Delete("/docs/f15");
  files.WriteFileAtomic("/docs/sub/g", "");
  options.AddRecentFile("/docs/sub/../sub/g", files);
  EXPECT_EQ(options.RecentFiles()[0], "/docs/sub/g");
  EXPECT_EQ(std::count(options.RecentFiles().begin(), options.RecentFiles().end(), "/docs/f15"), 0);
}

TEST(SysOptions, RelativeRecentPathsBecomeAbsolute) {
  MemoryFileSystem files;
  TSysOptions options;
  options.AddRecentFile("rel/name.txt", files);
  ASSERT_EQ(options.RecentFiles().size(), 1u);
  EXPECT_EQ(options.RecentFiles()[0].front(), '/');
  EXPECT_TRUE(options.RecentFiles()[0].ends_with("/rel/name.txt"));
}

TEST(SysOptions, TheRecentMenuEscapesAmpersandsAndSeparatesAfterTheFourthEntry) {
  MemoryFileSystem files;
  TSysOptions options;
  files.CreateDirectories("/r&d");
  std::vector<std::string> paths;
  for (int i = 0; i < 6; ++i) {
    paths.push_back("/r&d/" + std::to_string(i));
    files.WriteFileAtomic(paths.back(), "");
  }
  options.SetRecentFiles({paths[5], paths[4], "/gone", paths[3], paths[2], paths[1], paths[0]});

  TMenuItem menu;
  menu.items.push_back(TMenuItem::Command(U"stale", nullptr));
  int chosen = -1;
  FillRecentMenu(options, files, menu, [&](int index) { chosen = index; });
  ASSERT_EQ(menu.items.size(), 7u);
  EXPECT_EQ(menu.items[0].Caption(), U"&0 /r&&d/5");
  EXPECT_TRUE(menu.items[4].separator);
  EXPECT_EQ(menu.items[5].Caption(), U"&4 /r&&d/1");
  EXPECT_EQ(StripAccelerator(menu.items[5].Caption()), U"4 /r&d/1");
  menu.items[6].Click();
  EXPECT_EQ(chosen, 5);
  EXPECT_EQ(options.RecentFiles().size(), 6u);  // the gone file was dropped
}

TEST(SysOptions, SettingsSurviveARestart) {
  SettingsStore store;
  {
    TSysOptions options;
    options.SetRecentFiles({"/one", "/two"});
    options.SetUseEscKey(false);
    options.SetServerPath(U"/srv/www");
    options.SetWordWrap(false);
    options.SaveToRegistry(store);
  }
  const std::string key = std::string(kApplicationKey) + "\\System";
  const std::optional<RegValue> stored = store.ReadValue(RootKey::CurrentUser, key, "RecentFiles");
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->kind, RegKind::String);
  EXPECT_EQ(stored->text, U"/one\r\n/two\r\n");

  TSysOptions options;
  options.LoadFromRegistry(store);
  EXPECT_EQ(options.RecentFiles(), (std::vector<std::string>{"/one", "/two"}));
  EXPECT_FALSE(options.UseEscKey());
  EXPECT_EQ(options.ServerPath(), U"/srv/www/");
  EXPECT_FALSE(options.WordWrap());
  EXPECT_EQ(options.ServerUrl(), kDefaultServerUrl);
}

// A file name is bytes: names that are not UTF-8, hold a line break or look
// like the escaped form come back from the settings exactly, through a
// restart; plain names stay readable in the settings.
TEST(SysOptions, RecentNamesKeepTheirBytesThroughTheSettings) {
  const std::vector<std::string> names = {
      "/home/me/caf\xE9.txt",          // Latin-1, not UTF-8
      "/home/me/two\nlines.php",       // a line break in the name
      "/home/me/-rf.html",             // reads like an option
      "/home/me/file://odd 100%.txt",  // the escape's own prefix, and a "%"
      "/home/me/caf\xC3\xA9.txt",      // UTF-8
  };
  SettingsStore store;
  {
    TSysOptions options;
    options.SetRecentFiles(names);
    options.SaveToRegistry(store);
  }
  const std::string key = std::string(kApplicationKey) + "\\System";
  const std::optional<RegValue> stored = store.ReadValue(RootKey::CurrentUser, key, "RecentFiles");
  ASSERT_TRUE(stored.has_value());
  EXPECT_NE(stored->text.find(U"/home/me/-rf.html\r\n"), String::npos);
  EXPECT_NE(stored->text.find(U"/home/me/caf\u00e9.txt\r\n"), String::npos);
  TSysOptions options;
  options.LoadFromRegistry(store);
  EXPECT_EQ(options.RecentFiles(), names);
}

}  // namespace
}  // namespace qs
