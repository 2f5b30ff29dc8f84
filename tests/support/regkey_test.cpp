#include "support/regkey.h"

#include <gtest/gtest.h>

#include "support/errors.h"

namespace qs {
namespace {

using Names = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;

TEST(RegistryKey, RelativePathsStartAtTheOpenKeyAndALeadingSeparatorAtTheRoot) {
  SettingsStore store;
  RegistryKey key(store, RootKey::CurrentUser);
  EXPECT_FALSE(key.OpenKey("Software\\Quillon", false));
  EXPECT_EQ(key.CurrentPath(), "");
  ASSERT_TRUE(key.OpenKey("\\Software\\\\Quillon\\", true));
  EXPECT_EQ(key.CurrentPath(), "Software\\Quillon");
  ASSERT_TRUE(key.OpenKey("CodeEdit\\Font", true));
  EXPECT_EQ(key.CurrentPath(), "Software\\Quillon\\CodeEdit\\Font");
  EXPECT_TRUE(store.KeyExists(RootKey::CurrentUser, "Software\\Quillon\\CodeEdit\\Font"));
  EXPECT_FALSE(store.KeyExists(RootKey::CurrentUser, "CodeEdit"));

  // A failed open keeps the key that was open.
  EXPECT_FALSE(key.OpenKey("Missing", false));
  EXPECT_EQ(key.CurrentPath(), "Software\\Quillon\\CodeEdit\\Font");
  EXPECT_FALSE(key.OpenKey("Bad\nName", true));
  EXPECT_EQ(key.CurrentPath(), "Software\\Quillon\\CodeEdit\\Font");

  ASSERT_TRUE(key.OpenKey("\\software\\quillon", false));
  EXPECT_TRUE(key.KeyExists("codeedit\\FONT"));
  EXPECT_TRUE(key.KeyExists("\\Software"));
  EXPECT_FALSE(key.KeyExists("Software"));
  EXPECT_EQ(key.GetKeyNames(), Names{"CodeEdit"});
  EXPECT_TRUE(key.DeleteKey("CodeEdit"));
  EXPECT_FALSE(store.KeyExists(RootKey::CurrentUser, "Software\\Quillon\\CodeEdit"));
  EXPECT_TRUE(store.KeyExists(RootKey::CurrentUser, "Software\\Quillon"));
}

TEST(RegistryKey, AClosedCursorStandsOnTheRootOfItsHive) {
  SettingsStore store;
  RegistryKey key(store, RootKey::ClassesRoot);
  ASSERT_TRUE(key.OpenKey("A", true));
  key.WriteInteger("inA", 1);
  key.CloseKey();
  EXPECT_EQ(key.CurrentPath(), "");
  key.WriteInteger("atRoot", 2);
  EXPECT_EQ(store.ReadValue(RootKey::ClassesRoot, "", "atRoot"), RegValue::Int(2));
  EXPECT_EQ(store.ReadValue(RootKey::ClassesRoot, "A", "inA"), RegValue::Int(1));
  EXPECT_FALSE(store.KeyExists(RootKey::CurrentUser, "A"));
  EXPECT_EQ(key.GetKeyNames(), Names{"A"});
  EXPECT_TRUE(key.OpenKey("A", false));  // relative to the root again
}

// Each read takes only its own kinds; everything else, and a missing value, is nothing.
TEST(RegistryKey, ReadsGiveNothingForAValueOfAnotherKind) {
  SettingsStore store;
  RegistryKey key(store, RootKey::CurrentUser);
  ASSERT_TRUE(key.OpenKey("K", true));
  key.WriteString("str", U"text \u00e9");
  key.WriteExpandString("exp", U"$HOME/x");
  key.WriteInteger("int", -5);
  key.WriteBool("yes", true);
  key.WriteBool("no", false);
  key.WriteBinary("bin", Bytes{0, 255});
  struct Case {
    const char* name;
    std::optional<String> string;
    std::optional<std::int32_t> integer;
    std::optional<bool> boolean;
    std::optional<Bytes> binary;
  } cases[] = {
      {"str", U"text \u00e9", {}, {}, {}},
      {"exp", U"$HOME/x", {}, {}, {}},
      {"int", {}, -5, true, {}},
      {"yes", {}, 1, true, {}},
      {"no", {}, 0, false, {}},
      {"bin", {}, {}, {}, Bytes{0, 255}},
      {"missing", {}, {}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(key.ReadString(c.name), c.string);
    EXPECT_EQ(key.ReadInteger(c.name), c.integer);
    EXPECT_EQ(key.ReadBool(c.name), c.boolean);
    EXPECT_EQ(key.ReadBinary(c.name), c.binary);
    EXPECT_EQ(key.ValueExists(c.name), std::string(c.name) != "missing");
  }
  EXPECT_EQ(key.GetValueKind("EXP"), RegKind::ExpandString);
  EXPECT_EQ(key.GetValueKind("yes"), RegKind::Integer);
  EXPECT_FALSE(key.GetValueKind("missing"));
  EXPECT_EQ(key.GetValueNames(), (Names{"str", "exp", "int", "yes", "no", "bin"}));
  EXPECT_TRUE(key.DeleteValue("INT"));
  EXPECT_FALSE(key.DeleteValue("int"));
  EXPECT_FALSE(key.ValueExists("int"));
}

TEST(RegistryKey, WritesOfDataTheStoreRefusesThrow) {
  SettingsStore store;
  RegistryKey key(store, RootKey::CurrentUser);
  EXPECT_THROW(key.WriteString("\xFF", U"x"), Error);
  EXPECT_THROW(key.WriteBinary("big", Bytes(2u << 20)), Error);
  EXPECT_TRUE(key.GetValueNames().empty());
}

}  // namespace
}  // namespace qs
