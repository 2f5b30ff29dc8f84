#include "platform/privatetempfolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "support/errors.h"

namespace qs {
namespace {

namespace fs = std::filesystem;

// A scratch folder and XDG_RUNTIME_DIR pointed at it (or unset) for the test.
class PrivateTempFolderTest : public ::testing::Test {
 protected:
  PrivateTempFolderTest() {
    if (const char* old = std::getenv("XDG_RUNTIME_DIR")) m_saved = old;
    m_root = fs::temp_directory_path() / ("quillon-private-" + std::to_string(::getpid()));
    fs::create_directories(m_root);
  }
  ~PrivateTempFolderTest() override {
    if (m_saved)
      ::setenv("XDG_RUNTIME_DIR", m_saved->c_str(), 1);
    else
      ::unsetenv("XDG_RUNTIME_DIR");
    fs::remove_all(m_root);
  }
  static unsigned Mode(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
  }

  fs::path m_root;
  std::optional<std::string> m_saved;
};

TEST_F(PrivateTempFolderTest, IsMadeOnlyForTheUserInTheRuntimeFolderOrElseTheTempFolder) {
  ::setenv("XDG_RUNTIME_DIR", m_root.c_str(), 1);
  const std::string runtime = PrivateTempFolder("/unused");
  EXPECT_EQ(runtime, (m_root / "quillon").string());
  EXPECT_EQ(Mode(runtime), 0700u);

  // A relative or missing runtime folder does not count.
  for (const char* unusable : {"relative/run", "/no/such/runtime/folder"}) {
    ::setenv("XDG_RUNTIME_DIR", unusable, 1);
    const std::string temp = PrivateTempFolder(m_root.string());
    EXPECT_EQ(temp, (m_root / ("quillon-" + std::to_string(::geteuid()))).string());
    EXPECT_EQ(Mode(temp), 0700u);
  }
}

TEST_F(PrivateTempFolderTest, AnOpenFolderIsClosedAndALinkOrFileIsRefused) {
  ::unsetenv("XDG_RUNTIME_DIR");
  const fs::path ours = m_root / ("quillon-" + std::to_string(::geteuid()));
  fs::create_directory(ours);
  ::chmod(ours.c_str(), 0777);
  EXPECT_EQ(PrivateTempFolder(m_root.string()), ours.string());
  EXPECT_EQ(Mode(ours.string()), 0700u);

  fs::remove(ours);
  fs::create_directory(m_root / "elsewhere");
  fs::create_directory_symlink(m_root / "elsewhere", ours);
  EXPECT_THROW((void)PrivateTempFolder(m_root.string()), Error);

  fs::remove(ours);
  std::ofstream(ours.string()) << "";
  EXPECT_THROW((void)PrivateTempFolder(m_root.string()), Error);
}

}  // namespace
}  // namespace qs
