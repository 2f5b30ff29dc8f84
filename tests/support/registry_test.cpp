#include "support/registry.h"

#include <gtest/gtest.h>

#include "support/errors.h"
#include "support/settingsfile.h"
#include "support/settingssnapshot.h"

namespace qs {
namespace {

using testing::IsEmpty;
using testing::Snapshot;
using Names = std::vector<std::string>;

constexpr RootKey kUser = RootKey::CurrentUser;

TEST(SettingsStore, KeyNamesIgnoreCaseAndKeepTheCaseTheyWereCreatedWith) {
  SettingsStore store;
  store.CreateKey(kUser, "Software\\Quillon");
  store.CreateKey(kUser, "SOFTWARE\\quillon\\CodeEdit");
  EXPECT_TRUE(store.KeyExists(kUser, "software\\QUILLON\\codeedit"));
  EXPECT_EQ(store.SubKeyNames(kUser, ""), Names{"Software"});
  EXPECT_EQ(store.SubKeyNames(kUser, "software"), Names{"Quillon"});
  EXPECT_EQ(store.SubKeyNames(kUser, "Software\\Quillon"), Names{"CodeEdit"});
  // Only ASCII letters fold: these are two different keys.
  store.CreateKey(kUser, "\u00c9t\u00e9");
  store.CreateKey(kUser, "\u00e9t\u00e9");
  EXPECT_EQ(store.SubKeyNames(kUser, "").size(), 3u);
}

TEST(SettingsStore, EverySpellingOfAPathReachesTheSameKey) {
  SettingsStore store;
  store.WriteValue(kUser, "A\\B", "v", RegValue::Int(7));
  for (const char* spelling : {"A\\B", "\\A\\B", "A\\B\\", "A\\\\B", "\\\\a\\\\b\\\\"}) {
    SCOPED_TRACE(spelling);
    EXPECT_TRUE(store.KeyExists(kUser, spelling));
    EXPECT_EQ(store.ReadValue(kUser, spelling, "V"), RegValue::Int(7));
  }
  EXPECT_EQ(store.SubKeyNames(kUser, "\\"), Names{"A"});
  EXPECT_FALSE(store.KeyExists(kUser, "AB"));
}

TEST(SettingsStore, HivesAreSeparate) {
  SettingsStore store;
  store.WriteValue(RootKey::LocalMachine, "K", "v", RegValue::Int(1));
  EXPECT_FALSE(store.KeyExists(kUser, "K"));
  EXPECT_FALSE(store.KeyExists(RootKey::ClassesRoot, "K"));
  EXPECT_TRUE(store.KeyExists(RootKey::LocalMachine, "k"));
}

TEST(SettingsStore, EnumerationKeepsInsertionOrderThroughOverwritesAndDeletes) {
  SettingsStore store;
  std::int32_t n = 0;
  for (const char* name : {"zeta", "alpha", "Mid", "beta"})
    store.WriteValue(kUser, "K", name, RegValue::Int(++n));
  // An overwrite keeps the value's place and first spelling, and may change its kind.
  store.WriteValue(kUser, "K", "ALPHA", RegValue::Str(U"now text"));
  EXPECT_EQ(store.ValueNames(kUser, "K"), (Names{"zeta", "alpha", "Mid", "beta"}));
  EXPECT_EQ(store.ReadValue(kUser, "K", "alpha"), RegValue::Str(U"now text"));

  EXPECT_TRUE(store.DeleteValue(kUser, "K", "ZETA"));
  EXPECT_FALSE(store.DeleteValue(kUser, "K", "zeta"));
  // Lookups of the entries behind a deleted one still find them.
  EXPECT_EQ(store.ReadValue(kUser, "K", "mid"), RegValue::Int(3));
  EXPECT_EQ(store.ReadValue(kUser, "K", "beta"), RegValue::Int(4));
  store.WriteValue(kUser, "K", "zeta", RegValue::Int(5));
  store.WriteValue(kUser, "K", "beta", RegValue::Int(6));
  EXPECT_EQ(store.ValueNames(kUser, "K"), (Names{"alpha", "Mid", "beta", "zeta"}));
  EXPECT_EQ(store.ReadValue(kUser, "K", "zeta"), RegValue::Int(5));
  EXPECT_EQ(store.ReadValue(kUser, "K", "BETA"), RegValue::Int(6));

  for (const char* key : {"c", "a", "b"}) store.CreateKey(kUser, std::string("P\\") + key);
  EXPECT_TRUE(store.DeleteKey(kUser, "P\\a"));
  store.CreateKey(kUser, "P\\a");
  store.CreateKey(kUser, "P\\B");  // already there
  EXPECT_EQ(store.SubKeyNames(kUser, "P"), (Names{"c", "b", "a"}));
  EXPECT_TRUE(store.KeyExists(kUser, "P\\b"));
}

TEST(SettingsStore, DeleteKeyTakesEverythingBelowIt) {
  SettingsStore store;
  store.WriteValue(kUser, "A\\B\\C", "deep", RegValue::Int(1));
  store.WriteValue(kUser, "A\\B", "mid", RegValue::Int(2));
  store.WriteValue(kUser, "A", "top", RegValue::Int(3));
  EXPECT_TRUE(store.DeleteKey(kUser, "a\\b"));
  EXPECT_FALSE(store.KeyExists(kUser, "A\\B"));
  EXPECT_FALSE(store.KeyExists(kUser, "A\\B\\C"));
  EXPECT_FALSE(store.ReadValue(kUser, "A\\B\\C", "deep"));
  EXPECT_EQ(store.ReadValue(kUser, "A", "top"), RegValue::Int(3));
  // Recreated, the key starts empty.
  store.CreateKey(kUser, "A\\B\\C");
  EXPECT_TRUE(store.ValueNames(kUser, "A\\B\\C").empty());

  EXPECT_FALSE(store.DeleteKey(kUser, "A\\Missing"));
  EXPECT_FALSE(store.DeleteKey(kUser, "Missing\\B"));
  EXPECT_FALSE(store.DeleteKey(kUser, "\\"));  // a hive stays
  EXPECT_TRUE(store.KeyExists(kUser, "A"));
}

TEST(SettingsStore, WritingAValueCreatesItsKeyAndTheEmptyNameIsTheDefaultValue) {
  SettingsStore store;
  store.WriteValue(kUser, "New\\Key", "", RegValue::Str(U"default"));
  store.WriteValue(kUser, "New\\Key", "named", RegValue::Int(5));
  EXPECT_TRUE(store.KeyExists(kUser, "New"));
  EXPECT_EQ(store.ValueNames(kUser, "New\\Key"), (Names{"", "named"}));
  EXPECT_EQ(store.ReadValue(kUser, "New\\Key", ""), RegValue::Str(U"default"));
  EXPECT_TRUE(store.ValueNames(kUser, "New").empty());
  // Values of the hive's own key.
  store.WriteValue(kUser, "", "rootValue", RegValue::Int(9));
  EXPECT_EQ(store.ReadValue(kUser, "\\", "ROOTVALUE"), RegValue::Int(9));
}

TEST(SettingsStore, MissingKeysAndValuesReadAsNothing) {
  SettingsStore store;
  store.CreateKey(kUser, "K");
  EXPECT_FALSE(store.ReadValue(kUser, "K", "v"));
  EXPECT_FALSE(store.ReadValue(kUser, "Nope", "v"));
  EXPECT_FALSE(store.DeleteValue(kUser, "Nope", "v"));
  EXPECT_TRUE(store.SubKeyNames(kUser, "Nope").empty());
  EXPECT_TRUE(store.ValueNames(kUser, "Nope").empty());
  EXPECT_FALSE(store.KeyExists(kUser, "Nope"));
  EXPECT_EQ(Snapshot(store).size(), 4u);  // reading created nothing
}

TEST(SettingsStore, ValuesCompareByTheFieldTheirKindUses) {
  RegValue stale = RegValue::Int(4);
  stale.text = U"left over";
  EXPECT_EQ(stale, RegValue::Int(4));
  EXPECT_NE(RegValue::Str(U"a"), RegValue::Expand(U"a"));
  EXPECT_NE(RegValue::Bin({1}), RegValue::Bin({1, 0}));
  EXPECT_NE(RegValue::Int(0), RegValue::Str(U""));
}

// Whatever the store accepts must be writable in lines the reader accepts, so it
// refuses the rest up front and is left as it was.
TEST(SettingsStore, RefusesNamesAndDataTheFileCannotHold) {
  const std::string longSegment(kMaxKeyNameBytes + 1, 'k');
  std::string longPath;
  while (longPath.size() <= kMaxKeyPathBytes) longPath += std::string(200, 'p') + "\\";
  struct Case {
    const char* what;
    std::string path;
    std::string name;
    RegValue value;
  } cases[] = {
      {"line break in a key name", "A\\B\nC", "v", RegValue::Int(1)},
      {"DEL in a key name", "A\\B\x7f", "v", RegValue::Int(1)},
      {"C1 control in a key name", "A\\B\u0085", "v", RegValue::Int(1)},
      {"ill-formed UTF-8 key name", "A\\\xC3", "v", RegValue::Int(1)},
      {"overlong key name", "A\\" + longSegment, "v", RegValue::Int(1)},
      {"overlong key path", longPath, "v", RegValue::Int(1)},
      {"ill-formed UTF-8 value name", "A", "\xFF", RegValue::Int(1)},
      {"overlong value name", "A", std::string(kMaxValueNameBytes + 1, 'n'), RegValue::Int(1)},
      {"overlong string", "A", "v", RegValue::Str(String(kMaxStringChars + 1, U'x'))},
      {"overlong expandable string", "A", "v", RegValue::Expand(String(kMaxStringChars + 1, U'x'))},
      {"overlong binary", "A", "v", RegValue::Bin(std::vector<std::uint8_t>(kMaxBinaryBytes + 1))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SettingsStore store;
    EXPECT_THROW(store.WriteValue(kUser, c.path, c.name, c.value), Error);
    EXPECT_TRUE(IsEmpty(store));
    if (c.name == "v" && c.value == RegValue::Int(1)) {
      EXPECT_THROW(store.CreateKey(kUser, c.path), Error);
      EXPECT_TRUE(IsEmpty(store));
    }
  }
}

TEST(SettingsStore, AcceptsNamesAndDataUpToTheBounds) {
  SettingsStore store;
  std::string path;
  while (path.size() + kMaxKeyNameBytes + 1 <= kMaxKeyPathBytes)
    path += std::string(kMaxKeyNameBytes, 'k') + "\\";
  const std::string name(kMaxValueNameBytes, 'n');
  store.WriteValue(kUser, path, name, RegValue::Str(String(kMaxStringChars, U'x')));
  store.WriteValue(kUser, path, "bin", RegValue::Bin(std::vector<std::uint8_t>(kMaxBinaryBytes)));
  store.WriteValue(kUser, "Spaced \u00e9 [x] ", "ctl\n\x01\"", RegValue::Int(1));
  EXPECT_EQ(store.ReadValue(kUser, path, name)->text.size(), kMaxStringChars);
  EXPECT_TRUE(store.ReadValue(kUser, "Spaced \u00e9 [x] ", "CTL\n\x01\""));
}

TEST(SettingsStore, ClearEmptiesEveryHive) {
  SettingsStore store;
  store.WriteValue(kUser, "A", "v", RegValue::Int(1));
  store.WriteValue(RootKey::ClassesRoot, "", "v", RegValue::Int(1));
  store.Clear();
  EXPECT_TRUE(IsEmpty(store));
  store.WriteValue(kUser, "A", "v", RegValue::Int(2));
  EXPECT_EQ(store.ReadValue(kUser, "a", "V"), RegValue::Int(2));
}

}  // namespace
}  // namespace qs
