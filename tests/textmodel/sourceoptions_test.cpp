#include "textmodel/sourceoptions.h"

#include <gtest/gtest.h>

#include "sourcefixture.h"
#include "support/registry.h"

namespace qs {
namespace {

// Each test gets a fresh options instance over a store kept in memory.
class GlobalOptions : public ::testing::Test {
 protected:
  void SetUp() override {
    OptionRegistry::Reset();
    OptionRegistry::SetStore(&m_store);
  }
  void TearDown() override { OptionRegistry::Reset(); }
  SettingsStore m_store;
};

TEST_F(GlobalOptions, StartWithTheDefaults) {
  const TMemoSourceOptions& o = TMemoSourceOptions::Instance();
  EXPECT_EQ(o.Options().ToBits(), 571u);
  EXPECT_EQ(o.TabStops(), U"9,17");
  EXPECT_EQ(o.Delimeters(), U"/{}+-*():=,;><$.#[]^@&~|%'");
  EXPECT_EQ(o.BlockIndent(), 1);
  EXPECT_FALSE(o.KeepTrailingBlanks());
  EXPECT_EQ(o.RegistryKey(), "Software\\Quillon Project\\Quillon\\CodeEdit\\MemoSource");
}

TEST_F(GlobalOptions, RoundTripThroughTheSettingsStore) {
  {
    TMemoSourceOptions& o = TMemoSourceOptions::Instance();
    o.SetOptions(TStringsOptions{soUseTabCharacter, soLimitEOL});
    o.SetTabStops(U"4,8");
    o.SetBlockIndent(3);
    o.SetKeepTrailingBlanks(true);
    o.SaveToRegistry(m_store);
  }
  EXPECT_TRUE(m_store.KeyExists(RootKey::CurrentUser,
                                "Software\\Quillon Project\\Quillon\\CodeEdit\\MemoSource"));
  OptionRegistry::Reset();
  OptionRegistry::SetStore(&m_store);
  const TMemoSourceOptions& loaded = TMemoSourceOptions::Instance();
  EXPECT_EQ(loaded.Options(), (TStringsOptions{soUseTabCharacter, soLimitEOL}));
  EXPECT_EQ(loaded.TabStops(), U"4,8");
  EXPECT_EQ(loaded.BlockIndent(), 3);
  EXPECT_TRUE(loaded.KeepTrailingBlanks());
}

TEST_F(GlobalOptions, ChangesReachTheDocumentsThatFollowThem) {
  TMemoSource following, independent;
  following.SetUseGlobalOptions(true);
  EXPECT_TRUE(following.IsDelimiterChar(U'$'));  // copied when switched on
  TMemoSourceOptions& o = TMemoSourceOptions::Instance();
  o.BeginUpdate();
  o.SetTabStops(U"4");
  o.SetBlockIndent(2);
  o.SetKeepTrailingBlanks(true);
  o.EndUpdate();
  EXPECT_EQ(following.TabStops(), U"4");
  EXPECT_EQ(following.BlockIndent(), 2);
  EXPECT_TRUE(following.KeepTrailingBlanks());
  EXPECT_EQ(independent.TabStops(), U"9,17");
  EXPECT_FALSE(independent.IsDelimiterChar(U'$'));
  o.SetTabStops(U"9,3");  // a bad rack: the documents keep theirs
  EXPECT_EQ(following.TabStops(), U"4");
}

TEST(LiveSources, DocumentsRegisterForTheirLifetime) {
  const std::size_t before = LiveSources().size();
  {
    TMemoSource a, b;
    EXPECT_EQ(LiveSources().size(), before + 2);
    EXPECT_EQ(LiveSources().back(), &b);
  }
  EXPECT_EQ(LiveSources().size(), before);
}

}  // namespace
}  // namespace qs
