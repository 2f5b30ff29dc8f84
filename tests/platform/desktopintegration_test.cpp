#include "platform/desktopintegration.h"

#include <gtest/gtest.h>

#include "platform/desktopentry.h"
#include "platform/keyfile.h"
#include "platform/memoryfilesystem.h"
#include "platform/mimeapps.h"
#include "support/errors.h"

namespace qs {
namespace {

constexpr const char* kGlobs =
    "50:application/x-php:*.php\n"
    "50:application/x-php:*.php3\n"
    "50:text/html:*.html\n"
    "50:text/css:*.css\n";

class DesktopIntegrationTest : public ::testing::Test {
 protected:
  DesktopIntegrationTest() {
    files.CreateDirectories("/usr/share/mime");
    files.WriteFileAtomic("/usr/share/mime/globs2", kGlobs);
    files.CreateDirectories("/usr/share/applications");
    files.WriteFileAtomic("/usr/share/applications/kate.desktop",
                          "[Desktop Entry]\nName=Kate\nExec=kate %U\n");
    paths.configHome = "/home/u/.config";
    paths.dataHome = "/home/u/.local/share";
    paths.configDirs = {"/etc/xdg"};
    paths.dataDirs = {"/usr/share"};
    paths.executable = "/opt/My Apps/quillon";
    hooks.runTool = [this](const std::vector<std::string>& argv) { ran.push_back(argv.front()); };
    hooks.isInstalled = [](std::string_view) { return false; };
  }

  TDesktopIntegration Make() { return TDesktopIntegration(files, paths, hooks); }
  std::string Read(const std::string& path) {
    return files.Exists(path) ? files.ReadFile(path) : "<none>";
  }
  TKeyFile MimeApps() { return TKeyFile::Parse(Read(paths.MimeAppsFile())); }
  void UserChooses(const char* type, const char* id) {
    TKeyFile apps = MimeApps();
    MakeDefaultApplication(apps, type, id);
    files.CreateDirectories(paths.configHome);
    files.WriteFileAtomic(paths.MimeAppsFile(), apps.Text());
  }

