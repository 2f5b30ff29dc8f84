// Documents reach the disk only through the installed platform: every test of
// this folder runs with the host's own file system installed, and a test that
// wants the memory one installs it for its own scope on top.
#include <gtest/gtest.h>

#include <memory>

#include "../common/localfilesplatform.h"

namespace qs {
namespace {

class LocalFilesEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { m_platform = std::make_unique<qs::testing::LocalFilesPlatform>(); }
  void TearDown() override { m_platform.reset(); }

 private:
  std::unique_ptr<qs::testing::LocalFilesPlatform> m_platform;
};

[[maybe_unused]] ::testing::Environment* const g_localFiles =
    ::testing::AddGlobalTestEnvironment(new LocalFilesEnvironment);

}  // namespace
}  // namespace qs
