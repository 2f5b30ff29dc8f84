#include "support/xdgfolders.h"

#include <gtest/gtest.h>

#include "common/environmentscope.h"

namespace qs {
namespace {

TEST(XdgFolders, EachKindHasItsVariableAndItsPlaceUnderHome) {
  const struct {
    XdgFolder kind;
    const char* variable;
    const char* value;
    const char* expected;
  } cases[] = {
      {XdgFolder::Config, "XDG_CONFIG_HOME", "/cfg", "/cfg/quillon"},
      {XdgFolder::Config, "XDG_CONFIG_HOME", nullptr, "/home/u/.config/quillon"},
      {XdgFolder::Data, "XDG_DATA_HOME", "/data", "/data/quillon"},
      {XdgFolder::Data, "XDG_DATA_HOME", "", "/home/u/.local/share/quillon"},
      {XdgFolder::State, "XDG_STATE_HOME", "/st", "/st/quillon"},
      {XdgFolder::State, "XDG_STATE_HOME", nullptr, "/home/u/.local/state/quillon"},
      {XdgFolder::State, "XDG_STATE_HOME", "relative/st", "/home/u/.local/state/quillon"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    testing::EnvironmentScope env;
    env.Set(c.variable, c.value);
    env.Set("HOME", "/home/u");
    EXPECT_EQ(UserFolder(c.kind), c.expected);
  }
}

}  // namespace
}  // namespace qs