  MemoryFileSystem files;
  TDesktopPaths paths;
  TDesktopHooks hooks;
  std::vector<std::string> ran;
};

TEST_F(DesktopIntegrationTest, AssociatingMakesUsTheDefaultAndUnassociatingGivesItBack) {
  UserChooses("application/x-php", "kate.desktop");
  TDesktopIntegration desktop = Make();
  EXPECT_FALSE(desktop.IsAssociated("php"));
  EXPECT_EQ(desktop.CurrentProgram("php"), "Kate");
  desktop.Associate("php");
  EXPECT_TRUE(desktop.IsAssociated("php"));
  EXPECT_TRUE(desktop.IsAssociated("php3"));  // the same type on this desktop
  EXPECT_EQ(MimeApps().GetList(kDefaultApplications, "application/x-php"),
            (std::vector<std::string>{"quillon.desktop", "kate.desktop"}));
  const TKeyFile entry = TKeyFile::Parse(Read(paths.DesktopEntryFile()));
  EXPECT_EQ(entry.Get("Desktop Entry", "Exec"), "\"/opt/My Apps/quillon\" %F");
  EXPECT_EQ(entry.GetList("Desktop Entry", "MimeType"),
            std::vector<std::string>{"application/x-php"});
  EXPECT_EQ(desktop.CurrentProgram("php"), "Quillon");

  desktop.Unassociate("php");
  EXPECT_FALSE(desktop.IsAssociated("php"));
  EXPECT_EQ(DefaultApplication(MimeApps(), "application/x-php"), "kate.desktop");
  // Nothing of ours is left behind.
  EXPECT_EQ(Read(paths.DesktopEntryFile()), "<none>");
  EXPECT_EQ(Read(paths.StateFile()), "<none>");
  EXPECT_EQ(Read(paths.MimePackageFile()), "<none>");
}

TEST_F(DesktopIntegrationTest, ATypeIsGivenBackOnlyWithItsLastExtension) {
  TDesktopIntegration desktop = Make();
  desktop.Associate("php");
  desktop.Associate("php3");
  desktop.Unassociate("php");
  EXPECT_TRUE(desktop.IsAssociated("php3"));
  desktop.Unassociate("php3");
  EXPECT_FALSE(desktop.IsAssociated("php3"));
  EXPECT_FALSE(MimeApps().Get(kDefaultApplications, "application/x-php").has_value());
}

TEST_F(DesktopIntegrationTest, ADefaultAnotherProgramTookIsNeverReset) {
  TDesktopIntegration desktop = Make();
  desktop.Associate("css");
  desktop.Associate("html");
  UserChooses("text/css", "kate.desktop");
  EXPECT_FALSE(desktop.IsAssociated("css"));
  EXPECT_EQ(desktop.CurrentProgram("css"), "Kate");
  desktop.Unassociate("css");
  EXPECT_EQ(MimeApps().GetList(kDefaultApplications, "text/css"),
            std::vector<std::string>{"kate.desktop"});
  EXPECT_TRUE(desktop.IsAssociated("html"));
}

TEST_F(DesktopIntegrationTest, AChoiceInTheDesktopsOwnListWins) {
  paths.desktops = {"kde"};
  TDesktopIntegration desktop = Make();
  desktop.Associate("html");
  EXPECT_TRUE(desktop.IsAssociated("html"));
  files.WriteFileAtomic(paths.configHome + "/kde-mimeapps.list",
                        "[Default Applications]\ntext/html=kate.desktop;\n");
  EXPECT_FALSE(desktop.IsAssociated("html"));
}

TEST_F(DesktopIntegrationTest, AnExtensionWithoutATypeGetsOneOfOurs) {
  TDesktopIntegration desktop = Make();
  desktop.Associate("divl");
  EXPECT_TRUE(desktop.IsAssociated("divl"));
  EXPECT_EQ(DefaultApplication(MimeApps(), "text/x-quillon-divl"), kDesktopId);
  EXPECT_NE(Read(paths.MimePackageFile()).find("*.divl"), std::string::npos);
  desktop.Unassociate("divl");
  EXPECT_EQ(Read(paths.MimePackageFile()), "<none>");
  EXPECT_FALSE(desktop.IsAssociated("divl"));
}

TEST_F(DesktopIntegrationTest, AFailedWriteLeavesEveryFileAsItWas) {
  TDesktopIntegration desktop = Make();
  desktop.Associate("css");
  const std::string apps = Read(paths.MimeAppsFile());
  const std::string entry = Read(paths.DesktopEntryFile());
  files.SetReadOnly(paths.StateFile(), true);  // the last file written
  EXPECT_THROW(desktop.Associate("php"), Error);
  EXPECT_EQ(Read(paths.MimeAppsFile()), apps);
  EXPECT_EQ(Read(paths.DesktopEntryFile()), entry);
  EXPECT_FALSE(desktop.IsAssociated("php"));
}

TEST_F(DesktopIntegrationTest, OpenWithForTextFilesIsItsOwnSwitch) {
  TDesktopIntegration desktop = Make();
  EXPECT_FALSE(desktop.HasContextMenu());
  desktop.SetContextMenu(true);
  EXPECT_TRUE(desktop.HasContextMenu());
  EXPECT_EQ(TKeyFile::Parse(Read(paths.DesktopEntryFile())).GetList("Desktop Entry", "MimeType"),
            std::vector<std::string>{"text/plain"});
  desktop.Associate("html");
  desktop.SetContextMenu(false);
  EXPECT_FALSE(desktop.HasContextMenu());
  EXPECT_TRUE(desktop.IsAssociated("html"));
  EXPECT_EQ(TKeyFile::Parse(Read(paths.DesktopEntryFile())).GetList("Desktop Entry", "MimeType"),
            std::vector<std::string>{"text/html"});
}

TEST_F(DesktopIntegrationTest, AnEntryThatStartsAnotherProgramIsNotOurs) {
  TDesktopIntegration desktop = Make();
  desktop.Associate("html");
  paths.executable = "/usr/bin/quillon";  // the program was moved
  EXPECT_FALSE(Make().IsAssociated("html"));
}

TEST_F(DesktopIntegrationTest, TheCachesAreRefreshedOnlyAfterAChange) {
  TDesktopIntegration desktop = Make();
  desktop.NotifyShell();
  EXPECT_TRUE(ran.empty());
  desktop.Associate("divl");
  desktop.NotifyShell();
  desktop.NotifyShell();
  EXPECT_EQ(ran, (std::vector<std::string>{"update-desktop-database", "update-mime-database"}));
}

TEST_F(DesktopIntegrationTest, InvalidExtensionsAreRefused) {
  TDesktopIntegration desktop = Make();
  for (const char* bad : {"", "a b", "../x", "a\"b"}) {
    EXPECT_THROW(desktop.Associate(bad), Error) << bad;
    EXPECT_FALSE(desktop.IsAssociated(bad));
  }
  EXPECT_EQ(Read(paths.MimeAppsFile()), "<none>");
}

}  // namespace
}  // namespace qs
