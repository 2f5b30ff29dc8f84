#include "platform/desktoppaths.h"

#include <gtest/gtest.h>

#include "common/environmentscope.h"

namespace qs {
namespace {

TEST(DesktopPathsTest, FoldersComeFromTheEnvironmentByTheBaseDirectoryRules) {
  testing::EnvironmentScope env;
  env.Set("HOME", "/home/u");
  env.Set("XDG_CONFIG_HOME", "relative/is/ignored");
  env.Set("XDG_DATA_HOME", "/data");
  env.Set("XDG_CONFIG_DIRS", nullptr);
  env.Set("XDG_DATA_DIRS", "/opt/share::relative:/usr/share");
  env.Set("XDG_CURRENT_DESKTOP", "KDE:X-Test");
  const TDesktopPaths paths = TDesktopPaths::FromEnvironment();
  EXPECT_EQ(paths.configHome, "/home/u/.config");
  EXPECT_EQ(paths.dataHome, "/data");
  EXPECT_EQ(paths.configDirs, std::vector<std::string>{"/etc/xdg"});
  EXPECT_EQ(paths.dataDirs, (std::vector<std::string>{"/opt/share", "/usr/share"}));
  EXPECT_FALSE(paths.executable.empty());  // this test program
  EXPECT_EQ(paths.DesktopEntryFile(), "/data/applications/quillon.desktop");
  EXPECT_EQ(paths.MimeAppsFile(), "/home/u/.config/mimeapps.list");
  // The desktop's own list is read before the common one, the user's before the system's.
  const std::vector<std::string> lists = paths.MimeAppsFiles();
  ASSERT_GE(lists.size(), 4u);
  EXPECT_EQ(lists[0], "/home/u/.config/kde-mimeapps.list");
  EXPECT_EQ(lists[1], "/home/u/.config/x-test-mimeapps.list");
  EXPECT_EQ(lists[2], "/home/u/.config/mimeapps.list");
  EXPECT_EQ(lists.back(), "/usr/share/applications/mimeapps.list");
  EXPECT_EQ(paths.GlobFiles(),
            (std::vector<std::string>{"/data/mime/globs2", "/opt/share/mime/globs2",
                                      "/usr/share/mime/globs2"}));
}

}  // namespace
}  // namespace qs
