#include <gtest/gtest.h>

#include <filesystem>

#include "app/appoptions.h"
#include "app/shortcutsoptions.h"
#include "app/systopt.h"
#include "editor/memoenvoptions.h"
#include "support/registry.h"
#include "textmodel/searchoptions.h"
#include "textmodel/sourceoptions.h"

#include <unistd.h>

namespace qs {
namespace {

TEST(ApplicationOptions, CreatesInOrderAndPersistsEveryOptionObjectAcrossARestart) {
  const std::string file = (std::filesystem::temp_directory_path() /
                            ("quillon-appoptions-" + std::to_string(getpid()) + ".ini"))
                               .string();
  std::filesystem::remove(file);
  {
    OptionRegistry::Reset();
    SettingsStore store;
    store.SetFileName(file);
    TApplicationOptions app(store);
    const std::vector<TOptionExt*> expected = {
        &MemoEnvOptions(), &TMemoSourceOptions::Instance(), &TSearchOptions::Instance(),
        &TSysOptions::Instance(), &TShortCutsOptions::Instance()};
    EXPECT_EQ(app.Created(), expected);
    TSysOptions::Instance().SetMaxRecent(7);
    MemoEnvOptions().SetMarginPos(66);
    TMemoSourceOptions::Instance().SetBlockIndent(4);
    app.SaveAll();
    OptionRegistry::Reset();
  }
  {
    SettingsStore store;
    store.SetFileName(file);
    ASSERT_FALSE(store.Load().has_value());
    TApplicationOptions app(store);
    EXPECT_EQ(TSysOptions::Instance().MaxRecent(), 7);
    EXPECT_EQ(MemoEnvOptions().MarginPos(), 66);
    EXPECT_EQ(TMemoSourceOptions::Instance().BlockIndent(), 4);
    OptionRegistry::Reset();
  }
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace qs
