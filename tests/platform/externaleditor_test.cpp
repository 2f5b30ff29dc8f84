#include "platform/externaleditor.h"

#include <gtest/gtest.h>

#include "platform/keyfile.h"
#include "platform/memoryfilesystem.h"

namespace qs {
namespace {

class ExternalEditorTest : public ::testing::Test {
 protected:
  ExternalEditorTest() {
    paths.configHome = "/home/u/.config";
    paths.executable = "/opt/My Apps/quillon";
    hooks.isInstalled = [this](std::string_view) { return installed; };
    files.CreateDirectories(paths.configHome);
  }
  TExternalEditor Make() { return TExternalEditor(files, paths, hooks, kFileManagerEditor); }
  std::string ConfigFile() const { return paths.configHome + "/krusaderrc"; }
  std::optional<std::string> Editor() {
    if (!files.Exists(ConfigFile())) return std::nullopt;
    return TKeyFile::Parse(files.ReadFile(ConfigFile())).Get("General", "Editor");
  }
  void SetEditor(const char* value) {
    files.WriteFileAtomic(ConfigFile(), std::string("[General]\nEditor=") + value + "\n");
  }

  MemoryFileSystem files;
  TDesktopPaths paths;
  TDesktopHooks hooks;
  bool installed = false;
};

TEST_F(ExternalEditorTest, OnTwiceThenOffRestoresTheEditorFromBeforeTheFirst) {
  SetEditor("kwrite");
  TExternalEditor editor = Make();
  editor.SetThisProgram(true);
  editor.SetThisProgram(true);
  EXPECT_TRUE(editor.IsThisProgram());
  EXPECT_EQ(Editor(), "'/opt/My Apps/quillon'");
  editor.SetThisProgram(false);
  EXPECT_EQ(Editor(), "kwrite");
  EXPECT_FALSE(files.Exists(paths.StateFile()));
}

TEST_F(ExternalEditorTest, OffKeepsAnEditorTheUserChoseSince) {
  SetEditor("kwrite");
  TExternalEditor editor = Make();
  editor.SetThisProgram(true);
  SetEditor("kate");
  editor.SetThisProgram(false);
  EXPECT_EQ(Editor(), "kate");
  EXPECT_FALSE(files.Exists(paths.StateFile()));  // the stale record goes
}

TEST_F(ExternalEditorTest, AnEditorThatWasNotSetIsRemovedAgain) {
  TExternalEditor editor = Make();
  EXPECT_FALSE(editor.Available());
  installed = true;
  EXPECT_TRUE(editor.Available());
  editor.SetThisProgram(true);
  EXPECT_TRUE(editor.IsThisProgram());
  editor.SetThisProgram(false);
  EXPECT_EQ(Editor(), std::nullopt);
}

TEST(ShellWordTest, PathsAreQuotedOnlyWhenTheyNeedIt) {
  EXPECT_EQ(ShellWord("/usr/bin/quillon"), "/usr/bin/quillon");
  EXPECT_EQ(ShellWord("/opt/My Apps/q"), "'/opt/My Apps/q'");
  EXPECT_EQ(ShellWord("/opt/it's/q"), "'/opt/it'\\''s/q'");
  EXPECT_EQ(ShellWord("/opt/$HOME/q"), "'/opt/$HOME/q'");
}

}  // namespace
}  // namespace qs
